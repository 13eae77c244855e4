#pragma once

#include "storage/LabelTemplate.h"

#include <QString>

// The template an imported document's sheet is stored under: the catalogue's own when the
// template table knows the sheet by brand and part number (or by name), else the document's
// sheet added to the table as a template of the user's.
class SheetFinder {
public:
    struct Found {
        QString name;  // the template's name for the label
        QString error; // the table could not be opened or written (the label keeps its geometry)
        bool added = false;
    };
    static Found FindOrAdd(const LabelTemplate& sheet, const QString& dataDirectory);
};
