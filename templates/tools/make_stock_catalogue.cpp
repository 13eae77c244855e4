// Writes the stock catalogue, templates/stock-templates.csv, from gLabels' template files
// (Debian's glabels-data installs them in /usr/share/libglabels-3.0/templates). Run by a
// developer when the catalogue is refreshed; the build reads only the CSV it writes.
//
// usage: make_stock_catalogue <folder of *-templates.xml> <stock-templates.csv>
//
// Every template of the files becomes one row, read exactly as "Import Templates..." reads
// it. Its equivalents are the part numbers gLabels lists as the same sheet, then the sheets
// of other makers with the very same layout. Templates that break the sheet rules are left
// out and listed with the reason.

#include "storage/TemplateTable.h"
#include "templates/GlabelsTemplateFile.h"
#include "templates/SheetRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>

#include <cmath>
#include <iostream>

namespace {

QString Number(double value) {
    return QString::number(value, 'f', 4);
}

// The layout of a sheet, rounded to 1/100 in: two templates with the same key print alike.
QString LayoutKey(const SheetGeometry& g) {
    const auto r = [](double v) { return QString::number(std::lround(v * 100)); };
    return QStringList{g.paperSize,         r(g.sheetWidth),      r(g.sheetHeight),
                       g.labelShape,        r(g.labelWidth),      r(g.labelHeight),
                       r(g.labelsAcross),   r(g.labelsDown),      r(g.leftMargin),
                       r(g.topMargin),      r(g.horizontalPitch), r(g.verticalPitch)}
        .join(QLatin1Char('|'));
}

QString Quoted(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// "Avery 5260, 5960; Herma 4677" from brand -> parts, the template's own brand first; entries
// that would pass the field's width are left out (their count is returned).
int JoinEquivalents(const QString& ownBrand, const QMap<QString, QStringList>& byBrand,
                    QString& text) {
    const int width = 254;
    QStringList brands = byBrand.keys();
    if (brands.removeAll(ownBrand))
        brands.prepend(ownBrand);
    int dropped = 0;
    text.clear();
    for (const QString& brand : brands) {
        QString group;
        for (const QString& part : byBrand.value(brand)) {
            const QString next = group.isEmpty() ? brand + QLatin1Char(' ') + part
                                                 : group + QStringLiteral(", ") + part;
            const QString whole = text.isEmpty() ? next : text + QStringLiteral("; ") + next;
            if (whole.toUtf8().size() > width) {
                ++dropped;
                continue;
            }
            group = next;
        }
        if (!group.isEmpty())
            text = text.isEmpty() ? group : text + QStringLiteral("; ") + group;
    }
    return dropped;
}

int Run(const QString& folder, const QString& csvPath) {
    QVector<LabelTemplate> all;
    QMap<QString, int> skippedReasons;
    int notes = 0;
    const QStringList files =
        QDir(folder).entryList({QStringLiteral("*-templates.xml")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        std::cerr << "no *-templates.xml in " << folder.toStdString() << "\n";
        return 1;
    }
    for (const QString& name : files) {
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::cerr << file.fileName().toStdString() << ": cannot be read\n";
            return 1;
        }
        const ReadTemplates read = GlabelsTemplateFile::Read(file.readAll());
        if (read.Failed()) {
            std::cerr << name.toStdString() << ": " << read.error.toStdString() << "\n";
            return 1;
        }
        all += read.templates;
        notes += int(read.notes.size());
        for (const auto& s : read.skipped) {
            std::cout << "left out: " << s.name.toStdString() << ": " << s.reason.toStdString()
                      << "\n";
            ++skippedReasons[s.reason.section(QLatin1Char(':'), 0, 0)];
        }
    }

    // Names must be unique without regard to case; a repeated one is told apart by its
    // maker's part number, which gLabels keeps unique.
    QSet<QString> names;
    QVector<LabelTemplate> rows;
    for (LabelTemplate t : all) {
        if (names.contains(t.name.toUpper())) {
            std::cout << "left out: " << t.name.toStdString() << ": listed twice\n";
            ++skippedReasons[QStringLiteral("listed twice")];
            continue;
        }
        names.insert(t.name.toUpper());
        t.userDefined = false;
        rows.append(t);
    }

    // Equivalents: the same-brand parts gLabels names, then every other sheet of that layout.
    QHash<QString, QVector<int>> byLayout;
    for (int i = 0; i < rows.size(); ++i)
        byLayout[LayoutKey(rows[i].geometry)].append(i);
    QSet<QString> parts, brands;
    int dropped = 0;
    QVector<QString> equivalents(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        const LabelTemplate& t = rows[i];
        QMap<QString, QStringList> byBrand;
        const auto addParts = [&](const LabelTemplate& other, bool self) {
            if (!self)
                byBrand[other.brand] << other.partNumber;
            const QString listed = other.equivalents.section(QLatin1Char(' '), 1);
            for (const QString& part : listed.split(QStringLiteral(", "), Qt::SkipEmptyParts))
                byBrand[other.brand] << part;
        };
        addParts(t, true);
        for (int j : byLayout.value(LayoutKey(t.geometry)))
            if (j != i)
                addParts(rows[j], false);
        for (QStringList& list : byBrand)
            list.removeDuplicates();
        dropped += JoinEquivalents(t.brand, byBrand, equivalents[i]);
        brands.insert(t.brand.toUpper());
        parts.insert((t.brand + QLatin1Char(' ') + t.partNumber).toUpper());
        for (const QString& part : t.equivalents.section(QLatin1Char(' '), 1)
                                       .split(QStringLiteral(", "), Qt::SkipEmptyParts))
            parts.insert((t.brand + QLatin1Char(' ') + part).toUpper());
    }
    for (int i = 0; i < rows.size(); ++i)
        rows[i].equivalents = equivalents[i];
    std::sort(rows.begin(), rows.end(), [](const LabelTemplate& a, const LabelTemplate& b) {
        return a.name.toUpper() < b.name.toUpper();
    });

    QSaveFile out(csvPath);
    if (!out.open(QIODevice::WriteOnly)) {
        std::cerr << csvPath.toStdString() << ": cannot be written\n";
        return 1;
    }
    QTextStream csv(&out);
    csv << "# The stock catalogue shipped with the program: one label sheet a row, made by\n"
           "# templates/tools/make_stock_catalogue from gLabels' template files (see\n"
           "# templates/stock-templates.LICENSE). Lengths in inches (4 decimals);\n"
           "# NBRACROSS and NBRDOWN count labels; USERDEF F for stock sheets. Do not edit by\n"
           "# hand: run the tool again.\n";
    csv << "TEMPLATE,LBLHEIGHT,LBLWIDTH,NBRACROSS,NBRDOWN,TOPMARG,LEFTMARG,HORIZPITCH,"
           "VERTPITCH,PAPERSIZE,USERDEF,LBLSHAPE,BRAND,PARTNO,EQUIVS,CATEGORY,SHEETWIDTH,"
           "SHEETDEPTH\n";
    for (const LabelTemplate& t : rows) {
        const SheetGeometry& g = t.geometry;
        const bool sized = g.sheetWidth > 0 && g.sheetHeight > 0;
        csv << Quoted(t.name) << ',' << Number(g.labelHeight) << ',' << Number(g.labelWidth)
            << ',' << g.labelsAcross << ',' << g.labelsDown << ',' << Number(g.topMargin) << ','
            << Number(g.leftMargin) << ',' << Number(g.horizontalPitch) << ','
            << Number(g.verticalPitch) << ',' << g.paperSize << ",F," << g.labelShape << ','
            << Quoted(t.brand) << ',' << Quoted(t.partNumber) << ',' << Quoted(t.equivalents)
            << ',' << Quoted(t.category) << ',' << (sized ? Number(g.sheetWidth) : QString())
            << ',' << (sized ? Number(g.sheetHeight) : QString()) << '\n';
    }
    csv.flush();
    if (!out.commit()) {
        std::cerr << csvPath.toStdString() << ": cannot be written\n";
        return 1;
    }
    std::cout << rows.size() << " templates written, " << byLayout.size()
              << " distinct layouts, " << brands.size() << " brands, " << parts.size()
              << " part numbers of their own and as equivalents; " << notes
              << " sheets of several layouts kept their first; " << dropped
              << " equivalents beyond the field's width left out\n";
    for (auto it = skippedReasons.cbegin(); it != skippedReasons.cend(); ++it)
        std::cout << "  left out " << it.value() << ": " << it.key().toStdString() << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: make_stock_catalogue <folder of *-templates.xml> <output.csv>\n";
        return 2;
    }
    return Run(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
}
