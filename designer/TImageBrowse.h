#pragma once

#include "ui/FixedDialog.h"

#include <QStringList>

class ImagePreview;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;

// Chooses a picture file: a path box to type or paste a file or folder into (completing as
// it is typed), a place list (the file system roots and the user's home), the folder list of
// the chosen place and the picture files of the chosen folder, in any letter case, narrowed
// by the kind chosen in the filter (every kind the program reads: BMP, WMF, PNG, JPEG, GIF,
// TIFF, WebP, SVG ...). The chosen file is previewed as it prints, with its size and
// resolution below, or the reason it cannot be read.
class TImageBrowse : public FixedDialog {
    Q_OBJECT
public:
    explicit TImageBrowse(QWidget* parent = nullptr);

    // One entry of the filter: its caption and the file patterns it lists.
    struct Filter {
        QString caption;
        QStringList patterns;
    };
    // "All pictures" first, then one entry per kind the installed image readers and the SVG
    // reader take.
    static QList<Filter> Filters();

    // True when the file name ends in the extension of a kind of picture the program reads,
    // in any letter case.
    static bool HasPictureExtension(const QString& fileName);

    // Shows a folder (and the place it lies in) and lists its picture files.
    void SetDirectory(const QString& path);
    QString Directory() const { return directory_; }
    // The names (without folder) the file list shows, in order.
    QStringList FileNames() const;
    // Selects a file of the list by name; false when the list has no such file.
    bool SelectFile(const QString& name);
    // The chosen file's full path: the file the path box names (the list's selection is
    // copied there), or empty when it names no existing file.
    QString SelectedFile() const;
    // The path box's text as a path: quotes around a pasted path, a file:// address and a
    // leading ~ are understood, and a relative path is taken in the shown folder.
    QString TypedPath() const;

    ImagePreview* PreviewImage() const { return Image1; }
    // What the line under the preview says.
    QString PreviewInfo() const;

    QLineEdit* PathEdit;
    QComboBox* DriveComboBox;
    QListWidget* DirectoryListBox;
    QListWidget* FileListBox;
    QComboBox* FilterComboBox;
    QFrame* ImagePanel;
    QScrollArea* ImageScrollbox;
    ImagePreview* Image1;
    QLabel* InfoLabel;
    QPushButton* OkButton;
    QPushButton* HelpButton;
    QPushButton* MouseHelpButton;
    QPushButton* CancelButton;

public slots:
    void DriveComboBoxChange(int index);
    void DirectoryListBoxActivated();
    void FileListBoxChange();
    void FilterComboBoxChange(int index);
    // A change of the path box's text: a picture file it names is previewed.
    void PathEditChange();
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillDrives();
    void FillDirectories();
    void FillFiles();
    void ShowPreview(const QString& file);
    // The path box's path at OK or Enter: a folder opens, a picture file is chosen (true:
    // close), anything else is named under the preview.
    bool PathEntered();

    QString directory_;
    QList<Filter> filters_;
    bool fillingPath_ = false;
};
