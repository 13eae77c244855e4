#include "storage/TableErrorText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

QString PathOf(const std::string& path) {
    return QDir::toNativeSeparators(QFile::decodeName(path.c_str()));
}

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString TableErrorText::Of(const std::exception& error) {
    if (const auto* table = dynamic_cast<const dbf::Error*>(&error))
        return Of(*table);
    return QString::fromUtf8(error.what());
}

QString TableErrorText::Of(const dbf::Error& error) {
    using dbf::ErrorKind;
    const dbf::ErrorArgs& a = error.args();
    const QString path = PathOf(a.path);
    const QString name = Text(a.name);
    const QString value = Text(a.value);
    const QString number = QString::number(a.number);
    switch (error.kind()) {
    case ErrorKind::Message:
        break;
    case ErrorKind::TableDamaged:
        return tr("The table %1 is damaged (%2)").arg(path, Damage(a));
    case ErrorKind::MemoDamaged:
        return tr("The memo file %1 is damaged (%2)").arg(path, Damage(a));
    case ErrorKind::IndexDamaged: // the damage of an index stays in the engine's words
        return tr("The index file %1 is damaged (%2)").arg(path, value);
    case ErrorKind::MemoFull:
        return tr("The memo file %1 is full").arg(path);
    case ErrorKind::MemoMissing:
        return tr("The memo file of %1 is missing").arg(path);
    case ErrorKind::InUse:
        return tr("The table %1 is in use by another program").arg(path);
    case ErrorKind::Exists:
        return tr("The table %1 already exists").arg(path);
    case ErrorKind::NotRegularFile:
        return tr("Not a regular file: %1").arg(path);
    case ErrorKind::UnexpectedEnd:
        return tr("Unexpected end of file in %1").arg(path);
    case ErrorKind::SystemCall:
        if (QString text = SystemCall(a); !text.isEmpty())
            return text;
        break;
    case ErrorKind::Closed:
        return tr("Cannot %1: the table is closed").arg(Operation(a.operation));
    case ErrorKind::ReadOnly:
        return tr("Cannot %1: %2 is open read-only").arg(Operation(a.operation), path);
    case ErrorKind::NotEditing:
        return tr("The table %1 is not being edited").arg(path);
    case ErrorKind::NoCurrentRecord:
        return tr("No current record to delete in %1").arg(path);
    case ErrorKind::PackedNotLocked:
        return tr("Cannot lock the packed table %1").arg(path);
    case ErrorKind::NoField:
        return tr("The table %1 has no field %2").arg(path, name);
    case ErrorKind::NoTag:
        return tr("The index of %1 has no tag %2").arg(path, name);
    case ErrorKind::NoIndexOrder:
        return tr("Seeking needs an index order on %1").arg(path);
    case ErrorKind::TooManyTags:
        return tr("Too many index tags on %1").arg(path);
    case ErrorKind::NotANumber:
        return tr("'%1' is not a number for field %2").arg(value, name);
    case ErrorKind::NotNumeric:
        return tr("Field %1 is not numeric").arg(name);
    case ErrorKind::NotFinite:
        return tr("Field %1 cannot hold a value that is not a number").arg(name);
    case ErrorKind::DoesNotFit:
        return tr("The value %1 does not fit field %2 (width %3)").arg(value, name, number);
    case ErrorKind::NotLogical:
        return tr("Field %1 is not logical").arg(name);
    case ErrorKind::NotMemo:
        return tr("Field %1 is not a memo").arg(name);
    case ErrorKind::FieldCount:
        return tr("A table needs 1 to 255 fields");
    case ErrorKind::InvalidFieldName:
        return tr("Invalid field name '%1'").arg(name);
    case ErrorKind::DuplicateFieldName:
        return tr("Duplicate field name '%1'").arg(name);
    case ErrorKind::InvalidField:
        return tr("Invalid definition of field %1").arg(name);
    case ErrorKind::RecordTooLong:
        return tr("Records longer than 65535 bytes");
    case ErrorKind::InvalidTagName:
        return tr("Invalid tag name '%1'").arg(name);
    case ErrorKind::UnsupportedKey:
        return tr("Unsupported index key expression '%1' (upper(FIELD) or FIELD on a character "
                  "field)")
            .arg(name);
    case ErrorKind::IndexTagLimit:
        return tr("An index holds at most %1 tags").arg(number);
    case ErrorKind::DirectoryPageFull:
        return tr("Too many tags for one index directory page");
    case ErrorKind::FileFailed:
        return tr("%1: %2").arg(path, value);
    case ErrorKind::NoSuchFile:
        return tr("%1: no such file").arg(path);
    case ErrorKind::FieldMissing:
        return tr("%1: no field %2").arg(path, name);
    case ErrorKind::IndexNotDeleted:
        return tr("%1: cannot delete the index file").arg(path);
    case ErrorKind::CopyDiffers:
        return tr("%1: the copy does not read back the same").arg(path);
    }
    return QString::fromUtf8(error.what());
}

QString TableErrorText::Damage(const dbf::ErrorArgs& a) {
    const QString name = Text(a.name);
    const QString number = QString::number(a.number);
    switch (a.damage) {
    case dbf::Damage::None:
        break;
    case dbf::Damage::ShorterThanHeader:
        return tr("shorter than a table header");
    case dbf::Damage::HeaderLength:
        return tr("header length %1").arg(number);
    case dbf::Damage::DescriptorsPastHeader:
        return tr("field descriptors run past the header");
    case dbf::Damage::FieldWithoutWidth:
        return tr("field %1 has no width").arg(name);
    case dbf::Damage::MemoFieldWidth:
        return tr("memo field %1 of width %2").arg(name, number);
    case dbf::Damage::NoFields:
        return tr("no fields");
    case dbf::Damage::FieldsPastRecord:
        return tr("fields wider than the record length");
    case dbf::Damage::Truncated:
        return tr("truncated: %1 records announced").arg(number);
    case dbf::Damage::MemoPointerOfField:
        return tr("memo pointer of field %1").arg(name);
    case dbf::Damage::MemoPointer:
        return tr("memo pointer");
    case dbf::Damage::TooShort:
        return tr("too short");
    case dbf::Damage::BlockSize:
        return tr("block size %1").arg(number);
    case dbf::Damage::BlockOutside:
        return tr("block %1 is outside the file").arg(number);
    case dbf::Damage::MemoPastEnd:
        return tr("memo at block %1 runs past the end").arg(number);
    }
    return Text(dbf::Error::damageText(a));
}

QString TableErrorText::SystemCall(const dbf::ErrorArgs& a) {
    const QString path = PathOf(a.path);
    // The system's own words, in the language the C library gives them.
    const QString reason = QString::fromLocal8Bit(a.value.c_str());
    const char* text = nullptr;
    switch (a.operation) {
    case dbf::Operation::Open:
        text = QT_TRANSLATE_NOOP("TableErrorText", "Cannot open %1: %2");
        break;
    case dbf::Operation::Create:
        text = QT_TRANSLATE_NOOP("TableErrorText", "Cannot create %1: %2");
        break;
    case dbf::Operation::Remove:
        text = QT_TRANSLATE_NOOP("TableErrorText", "Cannot remove %1: %2");
        break;
    case dbf::Operation::Replace:
        return tr("Cannot replace %1 by %2: %3").arg(PathOf(a.name), path, reason);
    case dbf::Operation::ReadSize:
        text = QT_TRANSLATE_NOOP("TableErrorText", "Cannot read the size of %1: %2");
        break;
    case dbf::Operation::Read:
        text = QT_TRANSLATE_NOOP("TableErrorText", "Cannot read %1: %2");
        break;
    case dbf::Operation::Write:
        text = QT_TRANSLATE_NOOP("TableErrorText", "Cannot write %1: %2");
        break;
    case dbf::Operation::Resize:
        text = QT_TRANSLATE_NOOP("TableErrorText", "Cannot resize %1: %2");
        break;
    case dbf::Operation::Flush:
        text = QT_TRANSLATE_NOOP("TableErrorText", "Cannot flush %1: %2");
        break;
    case dbf::Operation::Lock:
        text = QT_TRANSLATE_NOOP("TableErrorText", "Cannot lock %1: %2");
        break;
    default:
        return {};
    }
    return QCoreApplication::translate("TableErrorText", text).arg(path, reason);
}

QString TableErrorText::Operation(dbf::Operation operation) {
    switch (operation) {
    case dbf::Operation::Append:
        return tr("append");
    case dbf::Operation::Edit:
        return tr("edit");
    case dbf::Operation::Post:
        return tr("post");
    case dbf::Operation::Delete:
        return tr("delete");
    case dbf::Operation::Pack:
        return tr("pack");
    case dbf::Operation::CreateIndex:
        return tr("create an index");
    default:
        return QString::fromStdString(dbf::Error::operationText(operation));
    }
}
