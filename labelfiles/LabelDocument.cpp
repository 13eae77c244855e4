#include "labelfiles/LabelDocument.h"

#include "labelfiles/GlabelsDocument.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {
bool LooksLikeJson(const QByteArray& bytes) {
    for (const char c : bytes) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        return c == '{';
    }
    return false;
}
} // namespace

LabelDocument LabelDocument::Open(const QString& path) {
    LabelDocument document;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        document.error = file.errorString();
        return document;
    }
    if (file.size() > LabelFile::MaxFileBytes) {
        document.error =
            QStringLiteral("It is larger than %1 MB.").arg(LabelFile::MaxFileBytes >> 20);
        return document;
    }
    const QFileInfo info(path);
    return FromBytes(file.readAll(), info.absolutePath(), info.completeBaseName());
}

LabelDocument LabelDocument::FromBytes(const QByteArray& bytes, const QString& folder,
                                       const QString& name) {
    LabelDocument document;
    if (LooksLikeJson(bytes)) {
        LabelFileRead read = LabelFile::FromBytes(bytes);
        document.file = std::move(read.file);
        document.error = read.error;
        return document;
    }
    if (GlabelsDocument::Recognises(bytes)) {
        GlabelsDocument::Read read = GlabelsDocument::FromBytes(bytes, folder, name);
        document.file = std::move(read.file);
        document.sheet = std::move(read.sheet);
        document.notCarried = read.notCarried;
        document.error = read.error;
        return document;
    }
    document.error = QCoreApplication::translate(
        "LabelDocument", "It is neither a Quorvane label file nor a gLabels document.");
    return document;
}

QStringList LabelDocument::NameFilters() {
    return {QCoreApplication::translate("LabelDocument", "Labels (*.qvlabel *.glabels)"),
            QCoreApplication::translate("LabelDocument", "Quorvane labels (*.qvlabel)"),
            QCoreApplication::translate("LabelDocument", "gLabels documents (*.glabels)"),
            QCoreApplication::translate("LabelDocument", "All files (*)")};
}
