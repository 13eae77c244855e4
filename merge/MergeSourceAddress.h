#pragma once

#include <QString>

#include <memory>

#include "merge/sql/DatabaseConnection.h"

class DatabasePasswords;
class MergeSource;

// What a label merges from, as one line of text: what QV.INI keeps by the label and what the
// batch is given.
//   /home/ann/guests.csv                           a file of any kind the registry reads
//   file:///home/ann/stock.xlsx?sheet=Shelf%20B     a spreadsheet's sheet other than its first
//   postgresql://ann@db/shop?table=products        every row of a database's table
//   sqlite:///home/ann/shop.db?query=SELECT%20...   the rows of a SELECT query
// A plain file's line is its path, as it always was; a database's never holds a password.
class MergeSourceAddress {
public:
    QString fileName;
    QString sheet; // a spreadsheet's sheet; "" for the first
    DatabaseConnection database;
    QString table;
    QString query;

    bool IsDatabase() const { return database.kind != DatabaseConnection::Kind::None; }
    bool IsEmpty() const { return fileName.isEmpty() && !IsDatabase(); }

    // Throws MergeSourceError for a database address it cannot read.
    static MergeSourceAddress Parse(const QString& text);
    QString ToText() const;
    // How the Merge dialog names it: the file (and sheet), or the database (and table).
    QString Display() const;

    // Opens the source; passwords (may be null) answers a database that wants one. Throws
    // MergeSourceError.
    std::unique_ptr<MergeSource> Open(DatabasePasswords* passwords) const;
};
