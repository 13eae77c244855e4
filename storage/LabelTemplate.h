#pragma once

#include "document/SheetGeometry.h"

#include <QString>

// One row of the template table: a named sheet geometry. Stock templates ship with the
// program (userDefined false); the user's own may be edited and deleted.
struct LabelTemplate {
    QString name; // TEMPLATE, at most 60 bytes stored
    SheetGeometry geometry;
    bool userDefined = false; // USERDEF

    bool operator==(const LabelTemplate&) const = default;
};
