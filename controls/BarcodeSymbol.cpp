#include "controls/BarcodeSymbol.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include <zint.h>

#include "controls/BarcodeCatalogue.h"
#include "controls/BarcodeMessage.h"
#include <QCoreApplication>

namespace {

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using Symbol = std::unique_ptr<zint_symbol, SymbolDeleter>;

bool AllDigits(const QString& data) {
    return !data.isEmpty() &&
           std::all_of(data.begin(), data.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// EAN-8 and EAN-13 given with their check digit are checked; 7 or 12 digits get one.
int ZintSymbology(const BarcodeType& type, const QString& data) {
    if (type.zint == BARCODE_EANX && AllDigits(data) && (data.size() == 8 || data.size() == 13))
        return BARCODE_EANX_CHK;
    return type.zint;
}

struct Encoding {
    Symbol symbol;
    QString error;
};

QString Refusal(const BarcodeSpec& wanted, const QString& data, const QString& typed, int rc,
                const char* zintText) {
    return PlainBarcodeMessage(*wanted.type, typed.isEmpty() ? data : typed, data, rc,
                               QString::fromUtf8(zintText));
}

// Encodes and lays the symbol out as vectors. barHeight (modules) is Zint's default when 0.
Encoding Encode(const BarcodeSpec& wanted, const QString& data, const QString& typed,
                float barHeight) {
    Encoding result{Symbol(ZBarcode_Create()), {}};
    zint_symbol* s = result.symbol.get();
    if (!s) {
        result.error =
            QCoreApplication::translate("BarcodeSymbol", "The barcode library is out of memory");
        return result;
    }
    const BarcodeType& type = *wanted.type;
    QString payload = data;
    if (type.composite) {
        // "linear|2D": the linear symbol's data is Zint's primary message.
        const qsizetype bar = data.indexOf(u'|');
        const QByteArray primary = (bar < 0 ? data : data.left(bar)).toUtf8();
        payload = bar < 0 ? QString() : data.mid(bar + 1);
        qstrncpy(s->primary, primary.constData(), sizeof s->primary);
    }
    s->symbology = ZintSymbology(type, data);
    if (type.gs1)
        s->input_mode = GS1_MODE | (payload.startsWith(u'(') ? GS1PARENS_MODE : 0);
    else
        s->input_mode = UNICODE_MODE;
    if (type.HasEcc() && wanted.ecc >= type.eccLowest && wanted.ecc <= type.eccHighest &&
        wanted.ecc)
        s->option_1 = wanted.ecc;
    s->show_hrt = wanted.showText ? 1 : 0;
    s->output_options |= wanted.quietZones ? BARCODE_QUIET_ZONES : BARCODE_NO_QUIET_ZONES;
    if (barHeight > 0)
        s->height = barHeight;
    const QByteArray utf8 = payload.toUtf8();
    int rc = ZBarcode_Encode(s, reinterpret_cast<const unsigned char*>(utf8.constData()),
                             int(utf8.size()));
    if (rc < ZINT_ERROR)
        rc = ZBarcode_Buffer_Vector(s, 0);
    if (rc >= ZINT_ERROR || !s->vector)
        result.error = Refusal(wanted, data, typed, rc, s->errtxt);
    return result;
}

void AddPlaceholder(BarcodeDrawing& drawing) {
    const double w = drawing.box.width(), h = drawing.box.height();
    drawing.bars.clear();
    drawing.barColours.clear();
    drawing.shapes.clear();
    drawing.holes.clear();
    drawing.texts.clear();
    drawing.narrowest = 0;
    drawing.frame = QRectF(0, 0, w, h);
    drawing.cross = {QLineF(0, 0, w, h), QLineF(w, 0, 0, h)};
    const double em = std::clamp(h / 5, 0.02, 0.12);
    const double middle = h / 2;
    drawing.texts.append({QCoreApplication::translate("BarcodeSymbol", "Invalid barcode data"),
                          {w / 2, middle - 0.15 * em},
                          0,
                          em,
                          w * 0.9});
    drawing.texts.append({drawing.error, {w / 2, middle + 1.0 * em}, 0, em * 0.8, w * 0.9});
}

// A hexagon of MaxiCode: pointed at top and bottom, or turned a quarter.
QPolygonF Hexagon(const zint_vector_hexagon& hexagon, double s, QPointF offset) {
    const double r = hexagon.diameter * s / 2;
    const double across = r * std::sqrt(3.0) / 2;
    const QPointF c(offset.x() + hexagon.x * s, offset.y() + hexagon.y * s);
    QPolygonF polygon;
    const bool turned = hexagon.rotation == 90 || hexagon.rotation == 270;
    const QPointF corners[] = {{0, r},  {across, r / 2},   {across, -r / 2},
                               {0, -r}, {-across, -r / 2}, {-across, r / 2}};
    for (const QPointF& corner : corners)
        polygon << c + (turned ? QPointF(corner.y(), corner.x()) : corner);
    polygon << polygon.first();
    return polygon;
}

// Zint's geometry (units) into the box: scale s inches per unit, offset in inches.
void AddShapes(BarcodeDrawing& drawing, const zint_vector& vector, double s, QPointF offset) {
    double narrowest = std::numeric_limits<double>::max();
    for (const zint_vector_rect* r = vector.rectangles; r; r = r->next) {
        if (r->colour == 8) // white: the background shows there
            continue;
        drawing.bars.append(
            QRectF(offset.x() + r->x * s, offset.y() + r->y * s, r->width * s, r->height * s));
        drawing.barColours.append(r->colour >= 1 && r->colour <= 6 ? r->colour : 0);
        narrowest = std::min(narrowest, r->width * s);
    }
    drawing.shapes.setFillRule(Qt::OddEvenFill);
    for (const zint_vector_hexagon* h = vector.hexagons; h; h = h->next) {
        drawing.shapes.addPolygon(Hexagon(*h, s, offset));
        drawing.shapes.closeSubpath();
        narrowest = std::min(narrowest, h->diameter * s);
    }
    for (const zint_vector_circle* c = vector.circles; c; c = c->next) {
        const QPointF centre(offset.x() + c->x * s, offset.y() + c->y * s);
        QPainterPath& path = c->colour ? drawing.holes : drawing.shapes;
        if (c->width > 0) {
            const double outer = (c->diameter + c->width) * s / 2;
            const double inner = (c->diameter - c->width) * s / 2;
            QPainterPath ring;
            ring.setFillRule(Qt::OddEvenFill);
            ring.addEllipse(centre, outer, outer);
            ring.addEllipse(centre, inner, inner);
            path.addPath(ring);
        } else {
            path.addEllipse(centre, c->diameter * s / 2, c->diameter * s / 2);
            narrowest = std::min(narrowest, c->diameter * s);
        }
    }
    drawing.narrowest = narrowest == std::numeric_limits<double>::max() ? 0 : narrowest;
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

BarcodeSpec SpecOf(BarcodeSymbology symbology, bool showText) {
    BarcodeSpec wanted;
    wanted.type = &BarcodeSymbol::Type(symbology);
    wanted.showText = showText;
    return wanted;
}

} // namespace

QString BarcodeDrawing::NarrowBarWarning() const {
    if (!ok() || narrowest <= 0 || narrowest >= BarcodeSymbol::MinimumBarInches)
        return {};
    return QCoreApplication::translate(
               "BarcodeDrawing",
               "The narrowest bar is %1 mm (%2 mil) wide; scanners may not read bars "
               "below 0.19 mm (7.5 mil). Make the barcode wider or its data shorter.")
        .arg(narrowest * 25.4, 0, 'f', 2)
        .arg(narrowest * 1000, 0, 'f', 1);
}

const BarcodeType& BarcodeSymbol::Type(BarcodeSymbology symbology) {
    const BarcodeType* type = BarcodeCatalogue::FromName(BarcodeSymbologyName(symbology));
    return type ? *type : BarcodeCatalogue::All().first();
}

bool BarcodeSymbol::HasText(BarcodeSymbology symbology) {
    return Type(symbology).hasText;
}

QString BarcodeSymbol::Validate(const BarcodeSpec& wanted, const QString& data,
                                const QString& typed) {
    if (!wanted.type)
        return QCoreApplication::translate(
            "BarcodeSymbol", "This barcode library does not make this kind of symbol");
    return Encode(wanted, data, typed, 0).error;
}

QString BarcodeSymbol::Validate(BarcodeSymbology symbology, const QString& data) {
    return Validate(SpecOf(symbology, false), data);
}

BarcodeDrawing BarcodeSymbol::Make(const BarcodeSpec& wanted, const QString& data,
                                   const QSizeF& boxInches, const QString& typed) {
    BarcodeDrawing drawing;
    drawing.box = boxInches;
    if (!wanted.type) {
        drawing.error = Validate(wanted, data, typed);
        AddPlaceholder(drawing);
        return drawing;
    }
    Encoding first = Encode(wanted, data, typed, 0);
    if (!first.error.isEmpty() || boxInches.width() <= 0 || boxInches.height() <= 0) {
        drawing.error = first.error.isEmpty()
                            ? QCoreApplication::translate("BarcodeSymbol", "The item has no size")
                            : first.error;
        AddPlaceholder(drawing);
        return drawing;
    }
    const double bw = boxInches.width(), bh = boxInches.height();
    const zint_vector* vector = first.symbol->vector;
    Encoding refit;
    if (!wanted.type->evenScale) {
        // The bars take the height the box leaves beside the text and quiet zones.
        const double s = bw / vector->width;
        const double extra = vector->height - 2.0 * first.symbol->height;
        const double bars = std::max(2.0, (bh / s - extra) / 2.0);
        refit = Encode(wanted, data, typed, float(bars));
        if (refit.error.isEmpty())
            vector = refit.symbol->vector;
    }
    const double s = std::min(bw / vector->width, bh / vector->height);
    const QPointF offset((bw - vector->width * s) / 2, (bh - vector->height * s) / 2);
    AddShapes(drawing, *vector, s, offset);
    return drawing;
}

BarcodeDrawing BarcodeSymbol::Make(BarcodeSymbology symbology, const QString& data, bool showText,
                                   const QSizeF& boxInches) {
    return Make(SpecOf(symbology, showText), data, boxInches);
}

std::optional<QSizeF> BarcodeSymbol::NaturalSize(const BarcodeSpec& wanted, const QString& data,
                                                 double moduleInches) {
    if (!wanted.type)
        return std::nullopt;
    // Zint's vectors count two units to a module.
    const double s = moduleInches / 2;
    const float bars = wanted.type->evenScale ? 0.0f : float(0.5 / moduleInches);
    const Encoding encoding = Encode(wanted, data, {}, bars);
    if (!encoding.error.isEmpty())
        return std::nullopt;
    return QSizeF(encoding.symbol->vector->width * s, encoding.symbol->vector->height * s);
}

std::optional<QSizeF> BarcodeSymbol::NaturalSize(BarcodeSymbology symbology, const QString& data,
                                                 bool showText, double moduleInches) {
    return NaturalSize(SpecOf(symbology, showText), data, moduleInches);
}

QString BarcodeSymbol::TextFontName() {
    return QStringLiteral("Arial");
}

QColor BarcodeSymbol::PlaceholderColor() {
    return QColor(128, 128, 128);
}

QColor BarcodeSymbol::BarColour(int zintColour, const QColor& barColor) {
    switch (zintColour) {
    case 1:
        return QColor(0, 255, 255);
    case 2:
        return QColor(0, 0, 255);
    case 3:
        return QColor(255, 0, 255);
    case 4:
        return QColor(255, 0, 0);
    case 5:
        return QColor(255, 255, 0);
    case 6:
        return QColor(0, 255, 0);
    default:
        return barColor;
    }
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
    for (qsizetype i = 0; i < drawing.bars.size(); ++i)
        painter.fillRect(px(drawing.bars[i]), BarColour(drawing.barColours.value(i), barColor));
    if (!drawing.shapes.isEmpty() || !drawing.holes.isEmpty()) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        const QTransform scale = QTransform::fromScale(ppi, ppi);
        painter.fillPath(scale.map(drawing.shapes), barColor);
        painter.fillPath(scale.map(drawing.holes),
                         background.alpha() > 0 ? background : QColor(Qt::white));
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
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
