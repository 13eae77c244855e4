#include "merge/spreadsheet/SharedStrings.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>

#include <unistd.h>

#include "merge/spreadsheet/SpreadsheetError.h"

namespace {

// Pending text and offsets go to the files in blocks of about this many bytes.
constexpr qsizetype BlockBytes = 64 * 1024;

[[noreturn]] void ReadFailed(int code) {
    throw SpreadsheetError(QCoreApplication::translate("SharedStrings",
                                                       "the workbook's table of shared strings "
                                                       "cannot be read back from its temporary "
                                                       "file: %1")
                               .arg(QString::fromLocal8Bit(std::strerror(code))));
}

} // namespace

SharedStrings::SharedStrings(qsizetype spillBytes) : spillBytes_(spillBytes) {}

SharedStrings::~SharedStrings() = default;

bool SharedStrings::Add(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    if (Size() >= MaxStrings || bytes_ + utf8.size() > MaxBytes)
        return false;
    text_ += utf8;
    bytes_ += utf8.size();
    ends_.push_back(quint32(bytes_));
    ++size_;
    if (!textFile_ && text_.size() > spillBytes_)
        Spill();
    else if (textFile_ && (text_.size() >= BlockBytes ||
                           qsizetype(ends_.size() * sizeof(quint32)) >= BlockBytes))
        Flush();
    return true;
}

void SharedStrings::Spill() {
    // Qt names no folder when TMPDIR names a missing one: the file would go to "/".
    const QString folder = QDir::tempPath();
    const auto make = [&folder](std::unique_ptr<QTemporaryFile>& file) {
        file =
            std::make_unique<QTemporaryFile>(folder + QStringLiteral("/quorvane-strings-XXXXXX"));
        if (folder.isEmpty() || !file->open())
            throw SpreadsheetError(
                QCoreApplication::translate("SharedStrings",
                                            "the workbook's table of shared strings cannot be "
                                            "kept in a temporary file in %1: %2")
                    .arg(QDir::toNativeSeparators(folder.isEmpty() ? qEnvironmentVariable("TMPDIR")
                                                                   : folder),
                         folder.isEmpty() ? QString::fromLocal8Bit(std::strerror(ENOENT))
                                          : file->errorString()));
    };
    make(textFile_);
    make(endsFile_);
    Flush();
    // The table in memory, with its spare room, is given back.
    text_ = QByteArray();
    std::vector<quint32>().swap(ends_);
    text_.reserve(BlockBytes + MaxBytes / MaxStrings);
    ends_.reserve(std::size_t(BlockBytes) / sizeof(quint32));
}

void SharedStrings::Flush() {
    const auto write = [](QTemporaryFile& file, const char* data, qint64 bytes) {
        if (file.write(data, bytes) != bytes || !file.flush())
            throw SpreadsheetError(
                QCoreApplication::translate("SharedStrings",
                                            "the workbook's table of shared strings cannot be "
                                            "written to a temporary file in %1: %2")
                    .arg(QDir::toNativeSeparators(QDir::tempPath()), file.errorString()));
    };
    write(*textFile_, text_.constData(), text_.size());
    write(*endsFile_, reinterpret_cast<const char*>(ends_.data()),
          qint64(ends_.size() * sizeof(quint32)));
    textWritten_ += text_.size();
    endsWritten_ += qsizetype(ends_.size());
    text_.resize(0);
    ends_.clear();
}

void SharedStrings::ReadBack(const QTemporaryFile& file, qint64 at, char* into,
                             qint64 bytes) const {
    // A positioned read leaves the file's own position, where writing goes on, alone.
    while (bytes > 0) {
        const ssize_t got = ::pread(file.handle(), into, std::size_t(bytes), off_t(at));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            ReadFailed(got < 0 ? errno : EIO);
        into += got;
        at += got;
        bytes -= got;
    }
}

void SharedStrings::ReadCached(const QTemporaryFile& file, qint64 fileSize, Block& block, qint64 at,
                               char* into, qint64 bytes) const {
    const qint64 capacity = qint64(block.bytes.size());
    const qint64 start = at / capacity * capacity;
    if (at + bytes > start + capacity) // longer than a block, or across two
        return ReadBack(file, at, into, bytes);
    if (block.start != start || at + bytes > block.start + block.size) {
        // The last block of a file may have grown since it was read.
        block.start = -1;
        block.size = std::min(capacity, fileSize - start);
        ReadBack(file, start, block.bytes.data(), block.size);
        block.start = start;
    }
    std::memcpy(into, block.bytes.data() + (at - start), std::size_t(bytes));
}

// Where string index ends in the text, whether its offset is on file or still pending.
quint32 SharedStrings::EndOf(qsizetype index) const {
    if (!endsFile_)
        return ends_[std::size_t(index)];
    if (index >= endsWritten_)
        return ends_[std::size_t(index - endsWritten_)];
    quint32 end = 0;
    ReadCached(*endsFile_, qint64(endsWritten_) * qint64(sizeof end), endsBlock_,
               qint64(index) * qint64(sizeof end), reinterpret_cast<char*>(&end), sizeof end);
    return end;
}

QString SharedStrings::At(qsizetype index) const {
    if (index < 0 || index >= Size())
        return {};
    const quint32 begin = index == 0 ? 0 : EndOf(index - 1);
    const quint32 end = EndOf(index);
    const qsizetype length = qsizetype(end - begin);
    if (!textFile_)
        return QString::fromUtf8(text_.constData() + begin, length);
    if (end < begin || qint64(end) > bytes_) // offsets that no longer read as written
        ReadFailed(EIO);
    if (begin >= textWritten_) // still pending: strings are written whole
        return QString::fromUtf8(text_.constData() + (begin - textWritten_), length);
    QByteArray utf8(length, Qt::Uninitialized);
    ReadCached(*textFile_, textWritten_, textBlock_, begin, utf8.data(), length);
    return QString::fromUtf8(utf8);
}

QStringList SharedStrings::SpillFiles() const {
    if (!textFile_)
        return {};
    return {textFile_->fileName(), endsFile_->fileName()};
}
