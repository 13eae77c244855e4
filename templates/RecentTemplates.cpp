#include "templates/RecentTemplates.h"

#include <QDir>
#include <QSettings>

namespace {
const QString Key = QStringLiteral("Templates/Recent");
}

RecentTemplates::RecentTemplates(const QString& dataDirectory)
    : fileName_(QDir(dataDirectory).filePath(QStringLiteral("QV.INI"))) {}

QStringList RecentTemplates::Names() const {
    const QSettings ini(fileName_, QSettings::IniFormat);
    QStringList names = ini.value(Key).toStringList();
    names.removeAll(QString());
    return names.mid(0, Kept);
}

bool RecentTemplates::Remember(const QString& name) {
    if (name.isEmpty())
        return true;
    QStringList names = Names();
    names.removeAll(name);
    names.prepend(name);
    QSettings ini(fileName_, QSettings::IniFormat);
    ini.setValue(Key, names.mid(0, Kept));
    ini.sync();
    return ini.status() == QSettings::NoError;
}
