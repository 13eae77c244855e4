#include "document/SpecificLabelSelection.h"

#include <cstddef>

void SpecificLabelSelection::Clear() {
    SpecificLabelsChosen = false;
    SelectedPositions.fill(false);
}

bool SpecificLabelSelection::IsPrinted(int index) const {
    if (!SpecificLabelsChosen)
        return true;
    return index >= 0 && index < MaxPositions && SelectedPositions[static_cast<std::size_t>(index)];
}

SpecificLabelSelection& SpecificLabelSelection::Program() {
    static SpecificLabelSelection selection;
    return selection;
}
