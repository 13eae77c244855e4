#pragma once

#include "storage/dbf/Table.h"

#include <string>
#include <vector>

// A table shaped like the label table: a description, numbers, a logical and a memo.
inline std::vector<dbf::FieldDef> labelFields() {
    return {{"DESCRIPT", 'C', 30, 0}, {"TEMPLATE", 'C', 60, 0}, {"LBLHEIGHT", 'N', 6, 3},
            {"NBRACROSS", 'N', 2, 0}, {"USERDEF", 'L', 1, 0},   {"OBJECTS", 'M', 10, 0}};
}

inline void addLabel(dbf::Table& t, const std::string& descript, const std::string& memo = {}) {
    t.append();
    t.setText("DESCRIPT", descript);
    if (!memo.empty())
        t.setMemo("OBJECTS", memo);
    t.post();
}

// The descriptions in the current order, deleted records skipped.
inline std::vector<std::string> walk(dbf::Table& t) {
    std::vector<std::string> out;
    for (t.first(); !t.eof(); t.next())
        out.push_back(t.getText("DESCRIPT"));
    return out;
}
