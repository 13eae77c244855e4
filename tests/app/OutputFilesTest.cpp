#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "support/ModelItems.h"
#include "BatchProcess.h"
#include "MainWindowFixture.h"
#include "designer/LabelItems.h"
#include "printing/PrintJobs.h"
#include "support/SmallFileSystem.h"

using Answer = ScriptedPrompter::Answer;

namespace {

const QString kBoxes = QStringLiteral(
    "LABELITEM=RECTANGLE\nTOP=0.1\nLEFT=0.1\nWIDTH=0.5\nHEIGHT=0.5\nLINECOLOR=0\n"
    "LINETHICKNESS=1\nCOLOR=255\nBRUSHSTYLE=SOLID\nROUNDING=0\nNOTHING=NOTHING\n"
    "LABELITEM=TEXT\nTOP=0.1\nLEFT=0.8\nWIDTH=1.5\nHEIGHT=0.3\nTEXT=Springfield 1234\n"
    "FONTNAME=DejaVu Sans\nFONTSIZE=10\nFONTCOLOR=0\nFONTBOLD=N\nFONTITALIC=N\n"
    "FONTUNDERLINE=N\nANGLE=0\nRELATIVEX=0\nRELATIVEY=0\nNOTHING=NOTHING\n");

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Partials(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral(".*.partial")}, QDir::Files | QDir::Hidden);
}

// Waits until a file of that pattern is under way in folder; false after 30 s.
bool FileAppears(const QString& folder, const QString& pattern) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000) {
        if (!QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden).isEmpty())
            return true;
        QThread::msleep(20);
    }
    return false;
}

bool PartialAppears(const QString& folder) {
    return FileAppears(folder, QStringLiteral(".*.partial"));
}

class OutputFilesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SaveNewLabel(QStringLiteral("Parcels"));
        AddItemsFromText(window->Model(), kBoxes);
        window->SaveButton->click();
    }
    QStringList Batch(std::initializer_list<QString> more) const {
        QStringList arguments{QStringLiteral("--dir"), dir.path(), QStringLiteral("--label"),
                              QStringLiteral("Parcels")};
        for (const QString& argument : more)
            arguments << argument;
        return arguments;
    }
};

} // namespace

// Out of space half-way: exit 4, the file and the reason named, the old file kept byte for
// byte and nothing of the run left on the disk, for a PDF and for images.
TEST_F(OutputFilesTest, FullDiskFailsTheBatchAndKeepsWhatWasThere) {
    SmallFileSystem disk(768);
    if (!SmallFileSystem::Root())
        GTEST_SKIP() << disk.Reason().toStdString();
    ASSERT_TRUE(disk.Mounted()) << disk.Reason().toStdString();
    const QByteArray old = QByteArray("%PDF-1.4 the good file of yesterday\n").repeated(400);
    ASSERT_TRUE(disk.Put(QStringLiteral("labels.pdf"), old));
    QDir(disk.Path()).mkdir(QStringLiteral("pngs"));
    ASSERT_TRUE(disk.Put(QStringLiteral("pngs/sheet-0001.png"), "an older image"));
    disk.FillLeaving(48 * 1024);

    const BatchResult pdf =
        RunBatch(Batch({"--sheets", "400", "--pdf", disk.FilePath(QStringLiteral("labels.pdf"))}));
    EXPECT_EQ(pdf.exitCode, 4) << pdf.err.toStdString();
    EXPECT_TRUE(pdf.err.contains(QStringLiteral("labels.pdf: no space left on the device")))
        << pdf.err.toStdString();
    EXPECT_EQ(Read(disk.FilePath(QStringLiteral("labels.pdf"))), old);

    const BatchResult png = RunBatch(
        Batch({"--sheets", "50", "--dpi", "100", "--png", disk.FilePath(QStringLiteral("pngs"))}));
    EXPECT_EQ(png.exitCode, 4) << png.err.toStdString();
    EXPECT_TRUE(png.err.contains(QStringLiteral(".png: no space left on the device")))
        << png.err.toStdString();
    EXPECT_EQ(Read(disk.FilePath(QStringLiteral("pngs/sheet-0001.png"))),
              QByteArray("an older image"));
    EXPECT_EQ(QDir(disk.FilePath(QStringLiteral("pngs")))
                  .entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{QStringLiteral("sheet-0001.png")});
    EXPECT_EQ(disk.Names(), (QStringList{QStringLiteral("labels.pdf"), QStringLiteral("pngs")}));
}

// Export to PDF from the menu on a full disk: an error naming the file and the reason, and
// the old file as it was; on a disk with room, a line saying what was written.
TEST_F(OutputFilesTest, FullDiskFailsTheExportAndKeepsWhatWasThere) {
    const QString roomy = dir.filePath(QStringLiteral("badges.pdf"));
    prompts.Then(Answer::Text(QStringLiteral("4"))).Then(Answer::SaveFile(roomy));
    window->mnuExportPdf->trigger();
    EXPECT_EQ(prompts.Messages(QStringLiteral("Status")),
              QStringList{QStringLiteral("4 sheets written to badges.pdf")});

    SmallFileSystem disk(512);
    if (!SmallFileSystem::Root())
        GTEST_SKIP() << disk.Reason().toStdString();
    ASSERT_TRUE(disk.Mounted()) << disk.Reason().toStdString();
    const QByteArray old = QByteArray("%PDF-1.4 badges of last year\n").repeated(300);
    ASSERT_TRUE(disk.Put(QStringLiteral("badges.pdf"), old));
    disk.FillLeaving(32 * 1024);
    EXPECT_EQ(window->Printing().ExportPdf(disk.FilePath(QStringLiteral("badges.pdf")), 300),
              PrintJobs::Outcome::Failed);
    const QStringList errors = prompts.Messages(QStringLiteral("Error"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], QStringLiteral("cannot write badges.pdf: no space left on the device"));
    EXPECT_EQ(prompts.Messages(QStringLiteral("Status")).size(), 1) << "no second success";
    EXPECT_EQ(Read(disk.FilePath(QStringLiteral("badges.pdf"))), old);
    EXPECT_EQ(disk.Names(), QStringList{QStringLiteral("badges.pdf")});
}

// Devices, FIFOs and folders are refused before anything is drawn (exit 2); a link is written
// through; a replaced file keeps its mode; "-" is the standard output.
TEST_F(OutputFilesTest, BatchTargetsThatAreNoFiles) {
    const QString fifo = dir.filePath(QStringLiteral("pipe.pdf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QStringList refused{fifo, dir.path()};
    if (SmallFileSystem::Root()) {
        // A device node of its own (the null device): were it replaced, nothing is lost.
        const QString node = dir.filePath(QStringLiteral("null.pdf"));
        ASSERT_EQ(::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
        refused << node;
    }
    for (const QString& target : refused) {
        const BatchResult run = RunBatch(Batch({"--pdf", target}));
        EXPECT_EQ(run.exitCode, 2) << target.toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("not a file"))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    const BatchResult pngIntoFile =
        RunBatch(Batch({"--png", dir.filePath(QStringLiteral("QVLBLS.DBF"))}));
    EXPECT_EQ(pngIntoFile.exitCode, 2) << pngIntoFile.err.toStdString();

    const QString real = dir.filePath(QStringLiteral("real.pdf"));
    QFile(real).open(QIODevice::WriteOnly);
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0600), 0);
    const QString link = dir.filePath(QStringLiteral("link.pdf"));
    ASSERT_TRUE(QFile::link(real, link));
    const BatchResult through = RunBatch(Batch({"--pdf", link}));
    ASSERT_EQ(through.exitCode, 0) << through.err.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(Read(real).startsWith("%PDF"));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const BatchResult out = RunBatch(Batch({"--pdf", "-"}));
    EXPECT_EQ(out.exitCode, 0) << out.err.toStdString();
    EXPECT_TRUE(out.outBytes.startsWith("%PDF"));
    EXPECT_TRUE(out.outBytes.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(Partials(dir.path()), QStringList());
}

// A run stopped by SIGTERM or SIGINT removes its partial file; one killed outright leaves it
// for the next run in the folder, which removes it.
TEST_F(OutputFilesTest, StoppedRunsLeaveNoPartialFiles) {
    const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
    for (const int signalNumber : {SIGTERM, SIGINT}) {
        const BatchResult run =
            RunBatch(Batch({"--sheets", "9999", "--pdf", pdf}), [&](QProcess& process) {
                ASSERT_TRUE(PartialAppears(dir.path()));
                ::kill(pid_t(process.processId()), signalNumber);
            });
        EXPECT_EQ(run.exitCode, -2) << signalNumber;
        EXPECT_EQ(Partials(dir.path()), QStringList()) << signalNumber;
        EXPECT_FALSE(QFileInfo::exists(pdf));
    }
    const BatchResult killed =
        RunBatch(Batch({"--sheets", "9999", "--pdf", pdf}), [&](QProcess& process) {
            ASSERT_TRUE(PartialAppears(dir.path()));
            ::kill(pid_t(process.processId()), SIGKILL);
        });
    EXPECT_EQ(killed.exitCode, -2);
    ASSERT_EQ(Partials(dir.path()).size(), 1);
    const BatchResult next = RunBatch(Batch({"--pdf", dir.filePath(QStringLiteral("next.pdf"))}));
    EXPECT_EQ(next.exitCode, 0) << next.err.toStdString();
    EXPECT_EQ(Partials(dir.path()), QStringList());
}

// A job for a printer is spooled in the temporary folder first; SIGTERM takes the spool with
// it, and nothing reaches the queue.
TEST_F(OutputFilesTest, StoppedPrintJobLeavesNoSpool) {
    if (QPrinterInfo::printerInfo(QStringLiteral("PDF")).isNull())
        GTEST_SKIP() << "no CUPS queue \"PDF\" (scripts/cups-test-queue.sh as root sets it up)";
    QTemporaryDir spools;
    const QByteArray temporary = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(spools.path())); // the batch's temporary folder
    const BatchResult run =
        RunBatch(Batch({"--sheets", "9999", "--printer", "PDF"}), [&](QProcess& process) {
            EXPECT_TRUE(FileAppears(spools.path(), QStringLiteral("quorvane-*.pdf")));
            ::kill(pid_t(process.processId()), SIGTERM);
        });
    if (temporary.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", temporary);
    EXPECT_EQ(run.exitCode, -2) << run.err.toStdString();
    // Only our spools: the print system may keep files of its own in the same folder.
    EXPECT_EQ(QDir(spools.path())
                  .entryList({QStringLiteral("quorvane-*")}, QDir::Files | QDir::Hidden),
              QStringList());
}

// Merge files that are no files are refused at once (a FIFO would wait for ever), and a job
// of more sheets than one run prints is refused before anything is written.
TEST_F(OutputFilesTest, BatchMergeInputsThatCannotBePrinted) {
    const QString pdf = dir.filePath(QStringLiteral("merged.pdf"));
    const QString fifo = dir.filePath(QStringLiteral("records.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& merge : {fifo, dir.path()}) {
        const BatchResult run = RunBatch(Batch({"--merge", merge, "--pdf", pdf}));
        EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("not a regular file")))
            << run.err.toStdString();
    }

    const QString csv = dir.filePath(QStringLiteral("many.csv"));
    {
        QFile file(csv);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("City\n");
        for (int i = 0; i < 250000; ++i)
            file.write("Springfield\n");
    }
    const BatchResult huge = RunBatch(Batch({"--merge", csv, "--copies", "9999", "--pdf", pdf}));
    EXPECT_EQ(huge.exitCode, 2) << huge.err.toStdString();
    EXPECT_TRUE(huge.err.contains(QStringLiteral("at most 1,000,000 sheets")))
        << huge.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(pdf));
}
