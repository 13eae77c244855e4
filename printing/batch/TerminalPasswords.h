#pragma once

#include "merge/DatabasePasswords.h"

// The batch's database passwords: asked for on the terminal, without echo, when the driver's
// own configuration (~/.pgpass, PGPASSWORD...) has none; none without a terminal, so that a
// run from a script fails with the database's reason instead of waiting.
class TerminalPasswords : public DatabasePasswords {
public:
    std::optional<QString> Password(const DatabaseConnection& connection,
                                    const QString& refusal) override;
    void Accepted(const DatabaseConnection&, const QString&) override {}
};
