#include "document/ObjectsTextSyntax.h"

#include "document/ConversionError.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace {

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView trimmedBlanks(QStringView value) {
    qsizetype begin = 0;
    qsizetype end = value.size();
    while (begin < end && isBlank(value[begin]))
        ++begin;
    while (end > begin && isBlank(value[end - 1]))
        --end;
    return value.mid(begin, end - begin);
}

// The ASCII form of a number, or empty when the value holds anything else.
std::string asciiNumber(QStringView value) {
    std::string ascii;
    ascii.reserve(static_cast<size_t>(value.size()));
    for (QChar c : value) {
        if (c.unicode() > 0x7f)
            return {};
        ascii.push_back(static_cast<char>(c.unicode()));
    }
    return ascii;
}

// sign? digits* ("." digits*)? ([eE] sign? digits+)? with at least one mantissa digit.
bool isDecimalNumber(const std::string& s) {
    size_t i = 0;
    auto digits = [&] {
        size_t start = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i;
        return i - start;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    size_t mantissaDigits = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == s.size();
}

} // namespace

std::optional<ObjectsLine> SplitObjectsLine(QStringView line) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return ObjectsLine{line.left(equals), line.mid(equals + 1)};
}

int ForEachObjectsLine(QStringView text,
                       const std::function<void(QStringView key, QStringView value)>& handle) {
    int handled = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const auto line = SplitObjectsLine(text.mid(start, end - start));
        if (!line)
            break;
        handle(line->key, line->value);
        ++handled;
        if (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return handled;
}

int ParseStoredInteger(QStringView value) {
    std::string ascii = asciiNumber(trimmedBlanks(value));
    const char* begin = ascii.data();
    const char* end = begin + ascii.size();
    // from_chars takes no "+"; a "+-" must still fail.
    if (begin != end && *begin == '+' && begin + 1 != end && begin[1] != '-')
        ++begin;
    int result = 0;
    const auto [ptr, error] = std::from_chars(begin, end, result);
    if (ascii.empty() || error != std::errc() || ptr != end)
        throw ConversionError::InvalidInteger(value.toString());
    return result;
}

double ParseStoredFloat(QStringView value) {
    std::string ascii = asciiNumber(trimmedBlanks(value));
    if (!isDecimalNumber(ascii))
        throw ConversionError::InvalidFloat(value.toString());
    const char* begin = ascii.data();
    if (*begin == '+')
        ++begin;
    double result = 0;
    const auto [ptr, error] = std::from_chars(begin, ascii.data() + ascii.size(), result);
    if (error != std::errc() || !std::isfinite(result))
        throw ConversionError::InvalidFloat(value.toString());
    return result;
}

BarcodeSymbology ParseStoredSymbology(QStringView value) {
    const auto symbology = BarcodeSymbologyFromName(value);
    if (!symbology)
        throw ConversionError::InvalidSymbology(value.toString());
    return *symbology;
}

bool ContainsLineBreak(QStringView value) {
    for (QChar c : value) {
        if (isLineBreak(c))
            return true;
    }
    return false;
}

QString WithoutLineBreaks(QStringView value) {
    QString result;
    result.reserve(value.size());
    for (QChar c : value) {
        if (!isLineBreak(c))
            result += c;
    }
    return result;
}
