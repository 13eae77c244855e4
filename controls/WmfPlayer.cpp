#include "controls/WmfPlayer.h"

#include "controls/WmfPlayback.h"

#include <QPainter>
#include <QPicture>

#include <cmath>

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableHeaderSize = 22;

// The records a plain metafile's frame is found from.
constexpr int kSetMapMode = 0x0103;
constexpr int kSetWindowOrg = 0x020B;
constexpr int kSetWindowExt = 0x020C;

// Mapping modes: how many logical units make an inch, and which way y runs.
enum MapMode : int {
    kMapText = 1,      // device pixels, y down
    kMapLoMetric = 2,  // 0.1 mm, y up
    kMapHiMetric = 3,  // 0.01 mm, y up
    kMapLoEnglish = 4, // 0.01 in, y up
    kMapHiEnglish = 5, // 0.001 in, y up
    kMapTwips = 6,     // 1/1440 in, y up
};

uint16_t U16(const QByteArray& data, qsizetype at) {
    if (at < 0 || at + 2 > data.size())
        return 0;
    return static_cast<uint16_t>(static_cast<uchar>(data[at]) |
                                 (static_cast<uchar>(data[at + 1]) << 8));
}
int16_t S16(const QByteArray& data, qsizetype at) {
    return static_cast<int16_t>(U16(data, at));
}
uint32_t U32(const QByteArray& data, qsizetype at) {
    return U16(data, at) | (uint32_t(U16(data, at + 2)) << 16);
}

// The standard header: type 1 (memory) or 2 (disk), header size 9 words.
bool PlainHeaderAt(const QByteArray& data, qsizetype at) {
    if (at + 18 > data.size())
        return false;
    const int type = U16(data, at), headerWords = U16(data, at + 2);
    return (type == 1 || type == 2) && headerWords == 9;
}

// Logical units per inch of the metric mapping modes; 0 for the others.
double MetricUnitsPerInch(int mapMode) {
    switch (mapMode) {
    case kMapLoMetric:
        return 254.0;
    case kMapHiMetric:
        return 2540.0;
    case kMapLoEnglish:
        return 100.0;
    case kMapHiEnglish:
        return 1000.0;
    case kMapTwips:
        return 1440.0;
    default:
        return 0.0;
    }
}

} // namespace

WmfPlayer::WmfPlayer(const QByteArray& data) : data_(data) {
    readHeaders();
}

bool WmfPlayer::looksLikeMetafile(const QByteArray& data) {
    if (data.size() >= kPlaceableHeaderSize && U32(data, 0) == kPlaceableKey)
        return true;
    return PlainHeaderAt(data, 0);
}

void WmfPlayer::readHeaders() {
    qsizetype at = 0;
    if (data_.size() >= kPlaceableHeaderSize && U32(data_, 0) == kPlaceableKey) {
        placeable_ = true;
        const double left = S16(data_, 6), top = S16(data_, 8);
        const double right = S16(data_, 10), bottom = S16(data_, 12);
        frame_ = QRectF(left, top, right - left, bottom - top);
        const int inch = U16(data_, 14);
        unitsPerInch_ = inch > 0 ? inch : 1440.0;
        at = kPlaceableHeaderSize;
    }
    if (!PlainHeaderAt(data_, at))
        return;
    objectCount_ = U16(data_, at + 10);
    recordsOffset_ = static_cast<int>(at + 18);
    valid_ = true;
    if (!placeable_ || frame_.width() == 0 || frame_.height() == 0)
        findPlainFrame();
}

// A plain metafile carries no frame: take its first window, or else measure what it draws.
void WmfPlayer::findPlainFrame() {
    int mapMode = kMapText;
    bool haveOrg = false, haveExt = false;
    QPointF org, ext;
    qsizetype pos = recordsOffset_;
    while (pos + 6 <= data_.size()) {
        const uint32_t words = U32(data_, pos);
        const int function = U16(data_, pos + 4);
        if (words < 3 || qsizetype(words) > (data_.size() - pos) / 2 || function == 0)
            break;
        if (function == kSetMapMode) {
            mapMode = U16(data_, pos + 6);
        } else if (function == kSetWindowOrg && !haveOrg) {
            org = QPointF(S16(data_, pos + 8), S16(data_, pos + 6));
            haveOrg = true;
        } else if (function == kSetWindowExt && !haveExt && S16(data_, pos + 6) != 0 &&
                   S16(data_, pos + 8) != 0) {
            ext = QPointF(S16(data_, pos + 8), S16(data_, pos + 6));
            haveExt = true;
        }
        pos += qsizetype(words) * 2;
    }
    const double metric = MetricUnitsPerInch(mapMode);
    if (haveExt && metric == 0) {
        frame_ = QRectF(org, QSizeF(ext.x(), ext.y()));
        // Without a scale of its own: screen pixels for small extents, twips for large ones.
        unitsPerInch_ = std::max(std::abs(ext.x()), std::abs(ext.y())) <= 1536 ? 96.0 : 1440.0;
        return;
    }
    QPicture picture;
    {
        QPainter painter(&picture);
        WmfPlayback measure(painter, QRectF(0, 0, 1, 1), QRectF(), false);
        measure.run(data_, recordsOffset_);
    }
    QRectF drawn = picture.boundingRect();
    if (drawn.isEmpty())
        drawn = QRectF(0, 0, 96, 96);
    if (metric > 0) { // the metric modes count y upwards
        frame_ = QRectF(drawn.left(), drawn.bottom(), drawn.width(), -drawn.height());
        unitsPerInch_ = metric;
    } else {
        frame_ = drawn;
        unitsPerInch_ = 96.0;
    }
}

QSizeF WmfPlayer::sizeInInches() const {
    if (!valid_ || unitsPerInch_ <= 0)
        return {};
    return {std::abs(frame_.width()) / unitsPerInch_, std::abs(frame_.height()) / unitsPerInch_};
}

void WmfPlayer::play(QPainter& painter, const QRectF& target) const {
    const QRectF box = target.normalized();
    if (!valid_ || box.width() <= 0 || box.height() <= 0 || frame_.width() == 0 ||
        frame_.height() == 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::LosslessImageRendering, true); // no JPEG in PDF output
    WmfPlayback playback(painter, box, frame_, true);
    playback.run(data_, recordsOffset_);
    painter.restore();
}
