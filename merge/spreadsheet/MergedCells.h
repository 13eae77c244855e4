#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The merged areas of a sheet, and the value each shows: a merged area's value belongs to
// every cell it covers, so a category merged down several rows reaches each of their
// records. Areas are taken in any order (XLSX lists them after the rows, ODS on the first
// cell); rows must then be applied in ascending order. Areas added as their rows come (ODS)
// may be forgotten once passed, so that a long sheet with an area in every row costs the
// areas open at a time, and MaxAreas counts those.
class MergedCells {
public:
    enum class Passed { Kept, Forgotten };

    static constexpr int MaxAreas = 65536;
    // Visits of an area by a row, over a whole reading: areas that overlap or span every row
    // of a long sheet could otherwise cost rows times areas.
    static constexpr long long MaxVisits = 1LL << 28;

    // Passed::Kept keeps every area for reading the rows again after Rewind.
    explicit MergedCells(Passed passed = Passed::Kept) : forget_(passed == Passed::Forgotten) {}

    // Columns from 0, rows from 1, both inclusive. False when past MaxAreas.
    bool Add(long long top, int left, long long bottom, int right);
    // Forgets the values taken, for reading the rows again.
    void Rewind();
    bool Empty() const { return areas_.empty(); }
    // Whether any area covers the row (the first of a run of repeated rows, say).
    bool Covers(long long row);
    // Takes the top-left values of the areas that start in row and writes each area's value
    // into the cells it covers in row, up to columnLimit columns. False once past MaxVisits.
    bool Apply(long long row, QStringList& cells, int columnLimit);

private:
    struct Area {
        long long top, bottom;
        int left, right;
        QString value;
    };
    void Activate(long long row);
    void ForgetPassed();

    std::vector<Area> areas_; // sorted by top once reading starts
    std::vector<int> active_; // areas that started at or above the current row
    std::size_t next_ = 0;    // the first area not yet active
    bool sorted_ = true;
    bool forget_ = false;
    long long visits_ = 0;
};
