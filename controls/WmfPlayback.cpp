#include "controls/WmfPlayback.h"

#include "controls/HatchFill.h"
#include "controls/SymbolGlyph.h"
#include "controls/WmfDib.h"
#include "document/ScreenMetrics.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

enum Function : int {
    kEof = 0x0000,
    kSetBkColor = 0x0201,
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSetRop2 = 0x0104,
    kSetPolyFillMode = 0x0106,
    kSetTextCharExtra = 0x0108,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kSetViewportOrg = 0x020D,
    kSetViewportExt = 0x020E,
    kOffsetWindowOrg = 0x020F,
    kScaleWindowExt = 0x0410,
    kOffsetViewportOrg = 0x0211,
    kScaleViewportExt = 0x0412,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kExcludeClipRect = 0x0415,
    kIntersectClipRect = 0x0416,
    kArc = 0x0817,
    kEllipse = 0x0418,
    kPie = 0x081A,
    kRectangle = 0x041B,
    kRoundRect = 0x061C,
    kPatBlt = 0x061D,
    kSaveDc = 0x001E,
    kSetPixel = 0x041F,
    kOffsetClipRgn = 0x0220,
    kTextOut = 0x0521,
    kBitBlt = 0x0922,
    kStretchBlt = 0x0B23,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kRestoreDc = 0x0127,
    kFillRegion = 0x0228,
    kFrameRegion = 0x0429,
    kPaintRegion = 0x012B,
    kSelectClipRegion = 0x012C,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kChord = 0x0830,
    kExtTextOut = 0x0A32,
    kSetDibToDev = 0x0D33,
    kPolyPolygon = 0x0538,
    kDibBitBlt = 0x0940,
    kDibStretchBlt = 0x0B41,
    kDibCreatePatternBrush = 0x0142,
    kStretchDib = 0x0F43,
    kDeleteObject = 0x01F0,
    kCreatePalette = 0x00F7,
    kCreatePatternBrush = 0x01F9,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kCreateRegion = 0x06FF,
};

// Background modes (SetBkMode) and polygon fill modes (SetPolyFillMode).
constexpr int kOpaqueBackground = 2;
constexpr int kWindingFill = 2;
// The draw mode (SetROP2) that draws nothing.
constexpr int kRop2Nop = 11;
// Brush styles.
constexpr int kBrushSolid = 0;
constexpr int kBrushNull = 1;
constexpr int kBrushHatched = 2;
constexpr int kBrushPattern = 3;
// Hatch styles.
constexpr int kHatchHorizontal = 0;
constexpr int kHatchVertical = 1;
constexpr int kHatchForwardDiagonal = 2;
constexpr int kHatchBackwardDiagonal = 3;
constexpr int kHatchCross = 4;
// Pen styles (low four bits), end caps and joins.
constexpr int kPenStyleMask = 0xF;
constexpr int kPenDash = 1;
constexpr int kPenDot = 2;
constexpr int kPenDashDot = 3;
constexpr int kPenDashDotDot = 4;
constexpr int kPenNull = 5; // draws nothing
constexpr int kPenInsideFrame = 6;
constexpr int kPenCapMask = 0xF00;
constexpr int kPenCapSquare = 0x100;
constexpr int kPenCapFlat = 0x200;
constexpr int kPenJoinMask = 0xF000;
constexpr int kPenJoinBevel = 0x1000;
constexpr int kPenJoinMiter = 0x2000;
// Text alignment bits.
constexpr int kAlignUpdatePosition = 1;
constexpr int kAlignHorizontalMask = 6;
constexpr int kAlignRight = 2;
constexpr int kAlignCenter = 6;
constexpr int kAlignVerticalMask = 24;
constexpr int kAlignBottom = 8;
constexpr int kAlignBaseline = 24;

constexpr int kMaxSavedStates = 1024;
constexpr int kMaxObjects = 65535;
constexpr int kMaxFontPixels = 1000;
// Clip paths and regions beyond these sizes make every later operation slow; a file that
// asks for more gets the simpler shape (the clip as it stands, the region's bounding box).
constexpr int kMaxClipElements = 2000;
constexpr int kMaxRegionRects = 300;

QColor ColorAt(const WmfParams& p, int word) {
    return QColor(p.byte(word * 2), p.byte(word * 2 + 1), p.byte(word * 2 + 2));
}

QPainterPath RectPath(const QRectF& rect) {
    QPainterPath path;
    path.addRect(rect);
    return path;
}

TBrushStyle HatchStyle(int hatch) {
    switch (hatch) {
    case kHatchHorizontal:
        return TBrushStyle::Horizontal;
    case kHatchVertical:
        return TBrushStyle::Vertical;
    case kHatchForwardDiagonal:
        return TBrushStyle::FDiagonal;
    case kHatchBackwardDiagonal:
        return TBrushStyle::BDiagonal;
    case kHatchCross:
        return TBrushStyle::Cross;
    default:
        return TBrushStyle::DiagCross;
    }
}

// Text bytes in the Windows ANSI code page.
QString DecodeAnsi(const QByteArray& bytes) {
    static const char16_t k80[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(k80[b - 0x80]) : QChar(b));
    }
    return text;
}

} // namespace

WmfPlayback::WmfPlayback(QPainter& painter, const QRectF& target, const QRectF& frame,
                         bool mapWindow)
    : painter_(painter), target_(target.normalized()), mapWindow_(mapWindow) {
    if (frame.width() != 0 && frame.height() != 0) {
        state_.windowOrg = frame.topLeft();
        state_.windowExt = QPointF(frame.width(), frame.height());
    }
    if (mapWindow_) {
        baseClip_ = RectPath(target_);
        if (painter_.hasClipping())
            baseClip_ = baseClip_.intersected(painter_.clipPath());
        state_.clipRect = target_;
    } else {
        state_.clipRect = QRectF(-1e6, -1e6, 2e6, 2e6);
        baseClip_ = RectPath(state_.clipRect);
    }
    const QTransform toDevice = painter_.combinedTransform();
    const double det = std::abs(toDevice.m11() * toDevice.m22() - toDevice.m12() * toDevice.m21());
    devicePixel_ = det > 1e-12 ? 1.0 / std::sqrt(det) : 1.0;
    const QPaintDevice* device = painter_.device();
    const double dpi = device ? device->logicalDpiY() : ScreenPixelsPerInch();
    screenPixel_ = devicePixel_ * std::max(1.0, dpi / ScreenPixelsPerInch());
    updateMapping();
}

void WmfPlayback::run(const QByteArray& data, int recordsOffset) {
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype size = data.size();
    qsizetype pos = recordsOffset;
    while (pos >= 0 && pos + 6 <= size) {
        const WmfParams head(bytes + pos, 6);
        const uint32_t words = head.u32(0);
        const int function = head.u16(2);
        if (words < 3 || qsizetype(words) > (size - pos) / 2)
            break; // damaged or truncated: play what came before
        if (function == kEof)
            break;
        const qsizetype length = qsizetype(words) * 2;
        dispatch(function, WmfParams(bytes + pos + 6, static_cast<int>(length - 6)));
        pos += length;
    }
}

void WmfPlayback::dispatch(int function, const WmfParams& p) {
    switch (function) {
    case kSetBkColor:
        state_.backColor = ColorAt(p, 0);
        break;
    case kSetBkMode:
        state_.opaqueBackground = p.u16(0) == kOpaqueBackground;
        break;
    case kSetMapMode:
        state_.mapMode = p.u16(0);
        break;
    case kSetRop2:
        state_.rop2 = p.u16(0);
        break;
    case kSetPolyFillMode:
        state_.fillRule = p.u16(0) == kWindingFill ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case kSetTextCharExtra:
        state_.charExtra = p.s16(0);
        break;
    case kSetTextColor:
        state_.textColor = ColorAt(p, 0);
        break;
    case kSetTextAlign:
        state_.textAlign = p.u16(0);
        break;
    case kSetWindowOrg:
        state_.windowOrg = QPointF(p.s16(1), p.s16(0));
        updateMapping();
        break;
    case kSetWindowExt:
        if (p.s16(0) != 0 && p.s16(1) != 0) {
            state_.windowExt = QPointF(p.s16(1), p.s16(0));
            updateMapping();
        }
        break;
    case kOffsetWindowOrg:
        state_.windowOrg += QPointF(p.s16(1), p.s16(0));
        updateMapping();
        break;
    case kScaleWindowExt: {
        const int yDenom = p.s16(0), yNum = p.s16(1), xDenom = p.s16(2), xNum = p.s16(3);
        if (xDenom != 0 && yDenom != 0 && xNum != 0 && yNum != 0) {
            const QPointF ext(state_.windowExt.x() * xNum / xDenom,
                              state_.windowExt.y() * yNum / yDenom);
            if (ext.x() != 0 && ext.y() != 0) {
                state_.windowExt = ext;
                updateMapping();
            }
        }
        break;
    }
    // The viewport belongs to whoever plays the picture: the target box. Its records are
    // kept for completeness but do not move the picture out of its box.
    case kSetViewportOrg:
        state_.viewportOrg = QPointF(p.s16(1), p.s16(0));
        break;
    case kSetViewportExt:
        state_.viewportExt = QPointF(p.s16(1), p.s16(0));
        break;
    case kOffsetViewportOrg:
    case kScaleViewportExt:
        break;
    case kMoveTo:
        state_.position = QPointF(p.s16(1), p.s16(0));
        break;
    case kLineTo:
        lineTo(p);
        break;
    case kExcludeClipRect:
        excludeClip(mapRect(p.s16(3), p.s16(2), p.s16(1), p.s16(0)));
        break;
    case kIntersectClipRect:
        intersectClip(mapRect(p.s16(3), p.s16(2), p.s16(1), p.s16(0)));
        break;
    case kOffsetClipRgn: {
        const QPointF delta = map(p.s16(1), p.s16(0)) - map(0, 0);
        offsetClip(delta.x(), delta.y());
        break;
    }
    case kSelectClipRegion:
        selectClipRegion(p.u16(0));
        break;
    case kArc:
        arcFamily(p, ArcKind::Arc);
        break;
    case kPie:
        arcFamily(p, ArcKind::Pie);
        break;
    case kChord:
        arcFamily(p, ArcKind::Chord);
        break;
    case kEllipse:
        ellipse(p);
        break;
    case kRectangle:
        rectangle(p);
        break;
    case kRoundRect:
        roundRect(p);
        break;
    case kSetPixel:
        setPixel(p);
        break;
    case kPolygon:
        polygon(p, true);
        break;
    case kPolyline:
        polygon(p, false);
        break;
    case kPolyPolygon:
        polyPolygon(p);
        break;
    case kFillRegion:
    case kFrameRegion:
    case kPaintRegion:
        regionRecord(function, p);
        break;
    case kTextOut:
        textOut(p);
        break;
    case kExtTextOut:
        extTextOut(p);
        break;
    case kPatBlt:
        patBlt(p);
        break;
    case kBitBlt:
        bitBlt16(p, false);
        break;
    case kStretchBlt:
        bitBlt16(p, true);
        break;
    case kDibBitBlt:
        dibBlt(p, false);
        break;
    case kDibStretchBlt:
        dibBlt(p, true);
        break;
    case kStretchDib:
        stretchDib(p);
        break;
    case kSetDibToDev:
        setDibToDev(p);
        break;
    case kSaveDc:
        saveDc();
        break;
    case kRestoreDc:
        restoreDc(p.s16(0));
        break;
    case kSelectObject:
        selectObject(p.u16(0));
        break;
    case kDeleteObject:
        deleteObject(p.u16(0));
        break;
    case kCreatePenIndirect:
        createPen(p);
        break;
    case kCreateBrushIndirect:
        createBrush(p);
        break;
    case kDibCreatePatternBrush:
        createDibPatternBrush(p);
        break;
    case kCreatePatternBrush:
        createPatternBrush(p);
        break;
    case kCreateFontIndirect:
        createFont(p);
        break;
    case kCreateRegion:
        createRegion(p);
        break;
    case kCreatePalette:
        addObject(std::make_unique<WmfObject>());
        break;
    default:
        break; // unknown or without effect here (palettes, escapes, mapper flags)
    }
}

// --- coordinates -----------------------------------------------------------------------

void WmfPlayback::updateMapping() {
    if (!mapWindow_) {
        mapping_ = QTransform();
        return;
    }
    const double sx = target_.width() / state_.windowExt.x();
    const double sy = target_.height() / state_.windowExt.y();
    mapping_ = QTransform(sx, 0, 0, sy, target_.left() - state_.windowOrg.x() * sx,
                          target_.top() - state_.windowOrg.y() * sy);
}

QRectF WmfPlayback::mapRect(double left, double top, double right, double bottom) const {
    return QRectF(map(left, top), map(right, bottom)).normalized();
}

// --- device context state and objects --------------------------------------------------

void WmfPlayback::saveDc() {
    if (saved_.size() < kMaxSavedStates)
        saved_.push_back(state_);
}

void WmfPlayback::restoreDc(int which) {
    const int count = static_cast<int>(saved_.size());
    // Negative: relative to the latest save (-1 = the latest); positive: the n-th save.
    const int index = which < 0 ? count + which : which - 1;
    if (which == 0 || index < 0 || index >= count)
        return;
    state_ = saved_[static_cast<size_t>(index)];
    saved_.resize(static_cast<size_t>(index));
    updateMapping();
    clipDirty_ = true;
}

// Every new object takes the lowest free slot of the object table.
void WmfPlayback::addObject(std::unique_ptr<WmfObject> object) {
    if (!freeSlots_.empty()) {
        const int slot = *freeSlots_.begin();
        freeSlots_.erase(freeSlots_.begin());
        objects_[static_cast<size_t>(slot)] = std::move(object);
    } else if (objects_.size() < kMaxObjects) {
        objects_.push_back(std::move(object));
    }
}

const WmfObject* WmfPlayback::object(int index, WmfObject::Type type) const {
    if (index < 0 || index >= static_cast<int>(objects_.size()))
        return nullptr;
    const WmfObject* found = objects_[static_cast<size_t>(index)].get();
    return found && found->type == type ? found : nullptr;
}

void WmfPlayback::selectObject(int index) {
    if (index < 0 || index >= static_cast<int>(objects_.size()) || !objects_[size_t(index)])
        return;
    const WmfObject& chosen = *objects_[static_cast<size_t>(index)];
    switch (chosen.type) {
    case WmfObject::Type::Pen:
        state_.pen = chosen.pen;
        break;
    case WmfObject::Type::Brush:
        state_.brush = chosen.brush;
        break;
    case WmfObject::Type::Font:
        state_.font = chosen.font;
        break;
    case WmfObject::Type::Region:
        selectClipRegion(index);
        break;
    case WmfObject::Type::Palette:
        break;
    }
}

void WmfPlayback::deleteObject(int index) {
    if (index < 0 || index >= static_cast<int>(objects_.size()) || !objects_[size_t(index)])
        return;
    objects_[static_cast<size_t>(index)].reset();
    freeSlots_.insert(index);
}

void WmfPlayback::createPen(const WmfParams& p) {
    auto made = std::make_unique<WmfObject>();
    made->type = WmfObject::Type::Pen;
    made->pen.style = p.u16(0);
    made->pen.width = std::abs(p.s16(1));
    made->pen.color = ColorAt(p, 3);
    addObject(std::move(made));
}

void WmfPlayback::createBrush(const WmfParams& p) {
    auto made = std::make_unique<WmfObject>();
    made->type = WmfObject::Type::Brush;
    const int style = p.u16(0);
    made->brush.style = (style == kBrushNull || style == kBrushHatched) ? style : kBrushSolid;
    made->brush.color = ColorAt(p, 1);
    made->brush.hatch = p.u16(3);
    addObject(std::move(made));
}

void WmfPlayback::createDibPatternBrush(const WmfParams& p) {
    auto made = std::make_unique<WmfObject>();
    made->type = WmfObject::Type::Brush;
    made->brush.style = kBrushPattern;
    made->brush.color = Qt::gray; // what shows when the pattern cannot be read
    if (p.byteCount() > 4)
        made->brush.pattern = DecodeWmfDib(p.bytesFrom(4), p.byteCount() - 4);
    addObject(std::move(made));
}

void WmfPlayback::createPatternBrush(const WmfParams& p) {
    auto made = std::make_unique<WmfObject>();
    made->type = WmfObject::Type::Brush;
    made->brush.style = kBrushPattern;
    made->brush.color = Qt::gray;
    // A Bitmap16 header (14 bytes), 18 reserved bytes, then the bits.
    if (p.byteCount() > 32) {
        QByteArray bitmap(reinterpret_cast<const char*>(p.bytesFrom(0)), 14);
        bitmap.append(reinterpret_cast<const char*>(p.bytesFrom(32)), p.byteCount() - 32);
        made->brush.pattern = DecodeWmfBitmap16(reinterpret_cast<const uchar*>(bitmap.constData()),
                                                static_cast<int>(bitmap.size()));
    }
    addObject(std::move(made));
}

void WmfPlayback::createFont(const WmfParams& p) {
    auto made = std::make_unique<WmfObject>();
    made->type = WmfObject::Type::Font;
    WmfFont& font = made->font;
    font.height = p.s16(0);
    font.width = p.s16(1);
    font.escapement = p.s16(2);
    font.weight = p.s16(4);
    font.italic = p.byte(10) != 0;
    font.underline = p.byte(11) != 0;
    font.strikeOut = p.byte(12) != 0;
    font.charset = p.byte(13);
    QByteArray face;
    for (int i = 18; i < std::min(p.byteCount(), 18 + 32) && p.byte(i) != 0; ++i)
        face.append(static_cast<char>(p.byte(i)));
    font.face = QString::fromLatin1(face).trimmed();
    // A face name with control characters names no font; asking the font database for it
    // would only make Qt and fontconfig remember one more unknown name for good.
    if (std::any_of(font.face.begin(), font.face.end(),
                    [](QChar c) { return c < u' ' || (c >= u'\x7F' && c < u'\xA0'); }))
        font.face.clear();
    addObject(std::move(made));
}

// A region: a header with its bounding box, then scans of [left, right) spans.
void WmfPlayback::createRegion(const WmfParams& p) {
    auto made = std::make_unique<WmfObject>();
    made->type = WmfObject::Type::Region;
    QPainterPath& path = made->region;
    path.setFillRule(Qt::WindingFill);
    const QRectF bounds =
        QRectF(QPointF(p.s16(7), p.s16(8)), QPointF(p.s16(9), p.s16(10))).normalized();
    const int scanCount = p.u16(5);
    int word = 11, rects = 0;
    for (int scan = 0; scan < scanCount && word + 3 <= p.wordCount(); ++scan) {
        const int count = p.u16(word);
        const double top = p.s16(word + 1), bottom = p.s16(word + 2);
        const int pairs = count / 2;
        if (word + 3 + pairs * 2 + 1 > p.wordCount())
            break;
        for (int i = 0; i < pairs && rects <= kMaxRegionRects; ++i, ++rects) {
            const double left = p.s16(word + 3 + 2 * i), right = p.s16(word + 4 + 2 * i);
            path.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized());
        }
        word += 3 + pairs * 2 + 1;
    }
    if ((path.isEmpty() || rects > kMaxRegionRects) && p.wordCount() >= 11) {
        path = QPainterPath(); // no scans, or too many: the bounding box is the region
        path.addRect(bounds);
    }
    addObject(std::move(made));
}

// --- clipping --------------------------------------------------------------------------

void WmfPlayback::intersectClip(const QRectF& rect) {
    if (state_.clipIsRect)
        state_.clipRect = state_.clipRect.intersected(rect);
    else if (state_.clipPath.elementCount() + 5 <= kMaxClipElements)
        setClipPath(state_.clipPath.intersected(RectPath(rect)));
    clipDirty_ = true;
}

void WmfPlayback::excludeClip(const QRectF& rect) {
    const QPainterPath current = state_.clipIsRect ? RectPath(state_.clipRect) : state_.clipPath;
    if (current.elementCount() + 5 > kMaxClipElements)
        return; // the clip keeps the detail it has
    setClipPath(current.subtracted(RectPath(rect)));
}

void WmfPlayback::setClipPath(const QPainterPath& path) {
    if (path.elementCount() > kMaxClipElements) {
        // Too intricate to keep: clip to its outline box instead.
        state_.clipIsRect = true;
        state_.clipRect = path.boundingRect();
        clipDirty_ = true;
        return;
    }
    state_.clipIsRect = false;
    state_.clipPath = path;
    clipDirty_ = true;
}

void WmfPlayback::selectClipRegion(int index) {
    const WmfObject* region = object(index, WmfObject::Type::Region);
    const QRectF whole = mapWindow_ ? target_ : QRectF(-1e6, -1e6, 2e6, 2e6);
    if (!region) { // no region: back to the whole picture
        state_.clipIsRect = true;
        state_.clipRect = whole;
        clipDirty_ = true;
        return;
    }
    setClipPath(mapping_.map(region->region).intersected(RectPath(whole)));
}

void WmfPlayback::offsetClip(double dx, double dy) {
    if (state_.clipIsRect)
        state_.clipRect.translate(dx, dy);
    else
        state_.clipPath.translate(dx, dy);
    clipDirty_ = true;
}

void WmfPlayback::applyClip() {
    if (!clipDirty_)
        return;
    clipDirty_ = false;
    if (state_.clipIsRect && baseClip_ == RectPath(target_) && mapWindow_) {
        painter_.setClipRect(state_.clipRect.intersected(target_), Qt::ReplaceClip);
        return;
    }
    const QPainterPath own = state_.clipIsRect ? RectPath(state_.clipRect) : state_.clipPath;
    painter_.setClipPath(own.intersected(baseClip_), Qt::ReplaceClip);
}

// --- pens, brushes and shapes ----------------------------------------------------------

bool WmfPlayback::hasPen() const {
    return (state_.pen.style & kPenStyleMask) != kPenNull;
}

QPen WmfPlayback::currentPen() const {
    const WmfPen& source = state_.pen;
    QPen pen(source.color);
    if (source.width <= 0) {
        pen.setWidthF(0); // one device pixel
        pen.setCosmetic(true);
    } else {
        pen.setWidthF(std::max(source.width * scaleX(), devicePixel_));
    }
    switch (source.style & kPenStyleMask) {
    case kPenDash:
        pen.setStyle(Qt::DashLine);
        break;
    case kPenDot:
        pen.setStyle(Qt::DotLine);
        break;
    case kPenDashDot:
        pen.setStyle(Qt::DashDotLine);
        break;
    case kPenDashDotDot:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    default:
        pen.setStyle(Qt::SolidLine);
        break;
    }
    const int cap = source.style & kPenCapMask, join = source.style & kPenJoinMask;
    pen.setCapStyle(cap == kPenCapSquare ? Qt::SquareCap
                    : cap == kPenCapFlat ? Qt::FlatCap
                                         : Qt::RoundCap);
    pen.setJoinStyle(join == kPenJoinBevel   ? Qt::BevelJoin
                     : join == kPenJoinMiter ? Qt::MiterJoin
                                             : Qt::RoundJoin);
    return pen;
}

void WmfPlayback::fillPath(const QPainterPath& path, const WmfBrush& brush) {
    if (brush.style == kBrushNull || state_.rop2 == kRop2Nop)
        return;
    applyClip();
    if (brush.style == kBrushHatched) {
        if (state_.opaqueBackground)
            painter_.fillPath(path, state_.backColor);
        FillHatchedPath(painter_, path, HatchStyle(brush.hatch), brush.color);
    } else if (brush.style == kBrushPattern && !brush.pattern.isNull()) {
        // One pattern pixel covers one screen pixel, on paper too.
        QBrush textured(brush.pattern);
        textured.setTransform(QTransform::fromScale(screenPixel_, screenPixel_));
        painter_.fillPath(path, textured);
    } else {
        painter_.fillPath(path, brush.color);
    }
}

void WmfPlayback::strokePath(const QPainterPath& path) {
    if (!hasPen() || state_.rop2 == kRop2Nop)
        return;
    applyClip();
    painter_.strokePath(path, currentPen());
}

void WmfPlayback::fillAndStroke(const QPainterPath& path) {
    fillPath(path, state_.brush);
    strokePath(path);
}

// A pen of the inside-frame style keeps its whole width inside the shape's box.
QRectF WmfPlayback::insideFrame(QRectF rect) const {
    if ((state_.pen.style & kPenStyleMask) == kPenInsideFrame && state_.pen.width > 0) {
        const double half = state_.pen.width * scaleX() / 2;
        if (rect.width() > 2 * half && rect.height() > 2 * half)
            rect.adjust(half, half, -half, -half);
    }
    return rect;
}

void WmfPlayback::polygon(const WmfParams& p, bool closed) {
    const int available = (p.wordCount() - 1) / 2;
    const int count = std::min<int>(p.s16(0), available); // a short record draws what it holds
    if (count < 2)
        return;
    QPolygonF points;
    points.reserve(count);
    for (int i = 0; i < count; ++i)
        points.append(map(p.s16(1 + 2 * i), p.s16(2 + 2 * i)));
    QPainterPath path;
    if (closed) {
        path.addPolygon(points);
        path.closeSubpath();
        path.setFillRule(state_.fillRule);
        fillAndStroke(path);
    } else {
        path.addPolygon(points);
        strokePath(path);
    }
}

void WmfPlayback::polyPolygon(const WmfParams& p) {
    const int polygons = p.u16(0);
    if (polygons <= 0 || polygons >= p.wordCount())
        return;
    QPainterPath path;
    path.setFillRule(state_.fillRule);
    int word = 1 + polygons;
    for (int i = 0; i < polygons; ++i) {
        const int count = p.u16(1 + i);
        if (word + 2 * count > p.wordCount())
            break; // the rest of the points are missing
        QPolygonF points;
        points.reserve(count);
        for (int k = 0; k < count; ++k)
            points.append(map(p.s16(word + 2 * k), p.s16(word + 2 * k + 1)));
        word += 2 * count;
        if (count >= 2) {
            path.addPolygon(points);
            path.closeSubpath();
        }
    }
    if (!path.isEmpty())
        fillAndStroke(path);
}

void WmfPlayback::rectangle(const WmfParams& p) {
    QPainterPath path;
    path.addRect(insideFrame(mapRect(p.s16(3), p.s16(2), p.s16(1), p.s16(0))));
    fillAndStroke(path);
}

void WmfPlayback::roundRect(const WmfParams& p) {
    const QRectF box = insideFrame(mapRect(p.s16(5), p.s16(4), p.s16(3), p.s16(2)));
    const double rx = std::min(std::abs(p.s16(1) * scaleX()) / 2, box.width() / 2);
    const double ry = std::min(std::abs(p.s16(0) * scaleY()) / 2, box.height() / 2);
    QPainterPath path;
    path.addRoundedRect(box, rx, ry);
    fillAndStroke(path);
}

void WmfPlayback::ellipse(const WmfParams& p) {
    QPainterPath path;
    path.addEllipse(insideFrame(mapRect(p.s16(3), p.s16(2), p.s16(1), p.s16(0))));
    fillAndStroke(path);
}

// Arc (0), pie (1) and chord (2): counter-clockwise on the device from the radial through
// the start point to the radial through the end point.
void WmfPlayback::arcFamily(const WmfParams& p, ArcKind kind) {
    const QRectF box = mapRect(p.s16(7), p.s16(6), p.s16(5), p.s16(4));
    if (box.width() <= 0 || box.height() <= 0)
        return;
    const QPointF centre = box.center();
    const auto angle = [&](const QPointF& point) {
        const double dx = (point.x() - centre.x()) / (box.width() / 2);
        const double dy = (point.y() - centre.y()) / (box.height() / 2);
        return std::atan2(-dy, dx) * 180.0 / M_PI;
    };
    const double start = angle(map(p.s16(3), p.s16(2)));
    const double end = angle(map(p.s16(1), p.s16(0)));
    double sweep = std::fmod(end - start + 720.0, 360.0);
    if (sweep < 1e-9)
        sweep = 360.0;
    QPainterPath path;
    if (kind == ArcKind::Pie)
        path.moveTo(centre);
    else
        path.arcMoveTo(box, start);
    path.arcTo(box, start, sweep);
    if (kind == ArcKind::Arc) {
        strokePath(path);
        return;
    }
    path.closeSubpath();
    fillAndStroke(path);
}

void WmfPlayback::lineTo(const WmfParams& p) {
    const QPointF to(p.s16(1), p.s16(0));
    QPainterPath path;
    path.moveTo(map(state_.position.x(), state_.position.y()));
    path.lineTo(map(to.x(), to.y()));
    strokePath(path);
    state_.position = to;
}

void WmfPlayback::setPixel(const WmfParams& p) {
    applyClip();
    const QPointF at = map(p.s16(3), p.s16(2));
    painter_.fillRect(QRectF(at, QSizeF(devicePixel_, devicePixel_)), ColorAt(p, 0));
}

void WmfPlayback::regionRecord(int function, const WmfParams& p) {
    const WmfObject* region = object(p.u16(0), WmfObject::Type::Region);
    if (!region)
        return;
    const QPainterPath path = mapping_.map(region->region);
    if (function == kPaintRegion) {
        fillPath(path, state_.brush);
        return;
    }
    const WmfObject* brush = object(p.u16(1), WmfObject::Type::Brush);
    if (!brush)
        return;
    if (function == kFillRegion) {
        fillPath(path, brush->brush);
        return;
    }
    // Frame: a band of the given width and height along the region's edges.
    const double width = std::max(std::abs(p.s16(3) * scaleX()), devicePixel_);
    applyClip();
    QPen pen(brush->brush.color, width);
    painter_.save();
    painter_.setClipPath(path, Qt::IntersectClip);
    painter_.strokePath(path, QPen(pen.color(), 2 * width));
    painter_.restore();
}

// --- text ------------------------------------------------------------------------------

// The selected font as a Qt font of a whole number of pixels, with the scale that brings
// those pixels to the logical size (so any device and any painter scale get the same text).
QFont WmfPlayback::makeFont(double* localScale, double* stretchX) const {
    const WmfFont& source = state_.font;
    QFont font(source.face.isEmpty() ? QStringLiteral("Arial") : source.face);
    font.setKerning(false);
    font.setItalic(source.italic);
    font.setUnderline(source.underline);
    font.setStrikeOut(source.strikeOut);
    if (source.weight > 0)
        font.setWeight(static_cast<QFont::Weight>(std::clamp(source.weight, 100, 900)));
    font.setPixelSize(100);
    const QFontMetricsF reference(font);
    double em = 0; // target units
    if (source.height < 0)
        em = -source.height * scaleY();
    else if (source.height > 0)
        em = source.height * scaleY() * 100.0 / std::max(1.0, reference.height());
    else
        em = 16 * screenPixel_;
    const double pixels = std::clamp(em / devicePixel_, 1.0, double(kMaxFontPixels));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    *localScale = em / font.pixelSize();
    double stretch = scaleY() > 0 ? scaleX() / scaleY() : 1.0;
    if (source.width != 0) {
        const double natural = QFontMetricsF(font).averageCharWidth() * *localScale;
        if (natural > 0)
            stretch = std::abs(source.width) * scaleX() / natural;
    }
    *stretchX = std::clamp(stretch, 0.01, 100.0);
    return font;
}

void WmfPlayback::textOut(const WmfParams& p) {
    const int count = p.s16(0);
    const int padded = (count + 1) / 2;
    if (count <= 0 || 1 + padded + 2 > p.wordCount())
        return;
    const QByteArray bytes(reinterpret_cast<const char*>(p.bytesFrom(2)), count);
    const QPointF at(p.s16(2 + padded), p.s16(1 + padded));
    drawText(at, bytes, {});
}

void WmfPlayback::extTextOut(const WmfParams& p) {
    const QPointF at(p.s16(1), p.s16(0));
    const int count = p.s16(2);
    const int options = p.u16(3);
    int offset = 8;
    const bool hasRect = (options & 0x6) != 0;
    QRectF box;
    if (hasRect) {
        if (p.byteCount() < offset + 8)
            return;
        box = mapRect(p.s16(4), p.s16(5), p.s16(6), p.s16(7));
        offset += 8;
    }
    if (hasRect && (options & 0x2)) { // opaque: the box is filled with the background colour
        applyClip();
        painter_.fillRect(box, state_.backColor);
    }
    if (count <= 0 || offset + count > p.byteCount())
        return;
    const QByteArray bytes(reinterpret_cast<const char*>(p.bytesFrom(offset)), count);
    offset += count + (count & 1);
    std::vector<int> dx;
    if (offset + 2 * count <= p.byteCount()) {
        dx.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            dx.push_back(p.s16(offset / 2 + i));
    }
    if (hasRect && (options & 0x4)) {
        painter_.save();
        applyClip();
        painter_.setClipRect(box, Qt::IntersectClip);
        drawText(at, bytes, dx);
        painter_.restore();
        clipDirty_ = true;
    } else {
        drawText(at, bytes, dx);
    }
}

// The characters of a text with the font each is drawn in and its advance (local units).
// Text in a Wingdings font goes through the symbol glyph function, so codes the installed
// Wingdings lacks still show their symbol.
std::vector<WmfPlayback::TextPiece> WmfPlayback::layoutText(const QByteArray& bytes,
                                                            const QFont& font, double unitX,
                                                            const std::vector<int>& dx) const {
    const bool wingdings =
        state_.font.face.contains(QLatin1String("wingding"), Qt::CaseInsensitive);
    const QString text = DecodeAnsi(bytes);
    const QFontMetricsF metrics(font);
    std::vector<TextPiece> pieces;
    pieces.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        TextPiece piece{font, QString(text.at(i)), 0};
        if (wingdings) {
            const SymbolGlyphChoice choice = ChooseSymbolGlyph(static_cast<uchar>(bytes[i]), font);
            piece.font = choice.font;
            piece.text = choice.text;
        }
        if (dx.size() == size_t(text.size()))
            piece.advance = dx[size_t(i)] * scaleX() / unitX;
        else
            piece.advance = QFontMetricsF(piece.font).horizontalAdvance(piece.text) +
                            state_.charExtra * scaleX() / unitX;
        pieces.push_back(piece);
    }
    return pieces;
}

void WmfPlayback::drawText(QPointF logical, const QByteArray& bytes, const std::vector<int>& dx) {
    const bool updatePosition = state_.textAlign & kAlignUpdatePosition;
    if (updatePosition)
        logical = state_.position;
    double scale = 1, stretch = 1;
    const QFont font = makeFont(&scale, &stretch);
    const QFontMetricsF metrics(font);
    const double unitX = scale * stretch; // target units per local unit across
    const std::vector<TextPiece> pieces = layoutText(bytes, font, unitX, dx);
    double width = 0;
    for (const TextPiece& piece : pieces)
        width += piece.advance;

    const int horizontal = state_.textAlign & kAlignHorizontalMask;
    const int vertical = state_.textAlign & kAlignVerticalMask;
    const double x0 = horizontal == kAlignCenter  ? -width / 2
                      : horizontal == kAlignRight ? -width
                                                  : 0;
    const double baseline = vertical == kAlignBaseline ? 0
                            : vertical == kAlignBottom ? -metrics.descent()
                                                       : metrics.ascent();
    applyClip();
    painter_.save();
    painter_.translate(map(logical.x(), logical.y()));
    painter_.rotate(-state_.font.escapement / 10.0);
    painter_.scale(unitX, scale);
    if (state_.opaqueBackground)
        painter_.fillRect(QRectF(x0, baseline - metrics.ascent(), width, metrics.height()),
                          state_.backColor);
    painter_.setPen(state_.textColor);
    double x = x0;
    for (const TextPiece& piece : pieces) {
        painter_.setFont(piece.font);
        painter_.drawText(QPointF(x, baseline), piece.text);
        x += piece.advance;
    }
    painter_.restore();
    if (updatePosition && scaleX() > 0) {
        const double logicalWidth = width * unitX / scaleX();
        state_.position.rx() += horizontal == kAlignRight ? -logicalWidth : logicalWidth;
    }
}

// --- bitmaps ---------------------------------------------------------------------------

void WmfPlayback::fillRop(const QRectF& dest, uint32_t rop) {
    QPainterPath path;
    path.addRect(dest.normalized());
    switch (rop) {
    case 0x00000042: // black
        applyClip();
        painter_.fillPath(path, Qt::black);
        break;
    case 0x00FF0062: // white
        applyClip();
        painter_.fillPath(path, Qt::white);
        break;
    case 0x00F00021: // pattern copy
    case 0x005A0049: // pattern invert (drawn as a copy)
        fillPath(path, state_.brush);
        break;
    default:
        break; // operations on the destination alone have no vector equivalent
    }
}

void WmfPlayback::patBlt(const WmfParams& p) {
    const double height = p.s16(2), width = p.s16(3), y = p.s16(4), x = p.s16(5);
    fillRop(QRectF(map(x, y), map(x + width, y + height)), p.u32(0));
}

// Raster operations with a source become drawing with transparency: AND keeps the
// destination under white, OR keeps it under black, so masks combine as on screen.
void WmfPlayback::drawBitmap(const QImage& source, QRectF from, const QRectF& dest, uint32_t rop) {
    if (source.isNull() || dest.width() == 0 || dest.height() == 0)
        return;
    QImage image = source;
    if (rop == 0x008800C6 || rop == 0x00EE0086) { // source AND, source OR
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QRgb clear = rop == 0x008800C6 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] | 0xFF000000u) == clear)
                    line[x] = 0;
        }
    } else if (rop == 0x00330008) { // inverted source
        image.invertPixels();
    }
    from = from.intersected(QRectF(image.rect()));
    if (from.isEmpty())
        from = image.rect();
    const bool mirrorX = dest.width() < 0, mirrorY = dest.height() < 0;
    if (mirrorX || mirrorY) {
        image = image.copy(from.toAlignedRect()).mirrored(mirrorX, mirrorY);
        from = image.rect();
    }
    applyClip();
    painter_.drawImage(dest.normalized(), image, from);
}

namespace {
// The source rectangle in top-down image rows: bottom-up DIBs count y from their last row.
QRectF SourceRect(const QImage& image, bool topDown, double x, double y, double w, double h) {
    if (w == 0 || h == 0)
        return image.rect();
    const double top = topDown ? y : image.height() - y - h;
    return QRectF(x, top, w, h);
}
} // namespace

void WmfPlayback::dibBlt(const WmfParams& p, bool stretch) {
    const uint32_t rop = p.u32(0);
    const bool withoutBitmap = p.wordCount() == (stretch ? kDibStretchBlt : kDibBitBlt) >> 8;
    double srcW = 0, srcH = 0, srcX = 0, srcY = 0, w = 0, h = 0, x = 0, y = 0;
    int dibOffset = 0;
    if (stretch) {
        srcH = p.s16(2), srcW = p.s16(3), srcY = p.s16(4), srcX = p.s16(5);
        const int d = withoutBitmap ? 7 : 6;
        h = p.s16(d), w = p.s16(d + 1), y = p.s16(d + 2), x = p.s16(d + 3);
        dibOffset = 20;
    } else {
        srcY = p.s16(2), srcX = p.s16(3);
        const int d = withoutBitmap ? 5 : 4;
        h = p.s16(d), w = p.s16(d + 1), y = p.s16(d + 2), x = p.s16(d + 3);
        srcW = w, srcH = h;
        dibOffset = 16;
    }
    const QRectF dest(map(x, y), map(x + w, y + h));
    if (withoutBitmap || p.byteCount() <= dibOffset) {
        fillRop(dest, rop);
        return;
    }
    const uchar* dib = p.bytesFrom(dibOffset);
    const int dibSize = p.byteCount() - dibOffset;
    const QImage image = DecodeWmfDib(dib, dibSize);
    if (image.isNull())
        return;
    const QRectF from = SourceRect(image, WmfDibIsTopDown(dib, dibSize), srcX, srcY, srcW, srcH);
    drawBitmap(image, from, QRectF(dest.topLeft(), QSizeF(dest.width(), dest.height())), rop);
}

void WmfPlayback::stretchDib(const WmfParams& p) {
    const uint32_t rop = p.u32(0);
    const double srcH = p.s16(3), srcW = p.s16(4), srcY = p.s16(5), srcX = p.s16(6);
    const double h = p.s16(7), w = p.s16(8), y = p.s16(9), x = p.s16(10);
    if (p.byteCount() <= 22)
        return;
    const uchar* dib = p.bytesFrom(22);
    const int dibSize = p.byteCount() - 22;
    const QImage image = DecodeWmfDib(dib, dibSize);
    if (image.isNull())
        return;
    const QRectF from = SourceRect(image, WmfDibIsTopDown(dib, dibSize), srcX, srcY, srcW, srcH);
    const QPointF a = map(x, y), b = map(x + w, y + h);
    drawBitmap(image, from, QRectF(a, QSizeF(b.x() - a.x(), b.y() - a.y())), rop);
}

void WmfPlayback::setDibToDev(const WmfParams& p) {
    const double srcY = p.s16(3), srcX = p.s16(4), h = p.s16(5), w = p.s16(6);
    const double y = p.s16(7), x = p.s16(8);
    if (p.byteCount() <= 18)
        return;
    const uchar* dib = p.bytesFrom(18);
    const int dibSize = p.byteCount() - 18;
    const QImage image = DecodeWmfDib(dib, dibSize);
    if (image.isNull())
        return;
    const QRectF from = SourceRect(image, WmfDibIsTopDown(dib, dibSize), srcX, srcY, w, h);
    const QPointF a = map(x, y), b = map(x + w, y + h);
    drawBitmap(image, from, QRectF(a, QSizeF(b.x() - a.x(), b.y() - a.y())), 0x00CC0020);
}

void WmfPlayback::bitBlt16(const WmfParams& p, bool stretch) {
    const uint32_t rop = p.u32(0);
    const bool withoutBitmap = p.wordCount() == (stretch ? kStretchBlt : kBitBlt) >> 8;
    double srcW = 0, srcH = 0, srcX = 0, srcY = 0, w = 0, h = 0, x = 0, y = 0;
    int bitmapOffset = 0;
    if (stretch) {
        srcH = p.s16(2), srcW = p.s16(3), srcY = p.s16(4), srcX = p.s16(5);
        const int d = withoutBitmap ? 7 : 6;
        h = p.s16(d), w = p.s16(d + 1), y = p.s16(d + 2), x = p.s16(d + 3);
        bitmapOffset = 20;
    } else {
        srcY = p.s16(2), srcX = p.s16(3);
        const int d = withoutBitmap ? 5 : 4;
        h = p.s16(d), w = p.s16(d + 1), y = p.s16(d + 2), x = p.s16(d + 3);
        srcW = w, srcH = h;
        bitmapOffset = 16;
    }
    const QPointF a = map(x, y), b = map(x + w, y + h);
    const QRectF dest(a, QSizeF(b.x() - a.x(), b.y() - a.y()));
    if (withoutBitmap || p.byteCount() <= bitmapOffset) {
        fillRop(dest, rop);
        return;
    }
    const QImage image = DecodeWmfBitmap16(p.bytesFrom(bitmapOffset), p.byteCount() - bitmapOffset);
    drawBitmap(image, QRectF(srcX, srcY, srcW, srcH), dest, rop);
}
