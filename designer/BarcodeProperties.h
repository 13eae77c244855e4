#pragma once

#include <QString>

#include <functional>

#include "document/BarcodeSymbology.h"
#include "document/LabelItemValue.h"

class LabelItems;
class QWidget;

// The property operations of barcode items, behind the barcode menu; each is an edit of the
// item in the label model. Data that holds no
// field references is checked by Zint when it is entered: a refusal shows Zint's reason and
// opens the entry again with the text as typed, until it encodes or is cancelled. Data with
// field references is taken as typed; it is checked on each printed label.
class BarcodeProperties {
public:
    // changed marks the label changed; repaint repaints an item and the selection frame.
    BarcodeProperties(LabelItems& items, std::function<void()> changed,
                      std::function<void(QWidget*)> repaint);

    // The entry "Barcode Data": title "Barcode Data", prompt "Enter the barcode data".
    // True with data set to accepted data; false when cancelled (data as it was).
    static bool AskData(BarcodeSymbology symbology, QString& data);

    void PropBarcodeData(QWidget* item);
    // A symbology that cannot encode the item's data shows Zint's reason and asks for new
    // data; cancelling that keeps the old symbology.
    void PropSymbology(QWidget* item, BarcodeSymbology symbology);
    // "Find Symbology": the symbology finder, opened on the item's own; a choice is taken as
    // a choice from the menu.
    void FindSymbology(QWidget* item);
    // Turns the human-readable line over; returns the new state.
    bool ToggleShowText(QWidget* item);
    void PropBarColor(QWidget* item);
    void PropBackgroundColor(QWidget* item);

private:
    bool valueOf(QWidget* item, LabelItemValue& value) const;
    void done(QWidget* item, const LabelItemValue& value);

    LabelItems& items_;
    std::function<void()> changed_;
    std::function<void(QWidget*)> repaint_;
};
