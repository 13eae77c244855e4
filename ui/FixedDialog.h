#pragma once

#include <QDialog>

class QPushButton;

// The common frame of the program's small modal dialogs: a fixed client size (the dialog
// border, not resizable), a caption and no title-bar buttons, so that only the dialog's own
// buttons, Enter (the default button) and Esc (Cancel) close it.
class FixedDialog : public QDialog {
    Q_OBJECT
public:
    FixedDialog(const QString& caption, QSize clientSize, QWidget* parent = nullptr);

    // The context-help button "?" of any dialog (named "MouseHelpButton"), for dialogs laid
    // out by a layout as well: the next click on a control shows its "What's this?" text.
    static QPushButton* NewMouseHelpButton(QWidget* dialog);

protected:
    // A push button at a fixed place in the client area.
    QPushButton* AddButton(const QString& text, const QRect& geometry, const char* objectName);
    // "OK" (the default button, result OK) and "Cancel" (Esc, result Cancel).
    QPushButton* AddOkButton(const QString& text, const QRect& geometry, const char* objectName);
    QPushButton* AddCancelButton(const QString& text, const QRect& geometry,
                                 const char* objectName);
    // "Help", opening the given topic of the help file.
    QPushButton* AddHelpButton(int topic, const QRect& geometry);
    // The context-help button: the next click on a control shows its "What's this?" text.
    QPushButton* AddMouseHelpButton(const QRect& geometry);

    // Subclasses with spin edits bring them into their bounds before the dialog closes
    // with OK, as leaving the box by clicking OK would.
    virtual void BeforeAccept() {}

public slots:
    void accept() override;
};
