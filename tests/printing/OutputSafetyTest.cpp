#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "printing/OutputError.h"
#include "printing/OutputFile.h"
#include "printing/PartialFiles.h"
#include "printing/StagedOutput.h"
#include "printing/TReportPdfWriter.h"
#include "support/SmallFileSystem.h"

namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

// Many pages of text and shapes: far more than a few kilobytes of PDF.
void ManyPages(TBaseReport& report) {
    report.SetFont(QStringLiteral("DejaVu Sans"), 12);
    for (int page = 0; page < 60; ++page) {
        if (page > 0)
            report.NewPage();
        for (int line = 0; line < 40; ++line)
            report.PrintXY(
                0.5, 0.5 + line * 0.25,
                QStringLiteral("Page %1, line %2: the quick brown fox").arg(page).arg(line));
        report.SetPen(Qt::black, TPenStyle::Solid, -1);
        report.Rectangle(1, 1, 7, 10);
    }
}

// The pid of a process that has ended (and been reaped): no process runs under it now.
qint64 DeadPid() {
    QProcess process;
    process.start(QStringLiteral("true"), {});
    process.waitForFinished();
    return process.processId() ? process.processId() : 999999;
}

QStringList Partials(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.partial")}, QDir::Files | QDir::Hidden);
}

} // namespace

// Every failure of the device is kept, and the message says what it means in words.
TEST(OutputSafety, AFullDeviceFailsTheFileWithItsReason) {
    const int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    {
        OutputFile device(fd, QStringLiteral("labels.pdf"));
        const QByteArray block(100 * 1024, 'x');
        for (int i = 0; i < 5; ++i)
            device.write(block); // the buffer fills and is written out: it fails there
        EXPECT_TRUE(device.Failed());
        EXPECT_EQ(device.write("more"), -1) << "a failed file takes no more bytes";
        EXPECT_FALSE(device.Finish());
        EXPECT_EQ(device.Error(),
                  QStringLiteral("cannot write labels.pdf: no space left on the device"));
    }
    ::close(fd);

    // The PDF writer never learns that its bytes were lost; the engine still does.
    const int again = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    OutputFile device(again, QStringLiteral("sheets.pdf"));
    TReportPdfWriter writer(device);
    writer.SelectPaper(1);
    writer.OnPrint = ManyPages;
    try {
        writer.Execute();
        FAIL() << "a PDF that never reached the device was reported as written";
    } catch (const OutputError& error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains(QStringLiteral("sheets.pdf")));
    }
    ::close(again);
}

TEST(OutputSafety, TargetsThatAreNoFilesAreRefused) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_TRUE(StagedOutput::Refusal(fifo).contains(QStringLiteral("named pipe")))
        << StagedOutput::Refusal(fifo).toStdString();
    EXPECT_TRUE(
        StagedOutput::Refusal(QStringLiteral("/dev/null")).contains(QStringLiteral("device")));
    EXPECT_TRUE(StagedOutput::Refusal(dir.path()).contains(QStringLiteral("folder")));
    // A link to a device is as much a device.
    const QString link = dir.filePath(QStringLiteral("null.pdf"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), link));
    EXPECT_FALSE(StagedOutput::Refusal(link).isEmpty());
    const QString loop = dir.filePath(QStringLiteral("loop.pdf"));
    ASSERT_TRUE(QFile::link(loop, loop));
    EXPECT_FALSE(StagedOutput::Refusal(loop).isEmpty());

    EXPECT_EQ(StagedOutput::Refusal(dir.filePath(QStringLiteral("new.pdf"))), QString());
    Write(dir.filePath(QStringLiteral("old.pdf")), "old");
    EXPECT_EQ(StagedOutput::Refusal(dir.filePath(QStringLiteral("old.pdf"))), QString());

    // The engine refuses them too, and leaves them as they were.
    TReportPdfWriter writer(fifo);
    EXPECT_THROW(writer.Execute(), std::runtime_error);
    QFileInfo info(fifo);
    EXPECT_FALSE(info.isFile());
    EXPECT_EQ(Partials(dir.path()), QStringList());
}

// A link stays a link and the file it names gets the new contents; a replaced file keeps
// its mode and owner.
TEST(OutputSafety, ReplacedFilesKeepLinkModeAndOwner) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("real"));
    const QString real = dir.filePath(QStringLiteral("real/labels.pdf"));
    Write(real, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(QFile::encodeName(real).constData(), 1234, 5678), 0);
    }
    const QString link = dir.filePath(QStringLiteral("labels.pdf"));
    ASSERT_TRUE(QFile::link(QStringLiteral("real/labels.pdf"), link));
    const QString dangling = dir.filePath(QStringLiteral("new.pdf"));
    ASSERT_TRUE(QFile::link(QStringLiteral("real/new.pdf"), dangling));

    StagedOutput output;
    output.Stage(link).write("new");
    output.Stage(dangling).write("fresh");
    QString error;
    ASSERT_TRUE(output.Commit(error)) << error.toStdString();

    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Read(real), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_EQ(Read(dir.filePath(QStringLiteral("real/new.pdf"))), QByteArray("fresh"));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(info.st_uid, 1234u);
        EXPECT_EQ(info.st_gid, 5678u);
    }
    EXPECT_EQ(Partials(dir.filePath(QStringLiteral("real"))), QStringList());
    EXPECT_EQ(Partials(dir.path()), QStringList());
}

// Partial files of runs that ended without cleaning up go at the next run in the folder;
// those of running processes and files of other names stay.
TEST(OutputSafety, StalePartialFilesOfDeadRunsAreRemoved) {
    QTemporaryDir dir;
    const QString dead =
        dir.filePath(QStringLiteral(".labels.pdf.quorvane-%1.partial").arg(DeadPid()));
    const QString alive =
        dir.filePath(QStringLiteral(".labels.pdf.quorvane-%1.partial").arg(::getppid()));
    const QString foreign = dir.filePath(QStringLiteral(".labels.pdf.12345.partial"));
    const QString mine = dir.filePath(QStringLiteral("notes.partial"));
    for (const QString& path : {dead, alive, foreign, mine})
        Write(path, "x");

    StagedOutput output;
    output.Stage(dir.filePath(QStringLiteral("other.pdf"))).write("%PDF");
    EXPECT_FALSE(QFile::exists(dead));
    EXPECT_TRUE(QFile::exists(alive));
    EXPECT_TRUE(QFile::exists(foreign));
    EXPECT_TRUE(QFile::exists(mine));
    output.Discard();
    EXPECT_EQ(Partials(dir.path()).size(), 3);
    EXPECT_TRUE(PartialFiles::NameFor(dir.filePath(QStringLiteral("a.pdf")))
                    .endsWith(QStringLiteral("/.a.pdf.quorvane-%1.partial")
                                  .arg(QCoreApplication::applicationPid())));
}

// Out of space for real: the engine reports the file and the reason, and the file that was
// there before is left byte for byte.
TEST(OutputSafety, FullDiskLeavesTheOldPdfAsItWas) {
    SmallFileSystem disk(512);
    if (!SmallFileSystem::Root())
        GTEST_SKIP() << disk.Reason().toStdString();
    ASSERT_TRUE(disk.Mounted()) << disk.Reason().toStdString();
    const QByteArray old = QByteArray("%PDF-1.4 the user's good file\n").repeated(500);
    ASSERT_TRUE(disk.Put(QStringLiteral("labels.pdf"), old));
    disk.FillLeaving(16 * 1024);

    TReportPdfWriter writer(disk.FilePath(QStringLiteral("labels.pdf")));
    writer.SelectPaper(1);
    writer.OnPrint = ManyPages;
    try {
        writer.Execute();
        FAIL() << "a PDF larger than the space left was reported as written";
    } catch (const OutputError& error) {
        const QString message = QString::fromUtf8(error.what());
        EXPECT_TRUE(message.contains(QStringLiteral("labels.pdf"))) << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("no space left on the device")))
            << message.toStdString();
    }
    EXPECT_EQ(Read(disk.FilePath(QStringLiteral("labels.pdf"))), old);
    EXPECT_EQ(disk.Names(), QStringList{QStringLiteral("labels.pdf")});
}
