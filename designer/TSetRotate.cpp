#include "designer/TSetRotate.h"

#include <QLabel>
#include <QPushButton>

#include "designer/AngleDial.h"
#include "designer/SpinEdit.h"

namespace {
constexpr int HelpTopicRotation = 1049;
}

TSetRotate::TSetRotate(QWidget* parent) : FixedDialog(tr("Set Rotation"), QSize(317, 185), parent) {
    setObjectName(QStringLiteral("SetRotate"));

    AngleSpinLabel = new QLabel(tr("Set Degree of Rotation (0-359)"), this);
    AngleSpinLabel->setObjectName(QStringLiteral("AngleSpinLabel"));
    AngleSpinLabel->setGeometry(12, 10, 210, 18);
    AngleSpin = new SpinEdit(this);
    AngleSpin->setObjectName(QStringLiteral("AngleSpin"));
    AngleSpin->setGeometry(12, 30, 81, 26);
    AngleSpin->SetBounds(0, 359);
    AngleSpin->SetIncrement(45);
    AngleSpin->SetValue(0);
    AngleSpin->setWhatsThis(tr("The angle of the text in degrees, counter-clockwise."));
    AngleSpinLabel->setBuddy(AngleSpin);

    PaintBox1 = new AngleDial(this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(102, 64, 113, 113);

    OkButton = AddOkButton(tr("Ok"), QRect(230, 12, 79, 27), "OkButton");
    CancelButton = AddCancelButton(tr("Cancel"), QRect(230, 45, 79, 27), "CancelButton");
    HelpButton = AddHelpButton(HelpTopicRotation, QRect(230, 117, 79, 27));
    MouseHelpButton = AddMouseHelpButton(QRect(230, 150, 79, 27));

    connect(AngleSpin, &SpinEdit::Changed, this, &TSetRotate::AngleSpinChange);
    connect(PaintBox1, &AngleDial::AngleDragged, this, &TSetRotate::PaintBox1DragOver);
}

int TSetRotate::ShownAngle() const {
    return PaintBox1->ShownAngle();
}

void TSetRotate::SetShownAngle(int value) {
    PaintBox1->SetShownAngle(value);
}

void TSetRotate::AngleSpinChange() {
    const int value = AngleSpin->Value();
    if (value == 359) {
        // A full turn less one degree is taken as no turn; setting 0 runs this step again.
        AngleSpin->SetValue(0);
        return;
    }
    SetShownAngle(value);
    if (TargetLabel)
        TargetLabel(value);
}

void TSetRotate::PaintBox1DragOver(int angle) {
    SetShownAngle(angle);
    AngleSpin->SetValue(angle);
}

void TSetRotate::BeforeAccept() {
    AngleSpin->CorrectBounds();
}
