#pragma once

#include <QDialog>
#include <QStringList>

#include "document/TextBoxOptions.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QPlainTextEdit;
class QPushButton;

// The text item's dialog: its lines in a multi-line editor (Enter starts a new line,
// Ctrl+Enter is OK), the alignment across and within its box, and the box's wrapping,
// shrinking, line spacing and blank-line options. Only what the person changes is taken:
// values a stored label holds outside what the controls show come back untouched.
class TTextDialog : public QDialog {
    Q_OBJECT
public:
    explicit TTextDialog(QWidget* parent = nullptr);

    void SetText(const QString& text);
    // The lines joined by "\n", exactly as typed (no character is replaced).
    QString Text() const;
    void SetOptions(const TextBoxOptions& options);
    TextBoxOptions Options() const { return options_; }
    // The fields Insert Merge Field offers; none: the button says there is no source.
    void SetMergeFields(const QStringList& names);
    // Puts "{name}" at the caret, replacing any selected text.
    void InsertField(const QString& name);

    QPlainTextEdit* Editor;
    QPushButton* InsertFieldButton;
    QCheckBox* BoxCheck;
    QButtonGroup* AlignGroup;
    QButtonGroup* VAlignGroup;
    QCheckBox* WrapCheck;
    QCheckBox* ShrinkCheck;
    QDoubleSpinBox* MinSizeSpin;
    QDoubleSpinBox* LineSpacingSpin;
    QCheckBox* SkipBlankCheck;
    QDialogButtonBox* Buttons;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* NewAlignRow();
    QWidget* NewBoxOptions();
    void ShowOptions();
    void EnableBoxControls();
    void FillFieldMenu();

    TextBoxOptions options_;
    QStringList fields_;
};
