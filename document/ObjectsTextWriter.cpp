#include "document/ObjectsTextWriter.h"

#include "document/ObjectsTextSyntax.h"
#include "document/Units.h"

namespace {

class LineWriter {
public:
    explicit LineWriter(QString& text) : text_(text) {}

    void string(QStringView key, QStringView value) {
        text_ += key;
        text_ += u'=';
        text_ += ContainsLineBreak(value) ? WithoutLineBreaks(value) : value.toString();
        text_ += ObjectsLineEnd;
    }
    void integer(QStringView key, qint64 value) { string(key, QString::number(value)); }
    void distance(QStringView key, int pixels) { string(key, PixelsToInchesToString(pixels)); }
    void flag(QStringView key, bool value) { string(key, StoredFlag(value)); }

    void box(const LabelItemValue& item) {
        distance(u"TOP", item.top);
        distance(u"LEFT", item.left);
        distance(u"WIDTH", item.width);
        distance(u"HEIGHT", item.height);
    }
    void styles(const LabelItemValue& item) {
        flag(u"FONTBOLD", item.bold);
        flag(u"FONTITALIC", item.italic);
        flag(u"FONTUNDER", item.underline);
    }
    void origin(const LabelItemValue& item) {
        distance(u"RELATIVEX", item.relativeX);
        distance(u"RELATIVEY", item.relativeY);
    }

private:
    QString& text_;
};

void writeText(LineWriter& w, const LabelItemValue& item) {
    w.string(u"TEXT", item.text);
    w.box(item);
    w.string(u"FONTNAME", item.fontName);
    w.integer(u"FONTCOLOR", item.fontColor);
    w.integer(u"FONTSIZE", item.fontSize);
    w.styles(item);
    // A text keeps its angle in 0..359 on file; the control holds -180..180.
    w.integer(u"ANGLE", item.angle < 0 ? item.angle + 360 : item.angle);
    w.origin(item);
}

void writeCounter(LineWriter& w, const LabelItemValue& item) {
    w.box(item);
    w.origin(item);
    w.integer(u"STARTINGNUMBER", item.startingNumber);
    w.integer(u"REPEATEACH", item.repeatEach);
    w.string(u"FONTNAME", item.fontName);
    w.integer(u"FONTSIZE", item.fontSize);
    w.integer(u"FONTCOLOR", item.fontColor);
    w.styles(item);
    w.integer(u"ANGLE", item.angle);
}

void writeSymbol(LineWriter& w, const LabelItemValue& item) {
    w.box(item);
    w.integer(u"FONTSIZE", item.fontSize);
    w.integer(u"FONTCOLOR", item.fontColor);
    w.integer(u"ASCIICHAR", item.asciiChar);
}

void writeShape(LineWriter& w, const LabelItemValue& item) {
    w.box(item);
    w.string(u"BRUSHSTYLE", BrushStyleName(item.brushStyle));
    w.integer(u"COLOR", item.brushColor);
    w.integer(u"LINETHICKNESS", item.penWidth);
    w.integer(u"LINECOLOR", item.penColor);
    if (item.kind == LabelItemKind::RoundRectangle)
        w.integer(u"ROUNDING", item.rounding);
}

void writeLine(LineWriter& w, const LabelItemValue& item) {
    w.box(item);
    w.string(u"ORIENTATION", item.kind == LabelItemKind::HorizontalLine ? u"H" : u"V");
    w.integer(u"LINETHICKNESS", item.penWidth);
    w.integer(u"LINECOLOR", item.penColor);
}

void writeImage(LineWriter& w, const LabelItemValue& item) {
    w.box(item);
    w.flag(u"STRETCH", item.stretch);
    w.string(u"FILENAMEANDPATH", item.fileName);
}

void writeBarcode(LineWriter& w, const LabelItemValue& item) {
    w.box(item);
    w.string(u"SYMBOLOGY", BarcodeSymbol::StoredName(item.symbology));
    w.string(u"DATA", item.barcodeData);
    w.flag(u"SHOWTEXT", item.showText);
    w.integer(u"COLOR", item.brushColor);
    w.integer(u"BACKGROUND", item.backgroundColor);
}

// A kept block goes back as it was read; its lines already end with CR LF.
void appendKept(QString& text, const std::vector<KeptItemLines>& kept, int after) {
    for (const KeptItemLines& block : kept)
        if (block.after == after)
            text += block.lines;
}

} // namespace

void AppendItemLines(QString& text, const LabelItemValue& item) {
    LineWriter w(text);
    w.string(u"LABELITEM", LabelItemKindWord(item.kind));
    switch (item.kind) {
    case LabelItemKind::Text:
        return writeText(w, item);
    case LabelItemKind::Counter:
        return writeCounter(w, item);
    case LabelItemKind::Symbol:
        return writeSymbol(w, item);
    case LabelItemKind::Rectangle:
    case LabelItemKind::RoundRectangle:
    case LabelItemKind::Ellipse:
        return writeShape(w, item);
    case LabelItemKind::HorizontalLine:
    case LabelItemKind::VerticalLine:
        return writeLine(w, item);
    case LabelItemKind::Image:
        return writeImage(w, item);
    case LabelItemKind::Barcode:
        return writeBarcode(w, item);
    }
}

QString WriteObjectsText(const std::vector<LabelItemValue>& items,
                         const std::vector<KeptItemLines>& kept) {
    QString text;
    text.reserve(static_cast<qsizetype>(items.size()) * 300);
    appendKept(text, kept, -1);
    for (size_t i = 0; i < items.size(); ++i) {
        AppendItemLines(text, items[i]);
        appendKept(text, kept, int(i));
    }
    // Measured once; the filler line itself is not counted again.
    if (text.size() % 4 == 0)
        text += QStringLiteral("NOTHING=NOTHING\r\n");
    return text;
}
