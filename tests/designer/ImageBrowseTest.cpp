#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "designer/DesignerPrompter.h"
#include "designer/ImagePreview.h"
#include "designer/TImageBrowse.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"

namespace {
void WriteBitmap(const QString& path, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, "BMP"));
}

void WriteText(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A folder with pictures in mixed letter case, other files and a subfolder.
struct PictureFolder {
    QTemporaryDir dir;
    PictureFolder() {
        WriteBitmap(dir.filePath(QStringLiteral("logo.bmp")), {40, 30}, Qt::red);
        WriteBitmap(dir.filePath(QStringLiteral("BIG.BMP")), {600, 500}, Qt::blue);
        WriteText(dir.filePath(QStringLiteral("clip.Wmf")), "not really a metafile");
        WriteText(dir.filePath(QStringLiteral("photo.png")), "png");
        WriteText(dir.filePath(QStringLiteral("notes.txt")), "text");
        WriteText(dir.filePath(QStringLiteral("bmp")), "no extension");
        QDir(dir.path()).mkdir(QStringLiteral("Sub"));
        WriteBitmap(dir.filePath(QStringLiteral("Sub/inner.BmP")), {8, 8}, Qt::green);
    }
};
} // namespace

TEST(ImageBrowse, ExtensionIsComparedUpperCased) {
    EXPECT_TRUE(TImageBrowse::HasPictureExtension(QStringLiteral("/a/b/logo.bmp")));
    EXPECT_TRUE(TImageBrowse::HasPictureExtension(QStringLiteral("LOGO.WMF")));
    EXPECT_TRUE(TImageBrowse::HasPictureExtension(QStringLiteral("x.tar.wMf")));
    // Every kind the program prints can be chosen, not only bitmaps and metafiles.
    for (const char* name : {"logo.bmp.png", "a.PNG", "photo.jpeg", "x.JPG", "logo.svg",
                             "scan.tif", "pic.webp", "anim.gif"})
        EXPECT_TRUE(TImageBrowse::HasPictureExtension(QString::fromLatin1(name))) << name;
    EXPECT_FALSE(TImageBrowse::HasPictureExtension(QStringLiteral("notes.txt")));
    EXPECT_FALSE(TImageBrowse::HasPictureExtension(QStringLiteral("/a.bmp/file")));
    EXPECT_FALSE(TImageBrowse::HasPictureExtension(QStringLiteral("bmp")));
    EXPECT_FALSE(TImageBrowse::HasPictureExtension(QString()));
}

TEST(ImageBrowse, FileListShowsEveryPictureKindInAnyLetterCase) {
    PictureFolder folder;
    TImageBrowse dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Image Browse"));
    EXPECT_EQ(dialog.size(), QSize(427, 319));
    dialog.SetDirectory(folder.dir.path());
    EXPECT_EQ(dialog.FileNames(),
              (QStringList{QStringLiteral("BIG.BMP"), QStringLiteral("clip.Wmf"),
                           QStringLiteral("logo.bmp"), QStringLiteral("photo.png")}));
    EXPECT_EQ(dialog.SelectedFile(), QString());
}

TEST(ImageBrowse, SelectingAFilePreviewsItAtItsNaturalSize) {
    PictureFolder folder;
    TImageBrowse dialog;
    dialog.SetDirectory(folder.dir.path());
    dialog.show();
    ASSERT_TRUE(dialog.SelectFile(QStringLiteral("logo.bmp")));
    EXPECT_EQ(dialog.SelectedFile(), folder.dir.filePath(QStringLiteral("logo.bmp")));
    EXPECT_EQ(dialog.PreviewImage()->size(), QSize(40, 30));
    EXPECT_EQ(dialog.PreviewImage()->grab().toImage().pixelColor(20, 15), QColor(Qt::red));

    // A picture larger than the box scrolls.
    ASSERT_TRUE(dialog.SelectFile(QStringLiteral("BIG.BMP")));
    EXPECT_EQ(dialog.PreviewImage()->size(), QSize(600, 500));
    EXPECT_GT(dialog.ImageScrollbox->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(dialog.ImageScrollbox->verticalScrollBar()->maximum(), 0);

    // A file that cannot be read shows a placeholder naming it instead of failing.
    ASSERT_TRUE(dialog.SelectFile(QStringLiteral("clip.Wmf")));
    EXPECT_TRUE(dialog.PreviewImage()->CurrentPicture().isNull());
    EXPECT_FALSE(dialog.PreviewImage()->ErrorText().isEmpty());
}

TEST(ImageBrowse, FolderListOpensSubfoldersAndTheFileListFollows) {
    PictureFolder folder;
    TImageBrowse dialog;
    dialog.SetDirectory(folder.dir.path());
    QListWidget* folders = dialog.DirectoryListBox;
    // The open folders from the root down, the current one selected, then the subfolders.
    EXPECT_EQ(folders->item(0)->text().trimmed(), QStringLiteral("/"));
    ASSERT_EQ(folders->item(folders->count() - 1)->text().trimmed(), QStringLiteral("Sub"));
    EXPECT_EQ(folders->currentItem()->text().trimmed(), QDir(folder.dir.path()).dirName());

    folders->setCurrentRow(folders->count() - 1);
    QTest::keyClick(folders, Qt::Key_Return); // opens the folder, does not close the dialog
    EXPECT_EQ(dialog.Directory(), folder.dir.filePath(QStringLiteral("Sub")));
    EXPECT_EQ(dialog.FileNames(), QStringList{QStringLiteral("inner.BmP")});
    EXPECT_EQ(dialog.result(), 0);

    // Back up through the parent entry.
    folders->setCurrentRow(folders->count() - 2);
    emit folders->itemActivated(folders->currentItem());
    EXPECT_EQ(dialog.Directory(), folder.dir.path());
}

TEST(ImageBrowse, PlacesAreTheRootsAndTheHome) {
    TImageBrowse dialog;
    QStringList places;
    for (int i = 0; i < dialog.DriveComboBox->count(); ++i)
        places << dialog.DriveComboBox->itemData(i).toString();
    EXPECT_TRUE(places.contains(QStringLiteral("/")));
    EXPECT_TRUE(places.contains(QDir::homePath()));
    // Choosing a place shows its folder.
    dialog.DriveComboBoxChange(places.indexOf(QStringLiteral("/")));
    EXPECT_EQ(dialog.Directory(), QStringLiteral("/"));
    EXPECT_EQ(dialog.DriveComboBox->currentData().toString(), QStringLiteral("/"));
}

TEST(ImageBrowse, GetImageFileGivesTheFullPathOnOkAndNothingOnCancel) {
    PictureFolder folder;
    ModalWatch watch = WhenModal<TImageBrowse>([&](TImageBrowse* dialog) {
        dialog->SetDirectory(folder.dir.path());
        dialog->SelectFile(QStringLiteral("logo.bmp"));
        QTest::keyClick(dialog->FileListBox, Qt::Key_Return);
    });
    EXPECT_EQ(DesignerPrompter::Current().GetImageFile(),
              folder.dir.filePath(QStringLiteral("logo.bmp")));

    // It reopens in the folder it was left in.
    watch = WhenModal<TImageBrowse>([&](TImageBrowse* dialog) {
        EXPECT_EQ(dialog->Directory(), folder.dir.path());
        dialog->SelectFile(QStringLiteral("BIG.BMP"));
        QTest::keyClick(dialog->FileListBox, Qt::Key_Escape);
    });
    EXPECT_EQ(DesignerPrompter::Current().GetImageFile(), QString());

    // OK with no file selected gives nothing.
    watch = WhenModal<TImageBrowse>([&](TImageBrowse* dialog) { dialog->OkButton->click(); });
    EXPECT_EQ(DesignerPrompter::Current().GetImageFile(), QString());
}

// The browser opens at the folder given for the next opening only, else at the stored one;
// a folder it is left in is handed to the store.
TEST(ImageBrowse, OpensAtTheNextFolderThenTheStoredOneAndSavesWhereItWasLeft) {
    PictureFolder stored;
    PictureFolder next;
    QStringList saved;
    DesignerPrompter::SetImageFolderStore([&] { return stored.dir.path(); },
                                          [&](const QString& folder) { saved << folder; });
    DesignerPrompter::OpenNextImageBrowserAt(next.dir.filePath(QStringLiteral("Sub")));
    QString opened;
    ModalWatch watch = WhenModal<TImageBrowse>([&](TImageBrowse* dialog) {
        opened = dialog->Directory();
        QTest::keyClick(dialog->FileListBox, Qt::Key_Escape);
    });
    DesignerPrompter::Current().GetImageFile();
    EXPECT_EQ(opened, next.dir.filePath(QStringLiteral("Sub")));
    EXPECT_EQ(saved, QStringList{next.dir.filePath(QStringLiteral("Sub"))});

    // The next-opening folder is used once; a fresh store is read again.
    DesignerPrompter::SetImageFolderStore([&] { return stored.dir.path(); },
                                          [&](const QString& folder) { saved << folder; });
    saved.clear();
    watch = WhenModal<TImageBrowse>([&](TImageBrowse* dialog) {
        opened = dialog->Directory();
        QTest::keyClick(dialog->FileListBox, Qt::Key_Escape);
    });
    DesignerPrompter::Current().GetImageFile();
    EXPECT_EQ(opened, stored.dir.path());
    EXPECT_TRUE(saved.isEmpty()) << "left where it opened: nothing new to keep";
    DesignerPrompter::SetImageFolderStore({}, {});
}

TEST(ImageBrowse, HelpOpensTopic1047) {
    ScriptedPrompter script;
    TImageBrowse dialog;
    dialog.HelpButton->click();
    ASSERT_EQ(script.History().size(), 1u);
    EXPECT_EQ(script.History()[0].caption, QStringLiteral("1047"));
}
