#include "merge/spreadsheet/SpreadsheetReader.h"

#include "merge/spreadsheet/OdsReader.h"
#include "merge/spreadsheet/SpreadsheetError.h"
#include "merge/spreadsheet/XlsxReader.h"

bool SpreadsheetReader::Handles(const QString& fileName) {
    for (const char* ending : {".xlsx", ".xlsm", ".ods"})
        if (fileName.endsWith(QLatin1String(ending), Qt::CaseInsensitive))
            return true;
    return false;
}

std::unique_ptr<SpreadsheetReader> SpreadsheetReader::Open(const QString& fileName,
                                                           const QString& sheet) {
    if (fileName.endsWith(QLatin1String(".ods"), Qt::CaseInsensitive))
        return std::make_unique<OdsReader>(fileName, sheet);
    return std::make_unique<XlsxReader>(fileName, sheet);
}

void SpreadsheetReader::Fail(const QString& what) const {
    throw SpreadsheetError(
        QStringLiteral("sheet \"%1\", row %2: %3").arg(sheetName_).arg(row_).arg(what));
}

qsizetype SpreadsheetReader::ChooseSheet(const QStringList& names, const QString& wanted) {
    if (names.isEmpty())
        throw SpreadsheetError(QStringLiteral("the file has no worksheet"));
    if (wanted.isEmpty())
        return 0;
    qsizetype found = names.indexOf(wanted);
    for (qsizetype i = 0; found < 0 && i < names.size(); ++i)
        if (names[i].compare(wanted, Qt::CaseInsensitive) == 0)
            found = i;
    if (found < 0)
        throw SpreadsheetError(
            QStringLiteral("the file has no sheet \"%1\"; its sheets are %2")
                .arg(wanted, u'"' + names.join(QStringLiteral("\", \"")) + u'"'));
    return found;
}

bool SpreadsheetReader::AllEmpty(const QStringList& cells) {
    for (const QString& cell : cells)
        if (!cell.isEmpty())
            return false;
    return true;
}

void SpreadsheetReader::TrimEnd(QStringList& cells) {
    while (!cells.isEmpty() && cells.constLast().isEmpty())
        cells.removeLast();
}
