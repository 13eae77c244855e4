#include "designer/TImageBrowse.h"

#include "controls/Picture.h"

#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFrame>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QUrl>

#include "designer/ImagePreview.h"
#include "document/ScreenMetrics.h"

namespace {
constexpr int HelpTopicImage = 1047;
constexpr int PathRole = Qt::UserRole + 1;
constexpr double kMillimetresPerInch = 25.4;
} // namespace

TImageBrowse::TImageBrowse(QWidget* parent)
    : FixedDialog(tr("Image Browse"), QSize(560, 400), parent) {
    setObjectName(QStringLiteral("ImageBrowse"));

    auto* pathLabel = new QLabel(tr("File &name:"), this);
    pathLabel->setGeometry(8, 8, 76, 26);
    PathEdit = new QLineEdit(this);
    PathEdit->setObjectName(QStringLiteral("PathEdit"));
    PathEdit->setGeometry(88, 8, 464, 26);
    PathEdit->setClearButtonEnabled(true);
    PathEdit->setWhatsThis(tr("Type or paste the path of a picture or a folder; Enter opens a "
                              "folder and chooses a picture."));
    pathLabel->setBuddy(PathEdit);
    auto* files = new QFileSystemModel(this);
    files->setRootPath(QString());
    files->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot);
    auto* completer = new QCompleter(files, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    PathEdit->setCompleter(completer);

    DriveComboBox = new QComboBox(this);
    DriveComboBox->setObjectName(QStringLiteral("DriveComboBox"));
    DriveComboBox->setGeometry(8, 40, 180, 26);
    DriveComboBox->setWhatsThis(tr("Where to look: a file system root or your home."));

    DirectoryListBox = new QListWidget(this);
    DirectoryListBox->setObjectName(QStringLiteral("DirectoryListBox"));
    DirectoryListBox->setAccessibleName(tr("Folders"));
    DirectoryListBox->setGeometry(8, 72, 180, 130);
    DirectoryListBox->setWhatsThis(tr("Double-click a folder to open it."));
    DirectoryListBox->installEventFilter(this);

    FileListBox = new QListWidget(this);
    FileListBox->setObjectName(QStringLiteral("FileListBox"));
    FileListBox->setAccessibleName(tr("Pictures"));
    FileListBox->setGeometry(8, 208, 180, 148);
    FileListBox->setWhatsThis(tr("The pictures of the folder; click one to see it, type the "
                                 "start of a name to jump to it."));

    FilterComboBox = new QComboBox(this);
    FilterComboBox->setObjectName(QStringLiteral("FilterComboBox"));
    FilterComboBox->setGeometry(8, 366, 180, 26);
    FilterComboBox->setWhatsThis(tr("Which kinds of picture the file list shows."));
    filters_ = Filters();
    for (const Filter& filter : filters_)
        FilterComboBox->addItem(filter.caption);

    ImagePanel = new QFrame(this);
    ImagePanel->setObjectName(QStringLiteral("ImagePanel"));
    ImagePanel->setGeometry(196, 40, 356, 272);
    ImagePanel->setFrameShape(QFrame::StyledPanel);
    ImagePanel->setFrameShadow(QFrame::Sunken);
    ImageScrollbox = new QScrollArea(ImagePanel);
    ImageScrollbox->setObjectName(QStringLiteral("ImageScrollbox"));
    ImageScrollbox->setFrameShape(QFrame::NoFrame);
    ImageScrollbox->setGeometry(ImagePanel->contentsRect());
    ImageScrollbox->setWidgetResizable(false);
    ImageScrollbox->setAlignment(Qt::AlignCenter);
    ImageScrollbox->setBackgroundRole(QPalette::Dark);
    Image1 = new ImagePreview;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->SetRoom(ImageScrollbox->size() - QSize(4, 4));
    ImageScrollbox->setWidget(Image1);

    InfoLabel = new QLabel(this);
    InfoLabel->setObjectName(QStringLiteral("InfoLabel"));
    InfoLabel->setGeometry(196, 316, 356, 40);
    InfoLabel->setWordWrap(true);
    InfoLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    InfoLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Cancel is wider than the others: "Abbrechen" takes more room than "Cancel".
    OkButton = AddOkButton(tr("OK"), QRect(278, 366, 64, 27), "OkButton");
    CancelButton = AddCancelButton(tr("Cancel"), QRect(348, 366, 80, 27), "CancelButton");
    HelpButton = AddHelpButton(HelpTopicImage, QRect(434, 366, 64, 27));
    MouseHelpButton = AddMouseHelpButton(QRect(504, 366, 48, 27));

    FillDrives();
    connect(DriveComboBox, &QComboBox::activated, this, &TImageBrowse::DriveComboBoxChange);
    connect(DirectoryListBox, &QListWidget::itemActivated, this,
            &TImageBrowse::DirectoryListBoxActivated);
    connect(FileListBox, &QListWidget::currentRowChanged, this, &TImageBrowse::FileListBoxChange);
    connect(FileListBox, &QListWidget::itemActivated, this, &TImageBrowse::accept);
    connect(FilterComboBox, &QComboBox::currentIndexChanged, this,
            &TImageBrowse::FilterComboBoxChange);
    connect(PathEdit, &QLineEdit::textChanged, this, &TImageBrowse::PathEditChange);
    SetDirectory(QDir::homePath());
}

QList<TImageBrowse::Filter> TImageBrowse::Filters() {
    const QStringList readable = Picture::FilePatterns();
    QList<Filter> filters{{tr("All pictures"), readable}};
    // The common kinds by their usual names, then whatever else the installed readers take.
    const QList<std::pair<QString, QStringList>> named = {
        {tr("PNG"), {QStringLiteral("*.png")}},
        {tr("JPEG"), {QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")}},
        {tr("SVG drawings"), {QStringLiteral("*.svg"), QStringLiteral("*.svgz")}},
        {tr("Windows bitmaps"), {QStringLiteral("*.bmp")}},
        {tr("Windows metafiles"), {QStringLiteral("*.wmf")}},
        {tr("GIF"), {QStringLiteral("*.gif")}},
        {tr("TIFF"), {QStringLiteral("*.tif"), QStringLiteral("*.tiff")}},
        {tr("WebP"), {QStringLiteral("*.webp")}},
    };
    QStringList covered;
    for (const auto& [caption, patterns] : named) {
        QStringList offered;
        for (const QString& pattern : patterns)
            if (readable.contains(pattern))
                offered << pattern;
        covered << patterns;
        if (!offered.isEmpty())
            filters.append({QStringLiteral("%1 (%2)").arg(caption, offered.join(u' ')), offered});
    }
    for (const QString& pattern : readable) {
        if (covered.contains(pattern))
            continue;
        const QString kind = pattern.mid(2).toUpper();
        filters.append({QStringLiteral("%1 (%2)").arg(kind, pattern), {pattern}});
    }
    return filters;
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
    const int index = FilterComboBox->currentIndex();
    const QStringList patterns =
        index >= 0 && index < filters_.size() ? filters_[index].patterns : QStringList();
    // Name filters match in any letter case.
    const QFileInfoList files =
        QDir(directory_).entryInfoList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase);
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

QString TImageBrowse::TypedPath() const {
    QString typed = PathEdit->text().trimmed();
    if (typed.size() >= 2 && ((typed.startsWith(u'"') && typed.endsWith(u'"')) ||
                              (typed.startsWith(u'\'') && typed.endsWith(u'\''))))
        typed = typed.mid(1, typed.size() - 2);
    if (typed.isEmpty())
        return {};
    if (typed.startsWith(QLatin1String("file:")))
        typed = QUrl(typed).toLocalFile();
    else if (typed == u'~' || typed.startsWith(QLatin1String("~/")))
        typed = QDir::homePath() + typed.mid(1);
    return QDir::cleanPath(QDir(directory_).absoluteFilePath(typed));
}

QString TImageBrowse::SelectedFile() const {
    const QString path = TypedPath();
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

void TImageBrowse::DriveComboBoxChange(int index) {
    SetDirectory(DriveComboBox->itemData(index).toString());
}

void TImageBrowse::DirectoryListBoxActivated() {
    const QListWidgetItem* item = DirectoryListBox->currentItem();
    if (item)
        SetDirectory(item->data(PathRole).toString());
}

void TImageBrowse::FilterComboBoxChange(int /*index*/) {
    FillFiles();
}

void TImageBrowse::FileListBoxChange() {
    const QListWidgetItem* item = FileListBox->currentItem();
    const QString file = item ? item->data(PathRole).toString() : QString();
    // The box names the chosen file; it is empty while none is chosen.
    fillingPath_ = true;
    PathEdit->setText(QDir::toNativeSeparators(file));
    fillingPath_ = false;
    ShowPreview(file);
}

void TImageBrowse::PathEditChange() {
    if (fillingPath_)
        return;
    const QString path = TypedPath();
    const QFileInfo info(path);
    if (info.isFile() && HasPictureExtension(path)) {
        ShowPreview(path);
        // The list follows a file of the shown folder.
        if (info.absolutePath() == directory_) {
            const QSignalBlocker quiet(FileListBox);
            SelectFile(info.fileName());
        }
    } else {
        ShowPreview(QString());
    }
}

bool TImageBrowse::PathEntered() {
    const QString path = TypedPath();
    const QFileInfo info(path);
    if (info.isDir()) {
        SetDirectory(path);
        return false;
    }
    if (info.isFile() && HasPictureExtension(path)) {
        SetDirectory(info.absolutePath());
        // A file the filter hides is still chosen: the filter narrows the list only.
        if (!SelectFile(info.fileName()) && FilterComboBox->currentIndex() != 0) {
            FilterComboBox->setCurrentIndex(0);
            SelectFile(info.fileName());
        }
        fillingPath_ = true;
        PathEdit->setText(QDir::toNativeSeparators(path));
        fillingPath_ = false;
        ShowPreview(path);
        return true;
    }
    InfoLabel->setText(
        path.isEmpty() ? QString()
        : info.exists()
            ? tr("\"%1\" is not a kind of picture the program reads.")
                  .arg(QDir::toNativeSeparators(path))
            : tr("There is no file or folder \"%1\".").arg(QDir::toNativeSeparators(path)));
    return false;
}

void TImageBrowse::ShowPreview(const QString& file) {
    if (!file.isEmpty() && HasPictureExtension(file))
        Image1->LoadFile(file);
    else
        Image1->Clear();
    InfoLabel->setText(PreviewInfo());
    ImageScrollbox->viewport()->update();
}

QString TImageBrowse::PreviewInfo() const {
    if (!Image1->ErrorText().isEmpty())
        return Image1->ErrorText();
    const Picture& picture = Image1->CurrentPicture();
    if (picture.isNull())
        return {};
    const QLocale locale;
    const auto mm = [&locale](double value) { return locale.toString(value, 'f', 1); };
    QString info;
    switch (picture.kind()) {
    case Picture::Kind::Bitmap: {
        const QSize pixels = picture.naturalSize(ScreenPixelsPerInch());
        const double dpi = picture.dotsPerInch();
        info = tr("%1 × %2 pixels").arg(pixels.width()).arg(pixels.height());
        if (dpi > 0.5)
            info += tr(", %1 dpi (%2 × %3 mm)")
                        .arg(qRound(dpi))
                        .arg(mm(pixels.width() / dpi * kMillimetresPerInch),
                             mm(pixels.height() / dpi * kMillimetresPerInch));
        if (picture.hasAlpha())
            info += tr(", with transparency");
        break;
    }
    case Picture::Kind::Metafile:
    case Picture::Kind::Vector: {
        // Tenths of a millimetre at 254 per inch.
        const QSize tenths = picture.naturalSize(254);
        info = (picture.kind() == Picture::Kind::Vector ? tr("SVG drawing, %1 × %2 mm")
                                                        : tr("Windows metafile, %1 × %2 mm"))
                   .arg(mm(tenths.width() / 10.0), mm(tenths.height() / 10.0));
        break;
    }
    case Picture::Kind::None:
        break;
    }
    if (Image1->Scale() < 1.0)
        info += tr("; shown at %1 %").arg(qRound(Image1->Scale() * 100));
    return info;
}

void TImageBrowse::accept() {
    // OK and Enter (also in the path box): a typed folder opens and a typed name that is no
    // picture is said so, both without closing; an empty box closes choosing nothing.
    if (TypedPath().isEmpty() || PathEntered())
        FixedDialog::accept();
}

bool TImageBrowse::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        // Enter on the folder list opens the folder rather than closing the dialog.
        if (enter && watched == DirectoryListBox) {
            DirectoryListBoxActivated();
            return true;
        }
    }
    return FixedDialog::eventFilter(watched, event);
}
