#include "labelfiles/LabelImport.h"

#include "document/StoredKeys.h"
#include "labelfiles/PictureFolder.h"
#include "storage/LabelRecordStore.h"
#include "storage/LabelTable.h"
#include "storage/TableErrorText.h"

#include <QBuffer>
#include <QImageReader>

#include <QCoreApplication>
#include <exception>

namespace {
constexpr int MaxNumber = 9999;
}

QString LabelImport::UniqueDescription(const QString& description, LabelTable& table) {
    LabelRecordStore store(table);
    const quint32 current = table.RecNo();
    QString unique = description;
    for (int n = 2; n <= MaxNumber && store.IsDuplicate(unique, 0); ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        QString base = description;
        while (!base.isEmpty() && LabelTable::StoredDescription(base + suffix) != base + suffix)
            base.chop(1);
        unique = base.trimmed() + suffix;
    }
    if (current > 0 && !table.Eof())
        table.Go(current);
    return unique;
}

QString LabelImport::ReplacePicturePath(const QString& objectsText, const QString& from,
                                        const QString& to) {
    const QString key = StoredKeyName(StoredKey::FileNameAndPath).toString() + QLatin1Char('=');
    const QString line = key + from + QStringLiteral("\r\n");
    QString text = objectsText;
    // Whole lines only: at the start of the text or after a line's end.
    qsizetype at = 0;
    while ((at = text.indexOf(line, at)) >= 0) {
        if (at == 0 || text.mid(at - 2, 2) == QLatin1String("\r\n")) {
            const QString replacement = key + to + QStringLiteral("\r\n");
            text.replace(at, line.size(), replacement);
            at += replacement.size();
        } else {
            at += line.size();
        }
    }
    return text;
}

QString LabelImport::PictureProblem(const EmbeddedPicture& picture) {
    QByteArray bytes = picture.data;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // Only the header is read: a picture's size is known before any pixel is.
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPicturePixels)
        return QCoreApplication::translate("LabelImport",
                                           "The picture \"%1\" is too large (%2 x %3 pixels).")
            .arg(picture.name)
            .arg(size.width())
            .arg(size.height());
    return QString();
}

LabelImport::Outcome LabelImport::Run(const LabelFile& file, LabelTable& table,
                                      const QString& dataDirectory) {
    Outcome outcome;
    if (const QString problem = LabelFile::GeometryProblem(file.label.geometry);
        !problem.isEmpty()) {
        outcome.error = problem;
        return outcome;
    }
    for (const EmbeddedPicture& picture : file.pictures) {
        if (!LabelFile::IsPlainFileName(picture.name)) {
            outcome.error = QCoreApplication::translate(
                                "LabelImport", "The picture name \"%1\" is not a plain file name.")
                                .arg(picture.name);
            return outcome;
        }
        if (const QString problem = PictureProblem(picture); !problem.isEmpty()) {
            outcome.error = problem;
            return outcome;
        }
    }
    PictureFolder folder(dataDirectory);
    CurrentLabel label = file.label;
    QString objectsText = file.objectsText;
    try {
        for (const EmbeddedPicture& picture : file.pictures) {
            const QString stored = folder.Store(picture.name, picture.data, outcome.error);
            if (stored.isEmpty()) {
                folder.RemoveWritten();
                return outcome;
            }
            objectsText = ReplacePicturePath(objectsText, picture.path, stored);
        }
        label.description = UniqueDescription(label.description, table);
        LabelRecordStore(table).Write(label, objectsText, true);
        outcome.record = table.RecNo();
    } catch (const std::exception& error) {
        folder.RemoveWritten();
        outcome.error = QCoreApplication::translate(
                            "LabelImport", "The label could not be added to the label table: %1")
                            .arg(TableErrorText::Of(error));
        return outcome;
    }
    outcome.imported = true;
    outcome.description = label.description;
    return outcome;
}
