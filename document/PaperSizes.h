#pragma once

#include <QLocale>
#include <QSizeF>
#include <QString>
#include <QStringList>

struct SheetGeometry;

// The papers a sheet of labels can be printed on, by the code PAPERSIZE stores. Each named
// paper has a fixed size; "USER" (any width x height) and "ROLL" (a label printer's roll,
// whose page is one row of labels long) carry their size in the geometry's sheet width and
// height. Sizes are inches as the paper lies (a landscape code is turned).
class PaperSizes {
public:
    struct Paper {
        const char* code;   // as stored, at most 5 characters
        const char* entry;  // the template editor's list entry
        double widthInches; // 0 for "USER" and "ROLL"
        double heightInches;
    };

    // Every paper in the order of the editor's list: the original six first (Letter,
    // Letter Landscape, A4, A4 Landscape, A5, Other), then the papers added since.
    static const QList<Paper>& All();
    static QStringList Codes();
    static QStringList Entries();
    // The list index of a code; -1 for an unknown one.
    static int IndexOf(const QString& code);

    static constexpr const char* UserCode = "USER";
    static constexpr const char* RollCode = "ROLL";
    // True for the codes whose size the geometry carries ("USER", "ROLL").
    static bool SizeIsStored(const QString& code);

    // The size a code names, inches; empty for unknown codes and for the stored-size ones.
    static QSizeF NamedInches(const QString& code);
    // The paper of a geometry: the named size, else its stored sheet width and height;
    // empty when neither is known.
    static QSizeF Inches(const SheetGeometry& geometry);
    // "Letter", "A4 Landscape", "Roll 2.25 in", "Other 4 x 6 in": a paper's short name in
    // English with ".", as the catalogue's search also reads it.
    static QString ShortName(const SheetGeometry& geometry);
    // The short name as the catalogue shows it: in the language of the program's texts, its
    // numbers as the locale writes them ("Rolle 2,25 in" in German).
    static QString ShownName(const SheetGeometry& geometry, const QLocale& locale);
    // The template editor's list entries in the language of the program's texts.
    static QStringList ShownEntries();

private:
    static QString Name(const SheetGeometry& geometry, const QLocale& locale, bool translated);
};
