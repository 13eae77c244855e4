#include "merge/MergeSourceError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

std::string Compose(const QString& fileName, long long line, long long record,
                    const QString& what) {
    QString text = QDir::toNativeSeparators(fileName);
    if (line > 0)
        text += QCoreApplication::translate("MergeSourceError", ", line %1").arg(line);
    if (record > 0)
        text += line > 0
                    ? QCoreApplication::translate("MergeSourceError", " (record %1)").arg(record)
                    : QCoreApplication::translate("MergeSourceError", ", record %1").arg(record);
    return (text + QStringLiteral(": ") + what).toStdString();
}

} // namespace

MergeSourceError::MergeSourceError(const QString& fileName, long long line, long long record,
                                   const QString& what)
    : std::runtime_error(Compose(fileName, line, record, what)) {}
