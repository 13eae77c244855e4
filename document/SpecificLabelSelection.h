#pragma once

#include <array>

// Which positions of the sheet to print when the user restricts printing: a flag and one
// boolean per position, indexed row * labels-across + column from 0, sized for the largest
// sheet (10 across, 30 down). Not stored; cleared when another label is selected or a new
// label is started, written by the position chooser, read by the renderer.
class SpecificLabelSelection {
public:
    static constexpr int MaxPositions = 300;

    bool SpecificLabelsChosen = false;
    std::array<bool, MaxPositions> SelectedPositions{};

    // Back to "print every position": the flag off and no position chosen.
    void Clear();

    // Whether the position is printed: every position when no choice is made, otherwise the
    // chosen ones. An index outside the table is never printed under a choice.
    bool IsPrinted(int index) const;

    // The program's one selection, shared by the shell, the chooser and the renderer.
    static SpecificLabelSelection& Program();
};
