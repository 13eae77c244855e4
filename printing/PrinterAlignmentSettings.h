#pragma once

#include <QString>

#include "printing/PrinterAlignment.h"

// The printers' corrections in QV.INI, section "Printers", one group of keys per printer
// name ("OffsetX", "OffsetY" in inches, "ScaleX", "ScaleY" as factors), numbers always with
// ".". A value that cannot be read is taken as its default; one out of bounds as its limit.
class PrinterAlignmentSettings : public PrinterAlignmentStore {
public:
    explicit PrinterAlignmentSettings(const QString& iniFileName);

    PrinterAlignment Read(const QString& printerName) const override;
    bool Write(const QString& printerName, const PrinterAlignment& alignment) override;

    // The group of a printer's keys; a name's separators cannot split it into groups.
    static QString Group(const QString& printerName);

private:
    QString fileName_;
};
