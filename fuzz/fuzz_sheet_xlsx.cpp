// Reads an XLSX workbook whose sheet, shared strings and styles are fuzz bytes (split at NUL
// bytes, in that order), every row of it; a refusal is an answer, anything else a finding.
#include "SheetPackage.h"
#include "merge/spreadsheet/SpreadsheetError.h"
#include "merge/spreadsheet/XlsxReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QByteArray rels = "http://schemas.openxmlformats.org/officeDocument/2006/"
                                   "relationships/";
    static const std::vector<std::pair<QString, QByteArray>> fixed = {
        {"xl/workbook.xml", "<workbook xmlns:r=\"" + rels +
                                "\"><workbookPr date1904=\"0\"/><sheets><sheet "
                                "name=\"S\" sheetId=\"1\" r:id=\"r1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id=\"r1\" Type=\"" + rels +
             "worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"r2\" Type=\"" +
             rels +
             "sharedStrings\" Target=\"sharedStrings.xml\"/><Relationship Id=\"r3\" "
             "Type=\"" +
             rels + "styles\" Target=\"styles.xml\"/></Relationships>"}};
    const QByteArray package = SheetPackage(
        data, size, fixed, {"xl/worksheets/sheet1.xml", "xl/sharedStrings.xml", "xl/styles.xml"});
    try {
        XlsxReader reader(package);
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
