#pragma once

#include <QString>
#include <QStringList>

#include <memory>

#include "merge/spreadsheet/MergedCells.h"
#include "merge/spreadsheet/SpreadsheetReader.h"

class XmlPartReader;
class ZipArchive;

// An OpenDocument spreadsheet (.ods). Its content part is read as it comes: a sheet's rows
// and cells, repeated rows and cells as many times as they repeat (empty ones skipped at
// once), a cell's text as its paragraphs show it. Numbers show as the file shows them; dates
// and times in ISO 8601. The list of sheets is looked up only when asked for or when a
// named sheet is wanted.
class OdsReader : public SpreadsheetReader {
public:
    // Cells shown over a whole reading, repetitions counted: a row of a thousand cells
    // repeated a million times is a bomb of its own kind.
    static constexpr long long MaxCellsShown = 1LL << 25;

    // Throws SpreadsheetError.
    OdsReader(const QString& fileName, const QString& sheet);
    // The package in bytes (for fuzzing and tests).
    explicit OdsReader(QByteArray bytes, const QString& sheet = {});
    ~OdsReader() override;

    QStringList SheetNames() override;
    void Rewind() override;
    bool NextRow(QStringList& cells) override;

    // "PT14H30M05S" as "14:30:05"; "" when it is no duration.
    static QString Duration(const QString& value);
    // "2024-03-15" or "2024-03-15T14:30:00" as "2024-03-15" or "2024-03-15 14:30:00".
    static QString Date(const QString& value);

private:
    void Load(const QString& sheet);
    // Opens the content and moves into the table of that number (from 0); false when the
    // content has fewer tables. names gets every table's name when given.
    bool EnterTable(qsizetype index, QStringList* names);
    bool ReadRow(QStringList& cells);
    QString CellValue();
    QString CellText();
    void AppendParagraph(QString& text);

    std::unique_ptr<ZipArchive> zip_;
    std::unique_ptr<XmlPartReader> xml_;
    QStringList names_; // filled when asked for
    qsizetype sheetIndex_ = 0;
    int tableDepth_ = 0; // 0 once the table has ended
    MergedCells merged_{MergedCells::Passed::Forgotten};
    QStringList repeated_;  // a row that repeats, before its merged areas are applied
    long long repeats_ = 0; // times it is still to come
    long long shown_ = 0;   // cells given out since the reading started
};
