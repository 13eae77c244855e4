#include "document/ChosenPositions.h"

#include "document/SheetGeometry.h"

ChosenPositions& ProgramChosenPositions() {
    static ChosenPositions selection;
    return selection;
}

void ForgetPositionsIfLayoutChanged(const SheetGeometry& before, const SheetGeometry& after) {
    if (before.labelsAcross != after.labelsAcross || before.labelsDown != after.labelsDown)
        ProgramChosenPositions().clear();
}
