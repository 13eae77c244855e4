#pragma once

#include "ui/FixedDialog.h"

class ImagePreview;
class QComboBox;
class QFrame;
class QListWidget;
class QPushButton;
class QScrollArea;

// Chooses a picture file: a place list (the file system roots and the user's home), the
// folder list of the chosen place and the picture files of the chosen folder (every kind the
// program reads: BMP, WMF, PNG, JPEG, GIF, TIFF, WebP, SVG ...), in any letter case; the selected
// file is previewed at its natural size in a scrolling box.
class TImageBrowse : public FixedDialog {
    Q_OBJECT
public:
    explicit TImageBrowse(QWidget* parent = nullptr);

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
    // The selected file's full path, or empty when none is selected.
    QString SelectedFile() const;

    ImagePreview* PreviewImage() const { return Image1; }

    QComboBox* DriveComboBox;
    QListWidget* DirectoryListBox;
    QListWidget* FileListBox;
    QFrame* ImagePanel;
    QScrollArea* ImageScrollbox;
    ImagePreview* Image1;
    QPushButton* OkButton;
    QPushButton* HelpButton;
    QPushButton* MouseHelpButton;
    QPushButton* CancelButton;

public slots:
    void DriveComboBoxChange(int index);
    void DirectoryListBoxActivated();
    void FileListBoxChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillDrives();
    void FillDirectories();
    void FillFiles();

    QString directory_;
};
