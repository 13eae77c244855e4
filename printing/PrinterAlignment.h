#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

// A printer's correction of where it puts the page on the paper: a shift and a small change
// of scale about the paper's top-left corner. A point meant at (x, y) inches is drawn at
// (x * ScaleX + OffsetX, y * ScaleY + OffsetY), so one correction serves every label.
struct PrinterAlignment {
    double OffsetX = 0; // inches, positive to the right
    double OffsetY = 0; // inches, positive downwards
    double ScaleX = 1;  // 1.01: one per cent wider
    double ScaleY = 1;

    static constexpr double MaxOffset = 0.5;    // inches either way
    static constexpr double OffsetStep = 0.005; // inches, the dialog's step
    static constexpr double MaxScaleChange = 0.02;

    bool IsIdentity() const { return *this == PrinterAlignment{}; }
    QPointF ToPaper(const QPointF& inches) const {
        return {inches.x() * ScaleX + OffsetX, inches.y() * ScaleY + OffsetY};
    }

    // Brings every value into bounds (a value that is not a number becomes its default);
    // returns the messages naming what was changed, empty when everything was in bounds.
    QStringList Clamp();

    bool operator==(const PrinterAlignment&) const = default;
};

// Where the corrections of the printers are kept (QV.INI in the program).
class PrinterAlignmentStore {
public:
    virtual ~PrinterAlignmentStore() = default;
    // The printer's correction; none (the identity) when it has no entry.
    virtual PrinterAlignment Read(const QString& printerName) const = 0;
    virtual bool Write(const QString& printerName, const PrinterAlignment& alignment) = 0;
};
