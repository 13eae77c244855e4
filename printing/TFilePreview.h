#pragma once

#include <QImage>
#include <QWidget>

#include "printing/PreviewStreamReader.h"

class QIODevice;
class QScrollArea;

// Shows a preview stream written by TReportFiler page by page, inside a scroll box, at a
// zoom in percent of true size on the screen (10 to 200).
class TFilePreview : public QWidget {
    Q_OBJECT
public:
    enum class TStreamMode { User };

    explicit TFilePreview(QWidget* parent = nullptr);

    QIODevice* Stream = nullptr; // owned by the caller
    TStreamMode StreamMode = TStreamMode::User;
    double ZoomInc = 10.0;
    double MarginPercent = 2.5; // room around the page, in percent of its width
    int ShadowDepth = 0;        // pixels of shadow beside and under the page

    // Places the preview in box, which then scrolls it.
    void SetScrollBox(QScrollArea* box);
    QScrollArea* ScrollBox() const { return scrollBox_; }

    // Reads the stream and shows its first page; false (with Error()) when it is unreadable.
    bool Start();
    void Finish();
    bool Active() const { return active_; }
    QString Error() const { return error_; }

    int Pages() const { return active_ ? reader_.PageCount() : 0; }
    int FirstPage() const { return 1; }
    int CurrentPage() const { return page_; }
    void PrintPage(int page); // shows page, from 1
    void PrevPage();
    void NextPage();

    double ZoomFactor() const { return zoom_; }
    void SetZoomFactor(double zoom); // kept within 10..200
    void ZoomIn() { SetZoomFactor(zoom_ + ZoomInc); }
    void ZoomOut() { SetZoomFactor(zoom_ - ZoomInc); }
    double ZoomPageWidthFactor() const;
    double ZoomPageFactor() const;

    // The current page as shown at the current zoom.
    QImage PageImage() const { return pageImage_; }

signals:
    void OnPageChange();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double PixelsPerInch() const;
    QSizeF PageInches() const;
    int MarginPixels(double zoom) const;
    void Render();

    QScrollArea* scrollBox_ = nullptr;
    PreviewStreamReader reader_;
    bool active_ = false;
    int page_ = 0;
    double zoom_ = 100.0;
    QImage pageImage_;
    QString error_;
};
