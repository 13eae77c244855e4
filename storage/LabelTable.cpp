#include "storage/LabelTable.h"

#include "storage/TableErrorText.h"
#include "storage/TableSchemas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString LabelTable::PathIn(const QString& directory) {
    return QDir(directory).filePath(LabelTableFileName);
}

bool LabelTable::Create(const QString& path, QString* detail) {
    try {
        dbf::Table::create(path.toStdString(), LabelTableFields());
    } catch (const dbf::Error& e) {
        if (detail)
            *detail = TableErrorText::Of(e);
        return false;
    }
    if (!QFileInfo(path).isFile()) {
        if (detail)
            *detail = QCoreApplication::translate("LabelTable", "%1 was not written")
                          .arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

std::unique_ptr<LabelTable> LabelTable::Open(const QString& directory, QString& failureMessage,
                                             QString* detail) {
    const QString path = PathIn(directory);
    if (!QFileInfo::exists(path) && !Create(path, detail)) {
        failureMessage = QCoreApplication::translate("LabelTable", CreateFailedMessage);
        return nullptr;
    }
    try {
        std::unique_ptr<LabelTable> table(
            new LabelTable(dbf::Table::open(path.toStdString(), dbf::Mode::Exclusive)));
        table->EnsureIndex();
        table->SetOrder(LabelTableTag);
        table->First();
        return table;
    } catch (const dbf::Error& e) {
        if (detail)
            *detail = TableErrorText::Of(e);
        failureMessage = QCoreApplication::translate("LabelTable", OpenFailedMessage);
        return nullptr;
    }
}

void LabelTable::EnsureIndex() {
    if (IndexFileName().isEmpty() || !TagNames().contains(LabelTableTag, Qt::CaseInsensitive))
        CreateIndexTag(LabelTableTag, LabelTableTagExpression);
}

quint32 LabelTable::NumberAfterPacking() {
    // Packing closes up record numbers: the current record's new number is its old one less
    // the deleted records before it.
    if (Eof() || IsDeleted())
        return 0;
    const quint32 original = RecNo();
    quint32 deletedBefore = 0;
    // Counting visits every earlier record; nobody needs to hear of those moves.
    auto onChange = std::move(table_->onChange);
    table_->onChange = nullptr;
    try {
        for (quint32 n = 1; n < original; ++n) {
            Go(n);
            if (IsDeleted())
                ++deletedBefore;
        }
    } catch (...) {
        table_->onChange = std::move(onChange);
        throw;
    }
    table_->onChange = std::move(onChange);
    return original - deletedBefore;
}

void LabelTable::RebuildIndexes() {
    const quint32 original = Eof() ? 0 : RecNo();
    const quint32 current = NumberAfterPacking();
    bool packed = false;
    try {
        // The engine keeps the open index in step while packing, so a pack that fails leaves
        // the table and its index as they were.
        Pack();
        packed = true;
        ReplaceIndex();
    } catch (...) {
        RestoreIndex(packed ? current : original);
        throw;
    }
    SetOrder(LabelTableTag);
    if (current > 0)
        Go(current);
    else
        First();
}

void LabelTable::ReplaceIndex() {
    // A new index file drops whatever else an old or damaged one held.
    const QString indexFile = IndexFileName();
    if (!indexFile.isEmpty()) {
        CloseIndexes();
        if (QFile::exists(indexFile) && !QFile::remove(indexFile))
            throw dbf::Error(dbf::ErrorKind::IndexNotDeleted, {.path = indexFile.toStdString()});
    }
    CreateIndexTag(LabelTableTag, LabelTableTagExpression);
}

void LabelTable::RestoreIndex(quint32 record) noexcept {
    try {
        if (!table_->isOpen()) {
            // A pack interrupted after its commit is finished by opening the table again.
            auto reopened = dbf::Table::open(table_->path(), dbf::Mode::Exclusive);
            reopened->onChange = std::move(table_->onChange);
            table_ = std::move(reopened);
        }
        EnsureIndex();
        SetOrder(LabelTableTag);
        if (record > 0)
            Go(record);
        else
            First();
    } catch (const dbf::Error&) {
        // The rebuild's own failure is the one reported; the table stays as it could be left.
    }
}

QString LabelTable::StoredDescription(const QString& description) {
    return TruncateUtf8(description, DescriptionWidth);
}
