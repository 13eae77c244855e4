#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// An XLSX workbook's table of shared strings, which cells name by number: kept as one UTF-8
// buffer with offsets (a few bytes a string beyond its text), and refused past the limits
// rather than grown without bound.
class SharedStrings {
public:
    static constexpr qsizetype MaxStrings = qsizetype(4) << 20;
    static constexpr qsizetype MaxBytes = qsizetype(128) << 20;

    // False when the string would pass a limit.
    bool Add(const QString& text);
    qsizetype Size() const { return qsizetype(ends_.size()); }
    // The string of that number; null when there is none.
    QString At(qsizetype index) const;

private:
    QByteArray text_;
    std::vector<quint32> ends_;
};
