#pragma once

#include <QDialog>
#include <functional>

#include "printing/PrinterAlignment.h"

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;

// "Printer Alignment": the correction of the current printer, its offsets in inches or
// millimetres and its scale corrections in per cent. Values beyond the limits are brought
// into bounds with a message and the dialog stays open to show them.
class TPrinterAlignment : public QDialog {
    Q_OBJECT
public:
    TPrinterAlignment(const QString& printerName, QWidget* parent = nullptr);

    void SetAlignment(const PrinterAlignment& alignment);
    // The values on screen, in inches and factors, as typed (not yet bounded).
    PrinterAlignment Alignment() const;
    // "Print Test Sheet" prints with the values on screen, once they are in bounds.
    std::function<void(const PrinterAlignment&)> OnPrintTestSheet;

    QLabel* PrinterLabel;
    QRadioButton* InchesButton;
    QRadioButton* MMButton;
    QDoubleSpinBox* eOffsetX;
    QDoubleSpinBox* eOffsetY;
    QDoubleSpinBox* eScaleX; // per cent more (+) or less (-)
    QDoubleSpinBox* eScaleY;
    QPushButton* TestSheetButton;
    QPushButton* OKButton;
    QPushButton* MouseHelpButton = nullptr;
    QPushButton* CancelButton;

public slots:
    void OKButtonClick();
    void TestSheetButtonClick();

private:
    void ShowUnit(bool millimetres);
    // Bounds the values on screen; false (after the message) when any had to move.
    bool BoundedValues(PrinterAlignment& alignment);

    bool millimetres_ = false;
};
