#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QTransform>

#include <cmath>
#include <cstdint>
#include <memory>
#include <set>
#include <vector>

class QPainter;

// The parameter words of one metafile record; reads past the end give 0.
class WmfParams {
public:
    WmfParams(const uchar* data, int byteCount) : data_(data), bytes_(byteCount) {}
    int byteCount() const { return bytes_; }
    int wordCount() const { return bytes_ / 2; }
    int16_t s16(int word) const { return static_cast<int16_t>(u16(word)); }
    uint16_t u16(int word) const {
        if (word < 0 || word * 2 + 1 >= bytes_)
            return 0;
        return static_cast<uint16_t>(data_[word * 2] | (data_[word * 2 + 1] << 8));
    }
    uint32_t u32(int word) const { return u16(word) | (uint32_t(u16(word + 1)) << 16); }
    uint8_t byte(int offset) const { return offset >= 0 && offset < bytes_ ? data_[offset] : 0; }
    const uchar* bytesFrom(int offset) const { return data_ + offset; }

private:
    const uchar* data_;
    int bytes_;
};

struct WmfPen {
    int style = 0; // PS_* with cap and join flags
    int width = 0; // logical units; 0 = one device pixel
    QColor color = Qt::black;
};

struct WmfBrush {
    int style = 0; // BS_SOLID, BS_NULL, BS_HATCHED, BS_PATTERN
    int hatch = 0;
    QColor color = Qt::white;
    QImage pattern;
};

struct WmfFont {
    int height = 0;
    int width = 0;
    int escapement = 0; // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    int charset = 0;
    QString face;
};

struct WmfObject {
    enum class Type { Pen, Brush, Font, Palette, Region } type = Type::Palette;
    WmfPen pen;
    WmfBrush brush;
    WmfFont font;
    QPainterPath region; // logical coordinates
};

// The device context state that SAVEDC and RESTOREDC keep.
struct WmfDcState {
    QPointF windowOrg{0, 0};
    QPointF windowExt{1, 1};
    QPointF viewportOrg{0, 0};
    QPointF viewportExt{1, 1};
    int mapMode = 1;
    WmfPen pen;
    WmfBrush brush;
    WmfFont font;
    QColor textColor = Qt::black;
    QColor backColor = Qt::white;
    bool opaqueBackground = true;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    int textAlign = 0;
    int rop2 = 13;
    int charExtra = 0;
    QPointF position; // logical
    bool clipIsRect = true;
    QRectF clipRect;       // target coordinates
    QPainterPath clipPath; // target coordinates, when not a rectangle
};

// Interprets the records of one metafile into a painter. Used by WmfPlayer.
class WmfPlayback {
public:
    // mapWindow: the window records map the window onto target; otherwise logical
    // coordinates are drawn as they are (used to measure what a plain metafile covers).
    WmfPlayback(QPainter& painter, const QRectF& target, const QRectF& frame, bool mapWindow);
    void run(const QByteArray& data, int recordsOffset);

private:
    void dispatch(int function, const WmfParams& p);
    void updateMapping();
    QPointF map(double x, double y) const { return mapping_.map(QPointF(x, y)); }
    QRectF mapRect(double left, double top, double right, double bottom) const;
    double scaleX() const { return std::abs(mapping_.m11()); }
    double scaleY() const { return std::abs(mapping_.m22()); }

    // state and objects
    void saveDc();
    void restoreDc(int which);
    void addObject(std::unique_ptr<WmfObject> object);
    void selectObject(int index);
    void deleteObject(int index);
    const WmfObject* object(int index, WmfObject::Type type) const;
    void createPen(const WmfParams& p);
    void createBrush(const WmfParams& p);
    void createDibPatternBrush(const WmfParams& p);
    void createPatternBrush(const WmfParams& p);
    void createFont(const WmfParams& p);
    void createRegion(const WmfParams& p);

    // clipping
    void intersectClip(const QRectF& rect);
    void excludeClip(const QRectF& rect);
    void setClipPath(const QPainterPath& path);
    void selectClipRegion(int index);
    void offsetClip(double dx, double dy);
    void applyClip();

    // drawing
    QPen currentPen() const;
    bool hasPen() const;
    void fillPath(const QPainterPath& path, const WmfBrush& brush);
    void strokePath(const QPainterPath& path);
    void fillAndStroke(const QPainterPath& path);
    QRectF insideFrame(QRectF rect) const;
    void polygon(const WmfParams& p, bool closed);
    void polyPolygon(const WmfParams& p);
    void rectangle(const WmfParams& p);
    void roundRect(const WmfParams& p);
    void ellipse(const WmfParams& p);
    enum class ArcKind { Arc, Pie, Chord };
    void arcFamily(const WmfParams& p, ArcKind kind);
    void lineTo(const WmfParams& p);
    void setPixel(const WmfParams& p);
    void regionRecord(int function, const WmfParams& p);

    // text
    QFont makeFont(double* localScale, double* stretchX) const;
    void textOut(const WmfParams& p);
    void extTextOut(const WmfParams& p);
    struct TextPiece {
        QFont font;
        QString text;
        double advance;
    };
    std::vector<TextPiece> layoutText(const QByteArray& bytes, const QFont& font, double unitX,
                                      const std::vector<int>& dx) const;
    void drawText(QPointF logical, const QByteArray& bytes, const std::vector<int>& dx);

    // bitmaps
    void patBlt(const WmfParams& p);
    void bitBlt16(const WmfParams& p, bool stretch);
    void dibBlt(const WmfParams& p, bool stretch);
    void stretchDib(const WmfParams& p);
    void setDibToDev(const WmfParams& p);
    void drawBitmap(const QImage& image, QRectF source, const QRectF& dest, uint32_t rop);
    void fillRop(const QRectF& dest, uint32_t rop);

    QPainter& painter_;
    QRectF target_;
    bool mapWindow_;
    double devicePixel_ = 1; // one device pixel, in target units
    double screenPixel_ = 1; // one screen pixel's size on this device, in target units
    bool clipDirty_ = true;
    QTransform mapping_;
    WmfDcState state_;
    std::vector<WmfDcState> saved_;
    std::vector<std::unique_ptr<WmfObject>> objects_;
    std::set<int> freeSlots_; // free slots below objects_.size()
    QPainterPath baseClip_;   // target box within the painter's own clip
};
