#include "document/PaperSizes.h"

#include "document/SheetGeometry.h"

#include <QCoreApplication>

namespace {
constexpr double MillimetresPerInch = 25.4;
constexpr double Mm(double millimetres) {
    return millimetres / MillimetresPerInch;
}

QString InchText(double value, QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 4);
}
} // namespace

const QList<PaperSizes::Paper>& PaperSizes::All() {
    // The first six keep their list positions: stored labels and templates, and the editor's
    // list index, refer to them.
    static const QList<Paper> papers = {
        {"LTR", QT_TRANSLATE_NOOP("PaperSizes", "Letter (8.5 x 11\")"), 8.5, 11},
        {"LTRL", QT_TRANSLATE_NOOP("PaperSizes", "Letter Landscape (11 x 8.5\")"), 11, 8.5},
        {"A4", QT_TRANSLATE_NOOP("PaperSizes", "A4 (210 x 297mm)"), Mm(210), Mm(297)},
        {"A4L", QT_TRANSLATE_NOOP("PaperSizes", "A4 Landscape ( 297 x 210mm)"), Mm(297), Mm(210)},
        {"A5", QT_TRANSLATE_NOOP("PaperSizes", "A5 (148 x 210mm)"), Mm(148), Mm(210)},
        {"USER", QT_TRANSLATE_NOOP("PaperSizes", "Other (User Defined)"), 0, 0},
        {"A5L", QT_TRANSLATE_NOOP("PaperSizes", "A5 Landscape (210 x 148mm)"), Mm(210), Mm(148)},
        {"A3", QT_TRANSLATE_NOOP("PaperSizes", "A3 (297 x 420mm)"), Mm(297), Mm(420)},
        {"A3L", QT_TRANSLATE_NOOP("PaperSizes", "A3 Landscape (420 x 297mm)"), Mm(420), Mm(297)},
        {"LGL", QT_TRANSLATE_NOOP("PaperSizes", "Legal (8.5 x 14\")"), 8.5, 14},
        {"LGLL", QT_TRANSLATE_NOOP("PaperSizes", "Legal Landscape (14 x 8.5\")"), 14, 8.5},
        {"TAB", QT_TRANSLATE_NOOP("PaperSizes", "Tabloid (11 x 17\")"), 11, 17},
        {"TABL", QT_TRANSLATE_NOOP("PaperSizes", "Tabloid Landscape (17 x 11\")"), 17, 11},
        {"ROLL", QT_TRANSLATE_NOOP("PaperSizes", "Roll (label printer)"), 0, 0},
    };
    return papers;
}

QStringList PaperSizes::Codes() {
    QStringList codes;
    for (const Paper& p : All())
        codes << QString::fromLatin1(p.code);
    return codes;
}

QStringList PaperSizes::Entries() {
    QStringList entries;
    for (const Paper& p : All())
        entries << QString::fromUtf8(p.entry);
    return entries;
}

int PaperSizes::IndexOf(const QString& code) {
    return int(Codes().indexOf(code.trimmed()));
}

bool PaperSizes::SizeIsStored(const QString& code) {
    const QString c = code.trimmed();
    return c == QLatin1String(UserCode) || c == QLatin1String(RollCode);
}

QSizeF PaperSizes::NamedInches(const QString& code) {
    const int index = IndexOf(code);
    if (index < 0)
        return {};
    const Paper& p = All().at(index);
    return p.widthInches > 0 ? QSizeF(p.widthInches, p.heightInches) : QSizeF();
}

QSizeF PaperSizes::Inches(const SheetGeometry& g) {
    if (SizeIsStored(g.paperSize))
        return g.sheetWidth > 0 && g.sheetHeight > 0 ? QSizeF(g.sheetWidth, g.sheetHeight)
                                                     : QSizeF();
    return NamedInches(g.paperSize);
}

QString PaperSizes::ShortName(const SheetGeometry& g) {
    return Name(g, QLocale::c(), false);
}

QString PaperSizes::ShownName(const SheetGeometry& g, const QLocale& locale) {
    return Name(g, locale, true);
}

QStringList PaperSizes::ShownEntries() {
    QStringList entries;
    for (const Paper& p : All())
        entries << QCoreApplication::translate("PaperSizes", p.entry);
    return entries;
}

QString PaperSizes::Name(const SheetGeometry& g, const QLocale& locale, bool translated) {
    const auto text = [translated](const char* english) {
        return translated ? QCoreApplication::translate("PaperSizes", english)
                          : QString::fromUtf8(english);
    };
    const QString code = g.paperSize.trimmed();
    const QSizeF size = Inches(g);
    if (code == QLatin1String(RollCode))
        return size.isEmpty() ? text(QT_TRANSLATE_NOOP("PaperSizes", "Roll"))
                              : text(QT_TRANSLATE_NOOP("PaperSizes", "Roll %1 in"))
                                    .arg(InchText(size.width(), locale));
    if (code == QLatin1String(UserCode))
        return size.isEmpty()
                   ? text(QT_TRANSLATE_NOOP("PaperSizes", "Other"))
                   : text(QT_TRANSLATE_NOOP("PaperSizes", "Other %1 x %2 in"))
                         .arg(InchText(size.width(), locale), InchText(size.height(), locale));
    const int index = IndexOf(code);
    if (index < 0)
        return code;
    // The list entry without its size: "A4 Landscape ( 297 x 210mm)" gives "A4 Landscape".
    return text(All().at(index).entry).section(QLatin1Char('('), 0, 0).trimmed();
}
