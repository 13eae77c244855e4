#include "controls/TCounterLabel.h"

TCounterLabel::TCounterLabel(QWidget* parent) : TPim3DLabel(parent) {}
