#pragma once

#include <QString>

// Where a database merge source lives: a Qt SQL driver and what it connects with. It never
// holds a password: that is asked for when connecting, or found by the driver itself
// (~/.pgpass or PGPASSWORD for PostgreSQL, ~/.my.cnf for MySQL and MariaDB, the data
// source's own settings for ODBC), so that it can be written anywhere.
//
// As text it is a URL: postgresql://user@host:port/database, mysql://user@host:port/database,
// sqlite:///path/to/file.db, odbc://DSN (odbc://user@DSN). A host that is a folder (a
// PostgreSQL socket directory) is written percent-encoded; "?key=value&..." passes options
// to the driver (sslmode=require, connect_timeout=10).
class DatabaseConnection {
public:
    enum class Kind { None, PostgreSQL, MySQL, SQLite, ODBC };

    Kind kind = Kind::None;
    QString host;
    int port = 0;     // 0: the driver's default
    QString database; // a database name, SQLite's file, or an ODBC data source name
    QString user;
    QString options; // the driver's connect options, "key=value;key=value"

    // Throws DatabaseError for an address it cannot read or one that holds a password.
    static DatabaseConnection FromUrl(const QString& url);
    QString ToUrl() const;
    bool IsValid() const { return kind != Kind::None && !database.isEmpty(); }

    // The Qt SQL driver's name ("QPSQL").
    QString DriverName() const;
    // "PostgreSQL", "SQLite"...
    static QString KindName(Kind kind);
    // For messages: "the PostgreSQL database \"stock\" on db.example.org".
    QString Describe() const;

    bool operator==(const DatabaseConnection&) const = default;
};
