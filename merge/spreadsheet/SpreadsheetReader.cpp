#include "merge/spreadsheet/SpreadsheetReader.h"

#include <QCoreApplication>

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
        QCoreApplication::translate("SpreadsheetReader", "sheet \"%1\", row %2: %3")
            .arg(sheetName_)
            .arg(row_)
            .arg(what));
}

qsizetype SpreadsheetReader::ChooseSheet(const QStringList& names, const QString& wanted) {
    if (names.isEmpty())
        throw SpreadsheetError(
            QCoreApplication::translate("SpreadsheetReader", "the file has no worksheet"));
    if (wanted.isEmpty())
        return 0;
    qsizetype found = names.indexOf(wanted);
    for (qsizetype i = 0; found < 0 && i < names.size(); ++i)
        if (names[i].compare(wanted, Qt::CaseInsensitive) == 0)
            found = i;
    if (found >= 0)
        return found;
    // Each name in the language's quotation marks.
    QStringList quoted;
    for (const QString& name : names)
        quoted << QCoreApplication::translate("SpreadsheetReader", "\"%1\"").arg(name);
    throw SpreadsheetError(
        QCoreApplication::translate("SpreadsheetReader",
                                    "the file has no sheet \"%1\"; its sheets are %2")
            .arg(wanted, quoted.join(QStringLiteral(", "))));
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
