#include "merge/CsvReader.h"

namespace {

constexpr int kEnd = -1;
constexpr std::size_t kBufferBytes = 64 * 1024;

bool IsLineEnd(int c) {
    return c == '\r' || c == '\n';
}

} // namespace

std::string CsvReader::Error::Text(Fault fault) {
    switch (fault) {
    case Fault::NulByte:
        return "a NUL byte";
    case Fault::FieldTooLong:
        return "a field longer than " + std::to_string(MaxFieldBytes) + " bytes";
    case Fault::UnclosedQuote:
        return "a quote that is never closed";
    case Fault::TextAfterQuote:
        return "text after a closing quote";
    case Fault::TooManyFields:
        return "more than " + std::to_string(MaxFields) + " fields";
    }
    return {};
}

CsvReader::CsvReader(std::istream& in, char delimiter)
    : in_(in), delimiter_(delimiter), buffer_(kBufferBytes) {}

void CsvReader::Fill() {
    position_ = 0;
    filled_ = 0;
    if (!in_)
        return;
    in_.read(buffer_.data(), std::streamsize(buffer_.size()));
    filled_ = std::size_t(in_.gcount());
}

int CsvReader::Peek() {
    if (position_ == filled_)
        Fill();
    return position_ < filled_ ? static_cast<unsigned char>(buffer_[position_]) : kEnd;
}

int CsvReader::Get() {
    const int c = Peek();
    if (c != kEnd)
        ++position_;
    return c;
}

// Consumes the rest of a line break whose first character c was read.
void CsvReader::EndLine(int c) {
    if (c == '\r' && Peek() == '\n')
        Get();
    ++line_;
}

void CsvReader::Append(std::string& field, char c) {
    if (c == '\0')
        throw Error(line_, Fault::NulByte);
    if (field.size() >= MaxFieldBytes)
        throw Error(recordLine_, Fault::FieldTooLong);
    field += c;
}

// Reads a quoted field after its opening quote, up to and including its closing quote.
void CsvReader::ReadQuoted(std::string& field) {
    const long long opened = line_;
    for (;;) {
        const int c = Get();
        if (c == kEnd)
            throw Error(opened, Fault::UnclosedQuote);
        if (c == '"') {
            if (Peek() != '"')
                return;
            Get();
        } else if (IsLineEnd(c)) {
            EndLine(c);
            Append(field, '\n');
            continue;
        }
        Append(field, char(c));
    }
}

bool CsvReader::ReadRecord(std::vector<std::string>& fields) {
    fields.clear();
    if (!started_) {
        started_ = true;
        Peek();
        if (filled_ >= 3 && std::string_view(buffer_.data(), 3) == "\xEF\xBB\xBF")
            position_ = 3;
    }
    while (IsLineEnd(Peek()))
        EndLine(Get());
    if (Peek() == kEnd)
        return false;
    recordLine_ = line_;
    std::string field;
    for (;;) {
        int c = Get();
        if (c == '"') {
            ReadQuoted(field);
            c = Get();
            if (c != kEnd && c != delimiter_ && !IsLineEnd(c))
                throw Error(line_, Fault::TextAfterQuote);
        } else {
            // A quote inside an unquoted field is kept as typed.
            while (c != kEnd && c != delimiter_ && !IsLineEnd(c)) {
                Append(field, char(c));
                c = Get();
            }
        }
        if (fields.size() >= MaxFields)
            throw Error(recordLine_, Fault::TooManyFields);
        fields.push_back(std::move(field));
        field.clear();
        if (c == delimiter_)
            continue;
        if (IsLineEnd(c))
            EndLine(c);
        return true;
    }
}

char CsvReader::DetectDelimiter(std::string_view firstLine) {
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const char c : firstLine) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && IsLineEnd(c))
            break;
        else if (!quoted) {
            commas += c == ',';
            semicolons += c == ';';
            tabs += c == '\t';
        }
    }
    if (semicolons > commas && semicolons >= tabs)
        return ';';
    if (tabs > commas && tabs > semicolons)
        return '\t';
    return ',';
}
