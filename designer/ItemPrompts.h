#pragma once

#include <QString>

// What the item collection asks of the user while creating an item. The document only
// declares it; the designer implements it with real dialogs, and tests with scripted answers.
class ItemPrompts {
public:
    virtual ~ItemPrompts() = default;

    // The information box (caption "Information", OK button).
    virtual void ShowInformation(const QString& message) = 0;

    // The counter dialog for a newly placed counter; false on Cancel.
    virtual bool AskNewCounter(int& startingNumber, int& repeatCount) = 0;

    // The symbol dialog; on OK gives the character code (list index + 33) and the colour
    // of the dialog's symbol list as a stored colour value (red in the lowest byte).
    virtual bool AskSymbol(int& characterCode, qint32& colour) = 0;

    // The image chooser: a full path, or empty when cancelled or not a ".BMP"/".WMF" file.
    virtual QString GetImageFile() = 0;
};
