#pragma once

#include <QString>
#include <QWidget>

#include "document/ColorValue.h"

// The control of symbol items: one character of the "WingDings" font, unrotated, transparent,
// sized to its character cell. Drawn and measured only through DrawSymbolGlyph and
// MeasureSymbolGlyph so that screen, dialog and paper agree.
class TSymbol : public QWidget {
    Q_OBJECT
public:
    explicit TSymbol(QWidget* parent = nullptr);

    // The one character; its code (33..255 from the symbol dialog) is CharCode(). Only the
    // first character of a longer text is kept; an empty text gives code 0 (draws nothing).
    QString Caption() const;
    void setCaption(const QString& caption);
    unsigned char CharCode() const { return code_; }
    void setCharCode(unsigned char code);

    // Always "WingDings".
    QString FontName() const;
    int FontSize() const { return fontSize_; } // points
    void setFontSize(int points);
    ColorValue FontColor() const { return fontColor_; }
    void setFontColor(ColorValue color);

    bool AutoSize() const { return true; }
    bool Transparent() const { return true; }

    // The symbol font at the current pixels per inch.
    QFont SymbolFont() const;
    // Re-applies the auto size, e.g. after the pixels per inch were changed.
    void RefreshLayout();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize glyphSize() const;
    void applySize();

    unsigned char code_ = 0;
    int fontSize_ = 8;
    ColorValue fontColor_ = kColorBlack;
    bool applyingSize_ = false;
};
