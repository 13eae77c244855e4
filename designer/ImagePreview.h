#pragma once

#include <QWidget>

#include "controls/Picture.h"

// The image browser's preview: shows a picture at its natural size (sizing itself to it),
// or, for a file that cannot be read, a placeholder box naming the file.
class ImagePreview : public QWidget {
    Q_OBJECT
public:
    explicit ImagePreview(QWidget* parent = nullptr);

    // Loads the file; returns false (and shows the placeholder) when it cannot be read.
    bool LoadFile(const QString& path);
    void Clear();

    const Picture& CurrentPicture() const { return picture_; }
    QString ErrorText() const { return error_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
    QString fileName_;
    QString error_;
};
