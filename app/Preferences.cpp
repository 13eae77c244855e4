#include "app/Preferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QThread>
#include <QUrl>

namespace {

// A description as a key: "/" and "\\" would split the key into groups.
QString MergeKey(const QString& description) {
    return QStringLiteral("Merge/") +
           QString::fromLatin1(QUrl::toPercentEncoding(description.trimmed().toUpper(), " "));
}

} // namespace

Preferences::Preferences(const QString& dataDirectory)
    : fileName_(QDir(dataDirectory).filePath(QStringLiteral("QV.INI"))) {}

void Preferences::RemoveAbandonedLock() const {
    const QString lock = fileName_ + QStringLiteral(".lock");
    QFileInfo info(lock);
    if (!info.exists() || info.size() != 0)
        return; // none, or one naming its owner, which Qt checks itself
    // A writer fills its lock file the moment it makes it: one still empty 100 ms later has
    // no writer behind it.
    QThread::msleep(100);
    info.refresh();
    if (info.exists() && info.size() == 0)
        QFile::remove(lock);
}

int Preferences::ReadLastUse() const {
    const QSettings ini(fileName_, QSettings::IniFormat);
    bool ok = false;
    const int value = ini.value(QStringLiteral("Remember/LastUse"), 0).toInt(&ok);
    return ok ? value : 0;
}

QString Preferences::ReadImageFolder() const {
    const QSettings ini(fileName_, QSettings::IniFormat);
    return ini.value(QStringLiteral("Remember/ImageFolder")).toString();
}

bool Preferences::WriteImageFolder(const QString& folder) const {
    QSettings ini(fileName_, QSettings::IniFormat);
    ini.setValue(QStringLiteral("Remember/ImageFolder"), folder);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

bool Preferences::WriteLastUse(int recordNumber) const {
    QSettings ini(fileName_, QSettings::IniFormat);
    ini.setValue(QStringLiteral("Remember/LastUse"), recordNumber);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

std::optional<WindowPlace> Preferences::ReadWindowPlace() const {
    const QSettings ini(fileName_, QSettings::IniFormat);
    int values[4] = {};
    const char* keys[4] = {"Window/Left", "Window/Top", "Window/Width", "Window/Height"};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = ini.value(QLatin1String(keys[i])).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    WindowPlace place;
    place.normal = QRect(values[0], values[1], values[2], values[3]);
    place.maximized = ini.value(QStringLiteral("Window/Maximized"), false).toBool();
    return place;
}

bool Preferences::WriteWindowPlace(const WindowPlace& place) const {
    QSettings ini(fileName_, QSettings::IniFormat);
    ini.setValue(QStringLiteral("Window/Left"), place.normal.left());
    ini.setValue(QStringLiteral("Window/Top"), place.normal.top());
    ini.setValue(QStringLiteral("Window/Width"), place.normal.width());
    ini.setValue(QStringLiteral("Window/Height"), place.normal.height());
    ini.setValue(QStringLiteral("Window/Maximized"), place.maximized);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

QString Preferences::ReadMergeSource(const QString& description) const {
    const QSettings ini(fileName_, QSettings::IniFormat);
    return ini.value(MergeKey(description)).toString();
}

bool Preferences::WriteMergeSource(const QString& description, const QString& fileName) const {
    QSettings ini(fileName_, QSettings::IniFormat);
    if (fileName.isEmpty())
        ini.remove(MergeKey(description));
    else
        ini.setValue(MergeKey(description), fileName);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

bool Preferences::ReadViewSetting(const QString& key, bool fallback) const {
    const QSettings ini(fileName_, QSettings::IniFormat);
    return ini.value(QStringLiteral("View/") + key, fallback).toBool();
}

bool Preferences::WriteViewSetting(const QString& key, bool on) const {
    QSettings ini(fileName_, QSettings::IniFormat);
    ini.setValue(QStringLiteral("View/") + key, on);
    ini.sync();
    return ini.status() == QSettings::NoError;
}
