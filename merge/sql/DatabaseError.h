#pragma once

#include <QString>

#include <stdexcept>

// A database that cannot be reached or a query that cannot run, in words, with the
// database's own message. Authentication() tells a refused password (or a missing one)
// from other faults, so that the window can ask for the password again.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& what, bool authentication = false)
        : std::runtime_error(what.toStdString()), authentication_(authentication) {}

    QString Message() const { return QString::fromUtf8(what()); }
    bool Authentication() const { return authentication_; }

private:
    bool authentication_;
};
