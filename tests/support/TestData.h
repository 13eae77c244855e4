#pragma once

#include <QByteArray>
#include <QString>

// Files the tests read are kept in the project, under tests/data; nothing outside the
// repository is read.
QString TestDataPath(const QString& relative);
// The file's bytes. A missing or unreadable file fails the running test with a message that
// names it, and gives empty bytes.
QByteArray ReadTestData(const QString& relative);

// Where pictures for people to look at go: $QV_PICTURE_DIR (made when missing), or nowhere
// ("") when unset, so that a test run leaves no files behind.
QString PictureOutputDir();
