#include "document/PrintItemsReader.h"

#include "document/ObjectsTextSyntax.h"

#include <cmath>
#include <limits>

namespace {

// A pen width in screen pixels, taken at a fixed 96 per inch, as negated hundredths of an inch.
qint32 penWidthFromPixels(int pixels) {
    const qint64 hundredths = static_cast<qint64>(pixels) * 100 / 96; // truncates toward zero
    return static_cast<qint32>(-hundredths);
}

class PrintReader {
public:
    void line(QStringView key, QStringView value) {
        if (key == u"LABELITEM") {
            flush();
            // A kind this version does not know (saved by a newer one) is not drawn.
            const auto kind = LabelItemKindFromWord(value);
            pending_ = kind.has_value();
            current_.kind = kind ? static_cast<quint8>(*kind) : 0;
            current_.text.clear();
            current_.data.clear();
            current_.fontName.clear();
            current_.fileName.clear();
        } else {
            store(key, value);
        }
    }

    void flush() {
        if (pending_)
            result_.items.push_back(current_);
        pending_ = false;
    }

    PrintItemsText take() { return std::move(result_); }

private:
    void store(QStringView key, QStringView value) {
        PrintItemValue& c = current_;
        if (key == u"TOP")
            c.top = ParseStoredFloat(value);
        else if (key == u"LEFT")
            c.left = ParseStoredFloat(value);
        else if (key == u"WIDTH")
            c.width = ParseStoredFloat(value);
        else if (key == u"HEIGHT")
            c.height = ParseStoredFloat(value);
        else if (key == u"RELATIVEX")
            c.relativeX = ParseStoredFloat(value);
        else if (key == u"RELATIVEY")
            c.relativeY = ParseStoredFloat(value);
        else if (key == u"FONTSIZE")
            c.fontSize = ParseStoredInteger(value);
        else if (key == u"FONTCOLOR")
            c.fontColor = ParseStoredInteger(value);
        else if (key == u"ANGLE")
            c.angle = ParseStoredInteger(value);
        else if (key == u"COLOR")
            c.color = ParseStoredInteger(value);
        else if (key == u"LINECOLOR")
            c.lineColor = ParseStoredInteger(value);
        else if (key == u"ROUNDING")
            c.rounding = ParseStoredInteger(value);
        else if (key == u"ASCIICHAR")
            c.asciiChar = ParseStoredInteger(value);
        else if (key == u"LINETHICKNESS")
            c.penWidth = penWidthFromPixels(ParseStoredInteger(value));
        else if (key == u"STARTINGNUMBER")
            result_.startingNumber = ParseStoredInteger(value);
        else if (key == u"REPEATEACH")
            result_.repeatEach = ParseStoredInteger(value);
        else if (key == u"TEXT")
            c.text = value.toString();
        else if (key == u"FONTNAME")
            c.fontName = value.toString();
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
        else if (key == u"ORIENTATION")
            c.orientation = value.isEmpty() ? QChar() : value.front();
        else if (key == u"BRUSHSTYLE")
            c.brushStyle = static_cast<quint8>(BrushStyleFromName(value).value_or(c.brushStyle));
        else if (key == u"SYMBOLOGY")
            c.symbology = ParseStoredSymbology(value);
        else if (key == u"DATA")
            c.data = value.toString();
        else if (key == u"SHOWTEXT")
            c.showText = ParseStoredFlag(value);
        else if (key == u"BACKGROUND")
            c.background = ParseStoredInteger(value);
    }

    PrintItemValue current_;
    PrintItemsText result_;
    bool pending_ = false;
};

} // namespace

PrintItemsText ReadPrintItems(const QString& text) {
    PrintReader reader;
    ForEachObjectsLine(text, [&](QStringView key, QStringView value) { reader.line(key, value); });
    reader.flush();
    return reader.take();
}
