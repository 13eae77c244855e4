// Image items on paper.
#include "document/PrintItemValue.h"
#include "printing/ItemPrints.h"
#include "printing/PicturePrint.h"

namespace {

// The file name may hold fields ("photos/{Id}.jpg"); a missing or unreadable picture prints
// a placeholder, the rest of the label prints, and the label's warning names the file.
void draw(TBaseReport& report, const PrintItemValue& item, LabelPrinting& label) {
    const QString error = label.Pictures().Draw(report, item, label.TextOf(item.fileName));
    if (!error.isEmpty())
        label.Warn(error);
}

} // namespace

extern const ItemPrintKind ImageItemPrint = {&draw};
