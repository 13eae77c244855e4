#include "storage/TableSchemas.h"
#include "storage/TemplateTable.h"
#include "storage/TemplateTableUpgrade.h"
#include "storage/dbf/Table.h"
#include "support/UnwritableFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

// A template table of the first layout, as the program shipped it before the catalogue, is
// upgraded in place: the user's templates kept, a verified copy of the old files beside it,
// and no moment at which a kill leaves a table that loses them.
namespace {

std::vector<dbf::FieldDef> FirstLayout() {
    std::vector<dbf::FieldDef> fields = TemplateTableFields();
    fields.resize(OriginalTemplateFieldCount);
    return fields;
}

struct OldRow {
    const char* name;
    float height, width;
    int across, down;
    const char* paper;
    bool user;
    bool deleted = false;
};

const OldRow OldRows[] = {
    {"Avery 5160 Address 1\" x 2-5/8\" (30)", 1, 2.625f, 3, 10, "LTR", false},
    {"Zz my shipping sheet", 2, 4, 2, 5, "LTR", true},
    {"Avery L7163 Parcel 99.1 x 38.1mm (14)", 1.5f, 3.9f, 2, 7, "A4", false},
    {"aa my badges", 2.25f, 3.5f, 2, 4, "A4", true},
    {"My thrown-away sheet", 1, 2, 1, 1, "USER", true, true},
    {"Copy of Avery 5160 Address 1\" x 2-5/8\" (30)", 1, 2.625f, 3, 10, "LTR", true},
};

class UpgradeTest : public ::testing::Test {
protected:
    QString File(const QString& name) const { return QDir(dir.path()).filePath(name); }

    void WriteOldTable() {
        const std::string path = File("QVLTPL.DBF").toStdString();
        dbf::Table::create(path, FirstLayout());
        auto t = dbf::Table::open(path);
        for (const OldRow& r : OldRows) {
            t->append();
            t->setText("TEMPLATE", r.name);
            t->setFloat("LBLHEIGHT", r.height);
            t->setFloat("LBLWIDTH", r.width);
            t->setInteger("NBRACROSS", r.across);
            t->setInteger("NBRDOWN", r.down);
            t->setFloat("TOPMARG", 0.5);
            t->setFloat("LEFTMARG", 0.1875);
            t->setFloat("HORIZPITCH", r.width + 0.125);
            t->setFloat("VERTPITCH", r.height);
            t->setText("PAPERSIZE", r.paper);
            t->setLogical("USERDEF", r.user);
            t->setText("LBLSHAPE", "RR");
            t->post();
            if (r.deleted)
                t->deleteRecord();
        }
        t->createIndexTag(TemplateTableTag, TemplateTableTagExpression);
        t->close();
        oldTable = ReadBytes(File("QVLTPL.DBF"));
        oldIndex = ReadBytes(File("QVLTPL.CDX"));
    }

    static QByteArray ReadBytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Every user template of the old table is in `t` exactly once, unchanged, and the stock
    // sheets are the catalogue's.
    void ExpectUpgraded(TemplateTable& t) {
        EXPECT_EQ(t.Engine().fields(), TemplateTableFields());
        EXPECT_TRUE(t.HasCatalogueFields());
        QMap<QString, int> seen;
        int stock = 0;
        for (t.First(); !t.Eof(); t.Next()) {
            const LabelTemplate row = t.Current();
            if (!row.userDefined) {
                ++stock;
                continue;
            }
            ++seen[row.name];
            for (const OldRow& r : OldRows)
                if (row.name == QString::fromUtf8(r.name)) {
                    EXPECT_FLOAT_EQ(row.geometry.labelWidth, r.width) << r.name;
                    EXPECT_EQ(row.geometry.labelsDown, r.down) << r.name;
                    EXPECT_EQ(row.geometry.paperSize, r.paper) << r.name;
                    EXPECT_FLOAT_EQ(row.geometry.leftMargin, 0.1875f);
                }
        }
        QMap<QString, int> expected;
        for (const OldRow& r : OldRows)
            if (r.user && !r.deleted)
                expected[QString::fromUtf8(r.name)] = 1;
        EXPECT_EQ(seen, expected);
        EXPECT_GE(stock, 1000);
        // The table is in name order through its index, which agrees with it.
        t.SetOrder(TemplateTableTag);
        ASSERT_TRUE(t.Seek("AA MY BADGES"));
        EXPECT_EQ(t.Current().name, "aa my badges");
        ASSERT_TRUE(t.Seek("Avery 5160 "));
        EXPECT_EQ(t.Current().partNumber, "5160");
        // The old table and index, byte for byte, under the backup's names.
        EXPECT_EQ(ReadBytes(File("QVLTPL-OLD.DBF")), oldTable);
        EXPECT_EQ(ReadBytes(File("QVLTPL-OLD.CDX")), oldIndex);
        EXPECT_FALSE(QFileInfo::exists(File("QVLTPL-OLD2.DBF")));
        EXPECT_FALSE(QFileInfo::exists(File("QVLTPL-NEW.DBF")));
        EXPECT_FALSE(QFileInfo::exists(File("QVLTPL-NEW.CDX")));
    }

    std::unique_ptr<TemplateTable> OpenOk() {
        QString message, detail;
        auto table = TemplateTable::Open(dir.path(), message, &detail);
        EXPECT_TRUE(table) << message.toStdString() << ": " << detail.toStdString();
        return table;
    }

    QTemporaryDir dir;
    QByteArray oldTable, oldIndex;
};

TEST_F(UpgradeTest, FirstOpenKeepsEveryUserTemplateAndLeavesTheOldFilesBeside) {
    WriteOldTable();
    EXPECT_TRUE(TemplateTableUpgrade::NeedsUpgrade(File("QVLTPL.DBF")));
    {
        auto table = OpenOk();
        ASSERT_TRUE(table);
        ExpectUpgraded(*table);
    }
    // Once only: the next open changes nothing, and the backup still opens as a table.
    const QByteArray upgraded = ReadBytes(File("QVLTPL.DBF"));
    EXPECT_FALSE(TemplateTableUpgrade::NeedsUpgrade(File("QVLTPL.DBF")));
    OpenOk();
    EXPECT_EQ(ReadBytes(File("QVLTPL.DBF")), upgraded);
    auto backup = dbf::Table::open(File("QVLTPL-OLD.DBF").toStdString(), dbf::Mode::ReadOnly);
    EXPECT_EQ(backup->fields(), FirstLayout());
    EXPECT_EQ(backup->recordCount(), std::size(OldRows));
}

TEST_F(UpgradeTest, AnEarlierBackupIsNeverOverwritten) {
    WriteOldTable();
    QFile earlier(File("QVLTPL-OLD.DBF"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("a copy the user made of something else");
    earlier.close();
    OpenOk();
    EXPECT_EQ(ReadBytes(File("QVLTPL-OLD.DBF")), "a copy the user made of something else");
    EXPECT_EQ(ReadBytes(File("QVLTPL-OLD2.DBF")), oldTable);
    EXPECT_EQ(ReadBytes(File("QVLTPL-OLD2.CDX")), oldIndex);
}

TEST_F(UpgradeTest, AFolderThatRefusesNewFilesKeepsTheOldTableInUse) {
    WriteOldTable();
    UnwritableFolder locked(dir.path());
    if (!locked.holds())
        GTEST_SKIP() << locked.why().toStdString();
    QString message, detail;
    auto table = TemplateTable::Open(dir.path(), message, &detail);
    ASSERT_TRUE(table) << message.toStdString();
    EXPECT_FALSE(table->HasCatalogueFields());
    ASSERT_TRUE(table->Seek("ZZ MY"));
    const LabelTemplate t = table->Current();
    EXPECT_EQ(t.name, "Zz my shipping sheet");
    EXPECT_TRUE(t.userDefined);
    EXPECT_TRUE(t.brand.isEmpty());
    EXPECT_EQ(ReadBytes(File("QVLTPL.DBF")), oldTable);
}

// ---- a kill at every step, and at random moments

int ExitCodeOf(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFSIGNALED(status) ? -WTERMSIG(status) : WEXITSTATUS(status);
}

TEST_F(UpgradeTest, AKillAtAnyStepLeavesATableThatOpensWithEveryUserTemplate) {
    // The steps an upgrade takes, counted in a child so that this process stays as it is.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    WriteOldTable();
    QTemporaryDir countDir;
    QFile::copy(File("QVLTPL.DBF"), QDir(countDir.path()).filePath("QVLTPL.DBF"));
    QFile::copy(File("QVLTPL.CDX"), QDir(countDir.path()).filePath("QVLTPL.CDX"));
    pid_t pid = fork();
    if (pid == 0) {
        int steps = 0;
        TemplateTableUpgrade::SetStepHook([&](const char*) { ++steps; });
        const bool ok = TemplateTableUpgrade::Run(countDir.path());
        ssize_t n = write(fds[1], &steps, sizeof steps);
        _exit(ok && n == sizeof steps ? 0 : 1);
    }
    int steps = 0;
    ASSERT_EQ(ExitCodeOf(pid), 0);
    ASSERT_EQ(read(fds[0], &steps, sizeof steps), ssize_t(sizeof steps));
    close(fds[0]);
    close(fds[1]);
    // Backup index and table, new index and table, one per user template, two renames.
    EXPECT_EQ(steps, 4 + 3 + 2);

    std::mt19937 rng(24);
    int kills = 0;
    for (int round = 0; round < 2 * steps + 12; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        WriteOldTable();
        pid = fork();
        if (pid == 0) {
            // The first rounds stop the upgrade just before each step, the next just after
            // it, the last at a random moment (in the middle of writing a file).
            int step = 0;
            if (round < 2 * steps)
                TemplateTableUpgrade::SetStepHook([&](const char*) {
                    if (step++ == round / 2 && round % 2 == 0)
                        raise(SIGKILL);
                    if (step - 1 == round / 2 && round % 2 == 1)
                        alarm(0), ualarm(50, 0); // a moment into the step
                });
            else
                ualarm(200 + unsigned(rng() % 4000), 0);
            signal(SIGALRM, [](int) { raise(SIGKILL); });
            TemplateTableUpgrade::Run(dir.path());
            pause(); // a kill that came too late still ends the child by it
            _exit(0);
        }
        if (round >= 2 * steps)
            rng(); // the child drew the same number
        const int code = ExitCodeOf(pid);
        EXPECT_EQ(code, -SIGKILL);
        ++kills;
        // Whatever the moment: the old table whole, or the new one in place; either way the
        // next open finishes the work.
        auto table = OpenOk();
        ASSERT_TRUE(table);
        ExpectUpgraded(*table);
    }
    std::cout << kills << " upgrades killed over " << steps << " steps\n";
}

} // namespace
