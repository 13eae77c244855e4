#pragma once

#include "document/ItemKinds.h"

#include <QString>
#include <QtGlobal>

class PicturePrint;
class TBaseReport;
struct PrintItemValue;

// What drawing an item on one label needs of the job that draws it.
class LabelPrinting {
public:
    virtual ~LabelPrinting() = default;
    // A text as this label prints it: its field references filled in from the merge record
    // (the counter's value as it stands), or as typed without a merge.
    virtual QString TextOf(const QString& text) = 0;
    // A barcode's data as this label prints it: "{#}" is the counter's value as the label
    // began, other references come from the merge record.
    virtual QString DataOf(const QString& data) = 0;
    // The counter's value for the counter item being drawn; Advance moves it on once the
    // repeat count says so.
    virtual qint64 CounterValue() const = 0;
    virtual void AdvanceCounter() = 0;
    // A problem of the label being drawn, in words ("barcode not printed: ..."): the job
    // names the record (or label) it concerns and reports each once per label.
    virtual void Warn(const QString& warning) = 0;
    // The job's pictures: read once, relative names found in its folders.
    virtual PicturePrint& Pictures() = 0;
};

// The printing part of an item kind: how an item is drawn through the report engine, in
// inches from the label's origin (the engine's origin is at the label's top left).
struct ItemPrintKind {
    void (*draw)(TBaseReport& report, const PrintItemValue& item, LabelPrinting& label);
};

const ItemPrintKind& ItemPrint(LabelItemKind kind);

// The printing parts, one per kind, each defined in the kind's own file.
#define QV_KIND_PRINT_PART(name, code) extern const ItemPrintKind name##ItemPrint;
QV_ITEM_KINDS(QV_KIND_PRINT_PART)
#undef QV_KIND_PRINT_PART
