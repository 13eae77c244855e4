#include "merge/CsvErrorText.h"

QString CsvErrorText::Of(const CsvReader::Error& error) {
    switch (error.fault) {
    case CsvReader::Fault::NulByte:
        return tr("a NUL byte");
    case CsvReader::Fault::FieldTooLong:
        return tr("a field longer than %1 bytes").arg(CsvReader::MaxFieldBytes);
    case CsvReader::Fault::UnclosedQuote:
        return tr("a quote that is never closed");
    case CsvReader::Fault::TextAfterQuote:
        return tr("text after a closing quote");
    case CsvReader::Fault::TooManyFields:
        return tr("more than %1 fields").arg(CsvReader::MaxFields);
    }
    return QString::fromUtf8(error.what());
}
