#include "storage/DataDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// Restores an environment variable when the test ends.
class EnvGuard {
public:
    explicit EnvGuard(const char* name)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), value_(qgetenv(name)) {}
    ~EnvGuard() {
        if (had_)
            qputenv(name_, value_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray value_;
};

} // namespace

TEST(DataDirectory, QuorvaneHomeWinsOverEverything) {
    QTemporaryDir exe, home;
    Touch(QDir(exe.path()).filePath("QVLBLS.DBF"));
    EXPECT_EQ(DataDirectory::Choose(home.path(), exe.path(), "/xdg", "/home/u"),
              QDir::cleanPath(home.path()));
}

TEST(DataDirectory, PortableCopyUsesTheExecutableDirectoryOnlyWhenItHoldsTheLabels) {
    QTemporaryDir exe;
    // A build folder without labels is never chosen.
    EXPECT_EQ(DataDirectory::Choose("", exe.path(), "/xdg", "/home/u"), "/xdg/quorvane");
    Touch(QDir(exe.path()).filePath("QVLBLS.DBF"));
    EXPECT_EQ(DataDirectory::Choose("", exe.path(), "/xdg", "/home/u"),
              QDir::cleanPath(exe.path()));
}

TEST(DataDirectory, FallsBackToTheUsersDataDirectory) {
    EXPECT_EQ(DataDirectory::Choose("", "", "/xdg/data", "/home/u"), "/xdg/data/quorvane");
    EXPECT_EQ(DataDirectory::Choose("", "", "", "/home/u"), "/home/u/.local/share/quorvane");
    // A relative XDG_DATA_HOME is invalid and ignored.
    EXPECT_EQ(DataDirectory::Choose("", "", "relative/dir", "/home/u"),
              "/home/u/.local/share/quorvane");
}

TEST(DataDirectory, PathCreatesTheChosenDirectory) {
    EnvGuard guard("QUORVANE_HOME");
    QTemporaryDir root;
    const QString home = QDir(root.path()).filePath("nested/data");
    qputenv("QUORVANE_HOME", home.toUtf8());
    EXPECT_EQ(DataDirectory::Path(), QDir::cleanPath(home));
    EXPECT_TRUE(QFileInfo(home).isDir());
    EXPECT_EQ(DataDirectory::FilePath("QV.INI"), QDir(home).filePath("QV.INI"));
}

TEST(DataDirectory, XdgDirectoryIsCreatedWhenMissing) {
    EnvGuard home("QUORVANE_HOME"), xdg("XDG_DATA_HOME");
    QTemporaryDir root;
    qunsetenv("QUORVANE_HOME");
    qputenv("XDG_DATA_HOME", root.path().toUtf8());
    // The test executable's folder holds no QVLBLS.DBF, so the user's data directory is used.
    EXPECT_EQ(DataDirectory::Path(), QDir(root.path()).filePath("quorvane"));
    EXPECT_TRUE(QFileInfo(QDir(root.path()).filePath("quorvane")).isDir());
}
