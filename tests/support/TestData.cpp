#include "TestData.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

QString TestDataPath(const QString& relative) {
    return QStringLiteral(QV_TEST_DATA_DIR "/") + relative;
}

QByteArray ReadTestData(const QString& relative) {
    const QString path = TestDataPath(relative);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "test data file missing or unreadable: " << path.toStdString() << " ("
                      << file.errorString().toStdString() << ")";
        return {};
    }
    return file.readAll();
}

QString PictureOutputDir() {
    const QString dir = qEnvironmentVariable("QV_PICTURE_DIR");
    if (!dir.isEmpty())
        QDir().mkpath(dir);
    return dir;
}
