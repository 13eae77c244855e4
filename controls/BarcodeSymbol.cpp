#include "controls/BarcodeSymbol.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>

#include <zint.h>

namespace {

struct SymbologyInfo {
    BarcodeSymbology symbology;
    int zint;
    bool evenScale; // a matrix or stacked symbol: modules keep their proportions
};

constexpr SymbologyInfo kSymbologies[] = {
    {BarcodeSymbology::Code128, BARCODE_CODE128, false},
    {BarcodeSymbology::Code39, BARCODE_CODE39, false},
    {BarcodeSymbology::Ean, BARCODE_EANX, false},
    {BarcodeSymbology::UpcA, BARCODE_UPCA, false},
    {BarcodeSymbology::Itf14, BARCODE_ITF14, false},
    {BarcodeSymbology::Gs1_128, BARCODE_GS1_128, false},
    {BarcodeSymbology::QrCode, BARCODE_QRCODE, true},
    {BarcodeSymbology::DataMatrix, BARCODE_DATAMATRIX, true},
    {BarcodeSymbology::Pdf417, BARCODE_PDF417, true},
    {BarcodeSymbology::Aztec, BARCODE_AZTEC, true},
};

const SymbologyInfo& Info(BarcodeSymbology symbology) {
    for (const SymbologyInfo& info : kSymbologies)
        if (info.symbology == symbology)
            return info;
    return kSymbologies[0];
}

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using Symbol = std::unique_ptr<zint_symbol, SymbolDeleter>;

bool AllDigits(const QString& data) {
    return !data.isEmpty() &&
           std::all_of(data.begin(), data.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// EAN-8 and EAN-13 given with their check digit are checked; 7 or 12 digits get one.
int ZintSymbology(BarcodeSymbology symbology, const QString& data) {
    if (symbology == BarcodeSymbology::Ean && AllDigits(data) &&
        (data.size() == 8 || data.size() == 13))
        return BARCODE_EANX_CHK;
    return Info(symbology).zint;
}

struct Encoding {
    Symbol symbol;
    QString error;
};

// Encodes and lays the symbol out as vectors. barHeight (modules) is Zint's default when 0.
Encoding Encode(BarcodeSymbology symbology, const QString& data, bool showText, float barHeight) {
    Encoding result{Symbol(ZBarcode_Create()), {}};
    zint_symbol* s = result.symbol.get();
    if (!s) {
        result.error = QStringLiteral("The barcode library is out of memory");
        return result;
    }
    s->symbology = ZintSymbology(symbology, data);
    if (symbology == BarcodeSymbology::Gs1_128)
        s->input_mode = GS1_MODE | (data.startsWith(u'(') ? GS1PARENS_MODE : 0);
    else
        s->input_mode = UNICODE_MODE;
    s->show_hrt = showText ? 1 : 0;
    s->output_options |= BARCODE_QUIET_ZONES;
    if (barHeight > 0)
        s->height = barHeight;
    const QByteArray utf8 = data.toUtf8();
    int rc = ZBarcode_Encode(s, reinterpret_cast<const unsigned char*>(utf8.constData()),
                             int(utf8.size()));
    if (rc < ZINT_ERROR)
        rc = ZBarcode_Buffer_Vector(s, 0);
    if (rc >= ZINT_ERROR || !s->vector) {
        result.error = QString::fromUtf8(s->errtxt);
        if (result.error.isEmpty())
            result.error = QStringLiteral("The data cannot be encoded");
    } else if (s->vector->hexagons || s->vector->circles) {
        // No symbology offered draws them; better no symbol than one with modules missing.
        result.error = QStringLiteral("This symbol's shapes cannot be drawn");
    }
    return result;
}

void AddPlaceholder(BarcodeDrawing& drawing) {
    const double w = drawing.box.width(), h = drawing.box.height();
    drawing.bars.clear();
    drawing.texts.clear();
    drawing.frame = QRectF(0, 0, w, h);
    drawing.cross = {QLineF(0, 0, w, h), QLineF(w, 0, 0, h)};
    const double em = std::clamp(h / 5, 0.02, 0.12);
    const double middle = h / 2;
    drawing.texts.append(
        {QStringLiteral("Invalid barcode data"), {w / 2, middle - 0.15 * em}, 0, em, w * 0.9});
    drawing.texts.append({drawing.error, {w / 2, middle + 1.0 * em}, 0, em * 0.8, w * 0.9});
}

// Zint's geometry (units) into the box: scale s inches per unit, offset in inches.
void AddShapes(BarcodeDrawing& drawing, const zint_vector& vector, double s, QPointF offset) {
    for (const zint_vector_rect* r = vector.rectangles; r; r = r->next) {
        if (r->colour == 8) // white: the background shows there
            continue;
        drawing.bars.append(
            QRectF(offset.x() + r->x * s, offset.y() + r->y * s, r->width * s, r->height * s));
    }
    for (const zint_vector_string* t = vector.strings; t; t = t->next) {
        BarcodeText text;
        text.text = QString::fromUtf8(reinterpret_cast<const char*>(t->text), t->length);
        text.anchor = QPointF(offset.x() + t->x * s, offset.y() + t->y * s);
        text.align = t->halign;
        text.emHeight = t->fsize * s;
        text.maxWidth = t->width > 0 ? t->width * s : 0;
        drawing.texts.append(text);
    }
}

} // namespace

bool BarcodeSymbol::HasText(BarcodeSymbology symbology) {
    return ZBarcode_Cap(Info(symbology).zint, ZINT_CAP_HRT) != 0;
}

QString BarcodeSymbol::Validate(BarcodeSymbology symbology, const QString& data) {
    return Encode(symbology, data, false, 0).error;
}

BarcodeDrawing BarcodeSymbol::Make(BarcodeSymbology symbology, const QString& data, bool showText,
                                   const QSizeF& boxInches) {
    BarcodeDrawing drawing;
    drawing.box = boxInches;
    Encoding first = Encode(symbology, data, showText, 0);
    if (!first.error.isEmpty() || boxInches.width() <= 0 || boxInches.height() <= 0) {
        drawing.error =
            first.error.isEmpty() ? QStringLiteral("The item has no size") : first.error;
        AddPlaceholder(drawing);
        return drawing;
    }
    const double bw = boxInches.width(), bh = boxInches.height();
    const zint_vector* vector = first.symbol->vector;
    Encoding refit;
    if (!Info(symbology).evenScale) {
        // The bars take the height the box leaves beside the text and quiet zones.
        const double s = bw / vector->width;
        const double extra = vector->height - 2.0 * first.symbol->height;
        const double bars = std::max(2.0, (bh / s - extra) / 2.0);
        refit = Encode(symbology, data, showText, float(bars));
        if (refit.error.isEmpty())
            vector = refit.symbol->vector;
    }
    const double s = std::min(bw / vector->width, bh / vector->height);
    const QPointF offset((bw - vector->width * s) / 2, (bh - vector->height * s) / 2);
    AddShapes(drawing, *vector, s, offset);
    return drawing;
}

std::optional<QSizeF> BarcodeSymbol::NaturalSize(BarcodeSymbology symbology, const QString& data,
                                                 bool showText, double moduleInches) {
    // Zint's vectors count two units to a module.
    const double s = moduleInches / 2;
    const float bars = Info(symbology).evenScale ? 0.0f : float(0.5 / moduleInches);
    const Encoding encoding = Encode(symbology, data, showText, bars);
    if (!encoding.error.isEmpty())
        return std::nullopt;
    return QSizeF(encoding.symbol->vector->width * s, encoding.symbol->vector->height * s);
}

QString BarcodeSymbol::TextFontName() {
    return QStringLiteral("Arial");
}

QColor BarcodeSymbol::PlaceholderColor() {
    return QColor(128, 128, 128);
}

void BarcodeSymbol::Paint(QPainter& painter, const BarcodeDrawing& drawing, double ppi,
                          const QColor& barColor, const QColor& background) {
    painter.save();
    const auto px = [ppi](const QRectF& r) {
        return QRectF(r.x() * ppi, r.y() * ppi, r.width() * ppi, r.height() * ppi);
    };
    if (background.alpha() > 0)
        painter.fillRect(px(QRectF(QPointF(0, 0), drawing.box)), background);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const QRectF& bar : drawing.bars)
        painter.fillRect(px(bar), barColor);
    if (!drawing.ok()) {
        painter.setPen(QPen(PlaceholderColor(), 0));
        painter.setBrush(Qt::NoBrush);
        const QRectF frame = px(drawing.frame);
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        for (const QLineF& line : drawing.cross)
            painter.drawLine(QLineF(line.p1() * ppi, line.p2() * ppi));
    }
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(barColor);
    for (const BarcodeText& text : drawing.texts) {
        QFont font(TextFontName());
        int pixels = std::max(1, int(std::lround(text.emHeight * ppi)));
        font.setPixelSize(pixels);
        while (text.maxWidth > 0 && pixels > 1 &&
               QFontMetricsF(font).horizontalAdvance(text.text) > text.maxWidth * ppi)
            font.setPixelSize(--pixels);
        painter.setFont(font);
        const double width = QFontMetricsF(font).horizontalAdvance(text.text);
        double x = text.anchor.x() * ppi;
        if (text.align == 0)
            x -= width / 2;
        else if (text.align == 2)
            x -= width;
        painter.drawText(QPointF(x, text.anchor.y() * ppi), text.text);
    }
    painter.restore();
}
