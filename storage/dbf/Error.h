#pragma once

#include <stdexcept>
#include <string>

namespace dbf {

// What went wrong, so that a program can put the message in its own words; the comment gives
// the English text what() holds, with P the path, F the name, V the value, N the number and
// D the damage or the system's own text.
enum class ErrorKind {
    Message,            // a text of its own, nothing more to read from it
    TableDamaged,       // The table P is damaged (D)
    MemoDamaged,        // The memo file P is damaged (D)
    IndexDamaged,       // The index file P is damaged (D), D in words (value)
    MemoFull,           // The memo file P is full
    MemoMissing,        // The memo file of P is missing
    InUse,              // The table P is in use by another program
    Exists,             // The table P already exists
    NotRegularFile,     // Not a regular file: P
    UnexpectedEnd,      // Unexpected end of file in P
    SystemCall,         // Cannot <operation> P: V    (Replace: Cannot replace F by P: V)
    Closed,             // Cannot <operation>: the table is closed
    ReadOnly,           // Cannot <operation>: P is open read-only
    NotEditing,         // The table P is not being edited
    NoCurrentRecord,    // No current record to delete in P
    PackedNotLocked,    // Cannot lock the packed table P
    NoField,            // The table P has no field F
    NoTag,              // The index of P has no tag F
    NoIndexOrder,       // Seeking needs an index order on P
    TooManyTags,        // Too many index tags on P
    NotANumber,         // 'V' is not a number for field F
    NotNumeric,         // Field F is not numeric
    NotFinite,          // Field F cannot hold a value that is not a number
    DoesNotFit,         // The value V does not fit field F (width N)
    NotLogical,         // Field F is not logical
    NotMemo,            // Field F is not a memo
    FieldCount,         // A table needs 1 to 255 fields
    InvalidFieldName,   // Invalid field name 'F'
    DuplicateFieldName, // Duplicate field name 'F'
    InvalidField,       // Invalid definition of field F
    RecordTooLong,      // Records longer than 65535 bytes
    InvalidTagName,     // Invalid tag name 'F'
    UnsupportedKey,     // Unsupported index key expression 'F' (upper(FIELD) or FIELD on ...)
    IndexTagLimit,      // An index holds at most N tags
    DirectoryPageFull,  // Too many tags for one index directory page
    // Raised by the program's own classes over the engine.
    FileFailed,      // P: V (V the system's own text)
    NoSuchFile,      // P: no such file
    FieldMissing,    // P: no field F
    IndexNotDeleted, // P: cannot delete the index file
    CopyDiffers,     // P: the copy does not read back the same
};

// The damage a table or memo file shows (TableDamaged, MemoDamaged).
enum class Damage {
    None,
    ShorterThanHeader,     // shorter than a table header
    HeaderLength,          // header length N
    DescriptorsPastHeader, // field descriptors run past the header
    FieldWithoutWidth,     // field F has no width
    MemoFieldWidth,        // memo field F of width N
    NoFields,              // no fields
    FieldsPastRecord,      // fields wider than the record length
    Truncated,             // truncated: N records announced
    MemoPointerOfField,    // memo pointer of field F
    MemoPointer,           // memo pointer
    TooShort,              // too short
    BlockSize,             // block size N
    BlockOutside,          // block N is outside the file
    MemoPastEnd,           // memo at block N runs past the end
};

// The operation refused (SystemCall, Closed, ReadOnly).
enum class Operation {
    None,
    Open,        // open
    Create,      // create
    Remove,      // remove
    Replace,     // replace F by P
    ReadSize,    // read the size of
    Read,        // read
    Write,       // write
    Resize,      // resize
    Flush,       // flush
    Lock,        // lock
    Append,      // append
    Edit,        // edit
    Post,        // post
    Delete,      // delete
    Pack,        // pack
    CreateIndex, // create an index
};

// What an error names; each kind reads the members its text uses.
struct ErrorArgs {
    std::string path{};   // the file concerned
    std::string name{};   // a field, tag or key expression; the file replaced by a rename
    std::string value{};  // a value refused, the system's own text, an index's damage in words
    long long number = 0; // a width, count or block
    Damage damage = Damage::None;
    Operation operation = Operation::None;
};

// Every failure of the table engine: a damaged or truncated file, a refused operation, an
// operating-system error. what() names the file and what is wrong with it in English; kind()
// and args() say the same for a program that words it otherwise.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
    Error(ErrorKind kind, ErrorArgs args);

    ErrorKind kind() const { return kind_; }
    const ErrorArgs& args() const { return args_; }

    // The English words of a damage and of an operation, as what() has them.
    static std::string damageText(const ErrorArgs& args);
    static std::string operationText(Operation operation);

private:
    ErrorKind kind_ = ErrorKind::Message;
    ErrorArgs args_;
};

} // namespace dbf
