#pragma once

#include <QIODevice>
#include <QString>

struct zip_file;

// One XML entry of a zip package, inflated as it is read. It refuses, with the reason as its
// error string, what no spreadsheet holds and only a hostile file would: more bytes than the
// entry's header declared or than the archive allows, a run of more than MaxTokenBytes
// without a tag (a text or tag that size would be held whole by the XML reader), and any
// document type or entity declaration (entity expansion). Sequential and read-only.
class XmlPartDevice : public QIODevice {
    Q_OBJECT
public:
    static constexpr qint64 MaxTokenBytes = qint64(1) << 20;

    // Takes file, an entry opened by libzip that declares size inflated bytes.
    XmlPartDevice(zip_file* file, QString name, qint64 size);
    ~XmlPartDevice() override;

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    const QString& PartName() const { return name_; }
    // True once the device has refused its input (errorString() says why).
    bool Refused() const { return refused_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    bool Inspect(const char* data, qint64 size);
    qint64 Refuse(const QString& why);

    zip_file* file_;
    QString name_;
    qint64 size_;
    qint64 read_ = 0;
    qint64 sinceTag_ = 0; // bytes since the last '<'
    int markup_ = 0;      // 1 after '<', 2 after "<!"
    bool refused_ = false;
    bool ended_ = false;
};
