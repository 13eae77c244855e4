#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSizeF>
#include <QVector>

class ReportSurface;

// Reads the preview stream written by PreviewStreamWriter: indexes its pages once, then
// replays any page onto a surface. A damaged stream is reported, never read past its end.
class PreviewStreamReader {
public:
    // Takes the stream's bytes; false (with Error()) when they are not a preview stream.
    bool Load(const QByteArray& bytes);

    int PageCount() const { return int(pages_.size()); }
    QSizeF PageSize(int index) const; // inches; index from 0
    QString Error() const { return error_; }

    // Draws page index (from 0) onto surface, between its BeginPage and EndPage.
    bool ReplayPage(int index, ReportSurface& surface);

private:
    struct PageEntry {
        qint64 Offset = 0; // just after the page's PageBegin record
        QSizeF Size;
    };
    bool Scan();
    QImage ImageById(qint32 id);

    QByteArray bytes_;
    QVector<PageEntry> pages_;
    QHash<qint32, qint64> imageOffsets_;
    QHash<qint32, QImage> images_;
    QString error_;
};
