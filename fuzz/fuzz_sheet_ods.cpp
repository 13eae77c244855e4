// Reads an ODS spreadsheet whose content part is fuzz bytes: its sheet names, then every row
// of its first sheet twice; a refusal is an answer, anything else a finding.
#include "SheetPackage.h"
#include "merge/spreadsheet/OdsReader.h"
#include "merge/spreadsheet/SpreadsheetError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray package =
        SheetPackage(data, size, {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}},
                     {"content.xml"});
    try {
        OdsReader reader(package);
        reader.SheetNames();
        QStringList cells;
        for (int pass = 0; pass < 2; ++pass) {
            reader.Rewind();
            while (reader.NextRow(cells)) {
            }
        }
    } catch (const SpreadsheetError&) {
    }
    return 0;
}
