#include "document/ObjectsTextReader.h"

#include "document/ObjectsTextSyntax.h"
#include "document/Units.h"

#include <optional>

namespace {

class DesignReader {
public:
    DesignReader(const std::function<void(const LabelItemValue&)>& create,
                 const std::function<void(const QString&)>& keep)
        : create_(create), keep_(keep) {
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
            kept_.clear();
        } else {
            store(key, value);
        }
        if (pending_ && key != u"NOTHING")
            kept_ += key.toString() + u'=' + value.toString() + ObjectsLineEnd.toString();
    }

    void flush() {
        if (!pending_)
            return;
        pending_ = false;
        const auto kind = LabelItemKindFromWord(pendingWord_);
        if (!kind) {
            if (keep_)
                keep_(kept_);
            return;
        }
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
        else if (key == u"SYMBOLOGY")
            c.symbology = ParseStoredSymbology(value);
        else if (key == u"DATA")
            c.barcodeData = value.toString();
        else if (key == u"SHOWTEXT")
            c.showText = ParseStoredFlag(value);
        else if (key == u"BACKGROUND")
            c.backgroundColor = ParseStoredInteger(value);
    }

    const std::function<void(const LabelItemValue&)>& create_;
    const std::function<void(const QString&)>& keep_;
    QString kept_;
    LabelItemValue current_;
    bool pending_ = false;
    QString pendingWord_;
};

} // namespace

void ReadObjectsText(const QString& text, const std::function<void(const LabelItemValue&)>& create,
                     const std::function<void(const QString& lines)>& keep) {
    DesignReader reader(create, keep);
    ForEachObjectsLine(text, [&](QStringView key, QStringView value) { reader.line(key, value); });
    reader.flush();
}
