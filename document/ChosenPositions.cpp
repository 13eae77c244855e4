#include "document/ChosenPositions.h"

ChosenPositions& ProgramChosenPositions() {
    static ChosenPositions selection;
    return selection;
}
