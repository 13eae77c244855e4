#include "storage/DataTable.h"

#include "storage/dbf/Text.h"

#include <algorithm>

namespace {

std::string Utf8(const QString& text) {
    return text.toStdString();
}

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

DataTable::DataTable(std::unique_ptr<dbf::Table> table) : table_(std::move(table)) {}

DataTable::~DataTable() = default;

QString DataTable::FilePath() const {
    return FromUtf8(table_->path());
}

void DataTable::Close() {
    table_->close();
}

void DataTable::First() {
    table_->first();
}

void DataTable::Next() {
    table_->next();
}

void DataTable::Last() {
    table_->last();
}

void DataTable::Prior() {
    table_->prior();
}

bool DataTable::Eof() const {
    return table_->eof();
}

bool DataTable::Bof() const {
    return table_->bof();
}

void DataTable::Go(quint32 recordNumber) {
    table_->go(recordNumber);
}

bool DataTable::Seek(const QString& value) {
    return table_->seek(Utf8(value));
}

quint32 DataTable::RecordCount() const {
    return table_->recordCount();
}

quint32 DataTable::RecNo() const {
    return table_->recNo();
}

bool DataTable::IsDeleted() const {
    return table_->isDeleted();
}

dbf::State DataTable::State() const {
    return table_->state();
}

void DataTable::Append() {
    table_->append();
}

void DataTable::Edit() {
    table_->edit();
}

void DataTable::Post() {
    table_->post();
}

void DataTable::Cancel() {
    table_->cancel();
}

void DataTable::PostOrCancel(const std::function<void()>& write) {
    try {
        write();
        Post();
    } catch (...) {
        if (!IsBrowsing())
            Cancel();
        throw;
    }
}

void DataTable::Delete() {
    table_->deleteRecord();
}

void DataTable::Pack() {
    table_->pack();
}

QString DataTable::Text(const QString& field) const {
    return FromUtf8(table_->getText(Utf8(field)));
}

double DataTable::Float(const QString& field) const {
    return table_->getFloat(Utf8(field));
}

int DataTable::Integer(const QString& field) const {
    return table_->getInteger(Utf8(field));
}

bool DataTable::Logical(const QString& field) const {
    return table_->getLogical(Utf8(field));
}

bool DataTable::IsBlank(const QString& field) const {
    return table_->isBlank(Utf8(field));
}

QStringList DataTable::MemoLines(const QString& field) const {
    QStringList lines;
    for (const std::string& line : table_->getMemoLines(Utf8(field)))
        lines << FromUtf8(line);
    return lines;
}

QString DataTable::Memo(const QString& field) const {
    return FromUtf8(table_->getMemo(Utf8(field)));
}

void DataTable::SetText(const QString& field, const QString& value) {
    table_->setText(Utf8(field), Utf8(value));
}

void DataTable::SetFloat(const QString& field, double value) {
    table_->setFloat(Utf8(field), value);
}

void DataTable::SetInteger(const QString& field, int value) {
    table_->setInteger(Utf8(field), value);
}

void DataTable::SetLogical(const QString& field, bool value) {
    table_->setLogical(Utf8(field), value);
}

void DataTable::SetBlank(const QString& field) {
    table_->setBlank(Utf8(field));
}

void DataTable::SetMemoLines(const QString& field, const QStringList& lines) {
    std::vector<std::string> stored;
    stored.reserve(lines.size());
    for (const QString& line : lines)
        stored.push_back(Utf8(line));
    table_->setMemoLines(Utf8(field), stored);
}

void DataTable::SetMemo(const QString& field, const QString& text) {
    table_->setMemo(Utf8(field), Utf8(text));
}

int DataTable::FieldWidth(const QString& field) const {
    const int index = table_->fieldIndex(Utf8(field));
    if (index < 0)
        throw dbf::Error(dbf::ErrorKind::FieldMissing,
                         {.path = table_->path(), .name = Utf8(field)});
    return table_->fields().at(index).length;
}

QString DataTable::FitToField(const QString& field, const QString& text) const {
    return TruncateUtf8(text, FieldWidth(field));
}

QString DataTable::TruncateUtf8(const QString& text, int maxBytes) {
    return FromUtf8(dbf::truncateUtf8(Utf8(text), static_cast<std::size_t>(std::max(0, maxBytes))));
}

void DataTable::CreateIndexTag(const QString& tag, const QString& expression) {
    table_->createIndexTag(Utf8(tag), Utf8(expression));
}

void DataTable::SetOrder(const QString& tag) {
    table_->setOrder(Utf8(tag));
}

QString DataTable::Order() const {
    return FromUtf8(table_->order());
}

QStringList DataTable::TagNames() const {
    QStringList names;
    for (const std::string& name : table_->tagNames())
        names << FromUtf8(name);
    return names;
}

QString DataTable::IndexFileName() const {
    return FromUtf8(table_->indexFileName());
}

void DataTable::CloseIndexes() {
    table_->closeIndexes();
}

void DataTable::SetOnChange(std::function<void(dbf::Change)> onChange) {
    table_->onChange = std::move(onChange);
}
