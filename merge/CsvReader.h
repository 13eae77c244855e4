#pragma once

#include <cstddef>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A streaming reader of comma-separated text (RFC 4180): fields may be quoted, and a quoted
// field may hold the delimiter, doubled quotes and line breaks (CR LF, LF or CR; each read
// back as LF). Records end at CR LF, LF or CR; empty lines between records are skipped.
// Only one record is held at a time, and a field longer than the limit is refused as soon as
// it passes it, so a file of any size reads in bounded memory. Fields are the file's bytes;
// decoding them is the caller's business.
class CsvReader {
public:
    // What is wrong with the text; what() words it in English.
    enum class Fault {
        NulByte,        // a NUL byte
        FieldTooLong,   // a field longer than MaxFieldBytes bytes
        UnclosedQuote,  // a quote that is never closed
        TextAfterQuote, // text after a closing quote
        TooManyFields,  // more than MaxFields fields
    };

    // A fault of the text, with the line (from 1) where it lies.
    class Error : public std::runtime_error {
    public:
        Error(long long atLine, Fault what)
            : std::runtime_error(Text(what)), line(atLine), fault(what) {}
        static std::string Text(Fault fault);
        long long line;
        Fault fault;
    };

    static constexpr std::size_t MaxFieldBytes = 64 * 1024;
    static constexpr std::size_t MaxFields = 1024;

    // Reads from in with this delimiter; a UTF-8 byte-order mark at the start is skipped.
    CsvReader(std::istream& in, char delimiter);

    // Reads the next record into fields; false at the end of the text. Throws Error for an
    // unterminated quote, text after a closing quote, a NUL byte, a field past MaxFieldBytes
    // or a record of more than MaxFields fields.
    bool ReadRecord(std::vector<std::string>& fields);
    // The line on which the last record read starts.
    long long RecordLine() const { return recordLine_; }

    // The delimiter of a text whose first line is firstLine: whichever of ',', ';' and tab
    // occurs most often outside quotes (',' when none does or on a tie).
    static char DetectDelimiter(std::string_view firstLine);

private:
    int Get();
    int Peek();
    void Fill();
    void ReadQuoted(std::string& field);
    void Append(std::string& field, char c);
    void EndLine(int c);

    std::istream& in_;
    char delimiter_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    long long line_ = 1;
    long long recordLine_ = 0;
    bool started_ = false;
};
