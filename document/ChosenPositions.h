#pragma once

#include <array>

// The positions of a sheet chosen for printing on a partly used sheet. Program-wide,
// never stored: written by the position chooser, read by the sheet renderer, cleared
// whenever another label becomes current. Positions are numbered row * across + column
// from 0; the largest sheet has 10 across and 30 down.
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

// The one selection of the running program.
ChosenPositions& ProgramChosenPositions();

struct SheetGeometry;
// Positions chosen for one layout mark other places on another: when the number of labels
// across or down differs between before and after, the program's selection is cleared.
void ForgetPositionsIfLayoutChanged(const SheetGeometry& before, const SheetGeometry& after);
