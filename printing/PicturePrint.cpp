#include "printing/PicturePrint.h"

#include <QDir>
#include <QFileInfo>

#include <exception>

#include "document/PrintItemValue.h"
#include "printing/TBaseReport.h"
#include <QCoreApplication>

namespace {

// Pictures kept at once: a merge of photos reads a new one per label, and each may be large.
constexpr qsizetype kKeptPictures = 32;

} // namespace

QString PicturePrint::Resolve(const QString& fileName) const {
    if (fileName.isEmpty() || QFileInfo(fileName).isAbsolute())
        return fileName;
    for (const QString& folder : folders_) {
        const QString path = QDir(folder).filePath(fileName);
        if (QFileInfo::exists(path))
            return QDir::cleanPath(path);
    }
    return folders_.isEmpty() ? fileName
                              : QDir::cleanPath(QDir(folders_.first()).filePath(fileName));
}

const PicturePrint::Loaded& PicturePrint::Load(const QString& path) {
    if (const auto found = loaded_.constFind(path); found != loaded_.constEnd())
        return *found;
    if (loaded_.size() >= kKeptPictures)
        loaded_.clear();
    Loaded loaded;
    try {
        loaded.picture = Picture::fromFile(path, &loaded.error);
    } catch (const std::exception& error) {
        loaded.error = QCoreApplication::translate("PicturePrint", "cannot read %1: %2")
                           .arg(path, QString::fromLocal8Bit(error.what()));
    }
    if (loaded.picture.isNull() && loaded.error.isEmpty())
        loaded.error = QCoreApplication::translate("PicturePrint", "cannot read %1").arg(path);
    return *loaded_.insert(path, loaded);
}

QString PicturePrint::Draw(TBaseReport& report, const PrintItemValue& item,
                           const QString& fileName) {
    if (fileName.trimmed().isEmpty()) {
        DrawPlaceholder(report, item);
        return QCoreApplication::translate("PicturePrint", "the picture's file name is empty");
    }
    const Loaded& loaded = Load(Resolve(fileName));
    if (loaded.picture.isNull()) {
        DrawPlaceholder(report, item);
        return loaded.error;
    }
    QRectF box(item.left, item.top, item.width, item.height);
    if (item.fit)
        box = loaded.picture.fittedInto(box);
    report.StretchDrawPicture(report.CreateRect(box.left(), box.top(), box.right(), box.bottom()),
                              loaded.picture);
    return {};
}

// A thin grey frame with its diagonals: the item's place stays visible on the trial sheet.
void PicturePrint::DrawPlaceholder(TBaseReport& report, const PrintItemValue& item) {
    const double right = item.left + item.width, bottom = item.top + item.height;
    report.SetPen(QColor(150, 150, 150), TPenStyle::Solid, -1);
    report.SetBrush(Qt::white, TReportBrushStyle::Clear);
    report.Rectangle(item.left, item.top, right, bottom);
    report.MoveTo(item.left, item.top);
    report.LineTo(right, bottom);
    report.MoveTo(right, item.top);
    report.LineTo(item.left, bottom);
}
