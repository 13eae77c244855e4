#pragma once

#include "ui/FixedDialog.h"

class QLabel;
class QPushButton;
class SpinEdit;

// The counter's starting number and how many labels each number is repeated on. The dialog
// has no logic beyond its controls; the caller presets and reads the two boxes.
class TGetCounter : public FixedDialog {
    Q_OBJECT
public:
    explicit TGetCounter(QWidget* parent = nullptr);

    // Where the dialog stands on the screen when it opens for a newly placed counter.
    static constexpr int DesignedLeft = 310;
    static constexpr int DesignedTop = 170;

    QLabel* StartingNumberLabel;
    SpinEdit* StartingNumber;
    QLabel* RepeatForLabel;
    SpinEdit* RepeatFor;
    QPushButton* OkButton;
    QPushButton* HelpButton;
    QPushButton* MouseHelpButton;
    QPushButton* CancelButton;

protected:
    void BeforeAccept() override;
};
