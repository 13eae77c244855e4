// Image items on paper.
#include "controls/Picture.h"
#include "document/PrintItemValue.h"
#include "printing/ItemPrints.h"
#include "printing/TBaseReport.h"

#include <QFileInfo>

#include <exception>

namespace {

// The kind of picture follows the file's extension, as on the screen; a missing or
// unreadable file leaves the image out and the rest of the label prints.
void draw(TBaseReport& report, const PrintItemValue& item, LabelPrinting&) {
    const QString suffix = QFileInfo(item.fileName).suffix().toUpper();
    if (suffix != QLatin1String("BMP") && suffix != QLatin1String("WMF"))
        return;
    try {
        const Picture picture = Picture::fromFile(item.fileName);
        if (picture.isNull())
            return;
        report.StretchDrawPicture(
            report.CreateRect(item.left, item.top, item.left + item.width, item.top + item.height),
            picture);
    } catch (const std::exception&) {
        // A damaged picture is left out like a missing one.
    }
}

} // namespace

extern const ItemPrintKind ImageItemPrint = {&draw};
