#pragma once

#include <QString>

#include <stdexcept>

// A merge source that cannot be read: the message names the file and where in it the fault
// lies ("addresses.csv, line 12 (record 11): a quote that is never closed").
class MergeSourceError : public std::runtime_error {
public:
    // line and record count from 1; 0 leaves them out of the message.
    MergeSourceError(const QString& fileName, long long line, long long record,
                     const QString& what);

    QString Message() const { return QString::fromUtf8(what()); }
};
