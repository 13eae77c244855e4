#pragma once

#include <memory>

#include "merge/MergeSource.h"

namespace dbf {
class Table;
}

// Merge records from a dBASE or FoxPro table, read through our own engine without a lock:
// the fields are the table's, memo fields included, in record order; records marked
// deleted are left out.
class TableMergeSource : public MergeSource {
public:
    // Opens the table read-only; throws MergeSourceError when it cannot be opened.
    explicit TableMergeSource(const QString& fileName);
    ~TableMergeSource() override;

    QString FileName() const override { return fileName_; }
    void Rewind() override;
    bool Next() override;
    const QStringList& Values() const override { return values_; }
    long long RecordNumber() const override;

private:
    QString fileName_;
    std::unique_ptr<dbf::Table> table_;
    bool beforeFirst_ = true;
    QStringList values_;
};
