#pragma once

#include <memory>

#include "merge/MergeSource.h"

class SpreadsheetReader;

// Merge records from a sheet of a spreadsheet file (ODS, XLSX): its first row that shows
// anything names the fields, every later row that shows anything is a record, and the cells
// read as the spreadsheet shows them (SpreadsheetReader). Rows are read as they come from
// the file, never held.
class SpreadsheetMergeSource : public MergeSource {
public:
    // Opens the sheet of that name, or the first when sheet is empty, and reads its row of
    // names; throws MergeSourceError.
    explicit SpreadsheetMergeSource(const QString& fileName, const QString& sheet = {});
    ~SpreadsheetMergeSource() override;

    QString FileName() const override { return fileName_; }
    void Rewind() override;
    bool Next() override;
    const QStringList& Values() const override { return values_; }
    long long RecordNumber() const override { return record_; }

    // The workbook's sheets, and the one read.
    QStringList SheetNames() const;
    QString SheetName() const;

private:
    // Runs a step of the reader, its faults as this file's.
    template <class Step> auto Read(Step step) const;

    QString fileName_;
    std::unique_ptr<SpreadsheetReader> reader_;
    QStringList values_;
    long long record_ = 0;
};
