#include "merge/spreadsheet/SharedStrings.h"

bool SharedStrings::Add(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    if (Size() >= MaxStrings || text_.size() + utf8.size() > MaxBytes)
        return false;
    text_ += utf8;
    ends_.push_back(quint32(text_.size()));
    return true;
}

QString SharedStrings::At(qsizetype index) const {
    if (index < 0 || index >= Size())
        return {};
    const quint32 begin = index == 0 ? 0 : ends_[std::size_t(index - 1)];
    const quint32 end = ends_[std::size_t(index)];
    return QString::fromUtf8(text_.constData() + begin, qsizetype(end - begin));
}
