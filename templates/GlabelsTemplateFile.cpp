#include "templates/GlabelsTemplateFile.h"

#include "document/PaperSizes.h"
#include "templates/SheetRules.h"

#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <QCoreApplication>
#include <cmath>

namespace {

constexpr double PointsPerInch = 72;

struct Layout {
    int nx = 1, ny = 1;
    double x0 = 0, y0 = 0, dx = 0, dy = 0; // inches
};

// What one <Template> element says, before it becomes a label template.
struct Element {
    QString brand, part, description, equiv, size;
    double paperWidth = 0, paperHeight = 0; // inches, for size="Other"
    QStringList categories;
    QString shapeKind; // "rectangle", "round", "ellipse", "cd" or another gLabels kind
    QString shape;     // our code
    double width = 0, height = 0;
    QVector<Layout> layouts;
    QString problem; // why it cannot be read
};

QString Attribute(const QXmlStreamReader& xml, const char* name) {
    return xml.attributes().value(QLatin1String(name)).toString().trimmed();
}

// The length attribute `name` in inches; records a problem when it is present but no length.
double Length(const QXmlStreamReader& xml, const char* name, Element& e) {
    const QString text = Attribute(xml, name);
    double inches = 0;
    if (text.isEmpty())
        return 0;
    if (!GlabelsTemplateFile::ParseLength(text, inches) && e.problem.isEmpty())
        e.problem = QCoreApplication::translate("GlabelsTemplateFile", "%1=\"%2\" is not a length")
                        .arg(QLatin1String(name), text);
    return inches;
}

void ReadLayout(const QXmlStreamReader& xml, Element& e) {
    Layout l;
    bool okX = true, okY = true;
    l.nx = Attribute(xml, "nx").toInt(&okX);
    l.ny = Attribute(xml, "ny").toInt(&okY);
    if (!okX || !okY)
        e.problem = QCoreApplication::translate("GlabelsTemplateFile",
                                                "a layout without its numbers across and down");
    l.x0 = Length(xml, "x0", e);
    l.y0 = Length(xml, "y0", e);
    l.dx = Length(xml, "dx", e);
    l.dy = Length(xml, "dy", e);
    e.layouts.append(l);
}

void ReadLabel(QXmlStreamReader& xml, Element& e) {
    const QString kind = xml.name().toString().mid(int(qstrlen("Label-")));
    e.shapeKind = kind;
    if (kind == u"rectangle") {
        e.width = Length(xml, "width", e);
        e.height = Length(xml, "height", e);
        e.shape = Length(xml, "round", e) > 0 ? QStringLiteral("RR") : QStringLiteral("SR");
    } else if (kind == u"round") {
        e.width = e.height = 2 * Length(xml, "radius", e);
        e.shape = QStringLiteral("RE");
    } else if (kind == u"ellipse") {
        e.width = Length(xml, "width", e);
        e.height = Length(xml, "height", e);
        e.shape = QStringLiteral("RE");
    } else if (kind == u"cd") {
        // A disc, perhaps clipped to a card ("business card CD"): its outer circle, or the
        // clipped width and height when given.
        const double diameter = 2 * Length(xml, "radius", e);
        const double w = Length(xml, "width", e), h = Length(xml, "height", e);
        e.width = w > 0 ? w : diameter;
        e.height = h > 0 ? h : diameter;
        e.shape = QStringLiteral("RE");
    }
    while (xml.readNextStartElement()) {
        if (xml.name() == u"Layout")
            ReadLayout(xml, e);
        xml.skipCurrentElement(); // markup and anything unknown
    }
}

Element ReadElement(QXmlStreamReader& xml) {
    Element e;
    e.brand = Attribute(xml, "brand");
    e.part = Attribute(xml, "part");
    if (e.brand.isEmpty()) // the older form: name="Avery 5160"
        e.brand = Attribute(xml, "name").section(QLatin1Char(' '), 0, 0);
    if (e.part.isEmpty())
        e.part = Attribute(xml, "name").section(QLatin1Char(' '), 1);
    e.description = Attribute(xml, "_description");
    if (e.description.isEmpty())
        e.description = Attribute(xml, "description");
    e.equiv = Attribute(xml, "equiv");
    e.size = Attribute(xml, "size");
    e.paperWidth = Length(xml, "width", e);
    e.paperHeight = Length(xml, "height", e);
    while (xml.readNextStartElement()) {
        if (xml.name() == u"Meta") {
            if (const QString c = Attribute(xml, "category"); !c.isEmpty())
                e.categories << c;
            xml.skipCurrentElement();
        } else if (xml.name().startsWith(u"Label-") && e.shapeKind.isEmpty()) {
            ReadLabel(xml, e);
        } else {
            xml.skipCurrentElement();
        }
    }
    return e;
}

// The named papers of gLabels' paper list that our table has no code for, in millimetres.
QSizeF OtherPaperMillimetres(const QString& id) {
    static const QHash<QString, QSizeF> papers = {
        {"A6", {105, 148}},   {"A7", {74, 105}},   {"B4", {250, 353}},
        {"B5", {176, 250}},   {"B6", {125, 176}},  {"SRA3", {320, 450}},
        {"SRA4", {225, 320}}, {"RA4", {215, 305}}, {"US-Executive", {184.15, 266.7}},
        {"c5", {162, 229}},   {"c6", {114, 162}},  {"dl", {110, 220}},
    };
    return papers.value(id);
}

// Sets the paper of `g` from the template's size; false when the paper is not known.
bool SetPaper(const Element& e, SheetGeometry& g) {
    static const QHash<QString, QString> codes = {
        {"US-Letter", "LTR"}, {"A4", "A4"}, {"A5", "A5"}, {"A3", "A3"}, {"US-Legal", "LGL"},
    };
    if (codes.contains(e.size)) {
        g.paperSize = codes.value(e.size);
        return true;
    }
    QSizeF inches;
    if (e.size == u"Other" || e.size.isEmpty())
        inches = QSizeF(e.paperWidth, e.paperHeight);
    else
        inches = OtherPaperMillimetres(e.size) / 25.4;
    if (inches.isEmpty())
        return false;
    g.paperSize = QString::fromLatin1(PaperSizes::UserCode);
    g.sheetWidth = float(inches.width());
    g.sheetHeight = float(inches.height());
    // One label that is the whole page: the die-cut roll of a label printer.
    const bool onePerPage = g.labelsAcross == 1 && g.labelsDown == 1;
    if (onePerPage && std::abs(g.leftMargin) < 0.01 && std::abs(g.topMargin) < 0.01 &&
        std::abs(g.labelWidth - inches.width()) < 0.01 &&
        std::abs(g.labelHeight - inches.height()) < 0.01)
        g.paperSize = QString::fromLatin1(PaperSizes::RollCode);
    return true;
}

// A named paper turned on its side when the labels only fit that way.
void TurnIfLandscape(SheetGeometry& g) {
    static const QHash<QString, QString> turned = {
        {"LTR", "LTRL"}, {"A4", "A4L"}, {"A5", "A5L"}, {"A3", "A3L"}, {"LGL", "LGLL"}};
    if (!turned.contains(g.paperSize) || SheetRules::Problem(g).isEmpty())
        return;
    SheetGeometry landscape = g;
    landscape.paperSize = turned.value(g.paperSize);
    if (SheetRules::Problem(landscape).isEmpty())
        g = landscape;
}

QString Describe(const Element& e) {
    return QStringList{e.brand, e.part}.join(QLatin1Char(' ')).trimmed();
}

} // namespace

bool GlabelsTemplateFile::ParseLength(const QString& text, double& inches) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?)\\s*([a-z]*)\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return false;
    const double value = m.captured(1).toDouble();
    const QString unit = m.captured(2);
    if (unit.isEmpty() || unit == u"pt")
        inches = value / PointsPerInch;
    else if (unit == u"in")
        inches = value;
    else if (unit == u"mm")
        inches = value / 25.4;
    else if (unit == u"cm")
        inches = value / 2.54;
    else if (unit == u"pc")
        inches = value * 12 / PointsPerInch;
    else
        return false;
    return std::isfinite(inches);
}

QString GlabelsTemplateFile::Category(const QString& description, const QStringList& categories,
                                      const QString& shape) {
    const QString d = description.toLower();
    static const QRegularExpression disc(QStringLiteral("\\b(cd|dvd|disc|disk)\\b"));
    const std::pair<const char*, const char*> words[] = {
        {"return address", "return address"},
        {"shipping", "shipping"},
        {"address", "address"},
        {"mailing", "address"},
        {"name badge", "name badge"},
        {"badge", "name badge"},
        {"business card", "business card"},
        {"file folder", "file folder"},
        {"filing", "file folder"},
        {"video", "video"},
        {"diskette", "diskette"},
        {"postcard", "postcard"},
        {"photo", "photo"},
        {"tent", "card"},
    };
    for (const auto& [word, category] : words)
        if (d.contains(QLatin1String(word)))
            return QString::fromLatin1(category);
    if (d.contains(disc) || shape == u"cd")
        return QStringLiteral("CD/DVD");
    const std::pair<const char*, const char*> metas[] = {
        {"name-badge", "name badge"}, {"business-card", "business card"},
        {"filing", "file folder"},    {"media", "CD/DVD"},
        {"mail", "address"},          {"photo", "photo"},
        {"foldable", "card"},         {"card", "card"},
        {"round-label", "round"},     {"elliptical-label", "oval"},
        {"square-label", "square"},
    };
    for (const auto& [meta, category] : metas)
        if (categories.contains(QLatin1String(meta)))
            return QString::fromLatin1(category);
    if (shape == u"round")
        return QStringLiteral("round");
    if (shape == u"ellipse")
        return QStringLiteral("oval");
    return QStringLiteral("label");
}

ReadTemplates GlabelsTemplateFile::Read(const QByteArray& bytes) {
    ReadTemplates result;
    QXmlStreamReader xml(bytes);
    if (!xml.readNextStartElement() || xml.name() != u"Glabels-templates") {
        result.error = QCoreApplication::translate("GlabelsTemplateFile",
                                                   "This is not a gLabels template file");
        return result;
    }
    QVector<Element> elements;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"Template")
            elements.append(ReadElement(xml));
        else
            xml.skipCurrentElement();
    }
    if (xml.hasError()) {
        result.error = QCoreApplication::translate("GlabelsTemplateFile",
                                                   "The template file is damaged at line %1: %2")
                           .arg(xml.lineNumber())
                           .arg(xml.errorString());
        return result;
    }

    // Same-brand equivalents: "Avery 5260 is the same sheet as Avery 5160".
    QHash<QString, QStringList> equivalentParts; // brand + part of the original, lower case
    const auto key = [](const QString& brand, const QString& part) {
        return (brand + QLatin1Char('\n') + part).toLower();
    };
    QSet<QString> originals;
    for (const Element& e : elements)
        if (e.equiv.isEmpty())
            originals.insert(key(e.brand, e.part));
    for (const Element& e : elements) {
        if (e.equiv.isEmpty())
            continue;
        if (originals.contains(key(e.brand, e.equiv)))
            equivalentParts[key(e.brand, e.equiv)] << e.part;
        else
            result.skipped.append(
                {Describe(e), QCoreApplication::translate("GlabelsTemplateFile",
                                                          "the same sheet as %1 %2, which "
                                                          "this file does not hold")
                                  .arg(e.brand, e.equiv)});
    }

    for (const Element& e : elements) {
        if (!e.equiv.isEmpty())
            continue;
        const QString name = Describe(e) + QLatin1Char(' ') + e.description;
        if (!e.problem.isEmpty()) {
            result.skipped.append({ReadTemplates::FittedName(name), e.problem});
            continue;
        }
        if (e.shape.isEmpty()) {
            result.skipped.append(
                {ReadTemplates::FittedName(name),
                 e.shapeKind.isEmpty()
                     ? QCoreApplication::translate("GlabelsTemplateFile", "no label in it")
                     : QCoreApplication::translate("GlabelsTemplateFile",
                                                   "%1 labels are not supported")
                           .arg(e.shapeKind)});
            continue;
        }
        if (e.layouts.isEmpty()) {
            result.skipped.append(
                {ReadTemplates::FittedName(name),
                 QCoreApplication::translate("GlabelsTemplateFile", "no layout")});
            continue;
        }
        const Layout& l = e.layouts.first();
        LabelTemplate t;
        t.name = name;
        t.brand = e.brand;
        t.partNumber = e.part;
        t.category = Category(e.description, e.categories, e.shapeKind);
        SheetGeometry& g = t.geometry;
        g.labelWidth = float(e.width);
        g.labelHeight = float(e.height);
        g.labelsAcross = l.nx;
        g.labelsDown = l.ny;
        g.leftMargin = float(l.x0);
        g.topMargin = float(l.y0);
        // A single column or row has no pitch in the file; the label's own size stands in.
        g.horizontalPitch = float(l.nx > 1 ? l.dx : e.width);
        g.verticalPitch = float(l.ny > 1 ? l.dy : e.height);
        g.labelShape = e.shape;
        if (!SetPaper(e, g)) {
            result.skipped.append(
                {ReadTemplates::FittedName(name),
                 QCoreApplication::translate("GlabelsTemplateFile", "the paper \"%1\" is not known")
                     .arg(e.size)});
            continue;
        }
        TurnIfLandscape(g);
        if (const QStringList parts = equivalentParts.value(key(e.brand, e.part)); !parts.isEmpty())
            t.equivalents = e.brand + QLatin1Char(' ') + parts.join(QStringLiteral(", "));
        const qsizetype before = result.templates.size();
        result.Add(t);
        if (e.layouts.size() > 1 && result.templates.size() > before)
            result.notes << QCoreApplication::translate(
                                "GlabelsTemplateFile",
                                "%1: a sheet of %2 layouts; only the first (%3 x %4 "
                                "labels) is used")
                                .arg(result.templates.last().name)
                                .arg(e.layouts.size())
                                .arg(l.nx)
                                .arg(l.ny);
    }
    return result;
}
