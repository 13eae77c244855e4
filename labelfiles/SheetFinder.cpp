#include "labelfiles/SheetFinder.h"

#include "storage/TableErrorText.h"
#include "storage/TemplateTable.h"

#include <QCoreApplication>
#include <exception>

namespace {
bool SameText(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}
} // namespace

SheetFinder::Found SheetFinder::FindOrAdd(const LabelTemplate& sheet,
                                          const QString& dataDirectory) {
    Found found;
    found.name = TemplateTable::StoredName(sheet.name);
    QString message, detail;
    std::unique_ptr<TemplateTable> table = TemplateTable::Open(dataDirectory, message, &detail);
    if (!table) {
        found.error =
            QCoreApplication::translate("SheetFinder", "The template could not be looked up: %1")
                .arg(detail);
        return found;
    }
    try {
        const bool byPart = !sheet.brand.isEmpty() && !sheet.partNumber.isEmpty();
        for (table->First(); !table->Eof(); table->Next()) {
            const LabelTemplate row = table->Current();
            const bool samePart = byPart && SameText(row.brand, sheet.brand) &&
                                  SameText(row.partNumber, sheet.partNumber);
            if (samePart || SameText(row.name, found.name)) {
                found.name = row.name.trimmed();
                return found;
            }
        }
        LabelTemplate added = sheet;
        added.name = found.name;
        added.userDefined = true;
        table->Append();
        table->PostOrCancel([&] { table->Write(added); });
        found.added = true;
    } catch (const std::exception& error) {
        found.error =
            QCoreApplication::translate("SheetFinder",
                                        "The template could not be added to the template table: %1")
                .arg(TableErrorText::Of(error));
    }
    return found;
}
