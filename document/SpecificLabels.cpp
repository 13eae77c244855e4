#include "document/SpecificLabels.h"

SpecificLabels& ProgramSpecificLabels() {
    static SpecificLabels selection;
    return selection;
}
