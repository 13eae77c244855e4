#include "designer/FontFace.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

bool FontFace::Installed(const QString& family) {
    const QStringList families = QFontDatabase::families();
    return families.contains(family, Qt::CaseInsensitive);
}

QString FontFace::Printed(const QString& stored) {
    if (stored.isEmpty())
        return stored;
    for (const QString& family : QFontDatabase::families())
        if (family.compare(stored, Qt::CaseInsensitive) == 0)
            return family;
    return QFontInfo(QFont(stored)).family();
}
