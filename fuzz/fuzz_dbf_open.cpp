// Opens a table, its memo file and its index made of fuzz bytes, then reads and changes it.
// Input: dbf length (4 bytes LE), fpt length (4 bytes LE), the dbf bytes, the fpt bytes, and
// the rest as the cdx.
#include "storage/dbf/Table.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

std::string& folder() {
    static std::string dir;
    return dir;
}

void removeFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder(), ignored);
}

// A scratch folder for the whole run, removed when the run ends.
const std::string& directory() {
    static const bool made = [] {
        std::string pattern =
            access("/dev/shm", W_OK) == 0 ? "/dev/shm/qvfuzz-XXXXXX" : "/tmp/qvfuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        folder() = pattern;
        std::atexit(removeFolder);
        return true;
    }();
    (void)made;
    return folder();
}

void put(const std::string& name, const uint8_t* data, size_t size) {
    std::ofstream out(directory() + "/" + name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

uint32_t le32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24);
}

void readAll(dbf::Table& t) {
    for (t.first(); !t.eof(); t.next()) {
        for (const auto& f : t.fields()) {
            try {
                t.getText(f.name);
                t.getFloat(f.name);
                t.getLogical(f.name);
                if (f.type == 'M')
                    t.getMemoLines(f.name);
            } catch (const dbf::Error&) {
            }
        }
    }
    t.go(2);
    t.prior();
    t.last();
    if (!t.order().empty())
        t.seek("A");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 8)
        return 0;
    size_t dbfSize = le32(data), fptSize = le32(data + 4);
    data += 8;
    size -= 8;
    if (dbfSize > size || fptSize > size - dbfSize)
        return 0;
    for (const char* suffix : {".qvtmp", ".qvcommit"})
        for (const char* f : {"/T.DBF", "/T.FPT", "/T.CDX"})
            unlink((directory() + f + suffix).c_str());
    put("T.DBF", data, dbfSize);
    put("T.FPT", data + dbfSize, fptSize);
    put("T.CDX", data + dbfSize + fptSize, size - dbfSize - fptSize);
    std::string path = directory() + "/T.DBF";
    try {
        auto t = dbf::Table::open(path, dbf::Mode::ReadOnly);
        readAll(*t);
    } catch (const dbf::Error&) {
    }
    try {
        auto t = dbf::Table::open(path, dbf::Mode::Exclusive);
        t->setSyncWrites(false);
        readAll(*t);
        t->append();
        for (const auto& f : t->fields())
            t->setText(f.name, "1");
        t->post();
        t->first();
        if (!t->eof())
            t->deleteRecord();
        t->pack();
        readAll(*t);
    } catch (const dbf::Error&) {
    }
    return 0;
}
