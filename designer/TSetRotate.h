#pragma once

#include <functional>

#include "ui/FixedDialog.h"

class AngleDial;
class QLabel;
class QPushButton;
class SpinEdit;

// Sets a text item's rotation by number (0 to 359 in steps of 45) or by dragging on the
// dial; the target item turns live with every change. 359 cannot be kept: it turns into 0,
// so stepping up from 315 wraps round.
class TSetRotate : public FixedDialog {
    Q_OBJECT
public:
    explicit TSetRotate(QWidget* parent = nullptr);

    // What turns the target item: called with the angle box's value on every change. Set it
    // before setting the angle box.
    void SetTarget(std::function<void(int angle)> turn) { TargetLabel = std::move(turn); }

    int ShownAngle() const;
    void SetShownAngle(int value);

    QLabel* AngleSpinLabel;
    SpinEdit* AngleSpin;
    AngleDial* PaintBox1;
    QPushButton* OkButton;
    QPushButton* HelpButton;
    QPushButton* MouseHelpButton;
    QPushButton* CancelButton;
    std::function<void(int angle)> TargetLabel;

public slots:
    void AngleSpinChange();
    void PaintBox1DragOver(int angle);

protected:
    void BeforeAccept() override;
};
