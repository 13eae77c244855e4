#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QDialog;
class QWidget;

// The answers to the question asked before unsaved changes would be left behind.
enum class SaveChoice { Save, Discard, Cancel };

// The one seam through which the program shows messages and opens its modal dialogs. The
// process-wide current instance answers every call; tests install a scripted one so that no
// person is needed. This base class is the real thing: platform message boxes and dialogs.
// The designer's own questions (counter, symbol, rotation, font, colour, image) extend it in
// DesignerPrompter.
class Prompter {
public:
    virtual ~Prompter() = default;

    // The instance every free function below forwards to (the real one unless replaced).
    static Prompter& Current();
    // Makes prompter current (null restores the real one); returns the previous instance.
    static Prompter* Install(Prompter* prompter);

    // The window dialogs are centred over and parented to.
    static void SetMainWindow(QWidget* window);
    static QWidget* MainWindow();
    // The parent for a modal box: the window that is modal now, else the main window.
    static QWidget* DialogParent();

    // Information box: caption "Information", information icon, OK.
    virtual void ShowInformation(const QString& message);
    // Question boxes: Yes and No, question icon; true when Yes is chosen.
    virtual bool AskYesNo(const QString& message, const QString& caption);
    virtual bool AskYesNoDefaultNo(const QString& message, const QString& caption);
    // Save changes to "<description>"? with Save (the default), Discard and Cancel (Escape).
    virtual SaveChoice AskSaveChanges(const QString& description);
    // The one-line input dialog; on OK text becomes the entered text and true is returned;
    // on Cancel text is left as it was.
    virtual bool EnterText(const QString& title, const QString& prompt, QString& text);
    // The standard error box for runtime errors (malformed numbers, engine failures) that
    // end the operation in progress.
    virtual void ShowRuntimeError(const QString& message);
    // Opens the help window at a topic number.
    virtual void ShowHelpTopic(int topic);
    // Opens the help window at a section, by the anchor its heading carries.
    virtual void ShowHelpSection(const QString& anchor);
    // A passing note of what a command did ("4 sheets written to badges.pdf"), in the main
    // window's status line; it needs no answer.
    virtual void ShowStatus(const QString& message);
    // Any other modal dialog of the program: centred over the main window and run; returns
    // its result (QDialog::Accepted or Rejected).
    virtual int RunDialog(QDialog& dialog);

    // The save-file dialog: the chosen file's full path, or empty when cancelled. filter is
    // a name filter such as "PDF files (*.pdf)".
    virtual QString GetSaveFileName(const QString& caption, const QString& suggested,
                                    const QString& filter);

    // A message as a box shows it: every absolute path in it cut to its file name, since the
    // folders mean nothing to the person reading the box ("/home/ann/labels/QVLBLS.DBF" is
    // "QVLBLS.DBF"). The free functions below pass every message through it; when it cut
    // something the full message goes to the standard error output.
    static QString ShownText(const QString& message);
};

// Where a dialog of the given outer size goes to be centred over a window's outer rectangle;
// the halves truncate toward zero.
QPoint CentredOver(const QRect& mainWindowFrame, const QSize& dialogFrameSize);
// Moves a dialog, before it is shown, to the centre of the main window.
void CentreOnMainWindow(QWidget* dialog);

// Forwarders to Prompter::Current().
void ShowInformation(const QString& message);
bool AskYesNo(const QString& message, const QString& caption);
bool AskYesNoDefaultNo(const QString& message, const QString& caption);
SaveChoice AskSaveChanges(const QString& description);
// The question AskSaveChanges asks about a label of that description.
QString SaveChangesQuestion(const QString& description);
bool EnterText(const QString& title, const QString& prompt, QString& text);
void ShowRuntimeError(const QString& message);
void ShowHelpTopic(int topic);
void ShowHelpSection(const QString& anchor);
void ShowStatus(const QString& message);
QString GetSaveFileName(const QString& caption, const QString& suggested, const QString& filter);
