#pragma once

#include <QString>

#include <stdexcept>

// A stored value that cannot be read as the number its key needs. It ends the reading in
// progress; whatever was created before it stays. The message is shown as it stands.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message);

    // "'abc' is not a valid integer value"
    static ConversionError InvalidInteger(const QString& value);
    // "'abc' is not a valid floating point value"
    static ConversionError InvalidFloat(const QString& value);
    // "'XYZ' is not a valid symbology value"
    static ConversionError InvalidSymbology(const QString& value);

    const QString& message() const { return message_; }

private:
    QString message_;
};
