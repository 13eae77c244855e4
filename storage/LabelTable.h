#pragma once

#include "storage/TableSchemas.h"

#include "storage/DataTable.h"

#include <QString>

#include <memory>

// The label table QVLBLS.DBF of the data directory, with its memo file and its index
// QVLBLS.CDX (tag "DESCRIPT" on "upper(DESCRIPT)"). Always opened exclusively, so that a
// second running copy of the program cannot open it, and always used in "DESCRIPT" order.
class LabelTable : public DataTable {
public:
    // In English; shown through QCoreApplication::translate("LabelTable", ...).
    static constexpr const char* CreateFailedMessage =
        QT_TRANSLATE_NOOP("LabelTable", "Unable to create QVLBLS.DBF");
    static constexpr const char* OpenFailedMessage =
        QT_TRANSLATE_NOOP("LabelTable", "We were unable to open the label file: QVLBLS.DBF");
    static inline const int DescriptionWidth =
        SchemaFieldWidth(LabelTableFields(), "DESCRIPT"); // bytes

    static QString PathIn(const QString& directory);

    // Creates the table with its fifteen fields (and memo file); no index. False when the
    // creation failed or the file is not there afterwards; `detail` gets the reason.
    static bool Create(const QString& path, QString* detail = nullptr);

    // Opens the label table of `directory` for the program: creates it when missing, opens it
    // exclusively, creates the "DESCRIPT" tag when the index is absent (or lacks the tag),
    // makes it the order and moves to the first record. On failure returns null and sets
    // `failureMessage` to the message to show (translated): CreateFailedMessage when the table
    // could not be created, OpenFailedMessage when it could not be opened (held by another copy of
    // the program, damaged). `detail` gets the underlying reason.
    static std::unique_ptr<LabelTable> Open(const QString& directory, QString& failureMessage,
                                            QString* detail = nullptr);

    // What "&Rebuild Indexes" does to this table: packs (records marked deleted go for good),
    // then deletes the index file and creates it anew with the "DESCRIPT" tag as the order.
    // The record that was current stays current although packing renumbers it; with no
    // current record the table ends on its first record. Needs Browse state. Throws
    // dbf::Error when it fails, leaving the table open in "DESCRIPT" order with a working
    // index (the old one, or one rebuilt in its place) so that saving goes on working.
    void RebuildIndexes();

    // A description as DESCRIPT stores it (its first 30 bytes, whole characters only); two
    // descriptions are the same label name when their stored forms match without regard to case.
    static QString StoredDescription(const QString& description);

private:
    using DataTable::DataTable;
    void EnsureIndex();
    quint32 NumberAfterPacking();
    void ReplaceIndex();
    void RestoreIndex(quint32 record) noexcept;
};
