#include "merge/CsvMergeSource.h"

#include <QFile>

#include "merge/CsvErrorText.h"
#include "merge/MergeSourceError.h"
#include "storage/dbf/Text.h"
#include <QCoreApplication>

namespace {

QString Decode(const std::string& bytes) {
    return QString::fromStdString(dbf::decodeStored(bytes));
}

} // namespace

CsvMergeSource::CsvMergeSource(const QString& fileName) : fileName_(fileName) {
    // The file is opened once: every rewind goes back to its start.
    stream_.open(QFile::encodeName(fileName).toStdString(), std::ios::binary);
    if (!stream_)
        Fail(0, QCoreApplication::translate("CsvMergeSource", "the file cannot be opened"));
    std::string start(CsvReader::MaxFieldBytes, '\0');
    stream_.read(start.data(), std::streamsize(start.size()));
    start.resize(std::size_t(stream_.gcount()));
    delimiter_ = CsvReader::DetectDelimiter(start);
    // The row of names is read here, and again by every rewind.
    Restart();
    try {
        if (!reader_->ReadRecord(fields_))
            Fail(1, QCoreApplication::translate(
                        "CsvMergeSource", "the file is empty; its first row must name the fields"));
    } catch (const CsvReader::Error& error) {
        Fail(error.line, CsvErrorText::Of(error));
    }
    QStringList names;
    for (const std::string& field : fields_)
        names.append(Decode(field));
    SetFieldNames(names);
    record_ = 0;
}

void CsvMergeSource::Restart() {
    stream_.clear();
    stream_.seekg(0);
    if (!stream_)
        Fail(0, QCoreApplication::translate("CsvMergeSource",
                                            "the file cannot be read from its start again"));
    reader_ = std::make_unique<CsvReader>(stream_, delimiter_);
}

// Back to the first record, past the row of names (which the constructor reads itself).
void CsvMergeSource::Rewind() {
    Restart();
    record_ = 0;
    values_.clear();
    if (!FieldNames().isEmpty()) {
        try {
            reader_->ReadRecord(fields_);
        } catch (const CsvReader::Error& error) {
            Fail(error.line, CsvErrorText::Of(error));
        }
    }
}

bool CsvMergeSource::Next() {
    bool more = false;
    try {
        more = reader_->ReadRecord(fields_);
    } catch (const CsvReader::Error& error) {
        throw MergeSourceError(fileName_, error.line, record_ + 1, CsvErrorText::Of(error));
    }
    if (!more) {
        if (stream_.bad())
            Fail(0, QCoreApplication::translate("CsvMergeSource", "the file cannot be read"));
        values_.clear();
        return false;
    }
    ++record_;
    const qsizetype expected = FieldNames().size();
    if (qsizetype(fields_.size()) != expected)
        throw MergeSourceError(
            fileName_, reader_->RecordLine(), record_,
            QCoreApplication::translate("CsvMergeSource", "%1 fields where the first row names %2")
                .arg(fields_.size())
                .arg(expected));
    values_.clear();
    values_.reserve(expected);
    for (const std::string& field : fields_)
        values_.append(Decode(field));
    return true;
}

void CsvMergeSource::Fail(long long line, const QString& what) const {
    throw MergeSourceError(fileName_, line, 0, what);
}
