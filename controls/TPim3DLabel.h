#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include "controls/RotatedTextPlacement.h"

class QPainter;

#include "document/ColorValue.h"
#include "document/TextBoxOptions.h"
#include "document/TextRun.h"

struct TextBoxLayout;

enum TPimStyle3D { lsRaised3d = 0, lsLowered3D = 1 };
enum TPimDepth3D { dpNone = 0, dpNormal = 1, dpDeep = 2, dpExtraDeep = 3 };
enum TPimButtonType { btNone = 0, btPush = 1 };

// The on-screen control of text items (and, through TCounterLabel, of counter items): one line
// of text rotated by whole degrees counter-clockwise about the top-left corner of its text cell.
// The control always sizes itself to the rotated text and records where inside itself the text
// starts (its text origin, OffsetX/OffsetY), which the objects text stores so that print puts
// the text where the screen shows it.
//
// Fonts are given in points and drawn at ScreenPixelsPerInch(). The control's own colour is
// never painted (it is transparent). It does no selection of its own: the window that owns the
// items hooks mouse and drag events with installEventFilter().
class TPim3DLabel : public QWidget {
    Q_OBJECT
public:
    explicit TPim3DLabel(QWidget* parent = nullptr);

    // Text, drawn whole however long.
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    // A text item's lines ("\n" between them) and how they are laid out. A text of several
    // lines, or in a box, is drawn from the same layout print uses (controls/TextBoxLayout):
    // a box keeps the size it is given and clips its text, several lines without a box take
    // the size of their block. Otherwise the caption is drawn as one line.
    void setTextLines(const QString& text, const TextBoxOptions& options);
    bool LaidOut() const;
    // The layout of the lines at the control's size (meaningful when LaidOut()), with the
    // panel's text marker applied to each line (a record's values filled in, shrunk to fit):
    // what the panel shows, in inches. The control's size and text origin follow the lines
    // as typed.
    TextBoxLayout LinesLayout() const;

    QString FontName() const { return fontName_; }
    void setFontName(const QString& name);
    int FontSize() const { return fontSize_; } // points
    void setFontSize(int points);
    ColorValue FontColor() const { return fontColor_; }
    void setFontColor(ColorValue color);
    bool Bold() const { return bold_; }
    void setBold(bool on);
    bool Italic() const { return italic_; }
    void setItalic(bool on);
    bool Underline() const { return underline_; }
    void setUnderline(bool on);

    // Degrees counter-clockwise, kept in -180..180 (450 -> 90, 270 -> -90, -450 -> -90).
    // -180 is kept as set but drawn and measured as 180.
    int Angle() const { return angle_; }
    void setAngle(int degrees);
    static int NormalizeAngle(int degrees);

    // Text origin in pixels, as found by the last layout. Setting stores the value only; the
    // next layout (any change of text, font or angle, a paint, TextOrigin()) replaces it.
    int OffsetX() const { return offsetX_; }
    void setOffsetX(int x) { offsetX_ = x; }
    int OffsetY() const { return offsetY_; }
    void setOffsetY(int y) { offsetY_ = y; }

    // Lays the text out now (size and origin) and returns the origin. Called before the
    // origin is stored.
    QPoint TextOrigin();

    // The three-dimensional edge (items use dpNone) and the push-button behaviour (items use
    // btNone); the rotation preview may use them.
    TPimStyle3D Style3D() const { return style3D_; }
    void setStyle3D(TPimStyle3D style);
    TPimDepth3D Depth3D() const { return depth3D_; }
    void setDepth3D(TPimDepth3D depth);
    TPimButtonType ButtonType() const { return buttonType_; }
    void setButtonType(TPimButtonType type) { buttonType_ = type; }

    // Fixed for items: transparent and auto-sized. Auto-sized, a size given from outside gives
    // way to the text's at once when shown (while hidden, when next shown or laid out).
    // AutoSize off keeps whatever size is given.
    bool Transparent() const { return transparent_; }
    void setTransparent(bool on);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool on);

    // The font the text is drawn with at the current pixels per inch.
    QFont TextFont() const;
    // Unrotated extents of the text along its baseline: advance width x cell height (ascent +
    // descent), in pixels.
    QSize TextExtent() const;
    // Size the control takes for its rotated text.
    QSize RotatedSize() const;

    // Re-applies size and origin, e.g. after the pixels per inch were changed.
    void RefreshLayout();

    // Size and text origin of a text w x h pixels (unrotated) drawn at angle degrees with the
    // depth offset d (0 for items): the rotated extents rounded to the nearest integer (halves
    // to even) plus d, and the corner the text cell starts from.
    // The panel's side of the one rotated-text placement (controls/RotatedTextPlacement.h).
    using Placement = RotatedTextBox;
    static Placement PlaceRotatedText(int w, int h, int angle, int d);

    // Draws the text as the control shows it, in the control's coordinates, without clipping.
    // On a design panel that marks texts (TCanvasPanel::setTextMarker) the panel's runs are
    // drawn in place of the caption; size and text origin still follow the caption.
    void PaintText(QPainter& painter) const;
    // Whether the text as shown may run past the control: a text without a box showing its
    // panel's runs (a record's values), which may be longer than the typed text the control
    // is sized to. They are drawn at their own width, as print draws them; the panel draws
    // what lies outside the control.
    bool MayRunPastItself() const;

signals:
    // A push-button (btPush) was released.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Layout {
        QSize extent;  // w x h, unrotated
        QSize size;    // W x H
        QPoint origin; // x, y
    };
    Layout computeLayout() const;
    QStringList ShownLines() const;
    TextBoxLayout LayOut(const QStringList& lines) const;
    void PaintLines(QPainter& painter) const;
    void applyLayout();
    int depthOffset() const;
    QList<TextRun> MarkedRuns() const;
    QList<TextRun> MarkedRuns(const QString& text) const;

    QString caption_;
    QString lines_;
    TextBoxOptions textBox_;
    QString fontName_ = QStringLiteral("Arial");
    int fontSize_ = 8;
    ColorValue fontColor_ = kColorBlack;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    int angle_ = 0;
    int offsetX_ = 0;
    int offsetY_ = 0;
    TPimStyle3D style3D_ = lsLowered3D;
    TPimDepth3D depth3D_ = dpNone;
    TPimButtonType buttonType_ = btNone;
    bool transparent_ = true;
    bool autoSize_ = true;
    bool pressed_ = false;
    bool applyingLayout_ = false;
};
