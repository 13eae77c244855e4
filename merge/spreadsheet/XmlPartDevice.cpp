#include "merge/spreadsheet/XmlPartDevice.h"

#include <QCoreApplication>

#include <cstring>
#include <zip.h>

XmlPartDevice::XmlPartDevice(zip_file* file, QString name, qint64 size)
    : file_(file), name_(std::move(name)), size_(size) {}

XmlPartDevice::~XmlPartDevice() {
    zip_fclose(file_);
}

qint64 XmlPartDevice::bytesAvailable() const {
    return QIODevice::bytesAvailable() + (refused_ || ended_ ? 0 : size_ - read_);
}

qint64 XmlPartDevice::Refuse(const QString& why) {
    refused_ = true;
    setErrorString(why);
    return -1;
}

qint64 XmlPartDevice::readData(char* data, qint64 maxSize) {
    if (refused_)
        return -1;
    if (ended_ || maxSize <= 0)
        return 0;
    // One byte more than declared is asked for, so that a header that lies shows.
    const qint64 want = std::min(maxSize, size_ - read_ + 1);
    const zip_int64_t got = zip_fread(file_, data, zip_uint64_t(want));
    if (got < 0)
        return Refuse(QCoreApplication::translate("XmlPartDevice", "the part %1 is damaged: %2")
                          .arg(name_, QString::fromUtf8(zip_file_strerror(file_))));
    read_ += got;
    if (read_ > size_)
        return Refuse(
            QCoreApplication::translate("XmlPartDevice",
                                        "the part %1 unpacks to more than its header declares; it "
                                        "is refused")
                .arg(name_));
    if (got == 0)
        ended_ = true;
    if (!Inspect(data, got))
        return -1;
    return got;
}

// Looks at every '<' and what follows it; the state carries across reads.
bool XmlPartDevice::Inspect(const char* data, qint64 size) {
    const char* end = data + size;
    const char* p = data;
    while (p < end) {
        if (markup_ > 0) {
            const char c = *p;
            if (markup_ == 1) {
                markup_ = c == '!' ? 2 : 0;
            } else {
                markup_ = 0;
                if (c == 'D' || c == 'E' || c == 'A' || c == 'N')
                    return Refuse(QCoreApplication::translate(
                                      "XmlPartDevice", "the part %1 declares a document type or "
                                                       "entities, which no spreadsheet does; it is "
                                                       "refused")
                                      .arg(name_)) >= 0;
            }
            ++p;
            continue;
        }
        const void* found = std::memchr(p, '<', std::size_t(end - p));
        if (!found) {
            sinceTag_ += end - p;
            break;
        }
        const char* tag = static_cast<const char*>(found);
        sinceTag_ += tag - p;
        if (sinceTag_ > MaxTokenBytes)
            break;
        sinceTag_ = 0;
        markup_ = 1;
        p = tag + 1;
    }
    if (sinceTag_ > MaxTokenBytes)
        return Refuse(QCoreApplication::translate(
                          "XmlPartDevice", "the part %1 holds a text or tag of more than %2 MiB, "
                                           "which no cell does; it is refused")
                          .arg(name_)
                          .arg(MaxTokenBytes >> 20)) >= 0;
    return true;
}
