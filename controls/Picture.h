#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;
class QSvgRenderer;
class WmfPlayer;

// A picture read from a file: the one way the program loads pictures, for the design panel,
// the image browser and printing alike. Windows bitmaps and whatever else Qt's image readers
// take (PNG, JPEG, GIF, TIFF, WebP, ...) are held as images, transparency included;
// Windows metafiles and SVG drawings keep their bytes and are drawn as vectors on every
// draw, so paper and PDF get them at full resolution.
class Picture {
public:
    // Bitmap: any pixel image. Metafile: a Windows metafile. Vector: an SVG drawing.
    enum class Kind { None, Bitmap, Metafile, Vector };

    // Reads the file; the kind follows the file's contents, not its extension. On failure
    // returns a null picture and, when error is given, a message naming the file and the reason.
    static Picture fromFile(const QString& path, QString* error = nullptr);
    // The same from bytes already read (name is used in the message only).
    static Picture fromData(const QByteArray& data, const QString& name, QString* error = nullptr);

    bool isNull() const { return kind_ == Kind::None; }
    Kind kind() const { return kind_; }
    // Whether some pixels are see-through (a bitmap with an alpha channel); drawings and
    // metafiles draw only what they hold anyway.
    bool hasAlpha() const { return kind_ == Kind::Bitmap && bitmap_.hasAlphaChannel(); }

    // Size when shown unstretched, in pixels at the given pixels per inch: a bitmap's own
    // pixel size; a metafile's frame converted with its units per inch; a drawing's size
    // taken at 96 units per inch, as a browser shows it.
    QSize naturalSize(int pixelsPerInch) const;
    // The picture's proportions as width and height in any unit; empty for a null picture.
    QSizeF aspect() const;
    // A bitmap's resolution as the file gives it (Qt's screen default when the file names
    // none), in dots per inch; 0 for drawings, metafiles and a null picture.
    double dotsPerInch() const;

    // Draws the picture stretched to fill target, in the painter's current coordinates.
    // Bitmaps copy their pixels (no smoothing); metafiles and drawings are drawn as vectors and
    // draw nothing outside target.
    void draw(QPainter& painter, const QRectF& target) const;

    // The largest rectangle of the picture's proportions inside box, centred in it: where a
    // picture fitted to its box (FIT=Y) is drawn. The box itself for a null picture.
    QRectF fittedInto(const QRectF& box) const;

    // The file patterns of every kind the program reads ("*.bmp", "*.png", "*.svg", ...),
    // and a file dialog's filter offering them together and each kind alone.
    static QStringList FilePatterns();
    static QString FileDialogFilter();
    // Whether the file's name ends in one of FilePatterns(), in any letter case.
    static bool HasPictureExtension(const QString& fileName);

private:
    Kind kind_ = Kind::None;
    QImage bitmap_;
    std::shared_ptr<const WmfPlayer> metafile_;
    std::shared_ptr<QSvgRenderer> drawing_;
};

// What an image item shows when its file is missing or unreadable: an outlined box with
// the file's name, so the item stays visible and is saved unchanged.
void DrawPicturePlaceholder(QPainter& painter, const QRectF& target, const QString& fileName);
