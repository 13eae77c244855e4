#include "storage/LabelTable.h"
#include "storage/TableSchemas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/UnwritableFolder.h"

#include <gtest/gtest.h>

namespace {

class LabelTableTest : public ::testing::Test {
protected:
    QString Dir() const { return dir.path(); }
    QString File(const char* name) const { return QDir(dir.path()).filePath(name); }

    std::unique_ptr<LabelTable> OpenOk() {
        QString message, detail;
        auto table = LabelTable::Open(Dir(), message, &detail);
        EXPECT_TRUE(table) << message.toStdString() << ": " << detail.toStdString();
        return table;
    }

    static void AddLabel(LabelTable& t, const QString& description,
                         const QStringList& objects = {}) {
        t.Append();
        t.SetText("DESCRIPT", description);
        t.SetText("TEMPLATE", "Avery 5160 Address 1\" x 2-5/8\" (30)");
        t.SetFloat("LBLHEIGHT", 1.0);
        t.SetFloat("LBLWIDTH", 2.625);
        t.SetInteger("NBRACROSS", 3);
        t.SetInteger("NBRDOWN", 10);
        t.SetText("PAPERSIZE", "LTR");
        t.SetText("LBLSHAPE", "RR");
        t.SetMemoLines("OBJECTS", objects);
        t.Post();
    }

    static QStringList Walk(LabelTable& t) {
        QStringList names;
        for (t.First(); !t.Eof(); t.Next())
            names << t.Text("DESCRIPT");
        return names;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(LabelTableTest, FirstOpenCreatesTheTableItsMemoAndItsIndex) {
    auto table = OpenOk();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->Engine().fields(), LabelTableFields());
    EXPECT_EQ(table->Engine().fields().size(), 15u);
    EXPECT_EQ(table->RecordCount(), 0u);
    EXPECT_TRUE(table->Eof());
    EXPECT_EQ(table->Order(), "DESCRIPT");
    EXPECT_EQ(QString::fromStdString(table->Engine().tagExpression("DESCRIPT")).toLower(),
              "upper(descript)");
    EXPECT_TRUE(QFileInfo::exists(File("QVLBLS.DBF")));
    EXPECT_TRUE(QFileInfo::exists(File("QVLBLS.CDX")) || QFileInfo::exists(File("QVLBLS.cdx")));
    QStringList memo = QDir(Dir()).entryList({"QVLBLS.FPT", "QVLBLS.fpt"}, QDir::Files);
    EXPECT_EQ(memo.size(), 1);
}

TEST_F(LabelTableTest, LabelsListByDescriptionWithoutRegardToCaseAndSurviveReopen) {
    {
        auto table = OpenOk();
        AddLabel(*table, "beta");
        AddLabel(*table, "Alpha", {"ITEM=1", "KIND=TEXT"});
        AddLabel(*table, "GAMMA");
        AddLabel(*table, "alpha two");
        EXPECT_EQ(Walk(*table), QStringList({"Alpha", "alpha two", "beta", "GAMMA"}));
    }
    auto table = OpenOk();
    EXPECT_EQ(table->Text("DESCRIPT"), "Alpha"); // opened on the first in description order
    EXPECT_EQ(table->MemoLines("OBJECTS"), QStringList({"ITEM=1", "KIND=TEXT"}));
    EXPECT_FLOAT_EQ(table->Float("LBLWIDTH"), 2.625f);
    EXPECT_EQ(table->Integer("NBRDOWN"), 10);
    EXPECT_TRUE(table->IsBlank("SHEETWIDTH"));
    EXPECT_TRUE(table->Seek("GAM"));
    EXPECT_EQ(table->Text("DESCRIPT"), "GAMMA");
}

TEST_F(LabelTableTest, MissingIndexIsRecreatedAtOpen) {
    {
        auto table = OpenOk();
        AddLabel(*table, "zeta");
        AddLabel(*table, "Eta");
    }
    for (const QString& name : QDir(Dir()).entryList({"*.CDX", "*.cdx"}, QDir::Files))
        ASSERT_TRUE(QFile::remove(QDir(Dir()).filePath(name)));
    auto table = OpenOk();
    EXPECT_EQ(table->Order(), "DESCRIPT");
    EXPECT_EQ(Walk(*table), QStringList({"Eta", "zeta"}));
    EXPECT_FALSE(table->IndexFileName().isEmpty());
}

TEST_F(LabelTableTest, SecondOpenIsRefusedWithTheOpenMessage) {
    auto first = OpenOk();
    ASSERT_TRUE(first);
    QString message, detail;
    EXPECT_FALSE(LabelTable::Open(Dir(), message, &detail));
    EXPECT_EQ(message, "We were unable to open the label file: QVLBLS.DBF");
    EXPECT_FALSE(detail.isEmpty());
    first->Close();
    EXPECT_TRUE(LabelTable::Open(Dir(), message));
}

TEST_F(LabelTableTest, DamagedTableGivesTheOpenMessage) {
    QFile file(File("QVLBLS.DBF"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not a table at all");
    file.close();
    QString message;
    EXPECT_FALSE(LabelTable::Open(Dir(), message));
    EXPECT_EQ(message, "We were unable to open the label file: QVLBLS.DBF");
}

TEST_F(LabelTableTest, FailedCreationGivesTheCreateMessage) {
    // A directory that cannot exist: its parent is a plain file.
    QFile blocker(File("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString message;
    EXPECT_FALSE(LabelTable::Open(File("blocker"), message));
    EXPECT_EQ(message, "Unable to create QVLBLS.DBF");
}

TEST_F(LabelTableTest, RebuildRemovesDeletedLabelsKeepsOrderAndTheCurrentLabel) {
    auto table = OpenOk();
    for (const char* name : {"b", "D", "a", "e", "C", "f"})
        AddLabel(*table, name, {QString("NAME=%1").arg(name)});
    // Delete "a" and "C" (records 3 and 5), then stand on "f" (record 6).
    ASSERT_TRUE(table->Seek("A"));
    table->Delete();
    ASSERT_TRUE(table->Seek("C"));
    table->Delete();
    ASSERT_TRUE(table->Seek("F"));
    ASSERT_EQ(table->RecNo(), 6u);

    table->RebuildIndexes();
    EXPECT_EQ(table->RecordCount(), 4u);
    EXPECT_EQ(table->Text("DESCRIPT"), "f");
    EXPECT_EQ(table->RecNo(), 4u);
    EXPECT_EQ(table->MemoLines("OBJECTS"), QStringList({"NAME=f"}));
    EXPECT_EQ(table->Order(), "DESCRIPT");
    EXPECT_EQ(Walk(*table), QStringList({"b", "D", "e", "f"}));
    for (table->First(); !table->Eof(); table->Next())
        EXPECT_EQ(table->MemoLines("OBJECTS"), QStringList({"NAME=" + table->Text("DESCRIPT")}));

    table->Close();
    auto reopened = OpenOk();
    EXPECT_EQ(Walk(*reopened), QStringList({"b", "D", "e", "f"}));
}

TEST_F(LabelTableTest, RebuildWithoutCurrentLabelEndsOnTheFirst) {
    auto table = OpenOk();
    AddLabel(*table, "x");
    AddLabel(*table, "w");
    table->Last();
    table->Next(); // past the end
    ASSERT_TRUE(table->Eof());
    table->RebuildIndexes();
    EXPECT_EQ(table->Text("DESCRIPT"), "w");
}

TEST_F(LabelTableTest, DescriptionsAreCutToThirtyBytesOnWholeCharacters) {
    const QString umlauts(16, QChar(0x00C4)); // 32 bytes in UTF-8
    EXPECT_EQ(LabelTable::StoredDescription(umlauts), QString(15, QChar(0x00C4)));
    EXPECT_EQ(LabelTable::StoredDescription("Clone of " + QString(40, 'x')).size(), 30);
    auto table = OpenOk();
    AddLabel(*table, "z" + umlauts);
    table->First();
    EXPECT_EQ(table->Text("DESCRIPT"), LabelTable::StoredDescription("z" + umlauts));
    EXPECT_EQ(table->FitToField("DESCRIPT", "z" + umlauts), table->Text("DESCRIPT"));
    EXPECT_EQ(table->FieldWidth("TEMPLATE"), 60);
}

TEST_F(LabelTableTest, RebuildReportsOnlyTheFinalMoveAndKeepsTheNotification) {
    auto table = OpenOk();
    for (int i = 10; i < 22; ++i)
        AddLabel(*table, QString("label %1").arg(i));
    ASSERT_TRUE(table->Seek("LABEL 21"));
    int records = 0;
    table->SetOnChange([&](dbf::Change change) {
        if (change == dbf::Change::Record)
            ++records;
    });
    table->RebuildIndexes();
    EXPECT_EQ(table->Text("DESCRIPT"), "label 21");
    const int afterRebuild = records;
    EXPECT_LE(afterRebuild, 4); // pack, new tag, order and the return, not one per record
    table->First();
    EXPECT_GT(records, afterRebuild); // still connected
}

TEST_F(LabelTableTest, RebuildPacksALinkedTableWhereTheLinksPoint) {
    // The table lives elsewhere; the data directory holds links to its files.
    QTemporaryDir elsewhere;
    {
        QString message;
        auto table = LabelTable::Open(elsewhere.path(), message);
        ASSERT_TRUE(table) << message.toStdString();
    }
    for (const char* name : {"QVLBLS.DBF", "QVLBLS.FPT", "QVLBLS.CDX"})
        ASSERT_TRUE(QFile::link(QDir(elsewhere.path()).filePath(name), File(name))) << name;
    {
        auto table = OpenOk();
        for (const char* name : {"kept", "gone", "also kept"})
            AddLabel(*table, name, {QString("NAME=%1").arg(name)});
        ASSERT_TRUE(table->Seek("GONE"));
        table->Delete();
        table->RebuildIndexes();
        AddLabel(*table, "saved after", {"NAME=saved after"});
    }
    for (const char* name : {"QVLBLS.DBF", "QVLBLS.FPT", "QVLBLS.CDX"})
        EXPECT_TRUE(QFileInfo(File(name)).isSymLink()) << name << " was replaced by a plain file";
    QString message;
    auto target = LabelTable::Open(elsewhere.path(), message);
    ASSERT_TRUE(target) << message.toStdString();
    EXPECT_EQ(target->RecordCount(), 3u); // packed, then one more saved
    EXPECT_EQ(Walk(*target), QStringList({"also kept", "kept", "saved after"}));
    ASSERT_TRUE(target->Seek("SAVED"));
    EXPECT_EQ(target->MemoLines("OBJECTS"), QStringList({"NAME=saved after"}));
}

TEST_F(LabelTableTest, FailedRebuildLeavesAWorkingIndexAndSavingGoesOn) {
    auto table = OpenOk();
    for (const char* name : {"b", "a", "gone", "c"})
        AddLabel(*table, name);
    ASSERT_TRUE(table->Seek("GONE"));
    table->Delete();
    ASSERT_TRUE(table->Seek("C"));
    {
        UnwritableFolder locked(Dir());
        ASSERT_TRUE(locked.holds()) << locked.why().toStdString();
        EXPECT_THROW(table->RebuildIndexes(), dbf::Error);
        EXPECT_EQ(table->Order(), "DESCRIPT");
        EXPECT_FALSE(table->IndexFileName().isEmpty());
        EXPECT_EQ(table->Text("DESCRIPT"), "c"); // still on the label shown
        QFile header(File("QVLBLS.DBF"));
        ASSERT_TRUE(header.open(QIODevice::ReadOnly));
        EXPECT_EQ(header.read(29).at(28) & 0x01, 0x01) << "the header still flags its index";
        // Saving still works (the files themselves stay writable), in description order.
        AddLabel(*table, "aa");
        EXPECT_EQ(Walk(*table), QStringList({"a", "aa", "b", "c"}));
        EXPECT_TRUE(table->Seek("AA"));
    }
    table->RebuildIndexes(); // once the folder is writable again
    EXPECT_EQ(table->RecordCount(), 4u);
    table->Close();
    auto reopened = OpenOk();
    EXPECT_EQ(Walk(*reopened), QStringList({"a", "aa", "b", "c"}));
    EXPECT_EQ(reopened->Engine().tagNames(), std::vector<std::string>({"DESCRIPT"}));
}
