#include "merge/TableMergeSource.h"

#include <QFile>

#include <exception>

#include "merge/MergeSourceError.h"
#include "storage/TableErrorText.h"
#include "storage/dbf/Table.h"
#include <QCoreApplication>

TableMergeSource::TableMergeSource(const QString& fileName) : fileName_(fileName) {
    QStringList names;
    try {
        table_ = dbf::Table::open(QFile::encodeName(fileName).toStdString(), dbf::Mode::ReadOnly);
        table_->setOrder("");
        for (const dbf::FieldDef& field : table_->fields())
            names.append(QString::fromStdString(field.name));
    } catch (const std::exception& error) {
        throw MergeSourceError(
            fileName, 0, 0,
            QCoreApplication::translate("TableMergeSource", "the table cannot be opened: %1")
                .arg(TableErrorText::Of(error)));
    }
    SetFieldNames(names);
}

TableMergeSource::~TableMergeSource() = default;

void TableMergeSource::Rewind() {
    beforeFirst_ = true;
    values_.clear();
}

bool TableMergeSource::Next() {
    const long long record = beforeFirst_ ? 1 : RecordNumber() + 1;
    try {
        if (beforeFirst_)
            table_->first();
        else if (!table_->eof())
            table_->next();
        beforeFirst_ = false;
        values_.clear();
        if (table_->eof())
            return false;
        for (const dbf::FieldDef& field : table_->fields())
            values_.append(QString::fromStdString(table_->getText(field.name)));
    } catch (const std::exception& error) {
        throw MergeSourceError(fileName_, 0, table_->eof() ? record : RecordNumber(),
                               TableErrorText::Of(error));
    }
    return true;
}

long long TableMergeSource::RecordNumber() const {
    return beforeFirst_ ? 0 : (long long)table_->recNo();
}
