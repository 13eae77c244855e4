#pragma once

#include <QString>

#include <stdexcept>

// A spreadsheet that cannot be read, or that is refused as hostile; the message says why in
// words a user can act on ("the sheet \"Stock\" is not in the file").
class SpreadsheetError : public std::runtime_error {
public:
    explicit SpreadsheetError(const QString& what) : std::runtime_error(what.toStdString()) {}

    QString Message() const { return QString::fromUtf8(what()); }
};
