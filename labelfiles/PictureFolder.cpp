#include "labelfiles/PictureFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr int MaxNumbered = 10000;

bool SameBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

// "logo.png", 2 -> "logo (2).png"
QString Numbered(const QString& name, int n) {
    const QFileInfo info(name);
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? name : name.left(name.size() - suffix.size() - 1);
    QString numbered = QStringLiteral("%1 (%2)").arg(base).arg(n);
    if (!suffix.isEmpty())
        numbered += QLatin1Char('.') + suffix;
    return numbered;
}
} // namespace

PictureFolder::PictureFolder(const QString& dataDirectory)
    : path_(QDir(dataDirectory).filePath(QStringLiteral("pictures"))) {}

QString PictureFolder::Store(const QString& name, const QByteArray& bytes, QString& error) {
    if (!QDir().mkpath(path_)) {
        error = QCoreApplication::translate("PictureFolder", "The folder %1 cannot be made.")
                    .arg(path_);
        return QString();
    }
    const QDir folder(path_);
    for (int n = 1; n <= MaxNumbered; ++n) {
        const QString candidate = folder.filePath(n == 1 ? name : Numbered(name, n));
        if (QFileInfo::exists(candidate)) {
            if (SameBytes(candidate, bytes))
                return candidate;
            continue;
        }
        QSaveFile file(candidate);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            error =
                QCoreApplication::translate("PictureFolder", "The picture %1 cannot be written: %2")
                    .arg(candidate, file.errorString());
            return QString();
        }
        written_ << candidate;
        return candidate;
    }
    error = QCoreApplication::translate(
                "PictureFolder", "The pictures folder holds too many pictures named like %1.")
                .arg(name);
    return QString();
}

void PictureFolder::RemoveWritten() {
    for (const QString& path : std::as_const(written_))
        QFile::remove(path);
    written_.clear();
}
