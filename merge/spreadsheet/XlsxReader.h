#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "merge/spreadsheet/MergedCells.h"
#include "merge/spreadsheet/NumberFormat.h"
#include "merge/spreadsheet/SharedStrings.h"
#include "merge/spreadsheet/SpreadsheetReader.h"

class XmlPartReader;
class ZipArchive;

// An Office Open XML workbook (.xlsx, .xlsm; transitional or strict). Opening reads the
// workbook's sheet list, its cell formats and its shared strings, and looks through the
// chosen sheet once for its merged areas (listed after its rows); the rows are then read
// from the sheet's part as they come. A large table of shared strings is kept in temporary
// files past spillBytes of text (SharedStrings).
class XlsxReader : public SpreadsheetReader {
public:
    static constexpr int MaxStyles = 65536;

    // Throws SpreadsheetError.
    XlsxReader(const QString& fileName, const QString& sheet,
               qsizetype spillBytes = SharedStrings::SpillBytes);
    // The package in bytes (for fuzzing and tests).
    explicit XlsxReader(QByteArray bytes, const QString& sheet = {},
                        qsizetype spillBytes = SharedStrings::SpillBytes);
    ~XlsxReader() override;

    QStringList SheetNames() override { return names_; }
    void Rewind() override;
    bool NextRow(QStringList& cells) override;
    // The temporary files the shared strings went to; empty when they are held in memory.
    QStringList SharedStringFiles() const { return strings_.SpillFiles(); }

    // The letters of a column reference ("B12") as a column from 0; -1 when there are none
    // or past the last column. *row gets the digits' row (0 when none).
    static int ColumnOf(QStringView reference, long long* row = nullptr);
    // OOXML's escapes of characters XML cannot hold: "_x000D_" is a carriage return.
    static QString Unescape(const QString& text);

private:
    struct Relationship {
        QString type;
        QString target; // a part's name in the package
    };
    using Relationships = QHash<QString, Relationship>;

    void Load(const QString& sheet);
    Relationships ReadRelationships(const QString& part) const;
    QString ReadWorkbook(const QString& part, const QString& sheet);
    void ReadStyles(const QString& part);
    void ReadSharedStrings(const QString& part);
    QString ReadRichText(XmlPartReader& xml);
    void ReadMergedAreas();
    QString CellValue(XmlPartReader& xml);

    std::unique_ptr<ZipArchive> zip_;
    QStringList names_;
    QString sheetPart_;
    bool date1904_ = false;
    std::vector<NumberFormat> styles_; // by the cell's style number
    SharedStrings strings_;
    MergedCells merged_;
    std::unique_ptr<XmlPartReader> xml_;
    int dataDepth_ = 0; // the depth of sheetData; 0 when the sheet has none
};
