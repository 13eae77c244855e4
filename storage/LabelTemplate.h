#pragma once

#include "document/SheetGeometry.h"

#include <QString>

// One row of the template table: a named sheet geometry. Stock templates ship with the
// program (userDefined false); the user's own may be edited and deleted.
struct LabelTemplate {
    QString name; // TEMPLATE, at most 60 bytes stored
    SheetGeometry geometry;
    bool userDefined = false; // USERDEF
    // Where the sheet is sold: its maker, the maker's part number, the part numbers of
    // sheets with the same layout ("Avery 5260, 5960; Herma 4677") and what it is for
    // ("address", "shipping", "round", "CD/DVD", ...). Blank for most user templates.
    QString brand;       // BRAND
    QString partNumber;  // PARTNO
    QString equivalents; // EQUIVS
    QString category;    // CATEGORY

    bool operator==(const LabelTemplate&) const = default;
};
