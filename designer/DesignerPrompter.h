#pragma once

#include <QColor>
#include <QString>

#include <functional>

#include "designer/FontChoice.h"
#include "document/TextBoxOptions.h"
#include "ui/Prompter.h"

// The designer's questions on top of the message seam: the item dialogs (counter, symbol,
// rotation, image, font, colour). A prompter installed through Prompter::Install that is a
// DesignerPrompter answers these too; otherwise the real dialogs do.
class DesignerPrompter : public Prompter {
public:
    ~DesignerPrompter() override = default;

    // The current prompter when it answers the designer's questions, else the real one.
    static DesignerPrompter& Current();

    // The folder the image browser opens at: the one given for the next opening (the folder
    // of the item's current picture), else the last one used, kept through the store
    // (QV.INI), else the home folder.
    static void OpenNextImageBrowserAt(const QString& folder);
    static void SetImageFolderStore(std::function<QString()> load,
                                    std::function<void(const QString&)> save);
    // The fields of the current merge source, offered by the text dialog's Insert Merge
    // Field; unset: none.
    static void SetMergeFieldSource(std::function<QStringList()> names);
    static QStringList MergeFieldNames();

    // The text dialog, preset with a text item's lines ("\n" between them) and box options;
    // on OK both become what the person left in it and true is returned.
    virtual bool AskTextItem(QString& text, TextBoxOptions& options);

    // The counter dialog for a newly placed counter: opens with 1 and 1 at its own screen
    // position; on OK gives the starting number and the repeat count.
    virtual bool AskNewCounter(int& startingNumber, int& repeatCount);
    // The counter dialog for "Counter Values": centred, preset with the given values.
    virtual bool AskCounterValues(int& startingNumber, int& repeatCount);
    // The symbol dialog, preset with characterCode (33..255; anything else selects the first
    // entry) and colour (a stored colour value); on OK gives the chosen code and colour.
    virtual bool AskSymbol(int& characterCode, qint32& colour);
    // The rotation dialog. angle (0..359) is set into its angle box; every change of the
    // box calls turn with the new angle so the item turns live. On OK angle becomes the box's
    // value and true is returned; on Cancel false (the caller restores the item).
    virtual bool AskRotation(int& angle, const std::function<void(int angle)>& turn);
    // The image browser: the chosen picture file's full path, or empty.
    virtual QString GetImageFile();
    // The symbology finder, opened on the symbology stored as name; on OK name becomes the
    // chosen one's stored name and true is returned.
    virtual bool AskSymbology(QString& name);
    // The font dialog, preset with font; on OK font becomes the choice and true is returned.
    virtual bool AskFont(FontChoice& font);
    // The colour dialog, preset with colour (a stored colour value); on OK colour becomes the
    // chosen one and true is returned.
    virtual bool AskColour(qint32& colour);

protected:
    virtual bool RunCounterDialog(int& startingNumber, int& repeatCount, bool newCounter);
};

// Stored colour values (red in the lowest byte) and their colours, as the item controls
// read them: values with the top bit set name system colours of the palette.
QColor ColourFromValue(qint32 value);
qint32 ValueFromColour(const QColor& colour);

// Forwarders to DesignerPrompter::Current().
bool AskTextItem(QString& text, TextBoxOptions& options);
bool AskNewCounter(int& startingNumber, int& repeatCount);
bool AskCounterValues(int& startingNumber, int& repeatCount);
bool AskSymbol(int& characterCode, qint32& colour);
bool AskRotation(int& angle, const std::function<void(int angle)>& turn);
QString GetImageFile();
bool AskFont(FontChoice& font);
bool AskColour(qint32& colour);
