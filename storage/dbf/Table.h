#pragma once

#include "storage/dbf/Error.h"
#include "storage/dbf/FieldDef.h"
#include "storage/dbf/Text.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dbf {

// How a table is opened.
//  Exclusive: read and write; an OS lock (flock) on the .dbf keeps every other exclusive
//             open out (another process, or another Table in this one) until close() or exit.
//  ReadOnly:  takes no lock and is never blocked; it sees the files as they were at open.
enum class Mode { Exclusive, ReadOnly };

// The editing state of a table, as a data set has it.
enum class State { Inactive, Browse, Edit, Insert };

// What onChange reports: the current record moved (or its values were reloaded), or the
// editing state changed.
enum class Change { Record, State };

class TableImpl;

// A FoxPro 2.x table (.dbf) with its memo file (.fpt, 64-byte blocks) and its structural
// compound index (.cdx, compact tags), all sharing the table's base name. Tables we write are
// version 0xF5 (with memo) or 0x03 (without), code page mark 0x00, text in UTF-8; text that is
// not valid UTF-8 reads as Windows-1252. Tables written by other tools open too (a longer
// Visual FoxPro header, a missing 0x1A end mark, blank memo pointers, blank numerics).
//
// Records marked deleted are skipped by first/next/last/prior/seek. The current order is one
// tag of the index (ascending by key, equal keys by record number) or record order.
//
// Durability: post(), deleteRecord() and pack() are on disk when they return. post() writes
// the memo blocks, then the record, then the header's record count (each flushed), then the
// index, so that a reader or a crash sees either the old or the new record, never a torn one.
// pack() builds the packed table, memo and index beside the originals and replaces them
// atomically (a crash leaves either the old or the packed files). At open an index that is
// damaged or disagrees with the table is rebuilt silently (in memory only for a read-only
// open); an index whose very tag list is unreadable is dropped (deleted when exclusive), so
// that tagNames() is empty and the caller creates its tags again as for a missing index.
//
// Every length, offset and count read from the files is checked; a damaged file raises
// dbf::Error with a message naming the file, never a crash.
//
// Not thread-safe; one thread uses a Table at a time.
class Table {
public:
    // Creates a new table at `path` (e.g. "/data/QVLBLS.DBF") with these fields in this
    // order, and its memo file when a field is a memo. No index is created; use
    // createIndexTag after opening. Throws dbf::Error when the definitions are invalid or the
    // file already exists or cannot be written.
    static void create(const std::string& path, const std::vector<FieldDef>& fields);

    // Opens an existing table; throws dbf::Error when it is missing, damaged, or (Exclusive)
    // already held by another exclusive open. The structural index (same base name, .cdx or
    // .CDX) opens with it; its first tag becomes the order. Positioned on the first record.
    static std::unique_ptr<Table> open(const std::string& path, Mode mode = Mode::Exclusive);

    ~Table(); // closes (an unposted edit is cancelled) without calling onChange
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    void close(); // releases the files and the lock; state becomes Inactive
    bool isOpen() const;
    const std::string& path() const; // the .dbf path given to open
    Mode mode() const;

    // ---- structure
    const std::vector<FieldDef>& fields() const;
    int fieldIndex(std::string_view name) const; // case-insensitive; -1 when absent

    // ---- navigation (in the current order, deleted records skipped). Moving cancels a
    // pending append or edit: post() first to keep it.
    void first();
    void next();
    void last();
    void prior();
    bool eof() const; // no current record (past the end, or the table has no visible record)
    bool bof() const; // prior() moved before the first record
    // Positions on record `recno` (1-based, deleted or not); out of range gives eof().
    void go(std::uint32_t recno);
    // Finds the first record whose key in the current order is >= upper-cased `value`
    // (compared over value's length, like SEEK) and positions on it, skipping deleted ones;
    // eof() when there is none. Returns true when that record's key starts with the value.
    // Throws dbf::Error when the order is record order.
    bool seek(std::string_view value);

    std::uint32_t recordCount() const; // records in the file, deleted ones included
    std::uint32_t recNo() const;       // current record number; recordCount()+1 when none
    bool isDeleted() const;            // the current record is marked deleted

    // ---- editing
    State state() const;
    void append(); // Insert state with a blank record
    void edit();   // Edit state on the current record; with no current record it appends
    void post();   // writes the record (appends in Insert state); becomes the current record
    void cancel(); // drops the pending changes
    // Marks the current record deleted (posting a pending edit first is the caller's choice:
    // a pending edit is cancelled). The next visible record becomes current, else the prior.
    void deleteRecord();
    // Removes records marked deleted for good: record numbers close up, the memo file is
    // compacted and the index rebuilt. Positions on the first record.
    void pack();

    // ---- field values (by field name, case-insensitive; dbf::Error for an unknown name).
    // Reading gives the edit buffer in Edit/Insert state, else the current record (blank
    // values at eof). Writing needs Edit or Insert state.
    std::string getText(std::string_view field) const; // trailing blanks trimmed; memo: whole text
    double getFloat(std::string_view field) const;     // blank or non-numeric -> 0
    int getInteger(std::string_view field) const;      // rounded toward zero; blank -> 0
    bool getLogical(std::string_view field) const;     // T/t/Y/y -> true; else false
    bool isBlank(std::string_view field) const;        // all blanks (no value)

    // Text is cut to the field's width at a character boundary (see truncateUtf8).
    // Numbers are formatted with the field's decimals; a value too wide throws dbf::Error.
    void setText(std::string_view field, std::string_view value);
    void setFloat(std::string_view field, double value);
    void setInteger(std::string_view field, int value);
    void setLogical(std::string_view field, bool value);
    void setBlank(std::string_view field);

    // Memo fields. Lines are stored joined by CR LF; reading splits on CR LF, CR or LF.
    std::string getMemo(std::string_view field) const;
    std::vector<std::string> getMemoLines(std::string_view field) const;
    void setMemo(std::string_view field, std::string_view text);
    void setMemoLines(std::string_view field, const std::vector<std::string>& lines);

    // ---- index
    // Creates (or rebuilds) tag `tag` (1-10 letters/digits/_) in the structural index with
    // key expression `upper(FIELD)` or `FIELD` on a character field, creating the .cdx when
    // there is none; the order becomes that tag. Exclusive only.
    void createIndexTag(std::string_view tag, std::string_view expression);
    // Chooses the order by tag name (case-insensitive); "" = record order. The current
    // record stays current. dbf::Error for an unknown tag.
    void setOrder(std::string_view tag);
    std::string order() const;                 // current tag name, "" for record order
    std::vector<std::string> tagNames() const; // tags of the open index
    std::string tagExpression(std::string_view tag) const;
    std::string indexFileName() const; // full path of the open .cdx, "" when none
    // Closes the structural index (order becomes record order; an exclusive open also clears
    // the table's index flag); the caller may then delete the file.
    void closeIndexes();

    // ---- change notification: called after the current record or the state changes.
    std::function<void(Change)> onChange;

    // Flushes every write to disk when true (the default). A bulk loader may turn it off and
    // call flush() at the end; a crash meanwhile may lose the unflushed records.
    void setSyncWrites(bool sync);
    void flush();

private:
    Table();
    void packFiles();
    std::unique_ptr<TableImpl> d;
    friend class TableImpl;
};

} // namespace dbf
