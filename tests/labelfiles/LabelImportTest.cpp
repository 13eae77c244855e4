#include "labelfiles/LabelImport.h"
#include "storage/LabelRecordStore.h"
#include "storage/LabelTable.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <zlib.h>

// Importing a label file into the label table: a unique description, pictures kept in the
// pictures folder, and nothing changed when the file cannot be taken whole.

namespace {

class LabelImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QString message;
        table = LabelTable::Open(dir.path(), message);
        ASSERT_TRUE(table) << message.toStdString();
    }

    static LabelFile File(const QString& description, const QString& picturePath = {}) {
        LabelFile file;
        file.label.description = description;
        file.label.templateName = QStringLiteral("Avery 5160");
        file.label.geometry = {1.0f, 2.625f, 3, 10, 0.5f, 0.188f, 2.75f, 1.0f, "LTR", "RR"};
        file.objectsText = QStringLiteral("LABELITEM=TEXT\r\nTEXT=Hi\r\nTOP=0.100\r\n");
        if (!picturePath.isEmpty())
            file.objectsText += QStringLiteral("LABELITEM=IMAGE\r\nFILENAMEANDPATH=%1\r\n"
                                               "LABELITEM=IMAGE\r\nFILENAMEANDPATH=%1x\r\n")
                                    .arg(picturePath);
        return file;
    }

    int Records() {
        int n = 0;
        for (table->First(); !table->Eof(); table->Next())
            ++n;
        return n;
    }

    QStringList Pictures() const {
        return QDir(dir.filePath("pictures")).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir dir;
    std::unique_ptr<LabelTable> table;
};

} // namespace

TEST_F(LabelImportTest, StoresTheLabelAsWrittenUnderAUniqueDescription) {
    const LabelFile file = File(QStringLiteral("Name badges"));
    LabelImport::Outcome first = LabelImport::Run(file, *table, dir.path());
    ASSERT_TRUE(first.imported) << first.error.toStdString();
    EXPECT_EQ(first.description, "Name badges");
    table->Go(first.record);
    LabelRecordStore store(*table);
    EXPECT_EQ(store.ReadObjects(), file.objectsText);
    EXPECT_EQ(store.Read(), file.label);

    // Names compare without regard to case, as Save compares them.
    LabelImport::Outcome second = LabelImport::Run(File("NAME BADGES"), *table, dir.path());
    EXPECT_EQ(second.description, "NAME BADGES (2)");
    EXPECT_EQ(LabelImport::Run(file, *table, dir.path()).description, "Name badges (3)");
    EXPECT_EQ(Records(), 3);

    // A description as long as the field keeps its number inside what the field stores.
    const QString longName = QString(30, QLatin1Char('x'));
    LabelImport::Run(File(longName), *table, dir.path());
    const QString numbered = LabelImport::Run(File(longName), *table, dir.path()).description;
    EXPECT_EQ(numbered, QString(26, QLatin1Char('x')) + " (2)");
    EXPECT_EQ(LabelTable::StoredDescription(numbered), numbered);
}

TEST_F(LabelImportTest, PicturesGoIntoThePicturesFolderAndTheItemsNameThem) {
    LabelFile file = File(QStringLiteral("Logo"), QStringLiteral("C:\\art\\logo.bmp"));
    file.pictures.push_back({"C:\\art\\logo.bmp", "logo.bmp", "first"});
    const LabelImport::Outcome outcome = LabelImport::Run(file, *table, dir.path());
    ASSERT_TRUE(outcome.imported) << outcome.error.toStdString();
    const QString stored = QDir(dir.filePath("pictures")).filePath("logo.bmp");
    table->Go(outcome.record);
    const QString objects = LabelRecordStore(*table).ReadObjects();
    EXPECT_TRUE(objects.contains("FILENAMEANDPATH=" + stored + "\r\n"));
    // Only whole lines are replaced: a longer path that begins the same is another picture.
    EXPECT_TRUE(objects.contains("FILENAMEANDPATH=C:\\art\\logo.bmpx\r\n"));

    // The same picture again is used again; another of the same name is kept beside it.
    LabelImport::Run(file, *table, dir.path());
    file.pictures[0].data = "second";
    LabelImport::Run(file, *table, dir.path());
    EXPECT_EQ(Pictures(), QStringList({"logo (2).bmp", "logo.bmp"}));
}

TEST_F(LabelImportTest, AFileThatCannotBeTakenWholeChangesNothing) {
    // A small PNG whose header claims 100000 x 100000 pixels (40 GB once unpacked).
    QImage small(4, 4, QImage::Format_RGB32);
    small.fill(Qt::white);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "PNG");
    const uchar huge[4] = {0x00, 0x01, 0x86, 0xA0}; // 100000, big-endian
    png.replace(16, 4, reinterpret_cast<const char*>(huge), 4);
    png.replace(20, 4, reinterpret_cast<const char*>(huge), 4);
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(png.constData() + 12), 17);
    const uchar crcBytes[4] = {uchar(crc >> 24), uchar(crc >> 16), uchar(crc >> 8), uchar(crc)};
    png.replace(29, 4, reinterpret_cast<const char*>(crcBytes), 4);

    LabelFile file = File("Bomb", "/x/a.png");
    file.pictures.push_back({"/x/a.png", "a.png", "fine"});
    file.pictures.push_back({"/x/b.png", "b.png", png});
    LabelImport::Outcome outcome = LabelImport::Run(file, *table, dir.path());
    EXPECT_FALSE(outcome.imported);
    EXPECT_TRUE(outcome.error.contains("too large")) << outcome.error.toStdString();

    file.pictures.pop_back();
    file.pictures.push_back({"/x/b.bmp", "../b.bmp", "escape"});
    outcome = LabelImport::Run(file, *table, dir.path());
    EXPECT_FALSE(outcome.imported);
    EXPECT_TRUE(outcome.error.contains("plain file name"));

    EXPECT_EQ(Records(), 0);
    EXPECT_TRUE(Pictures().isEmpty());
    EXPECT_FALSE(QFile::exists(QDir(dir.path()).filePath("b.bmp")));
}

TEST_F(LabelImportTest, APicturesFolderThatCannotBeWrittenLeavesNoLabel) {
    QFile blocker(dir.filePath("pictures"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    LabelFile file = File("Logo", "/x/a.png");
    file.pictures.push_back({"/x/a.png", "a.png", "fine"});
    const LabelImport::Outcome outcome = LabelImport::Run(file, *table, dir.path());
    EXPECT_FALSE(outcome.imported);
    EXPECT_TRUE(outcome.error.contains("pictures")) << outcome.error.toStdString();
    EXPECT_EQ(Records(), 0);
}
