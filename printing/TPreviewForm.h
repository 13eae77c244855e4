#pragma once

#include <QDialog>

class QFrame;
class QIODevice;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;
class TFilePreview;

// The preview window: shows the pages a preview job wrote, page by page, at a zoom the
// user chooses. It only shows; printing is done from the main window.
class TPreviewForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 1021;

    explicit TPreviewForm(QWidget* parent = nullptr);

    QScrollArea* ScrollBox1;
    QFrame* BottomPanel;
    QToolButton* sbZoomIn;
    QToolButton* sbZoomOut;
    QToolButton* sbZoomPageWidth;
    QToolButton* sbZoomPage;
    QToolButton* sbPrevPage;
    QToolButton* sbNextPage;
    QLabel* PageLabel;
    QPushButton* HelpButton;
    QToolButton* ContextHelpButton;
    QPushButton* CloseButton;
    TFilePreview* FilePreview1;

public slots:
    void FormActivate();
    void SBZoomInClick();
    void SBZoomOutClick();
    void SBZoomPageWidthClick();
    void SBZoomPageClick();
    void SBPrevPageClick();
    void sbNextPageClick();
    void FilePreview1PageChange();
    void CloseButtonClick();
    void HelpButtonClick();

signals:
    // Asks the application to open the help file at topic.
    void HelpRequested(int topic);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void FormCreate();
    void FormClose();
    QToolButton* SpeedButton(int x, const QString& hint, const QIcon& icon);

    bool firstActivation_ = false;
};
