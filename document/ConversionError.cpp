#include "document/ConversionError.h"

ConversionError::ConversionError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

ConversionError ConversionError::InvalidInteger(const QString& value) {
    return ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(value));
}

ConversionError ConversionError::InvalidFloat(const QString& value) {
    return ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(value));
}

ConversionError ConversionError::InvalidSymbology(const QString& value) {
    return ConversionError(QStringLiteral("'%1' is not a valid symbology value").arg(value));
}
