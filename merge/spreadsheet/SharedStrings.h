#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

class QTemporaryFile;

// An XLSX workbook's table of shared strings, which cells name by number: kept as one UTF-8
// buffer with offsets (a few bytes a string beyond its text), and refused past the limits
// rather than grown without bound. A table of more than spillBytes of text moves to two
// temporary files in the system's temporary folder (its text and its offsets, removed with
// the table; on Linux Qt makes them without a name until one is asked for, so a killed
// program leaves nothing behind), and a string is read back from there when a cell names it:
// a workbook of a million distinct texts then costs no more memory than one of a few thousand.
class SharedStrings {
public:
    static constexpr qsizetype MaxStrings = qsizetype(4) << 20;
    static constexpr qsizetype MaxBytes = qsizetype(128) << 20;
    // Some 60,000 strings of a typical address book stay in memory.
    static constexpr qsizetype SpillBytes = qsizetype(1) << 20;

    explicit SharedStrings(qsizetype spillBytes = SpillBytes);
    ~SharedStrings();
    SharedStrings(const SharedStrings&) = delete;
    SharedStrings& operator=(const SharedStrings&) = delete;

    // False when the string would pass a limit. Throws SpreadsheetError when the temporary
    // files cannot be made or written.
    bool Add(const QString& text);
    qsizetype Size() const { return size_; }
    // The string of that number; null when there is none. Throws SpreadsheetError when the
    // temporary files cannot be read.
    QString At(qsizetype index) const;
    // The temporary files' paths (naming them makes them show in the folder); empty while the
    // table is held in memory.
    QStringList SpillFiles() const;

private:
    void Spill();
    void Flush();
    quint32 EndOf(qsizetype index) const;
    // A block of a file read last, so that neighbouring strings (a row's cells, the next
    // row's) cost no read of their own.
    struct Block {
        qint64 start = -1;
        qint64 size = 0;
        std::array<char, 4096> bytes;
    };
    void ReadBack(const QTemporaryFile& file, qint64 at, char* into, qint64 bytes) const;
    void ReadCached(const QTemporaryFile& file, qint64 fileSize, Block& block, qint64 at,
                    char* into, qint64 bytes) const;

    qsizetype spillBytes_;
    qsizetype size_ = 0;
    qint64 bytes_ = 0; // of text, in memory and on file
    // In memory, the whole table; once spilled, what is not yet written to the files.
    QByteArray text_;
    std::vector<quint32> ends_;
    std::unique_ptr<QTemporaryFile> textFile_, endsFile_;
    qint64 textWritten_ = 0;    // bytes of text in textFile_
    qsizetype endsWritten_ = 0; // offsets in endsFile_
    mutable Block textBlock_, endsBlock_;
};
