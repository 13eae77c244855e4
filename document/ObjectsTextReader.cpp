#include "document/ObjectsTextReader.h"

#include "document/ObjectsTextSyntax.h"
#include "document/Units.h"

#include <optional>

namespace {

class DesignReader {
public:
    explicit DesignReader(const std::function<void(const LabelItemValue&)>& create)
        : create_(create) {
        current_.fontName = QStringLiteral("Arial");
        current_.fontSize = 10;
        current_.repeatEach = 1;
        current_.penWidth = 1;
        current_.brushStyle = BrushStyleCode::Clear;
    }

    void line(QStringView key, QStringView value) {
        if (key == u"LABELITEM") {
            flush();
            pending_ = true;
            pendingWord_ = value.toString();
        } else {
            store(key, value);
        }
    }

    void flush() {
        if (!pending_)
            return;
        pending_ = false;
        const auto kind = LabelItemKindFromWord(pendingWord_);
        if (!kind)
            return;
        LabelItemValue item = current_;
        item.kind = *kind;
        create_(item);
    }

private:
    static int distance(QStringView value) {
        // Held in single precision before it is scaled, as the stored value always was.
        return InchesToPixels(static_cast<float>(ParseStoredFloat(value)));
    }

    void store(QStringView key, QStringView value) {
        LabelItemValue& c = current_;
        if (key == u"TOP")
            c.top = distance(value);
        else if (key == u"LEFT")
            c.left = distance(value);
        else if (key == u"WIDTH")
            c.width = distance(value);
        else if (key == u"HEIGHT")
            c.height = distance(value);
        else if (key == u"FONTSIZE")
            c.fontSize = ParseStoredInteger(value);
        else if (key == u"FONTCOLOR")
            c.fontColor = ParseStoredInteger(value);
        else if (key == u"ANGLE")
            c.angle = ParseStoredInteger(value);
        else if (key == u"COLOR")
            c.brushColor = ParseStoredInteger(value);
        else if (key == u"LINETHICKNESS")
            c.penWidth = ParseStoredInteger(value);
        else if (key == u"LINECOLOR")
            c.penColor = ParseStoredInteger(value);
        else if (key == u"ROUNDING")
            c.rounding = ParseStoredInteger(value);
        else if (key == u"STARTINGNUMBER")
            c.startingNumber = ParseStoredInteger(value);
        else if (key == u"REPEATEACH")
            c.repeatEach = ParseStoredInteger(value);
        else if (key == u"ASCIICHAR")
            c.asciiChar = ParseStoredInteger(value);
        else if (key == u"FONTNAME")
            c.fontName = value.toString();
        else if (key == u"TEXT")
            c.text = value.toString();
        else if (key == u"FILENAMEANDPATH")
            c.fileName = value.toString();
        else if (key == u"FONTBOLD")
            c.bold = ParseStoredFlag(value);
        else if (key == u"FONTITALIC")
            c.italic = ParseStoredFlag(value);
        else if (key == u"FONTUNDER")
            c.underline = ParseStoredFlag(value);
        else if (key == u"STRETCH")
            c.stretch = ParseStoredFlag(value);
        else if (key == u"BRUSHSTYLE")
            c.brushStyle = BrushStyleFromName(value).value_or(c.brushStyle);
    }

    const std::function<void(const LabelItemValue&)>& create_;
    LabelItemValue current_;
    bool pending_ = false;
    QString pendingWord_;
};

} // namespace

void ReadObjectsText(const QString& text,
                     const std::function<void(const LabelItemValue&)>& create) {
    DesignReader reader(create);
    ForEachObjectsLine(text, [&](QStringView key, QStringView value) { reader.line(key, value); });
    reader.flush();
}
