#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSizeF>

class QPainter;

// A Windows metafile (".WMF", placeable or plain) and its playback into a QPainter.
// The file is untrusted: every size, count and index read from it is checked, a damaged
// record ends or skips playback, and nothing allocates or loops beyond what the file's
// length allows.
class WmfPlayer {
public:
    explicit WmfPlayer(const QByteArray& data);

    // True when the data starts like a metafile (placeable key, or a plain header).
    static bool looksLikeMetafile(const QByteArray& data);

    bool isValid() const { return valid_; }
    bool isPlaceable() const { return placeable_; }

    // The logical rectangle that fills the target box: the placeable header's frame, or for
    // a plain metafile its first window (origin and extent), or the extent of what it draws.
    // Width or height may be negative when the file's y axis points up.
    QRectF frame() const { return frame_; }
    // Logical units per inch used for the natural size.
    double unitsPerInch() const { return unitsPerInch_; }

    // Size when drawn unstretched.
    QSizeF sizeInInches() const;

    // Plays the records so that frame() fills target (in the painter's current coordinates);
    // nothing is drawn outside target. Stays vector on vector devices (PDF, printer).
    void play(QPainter& painter, const QRectF& target) const;

private:
    void readHeaders();
    void findPlainFrame();

    QByteArray data_;
    bool valid_ = false;
    bool placeable_ = false;
    int recordsOffset_ = 0;
    int objectCount_ = 0;
    QRectF frame_;
    double unitsPerInch_ = 96.0;
};
