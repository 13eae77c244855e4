#pragma once

#include "storage/dbf/File.h"
#include "storage/dbf/MemoFile.h"
#include "storage/dbf/Table.h"

#include <map>
#include <memory>
#include <optional>

namespace dbf {

// Leaves new elements uninitialised (resize of a buffer about to be read into).
template <typename T> struct UninitialisedAllocator : std::allocator<T> {
    template <typename U> struct rebind { using other = UninitialisedAllocator<U>; };
    UninitialisedAllocator() = default;
    template <typename U> UninitialisedAllocator(const UninitialisedAllocator<U>&) {}
    template <typename U> void construct(U* p) { ::new (static_cast<void*>(p)) U; }
    template <typename U, typename... A> void construct(U* p, A&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<A>(args)...);
    }
};
using Bytes = std::vector<char, UninitialisedAllocator<char>>;

// The state behind a Table: the open files, the header, every record in memory (a mirror of
// the file's record area), the tags' keys and orders, the cursor and the edit buffer.
class TableImpl {
public:
    struct Tag {
        std::string name; // upper case
        std::string expression;
        int field = -1;
        bool upper = true; // upper(FIELD) rather than FIELD
        std::uint16_t keyLength = 0;
        std::vector<char> keys;           // by record number: keys[(rec-1)*keyLength]
        std::vector<std::uint32_t> order; // record numbers in key order
        const char* key(std::uint32_t rec) const { return keys.data() + (rec - 1) * keyLength; }
    };

    explicit TableImpl(Table& owner) : q(owner) {}

    void openFiles(const std::string& path, Mode mode);
    void closeFiles();
    void notify(Change change) const;

    // ---- records
    const char* record(std::uint32_t rec) const { return data.data() + (rec - 1) * recordLength; }
    bool deleted(std::uint32_t rec) const { return record(rec)[0] == '*'; }
    const char* visibleRecord() const;
    std::size_t requireField(std::string_view name) const;
    std::string_view fieldBytes(const char* rec, std::size_t field) const;
    char* editableField(std::size_t field);
    void requireWritable(Operation operation) const;

    // ---- order
    std::size_t orderSize() const { return count; }
    std::uint32_t recordAt(std::size_t pos) const;
    std::size_t positionOf(std::uint32_t rec) const;
    void seekVisible(std::size_t pos, int step); // from pos on, the first record not deleted
    bool orderLess(const Tag& tag, std::uint32_t a, std::uint32_t b) const;
    // The key of record rec, computed from that record's bytes (rec only places it).
    void computeKey(Tag& tag, std::uint32_t rec, const char* recordBytes) const;
    void computeKey(Tag& tag, std::uint32_t rec) const { computeKey(tag, rec, record(rec)); }
    void sortTag(Tag& tag) const { sortTag(tag, count); }
    void sortTag(Tag& tag, std::uint32_t records) const;
    Tag makeTag(std::string_view name, std::string_view expression) const;
    bool tagAgrees(const Tag& tag, const std::vector<std::uint32_t>& records,
                   const std::vector<char>& keys) const;
    std::string buildIndexImage() const { return buildIndexImage(tags, count); }
    std::string buildIndexImage(const std::vector<Tag>& tagList, std::uint32_t records) const;
    // Writes a memo block number into a record's memo field (4 bytes binary or decimal
    // digits, right-aligned; block 0 leaves it blank).
    void writeMemoPointer(char* out, std::size_t field, std::uint32_t block) const;
    void writeIndex();
    void loadIndex();
    void setIndexFlag(bool on);

    // ---- writing
    std::string memoText(std::size_t field, const char* rec) const;
    void writeMemos();
    void writeRecordCount();
    void postInsert();
    void postEdit();
    void recoverPack();

    Table& q;
    // The files as opened, symbolic links followed: a pack renames its copies over these.
    std::string path, memoPath, cdxPath;
    std::string givenPath; // as given to open, for path()
    Mode mode = Mode::Exclusive;
    File dbf;
    std::optional<MemoFile> memo;
    std::string header; // the header bytes as read (its length is the header length)
    std::uint32_t headerLength = 0, recordLength = 0, count = 0;
    std::vector<FieldDef> fields;
    std::vector<std::uint32_t> offsets;
    Bytes data; // count * recordLength bytes

    std::vector<Tag> tags;
    int current = -1; // index into tags; -1 = record order
    bool indexOpen = false;
    File cdx;
    std::string lastImage;

    std::uint32_t cur = 0;               // 0 = no current record
    mutable std::size_t curPosition = 0; // where cur was last found in the order (a hint)
    bool atBof = false;
    State state = State::Inactive;
    std::vector<char> buffer;
    std::map<std::size_t, std::string> pendingMemos;
    bool syncWrites = true;
};

} // namespace dbf
