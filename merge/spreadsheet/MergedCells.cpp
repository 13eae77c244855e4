#include "merge/spreadsheet/MergedCells.h"

#include <algorithm>

bool MergedCells::Add(long long top, int left, long long bottom, int right) {
    if (areas_.size() >= std::size_t(MaxAreas))
        return false;
    if (!areas_.empty() && top < areas_.back().top)
        sorted_ = false;
    areas_.push_back({top, bottom, left, right, {}});
    return true;
}

void MergedCells::Rewind() {
    active_.clear();
    next_ = 0;
    visits_ = 0;
    for (Area& area : areas_)
        area.value.clear();
}

void MergedCells::Activate(long long row) {
    if (!sorted_ && active_.empty() && next_ == 0) {
        std::stable_sort(areas_.begin(), areas_.end(),
                         [](const Area& a, const Area& b) { return a.top < b.top; });
        sorted_ = true;
    }
    while (next_ < areas_.size() && areas_[next_].top <= row)
        active_.push_back(int(next_++));
    visits_ += qsizetype(active_.size());
    std::erase_if(active_, [&](int i) { return areas_[std::size_t(i)].bottom < row; });
    // Once at least half of the areas taken are passed: each area is moved a few times at most.
    if (forget_ && next_ >= 1024 && active_.size() * 2 < next_)
        ForgetPassed();
}

// Keeps the active areas and those still to come, in the same order.
void MergedCells::ForgetPassed() {
    std::vector<Area> kept;
    kept.reserve(active_.size() + (areas_.size() - next_));
    for (int i : active_)
        kept.push_back(std::move(areas_[std::size_t(i)]));
    const std::size_t open = kept.size();
    for (std::size_t i = next_; i < areas_.size(); ++i)
        kept.push_back(std::move(areas_[i]));
    areas_.swap(kept);
    for (std::size_t i = 0; i < open; ++i)
        active_[i] = int(i);
    next_ = open;
}

bool MergedCells::Covers(long long row) {
    Activate(row);
    return !active_.empty();
}

bool MergedCells::Apply(long long row, QStringList& cells, int columnLimit) {
    Activate(row);
    if (visits_ > MaxVisits)
        return false;
    for (int i : active_) {
        Area& area = areas_[std::size_t(i)];
        if (area.left >= columnLimit)
            continue;
        if (area.top == row)
            area.value = area.left < cells.size() ? cells[area.left] : QString();
        if (area.value.isEmpty())
            continue;
        const int right = std::min(area.right, columnLimit - 1);
        while (cells.size() <= right)
            cells.append(QString());
        for (int column = area.left; column <= right; ++column)
            cells[column] = area.value;
    }
    return true;
}
