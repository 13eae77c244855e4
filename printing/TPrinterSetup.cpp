#include "printing/TPrinterSetup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/FixedDialog.h"
#include "ui/Prompter.h"

TPrinterSetup::TPrinterSetup(const QPrinter& printer, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("PrinterSetup"));
    setWindowTitle(tr("Printer Setup"));

    PrinterBox = new QComboBox(this);
    PrinterBox->setObjectName(QStringLiteral("PrinterBox"));
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        PrinterBox->addItem(info.printerName());
    PrinterBox->setCurrentIndex(qMax(0, PrinterBox->findText(printer.printerName())));
    PrinterBox->setWhatsThis(tr("The printer that prints and previews the labels."));
    PrinterDetails = new QLabel(this);
    PropertiesButton = new QPushButton(tr("&Properties…"), this);
    PropertiesButton->setObjectName(QStringLiteral("PropertiesButton"));
    PropertiesButton->setWhatsThis(
        tr("The printer's own page settings: paper, orientation and margins."));

    PaperBox = new QComboBox(this);
    PaperBox->setObjectName(QStringLiteral("PaperBox"));
    PaperBox->setWhatsThis(
        tr("The paper the printer takes. A label sheet of a stock size prints on its own size."));
    PortraitButton = new QRadioButton(tr("P&ortrait"), this);
    PortraitButton->setObjectName(QStringLiteral("PortraitButton"));
    LandscapeButton = new QRadioButton(tr("&Landscape"), this);
    LandscapeButton->setObjectName(QStringLiteral("LandscapeButton"));
    const bool landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    (landscape ? LandscapeButton : PortraitButton)->setChecked(true);
    for (QRadioButton* button : {PortraitButton, LandscapeButton})
        button->setWhatsThis(tr("Which way round the paper goes through."));

    auto* buttons = new QDialogButtonBox(this);
    OkButton = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    CancelButton = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    MouseHelpButton = FixedDialog::NewMouseHelpButton(this);
    buttons->addButton(MouseHelpButton, QDialogButtonBox::HelpRole);
    OkButton->setWhatsThis(tr("Keeps this printer and paper for printing."));
    CancelButton->setWhatsThis(tr("Leaves the printer as it was."));

    auto* printerGroup = new QGroupBox(tr("Printer"), this);
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(PrinterBox, 1);
    printerRow->addWidget(PropertiesButton);
    auto* printerLayout = new QVBoxLayout(printerGroup);
    printerLayout->addLayout(printerRow);
    printerLayout->addWidget(PrinterDetails);
    auto* paperGroup = new QGroupBox(tr("Paper"), this);
    auto* paperLayout = new QFormLayout(paperGroup);
    paperLayout->addRow(tr("Si&ze:"), PaperBox);
    auto* orientationGroup = new QGroupBox(tr("Orientation"), this);
    auto* orientationLayout = new QVBoxLayout(orientationGroup);
    orientationLayout->addWidget(PortraitButton);
    orientationLayout->addWidget(LandscapeButton);
    auto* lower = new QHBoxLayout;
    lower->addWidget(paperGroup, 1);
    lower->addWidget(orientationGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerGroup);
    layout->addLayout(lower);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(420);

    FillPapers(printer.pageLayout().pageSize());
    PrinterBoxChange();
    connect(PrinterBox, &QComboBox::currentIndexChanged, this, [this] {
        FillPapers(ChosenPaper());
        PrinterBoxChange();
    });
    connect(PropertiesButton, &QPushButton::clicked, this, [this] { PropertiesButtonClick(); });
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString TPrinterSetup::ChosenPrinter() const {
    return PrinterBox->currentText();
}

QPageSize TPrinterSetup::ChosenPaper() const {
    const QVariant id = PaperBox->currentData();
    return id.isValid() ? QPageSize(QPageSize::PageSizeId(id.toInt())) : QPageSize();
}

QPageLayout::Orientation TPrinterSetup::ChosenOrientation() const {
    return LandscapeButton->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void TPrinterSetup::ApplyTo(QPrinter& printer) const {
    if (!ChosenPrinter().isEmpty() && printer.printerName() != ChosenPrinter())
        printer.setPrinterName(ChosenPrinter());
    if (ChosenPaper().isValid())
        printer.setPageSize(ChosenPaper());
    printer.setPageOrientation(ChosenOrientation());
}

// The papers the chosen printer takes; the paper chosen before stays when it has it.
void TPrinterSetup::FillPapers(const QPageSize& keep) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(ChosenPrinter());
    QList<QPageSize> sizes = info.isNull() ? QList<QPageSize>{} : info.supportedPageSizes();
    if (sizes.isEmpty())
        sizes = {QPageSize(QPageSize::Letter), QPageSize(QPageSize::A4), QPageSize(QPageSize::A5)};
    PaperBox->clear();
    for (const QPageSize& size : sizes)
        if (size.id() != QPageSize::Custom && PaperBox->findData(int(size.id())) < 0)
            PaperBox->addItem(size.name(), int(size.id()));
    int index = keep.isValid() ? PaperBox->findData(int(keep.id())) : -1;
    if (index < 0 && !info.isNull())
        index = PaperBox->findData(int(info.defaultPageSize().id()));
    PaperBox->setCurrentIndex(qMax(0, index));
}

void TPrinterSetup::PrinterBoxChange() {
    const QPrinterInfo info = QPrinterInfo::printerInfo(ChosenPrinter());
    QStringList details;
    if (!info.isNull()) {
        if (!info.makeAndModel().isEmpty())
            details << tr("Type: %1").arg(info.makeAndModel());
        if (!info.location().isEmpty())
            details << tr("Where: %1").arg(info.location());
    }
    PrinterDetails->setText(details.join(QLatin1Char('\n')));
}

// The printer's own page dialog, on a copy of the device, so that Cancel here still leaves
// the printer as it was.
void TPrinterSetup::PropertiesButtonClick() {
    QPrinter scratch(QPrinter::HighResolution);
    scratch.setPrinterName(ChosenPrinter());
    scratch.setPageSize(ChosenPaper());
    scratch.setPageOrientation(ChosenOrientation());
    QPageSetupDialog properties(&scratch, this);
    if (Prompter::Current().RunDialog(properties) != QDialog::Accepted)
        return;
    const QPageLayout chosen = scratch.pageLayout();
    const int index = PaperBox->findData(int(chosen.pageSize().id()));
    if (index >= 0)
        PaperBox->setCurrentIndex(index);
    (chosen.orientation() == QPageLayout::Landscape ? LandscapeButton : PortraitButton)
        ->setChecked(true);
}
