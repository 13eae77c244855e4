#pragma once

#include "ui/FixedDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The one-line text entry behind EnterText: the caption is the title given, the prompt
// stands above the edit line. A label's text is one line, so line breaks that arrive by
// pasting or from the caller become spaces.
class TInputQueryForm : public FixedDialog {
    Q_OBJECT
public:
    explicit TInputQueryForm(QWidget* parent = nullptr);

    void SetPrompt(const QString& prompt);
    void SetText(const QString& text);
    QString Text() const;

    // The text with every line break (CR LF, CR or LF) replaced by one space.
    static QString WithoutLineBreaks(const QString& text);

    QLabel* MessageLabel;
    QLineEdit* InputText;
    QPushButton* BitBtn1;
    QPushButton* MouseHelpButton = nullptr;
    QPushButton* BitBtn2;

private slots:
    void InputTextChanged(const QString& text);
};
