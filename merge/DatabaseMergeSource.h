#pragma once

#include <memory>

#include "merge/MergeSource.h"
#include "merge/sql/DatabaseConnection.h"

class DatabasePasswords;
class DatabaseReader;

// Merge records from a database: every row of a table, or of a SELECT query, one record
// each, with the result's columns as the fields (DatabaseReader: forward only, read-only).
class DatabaseMergeSource : public MergeSource {
public:
    // Connects (the driver's own configuration first, then passwords, which may be null),
    // runs the reading once for its columns; throws MergeSourceError with the database's
    // message.
    DatabaseMergeSource(const DatabaseConnection& connection, const QString& table,
                        const QString& query, DatabasePasswords* passwords);
    ~DatabaseMergeSource() override;

    QString FileName() const override;
    QString DisplayName() const override { return FileName(); }
    void Rewind() override;
    bool Next() override;
    const QStringList& Values() const override { return values_; }
    long long RecordNumber() const override { return record_; }

    // The database's tables and views.
    QStringList Tables() const;

private:
    void Connect(DatabasePasswords* passwords);
    [[noreturn]] void Fail(const QString& what) const;

    DatabaseConnection connection_;
    QString table_;
    QString query_;
    std::unique_ptr<DatabaseReader> reader_;
    QStringList values_;
    long long record_ = 0;
    bool started_ = false; // the reader's current reading has not yet given a row
};
