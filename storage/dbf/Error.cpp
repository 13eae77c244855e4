#include "storage/dbf/Error.h"

#include <utility>

namespace dbf {

namespace {

std::string englishText(ErrorKind kind, const ErrorArgs& a) {
    const std::string n = std::to_string(a.number);
    switch (kind) {
    case ErrorKind::Message:
        return a.value;
    case ErrorKind::TableDamaged:
        return "The table " + a.path + " is damaged (" + Error::damageText(a) + ")";
    case ErrorKind::MemoDamaged:
        return "The memo file " + a.path + " is damaged (" + Error::damageText(a) + ")";
    case ErrorKind::IndexDamaged:
        return "The index file " + a.path + " is damaged (" + a.value + ")";
    case ErrorKind::MemoFull:
        return "The memo file " + a.path + " is full";
    case ErrorKind::MemoMissing:
        return "The memo file of " + a.path + " is missing";
    case ErrorKind::InUse:
        return "The table " + a.path + " is in use by another program";
    case ErrorKind::Exists:
        return "The table " + a.path + " already exists";
    case ErrorKind::NotRegularFile:
        return "Not a regular file: " + a.path;
    case ErrorKind::UnexpectedEnd:
        return "Unexpected end of file in " + a.path;
    case ErrorKind::SystemCall:
        if (a.operation == Operation::Replace)
            return "Cannot replace " + a.name + " by " + a.path + ": " + a.value;
        return "Cannot " + Error::operationText(a.operation) + " " + a.path + ": " + a.value;
    case ErrorKind::Closed:
        return "Cannot " + Error::operationText(a.operation) + ": the table is closed";
    case ErrorKind::ReadOnly:
        return "Cannot " + Error::operationText(a.operation) + ": " + a.path + " is open read-only";
    case ErrorKind::NotEditing:
        return "The table " + a.path + " is not being edited";
    case ErrorKind::NoCurrentRecord:
        return "No current record to delete in " + a.path;
    case ErrorKind::PackedNotLocked:
        return "Cannot lock the packed table " + a.path;
    case ErrorKind::NoField:
        return "The table " + a.path + " has no field " + a.name;
    case ErrorKind::NoTag:
        return "The index of " + a.path + " has no tag " + a.name;
    case ErrorKind::NoIndexOrder:
        return "Seeking needs an index order on " + a.path;
    case ErrorKind::TooManyTags:
        return "Too many index tags on " + a.path;
    case ErrorKind::NotANumber:
        return "'" + a.value + "' is not a number for field " + a.name;
    case ErrorKind::NotNumeric:
        return "Field " + a.name + " is not numeric";
    case ErrorKind::NotFinite:
        return "Field " + a.name + " cannot hold a value that is not a number";
    case ErrorKind::DoesNotFit:
        return "The value " + a.value + " does not fit field " + a.name + " (width " + n + ")";
    case ErrorKind::NotLogical:
        return "Field " + a.name + " is not logical";
    case ErrorKind::NotMemo:
        return "Field " + a.name + " is not a memo";
    case ErrorKind::FieldCount:
        return "A table needs 1 to 255 fields";
    case ErrorKind::InvalidFieldName:
        return "Invalid field name '" + a.name + "'";
    case ErrorKind::DuplicateFieldName:
        return "Duplicate field name '" + a.name + "'";
    case ErrorKind::InvalidField:
        return "Invalid definition of field " + a.name;
    case ErrorKind::RecordTooLong:
        return "Records longer than 65535 bytes";
    case ErrorKind::InvalidTagName:
        return "Invalid tag name '" + a.name + "'";
    case ErrorKind::UnsupportedKey:
        return "Unsupported index key expression '" + a.name +
               "' (upper(FIELD) or FIELD on a character field)";
    case ErrorKind::IndexTagLimit:
        return "An index holds at most " + n + " tags";
    case ErrorKind::DirectoryPageFull:
        return "Too many tags for one index directory page";
    case ErrorKind::FileFailed:
        return a.path + ": " + a.value;
    case ErrorKind::NoSuchFile:
        return a.path + ": no such file";
    case ErrorKind::FieldMissing:
        return a.path + ": no field " + a.name;
    case ErrorKind::IndexNotDeleted:
        return a.path + ": cannot delete the index file";
    case ErrorKind::CopyDiffers:
        return a.path + ": the copy does not read back the same";
    }
    return a.value;
}

} // namespace

Error::Error(ErrorKind kind, ErrorArgs args)
    : std::runtime_error(englishText(kind, args)), kind_(kind), args_(std::move(args)) {}

std::string Error::damageText(const ErrorArgs& a) {
    const std::string n = std::to_string(a.number);
    switch (a.damage) {
    case Damage::None:
        return a.value;
    case Damage::ShorterThanHeader:
        return "shorter than a table header";
    case Damage::HeaderLength:
        return "header length " + n;
    case Damage::DescriptorsPastHeader:
        return "field descriptors run past the header";
    case Damage::FieldWithoutWidth:
        return "field " + a.name + " has no width";
    case Damage::MemoFieldWidth:
        return "memo field " + a.name + " of width " + n;
    case Damage::NoFields:
        return "no fields";
    case Damage::FieldsPastRecord:
        return "fields wider than the record length";
    case Damage::Truncated:
        return "truncated: " + n + " records announced";
    case Damage::MemoPointerOfField:
        return "memo pointer of field " + a.name;
    case Damage::MemoPointer:
        return "memo pointer";
    case Damage::TooShort:
        return "too short";
    case Damage::BlockSize:
        return "block size " + n;
    case Damage::BlockOutside:
        return "block " + n + " is outside the file";
    case Damage::MemoPastEnd:
        return "memo at block " + n + " runs past the end";
    }
    return a.value;
}

std::string Error::operationText(Operation operation) {
    switch (operation) {
    case Operation::None:
        return {};
    case Operation::Open:
        return "open";
    case Operation::Create:
        return "create";
    case Operation::Remove:
        return "remove";
    case Operation::Replace:
        return "replace";
    case Operation::ReadSize:
        return "read the size of";
    case Operation::Read:
        return "read";
    case Operation::Write:
        return "write";
    case Operation::Resize:
        return "resize";
    case Operation::Flush:
        return "flush";
    case Operation::Lock:
        return "lock";
    case Operation::Append:
        return "append";
    case Operation::Edit:
        return "edit";
    case Operation::Post:
        return "post";
    case Operation::Delete:
        return "delete";
    case Operation::Pack:
        return "pack";
    case Operation::CreateIndex:
        return "create an index";
    }
    return {};
}

} // namespace dbf
