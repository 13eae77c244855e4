#pragma once

#include <QString>

#include <optional>

class DatabaseConnection;

// Where a database merge source gets its password when the driver's own configuration has
// none: the window asks in a dialog and keeps it for the run, the batch asks on its
// terminal. Never written anywhere.
class DatabasePasswords {
public:
    virtual ~DatabasePasswords() = default;
    // The password to try for connection; refusal is the database's word on the last one
    // ("" on the first asking). nullopt when there is none to give (the user cancelled).
    virtual std::optional<QString> Password(const DatabaseConnection& connection,
                                            const QString& refusal) = 0;
    // The password that connected, to be kept for the run (or not).
    virtual void Accepted(const DatabaseConnection& connection, const QString& password) = 0;
};
