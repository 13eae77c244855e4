#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

// A file written through a descriptor whose every write, flush, fsync and close is checked:
// the first failure is kept (with its errno) and every later write fails too, so a writer
// that ignores its device's answers (QPdfWriter, QImageWriter) still cannot produce a file
// that claims to be complete. Writes are gathered into a buffer of 256 KiB.
class OutputFile : public QIODevice {
public:
    // Creates path, which must not exist yet, with mode 0666 less the umask; messages name
    // the file as shownName (the target a partial file stands for), else as path.
    explicit OutputFile(const QString& path, const QString& shownName = {});
    // Writes to an open descriptor (standard output) that this object does not close; shown
    // in messages as name.
    OutputFile(int descriptor, const QString& name);
    ~OutputFile() override;

    QString Name() const { return name_; }
    // Writes out what is buffered, makes it durable (fsync) and closes the file; false with
    // Error() set when any step, or any earlier write, failed. Called once; the destructor
    // closes an unfinished file without waiting for the disk.
    bool Finish();
    bool Failed() const { return errno_ != 0; }
    // "cannot write labels.pdf: no space left on the device" (the name as given).
    QString Error() const;
    int ErrorNumber() const { return errno_; }

    // The reason an errno stands for, in words for a message.
    static QString Reason(int errorNumber);

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool WriteOut(const char* data, qint64 size);
    bool Flush();
    void Fail(int errorNumber);

    QString name_;
    int fd_ = -1;
    bool ownsDescriptor_ = true;
    int errno_ = 0;
    QByteArray buffer_;
};
