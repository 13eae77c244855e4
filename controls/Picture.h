#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class WmfPlayer;

// A picture read from a ".BMP" or ".WMF" file: the one way the program loads pictures,
// for the design panel, the image browser and printing alike. Bitmaps are held as images;
// metafiles keep their bytes and are replayed as vectors on every draw, so paper gets
// the printer's resolution.
class Picture {
public:
    enum class Kind { None, Bitmap, Metafile };

    // Reads the file; the kind follows the file's contents, not its extension. On failure
    // returns a null picture and, when error is given, a message naming the file and the reason.
    static Picture fromFile(const QString& path, QString* error = nullptr);
    // The same from bytes already read (name is used in the message only).
    static Picture fromData(const QByteArray& data, const QString& name, QString* error = nullptr);

    bool isNull() const { return kind_ == Kind::None; }
    Kind kind() const { return kind_; }

    // Size when shown unstretched, in pixels at the given pixels per inch: a bitmap's own
    // pixel size; a metafile's frame converted with its units per inch.
    QSize naturalSize(int pixelsPerInch) const;

    // Draws the picture stretched to fill target, in the painter's current coordinates.
    // Bitmaps copy their pixels (no smoothing); metafiles are played as vectors and draw
    // nothing outside target.
    void draw(QPainter& painter, const QRectF& target) const;

private:
    Kind kind_ = Kind::None;
    QImage bitmap_;
    std::shared_ptr<const WmfPlayer> metafile_;
};

// What an image item shows when its file is missing or unreadable: an outlined box with
// the file's name, so the item stays visible and is saved unchanged.
void DrawPicturePlaceholder(QPainter& painter, const QRectF& target, const QString& fileName);
