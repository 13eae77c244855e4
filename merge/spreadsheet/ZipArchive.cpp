#include "merge/spreadsheet/ZipArchive.h"

#include <QCoreApplication>

#include <QFile>
#include <QIODevice>

#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include "merge/spreadsheet/SpreadsheetError.h"
#include "merge/spreadsheet/XmlPartDevice.h"

namespace {

QString ZipMessage(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

[[noreturn]] void NotAZip(int code) {
    if (code == ZIP_ER_NOZIP || code == ZIP_ER_INCONS)
        throw SpreadsheetError(
            QCoreApplication::translate("ZipArchive", "the file is not a spreadsheet package (%1)")
                .arg(ZipMessage(code)));
    throw SpreadsheetError(QCoreApplication::translate("ZipArchive", "the file cannot be read: %1")
                               .arg(ZipMessage(code)));
}

} // namespace

ZipArchive::ZipArchive(const QString& fileName) {
    // Opened once, without blocking on a pipe, and checked on the descriptor itself.
    const int fd = ::open(QFile::encodeName(fileName).constData(),
                          O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        throw SpreadsheetError(
            QCoreApplication::translate("ZipArchive", "the file cannot be opened"));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw SpreadsheetError(
            QCoreApplication::translate("ZipArchive", "the name is not that of a regular file"));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    int code = 0;
    zip_ = zip_fdopen(fd, ZIP_RDONLY, &code);
    if (!zip_) {
        ::close(fd);
        NotAZip(code);
    }
    CheckEntries();
}

ZipArchive::ZipArchive(QByteArray bytes) : bytes_(std::move(bytes)) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(bytes_.constData(), zip_uint64_t(bytes_.size()), 0, &error);
    if (source)
        zip_ = zip_open_from_source(source, ZIP_RDONLY, &error);
    const int code = zip_error_code_zip(&error);
    zip_error_fini(&error);
    if (!zip_) {
        if (source)
            zip_source_free(source);
        NotAZip(code);
    }
    CheckEntries();
}

ZipArchive::~ZipArchive() {
    if (zip_)
        zip_discard(zip_);
}

void ZipArchive::CheckEntries() {
    if (zip_get_num_entries(zip_, 0) > MaxEntries) {
        zip_discard(zip_);
        zip_ = nullptr;
        throw SpreadsheetError(
            QCoreApplication::translate("ZipArchive", "the package holds more than %1 entries")
                .arg(MaxEntries));
    }
}

long long ZipArchive::Locate(const QString& name) const {
    const QByteArray utf8 = name.toUtf8();
    zip_int64_t index = zip_name_locate(zip_, utf8.constData(), 0);
    if (index < 0)
        index = zip_name_locate(zip_, utf8.constData(), ZIP_FL_NOCASE);
    return index;
}

bool ZipArchive::Contains(const QString& name) const {
    return Locate(name) >= 0;
}

std::unique_ptr<QIODevice> ZipArchive::Open(const QString& name) const {
    const long long index = Locate(name);
    if (index < 0)
        throw SpreadsheetError(
            QCoreApplication::translate("ZipArchive", "the package has no part %1").arg(name));
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip_, zip_uint64_t(index), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        !(stat.valid & ZIP_STAT_COMP_SIZE))
        throw SpreadsheetError(
            QCoreApplication::translate("ZipArchive", "the part %1 cannot be read").arg(name));
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
        throw SpreadsheetError(QCoreApplication::translate(
            "ZipArchive", "the file is encrypted; save it without a password first"));
    const qint64 size = qint64(std::min<zip_uint64_t>(stat.size, zip_uint64_t(MaxEntryBytes) + 1));
    const qint64 stored = qint64(std::max<zip_uint64_t>(stat.comp_size, 1));
    if (size > MaxEntryBytes)
        throw SpreadsheetError(
            QCoreApplication::translate(
                "ZipArchive", "the part %1 would unpack to more than %2 MiB; it is refused")
                .arg(name)
                .arg(MaxEntryBytes >> 20));
    if (size > SmallEntryBytes && size / stored > MaxRatio)
        throw SpreadsheetError(
            QCoreApplication::translate(
                "ZipArchive", "the part %1 would unpack to %2 times its packed size, as only a "
                              "zip bomb does; it is refused")
                .arg(name)
                .arg(size / stored));
    zip_file_t* file = zip_fopen_index(zip_, zip_uint64_t(index), 0);
    if (!file)
        throw SpreadsheetError(
            QCoreApplication::translate("ZipArchive", "the part %1 cannot be read: %2")
                .arg(name, QString::fromUtf8(zip_strerror(zip_))));
    auto device = std::make_unique<XmlPartDevice>(file, name, size);
    device->open(QIODevice::ReadOnly);
    return device;
}

bool ZipArchive::Mentions(const QString& name, QByteArrayView text) const {
    const std::unique_ptr<QIODevice> device = Open(name);
    QByteArray buffer(64 * 1024 + text.size(), '\0');
    qsizetype kept = 0; // the end of the last block, which text may straddle
    for (;;) {
        const qint64 got = device->read(buffer.data() + kept, 64 * 1024);
        if (got < 0)
            throw SpreadsheetError(device->errorString());
        if (got == 0)
            return false;
        const QByteArrayView block(buffer.constData(), kept + got);
        if (block.indexOf(text) >= 0)
            return true;
        kept = std::min<qsizetype>(text.size() - 1, block.size());
        std::memmove(buffer.data(), block.constData() + block.size() - kept, std::size_t(kept));
    }
}

QByteArray ZipArchive::ReadSmall(const QString& name, qint64 maxBytes) const {
    const long long index = Locate(name);
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (index < 0 || zip_stat_index(zip_, zip_uint64_t(index), 0, &stat) != 0 ||
        !(stat.valid & ZIP_STAT_SIZE) || stat.size > zip_uint64_t(maxBytes))
        return {};
    zip_file_t* file = zip_fopen_index(zip_, zip_uint64_t(index), 0);
    if (!file)
        return {};
    QByteArray bytes(qsizetype(stat.size), '\0');
    const zip_int64_t got = zip_fread(file, bytes.data(), stat.size);
    zip_fclose(file);
    return got == zip_int64_t(stat.size) ? bytes : QByteArray();
}
