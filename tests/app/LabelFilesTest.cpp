#include "MainWindowFixture.h"

#include "app/LabelFileCommands.h"
#include "app/Preferences.h"
#include "document/LabelDesign.h"
#include "storage/LabelRecordStore.h"

#include <QDir>
#include <QFile>
#include <QImage>

// Export Label, Import Label and a label file named on the command line, through the main
// window as the person uses them.

namespace {

using Answer = ScriptedPrompter::Answer;

class LabelFilesTest : public MainWindowTest {
protected:
    // A stored label "Badge" with a text, a box and a picture kept in the data directory's
    // pictures folder, and a merge source kept for it.
    void SaveBadge() {
        ASSERT_TRUE(QDir(dir.path()).mkpath("pictures"));
        picture = QDir(dir.filePath("pictures")).filePath("logo.png");
        QImage logo(8, 8, QImage::Format_ARGB32);
        logo.fill(Qt::red);
        ASSERT_TRUE(logo.save(picture));
        window->mnuNewLabel->trigger();
        LabelDesign items;
        items.REstoreItems(
            QStringLiteral("LABELITEM=TEXT\r\nTEXT=Hello {Name}\r\nTOP=0.104\r\nLEFT=0.208\r\n"
                           "WIDTH=0.417\r\nHEIGHT=0.167\r\nFONTNAME=Arial\r\nFONTCOLOR=0\r\n"
                           "FONTSIZE=10\r\nFONTBOLD=Y\r\nFONTITALIC=N\r\nFONTUNDER=N\r\nANGLE=0\r\n"
                           "LABELITEM=RECTANGLE\r\nTOP=0.5\r\nLEFT=0.25\r\nWIDTH=0.26\r\n"
                           "HEIGHT=0.26\r\nBRUSHSTYLE=CROSS\r\nCOLOR=255\r\nLINETHICKNESS=2\r\n"
                           "LINECOLOR=0\r\nLABELITEM=IMAGE\r\nTOP=0.1\r\nLEFT=1.5\r\nWIDTH=0.5\r\n"
                           "HEIGHT=0.5\r\nSTRETCH=Y\r\nFILENAMEANDPATH=") +
            picture + QStringLiteral("\r\n"));
        for (const LabelItemValue& value : items.ItemValues())
            window->Model().CreateItemFromValue(value);
        window->Descript->setText(QStringLiteral("Badge"));
        window->SaveButton->click();
        ASSERT_FALSE(Changed());
        Preferences(dir.path()).WriteMergeSource("Badge", "/srv/guests.csv");
    }

    // The stored label of that description: its record and objects text.
    CurrentLabel Stored(const QString& description, QString* objects) {
        LabelRecords::SuppressReloadScope quiet(window->Records());
        LabelTable& table = *window->Records().Table();
        const quint32 current = table.RecNo();
        LabelRecordStore store(table);
        EXPECT_TRUE(table.Seek(description.toUpper())) << description.toStdString();
        const CurrentLabel label = store.Read();
        *objects = store.ReadObjects();
        table.Go(current);
        return label;
    }

    int Records() {
        LabelRecords::SuppressReloadScope quiet(window->Records());
        LabelTable& table = *window->Records().Table();
        const quint32 current = table.RecNo();
        int n = 0;
        for (table.First(); !table.Eof(); table.Next())
            ++n;
        table.Go(current);
        return n;
    }

    QByteArray Read(const QString& path) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        return f.readAll();
    }

    QString picture;
};

} // namespace

TEST_F(LabelFilesTest, ExportThenImportGivesTheSameLabelUnderANewName) {
    SaveBadge();
    const QString file = dir.filePath("badge");
    prompts.Then(Answer::SaveFile(file));
    window->mnuExportLabel->trigger();
    ASSERT_TRUE(QFile::exists(file + ".qvlabel")) << "the extension is added";

    ASSERT_TRUE(window->LabelFiles().ImportFile(file + ".qvlabel"));
    EXPECT_EQ(Description(), "Badge (2)");
    EXPECT_FALSE(Changed()) << "the imported label is stored at once";
    EXPECT_EQ(window->Model().Design().items.size(), 3u);
    QString original, imported;
    const CurrentLabel a = Stored("Badge", &original);
    CurrentLabel b = Stored("Badge (2)", &imported);
    EXPECT_EQ(imported, original) << "the same memo bytes";
    EXPECT_EQ(b.geometry, a.geometry);
    EXPECT_EQ(b.templateName, a.templateName);
    EXPECT_EQ(Preferences(dir.path()).ReadMergeSource("Badge (2)"), "/srv/guests.csv");
    // The picture was already there with the same bytes: it is used again, not copied.
    EXPECT_EQ(QDir(dir.filePath("pictures")).entryList(QDir::Files).size(), 1);

    // Exported again, the imported label gives the same file but for its name.
    prompts.Then(Answer::SaveFile(dir.filePath("again.qvlabel")));
    window->mnuExportLabel->trigger();
    EXPECT_EQ(Read(dir.filePath("again.qvlabel")).toStdString(),
              Read(file + ".qvlabel").replace("\"Badge\"", "\"Badge (2)\"").toStdString());
}

TEST_F(LabelFilesTest, ALabelFileOpensCompleteInAnotherDataDirectory) {
    SaveBadge();
    const QString file = dir.filePath("badge.qvlabel");
    ASSERT_TRUE(window->LabelFiles().ExportTo(file));
    QString original;
    const CurrentLabel stored = Stored("Badge", &original);

    // Another person's machine: an empty data directory, the sender's picture not there.
    QTemporaryDir elsewhere;
    window.reset();
    std::swap(dir, elsewhere);
    StartWindow();
    QFile::remove(picture);
    ASSERT_TRUE(window->LabelFiles().ImportFile(file));
    EXPECT_EQ(Description(), "Badge");
    QString objects;
    EXPECT_EQ(Stored("Badge", &objects).geometry, stored.geometry);
    const QString arrived = QDir(dir.filePath("pictures")).filePath("logo.png");
    EXPECT_EQ(objects, QString(original).replace(picture, arrived));
    EXPECT_FALSE(QImage(arrived).isNull());
    std::swap(dir, elsewhere);
}

TEST_F(LabelFilesTest, ABrokenFileOrUnsavedChangesChangeNothing) {
    SaveBadge();
    const QString broken = dir.filePath("broken.qvlabel");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\"format\": \"quorvane-label\", \"version\": 1, \"descr");
    f.close();
    EXPECT_FALSE(window->LabelFiles().ImportFile(broken));
    ASSERT_FALSE(prompts.Messages("Information").isEmpty());
    const QString message = prompts.Messages("Information").last();
    EXPECT_TRUE(message.contains("damaged")) << message.toStdString();
    EXPECT_TRUE(message.contains("Nothing was changed"));
    EXPECT_EQ(Records(), 1);
    EXPECT_EQ(Description(), "Badge");

    const QString good = dir.filePath("good.qvlabel");
    ASSERT_TRUE(window->LabelFiles().ExportTo(good));
    window->Descript->selectAll();
    window->Descript->insert(QStringLiteral("Edited")); // as typed
    ASSERT_TRUE(Changed());
    EXPECT_FALSE(window->mnuImportLabel->isEnabled());
    EXPECT_FALSE(window->LabelFiles().ImportFile(good));
    EXPECT_TRUE(prompts.Messages("Information").last().contains("Save or cancel"));
    EXPECT_EQ(Records(), 1);
    EXPECT_EQ(Description(), "Edited") << "the unsaved edit is still there";
}

TEST_F(LabelFilesTest, AFileNamedOnTheCommandLineIsImportedAtStart) {
    SaveBadge();
    const QString file = dir.filePath("badge.qvlabel");
    ASSERT_TRUE(window->LabelFiles().ExportTo(file));
    window.reset();
    window = std::make_unique<TZendorMain>(dir.path());
    Prompter::SetMainWindow(window.get());
    window->ImportOnStart(file);
    window->FormActivate();
    EXPECT_EQ(Description(), "Badge (2)");
    EXPECT_EQ(window->Model().Design().items.size(), 3u);
    EXPECT_EQ(Records(), 2);
}
