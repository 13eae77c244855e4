#pragma once

#include "storage/dbf/Table.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// A table of the data directory as the program's windows use it: the engine's table with
// field values as Qt text. Navigation follows the current index order and skips records
// marked deleted. Engine failures (a damaged file, a refused operation) are thrown as
// dbf::Error and end the operation in progress.
class DataTable {
public:
    explicit DataTable(std::unique_ptr<dbf::Table> table);
    virtual ~DataTable();
    DataTable(const DataTable&) = delete;
    DataTable& operator=(const DataTable&) = delete;

    dbf::Table& Engine() { return *table_; }
    const dbf::Table& Engine() const { return *table_; }
    QString FilePath() const;
    void Close();

    // ---- navigation
    void First();
    void Next();
    void Last();
    void Prior();
    bool Eof() const;
    bool Bof() const;
    // Positions on a record by number (1-based); out of range leaves no current record.
    void Go(quint32 recordNumber);
    // Finds the first record whose key in the current order starts at or after `value`
    // (without regard to case); true when its key starts with `value`.
    bool Seek(const QString& value);
    quint32 RecordCount() const; // deleted records included
    quint32 RecNo() const;       // RecordCount() + 1 when there is no current record
    bool IsDeleted() const;
    bool HasCurrentRecord() const { return !Eof(); }

    // ---- editing
    dbf::State State() const;
    bool IsBrowsing() const { return State() == dbf::State::Browse; }
    void Append();
    void Edit(); // on a table without a current record this appends
    void Post();
    void Cancel();
    // Runs write on the record being appended or edited, then posts it. A failure cancels
    // the append or edit (the table is left browsing, nothing half-written) before the
    // error goes on.
    void PostOrCancel(const std::function<void()>& write);
    void Delete(); // marks the current record deleted; it disappears from view
    void Pack();   // removes deleted records for good; record numbers close up

    // ---- field values by field name (case-insensitive)
    QString Text(const QString& field) const;
    double Float(const QString& field) const;
    int Integer(const QString& field) const;
    bool Logical(const QString& field) const;
    bool IsBlank(const QString& field) const;
    QStringList MemoLines(const QString& field) const;
    QString Memo(const QString& field) const;

    // Writing needs Append or Edit first. Text is cut to the field's width in bytes at a
    // character boundary, exactly as FitToField gives it.
    void SetText(const QString& field, const QString& value);
    void SetFloat(const QString& field, double value);
    void SetInteger(const QString& field, int value);
    void SetLogical(const QString& field, bool value);
    void SetBlank(const QString& field);
    void SetMemoLines(const QString& field, const QStringList& lines);
    void SetMemo(const QString& field, const QString& text);

    // The stored form of `text` in a character field: its UTF-8 cut to the field's width in
    // bytes, never in the middle of a character.
    QString FitToField(const QString& field, const QString& text) const;
    int FieldWidth(const QString& field) const; // bytes; dbf::Error for an unknown field

    // ---- index
    void CreateIndexTag(const QString& tag, const QString& expression);
    void SetOrder(const QString& tag); // "" = record order
    QString Order() const;
    QStringList TagNames() const;
    QString IndexFileName() const; // "" when no index is open
    void CloseIndexes();

    // Called after the current record or the editing state changes (the data source's
    // change notification).
    void SetOnChange(std::function<void(dbf::Change)> onChange);

    // The UTF-8 prefix of `text` that fits in `maxBytes` bytes without splitting a character.
    static QString TruncateUtf8(const QString& text, int maxBytes);

protected:
    std::unique_ptr<dbf::Table> table_;
};
