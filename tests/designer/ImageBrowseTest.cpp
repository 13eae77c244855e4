#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>
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
    EXPECT_EQ(dialog.size(), QSize(560, 400));
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

    EXPECT_EQ(dialog.PreviewInfo().left(16), QStringLiteral("40 \u00d7 30 pixels, "));
    EXPECT_EQ(dialog.PathEdit->text(), folder.dir.filePath(QStringLiteral("logo.bmp")));

    // A picture larger than the box is shown whole, scaled down, and says so.
    ASSERT_TRUE(dialog.SelectFile(QStringLiteral("BIG.BMP")));
    const QSize shown = dialog.PreviewImage()->size();
    EXPECT_TRUE(dialog.ImageScrollbox->viewport()->rect().contains(QRect(QPoint(), shown)));
    EXPECT_NEAR(double(shown.width()) / shown.height(), 600.0 / 500.0, 0.01);
    EXPECT_EQ(dialog.ImageScrollbox->horizontalScrollBar()->maximum(), 0);
    EXPECT_TRUE(dialog.PreviewInfo().startsWith(QStringLiteral("600 \u00d7 500 pixels")));
    EXPECT_TRUE(dialog.PreviewInfo().contains(
        QStringLiteral("shown at %1 %").arg(qRound(dialog.PreviewImage()->Scale() * 100))));
    EXPECT_EQ(dialog.PreviewImage()->grab().toImage().pixelColor(shown.width() / 2, shown.height() / 2),
              QColor(Qt::blue));

    // A file that cannot be read shows a placeholder naming it instead of failing.
    ASSERT_TRUE(dialog.SelectFile(QStringLiteral("clip.Wmf")));
    EXPECT_TRUE(dialog.PreviewImage()->CurrentPicture().isNull());
    EXPECT_FALSE(dialog.PreviewImage()->ErrorText().isEmpty());
    EXPECT_EQ(dialog.InfoLabel->text(), dialog.PreviewImage()->ErrorText());
    EXPECT_TRUE(dialog.InfoLabel->text().contains(QStringLiteral("clip.Wmf")));
}

// The preview is drawn as the label prints it: see-through parts show the paper's white,
// the file's resolution gives the printed size, and a drawing stays a drawing.
TEST(ImageBrowse, PreviewShowsWhatPrintsWithSizeAndResolution) {
    QTemporaryDir dir;
    QImage logo(60, 40, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    for (int y = 10; y < 30; ++y)
        for (int x = 20; x < 40; ++x)
            logo.setPixelColor(x, y, Qt::red);
    logo.setDotsPerMeterX(11811); // 300 dpi
    logo.setDotsPerMeterY(11811);
    ASSERT_TRUE(logo.save(dir.filePath(QStringLiteral("logo.png")), "PNG"));
    WriteText(dir.filePath(QStringLiteral("mark.svg")),
              R"(<svg xmlns="http://www.w3.org/2000/svg" width="96" height="48">)"
              R"(<rect width="96" height="48" fill="#008000"/></svg>)");
    WriteText(dir.filePath(QStringLiteral("broken.jpg")), "not a jpeg");

    TImageBrowse dialog;
    dialog.SetDirectory(dir.path());
    dialog.show();
    ASSERT_TRUE(dialog.SelectFile(QStringLiteral("logo.png")));
    const QImage shown = dialog.PreviewImage()->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(60, 40));
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(30, 20), QColor(Qt::red));
    EXPECT_EQ(dialog.PreviewInfo(),
              QStringLiteral("60 \u00d7 40 pixels, 300 dpi (5.1 \u00d7 3.4 mm), with transparency"));

    ASSERT_TRUE(dialog.SelectFile(QStringLiteral("mark.svg")));
    EXPECT_EQ(dialog.PreviewImage()->CurrentPicture().kind(), Picture::Kind::Vector);
    EXPECT_EQ(dialog.PreviewInfo(), QStringLiteral("SVG drawing, 25.4 \u00d7 12.7 mm"));
    EXPECT_EQ(dialog.PreviewImage()->grab().toImage().pixelColor(10, 10), QColor(0, 128, 0));

    ASSERT_TRUE(dialog.SelectFile(QStringLiteral("broken.jpg")));
    EXPECT_TRUE(dialog.PreviewImage()->CurrentPicture().isNull());
    EXPECT_TRUE(dialog.PreviewInfo().contains(QStringLiteral("broken.jpg")));
}

TEST(ImageBrowse, FilterNarrowsTheListToOneKind) {
    const QList<TImageBrowse::Filter> filters = TImageBrowse::Filters();
    ASSERT_FALSE(filters.isEmpty());
    EXPECT_EQ(filters[0].caption, QStringLiteral("All pictures"));
    EXPECT_EQ(filters[0].patterns, Picture::FilePatterns());
    QStringList captions;
    QStringList offered;
    for (const TImageBrowse::Filter& filter : filters.mid(1)) {
        captions << filter.caption;
        offered << filter.patterns;
    }
    for (const char* caption : {"PNG (*.png)", "JPEG (*.jpg *.jpeg)", "SVG drawings (*.svg *.svgz)",
                                "Windows bitmaps (*.bmp)", "Windows metafiles (*.wmf)"})
        EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
    // Every kind the installed readers take has its own entry.
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        EXPECT_TRUE(offered.contains(QStringLiteral("*.") + QString::fromLatin1(format).toLower()))
            << format.constData();

    PictureFolder folder;
    WriteText(folder.dir.filePath(QStringLiteral("SCAN.PNG")), "png");
    TImageBrowse dialog;
    dialog.SetDirectory(folder.dir.path());
    dialog.FilterComboBox->setCurrentIndex(dialog.FilterComboBox->findText(QStringLiteral("PNG (*.png)")));
    EXPECT_EQ(dialog.FileNames(), (QStringList{QStringLiteral("photo.png"), QStringLiteral("SCAN.PNG")}));
    dialog.FilterComboBox->setCurrentIndex(
        dialog.FilterComboBox->findText(QStringLiteral("Windows bitmaps (*.bmp)")));
    EXPECT_EQ(dialog.FileNames(), (QStringList{QStringLiteral("BIG.BMP"), QStringLiteral("logo.bmp")}));
    // The filter stays as the folder changes.
    dialog.SetDirectory(folder.dir.filePath(QStringLiteral("Sub")));
    EXPECT_EQ(dialog.FileNames(), QStringList{QStringLiteral("inner.BmP")});
}

// A path typed or pasted into the box: a folder opens, a picture is previewed as it is
// typed and chosen with Enter; anything else is named under the preview and the dialog stays.
TEST(ImageBrowse, PathBoxOpensFoldersAndChoosesFiles) {
    PictureFolder folder;
    TImageBrowse dialog;
    dialog.show();
    QLineEdit* path = dialog.PathEdit;

    path->setText(folder.dir.filePath(QStringLiteral("Sub")));
    QTest::keyClick(path, Qt::Key_Return);
    EXPECT_EQ(dialog.Directory(), folder.dir.filePath(QStringLiteral("Sub")));
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.SelectedFile(), QString()) << "a folder is not a choice";

    // Pasted with quotes, from another folder: previewed at once, not yet chosen.
    path->setText(QStringLiteral("\"%1\"").arg(folder.dir.filePath(QStringLiteral("logo.bmp"))));
    EXPECT_EQ(dialog.PreviewImage()->size(), QSize(40, 30));
    EXPECT_EQ(dialog.Directory(), folder.dir.filePath(QStringLiteral("Sub")));
    EXPECT_EQ(dialog.SelectedFile(), folder.dir.filePath(QStringLiteral("logo.bmp")));

    // A name that does not exist is said so; Enter does not close.
    path->setText(folder.dir.filePath(QStringLiteral("nothere.png")));
    QTest::keyClick(path, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.InfoLabel->text().contains(QStringLiteral("There is no file or folder")));
    EXPECT_TRUE(dialog.PreviewImage()->CurrentPicture().isNull());

    // A file address and a name relative to the shown folder are understood.
    path->setText(QUrl::fromLocalFile(folder.dir.filePath(QStringLiteral("BIG.BMP"))).toString());
    EXPECT_EQ(dialog.TypedPath(), folder.dir.filePath(QStringLiteral("BIG.BMP")));
    path->setText(QStringLiteral("inner.BmP"));
    EXPECT_EQ(dialog.TypedPath(), folder.dir.filePath(QStringLiteral("Sub/inner.BmP")));
    path->setText(QStringLiteral("~/x.png"));
    EXPECT_EQ(dialog.TypedPath(), QDir::homePath() + QStringLiteral("/x.png"));

    // Enter on a picture the filter hides chooses it all the same, in its folder.
    dialog.FilterComboBox->setCurrentIndex(dialog.FilterComboBox->findText(QStringLiteral("PNG (*.png)")));
    path->setText(folder.dir.filePath(QStringLiteral("logo.bmp")));
    QTest::keyClick(path, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_EQ(dialog.Directory(), folder.dir.path());
    EXPECT_EQ(dialog.FileListBox->currentItem()->text(), QStringLiteral("logo.bmp"));
    EXPECT_EQ(dialog.SelectedFile(), folder.dir.filePath(QStringLiteral("logo.bmp")));
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
