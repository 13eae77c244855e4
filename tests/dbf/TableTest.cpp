#include "storage/dbf/Table.h"
#include "Labels.h"
#include "TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using dbf::Change;
using dbf::Mode;
using dbf::State;
using dbf::Table;

namespace {

std::unique_ptr<Table> makeLabels(const TempDir& dir, const std::string& name = "QVLBLS.DBF") {
    Table::create(dir.file(name), labelFields());
    auto t = Table::open(dir.file(name));
    t->setSyncWrites(false); // durability has its own test; this keeps the suite quick
    t->createIndexTag("DESCRIPT", "upper(DESCRIPT)");
    return t;
}

TEST(Table, CreateUsesUpperCaseCompanionsAndRefusesToOverwrite) {
    TempDir dir;
    Table::create(dir.file("QVLBLS.DBF"), labelFields());
    EXPECT_TRUE(std::filesystem::exists(dir.file("QVLBLS.FPT")));
    EXPECT_THROW(Table::create(dir.file("QVLBLS.DBF"), labelFields()), dbf::Error);
    EXPECT_THROW(Table::create(dir.file("bad.dbf"), {{"1BAD", 'C', 5, 0}}), dbf::Error);
    EXPECT_THROW(Table::create(dir.file("bad.dbf"), {{"N", 'N', 5, 4}}), dbf::Error);
    EXPECT_THROW(Table::create(dir.file("bad.dbf"), {{"A", 'C', 5, 0}, {"a", 'C', 5, 0}}),
                 dbf::Error);
    auto t = Table::open(dir.file("QVLBLS.DBF"));
    EXPECT_EQ(t->fields(), labelFields());
    EXPECT_EQ(t->recordCount(), 0u);
    EXPECT_TRUE(t->eof());
    EXPECT_EQ(t->recNo(), 1u);
    EXPECT_EQ(t->indexFileName(), "");
    t->createIndexTag("DESCRIPT", "upper(DESCRIPT)");
    EXPECT_EQ(t->indexFileName(), dir.file("QVLBLS.CDX"));
    EXPECT_TRUE(std::filesystem::exists(dir.file("QVLBLS.CDX")));
}

TEST(Table, RoundTripAppendEditDeletePack) {
    TempDir dir;
    {
        auto t = makeLabels(dir);
        t->append();
        EXPECT_EQ(t->state(), State::Insert);
        t->setText("DESCRIPT", "Shipping 4x6");
        t->setText("TEMPLATE", "Avery 5168");
        t->setFloat("LBLHEIGHT", 3.3333);
        t->setInteger("NBRACROSS", 2);
        t->setLogical("USERDEF", true);
        t->setMemoLines("OBJECTS", {"TYPE=TEXT", "TEXT=Hello", ""});
        t->post();
        EXPECT_EQ(t->state(), State::Browse);
        EXPECT_EQ(t->recNo(), 1u);
        addLabel(*t, "address", "TYPE=RECT");
        addLabel(*t, "Badge");
    }
    {
        auto t = Table::open(dir.file("QVLBLS.DBF"));
        EXPECT_EQ(t->recordCount(), 3u);
        EXPECT_EQ(t->order(), "DESCRIPT");
        EXPECT_EQ(walk(*t), (std::vector<std::string>{"address", "Badge", "Shipping 4x6"}));
        t->go(1);
        EXPECT_EQ(t->getText("TEMPLATE"), "Avery 5168");
        EXPECT_DOUBLE_EQ(t->getFloat("LBLHEIGHT"), 3.333);
        EXPECT_EQ(t->getText("LBLHEIGHT"), "3.333");
        EXPECT_EQ(t->getInteger("NBRACROSS"), 2);
        EXPECT_TRUE(t->getLogical("USERDEF"));
        EXPECT_EQ(t->getMemoLines("OBJECTS"),
                  (std::vector<std::string>{"TYPE=TEXT", "TEXT=Hello", ""}));
        EXPECT_EQ(t->getMemo("OBJECTS"), "TYPE=TEXT\r\nTEXT=Hello\r\n\r\n");
        t->go(3);
        EXPECT_TRUE(t->isBlank("LBLHEIGHT"));
        EXPECT_FALSE(t->getLogical("USERDEF"));
        EXPECT_TRUE(t->getMemoLines("OBJECTS").empty());

        t->go(2);
        t->edit();
        t->setText("DESCRIPT", "Zip labels");
        t->setMemo("OBJECTS", "TYPE=ELLIPSE");
        EXPECT_EQ(t->getText("DESCRIPT"), "Zip labels"); // the edit buffer
        t->post();
        EXPECT_EQ(t->recNo(), 2u);
        EXPECT_EQ(walk(*t), (std::vector<std::string>{"Badge", "Shipping 4x6", "Zip labels"}));

        t->go(3);
        t->deleteRecord();
        EXPECT_EQ(t->recNo(), 1u); // the next in order ("Shipping 4x6")
        t->go(3);
        EXPECT_TRUE(t->isDeleted());
        EXPECT_EQ(walk(*t), (std::vector<std::string>{"Shipping 4x6", "Zip labels"}));
        EXPECT_EQ(t->recordCount(), 3u);
    }
    {
        auto t = Table::open(dir.file("QVLBLS.DBF"));
        EXPECT_EQ(walk(*t), (std::vector<std::string>{"Shipping 4x6", "Zip labels"}));
        t->pack();
        EXPECT_EQ(t->recordCount(), 2u);
        EXPECT_EQ(walk(*t), (std::vector<std::string>{"Shipping 4x6", "Zip labels"}));
        t->go(2);
        EXPECT_EQ(t->getMemo("OBJECTS"), "TYPE=ELLIPSE");
        t->go(1);
        EXPECT_EQ(t->getMemoLines("OBJECTS")[1], "TEXT=Hello");
    }
    auto t = Table::open(dir.file("QVLBLS.DBF"));
    EXPECT_EQ(t->recordCount(), 2u);
    EXPECT_EQ(walk(*t), (std::vector<std::string>{"Shipping 4x6", "Zip labels"}));
}

TEST(Table, EditOnEmptyTableInsertsAndCancelDrops) {
    TempDir dir;
    auto t = makeLabels(dir);
    t->edit();
    EXPECT_EQ(t->state(), State::Insert);
    t->setText("DESCRIPT", "first");
    t->post();
    EXPECT_EQ(t->recordCount(), 1u);
    t->edit();
    t->setText("DESCRIPT", "changed");
    t->cancel();
    EXPECT_EQ(t->getText("DESCRIPT"), "first");
    EXPECT_THROW(t->setText("DESCRIPT", "x"), dbf::Error); // not editing
    EXPECT_THROW(t->getText("NOSUCH"), dbf::Error);
}

TEST(Table, NavigationSkipsDeletedAndReportsRecNo) {
    TempDir dir;
    auto t = makeLabels(dir);
    for (const char* d : {"a", "b", "c", "d"})
        addLabel(*t, d);
    t->go(1);
    t->deleteRecord();
    t->go(4);
    t->deleteRecord();
    EXPECT_EQ(t->recNo(), 3u); // the last visible becomes current
    t->first();
    EXPECT_EQ(t->recNo(), 2u);
    t->last();
    EXPECT_EQ(t->recNo(), 3u);
    t->next();
    EXPECT_TRUE(t->eof());
    EXPECT_EQ(t->recNo(), 5u);
    t->prior();
    EXPECT_EQ(t->recNo(), 3u);
    t->prior();
    t->prior();
    EXPECT_TRUE(t->bof());
    EXPECT_EQ(t->recNo(), 2u);
    t->go(99);
    EXPECT_TRUE(t->eof());
    t->setOrder("");
    EXPECT_EQ(walk(*t), (std::vector<std::string>{"b", "c"}));
    EXPECT_THROW(t->setOrder("NOPE"), dbf::Error);
}

TEST(Table, ChangeNotificationReportsRecordAndState) {
    TempDir dir;
    auto t = makeLabels(dir);
    std::vector<Change> seen;
    t->onChange = [&](Change c) { seen.push_back(c); };
    t->append();
    t->setText("DESCRIPT", "x");
    t->post();
    t->first();
    EXPECT_EQ(seen,
              (std::vector<Change>{Change::State, Change::State, Change::Record, Change::Record}));
}

TEST(Table, IndexOrderFollowsInsertsKeyEditsDeletesAndPacks) {
    TempDir dir;
    auto t = makeLabels(dir);
    std::mt19937 rng(7);
    std::vector<std::string> names;
    for (int i = 0; i < 400; ++i) {
        std::string name;
        for (int k = 0, n = 1 + int(rng() % 12); k < n; ++k)
            name += "aBcXyZ 09"[rng() % 9];
        while (!name.empty() && name.back() == ' ')
            name.pop_back();
        names.push_back(name);
        addLabel(*t, name);
    }
    auto expectOrder = [&] {
        std::vector<std::pair<std::string, std::uint32_t>> want;
        for (std::uint32_t r = 1; r <= t->recordCount(); ++r) {
            t->go(r);
            if (t->isDeleted())
                continue;
            std::string key = dbf::upperKey(t->getText("DESCRIPT"));
            key.resize(30, ' ');
            want.emplace_back(key, r);
        }
        std::sort(want.begin(), want.end());
        std::vector<std::uint32_t> wanted, got;
        for (auto& w : want)
            wanted.push_back(w.second);
        for (t->first(); !t->eof(); t->next())
            got.push_back(t->recNo());
        EXPECT_EQ(got, wanted);
    };
    expectOrder();
    for (int i = 0; i < 60; ++i) { // key edits
        t->go(1 + rng() % t->recordCount());
        t->edit();
        t->setText("DESCRIPT", "edit" + std::to_string(rng() % 50));
        t->post();
    }
    expectOrder();
    for (int i = 0; i < 80; ++i) {
        t->go(1 + rng() % t->recordCount());
        if (!t->isDeleted())
            t->deleteRecord();
    }
    expectOrder();
    t.reset();
    t = Table::open(dir.file("QVLBLS.DBF"));
    expectOrder();
    t->pack();
    expectOrder();
    t.reset();
    t = Table::open(dir.file("QVLBLS.DBF"));
    expectOrder();
}

TEST(Table, SeekFindsFirstKeyAtOrAfterValue) {
    TempDir dir;
    auto t = makeLabels(dir);
    for (const char* d : {"Delta", "alpha", "Charlie", "bravo", "charlie"})
        addLabel(*t, d);
    EXPECT_TRUE(t->seek("CHAR"));
    EXPECT_EQ(t->recNo(), 3u); // equal keys by record number
    EXPECT_TRUE(t->seek("bravo"));
    EXPECT_EQ(t->getText("DESCRIPT"), "bravo");
    EXPECT_TRUE(t->seek("c"));
    EXPECT_FALSE(t->seek("bz"));
    EXPECT_EQ(t->getText("DESCRIPT"), "Charlie");
    t->seek("b");
    EXPECT_FALSE(t->seek("BRAVOS"));
    EXPECT_EQ(t->getText("DESCRIPT"), "Charlie");
    EXPECT_FALSE(t->seek("zz"));
    EXPECT_TRUE(t->eof());
    t->go(4);
    t->deleteRecord();
    EXPECT_FALSE(t->seek("bravo"));
    EXPECT_EQ(t->getText("DESCRIPT"), "Charlie");
    t->setOrder("");
    EXPECT_THROW(t->seek("a"), dbf::Error);
}

TEST(Table, NumbersAreFormattedAndOverflowRefused) {
    TempDir dir;
    auto t = makeLabels(dir);
    t->append();
    t->setFloat("LBLHEIGHT", -1.0005);
    EXPECT_EQ(t->getText("LBLHEIGHT"), "-1.000");
    t->setFloat("LBLHEIGHT", -0.0001);
    EXPECT_EQ(t->getText("LBLHEIGHT"), "0.000");
    EXPECT_THROW(t->setFloat("LBLHEIGHT", 100.0), dbf::Error); // 7 characters
    EXPECT_THROW(t->setInteger("NBRACROSS", 100), dbf::Error);
    t->setText("NBRACROSS", " 12 ");
    EXPECT_EQ(t->getInteger("NBRACROSS"), 12);
    EXPECT_THROW(t->setText("NBRACROSS", "1x"), dbf::Error);
    t->setText("NBRACROSS", "");
    EXPECT_TRUE(t->isBlank("NBRACROSS"));
}

TEST(Table, MemoReplacementKeepsOtherMemosAndPackCompacts) {
    TempDir dir;
    auto t = makeLabels(dir);
    std::string big(1000, 'x');
    addLabel(*t, "one", "first memo");
    addLabel(*t, "two", big);
    addLabel(*t, "three", "third");
    for (int i = 0; i < 20; ++i) {
        t->go(2);
        t->edit();
        t->setMemo("OBJECTS", i % 2 ? big + std::to_string(i) : "short " + std::to_string(i));
        t->post();
    }
    t->go(1);
    EXPECT_EQ(t->getMemo("OBJECTS"), "first memo");
    t->go(3);
    EXPECT_EQ(t->getMemo("OBJECTS"), "third");
    t->go(2);
    EXPECT_EQ(t->getMemo("OBJECTS"), big + "19");
    auto before = std::filesystem::file_size(dir.file("QVLBLS.FPT"));
    t->go(3);
    t->edit();
    t->setMemo("OBJECTS", ""); // an empty memo stores no block
    t->post();
    t->pack();
    auto after = std::filesystem::file_size(dir.file("QVLBLS.FPT"));
    EXPECT_LT(after, before);
    EXPECT_EQ(after, 512u + 64u + 16u * 64u); // "first memo", then 1002 bytes + 8
    t->go(2);
    EXPECT_EQ(t->getMemo("OBJECTS"), big + "19");
    t->go(3);
    EXPECT_EQ(t->getMemo("OBJECTS"), "");
}

TEST(Table, Utf8StorageTruncationAndCaseFolding) {
    EXPECT_EQ(dbf::truncateUtf8("abc", 5), "abc");
    EXPECT_EQ(dbf::truncateUtf8("ab\xC3\xA9", 3), "ab"); // é would be split
    EXPECT_EQ(dbf::truncateUtf8("\xE2\x82\xAC\xE2\x82\xAC", 5), "\xE2\x82\xAC"); // €€
    EXPECT_EQ(dbf::truncateUtf8("\xF0\x9F\x98\x80", 3), "");
    EXPECT_EQ(dbf::upperKey("stra\xC3\x9F"
                            "e \xC3\xA9t\xC3\xA9"),
              "STRA\xC3\x9F"
              "E \xC3\x89T\xC3\x89");
    EXPECT_EQ(dbf::upperKey("\xD0\xB0\xD0\xB1\xCE\xB1\xCF\x82\xC5\x93"),
              "\xD0\x90\xD0\x91\xCE\x91\xCE\xA3\xC5\x92"); // аб ας œ
    EXPECT_EQ(dbf::upperKey("\xC4\xB1x"), "IX ");          // dotless i folds to I, width kept
    EXPECT_EQ(dbf::upperKey("\xE1\xBC\x80\xC6\x80"), "\xE1\xBC\x88\xC9\x83"); // Greek, Latin B
    EXPECT_EQ(dbf::upperKey("caf\xE9"), "CAF\xC9");                           // Windows-1252 bytes
    EXPECT_EQ(dbf::decodeStored("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(dbf::decodeStored("\xC3\xA9\xC3"), "\xC3\xA9"); // a character cut by another writer

    TempDir dir;
    auto t = makeLabels(dir);
    std::string longText;
    for (int i = 0; i < 20; ++i)
        longText += "\xC3\xA9"; // 40 bytes of é
    for (const char* d : {"\xC3\xA9t\xC3\xA9", "\xC3\x89TA", "zebra", "Zoo"})
        addLabel(*t, d);
    t->append();
    t->setText("DESCRIPT", longText);
    t->post();
    EXPECT_EQ(t->getText("DESCRIPT"), longText.substr(0, 30));
    EXPECT_EQ(walk(*t), (std::vector<std::string>{"zebra", "Zoo", "\xC3\x89TA", "\xC3\xA9t\xC3\xA9",
                                                  longText.substr(0, 30)}));
    EXPECT_TRUE(t->seek("\xC3\xA9T"));
    EXPECT_EQ(t->recNo(), 2u);
}

TEST(Table, IndexIsRebuiltWhenMissingDamagedOrStale) {
    TempDir dir;
    std::vector<std::string> expected;
    {
        auto t = makeLabels(dir);
        for (int i = 0; i < 300; ++i)
            addLabel(*t, "label " + std::to_string((i * 37) % 300));
        expected = walk(*t);
    }
    std::string cdx = dir.file("QVLBLS.CDX");
    std::string good = readFile(cdx);
    // Stale: an index from before the last records were added.
    {
        auto t = Table::open(dir.file("QVLBLS.DBF"));
        addLabel(*t, "aaa new");
    }
    std::string withNew = readFile(cdx);
    writeFile(cdx, good);
    {
        auto t = Table::open(dir.file("QVLBLS.DBF"));
        auto order = walk(*t);
        EXPECT_EQ(order.front(), "aaa new");
        EXPECT_EQ(order.size(), 301u);
    }
    EXPECT_EQ(readFile(cdx), withNew); // rebuilt on disk, exactly as maintained
    // Damaged tree: garbage in a leaf page.
    std::string broken = withNew;
    for (std::size_t i = 2560 + 12; i < 2560 + 400; ++i)
        broken[i] = static_cast<char>(i * 31);
    writeFile(cdx, broken);
    {
        auto t = Table::open(dir.file("QVLBLS.DBF"), Mode::ReadOnly);
        EXPECT_EQ(walk(*t).size(), 301u); // read-only: rebuilt in memory
    }
    EXPECT_EQ(readFile(cdx), broken);
    {
        auto t = Table::open(dir.file("QVLBLS.DBF"));
        EXPECT_EQ(walk(*t).size(), 301u);
    }
    EXPECT_EQ(readFile(cdx), withNew);
    // Unreadable tag list: the index is dropped, as if missing.
    writeFile(cdx, "garbage");
    {
        auto t = Table::open(dir.file("QVLBLS.DBF"));
        EXPECT_TRUE(t->tagNames().empty());
        EXPECT_EQ(t->indexFileName(), "");
        t->createIndexTag("DESCRIPT", "upper(DESCRIPT)");
        EXPECT_EQ(walk(*t).front(), "aaa new");
    }
    // The drop-and-recreate sequence behind rebuilding indexes.
    {
        auto t = Table::open(dir.file("QVLBLS.DBF"));
        std::string name = t->indexFileName();
        t->closeIndexes();
        std::filesystem::remove(name);
        EXPECT_EQ(t->order(), "");
        t->pack();
        t->createIndexTag("DESCRIPT", "upper(DESCRIPT)");
        EXPECT_EQ(walk(*t).size(), 301u);
    }
    auto t = Table::open(dir.file("QVLBLS.DBF"));
    EXPECT_EQ(t->tagExpression("descript"), "upper(DESCRIPT)");
}

TEST(Table, ReadOnlyOpenTakesNoLockAndRefusesWrites) {
    TempDir dir;
    auto writer = makeLabels(dir);
    addLabel(*writer, "held");
    EXPECT_THROW(Table::open(dir.file("QVLBLS.DBF")), dbf::Error); // already held
    auto reader = Table::open(dir.file("QVLBLS.DBF"), Mode::ReadOnly);
    EXPECT_EQ(walk(*reader), std::vector<std::string>{"held"});
    EXPECT_THROW(reader->append(), dbf::Error);
    EXPECT_THROW(reader->pack(), dbf::Error);
    writer.reset();
    EXPECT_NO_THROW(Table::open(dir.file("QVLBLS.DBF")));
}

} // namespace
