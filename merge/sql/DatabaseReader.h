#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

#include "merge/sql/DatabaseConnection.h"

class QSqlQuery;

// Rows of a database read for a merge: a table's or a SELECT query's, fetched forward only so
// that a result of any length costs a row at a time (PostgreSQL sends them one by one). The
// reading runs in a read-only transaction where the database has them (PostgreSQL, MySQL and
// MariaDB; SQLite is opened read-only and set to refuse writes; ODBC is asked for read-only
// access), so that the database itself refuses a query that would change anything, and the
// query must be one SELECT statement (QueryCheck) before it is sent at all.
class DatabaseReader {
public:
    // Connects; password "" leaves it to the driver's own configuration. Throws
    // DatabaseError with the database's message.
    DatabaseReader(const DatabaseConnection& connection, const QString& password);
    ~DatabaseReader();
    DatabaseReader(const DatabaseReader&) = delete;
    DatabaseReader& operator=(const DatabaseReader&) = delete;

    const DatabaseConnection& Connection() const { return connection_; }
    // The tables and views, sorted.
    QStringList Tables() const;

    // Starts reading every column of table, or the rows of query when table is empty; ends
    // an earlier reading first. Throws DatabaseError.
    void Start(const QString& table, const QString& query);
    // The result's column names.
    const QStringList& Columns() const { return columns_; }
    // The next row's values as text; false after the last. Throws DatabaseError when the
    // database fails or goes away.
    bool Next(QStringList& values);
    // The row last read, from 1.
    long long RowNumber() const { return row_; }
    // Ends the reading and its transaction.
    void Finish();

    // A value as a label shows it: dates and times in ISO 8601, whole numbers without a
    // decimal point, NULL as nothing.
    static QString Text(const QVariant& value);

private:
    [[noreturn]] void Fail(const QString& what, const QString& databaseText) const;
    void Execute(const QString& statement);

    DatabaseConnection connection_;
    QString name_; // Qt's name of the connection
    std::unique_ptr<QSqlQuery> query_;
    QStringList columns_;
    long long row_ = 0;
    bool transaction_ = false;
};
