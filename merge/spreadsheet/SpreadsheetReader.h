#pragma once

#include <QString>
#include <QStringList>

#include <memory>

// One sheet of a spreadsheet file (XLSX or ODS) read row by row, as the spreadsheet shows
// its cells: text as typed, numbers and dates as formatted (dates and times in ISO 8601), a
// formula by the value saved with it, a merged area's value in every cell it covers. Rows
// are streamed from the package; nothing but the current row is held, apart from the
// tables a cell may refer to (an XLSX workbook's shared strings and formats).
class SpreadsheetReader {
public:
    static constexpr int MaxColumns = 16384;
    static constexpr long long MaxRows = 1048576;
    static constexpr qsizetype MaxCellChars = 65536;

    virtual ~SpreadsheetReader() = default;

    // Whether fileName names a spreadsheet by its ending (.xlsx, .xlsm, .ods; any case).
    static bool Handles(const QString& fileName);
    // Opens the sheet of that name (the first sheet when sheet is empty; names match exactly,
    // else regardless of case). Throws SpreadsheetError.
    static std::unique_ptr<SpreadsheetReader> Open(const QString& fileName,
                                                   const QString& sheet = {});

    // Every worksheet's name, in the workbook's order.
    virtual QStringList SheetNames() = 0;
    const QString& SheetName() const { return sheetName_; }

    // Back to before the first row.
    virtual void Rewind() = 0;
    // The next row that shows anything, its cells from column A with the empty cells at its
    // end left out; false after the last. Throws SpreadsheetError.
    virtual bool NextRow(QStringList& cells) = 0;
    // The sheet's number of the row last read, from 1.
    long long RowNumber() const { return row_; }
    // Cells past the first columns are neither read out nor filled from merged areas.
    void SetColumnLimit(int columns) { columnLimit_ = std::clamp(columns, 1, MaxColumns); }

protected:
    // "sheet \"Stock\", row 12: what" as an error.
    [[noreturn]] void Fail(const QString& what) const;
    // When no sheet is named, the first; else the matching one or a SpreadsheetError.
    static qsizetype ChooseSheet(const QStringList& names, const QString& wanted);
    static bool AllEmpty(const QStringList& cells);
    static void TrimEnd(QStringList& cells);

    QString sheetName_;
    long long row_ = 0;
    int columnLimit_ = MaxColumns;
};
