#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

#include "designer/FontChoice.h"
#include "document/ItemPrompts.h"

class QDialog;
class QWidget;

// The one seam through which the program shows messages and opens its modal dialogs. The
// process-wide current instance answers every call; tests install a scripted one so that no
// person is needed. This base class is the real thing: platform message boxes and dialogs.
class Prompter : public ItemPrompts {
public:
    ~Prompter() override = default;

    // The instance every free function below forwards to (the real one unless replaced).
    static Prompter& Current();
    // Makes prompter current (null restores the real one); returns the previous instance.
    static Prompter* Install(Prompter* prompter);

    // The window dialogs are centred over and parented to.
    static void SetMainWindow(QWidget* window);
    static QWidget* MainWindow();

    // The folder the image browser opens at: the one given for the next opening (the folder
    // of the item's current picture), else the last one used, kept through the store
    // (QV.INI), else the home folder.
    static void OpenNextImageBrowserAt(const QString& folder);
    static void SetImageFolderStore(std::function<QString()> load,
                                    std::function<void(const QString&)> save);

    // Information box: caption "Information", information icon, OK.
    void ShowInformation(const QString& message) override;
    // Question boxes: Yes and No, question icon; true when Yes is chosen.
    virtual bool AskYesNo(const QString& message, const QString& caption);
    virtual bool AskYesNoDefaultNo(const QString& message, const QString& caption);
    // The one-line input dialog; on OK text becomes the entered text and true is returned;
    // on Cancel text is left as it was.
    virtual bool EnterText(const QString& title, const QString& prompt, QString& text);
    // The standard error box for runtime errors (malformed numbers, engine failures) that
    // end the operation in progress.
    virtual void ShowRuntimeError(const QString& message);
    // Opens the help window at a topic number.
    virtual void ShowHelpTopic(int topic);
    // Any other modal dialog of the program: centred over the main window and run; returns
    // its result (QDialog::Accepted or Rejected).
    virtual int RunDialog(QDialog& dialog);

    // The counter dialog for a newly placed counter: opens with 1 and 1 at its own screen
    // position; on OK gives the starting number and the repeat count.
    bool AskNewCounter(int& startingNumber, int& repeatCount) override;
    // The counter dialog for "Counter Values": centred, preset with the given values.
    virtual bool AskCounterValues(int& startingNumber, int& repeatCount);
    // The symbol dialog, preset with characterCode (33..255; anything else selects the first
    // entry) and colour (a stored colour value); on OK gives the chosen code and colour.
    bool AskSymbol(int& characterCode, qint32& colour) override;
    // The rotation dialog. angle (0..359) is set into its angle box; every change of the
    // box calls turn with the new angle so the item turns live. On OK angle becomes the box's
    // value and true is returned; on Cancel false (the caller restores the item).
    virtual bool AskRotation(int& angle, const std::function<void(int angle)>& turn);
    // The image browser: the chosen ".BMP"/".WMF" file's full path, or empty.
    QString GetImageFile() override;
    // The font dialog, preset with font; on OK font becomes the choice and true is returned.
    virtual bool AskFont(FontChoice& font);
    // The colour dialog, preset with colour (a stored colour value); on OK colour becomes the
    // chosen one and true is returned.
    virtual bool AskColour(qint32& colour);
    // The save-file dialog: the chosen file's full path, or empty when cancelled. filter is
    // a name filter such as "PDF files (*.pdf)".
    virtual QString GetSaveFileName(const QString& caption, const QString& suggested,
                                    const QString& filter);

protected:
    virtual bool RunCounterDialog(int& startingNumber, int& repeatCount, bool newCounter);
};

// Where a dialog of the given outer size goes to be centred over a window's outer rectangle;
// the halves truncate toward zero.
QPoint CentredOver(const QRect& mainWindowFrame, const QSize& dialogFrameSize);
// Moves a dialog, before it is shown, to the centre of the main window.
void CentreOnMainWindow(QWidget* dialog);

// Stored colour values (red in the lowest byte) and their colours, as the item controls
// read them: values with the top bit set name system colours of the palette.
QColor ColourFromValue(qint32 value);
qint32 ValueFromColour(const QColor& colour);

// Forwarders to Prompter::Current().
void ShowInformation(const QString& message);
bool AskYesNo(const QString& message, const QString& caption);
bool AskYesNoDefaultNo(const QString& message, const QString& caption);
bool EnterText(const QString& title, const QString& prompt, QString& text);
void ShowRuntimeError(const QString& message);
void ShowHelpTopic(int topic);
bool AskNewCounter(int& startingNumber, int& repeatCount);
bool AskCounterValues(int& startingNumber, int& repeatCount);
bool AskSymbol(int& characterCode, qint32& colour);
bool AskRotation(int& angle, const std::function<void(int angle)>& turn);
QString GetImageFile();
bool AskFont(FontChoice& font);
bool AskColour(qint32& colour);
QString GetSaveFileName(const QString& caption, const QString& suggested, const QString& filter);
