// Opens a fixed table of 60 labels with fuzz bytes as its compound index, then walks every
// tag: seek, forwards to the end, backwards to the start, and the grid's record list.
//
// Run (seed corpus in fuzz/corpus/cdx; new inputs go to the first folder):
//   build-fuzz/fuzz/fuzz_dbf_cdx work fuzz/corpus/cdx
// QV_FUZZ_SEED_OUT=<file> writes the table's own sound index there (the seed) and exits.
#include "storage/dbf/Table.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

std::string& directory() {
    static std::string dir;
    return dir;
}

void removeDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(directory(), ignored);
}

std::string tablePath() {
    return directory() + "/T.DBF";
}
std::string indexPath() {
    return directory() + "/T.CDX";
}

// Keys with shared prefixes, equal keys and blanks, so the compression paths are all used.
void makeTable() {
    std::string pattern =
        access("/dev/shm", W_OK) == 0 ? "/dev/shm/qvfuzz-XXXXXX" : "/tmp/qvfuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    directory() = pattern;
    std::atexit(removeDirectory);
    dbf::Table::create(tablePath(), {{"DESCRIPT", 'C', 30, 0}, {"CODE", 'C', 8, 0}});
    auto t = dbf::Table::open(tablePath(), dbf::Mode::Exclusive);
    t->setSyncWrites(false);
    for (int i = 0; i < 60; ++i) {
        t->append();
        t->setText("DESCRIPT", i % 7 == 0 ? std::string() : "Label " + std::to_string(i % 23));
        t->setText("CODE", std::string(1, char('A' + i % 26)) + std::to_string(i * 37 % 101));
        t->post();
    }
    t->go(5);
    t->deleteRecord();
    t->createIndexTag("CODE", "CODE");
    t->createIndexTag("DESCRIPT", "upper(DESCRIPT)");
    t->flush();
}

void put(const std::string& path, const uint8_t* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void walk(dbf::Table& t, std::string_view sought) {
    for (const std::string& tag : t.tagNames()) {
        t.setOrder(tag);
        t.seek(sought);
        for (int steps = 0; !t.eof() && steps < 200; ++steps)
            t.next();
        t.last();
        for (int steps = 0; !t.bof() && !t.eof() && steps < 200; ++steps)
            t.prior();
        (void)t.recordsInOrder();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    makeTable();
    if (const char* out = std::getenv("QV_FUZZ_SEED_OUT")) {
        std::filesystem::copy_file(indexPath(), out,
                                   std::filesystem::copy_options::overwrite_existing);
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The index's own first bytes also choose the key sought (its length, then its bytes).
    const std::string sought = size > 0 ? std::string(reinterpret_cast<const char*>(data) + 1,
                                                      std::min<size_t>(data[0] % 8, size - 1))
                                        : std::string();
    put(indexPath(), data, size);
    try {
        auto t = dbf::Table::open(tablePath(), dbf::Mode::ReadOnly);
        walk(*t, sought);
    } catch (const dbf::Error&) {
    }
    // An exclusive open rebuilds an index that disagrees with the table and writes it.
    try {
        auto t = dbf::Table::open(tablePath(), dbf::Mode::Exclusive);
        t->setSyncWrites(false);
        walk(*t, sought);
    } catch (const dbf::Error&) {
    }
    return 0;
}
