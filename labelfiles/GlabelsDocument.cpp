#include "labelfiles/GlabelsDocument.h"

#include "document/LabelDesign.h"
#include "document/ScreenMetrics.h"
#include "templates/GlabelsTemplateFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QTransform>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <zlib.h>

#include <QCoreApplication>
#include <cmath>

namespace {

constexpr double PointsPerInch = 72;
// gLabels sets a text in from its box's left and right edges by this much.
constexpr double TextMarginInches = 3 / PointsPerInch;

// One piece of a text line: literal text or a merge field's name.
struct Piece {
    bool field = false;
    QString text;
};
using Line = QList<Piece>;

// What one object element says, read before anything is built (pictures come after the
// objects in the file).
struct Object {
    QString kind; // the element name after "Object-"
    QXmlStreamAttributes attributes;
    QXmlStreamAttributes span; // a text's <Span>
    QList<Line> lines;
};

struct Contents {
    QByteArray templateXml; // the <Template> element, wrapped as a template file
    QList<Object> objects;
    bool turned = false; // <Objects rotate="True">
    QString mergeType, mergeSource;
    QHash<QString, QByteArray> data; // embedded files by name
    QStringList notes;
};

QString Attr(const QXmlStreamAttributes& a, const char* name) {
    return a.value(QLatin1String(name)).toString().trimmed();
}

bool Flag(const QXmlStreamAttributes& a, const char* name) {
    const QString v = Attr(a, name).toLower();
    return v == u"true" || v == u"1" || v == u"yes";
}

double Number(const QXmlStreamAttributes& a, const char* name, double otherwise) {
    bool ok = false;
    const double v = Attr(a, name).toDouble(&ok);
    return ok && std::isfinite(v) ? v : otherwise;
}

// A length attribute in inches; otherwise when absent or no length.
double Length(const QXmlStreamAttributes& a, const char* name, double otherwise = 0) {
    double inches = 0;
    return GlabelsTemplateFile::ParseLength(Attr(a, name), inches) ? inches : otherwise;
}

// "0xRRGGBBAA" as our colour; alpha (0 = not drawn) separately.
ColorValue Colour(const QXmlStreamAttributes& a, const char* name, int* alpha = nullptr,
                  quint32 otherwise = 0x000000FF) {
    bool ok = false;
    quint32 rgba = Attr(a, name).toUInt(&ok, 0);
    if (!ok)
        rgba = otherwise;
    if (alpha)
        *alpha = int(rgba & 0xFF);
    return MakeColorValue(int(rgba >> 24), int(rgba >> 16), int(rgba >> 8));
}

// The object's affine matrix a0..a5 (identity when absent).
QTransform Matrix(const QXmlStreamAttributes& a) {
    return QTransform(Number(a, "a0", 1), Number(a, "a1", 0), Number(a, "a2", 0),
                      Number(a, "a3", 1), Number(a, "a4", 0), Number(a, "a5", 0));
}

int Pixels(double inches) {
    const double px = inches * ScreenPixelsPerInch();
    return int(std::lround(std::clamp(px, -1e6, 1e6)));
}

// Literal braces written so that our field syntax keeps them literal.
QString Escaped(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('{'), QStringLiteral("{{"));
    out.replace(QLatin1Char('}'), QStringLiteral("}}"));
    return out;
}

QString LineText(const Line& line) {
    QString text;
    for (const Piece& p : line)
        text += p.field ? QLatin1Char('{') + p.text + QLatin1Char('}') : Escaped(p.text);
    return text;
}

// The line as it shows before merging: literal text, fields as {Name}.
QString ShownText(const Line& line) {
    QString text;
    for (const Piece& p : line)
        text += p.field ? QLatin1Char('{') + p.text + QLatin1Char('}') : p.text;
    return text;
}

QString Described(const Object& o) {
    if (o.kind == u"text") {
        QStringList lines;
        for (const Line& l : o.lines)
            lines << LineText(l);
        return QCoreApplication::translate("GlabelsDocument", "Text \"%1\"")
            .arg(lines.join(QLatin1Char(' ')).left(40));
    }
    return QCoreApplication::translate("GlabelsDocument", "%1 at %2, %3")
        .arg(o.kind.left(1).toUpper() + o.kind.mid(1), Attr(o.attributes, "x"),
             Attr(o.attributes, "y"));
}

// ---- reading the XML

class XmlReader {
public:
    explicit XmlReader(const QByteArray& xml) : xml_(xml) {}

    bool Read(Contents& c, QString& error) {
        if (!xml_.readNextStartElement() || xml_.name() != u"Glabels-document") {
            error = QCoreApplication::translate("GlabelsDocument", "It is not a gLabels document.");
            return false;
        }
        while (Next()) {
            if (xml_.name() == u"Template" && c.templateXml.isEmpty())
                c.templateXml = CopyTemplate();
            else if (xml_.name() == u"Objects")
                ReadObjects(c);
            else if (xml_.name() == u"Merge")
                ReadMerge(c);
            else if (xml_.name() == u"Data")
                ReadData(c);
            else
                Skip();
        }
        if (xml_.hasError() || tooDeep_) {
            error = tooDeep_ ? QCoreApplication::translate("GlabelsDocument",
                                                           "Its elements are nested too deeply.")
                             : QCoreApplication::translate("GlabelsDocument",
                                                           "It is damaged at line %1: %2.")
                                   .arg(xml_.lineNumber())
                                   .arg(xml_.errorString());
            return false;
        }
        return true;
    }

private:
    bool Next() {
        if (!xml_.readNextStartElement())
            return false;
        return true;
    }

    // Skips the current element, counting how deep it goes.
    void Skip() {
        int depth = 1;
        while (depth > 0 && !xml_.atEnd()) {
            const auto token = xml_.readNext();
            if (token == QXmlStreamReader::StartElement && ++depth > GlabelsDocument::MaxDepth) {
                tooDeep_ = true;
                xml_.raiseError(
                    QCoreApplication::translate("GlabelsDocument", "nested too deeply"));
                return;
            }
            if (token == QXmlStreamReader::EndElement)
                --depth;
        }
    }

    QByteArray CopyTemplate() {
        QByteArray out;
        QXmlStreamWriter writer(&out);
        writer.writeStartElement(QStringLiteral("Glabels-templates"));
        writer.writeCurrentToken(xml_);
        int depth = 1;
        while (depth > 0 && !xml_.atEnd()) {
            const auto token = xml_.readNext();
            if (token == QXmlStreamReader::StartElement && ++depth > GlabelsDocument::MaxDepth) {
                tooDeep_ = true;
                xml_.raiseError(
                    QCoreApplication::translate("GlabelsDocument", "nested too deeply"));
                return {};
            }
            if (token == QXmlStreamReader::EndElement)
                --depth;
            if (token != QXmlStreamReader::Invalid)
                writer.writeCurrentToken(xml_);
        }
        writer.writeEndElement();
        return out;
    }

    void ReadObjects(Contents& c) {
        c.turned = Flag(xml_.attributes(), "rotate");
        while (Next()) {
            const QString name = xml_.name().toString();
            if (!name.startsWith(u"Object-")) {
                c.notes << QCoreApplication::translate("GlabelsDocument", "An unknown element <%1>")
                               .arg(name);
                Skip();
                continue;
            }
            Object o;
            o.kind = name.mid(7).toLower();
            o.attributes = xml_.attributes();
            if (o.kind == u"text")
                ReadText(o);
            else
                Skip();
            c.objects << o;
        }
    }

    void ReadText(Object& o) {
        while (Next()) {
            if (xml_.name() != u"Span" || !o.span.isEmpty()) {
                Skip();
                continue;
            }
            o.span = xml_.attributes();
            Line line;
            int depth = 1;
            while (depth > 0 && !xml_.atEnd()) {
                const auto token = xml_.readNext();
                if (token == QXmlStreamReader::Characters) {
                    // Indentation between elements is no text of the label.
                    if (!xml_.text().startsWith(u'\n'))
                        line << Piece{false, xml_.text().toString()};
                } else if (token == QXmlStreamReader::StartElement) {
                    if (++depth > GlabelsDocument::MaxDepth) {
                        tooDeep_ = true;
                        xml_.raiseError(
                            QCoreApplication::translate("GlabelsDocument", "nested too deeply"));
                        return;
                    }
                    if (xml_.name() == u"NL") {
                        o.lines << line;
                        line.clear();
                    } else if (xml_.name() == u"Field") {
                        line << Piece{true, Attr(xml_.attributes(), "name")};
                    }
                } else if (token == QXmlStreamReader::EndElement) {
                    --depth;
                }
            }
            if (!line.isEmpty())
                o.lines << line;
        }
    }

    void ReadMerge(Contents& c) {
        c.mergeType = Attr(xml_.attributes(), "type");
        c.mergeSource = Attr(xml_.attributes(), "src");
        Skip();
    }

    void ReadData(Contents& c) {
        while (Next()) {
            if (xml_.name() == u"File") {
                const QString name = Attr(xml_.attributes(), "name");
                const QString encoding = Attr(xml_.attributes(), "encoding");
                const QString text = xml_.readElementText(QXmlStreamReader::SkipChildElements);
                if (encoding.compare(u"base64", Qt::CaseInsensitive) == 0)
                    c.data.insert(name, QByteArray::fromBase64(text.toLatin1()));
                else
                    c.data.insert(name, text.toUtf8()); // an SVG kept as text
            } else {
                c.notes << QCoreApplication::translate(
                               "GlabelsDocument",
                               "An embedded picture in the old gLabels form (%1)")
                               .arg(Attr(xml_.attributes(), "name"));
                Skip();
            }
        }
    }

    QXmlStreamReader xml_;
    bool tooDeep_ = false;
};

// ---- building the label

class Builder {
public:
    Builder(const Contents& c, const QString& folder) : c_(c), folder_(folder) {}

    void Build(LabelDesign& design, LabelFile& file, QStringList& notes) {
        for (const Object& o : c_.objects) {
            if (o.kind == u"text")
                Text(o, design, notes);
            else if (o.kind == u"box" || o.kind == u"ellipse")
                Shape(o, design, notes);
            else if (o.kind == u"line")
                LineItem(o, design, notes);
            else if (o.kind == u"image")
                Image(o, design, file, notes);
            else if (o.kind == u"barcode")
                Barcode(o, design, notes);
            else
                notes << QCoreApplication::translate("GlabelsDocument",
                                                     "%1: gLabels' %2 objects are not known here")
                             .arg(Described(o), o.kind);
            if (Flag(o.attributes, "shadow"))
                notes << QCoreApplication::translate("GlabelsDocument", "%1: its shadow")
                             .arg(Described(o));
        }
    }

private:
    static void Add(LabelDesign& design, const LabelItemValue& value) {
        if (int(design.items.size()) >= LabelDesign::MaxItems)
            return;
        design.items.push_back({QStringLiteral("Special%1").arg(design.items.size() + 1), value});
    }

    // The object's box on the label, turned by its matrix about its origin; false when the
    // turn is not a multiple of a quarter (the box is then the unturned one).
    static bool Box(const Object& o, QRectF& box) {
        const QXmlStreamAttributes& a = o.attributes;
        const QPointF origin(Length(a, "x"), Length(a, "y"));
        const QRectF local(0, 0, Length(a, "w"), Length(a, "h"));
        const QTransform m = Matrix(a);
        box = m.mapRect(local.normalized()).translated(origin);
        const bool square = std::abs(m.m12()) < 1e-6 || std::abs(m.m11()) < 1e-6;
        if (!square)
            box = local.normalized().translated(origin);
        return square;
    }

    static int Degrees(const QTransform& m) {
        // The matrix turns clockwise on the y-down page; our angles run counter-clockwise.
        return int(std::lround(-std::atan2(m.m12(), m.m11()) * 180 / M_PI));
    }

    void Text(const Object& o, LabelDesign& design, QStringList& notes) {
        const QXmlStreamAttributes& a = o.attributes;
        const QXmlStreamAttributes& s = o.span;
        LabelItemValue v;
        v.kind = LabelItemKind::Text;
        v.fontName =
            Attr(s, "font_family").isEmpty() ? QStringLiteral("Sans") : Attr(s, "font_family");
        const double size = Number(s, "font_size", 10);
        v.fontSize = std::max(1, int(std::lround(size)));
        if (std::abs(size - v.fontSize) > 0.01)
            notes << QCoreApplication::translate("GlabelsDocument",
                                                 "%1: the font size %2 pt, set as %3 pt")
                         .arg(Described(o))
                         .arg(size)
                         .arg(v.fontSize);
        const QString weight = Attr(s, "font_weight").toLower();
        v.bold = weight.contains(u"bold") || weight == u"heavy" || weight == u"black" ||
                 weight.toInt() >= 600;
        v.italic = Flag(s, "font_italic");
        v.underline = Flag(s, "font_underline");
        int alpha = 255;
        v.fontColor = Colour(s, "color", &alpha);
        if (!Attr(s, "color_field").isEmpty())
            notes << QCoreApplication::translate("GlabelsDocument",
                                                 "%1: its colour from the field %2")
                         .arg(Described(o), Attr(s, "color_field"));
        if (Flag(a, "auto_shrink"))
            notes << QCoreApplication::translate("GlabelsDocument", "%1: shrinking to fit its box")
                         .arg(Described(o));
        const QTransform m = Matrix(a);
        v.angle = Degrees(m);
        if (v.angle > 180)
            v.angle -= 360;

        // Lines as gLabels sets them: each as high as the font's ascent and descent, further
        // lines spaced by (spacing - 1) of the size taken at 72/96 (how gLabels hands the size
        // to Pango), the block aligned down the box. A text that may shrink has no width of
        // its own: its lines align to its widest, which starts at the margin; any other aligns
        // across the box within its margins.
        QFont font(v.fontName);
        font.setPixelSize(1000);
        font.setBold(v.bold);
        font.setItalic(v.italic);
        const QFontMetricsF metrics(font);
        const double scale = size / PointsPerInch / 1000; // inches per measured pixel
        const double spacing = Number(s, "line_spacing", 1);
        const double lineHeight = (metrics.ascent() + metrics.descent()) * scale;
        const double pitch = lineHeight + size * (spacing - 1) * 0.75 / PointsPerInch;
        const double x = Length(a, "x"), y = Length(a, "y");
        const double w = Length(a, "w"), h = Length(a, "h");
        const QString valign = Attr(a, "valign").toLower();
        const qsizetype count = o.lines.size();
        const double block = count > 0 ? lineHeight + pitch * double(count - 1) : 0;
        double top = 0;
        if (valign == u"center" || valign == u"middle")
            top = (h - block) / 2;
        else if (valign == u"bottom")
            top = h - block;
        QList<double> widths;
        double widest = 0;
        for (const Line& l : o.lines) {
            widths << metrics.horizontalAdvance(ShownText(l)) * scale;
            widest = std::max(widest, widths.last());
        }
        const bool ownWidth = Flag(a, "auto_shrink");
        const QString justify = Attr(a, "justify").toLower();
        for (qsizetype i = 0; i < count; ++i) {
            LabelItemValue line = v;
            line.text = LineText(o.lines[i]);
            if (line.text.isEmpty())
                continue;
            const double room = ownWidth ? widest : w - 2 * TextMarginInches;
            double left = TextMarginInches;
            if (justify == u"center")
                left += (room - widths[i]) / 2;
            else if (justify == u"right")
                left += room - widths[i];
            const QPointF at = m.map(QPointF(left, top + double(i) * pitch)) + QPointF(x, y);
            line.left = Pixels(at.x());
            line.top = Pixels(at.y());
            line.width = Pixels(widths[i]);
            line.height = Pixels(lineHeight);
            Add(design, line);
        }
        if (v.angle != 0)
            notes << QCoreApplication::translate("GlabelsDocument",
                                                 "%1: turned by %2°, placed by its first corner")
                         .arg(Described(o))
                         .arg(v.angle);
    }

    void Shape(const Object& o, LabelDesign& design, QStringList& notes) {
        const QXmlStreamAttributes& a = o.attributes;
        LabelItemValue v;
        v.kind = o.kind == u"box" ? LabelItemKind::Rectangle : LabelItemKind::Ellipse;
        QRectF box;
        if (!Box(o, box))
            notes << QCoreApplication::translate("GlabelsDocument",
                                                 "%1: turned by %2°, placed unturned")
                         .arg(Described(o))
                         .arg(-Degrees(Matrix(a)));
        SetBox(v, box);
        int lineAlpha = 255, fillAlpha = 255;
        v.penColor = Colour(a, "line_color", &lineAlpha);
        v.penWidth = lineAlpha == 0 ? 0 : std::max(1, Pixels(Length(a, "line_width", 1 / 72.0)));
        v.brushColor = Colour(a, "fill_color", &fillAlpha, 0);
        v.brushStyle = fillAlpha == 0 ? TBrushStyle::Clear : TBrushStyle::Solid;
        // No outline in gLabels: ours, at least a hairline, takes the fill's colour.
        if (lineAlpha == 0 && fillAlpha != 0)
            v.penColor = v.brushColor;
        for (const char* field : {"line_color_field", "fill_color_field"})
            if (!Attr(a, field).isEmpty())
                notes << QCoreApplication::translate("GlabelsDocument",
                                                     "%1: its colour from the field %2")
                             .arg(Described(o), Attr(a, field));
        Add(design, v);
    }

    static void SetBox(LabelItemValue& v, const QRectF& box) {
        v.left = Pixels(box.left());
        v.top = Pixels(box.top());
        v.width = std::max(1, Pixels(box.width()));
        v.height = std::max(1, Pixels(box.height()));
    }

    void LineItem(const Object& o, LabelDesign& design, QStringList& notes) {
        const QXmlStreamAttributes& a = o.attributes;
        const QPointF start(Length(a, "x"), Length(a, "y"));
        const QPointF run = Matrix(a).map(QPointF(Length(a, "dx"), Length(a, "dy")));
        LabelItemValue v;
        int alpha = 255;
        v.penColor = Colour(a, "line_color", &alpha);
        const double pen = Length(a, "line_width", 1 / 72.0);
        v.penWidth = std::max(1, Pixels(pen));
        const double tolerance = 0.5 / ScreenPixelsPerInch();
        QRectF box;
        if (std::abs(run.y()) < tolerance) {
            v.kind = LabelItemKind::HorizontalLine;
            // Our line runs along its box's top edge; gLabels' is centred on its points.
            box = QRectF(std::min(start.x(), start.x() + run.x()), start.y() - pen / 2,
                         std::abs(run.x()), std::max(pen, 0.0));
        } else if (std::abs(run.x()) < tolerance) {
            v.kind = LabelItemKind::VerticalLine;
            box = QRectF(start.x() - pen / 2, std::min(start.y(), start.y() + run.y()),
                         std::max(pen, 0.0), std::abs(run.y()));
        } else {
            notes << QCoreApplication::translate(
                         "GlabelsDocument",
                         "%1: a line at an angle (only level and upright lines are "
                         "drawn here)")
                         .arg(Described(o));
            return;
        }
        SetBox(v, box);
        Add(design, v);
    }

    void Image(const Object& o, LabelDesign& design, LabelFile& file, QStringList& notes) {
        const QXmlStreamAttributes& a = o.attributes;
        const QString src = Attr(a, "src");
        if (src.isEmpty()) {
            notes << QCoreApplication::translate(
                         "GlabelsDocument", "%1: a picture chosen by the field %2 for each record")
                         .arg(Described(o), Attr(a, "field"));
            return;
        }
        LabelItemValue v;
        v.kind = LabelItemKind::Image;
        QRectF box;
        if (!Box(o, box))
            notes << QCoreApplication::translate("GlabelsDocument", "%1: turned, placed unturned")
                         .arg(Described(o));
        SetBox(v, box);
        v.stretch = true;
        const QString path = QDir::isAbsolutePath(src) ? src : QDir(folder_).filePath(src);
        v.fileName = QDir::cleanPath(path);
        QByteArray bytes = c_.data.value(src);
        if (bytes.isEmpty()) {
            QFile picture(v.fileName);
            if (picture.size() <= LabelFile::MaxFileBytes && picture.open(QIODevice::ReadOnly))
                bytes = picture.readAll();
        }
        if (bytes.isEmpty()) {
            notes << QCoreApplication::translate("GlabelsDocument",
                                                 "%1: the picture %2 was not found")
                         .arg(Described(o), src);
        } else if (!Embedded(file, v.fileName)) {
            QString name = QFileInfo(src).fileName();
            if (!LabelFile::IsPlainFileName(name))
                name = QStringLiteral("picture%1").arg(file.pictures.size() + 1);
            for (int n = 2; Named(file, name); ++n)
                name = QStringLiteral("%1 (%2).%3")
                           .arg(QFileInfo(src).completeBaseName())
                           .arg(n)
                           .arg(QFileInfo(src).suffix());
            file.pictures.push_back({v.fileName, name, bytes});
        }
        Add(design, v);
    }

    static bool Embedded(const LabelFile& file, const QString& path) {
        for (const EmbeddedPicture& p : file.pictures)
            if (p.path == path)
                return true;
        return false;
    }
    static bool Named(const LabelFile& file, const QString& name) {
        for (const EmbeddedPicture& p : file.pictures)
            if (p.name.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }

    void Barcode(const Object& o, LabelDesign& design, QStringList& notes) {
        const QXmlStreamAttributes& a = o.attributes;
        const QString style = Attr(a, "style");
        const std::optional<BarcodeSymbology> symbology = Symbology(Attr(a, "backend"), style);
        if (!symbology) {
            notes << QCoreApplication::translate("GlabelsDocument",
                                                 "%1: the barcode style %2 is not known here")
                         .arg(Described(o), style);
            return;
        }
        LabelItemValue v;
        v.kind = LabelItemKind::Barcode;
        v.symbology = *symbology;
        QRectF box;
        if (!Box(o, box))
            notes << QCoreApplication::translate("GlabelsDocument", "%1: turned, placed unturned")
                         .arg(Described(o));
        SetBox(v, box);
        const QString field = Attr(a, "field");
        v.barcodeData = field.isEmpty() ? Escaped(a.value(QLatin1String("data")).toString())
                                        : QLatin1Char('{') + field + QLatin1Char('}');
        v.showText = Flag(a, "text");
        v.brushColor = Colour(a, "color");
        v.backgroundColor = kColorWhite;
        Add(design, v);
    }

    // gLabels' barcode styles (built-in, GNU Barcode and Zint back ends) that we draw.
    static std::optional<BarcodeSymbology> Symbology(const QString& backend, const QString& style) {
        Q_UNUSED(backend);
        static const QHash<QString, BarcodeSymbology> styles = {
            {"code128", BarcodeSymbology::Code128},  {"128", BarcodeSymbology::Code128},
            {"128b", BarcodeSymbology::Code128},     {"128c", BarcodeSymbology::Code128},
            {"c128", BarcodeSymbology::Code128},     {"code128b", BarcodeSymbology::Code128},
            {"code128c", BarcodeSymbology::Code128}, {"code39", BarcodeSymbology::Code39},
            {"39", BarcodeSymbology::Code39},        {"c39", BarcodeSymbology::Code39},
            {"ean", BarcodeSymbology::Ean},          {"ean-13", BarcodeSymbology::Ean},
            {"ean-8", BarcodeSymbology::Ean},        {"ean13", BarcodeSymbology::Ean},
            {"ean8", BarcodeSymbology::Ean},         {"upc-a", BarcodeSymbology::UpcA},
            {"upca", BarcodeSymbology::UpcA},        {"upc", BarcodeSymbology::UpcA},
            {"itf14", BarcodeSymbology::Itf14},      {"itf-14", BarcodeSymbology::Itf14},
            {"ean128", BarcodeSymbology::Gs1_128},   {"gs1-128", BarcodeSymbology::Gs1_128},
            {"iec18004", BarcodeSymbology::QrCode},  {"qr", BarcodeSymbology::QrCode},
            {"qrcode", BarcodeSymbology::QrCode},    {"iec16022", BarcodeSymbology::DataMatrix},
            {"dm", BarcodeSymbology::DataMatrix},    {"datamatrix", BarcodeSymbology::DataMatrix},
            {"pdf", BarcodeSymbology::Pdf417},       {"pdf417", BarcodeSymbology::Pdf417},
            {"aztec", BarcodeSymbology::Aztec},
        };
        const auto found = styles.constFind(style.toLower());
        if (found == styles.constEnd())
            return std::nullopt;
        return *found;
    }

    const Contents& c_;
    QString folder_;
};

// The merge source gLabels names, as our merge source; notes what differs.
QString MergeSource(const Contents& c, const QString& folder, QStringList& notes) {
    if (c.mergeType.isEmpty() || c.mergeType == u"None" || c.mergeSource.isEmpty())
        return QString();
    const QString path = QDir::cleanPath(
        QDir::isAbsolutePath(c.mergeSource) ? c.mergeSource : QDir(folder).filePath(c.mergeSource));
    if (!c.mergeType.startsWith(u"Text/")) {
        notes << QCoreApplication::translate(
                     "GlabelsDocument", "The merge source %1 (%2): only text files are merged here")
                     .arg(c.mergeSource, c.mergeType);
        return QString();
    }
    if (!c.mergeType.endsWith(u"/Line1Keys"))
        notes << QCoreApplication::translate(
                     "GlabelsDocument",
                     "The merge source %1 names its fields by column number; here "
                     "its first line names the fields")
                     .arg(c.mergeSource);
    return path;
}

} // namespace

bool GlabelsDocument::Recognises(const QByteArray& bytes) {
    if (bytes.startsWith("\x1f\x8b"))
        return true;
    return bytes.left(4096).contains("<Glabels-document");
}

bool GlabelsDocument::Unpack(const QByteArray& bytes, QByteArray& xml, QString& error) {
    if (!bytes.startsWith("\x1f\x8b")) {
        xml = bytes;
        return true;
    }
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
        error = QCoreApplication::translate("GlabelsDocument", "It cannot be unpacked.");
        return false;
    }
    xml.clear();
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    char chunk[65536];
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END) {
            error = QCoreApplication::translate(
                "GlabelsDocument", "It is damaged (its compressed data ends or breaks off).");
            break;
        }
        xml.append(chunk, int(sizeof chunk - stream.avail_out));
        if (xml.size() > MaxUnpackedBytes) {
            error = QStringLiteral("It unpacks to more than %1 MB.").arg(MaxUnpackedBytes >> 20);
            break;
        }
        if (status == Z_OK && stream.avail_in == 0 && stream.avail_out != 0) {
            error = QCoreApplication::translate("GlabelsDocument",
                                                "It is damaged (its compressed data ends early).");
            break;
        }
    }
    inflateEnd(&stream);
    if (!error.isEmpty()) {
        xml.clear();
        return false;
    }
    return true;
}

GlabelsDocument::Read GlabelsDocument::FromBytes(const QByteArray& bytes, const QString& folder,
                                                 const QString& name) {
    Read read;
    QByteArray xml;
    if (!Unpack(bytes, xml, read.error))
        return read;
    Contents contents;
    if (!XmlReader(xml).Read(contents, read.error))
        return read;
    if (contents.templateXml.isEmpty()) {
        read.error = QCoreApplication::translate("GlabelsDocument", "It names no label sheet.");
        return read;
    }
    const ReadTemplates templates = GlabelsTemplateFile::Read(contents.templateXml);
    if (templates.templates.isEmpty()) {
        read.error =
            templates.skipped.isEmpty()
                ? QCoreApplication::translate("GlabelsDocument", "Its label sheet cannot be read.")
                : QCoreApplication::translate("GlabelsDocument",
                                              "Its label sheet cannot be used: %1.")
                      .arg(templates.skipped.first().reason);
        return read;
    }
    read.sheet = templates.templates.first();
    read.notCarried = contents.notes + templates.notes;
    if (contents.turned)
        read.notCarried << QCoreApplication::translate(
            "GlabelsDocument", "The label is turned on the sheet in gLabels; here it "
                               "is designed as the sheet holds it");

    LabelDesign design;
    LabelFile file;
    Builder(contents, folder).Build(design, file, read.notCarried);
    file.label.description = name.trimmed().isEmpty()
                                 ? QCoreApplication::translate("GlabelsDocument", "gLabels label")
                                 : name;
    file.label.templateName = read.sheet->name;
    file.label.geometry = read.sheet->geometry;
    file.objectsText = design.SaveItems();
    file.mergeSource = MergeSource(contents, folder, read.notCarried);
    read.file = std::move(file);
    return read;
}
