#include "designer/TImageBrowse.h"

#include "controls/Picture.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>

#include "designer/ImagePreview.h"

namespace {
constexpr int HelpTopicImage = 1047;
constexpr int PathRole = Qt::UserRole + 1;
} // namespace

TImageBrowse::TImageBrowse(QWidget* parent)
    : FixedDialog(tr("Image Browse"), QSize(427, 319), parent) {
    setObjectName(QStringLiteral("ImageBrowse"));

    DriveComboBox = new QComboBox(this);
    DriveComboBox->setObjectName(QStringLiteral("DriveComboBox"));
    DriveComboBox->setGeometry(8, 8, 145, 26);
    DriveComboBox->setWhatsThis(tr("Where to look: a file system root or your home."));

    DirectoryListBox = new QListWidget(this);
    DirectoryListBox->setObjectName(QStringLiteral("DirectoryListBox"));
    DirectoryListBox->setAccessibleName(tr("Folders"));
    DirectoryListBox->setGeometry(8, 40, 145, 122);
    DirectoryListBox->setWhatsThis(tr("Double-click a folder to open it."));
    DirectoryListBox->installEventFilter(this);

    FileListBox = new QListWidget(this);
    FileListBox->setObjectName(QStringLiteral("FileListBox"));
    FileListBox->setAccessibleName(tr("Pictures"));
    FileListBox->setGeometry(8, 168, 145, 143);
    FileListBox->setWhatsThis(tr("The bitmap (.bmp) and metafile (.wmf) pictures of "
                                 "the folder; click one to see it."));

    ImagePanel = new QFrame(this);
    ImagePanel->setObjectName(QStringLiteral("ImagePanel"));
    ImagePanel->setGeometry(161, 8, 258, 270);
    ImagePanel->setFrameShape(QFrame::StyledPanel);
    ImagePanel->setFrameShadow(QFrame::Sunken);
    ImageScrollbox = new QScrollArea(ImagePanel);
    ImageScrollbox->setObjectName(QStringLiteral("ImageScrollbox"));
    ImageScrollbox->setFrameShape(QFrame::NoFrame);
    ImageScrollbox->setGeometry(ImagePanel->contentsRect());
    ImageScrollbox->setWidgetResizable(false);
    ImageScrollbox->setBackgroundRole(QPalette::Base);
    Image1 = new ImagePreview;
    Image1->setObjectName(QStringLiteral("Image1"));
    ImageScrollbox->setWidget(Image1);

    OkButton = AddOkButton(QStringLiteral("OK"), QRect(161, 284, 64, 27), "OkButton");
    CancelButton = AddCancelButton(tr("Cancel"), QRect(231, 284, 64, 27), "CancelButton");
    HelpButton = AddHelpButton(HelpTopicImage, QRect(301, 284, 64, 27));
    MouseHelpButton = AddMouseHelpButton(QRect(371, 284, 48, 27));

    FillDrives();
    connect(DriveComboBox, &QComboBox::activated, this, &TImageBrowse::DriveComboBoxChange);
    connect(DirectoryListBox, &QListWidget::itemActivated, this,
            &TImageBrowse::DirectoryListBoxActivated);
    connect(FileListBox, &QListWidget::currentRowChanged, this, &TImageBrowse::FileListBoxChange);
    connect(FileListBox, &QListWidget::itemActivated, this, &TImageBrowse::accept);
    SetDirectory(QDir::homePath());
}

bool TImageBrowse::HasPictureExtension(const QString& fileName) {
    // Every kind the program reads and prints, not only bitmaps and metafiles.
    return Picture::HasPictureExtension(fileName);
}

void TImageBrowse::FillDrives() {
    DriveComboBox->clear();
    for (const QFileInfo& root : QDir::drives())
        DriveComboBox->addItem(QDir::toNativeSeparators(root.absoluteFilePath()),
                               root.absoluteFilePath());
    const QString home = QDir::homePath();
    if (DriveComboBox->findData(home) < 0)
        DriveComboBox->addItem(QDir::toNativeSeparators(home), home);
}

void TImageBrowse::SetDirectory(const QString& path) {
    QFileInfo info(path);
    if (!info.isDir())
        return;
    directory_ = QDir::cleanPath(info.absoluteFilePath());
    // The place shown is the longest place the folder lies in (the home before the root).
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < DriveComboBox->count(); ++i) {
        const QString place = DriveComboBox->itemData(i).toString();
        const QString prefix = place.endsWith(QLatin1Char('/')) ? place : place + QLatin1Char('/');
        if ((directory_ == place || directory_.startsWith(prefix)) && place.size() > bestLength) {
            best = i;
            bestLength = place.size();
        }
    }
    if (best >= 0)
        DriveComboBox->setCurrentIndex(best);
    FillDirectories();
    FillFiles();
}

void TImageBrowse::FillDirectories() {
    DirectoryListBox->clear();
    // The open folders from the root down to the current one, then its subfolders.
    QStringList chain;
    for (QDir dir(directory_);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    int depth = 0;
    for (const QString& folder : chain) {
        const QString name =
            QDir(folder).isRoot() ? QDir::toNativeSeparators(folder) : QDir(folder).dirName();
        auto* item = new QListWidgetItem(openIcon, QString(depth * 2, QLatin1Char(' ')) + name,
                                         DirectoryListBox);
        item->setData(PathRole, folder);
        ++depth;
    }
    DirectoryListBox->setCurrentRow(DirectoryListBox->count() - 1);
    const QFileInfoList subfolders =
        QDir(directory_)
            .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable,
                           QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& sub : subfolders) {
        auto* item = new QListWidgetItem(
            closedIcon, QString(depth * 2, QLatin1Char(' ')) + sub.fileName(), DirectoryListBox);
        item->setData(PathRole, sub.absoluteFilePath());
    }
}

void TImageBrowse::FillFiles() {
    FileListBox->clear();
    const QFileInfoList files =
        QDir(directory_).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files) {
        if (!HasPictureExtension(file.fileName()))
            continue;
        auto* item = new QListWidgetItem(file.fileName(), FileListBox);
        item->setData(PathRole, file.absoluteFilePath());
    }
    FileListBoxChange();
}

QStringList TImageBrowse::FileNames() const {
    QStringList names;
    for (int i = 0; i < FileListBox->count(); ++i)
        names << FileListBox->item(i)->text();
    return names;
}

bool TImageBrowse::SelectFile(const QString& name) {
    for (int i = 0; i < FileListBox->count(); ++i) {
        if (FileListBox->item(i)->text() == name) {
            FileListBox->setCurrentRow(i);
            return true;
        }
    }
    return false;
}

QString TImageBrowse::SelectedFile() const {
    const QListWidgetItem* item = FileListBox->currentItem();
    return item ? item->data(PathRole).toString() : QString();
}

void TImageBrowse::DriveComboBoxChange(int index) {
    SetDirectory(DriveComboBox->itemData(index).toString());
}

void TImageBrowse::DirectoryListBoxActivated() {
    const QListWidgetItem* item = DirectoryListBox->currentItem();
    if (item)
        SetDirectory(item->data(PathRole).toString());
}

void TImageBrowse::FileListBoxChange() {
    const QString file = SelectedFile();
    if (!file.isEmpty() && HasPictureExtension(file))
        Image1->LoadFile(file);
    else
        Image1->Clear();
    ImageScrollbox->viewport()->update();
}

bool TImageBrowse::eventFilter(QObject* watched, QEvent* event) {
    // Enter on the folder list opens the folder rather than closing the dialog.
    if (watched == DirectoryListBox && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            DirectoryListBoxActivated();
            return true;
        }
    }
    return FixedDialog::eventFilter(watched, event);
}
