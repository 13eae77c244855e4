#include "templates/LibreOfficeLabelsFile.h"

#include "document/PaperSizes.h"
#include "templates/GlabelsTemplateFile.h"

#include <QXmlStreamReader>

#include <QCoreApplication>
#include <cmath>

namespace {

constexpr double HundredthsPerInch = 2540; // 1/100 mm

// The named papers LibreOffice's list uses, in 1/100 mm, with our codes.
QString NamedPaper(int width, int height) {
    const auto near = [](int a, int b) { return std::abs(a - b) <= 50; };
    const struct {
        int w, h;
        const char* code;
    } papers[] = {{21000, 29700, "A4"},   {29700, 21000, "A4L"}, {14800, 21000, "A5"},
                  {21000, 14800, "A5L"},  {29700, 42000, "A3"},  {21590, 27940, "LTR"},
                  {27940, 21590, "LTRL"}, {21590, 35560, "LGL"}};
    for (const auto& p : papers)
        if (near(width, p.w) && near(height, p.h))
            return QString::fromLatin1(p.code);
    return {};
}

// One <label>: its name and measure, as a template; `problem` says why it is none.
LabelTemplate FromMeasure(const QString& manufacturer, const QString& name, const QString& measure,
                          QString& problem) {
    LabelTemplate t;
    t.name = manufacturer + QLatin1Char(' ') + name;
    t.brand = manufacturer;
    t.partNumber = name.section(QLatin1Char(' '), 0, 0);
    const QStringList fields = measure.split(QLatin1Char(';'));
    if (fields.size() != 11 || (fields[0] != u"S" && fields[0] != u"C")) {
        problem = QCoreApplication::translate(
                      "LibreOfficeLabelsFile",
                      "the measure \"%1\" is not of the form "
                      "S;HDist;VDist;Width;Height;Left;Upper;Cols;Rows;PWidth;PHeight")
                      .arg(measure);
        return t;
    }
    int v[10];
    for (int i = 0; i < 10; ++i) {
        bool ok = false;
        v[i] = fields[i + 1].trimmed().toInt(&ok);
        if (!ok || v[i] < 0) {
            problem = QCoreApplication::translate("LibreOfficeLabelsFile",
                                                  "\"%1\" in the measure is not a length")
                          .arg(fields[i + 1]);
            return t;
        }
    }
    const auto inches = [](int hundredths) { return float(hundredths / HundredthsPerInch); };
    SheetGeometry& g = t.geometry;
    g.horizontalPitch = inches(v[0]);
    g.verticalPitch = inches(v[1]);
    g.labelWidth = inches(v[2]);
    g.labelHeight = inches(v[3]);
    g.leftMargin = inches(v[4]);
    g.topMargin = inches(v[5]);
    g.labelsAcross = v[6];
    g.labelsDown = v[7];
    g.labelShape = QStringLiteral("SR");
    const QString lower = name.toLower();
    if (lower.contains(QLatin1String("round")) || lower.contains(QLatin1String("circle")) ||
        lower.contains(QLatin1String("cd")) || lower.contains(QLatin1String("dvd")))
        g.labelShape = QStringLiteral("RE");
    if (fields[0] == u"C") {
        g.paperSize = QString::fromLatin1(PaperSizes::RollCode);
    } else {
        g.paperSize = NamedPaper(v[8], v[9]);
        if (g.paperSize.isEmpty())
            g.paperSize = QString::fromLatin1(PaperSizes::UserCode);
    }
    if (PaperSizes::SizeIsStored(g.paperSize)) {
        g.sheetWidth = inches(v[8]);
        g.sheetHeight = inches(v[9]);
    }
    t.category = GlabelsTemplateFile::Category(name, {}, {});
    if (fields[0] == u"C" && t.category == u"label")
        t.category = QStringLiteral("roll");
    return t;
}

} // namespace

ReadTemplates LibreOfficeLabelsFile::Read(const QByteArray& bytes) {
    ReadTemplates result;
    QXmlStreamReader xml(bytes);
    if (!xml.readNextStartElement() || xml.name() != u"manufacturers") {
        result.error = QCoreApplication::translate("LibreOfficeLabelsFile",
                                                   "This is not a LibreOffice label file");
        return result;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() != u"manufacturer") {
            xml.skipCurrentElement();
            continue;
        }
        const QString manufacturer =
            xml.attributes().value(QLatin1String("name")).toString().trimmed();
        while (xml.readNextStartElement()) {
            if (xml.name() != u"label") {
                xml.skipCurrentElement();
                continue;
            }
            QString name, measure;
            while (xml.readNextStartElement()) {
                if (xml.name() == u"name")
                    name = xml.readElementText().trimmed();
                else if (xml.name() == u"measure")
                    measure = xml.readElementText().trimmed();
                else
                    xml.skipCurrentElement();
            }
            QString problem;
            LabelTemplate t = FromMeasure(manufacturer, name, measure, problem);
            if (problem.isEmpty())
                result.Add(t);
            else
                result.skipped.append({ReadTemplates::FittedName(t.name), problem});
        }
    }
    if (xml.hasError()) {
        result.error = QCoreApplication::translate("LibreOfficeLabelsFile",
                                                   "The label file is damaged at line %1: %2")
                           .arg(xml.lineNumber())
                           .arg(xml.errorString());
        result.templates.clear();
    }
    return result;
}
