#include "printing/PreviewStreamReader.h"

#include <QBuffer>
#include <QDataStream>

#include "printing/PreviewStreamFormat.h"
#include "printing/ReportSurface.h"
#include <QCoreApplication>

using namespace PreviewStreamFormat;

namespace {

QRectF ReadRect(QDataStream& in) {
    double l = 0, t = 0, r = 0, b = 0;
    in >> l >> t >> r >> b;
    return QRectF(QPointF(l, t), QPointF(r, b));
}

TReportPenSpec ReadPen(QDataStream& in) {
    quint32 argb = 0;
    qint8 style = 0;
    TReportPenSpec pen;
    in >> argb >> style >> pen.WidthInches;
    pen.Color = QColor::fromRgba(argb);
    pen.Style =
        (style >= 0 && style <= int(TPenStyle::Clear)) ? TPenStyle(style) : TPenStyle::Solid;
    return pen;
}

TReportFontDesc ReadFont(QDataStream& in, QColor& color) {
    TReportFontDesc font;
    quint8 styles = 0;
    quint32 argb = 0;
    in >> font.Name >> font.Size >> styles >> argb;
    font.Bold = styles & FontStyle::Bold;
    font.Italic = styles & FontStyle::Italic;
    font.Underline = styles & FontStyle::Underline;
    font.StrikeOut = styles & FontStyle::StrikeOut;
    color = QColor::fromRgba(argb);
    return font;
}

} // namespace

bool PreviewStreamReader::Load(const QByteArray& bytes) {
    bytes_ = bytes;
    pages_.clear();
    imageOffsets_.clear();
    images_.clear();
    error_.clear();
    if (!Scan()) {
        pages_.clear();
        return false;
    }
    return true;
}

QSizeF PreviewStreamReader::PageSize(int index) const {
    return index >= 0 && index < pages_.size() ? pages_[index].Size : QSizeF();
}

// Walks every record once to find the pages and the stored images.
bool PreviewStreamReader::Scan() {
    QDataStream in(bytes_);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint16 version = 0;
    in >> magic >> version;
    if (magic != kMagic || version != kVersion) {
        error_ = QCoreApplication::translate("PreviewStreamReader",
                                             "The preview is not in a known format.");
        return false;
    }
    while (in.status() == QDataStream::Ok && !in.atEnd()) {
        quint8 op = 0;
        in >> op;
        double d[6];
        quint32 u = 0;
        qint8 s = 0;
        qint32 id = 0;
        QString text;
        QByteArray data;
        switch (op) {
        case PageBegin:
            in >> d[0] >> d[1];
            pages_.push_back({in.device()->pos(), QSizeF(d[0], d[1])});
            break;
        case PageEnd:
            break;
        case Pen:
            ReadPen(in);
            break;
        case Brush:
            in >> u >> s >> d[0] >> d[1] >> id;
            break;
        case Font: {
            QColor color;
            ReadFont(in, color);
            break;
        }
        case Text:
            in >> d[0] >> d[1] >> d[2] >> d[3] >> text;
            break;
        case Rect:
        case Ellipse:
            ReadRect(in);
            break;
        case RoundRect:
            ReadRect(in);
            in >> d[0] >> d[1];
            break;
        case Line:
            in >> d[0] >> d[1] >> d[2] >> d[3];
            break;
        case Mirror:
            in >> d[0];
            break;
        case Path: {
            QPainterPath path;
            in >> u >> path;
            break;
        }
        case Clip:
            ReadRect(in);
            break;
        case Image:
            ReadRect(in);
            in >> id;
            break;
        case ImageDef:
            in >> id;
            imageOffsets_.insert(id, in.device()->pos());
            in >> data;
            break;
        case DocEnd:
            return true;
        default:
            error_ = QCoreApplication::translate("PreviewStreamReader",
                                                 "The preview is damaged (unknown record %1).")
                         .arg(op);
            return false;
        }
    }
    if (in.status() != QDataStream::Ok) {
        error_ = QCoreApplication::translate("PreviewStreamReader", "The preview ends too early.");
        return false;
    }
    return true; // a stream cut after its last page still shows what it holds
}

QImage PreviewStreamReader::ImageById(qint32 id) {
    if (const auto it = images_.constFind(id); it != images_.cend())
        return it.value();
    QImage image;
    if (const auto at = imageOffsets_.constFind(id); at != imageOffsets_.cend()) {
        QDataStream in(bytes_);
        in.setVersion(QDataStream::Qt_6_0);
        in.device()->seek(at.value());
        QByteArray png;
        in >> png;
        image.loadFromData(png, "PNG");
    }
    images_.insert(id, image);
    return image;
}

bool PreviewStreamReader::ReplayPage(int index, ReportSurface& surface) {
    if (index < 0 || index >= pages_.size())
        return false;
    QDataStream in(bytes_);
    in.setVersion(QDataStream::Qt_6_0);
    in.device()->seek(pages_[index].Offset);
    surface.BeginPage(pages_[index].Size);
    bool done = false;
    while (!done && in.status() == QDataStream::Ok && !in.atEnd()) {
        quint8 op = 0;
        in >> op;
        double d[4];
        switch (op) {
        case PageEnd:
        case PageBegin:
        case DocEnd:
            done = true;
            break;
        case Pen:
            surface.SetPen(ReadPen(in));
            break;
        case Brush: {
            quint32 argb = 0;
            qint8 style = 0;
            qint32 pattern = -1;
            TReportBrushSpec brush;
            in >> argb >> style >> brush.HatchOriginX >> brush.HatchOriginY >> pattern;
            brush.Color = QColor::fromRgba(argb);
            brush.Style = (style >= 0 && style <= int(TReportBrushStyle::DiagCross))
                              ? TReportBrushStyle(style)
                              : TReportBrushStyle::Solid;
            if (pattern >= 0)
                brush.Pattern = ImageById(pattern);
            surface.SetBrush(brush);
            break;
        }
        case Font: {
            QColor color;
            const TReportFontDesc font = ReadFont(in, color);
            surface.SetFont(font, color);
            break;
        }
        case Text: {
            QString text;
            in >> d[0] >> d[1] >> d[2] >> d[3] >> text;
            if (in.status() == QDataStream::Ok)
                surface.DrawText(QPointF(d[0], d[1]), d[2], d[3], text);
            break;
        }
        case Rect:
            surface.DrawRect(ReadRect(in));
            break;
        case Ellipse:
            surface.DrawEllipse(ReadRect(in));
            break;
        case RoundRect: {
            const QRectF box = ReadRect(in);
            in >> d[0] >> d[1];
            surface.DrawRoundRect(box, QSizeF(d[0], d[1]));
            break;
        }
        case Line:
            in >> d[0] >> d[1] >> d[2] >> d[3];
            surface.DrawLine(QPointF(d[0], d[1]), QPointF(d[2], d[3]));
            break;
        case Mirror:
            in >> d[0];
            surface.MirrorPage(d[0]);
            break;
        case Path: {
            quint32 argb = 0;
            QPainterPath path;
            in >> argb >> path;
            if (in.status() == QDataStream::Ok)
                surface.FillPath(path, QColor::fromRgba(argb));
            break;
        }
        case Clip: {
            const QRectF box = ReadRect(in);
            surface.SetClip(box.isEmpty() ? QRectF() : box);
            break;
        }
        case Image: {
            const QRectF box = ReadRect(in);
            qint32 id = -1;
            in >> id;
            surface.DrawImage(box, ImageById(id));
            break;
        }
        case ImageDef: {
            qint32 id = 0;
            QByteArray data;
            in >> id >> data;
            break;
        }
        default:
            done = true;
            break;
        }
    }
    surface.EndPage();
    return in.status() == QDataStream::Ok;
}
