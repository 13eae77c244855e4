#pragma once

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "merge/CsvReader.h"
#include "merge/MergeSource.h"

// Merge records from CSV text: the first row names the fields, the delimiter (',', ';' or
// tab) is taken from it, and every later row must have as many fields. Text is UTF-8, with
// or without a byte-order mark; a field that is not valid UTF-8 reads as Windows-1252, as
// the tables' text does.
class CsvMergeSource : public MergeSource {
public:
    // Opens the file and reads its first row; throws MergeSourceError.
    explicit CsvMergeSource(const QString& fileName);

    QString FileName() const override { return fileName_; }
    void Rewind() override;
    bool Next() override;
    const QStringList& Values() const override { return values_; }
    long long RecordNumber() const override { return record_; }
    char Delimiter() const { return delimiter_; }

private:
    void Restart();
    [[noreturn]] void Fail(long long line, const QString& what) const;

    QString fileName_;
    char delimiter_ = ',';
    std::ifstream stream_;
    std::unique_ptr<CsvReader> reader_;
    std::vector<std::string> fields_;
    QStringList values_;
    long long record_ = 0;
};
