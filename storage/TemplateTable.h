#pragma once

#include "storage/TableSchemas.h"

#include "storage/DataTable.h"
#include "storage/LabelTemplate.h"

#include <QString>

#include <memory>

// The template table QVLTPL.DBF of the data directory with its index (tag "TEMPLATE" on
// "upper(TEMPLATE)"). The program never creates it empty: the stock table, written at build
// time from templates/stock-templates.csv, ships inside the program and is copied into the
// data directory when that has no template table; an existing one, holding the user's own
// templates, is never overwritten: one of the first layout is upgraded in place on first use
// (TemplateTableUpgrade), keeping every template of the user's.
class TemplateTable : public DataTable {
public:
    // In English; shown through QCoreApplication::translate("TemplateTable", ...).
    static constexpr const char* OpenFailedMessage = QT_TRANSLATE_NOOP(
        "TemplateTable", "We were unable to open the label template file: QVLTPL.DBF");
    static inline const int NameWidth =
        SchemaFieldWidth(TemplateTableFields(), "TEMPLATE"); // bytes

    static QString PathIn(const QString& directory);
    // The shipped stock table and its index: the installed files under the install prefix
    // (share/quorvane) when the program runs installed, else the copies built into it (Qt
    // resource paths).
    static QString StockTablePath();
    static QString StockIndexPath();

    // Copies the stock table and its index into `directory` when it holds no QVLTPL.DBF.
    // True when the directory has a template table afterwards; never replaces an existing one.
    static bool InstallStockTable(const QString& directory, QString* detail = nullptr);

    // Opens the template table of `directory` exclusively (installing the stock table first
    // when there is none), in "TEMPLATE" order, on its first record. The tag is created when
    // the index lacks it. On failure returns null and sets `failureMessage` to
    // OpenFailedMessage; `detail` gets the underlying reason.
    static std::unique_ptr<TemplateTable> Open(const QString& directory, QString& failureMessage,
                                               QString* detail = nullptr);

    // What "&Rebuild Indexes" does to the template table: opens it exclusively, packs it,
    // re-creates the "TEMPLATE" tag and closes it. False with `failureMessage` set to
    // OpenFailedMessage when any of this fails.
    static bool RebuildIndexes(const QString& directory, QString& failureMessage,
                               QString* detail = nullptr);

    // The current row; a blank template at the end of the table.
    LabelTemplate Current() const;
    // Writes every field of a row in Append or Edit state (Post is the caller's).
    void Write(const LabelTemplate& labelTemplate);

    // False for a table of the first layout that could not be upgraded yet: it has no
    // brand, part number, equivalents or category, and Current leaves them blank.
    bool HasCatalogueFields() const;

    // A template name as TEMPLATE stores it: its first 60 bytes, whole characters only.
    static QString StoredName(const QString& name);

private:
    using DataTable::DataTable;
    static std::unique_ptr<TemplateTable> OpenExisting(const QString& path);
};
