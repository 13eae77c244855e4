#include "TempDir.h"
#include "storage/dbf/Table.h"

#include <ctime>
#include <gtest/gtest.h>

// The reference example: NAME C(10), QTY N(5,0), OK L, NOTES M(10), three records, one tag
// NAME on UPPER(NAME). Every byte of the three files is fixed, except the date of the last
// update and the code page mark (ours is 0x00: text is UTF-8).
namespace {

std::string hex(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < text.size(); i += 3)
        bytes += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
    return bytes;
}

std::string padded(std::string bytes, std::size_t size) {
    bytes.resize(size, '\0');
    return bytes;
}

void makeDemo(const std::string& path) {
    dbf::Table::create(
        path, {{"NAME", 'C', 10, 0}, {"QTY", 'N', 5, 0}, {"OK", 'L', 1, 0}, {"NOTES", 'M', 10, 0}});
    auto t = dbf::Table::open(path);
    t->append();
    t->setText("NAME", "banana");
    t->setInteger("QTY", 12);
    t->setLogical("OK", true);
    t->setMemo("NOTES", "yellow");
    t->post();
    t->append();
    t->setText("NAME", "Apricot");
    t->setLogical("OK", false);
    t->post();
    t->append();
    t->setText("NAME", "apple");
    t->setInteger("QTY", 7);
    t->setMemo("NOTES", "red or green");
    t->post();
    t->createIndexTag("NAME", "UPPER(NAME)");
}

TEST(WorkedExample, TableMemoAndIndexAreByteExact) {
    TempDir dir;
    makeDemo(dir.file("demo.dbf"));

    std::string dbfBytes = readFile(dir.file("demo.dbf"));
    ASSERT_EQ(dbfBytes.size(), 243u);
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    std::string expected = hex("F5 00 00 00 03 00 00 00 A1 00 1B 00 ");
    expected[1] = static_cast<char>(tm.tm_year % 100);
    expected[2] = static_cast<char>(tm.tm_mon + 1);
    expected[3] = static_cast<char>(tm.tm_mday);
    expected += std::string(16, '\0') + hex("01 00 00 00 ");
    auto field = [](std::string name, char type, int offset, int width) {
        std::string d = padded(name, 11) + type;
        d += static_cast<char>(offset);
        d += std::string(3, '\0');
        d += static_cast<char>(width);
        return padded(d, 32);
    };
    expected += field("NAME", 'C', 1, 10) + field("QTY", 'N', 11, 5) + field("OK", 'L', 16, 1) +
                field("NOTES", 'M', 17, 10) + "\x0D";
    expected += std::string(" ") + "banana    " + "   12" + "T" + "         8";
    expected += std::string(" ") + "Apricot   " + "     " + "F" + "          ";
    expected += std::string(" ") + "apple     " + "    7" + " " + "         9";
    expected += "\x1A";
    EXPECT_EQ(dbfBytes, expected);

    std::string fpt = readFile(dir.file("demo.fpt"));
    std::string fptExpected = padded(hex("00 00 00 0A 00 00 00 40 "), 512) +
                              padded(hex("00 00 00 01 00 00 00 06 ") + "yellow", 64) +
                              padded(hex("00 00 00 01 00 00 00 0C ") + "red or green", 64);
    EXPECT_EQ(fpt, fptExpected);

    std::string cdx = readFile(dir.file("demo.cdx"));
    ASSERT_EQ(cdx.size(), 3072u);
    std::string header = hex("00 04 00 00 00 00 00 00 00 00 00 00 0A 00 E0 01 ");
    header = padded(header, 502) + hex("00 00 01 00 01 00 00 00 01 00 ");
    EXPECT_EQ(cdx.substr(0, 1024), padded(header, 1024));
    std::string directory = hex("03 00 01 00 FF FF FF FF FF FF FF FF E1 01 FF FF 00 00 0F 0F "
                                "10 04 04 03 00 06 60 ");
    EXPECT_EQ(cdx.substr(1024, 512), padded(directory, 508) + "NAME");
    std::string tagHeader = padded(hex("00 0A 00 00 00 00 00 00 00 00 00 00 0A 00 60 01 "), 502) +
                            hex("00 00 0C 00 01 00 00 00 0C 00 ") + "UPPER(NAME)";
    EXPECT_EQ(cdx.substr(1536, 1024), padded(tagHeader, 1024));
    std::string leaf = hex("03 00 03 00 FF FF FF FF FF FF FF FF D2 01 FF 00 00 00 0F 0F "
                           "08 04 04 02 03 50 02 32 01 40 ");
    EXPECT_EQ(cdx.substr(2560, 512), padded(leaf, 496) + "BANANARICOTAPPLE");

    auto t = dbf::Table::open(dir.file("demo.dbf"), dbf::Mode::ReadOnly);
    std::vector<std::uint32_t> order;
    for (t->first(); !t->eof(); t->next())
        order.push_back(t->recNo());
    EXPECT_EQ(order, (std::vector<std::uint32_t>{3, 2, 1}));
    t->go(2);
    EXPECT_TRUE(t->isBlank("QTY"));
    EXPECT_FALSE(t->getLogical("OK"));
    EXPECT_EQ(t->getMemo("NOTES"), "");
}

} // namespace
