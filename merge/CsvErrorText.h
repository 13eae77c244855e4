#pragma once

#include "merge/CsvReader.h"

#include <QCoreApplication>
#include <QString>

// What a user reads for a fault of a comma-separated text, in the language of the program's
// texts; in English it is the reader's what() word for word.
class CsvErrorText {
    Q_DECLARE_TR_FUNCTIONS(CsvErrorText)

public:
    static QString Of(const CsvReader::Error& error);
};
