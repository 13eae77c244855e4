#pragma once

#include <array>

// The positions of a sheet chosen for printing on a partly used sheet. Kept beside the
// label model, never stored: written by the position chooser, read by the sheet renderer,
// cleared whenever another label becomes current. Positions are numbered row * across +
// column from 0; the largest sheet has 10 across and 30 down.
class ChosenPositions {
public:
    static constexpr int MaxPositions = 10 * 30;

    bool SpecificLabelsChosen = false;
    std::array<bool, MaxPositions> SelectedPositions{};

    void clear() {
        SpecificLabelsChosen = false;
        SelectedPositions.fill(false);
    }
    bool isSelected(int position) const {
        return position >= 0 && position < MaxPositions && SelectedPositions[position];
    }
};
