#pragma once

#include "templates/ReadTemplates.h"

#include <QByteArray>

// Reads LibreOffice's label list ("labels.xml": <manufacturers> holding <manufacturer name>
// elements of <label> entries, each a <name> and a <measure> of eleven fields
// "S;HDist;VDist;Width;Height;Left;Upper;Cols;Rows;PWidth;PHeight", lengths in 1/100 mm).
// "S" is a sheet; "C" a continuous roll, whose page is one row of labels long.
class LibreOfficeLabelsFile {
public:
    static ReadTemplates Read(const QByteArray& xml);
};
