#pragma once

#include "designer/FontChoice.h"
#include "ui/FixedDialog.h"

#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The font chooser of text and counter items: scalable fonts only, a name must be one of
// the listed fonts, any whole point size, the four styles, and the effects underline,
// strike-out and colour, with a sample drawn in the choice.
class TFontDialog : public FixedDialog {
    Q_OBJECT
public:
    explicit TFontDialog(QWidget* parent = nullptr);

    // The scalable font families of the system, in its order.
    static QStringList ScalableFamilies();
    // The sixteen colours of the colour box, in box order.
    static QList<qint32> StandardColours();

    void SetChoice(const FontChoice& choice);
    FontChoice Choice() const;

    // Empty when the dialog may close with OK; otherwise the reason it may not.
    QString Problem() const;

    QLineEdit* FontName = nullptr;
    QListWidget* FontList = nullptr;
    QLineEdit* StyleName = nullptr;
    QListWidget* StyleList = nullptr;
    QLineEdit* SizeEdit = nullptr;
    QListWidget* SizeList = nullptr;
    QCheckBox* StrikeOutBox = nullptr;
    QCheckBox* UnderlineBox = nullptr;
    QComboBox* ColorBox = nullptr;
    QLabel* Sample = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* MouseHelpButton = nullptr;
    QPushButton* CancelButton = nullptr;

public slots:
    void accept() override;

private:
    void FontNameEdited(const QString& text);
    void SizeEdited(const QString& text);
    void SelectColour(qint32 colour);
    void UpdateSample();

    QStringList families_;
    // The face the item names and the installed family shown for it.
    QString storedName_;
    QString shownName_;
};
