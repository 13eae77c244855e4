#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include "document/TextRun.h"

class LabelItems;
class MergeCommands;
class RecordBar;
class TCanvasPanel;

// The design panel showing the label as one record of its merge source prints: the record
// bar is shown while the current label has a source, and the record it names fills the
// texts (through the panel's text marker, shrinking boxes as print does), the barcodes and
// the pictures. Without a source the panel marks the fields a text names and no source
// has, as before.
class RecordPreview : public QObject {
public:
    RecordPreview(RecordBar& bar, TCanvasPanel& panel, LabelItems& items, MergeCommands& merging,
                  QString dataDirectory);

    // The label's source may be another now (another label, Merge… closed): the bar follows
    // and the panel shows the source's first record.
    void Refresh();
    // Shows record (from 1); a record that cannot be read leaves the panel as typed.
    void Show(long long record);
    // The record the panel shows, 0 for none.
    long long ShownRecord() const { return shown_; }

private:
    void ShowTyped();

    RecordBar& bar_;
    TCanvasPanel& panel_;
    LabelItems& items_;
    MergeCommands& merging_;
    QString dataDirectory_;
    QString sourceName_; // the source the bar was filled for
    long long shown_ = 0;
    QHash<QString, QString> record_; // field key -> value of the record shown
};
