#pragma once

#include <QDialog>
#include <QPageLayout>
#include <QPageSize>

class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;

// "Printer Setup": which printer, which paper and which way round, confirmed with OK. It
// prints nothing and asks for no copies or pages; the print dialog does that. It starts from
// the printer device's settings; on OK the caller puts the choice into the device
// (ApplyTo), which every later job uses.
class TPrinterSetup : public QDialog {
    Q_OBJECT
public:
    explicit TPrinterSetup(const QPrinter& printer, QWidget* parent = nullptr);

    void ApplyTo(QPrinter& printer) const;

    QString ChosenPrinter() const;
    QPageSize ChosenPaper() const;
    QPageLayout::Orientation ChosenOrientation() const;

    QComboBox* PrinterBox = nullptr;
    QLabel* PrinterDetails = nullptr;
    QPushButton* PropertiesButton = nullptr;
    QComboBox* PaperBox = nullptr;
    QRadioButton* PortraitButton = nullptr;
    QRadioButton* LandscapeButton = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* MouseHelpButton = nullptr;

private:
    void PrinterBoxChange();
    void PropertiesButtonClick();
    void FillPapers(const QPageSize& keep);
};
