#pragma once

#include <QColor>

#include "ui/FixedDialog.h"

class QColorDialog;
class QListWidget;
class QPushButton;

// Chooses a symbol's character (codes 33 to 255 of the symbol font, seven columns) and
// its colour. The background of the list is black for white symbols and white otherwise,
// so the symbols always show.
class TGetSymbol : public FixedDialog {
    Q_OBJECT
public:
    explicit TGetSymbol(QWidget* parent = nullptr);

    static constexpr int FirstCode = 33;
    static constexpr int LastCode = 255;
    static constexpr int EntryCount = LastCode - FirstCode + 1; // 223

    // The list's font colour: the colour the symbols are drawn in and the symbol's colour.
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& colour);
    QColor BackgroundColor() const;

    // Selects the entry for a character code; codes outside 33..255 select the first entry.
    void SelectCode(int characterCode);
    // The chosen character: the selected entry's index plus 33.
    int SelectedCode() const;

    QListWidget* SymbolList;
    QPushButton* OkButton;
    QPushButton* ColorButton;
    QPushButton* HelpButton;
    QPushButton* MouseHelpButton;
    QPushButton* CancelButton;
    QColorDialog* ColorDialog1;

public slots:
    void ColorButtonClick();

private:
    void FillSymbolList();
    void ApplyColours();

    QColor fontColor_ = Qt::black;
};
