#include "app/RecordPreview.h"

#include <QDateTime>
#include <QFileInfo>

#include "controls/TCanvasPanel.h"
#include "designer/LabelItems.h"
#include "designer/RecordBar.h"
#include "document/MergeFields.h"
#include "merge/MergeCommands.h"
#include "merge/MergeSource.h"
#include "merge/MergeSourceError.h"
#include "printing/PicturePrint.h"

RecordPreview::RecordPreview(RecordBar& bar, TCanvasPanel& panel, LabelItems& items,
                             MergeCommands& merging, QString dataDirectory)
    : bar_(bar), panel_(panel), items_(items), merging_(merging),
      dataDirectory_(std::move(dataDirectory)) {
    connect(&bar_, &RecordBar::RecordChosen, this, [this](long long record) { Show(record); });
    bar_.hide();
}

void RecordPreview::Refresh() {
    const QString name = merging_.CurrentFileName();
    if (name.isEmpty()) {
        sourceName_.clear();
        bar_.hide();
        ShowTyped();
        return;
    }
    long long records = 0;
    QString shownName = QFileInfo(name).fileName();
    try {
        if (MergeSource* source = merging_.CurrentSource()) {
            shownName = source->DisplayName();
            records = source->Validate();
        }
    } catch (const MergeSourceError&) {
        records = 0; // the bar says the source cannot be read
    }
    sourceName_ = name;
    bar_.SetSource(shownName, records);
    bar_.show();
    if (records > 0)
        Show(1);
    else
        ShowTyped();
}

void RecordPreview::ShowTyped() {
    shown_ = 0;
    record_.clear();
    items_.ShowRecord({}, {});
    panel_.setTextMarker(merging_.MissingFieldMarker());
}

void RecordPreview::Show(long long record) {
    MergeSource* source = nullptr;
    try {
        source = merging_.CurrentSource();
        if (!source)
            return ShowTyped();
        source->Rewind();
        for (long long at = 0; at < record; ++at)
            if (!source->Next())
                return ShowTyped();
        record_.clear();
        const QStringList& names = source->FieldNames();
        const QStringList& values = source->Values();
        for (int i = 0; i < names.size() && i < values.size(); ++i)
            record_.insert(MergeSource::FieldKey(names[i]), values[i]);
    } catch (const MergeSourceError&) {
        return ShowTyped();
    }
    shown_ = record;
    bar_.SetRecord(record);

    const QHash<QString, QString> values = record_;
    const FieldLookup fields = [values](const QString& name) -> std::optional<QString> {
        const auto found = values.constFind(MergeSource::FieldKey(name));
        return found == values.constEnd() ? std::nullopt : std::optional<QString>(*found);
    };
    // The built-in fields as a job started now would print them on this record's label.
    BuiltInFieldValues builtIns;
    const QDateTime now = QDateTime::currentDateTime();
    builtIns.date = now.date();
    builtIns.time = now.time();
    builtIns.number = record;
    for (const DesignItem& item : items_.Design().items)
        if (item.value.kind == LabelItemKind::Counter)
            builtIns.number = item.value.startingNumber;

    QStringList folders{dataDirectory_};
    const QFileInfo sourceFile(source->FileName());
    if (sourceFile.isFile())
        folders.prepend(sourceFile.absolutePath());
    const PicturePrint pictures(folders);
    items_.ShowRecord(fields, [fields, pictures](const QString& name) {
        return name.isEmpty() ? name : pictures.Resolve(SubstituteMergeFields(name, fields));
    });
    panel_.setTextMarker([fields, builtIns](const QString& text) {
        return RecordFieldRuns(text, fields, builtIns);
    });
}
