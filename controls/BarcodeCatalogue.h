#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The barcode menu's groups.
enum class BarcodeGroup { Linear, Gs1, TwoD, Postal };

// One kind of symbol the installed libzint makes.
struct BarcodeType {
    int zint = 0;    // Zint's number, for this run only: never stored
    QString name;    // stored (SYMBOLOGY=): Zint's name without "BARCODE_", as "CODE128"
    QString caption; // the menu's "Code 128"
    BarcodeGroup group = BarcodeGroup::Linear;
    // A matrix, stacked or postal symbol keeps its proportions when fitted to its box; a
    // linear one fills the box's width and its bars take the height.
    bool evenScale = false;
    // The data is GS1 element strings, "(01)09501101530003(10)ABC" or "[01]...".
    bool gs1 = false;
    // A composite symbol: "linear data|GS1 data of the 2D part above it".
    bool composite = false;
    // The error-correction levels ECC= may give (Zint's option 1); none when both are 0.
    int eccLowest = 0;
    int eccHighest = 0;
    // Whether Zint prints a human-readable line under it.
    bool hasText = false;
    // What data it takes, in words: "12 or 13 digits".
    QString takes;

    bool HasEcc() const { return eccHighest > eccLowest; }
};

// Every symbology of the installed libzint, asked of the library itself, with the captions,
// groups and data descriptions of those this program knows by name (a symbology of a newer
// library is offered under its own name).
class BarcodeCatalogue {
public:
    // In menu order: by group, then as a person looks for them.
    static const QList<BarcodeType>& All();
    // The type stored under name (compared exactly), or null.
    static const BarcodeType* FromName(QStringView name);
    static const BarcodeType* FromZint(int zint);
    static QString GroupCaption(BarcodeGroup group);
};
