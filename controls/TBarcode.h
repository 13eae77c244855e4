#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

#include "controls/BarcodeSymbol.h"
#include "document/ColorValue.h"

// The control of barcode items: the symbol of its data drawn true to scale in its box, from
// the same vector shapes as on paper (BarcodeSymbol). Data that the symbology cannot encode
// shows the placeholder with Zint's reason. The data may hold field references; how they
// read on screen is up to ShownData (by default the data is shown as typed).
// Mouse and drag events are hooked from outside (installEventFilter).
class TBarcode : public QWidget {
    Q_OBJECT
public:
    explicit TBarcode(QWidget* parent = nullptr);

    BarcodeSymbology Symbology() const { return symbology_; }
    void setSymbology(BarcodeSymbology symbology);
    // The data as stored, field references included.
    QString Data() const { return data_; }
    void setData(const QString& text);
    bool ShowText() const { return showText_; }
    void setShowText(bool on);
    ColorValue BarColor() const { return barColor_; }
    void setBarColor(ColorValue color);
    ColorValue BackgroundColor() const { return background_; }
    void setBackgroundColor(ColorValue color);

    // Turns the stored data into the data the screen encodes (field references filled in).
    void setShownData(std::function<QString(const QString&)> shownData);
    // Draws the data again through the shown-data function (its answer has changed).
    void RefreshShownData() { changed(); }
    QString DataShown() const;

    // What the control draws now, in inches at ScreenPixelsPerInch().
    const BarcodeDrawing& Drawing() const;
    // The box a fresh item of this symbology and data takes (pixels at the screen's pixels
    // per inch); nothing when the data cannot be encoded.
    std::optional<QSize> NaturalSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void changed();

    BarcodeSymbology symbology_ = BarcodeSymbology::Code128;
    QString data_;
    bool showText_ = true;
    ColorValue barColor_ = kColorBlack;
    ColorValue background_ = kColorWhite;
    std::function<QString(const QString&)> shownData_;
    mutable std::optional<BarcodeDrawing> drawing_;
};
