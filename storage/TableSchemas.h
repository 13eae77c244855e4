#pragma once

#include "storage/dbf/FieldDef.h"

#include <vector>

// The layouts of the two tables, in file order. Plain C++ so that the build-time tool that
// writes the stock template table uses the very same definition as the program.

// The label table QVLBLS.DBF: one record per stored label design.
inline std::vector<dbf::FieldDef> LabelTableFields() {
    return {
        {"DESCRIPT", 'C', 30, 0}, {"TEMPLATE", 'C', 60, 0},  {"LBLHEIGHT", 'N', 6, 3},
        {"LBLWIDTH", 'N', 6, 3},  {"NBRACROSS", 'N', 2, 0},  {"NBRDOWN", 'N', 2, 0},
        {"TOPMARG", 'N', 6, 3},   {"LEFTMARG", 'N', 6, 3},   {"HORIZPITCH", 'N', 6, 3},
        {"VERTPITCH", 'N', 6, 3}, {"SHEETWIDTH", 'N', 6, 3}, {"SHEETDEPTH", 'N', 6, 3},
        {"PAPERSIZE", 'C', 5, 0}, {"LBLSHAPE", 'C', 2, 0},   {"OBJECTS", 'M', 10, 0},
    };
}

// The template table QVLTPL.DBF: one record per named sheet geometry. Measurements carry
// four decimals (a left margin of 3/16 in is 0.1875). The first twelve fields are the
// original layout; the catalogue fields after them were appended, so that older copies of
// the program and other xBase tools still read the table.
inline std::vector<dbf::FieldDef> TemplateTableFields() {
    return {
        {"TEMPLATE", 'C', 60, 0},  {"LBLHEIGHT", 'N', 8, 4},  {"LBLWIDTH", 'N', 8, 4},
        {"NBRACROSS", 'N', 2, 0},  {"NBRDOWN", 'N', 2, 0},    {"TOPMARG", 'N', 8, 4},
        {"LEFTMARG", 'N', 8, 4},   {"HORIZPITCH", 'N', 8, 4}, {"VERTPITCH", 'N', 8, 4},
        {"PAPERSIZE", 'C', 5, 0},  {"USERDEF", 'L', 1, 0},    {"LBLSHAPE", 'C', 2, 0},
        {"BRAND", 'C', 30, 0},     {"PARTNO", 'C', 30, 0},    {"EQUIVS", 'C', 254, 0},
        {"CATEGORY", 'C', 20, 0},  {"SHEETWIDTH", 'N', 8, 4}, {"SHEETDEPTH", 'N', 8, 4},
    };
}

// The fields of the template table as it was first laid out: a table with only these is
// upgraded in place on first use.
inline constexpr int OriginalTemplateFieldCount = 12;

// Index tags: name and key expression.
inline constexpr const char* LabelTableTag = "DESCRIPT";
inline constexpr const char* LabelTableTagExpression = "upper(DESCRIPT)";
inline constexpr const char* TemplateTableTag = "TEMPLATE";
inline constexpr const char* TemplateTableTagExpression = "upper(TEMPLATE)";

// File names in the data directory.
inline constexpr const char* LabelTableFileName = "QVLBLS.DBF";
inline constexpr const char* LabelIndexFileName = "QVLBLS.CDX";
inline constexpr const char* TemplateTableFileName = "QVLTPL.DBF";
inline constexpr const char* TemplateIndexFileName = "QVLTPL.CDX";

// The width in bytes of a field of a layout (0 when the layout has no such field), so that
// no width is typed twice.
inline int SchemaFieldWidth(const std::vector<dbf::FieldDef>& fields, const char* name) {
    for (const dbf::FieldDef& field : fields)
        if (field.name == name)
            return field.length;
    return 0;
}
