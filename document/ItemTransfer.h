#pragma once

#include "document/LabelItemValue.h"

#include <QString>

#include <vector>

class QMimeData;

// Label items carried between labels and running copies of the program, on the clipboard:
// under our own MIME type as their objects text (the form Save stores, so an item pastes
// exactly as it was), and the texts of text items as plain text for other programs.
class ItemTransfer {
public:
    static const QString MimeType; // "application/x-quorvane-items"

    // The items, back to front, as clipboard data (owned by the caller).
    static QMimeData* ToMimeData(const std::vector<LabelItemValue>& values);
    // The objects text that carries the items.
    static QString ObjectsText(const std::vector<LabelItemValue>& values);
    // The items the data carries under our type; none when it holds none or they cannot be
    // read (a malformed text gives the items before the fault).
    static std::vector<LabelItemValue> ItemsFrom(const QMimeData& data);
    // The texts of the text items, one line each, for other programs.
    static QString PlainText(const std::vector<LabelItemValue>& values);
};
