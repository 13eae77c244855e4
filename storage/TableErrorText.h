#pragma once

#include "storage/dbf/Error.h"

#include <QCoreApplication>
#include <QString>

#include <exception>

// What a user reads when the table engine fails, in the language of the program's texts: the
// engine's kind of error and the names it gives, worded anew. In English it is what() word for
// word; paths show with the system's separators.
class TableErrorText {
    Q_DECLARE_TR_FUNCTIONS(TableErrorText)

public:
    static QString Of(const dbf::Error& error);
    // A dbf::Error as above; any other exception's what() as it stands.
    static QString Of(const std::exception& error);

private:
    static QString Damage(const dbf::ErrorArgs& args);
    static QString SystemCall(const dbf::ErrorArgs& args);
    static QString Operation(dbf::Operation operation);
};
