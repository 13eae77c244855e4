#include "storage/TemplateTable.h"
#include "storage/TableSchemas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// The rows of templates/stock-templates.csv, each split into its fields.
QList<QStringList> StockCsvRows() {
    QFile file(qEnvironmentVariable("QV_SOURCE_DIR") + "/templates/stock-templates.csv");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QList<QStringList> rows;
    bool header = true;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        QStringList fields{QString()};
        bool quoted = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.last() += '"';
                ++i;
            } else if (c == '"') {
                quoted = !quoted;
            } else if (c == ',' && !quoted) {
                fields << QString();
            } else {
                fields.last() += c;
            }
        }
        if (!header)
            rows << fields;
        header = false;
    }
    return rows;
}

class TemplateTableTest : public ::testing::Test {
protected:
    QString File(const char* name) const { return QDir(dir.path()).filePath(name); }

    std::unique_ptr<TemplateTable> OpenOk() {
        QString message, detail;
        auto table = TemplateTable::Open(dir.path(), message, &detail);
        EXPECT_TRUE(table) << message.toStdString() << ": " << detail.toStdString();
        return table;
    }

    static LabelTemplate UserTemplate(const QString& name) {
        LabelTemplate t;
        t.name = name;
        t.geometry = {1.5f, 3.25f, 2, 7, 0.5f, 0.1875f, 4.125f, 1.5f, "USER", "SR"};
        t.userDefined = true;
        return t;
    }

    static QStringList Names(TemplateTable& t) {
        QStringList names;
        for (t.First(); !t.Eof(); t.Next())
            names << t.Text("TEMPLATE");
        return names;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(TemplateTableTest, StockTableShipsEveryCsvRowInTemplateOrder) {
    auto table = OpenOk();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->Engine().fields(), TemplateTableFields());
    EXPECT_EQ(table->Order(), "TEMPLATE");
    EXPECT_EQ(QString::fromStdString(table->Engine().tagExpression("TEMPLATE")).toLower(),
              "upper(template)");

    const QList<QStringList> csv = StockCsvRows();
    ASSERT_GE(csv.size(), 1000);
    EXPECT_EQ(table->RecordCount(), static_cast<quint32>(csv.size()));

    QStringList names = Names(*table);
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return a.toUpper().toUtf8() < b.toUpper().toUtf8();
    });
    EXPECT_EQ(names, sorted);

    for (const QStringList& row : csv) {
        SCOPED_TRACE(row[0].toStdString());
        ASSERT_EQ(row.size(), 18);
        ASSERT_TRUE(table->Seek(row[0]));
        const LabelTemplate t = table->Current();
        EXPECT_EQ(t.name, row[0]);
        EXPECT_NEAR(t.geometry.labelHeight, row[1].toDouble(), 1e-5);
        EXPECT_NEAR(t.geometry.labelWidth, row[2].toDouble(), 1e-5);
        EXPECT_EQ(t.geometry.labelsAcross, row[3].toInt());
        EXPECT_EQ(t.geometry.labelsDown, row[4].toInt());
        EXPECT_NEAR(t.geometry.topMargin, row[5].toDouble(), 1e-5);
        EXPECT_NEAR(t.geometry.leftMargin, row[6].toDouble(), 1e-5);
        EXPECT_NEAR(t.geometry.horizontalPitch, row[7].toDouble(), 1e-5);
        EXPECT_NEAR(t.geometry.verticalPitch, row[8].toDouble(), 1e-5);
        EXPECT_EQ(t.geometry.paperSize, row[9]);
        EXPECT_FALSE(t.userDefined);
        EXPECT_EQ(t.geometry.labelShape, row[11]);
        EXPECT_EQ(t.brand, row[12]);
        EXPECT_EQ(t.partNumber, row[13]);
        EXPECT_EQ(t.equivalents, row[14]);
        EXPECT_EQ(t.category, row[15]);
        EXPECT_NEAR(t.geometry.sheetWidth, row[16].toDouble(), 1e-5);
        EXPECT_NEAR(t.geometry.sheetHeight, row[17].toDouble(), 1e-5);
    }
    // Four decimals are kept: Avery 5160 has a left margin of 5/32 in.
    ASSERT_TRUE(table->Seek("Avery 5160 "));
    EXPECT_EQ(table->Text("LEFTMARG"), "0.1563");
}

TEST_F(TemplateTableTest, StockTableIsCopiedWithItsIndexOnlyWhenMissing) {
    ASSERT_TRUE(TemplateTable::InstallStockTable(dir.path()));
    EXPECT_TRUE(QFileInfo(File("QVLTPL.DBF")).isWritable());
    EXPECT_TRUE(QFileInfo::exists(File("QVLTPL.CDX")));
    const quint32 stockCount = OpenOk()->RecordCount();
    {
        auto table = OpenOk();
        table->Append();
        table->Write(UserTemplate("My own sheet"));
        table->Post();
    }
    // Neither installing again nor opening again replaces the user's table.
    ASSERT_TRUE(TemplateTable::InstallStockTable(dir.path()));
    auto table = OpenOk();
    EXPECT_EQ(table->RecordCount(), stockCount + 1);
    ASSERT_TRUE(table->Seek("MY OWN SHEET"));
    EXPECT_EQ(table->Current(), UserTemplate("My own sheet"));
    EXPECT_FALSE(QFileInfo::exists(File("QVLTPL.DBF.new")));
}

TEST_F(TemplateTableTest, AnExistingTableOfAnotherMakeIsNeverOverwritten) {
    dbf::Table::create(File("QVLTPL.DBF").toStdString(), TemplateTableFields());
    {
        auto raw = dbf::Table::open(File("QVLTPL.DBF").toStdString());
        raw->append();
        raw->setText("TEMPLATE", "Only sheet");
        raw->post();
    }
    auto table = OpenOk(); // creates the missing tag, keeps the row
    EXPECT_EQ(Names(*table), QStringList({"Only sheet"}));
}

TEST_F(TemplateTableTest, RebuildPacksAndKeepsTemplateOrder) {
    {
        auto table = OpenOk();
        for (const char* name : {"zz mine", "AA mine", "mm mine"}) {
            table->Append();
            table->Write(UserTemplate(name));
            table->Post();
        }
        ASSERT_TRUE(table->Seek("MM MINE"));
        table->Delete();
        EXPECT_FALSE(Names(*table).contains("mm mine"));
    }
    const quint32 before = OpenOk()->RecordCount();
    QString message;
    ASSERT_TRUE(TemplateTable::RebuildIndexes(dir.path(), message));
    auto table = OpenOk();
    EXPECT_EQ(table->RecordCount(), before - 1);
    const QStringList names = Names(*table);
    EXPECT_EQ(names.first(), "AA mine");
    EXPECT_EQ(names.last(), "zz mine");
    EXPECT_FALSE(names.contains("mm mine"));
}

TEST_F(TemplateTableTest, HeldOrDamagedTableGivesTheTemplateMessage) {
    auto held = OpenOk();
    QString message;
    EXPECT_FALSE(TemplateTable::Open(dir.path(), message));
    EXPECT_EQ(message, "We were unable to open the label template file: QVLTPL.DBF");
    message.clear();
    EXPECT_FALSE(TemplateTable::RebuildIndexes(dir.path(), message));
    EXPECT_EQ(message, "We were unable to open the label template file: QVLTPL.DBF");
    held.reset();

    QFile file(File("QVLTPL.DBF"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("\x03garbage");
    file.close();
    message.clear();
    EXPECT_FALSE(TemplateTable::Open(dir.path(), message));
    EXPECT_EQ(message, "We were unable to open the label template file: QVLTPL.DBF");
}

TEST_F(TemplateTableTest, RebuildOfAMissingTableFailsWithoutCreatingOne) {
    QString message;
    EXPECT_FALSE(TemplateTable::RebuildIndexes(dir.path(), message));
    EXPECT_EQ(message, "We were unable to open the label template file: QVLTPL.DBF");
    EXPECT_FALSE(QFileInfo::exists(File("QVLTPL.DBF")));
}

TEST_F(TemplateTableTest, UnwritableDataDirectoryGivesTheTemplateMessage) {
    QFile blocker(File("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString message;
    EXPECT_FALSE(TemplateTable::Open(File("blocker"), message));
    EXPECT_EQ(message, "We were unable to open the label template file: QVLTPL.DBF");
}

TEST_F(TemplateTableTest, NamesAreCutToSixtyBytes) {
    EXPECT_EQ(TemplateTable::StoredName(QString(70, 'n')).size(), 60);
    EXPECT_EQ(TemplateTable::StoredName("Copy of " + QString(30, QChar(0x00E9))),
              "Copy of " + QString(26, QChar(0x00E9)));
}
