#include "storage/CsvReader.h"

namespace {

constexpr int kEnd = -1;
constexpr std::size_t kBufferBytes = 64 * 1024;

bool IsLineEnd(int c) {
    return c == '\r' || c == '\n';
}

} // namespace

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
        throw Error(line_, "a NUL byte");
    if (field.size() >= MaxFieldBytes)
        throw Error(recordLine_, "a field longer than " + std::to_string(MaxFieldBytes) + " bytes");
    field += c;
}

// Reads a quoted field after its opening quote, up to and including its closing quote.
bool CsvReader::ReadQuoted(std::string& field) {
    const long long opened = line_;
    for (;;) {
        const int c = Get();
        if (c == kEnd)
            throw Error(opened, "a quote opened on line " + std::to_string(opened) +
                                    " is never closed");
        if (c == '"') {
            if (Peek() != '"')
                return true;
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
        if (Peek() == 0xEF) { // a byte-order mark is three bytes, all before the first field
            std::string mark;
            for (int i = 0; i < 3 && Peek() != kEnd; ++i)
                mark += char(Get());
            if (mark != "\xEF\xBB\xBF")
                for (char c : mark)
                    fields.emplace_back(1, c); // put back below as the first field's start
        }
    }
    std::string field;
    if (!fields.empty()) {
        for (const std::string& byte : fields)
            field += byte;
        fields.clear();
    } else {
        while (IsLineEnd(Peek()))
            EndLine(Get());
        if (Peek() == kEnd)
            return false;
    }
    recordLine_ = line_;
    for (;;) {
        int c = Get();
        if (c == '"' && field.empty()) {
            ReadQuoted(field);
            c = Get();
            if (c != kEnd && c != delimiter_ && !IsLineEnd(c))
                throw Error(line_, "text after a closing quote");
        } else {
            while (c != kEnd && c != delimiter_ && !IsLineEnd(c)) {
                Append(field, char(c));
                c = Get();
            }
        }
        if (fields.size() >= MaxFields)
            throw Error(recordLine_, "more than " + std::to_string(MaxFields) + " fields");
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
        else if (!quoted)
            commas += c == ',', semicolons += c == ';', tabs += c == '\t';
    }
    if (semicolons > commas && semicolons >= tabs)
        return ';';
    if (tabs > commas && tabs > semicolons)
        return '\t';
    return ',';
}
