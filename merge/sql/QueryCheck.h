#pragma once

#include <QString>

// The first gate for a merge query, before the database's own (a read-only transaction):
// one statement, and a SELECT (WITH ... SELECT and a parenthesised SELECT included). Quotes,
// comments and PostgreSQL's dollar quotes are read past, so that a ';' or a keyword inside
// them counts for nothing.
class QueryCheck {
public:
    // Why the text is not run ("only SELECT statements are run; this one begins with
    // DELETE"), or "" when it may be.
    static QString Refusal(const QString& sql);
};
