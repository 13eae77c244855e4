#pragma once

#include <QWidget>

#include "controls/Picture.h"

// The image browser's preview: shows a picture on white, as it prints on a label, drawn the
// way printing draws it. It sizes itself to the picture's natural size, scaled down (keeping
// its proportions) when that is larger than the room it is given; a file that cannot be read
// shows a placeholder box naming the file.
class ImagePreview : public QWidget {
    Q_OBJECT
public:
    explicit ImagePreview(QWidget* parent = nullptr);

    // The largest size the preview takes; empty: no limit (the natural size always).
    void SetRoom(QSize room) { room_ = room; }

    // Loads the file; returns false (and shows the placeholder) when it cannot be read.
    bool LoadFile(const QString& path);
    void Clear();

    const Picture& CurrentPicture() const { return picture_; }
    QString ErrorText() const { return error_; }
    // The picture's size on the screen, in pixels (at the screen's resolution).
    QSize NaturalSize() const;
    // The shown size over the natural size: 1 unless the picture had to be scaled down.
    double Scale() const { return scale_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
    QString fileName_;
    QString error_;
    QSize room_;
    double scale_ = 1.0;
};
