#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

// The build installed into a temporary prefix as `cmake --install` installs it for a
// package: every file in its place, the desktop files clean under their validators, and the
// installed program taking its stock templates, help and translations from that prefix.

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString output; // standard output and error together
};

ProgramRun RunProgram(const QString& program, const QStringList& arguments,
               const QStringList& environment = {}) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& pair : environment)
        env.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {-1, program + QStringLiteral(": did not finish")};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

QByteArray Sha(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The text of a gzip file, as man(1) reads it.
QString Gunzip(const QString& path) {
    return RunProgram(QStringLiteral("gzip"), {QStringLiteral("-dc"), path}).output;
}

class InstalledTree : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(prefix.isValid());
        const ProgramRun install = RunProgram(QStringLiteral(QV_CMAKE_COMMAND),
                                       {QStringLiteral("--install"), QStringLiteral(QV_BUILD_DIR),
                                        QStringLiteral("--prefix"), prefix.path()});
        ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();
    }

    QString Path(const QString& relative) const { return QDir(prefix.path()).filePath(relative); }

    QTemporaryDir prefix;
};

} // namespace

TEST_F(InstalledTree, PutsEveryFileInItsPlace) {
    for (const char* file :
         {"bin/quorvane", "bin/quorvane-batch", "share/quorvane/QVLTPL.DBF",
          "share/quorvane/QVLTPL.CDX", "share/quorvane/help/quorvane.html",
          "share/quorvane/help/quorvane_de.html",
          "share/quorvane/translations/quorvane_de.qm",
          "share/applications/org.quorvane.Quorvane.desktop",
          "share/metainfo/org.quorvane.Quorvane.metainfo.xml", "share/mime/packages/quorvane.xml",
          "share/icons/hicolor/scalable/apps/quorvane.svg", "share/man/man1/quorvane.1.gz",
          "share/man/man1/quorvane-batch.1.gz", "share/doc/quorvane/copyright",
          "share/doc/quorvane/changelog.gz"})
        EXPECT_TRUE(QFileInfo(Path(QString::fromLatin1(file))).isFile()) << file;
    for (const char* program : {"bin/quorvane", "bin/quorvane-batch"})
        EXPECT_TRUE(QFileInfo(Path(QString::fromLatin1(program))).isExecutable()) << program;

    // The stock table installed is the one the build wrote, whatever it holds.
    for (const char* file : {"QVLTPL.DBF", "QVLTPL.CDX"}) {
        const QByteArray built =
            Sha(QStringLiteral(QV_BUILD_DIR "/storage/stock/") + QString::fromLatin1(file));
        EXPECT_FALSE(built.isEmpty()) << file;
        EXPECT_EQ(Sha(Path(QStringLiteral("share/quorvane/") + QString::fromLatin1(file))), built)
            << file;
    }

    // Each icon size is a picture of that size, not a blank square.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString file =
            Path(QStringLiteral("share/icons/hicolor/%1x%1/apps/quorvane.png").arg(size));
        const QImage icon(file);
        ASSERT_FALSE(icon.isNull()) << file.toStdString();
        EXPECT_EQ(icon.size(), QSize(size, size));
        int opaque = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                opaque += qAlpha(icon.pixel(x, y)) > 128;
        EXPECT_GT(opaque, size * size / 3) << size;
        EXPECT_LT(opaque, size * size) << "an icon with a transparent margin " << size;
    }

    // The manual pages name their programs.
    EXPECT_TRUE(Gunzip(Path(QStringLiteral("share/man/man1/quorvane.1.gz")))
                    .startsWith(QStringLiteral(".TH QUORVANE 1")));
    EXPECT_TRUE(Gunzip(Path(QStringLiteral("share/man/man1/quorvane-batch.1.gz")))
                    .startsWith(QStringLiteral(".TH QUORVANE-BATCH 1")));
}

TEST_F(InstalledTree, DesktopEntryMetainfoAndFileTypeAreValid) {
    const ProgramRun desktop =
        RunProgram(QStringLiteral("desktop-file-validate"),
                   {Path(QStringLiteral("share/applications/org.quorvane.Quorvane.desktop"))});
    EXPECT_EQ(desktop.exitCode, 0) << desktop.output.toStdString();
    EXPECT_TRUE(desktop.output.trimmed().isEmpty()) << desktop.output.toStdString();

    const ProgramRun metainfo = RunProgram(
        QStringLiteral("appstreamcli"),
        {QStringLiteral("validate"), QStringLiteral("--no-net"),
         Path(QStringLiteral("share/metainfo/org.quorvane.Quorvane.metainfo.xml"))});
    EXPECT_EQ(metainfo.exitCode, 0) << metainfo.output.toStdString();
    EXPECT_FALSE(metainfo.output.contains(QRegularExpression(QStringLiteral("^[EW]:"),
                                                             QRegularExpression::MultilineOption)))
        << metainfo.output.toStdString();

    // The file type as the desktop's database compiles it: *.qvlabel is a Quorvane label.
    const ProgramRun mime = RunProgram(QStringLiteral("update-mime-database"),
                                {Path(QStringLiteral("share/mime"))});
    ASSERT_EQ(mime.exitCode, 0) << mime.output.toStdString();
    QFile globs(Path(QStringLiteral("share/mime/globs2")));
    ASSERT_TRUE(globs.open(QIODevice::ReadOnly));
    EXPECT_TRUE(globs.readAll().contains("application/x-quorvane-label:*.qvlabel"));

    // The menu entry starts the installed program and shows the installed icon.
    QFile entry(Path(QStringLiteral("share/applications/org.quorvane.Quorvane.desktop")));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    // A file manager's double click hands the program the file: label files and gLabels
    // documents open in it.
    EXPECT_TRUE(text.contains("\nExec=quorvane %f\n"));
    EXPECT_TRUE(text.contains("\nMimeType=application/x-quorvane-label;application/x-glabels;\n"));
    EXPECT_TRUE(text.contains("\nIcon=quorvane\n"));
}

TEST_F(InstalledTree, InstalledProgramTakesItsFilesFromThePrefix) {
    const QString probe = QStringLiteral(QV_INSTALL_PROBE);
    // From the build folder: the copies built into the program.
    const ProgramRun built = RunProgram(probe, {});
    ASSERT_EQ(built.exitCode, 0) << built.output.toStdString();
    EXPECT_EQ(built.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
              QStringList({QStringLiteral(":/stock/QVLTPL.DBF"), QStringLiteral(":/stock/QVLTPL.CDX"),
                           QStringLiteral("qrc:/help/quorvane.html"), QStringLiteral(":/i18n")}));

    // Beside the installed programs: the installed files, wherever the prefix is.
    const QString installed = Path(QStringLiteral("bin/qv_install_probe"));
    ASSERT_TRUE(QFile::copy(probe, installed));
    const ProgramRun run = RunProgram(installed, {});
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    const QString share = QFileInfo(Path(QStringLiteral("share/quorvane"))).canonicalFilePath();
    EXPECT_EQ(run.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
              QStringList({share + QStringLiteral("/QVLTPL.DBF"), share + QStringLiteral("/QVLTPL.CDX"),
                           QUrl::fromLocalFile(share + QStringLiteral("/help/quorvane.html")).toString(),
                           share + QStringLiteral("/translations")}));

    // An installed tree lacking the index pairs no table with another copy's index.
    ASSERT_TRUE(QFile::remove(Path(QStringLiteral("share/quorvane/QVLTPL.CDX"))));
    const QStringList partial =
        RunProgram(installed, {}).output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(partial.size(), 2);
    EXPECT_EQ(partial[0], QStringLiteral(":/stock/QVLTPL.DBF"));
    EXPECT_EQ(partial[1], QStringLiteral(":/stock/QVLTPL.CDX"));
}

// The language follows the locale the environment sets, as a user's session sets it.
TEST(InstalledLanguage, FollowsTheEnvironmentsLocale) {
    const QString probe = QStringLiteral(QV_INSTALL_PROBE);
    const auto languageUnder = [&](const QStringList& environment) {
        QStringList clean{QStringLiteral("LANGUAGE="), QStringLiteral("LC_ALL="),
                          QStringLiteral("LC_MESSAGES=")};
        const ProgramRun run = RunProgram(probe, {QStringLiteral("--language")}, clean + environment);
        return run.output.split(QLatin1Char('\n')).mid(0, 2);
    };
    EXPECT_EQ(languageUnder({QStringLiteral("LANG=de_DE.UTF-8")}),
              QStringList({QStringLiteral("de"), QStringLiteral("Abbrechen")}));
    EXPECT_EQ(languageUnder({QStringLiteral("LANG=de_AT.UTF-8")}),
              QStringList({QStringLiteral("de"), QStringLiteral("Abbrechen")}));
    EXPECT_EQ(languageUnder({QStringLiteral("LANG=C")}),
              QStringList({QString(), QStringLiteral("Cancel")}));
    EXPECT_EQ(languageUnder({QStringLiteral("LANG=de_DE.UTF-8"), QStringLiteral("LC_ALL=C")}),
              QStringList({QString(), QStringLiteral("Cancel")}));
    EXPECT_EQ(languageUnder({QStringLiteral("LANG=fr_FR.UTF-8")}),
              QStringList({QString(), QStringLiteral("Cancel")}));
    EXPECT_EQ(languageUnder({QStringLiteral("LANG=en_GB.UTF-8")}),
              QStringList({QString(), QStringLiteral("Cancel")}));
}

// Every option quorvane-batch takes is described in its manual page, and the page describes
// no option the program lacks.
TEST(ManualPages, NameEveryOptionOfTheBatchRenderer) {
    const ProgramRun help = RunProgram(QStringLiteral(QV_BUILD_DIR "/app/quorvane-batch"),
                                {QStringLiteral("--help")});
    ASSERT_EQ(help.exitCode, 0) << help.output.toStdString();
    QFile page(qEnvironmentVariable("QV_SOURCE_DIR") + QStringLiteral("/dist/man/quorvane-batch.1"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    QString manual = QString::fromUtf8(page.readAll());
    manual.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*"));
    QSet<QString> fromProgram, fromManual;
    for (const auto& match : option.globalMatch(help.output))
        fromProgram.insert(match.captured());
    for (const auto& match : option.globalMatch(manual))
        fromManual.insert(match.captured());
    EXPECT_FALSE(fromProgram.isEmpty());
    for (const QString& name : fromProgram)
        EXPECT_TRUE(fromManual.contains(name)) << "the manual page lacks " << name.toStdString();
    for (const QString& name : fromManual)
        EXPECT_TRUE(fromProgram.contains(name))
            << "the program lacks " << name.toStdString() << "; it says:\n"
            << help.output.toStdString();
}
