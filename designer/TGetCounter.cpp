#include "designer/TGetCounter.h"

#include <QLabel>
#include <QPushButton>

#include "designer/SpinEdit.h"

namespace {
constexpr int HelpTopicCounter = 2001;
}

TGetCounter::TGetCounter(QWidget* parent) : FixedDialog(tr("Counter"), QSize(370, 149), parent) {
    setObjectName(QStringLiteral("GetCounter"));

    StartingNumberLabel = new QLabel(tr("Starting Number"), this);
    StartingNumberLabel->setObjectName(QStringLiteral("StartingNumberLabel"));
    StartingNumberLabel->setGeometry(16, 14, 220, 18);
    StartingNumber = new SpinEdit(this);
    StartingNumber->setObjectName(QStringLiteral("StartingNumber"));
    StartingNumber->setGeometry(16, 34, 121, 26);
    StartingNumber->SetBounds(0, 0);
    StartingNumber->SetValue(1);
    StartingNumber->setWhatsThis(tr("The number printed on the first label; any whole number."));
    StartingNumberLabel->setBuddy(StartingNumber);

    RepeatForLabel = new QLabel(tr("Repeat for how many labels?"), this);
    RepeatForLabel->setObjectName(QStringLiteral("RepeatForLabel"));
    RepeatForLabel->setGeometry(16, 76, 220, 18);
    RepeatFor = new SpinEdit(this);
    RepeatFor->setObjectName(QStringLiteral("RepeatFor"));
    RepeatFor->setGeometry(16, 96, 121, 26);
    RepeatFor->SetBounds(1, 999);
    RepeatFor->SetValue(1);
    RepeatFor->setWhatsThis(
        tr("How many labels in a row print the same number before it goes up by one (1 to 999)."));
    RepeatForLabel->setBuddy(RepeatFor);

    OkButton = AddOkButton(QStringLiteral("OK"), QRect(272, 12, 85, 27), "OkButton");
    CancelButton = AddCancelButton(tr("Cancel"), QRect(272, 45, 85, 27), "CancelButton");
    HelpButton = AddHelpButton(HelpTopicCounter, QRect(272, 78, 85, 27));
    MouseHelpButton = AddMouseHelpButton(QRect(272, 111, 85, 27));
    StartingNumber->setFocus();
}

void TGetCounter::BeforeAccept() {
    StartingNumber->CorrectBounds();
    RepeatFor->CorrectBounds();
}
