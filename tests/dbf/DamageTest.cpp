#include "Labels.h"
#include "TempDir.h"
#include "storage/dbf/Table.h"

#include <gtest/gtest.h>
#include <random>

// Damaged and truncated files give dbf::Error (or open and read consistently), never a crash.
namespace {

struct Originals {
    std::string dbf, fpt, cdx;
};

Originals makeOriginals(const TempDir& dir) {
    std::string path = dir.file("T.DBF");
    dbf::Table::create(path, labelFields());
    auto t = dbf::Table::open(path);
    t->setSyncWrites(false);
    t->createIndexTag("DESCRIPT", "upper(DESCRIPT)");
    for (int i = 0; i < 150; ++i) {
        t->append();
        t->setText("DESCRIPT", "label " + std::to_string(i * 13 % 150));
        t->setFloat("LBLHEIGHT", i / 10.0);
        if (i % 2)
            t->setMemo("OBJECTS", "TYPE=TEXT\r\nTEXT=" + std::to_string(i));
        t->post();
    }
    t->go(7);
    t->deleteRecord();
    t.reset();
    return {readFile(path), readFile(dir.file("T.FPT")), readFile(dir.file("T.CDX"))};
}

// Opens (read-only, then exclusively) and reads everything; false when an Error was raised.
bool openAndReadAll(const std::string& path) {
    bool ok = true;
    for (auto mode : {dbf::Mode::ReadOnly, dbf::Mode::Exclusive}) {
        try {
            auto t = dbf::Table::open(path, mode);
            std::uint32_t visible = 0;
            for (t->first(); !t->eof() && visible <= t->recordCount(); t->next(), ++visible)
                for (const auto& f : t->fields())
                    (f.type == 'M') ? (void)t->getMemoLines(f.name) : (void)t->getText(f.name);
            EXPECT_LE(visible, t->recordCount()); // navigation always ends
            if (mode == dbf::Mode::Exclusive)
                t->pack();
        } catch (const dbf::Error& e) {
            EXPECT_GT(std::string(e.what()).size(), 10u);
            ok = false;
        }
    }
    return ok;
}

void restore(const TempDir& dir, const Originals& o) {
    writeFile(dir.file("T.DBF"), o.dbf);
    writeFile(dir.file("T.FPT"), o.fpt);
    writeFile(dir.file("T.CDX"), o.cdx);
}

TEST(Damage, TruncatedFilesGiveErrorsOrReadConsistently) {
    TempDir dir;
    Originals o = makeOriginals(dir);
    std::string dbfPath = dir.file("T.DBF");
    int errors = 0;
    for (std::size_t size = 0; size < o.dbf.size(); size += 97) {
        restore(dir, o);
        writeFile(dbfPath, o.dbf.substr(0, size));
        errors += openAndReadAll(dbfPath) ? 0 : 1;
    }
    EXPECT_GT(errors, 0);
    for (std::size_t size = 0; size < o.fpt.size(); size += 211) {
        restore(dir, o);
        writeFile(dir.file("T.FPT"), o.fpt.substr(0, size));
        openAndReadAll(dbfPath);
    }
    for (std::size_t size = 0; size < o.cdx.size(); size += 101) {
        restore(dir, o);
        writeFile(dir.file("T.CDX"), o.cdx.substr(0, size));
        EXPECT_TRUE(openAndReadAll(dbfPath)) << "index cut at " << size; // rebuilt or dropped
    }
}

TEST(Damage, CorruptedBytesGiveErrorsNotCrashes) {
    TempDir dir;
    Originals o = makeOriginals(dir);
    std::mt19937 rng(99);
    for (int round = 0; round < 150; ++round) {
        Originals bad = o;
        std::string* target = round % 3 == 0 ? &bad.dbf : round % 3 == 1 ? &bad.fpt : &bad.cdx;
        std::size_t region =
            round % 2 ? std::min<std::size_t>(target->size(), 1600) : target->size();
        for (int k = 0; k < 1 + round % 8; ++k)
            (*target)[rng() % region] = static_cast<char>(rng());
        restore(dir, bad);
        openAndReadAll(dir.file("T.DBF"));
    }
}

// The message names the file and the damage in the same words as ever (logs and the batch
// program show it as it is); kind and damage say the same for a program that words it anew.
TEST(Damage, HeaderFieldsOutOfRangeAreReported) {
    TempDir dir;
    Originals o = makeOriginals(dir);
    auto expectError = [&](std::string dbfBytes, dbf::Damage damage, const std::string& words,
                           const std::string& file = "T.DBF") {
        restore(dir, o);
        writeFile(dir.file(file), dbfBytes);
        try {
            dbf::Table::open(dir.file("T.DBF"), dbf::Mode::ReadOnly);
            ADD_FAILURE() << "no error for " << words;
        } catch (const dbf::Error& e) {
            const bool memo = file != "T.DBF";
            EXPECT_EQ(std::string(e.what()), (memo ? "The memo file " : "The table ") +
                                                 dir.file(file) + " is damaged (" + words + ")");
            EXPECT_EQ(e.kind(), memo ? dbf::ErrorKind::MemoDamaged : dbf::ErrorKind::TableDamaged);
            EXPECT_EQ(e.args().damage, damage) << words;
            EXPECT_EQ(e.args().path, dir.file(file));
        }
    };
    std::string b = o.dbf;
    b[4] = '\xFF'; // record count far beyond the data
    expectError(b, dbf::Damage::Truncated, "truncated: 255 records announced");
    b = o.dbf;
    b[8] = '\xFF';
    b[9] = '\xFF'; // header length past the end
    expectError(b, dbf::Damage::HeaderLength, "header length 65535");
    b = o.dbf;
    b[10] = 5; // record length shorter than the fields
    b[11] = 0;
    expectError(b, dbf::Damage::FieldsPastRecord, "fields wider than the record length");
    b = o.dbf;
    b[32 + 16] = 0; // a field without width
    expectError(b, dbf::Damage::FieldWithoutWidth, "field DESCRIPT has no width");
    expectError(o.dbf.substr(0, 20), dbf::Damage::ShorterThanHeader, "shorter than a table header");
    expectError(o.fpt.substr(0, 5), dbf::Damage::TooShort, "too short", "T.FPT");
    // A memo pointer beyond the memo file.
    restore(dir, o);
    auto t = dbf::Table::open(dir.file("T.DBF"));
    t->go(2);
    t->edit();
    t->setMemo("OBJECTS", "x");
    t->post();
    t.reset();
    std::string dbfBytes = readFile(dir.file("T.DBF"));
    std::size_t headerLength = 32 + 32 * 6 + 1, recordLength = 1 + 30 + 60 + 6 + 2 + 1 + 10;
    std::size_t memoAt = headerLength + recordLength + recordLength - 10;
    dbfBytes.replace(memoAt, 10, "    999999");
    writeFile(dir.file("T.DBF"), dbfBytes);
    writeFile(dir.file("T.CDX"), o.cdx);
    t = dbf::Table::open(dir.file("T.DBF"), dbf::Mode::ReadOnly);
    t->go(2);
    EXPECT_THROW(t->getMemo("OBJECTS"), dbf::Error);
}

} // namespace
