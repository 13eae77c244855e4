#include "printing/TPrinterAlignment.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/FixedDialog.h"
#include "ui/Prompter.h"

namespace {

constexpr double kMillimetresPerInch = 25.4;

// Wider than the limits, so that a value beyond them reaches the check and its message
// instead of being stopped silently by the box.
QDoubleSpinBox* NumberBox(QWidget* parent, const char* name) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(-99, 99);
    box->setKeyboardTracking(false);
    return box;
}

} // namespace

TPrinterAlignment::TPrinterAlignment(const QString& printerName, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Printer Alignment"));
    PrinterLabel = new QLabel(tr("Printer: %1").arg(printerName), this);
    InchesButton = new QRadioButton(tr("In inches"), this);
    InchesButton->setObjectName(QStringLiteral("InchesButton"));
    MMButton = new QRadioButton(tr("In Millimeters"), this);
    MMButton->setObjectName(QStringLiteral("MMButton"));
    InchesButton->setChecked(true);
    eOffsetX = NumberBox(this, "eOffsetX");
    eOffsetY = NumberBox(this, "eOffsetY");
    eScaleX = NumberBox(this, "eScaleX");
    eScaleY = NumberBox(this, "eScaleY");
    for (QDoubleSpinBox* box : {eScaleX, eScaleY}) {
        box->setDecimals(2);
        box->setSingleStep(0.01);
        box->setSuffix(QStringLiteral(" %"));
    }
    TestSheetButton = new QPushButton(tr("Print Test Sheet"), this);
    TestSheetButton->setObjectName(QStringLiteral("TestSheetButton"));
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* units = new QHBoxLayout;
    units->addWidget(InchesButton);
    units->addWidget(MMButton);
    auto* form = new QFormLayout;
    form->addRow(tr("Horizontal offset (+ right)"), eOffsetX);
    form->addRow(tr("Vertical offset (+ down)"), eOffsetY);
    form->addRow(tr("Horizontal scale correction"), eScaleX);
    form->addRow(tr("Vertical scale correction"), eScaleY);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(TestSheetButton);
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    MouseHelpButton = FixedDialog::NewMouseHelpButton(this);
    buttons->addWidget(MouseHelpButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PrinterLabel);
    layout->addLayout(units);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("Offsets up to 0.5 in (12.7 mm) either way; "
                                    "scale corrections up to 2 %."),
                                 this));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowUnit(false);
    connect(MMButton, &QRadioButton::toggled, this, [this](bool on) { ShowUnit(on); });
    connect(OKButton, &QPushButton::clicked, this, &TPrinterAlignment::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(TestSheetButton, &QPushButton::clicked, this, &TPrinterAlignment::TestSheetButtonClick);
}

// The offsets keep their value in inches across a change of unit.
void TPrinterAlignment::ShowUnit(bool millimetres) {
    const double x = eOffsetX->value(), y = eOffsetY->value();
    const double factor = millimetres == millimetres_
                              ? 1.0
                              : (millimetres ? kMillimetresPerInch : 1 / kMillimetresPerInch);
    millimetres_ = millimetres;
    for (QDoubleSpinBox* box : {eOffsetX, eOffsetY}) {
        box->setDecimals(millimetres ? 2 : 3);
        box->setSingleStep(millimetres ? PrinterAlignment::OffsetStep * kMillimetresPerInch
                                       : PrinterAlignment::OffsetStep);
        box->setSuffix(millimetres ? QStringLiteral(" mm") : QStringLiteral(" in"));
    }
    eOffsetX->setValue(x * factor);
    eOffsetY->setValue(y * factor);
}

void TPrinterAlignment::SetAlignment(const PrinterAlignment& alignment) {
    const double factor = millimetres_ ? kMillimetresPerInch : 1.0;
    eOffsetX->setValue(alignment.OffsetX * factor);
    eOffsetY->setValue(alignment.OffsetY * factor);
    eScaleX->setValue((alignment.ScaleX - 1) * 100);
    eScaleY->setValue((alignment.ScaleY - 1) * 100);
}

PrinterAlignment TPrinterAlignment::Alignment() const {
    const double factor = millimetres_ ? 1 / kMillimetresPerInch : 1.0;
    PrinterAlignment alignment;
    alignment.OffsetX = eOffsetX->value() * factor;
    alignment.OffsetY = eOffsetY->value() * factor;
    alignment.ScaleX = 1 + eScaleX->value() / 100;
    alignment.ScaleY = 1 + eScaleY->value() / 100;
    return alignment;
}

bool TPrinterAlignment::BoundedValues(PrinterAlignment& alignment) {
    // What the boxes show, rounded to their decimals: the limits hold for what is seen.
    for (QDoubleSpinBox* box : {eOffsetX, eOffsetY, eScaleX, eScaleY})
        box->interpretText();
    alignment = Alignment();
    const QStringList messages = alignment.Clamp();
    if (messages.isEmpty())
        return true;
    SetAlignment(alignment);
    ShowInformation(messages.join(QLatin1Char('\n')));
    return false;
}

void TPrinterAlignment::OKButtonClick() {
    PrinterAlignment alignment;
    if (BoundedValues(alignment))
        accept();
}

void TPrinterAlignment::TestSheetButtonClick() {
    PrinterAlignment alignment;
    if (BoundedValues(alignment) && OnPrintTestSheet)
        OnPrintTestSheet(alignment);
}
