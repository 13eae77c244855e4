#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>

class QIODevice;
struct zip;

// A zip package (the container of XLSX and ODS files) opened read-only through libzip. The
// file is opened once; its entries are read streamed as XmlPartDevice, so an entry of any
// size costs a buffer, and an entry that would inflate past the limits is refused before it
// is read: a zip bomb costs neither memory nor time.
class ZipArchive {
public:
    // Inflated bytes of one entry at most: a sheet of a million rows of a few columns.
    static constexpr qint64 MaxEntryBytes = qint64(512) << 20;
    // Past SmallEntryBytes an entry may inflate to MaxRatio times its stored size at most.
    // Spreadsheet XML stays well below (openpyxl's and LibreOffice's sheets near 10-30).
    static constexpr qint64 MaxRatio = 100;
    static constexpr qint64 SmallEntryBytes = qint64(4) << 20;
    static constexpr qint64 MaxEntries = 100000;

    // Opens fileName, which must be a regular file. Throws SpreadsheetError.
    explicit ZipArchive(const QString& fileName);
    // The package in bytes, which the archive keeps (for fuzzing and tests).
    explicit ZipArchive(QByteArray bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    bool Contains(const QString& name) const;
    // The entry as a streamed device, open for reading. Throws SpreadsheetError when it is
    // missing, encrypted or over the limits.
    std::unique_ptr<QIODevice> Open(const QString& name) const;
    // Whether the entry's inflated bytes hold text anywhere (a quick look, no parse). Throws
    // SpreadsheetError as Open does.
    bool Mentions(const QString& name, QByteArrayView text) const;
    // A small entry's bytes whole (the ODS "mimetype"); "" when missing or past maxBytes.
    QByteArray ReadSmall(const QString& name, qint64 maxBytes) const;

private:
    long long Locate(const QString& name) const;
    void CheckEntries();

    QByteArray bytes_;
    zip* zip_ = nullptr;
};
