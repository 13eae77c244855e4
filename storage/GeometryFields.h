#pragma once

#include "document/SheetGeometry.h"

class DataTable;

// The sheet geometry columns shared by the label and the template table (LBLHEIGHT,
// LBLWIDTH, NBRACROSS, NBRDOWN, TOPMARG, LEFTMARG, HORIZPITCH, VERTPITCH, PAPERSIZE,
// LBLSHAPE), read and written in one place. Lengths are inches.

// The current record's geometry; the paper size and shape codes cut to their field widths.
SheetGeometry ReadGeometry(const DataTable& table);
// Writes geometry into the record being appended or edited. stored gives the value a
// measurement is written as (the label table keeps three decimals).
void WriteGeometry(DataTable& table, const SheetGeometry& geometry,
                   float (*stored)(float inches) = nullptr);
