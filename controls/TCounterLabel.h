#pragma once

#include "controls/TPim3DLabel.h"

// The control of counter items: a text control whose Caption holds the starting number as
// decimal digits. Its class is what tells a counter from a text. Tag holds the repeat count:
// how many consecutive labels print the same value before it advances.
class TCounterLabel : public TPim3DLabel {
    Q_OBJECT
public:
    explicit TCounterLabel(QWidget* parent = nullptr);

    int Tag() const { return tag_; }
    void setTag(int repeatCount) { tag_ = repeatCount; }

private:
    int tag_ = 0;
};
