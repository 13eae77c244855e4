#pragma once

#include <QHash>
#include <QString>

#include "merge/DatabasePasswords.h"

// The window's database passwords: asked for in a small dialog (through the prompter, so
// that tests can answer it) and kept in memory for the rest of the run by the connection's
// address, so that printing does not ask again. Nothing is ever written.
class SessionPasswords : public DatabasePasswords {
public:
    std::optional<QString> Password(const DatabaseConnection& connection,
                                    const QString& refusal) override;
    void Accepted(const DatabaseConnection& connection, const QString& password) override;

private:
    QHash<QString, QString> kept_; // connection URL -> password
};
