#include "Labels.h"
#include "TempDir.h"
#include "storage/dbf/Table.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>

// Cross-checks with independent xBase readers and writers: the Perl XBase modules and
// python3-dbfread read what we write; python3-dbf writes tables we must read.
namespace {

std::string run(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return out;
    std::array<char, 4096> buffer{};
    while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), n);
    pclose(pipe);
    return out;
}

bool have(const std::string& check) {
    return run(check + " >/dev/null 2>&1 && echo yes") == "yes\n";
}

// A label table with a multi-level index: mixed case, blanks, UTF-8, deleted records.
std::string makeTable(const TempDir& dir, std::vector<std::string>& expectedOrder) {
    std::string path = dir.file("LABELS.DBF");
    dbf::Table::create(path, labelFields());
    auto t = dbf::Table::open(path);
    t->setSyncWrites(false);
    t->createIndexTag("DESCRIPT", "upper(DESCRIPT)");
    for (int i = 0; i < 2000; ++i) {
        std::string d = (i % 3 ? "label " : "Label ") + std::to_string((i * 7919) % 2000);
        addLabel(*t, d, "TYPE=TEXT\r\nTEXT=" + d);
    }
    addLabel(*t, "\xC3\xA9tiquette", "caf\xC3\xA9");
    t->go(10);
    t->deleteRecord();
    t->flush();
    std::vector<std::pair<std::string, std::uint32_t>> keys;
    for (std::uint32_t r = 1; r <= t->recordCount(); ++r) {
        t->go(r);
        keys.emplace_back(dbf::upperKey(t->getText("DESCRIPT")), r);
    }
    std::sort(keys.begin(), keys.end());
    for (auto& k : keys)
        expectedOrder.push_back(k.first + " " + std::to_string(k.second));
    return path;
}

TEST(Interop, PerlXBaseListsRecordsMemosAndTagInKeyOrder) {
    if (!have("/usr/bin/perl -MXBase -MXBase::Index -e 1"))
        GTEST_SKIP() << "libdbd-xbase-perl is not installed";
    TempDir dir;
    std::vector<std::string> expected;
    std::string path = makeTable(dir, expected);
    std::string script = dir.file("check.pl");
    writeFile(script, R"PERL(
use XBase; use XBase::Index;
my ($dbf, $cdx) = @ARGV;
my $t = XBase->new($dbf) or die XBase->errstr;
print "records ", $t->last_record + 1, "\n";
my ($del, $d, $m) = $t->get_record(1, "DESCRIPT", "OBJECTS");
$m =~ s/\r\n/|/g;
print "record 2: $del|$d|$m\n";
($del) = $t->get_record(9, "DESCRIPT");
print "record 10 deleted: $del\n";
my $idx = XBase::Index->new($cdx, tag => "DESCRIPT", type => "char") or die XBase::Index->errstr;
$idx->prepare_select;
while (my ($k, $v) = $idx->fetch) { $k =~ s/ +$//; print "$k $v\n"; }
)PERL");
    std::string out = run("/usr/bin/perl " + script + " " + path + " " + dir.file("LABELS.CDX"));
    std::istringstream lines(out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "records 2001");
    std::getline(lines, line);
    EXPECT_EQ(line, "record 2: 0|label 1919|TYPE=TEXT|TEXT=label 1919");
    std::getline(lines, line);
    EXPECT_EQ(line, "record 10 deleted: 1");
    std::vector<std::string> keys;
    while (std::getline(lines, line))
        keys.push_back(line);
    for (auto& e : expected)
        while (!e.empty() && e.find("  ") != std::string::npos)
            e.erase(e.find("  "), 1);
    ASSERT_EQ(keys.size(), expected.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::string want = expected[i];
        auto space = want.rfind(' ');
        std::string key = want.substr(0, space);
        while (!key.empty() && key.back() == ' ')
            key.pop_back();
        ASSERT_EQ(keys[i], key + want.substr(space)) << "entry " << i;
    }
}

TEST(Interop, DbfreadReadsRecordsAndMemos) {
    if (!have("/usr/bin/python3 -c 'import dbfread'"))
        GTEST_SKIP() << "python3-dbfread is not installed";
    TempDir dir;
    std::vector<std::string> expected;
    std::string path = makeTable(dir, expected);
    std::string out =
        run("/usr/bin/python3 -c \"import dbfread,sys\n"
            "t = dbfread.DBF(sys.argv[1], encoding='utf-8', ignore_missing_memofile=False)\n"
            "rs = list(t)\n"
            "print(len(rs)); print(rs[0]['DESCRIPT'], rs[0]['LBLHEIGHT'], rs[0]['USERDEF'])\n"
            "print(repr(rs[-1]['DESCRIPT']), repr(rs[-1]['OBJECTS']))\" " +
            path);
    // dbfread skips deleted records by default.
    EXPECT_EQ(out, "2000\nLabel 0 None None\n'\xC3\xA9tiquette' 'caf\xC3\xA9'\n");
}

TEST(Interop, TablesWrittenByPythonDbfOpenAndRead) {
    if (!have("/usr/bin/python3 -c 'import dbf'"))
        GTEST_SKIP() << "python3-dbf is not installed";
    TempDir dir;
    std::string fox = dir.file("fox.dbf"), db3 = dir.file("plain.dbf");
    std::string out =
        run("/usr/bin/python3 -c \"import dbf,sys\n"
            "t = dbf.Table(sys.argv[1], 'NAME C(20); QTY N(6,2); OK L; NOTES M', dbf_type='fp', "
            "codepage='cp1252')\n"
            "t.open(dbf.READ_WRITE)\n"
            "t.append(('Zebra', 3.5, True, 'line1\\r\\nline2'))\n"
            "t.append(('\\u00e4pfel', None, None, ''))\n"
            "t.append(('apple', -2, False, 'x'))\n"
            "t.close()\n"
            "u = dbf.Table(sys.argv[2], 'NAME C(10); QTY N(4,0)', dbf_type='db3')\n"
            "u.open(dbf.READ_WRITE); u.append(('hello', 42)); u.close()\n"
            "print('ok')\" " +
            fox + " " + db3 + " 2>&1");
    ASSERT_EQ(out, "ok\n");
    {
        auto t = dbf::Table::open(fox); // longer header, no end mark, cp1252 text
        EXPECT_EQ(t->recordCount(), 3u);
        t->go(1);
        EXPECT_EQ(t->getText("NAME"), "Zebra");
        EXPECT_DOUBLE_EQ(t->getFloat("QTY"), 3.5);
        EXPECT_TRUE(t->getLogical("OK"));
        EXPECT_EQ(t->getMemoLines("NOTES"), (std::vector<std::string>{"line1", "line2"}));
        t->go(2);
        EXPECT_EQ(t->getText("NAME"), "\xC3\xA4pfel"); // Windows-1252 read as such
        EXPECT_TRUE(t->isBlank("QTY"));
        EXPECT_EQ(t->getMemo("NOTES"), "");
        t->go(3);
        EXPECT_DOUBLE_EQ(t->getFloat("QTY"), -2.0);
        t->createIndexTag("NAME", "upper(NAME)");
        std::vector<std::string> names;
        for (t->first(); !t->eof(); t->next())
            names.push_back(t->getText("NAME"));
        EXPECT_EQ(names, (std::vector<std::string>{"apple", "Zebra", "\xC3\xA4pfel"}));
        t->append();
        t->setText("NAME", "new");
        t->setMemo("NOTES", "added by us");
        t->post();
    }
    if (have("/usr/bin/python3 -c 'import dbfread'")) {
        out = run("/usr/bin/python3 -c \"import dbfread,sys\n"
                  "rs = list(dbfread.DBF(sys.argv[1], encoding='latin-1'))\n"
                  "print(len(rs), rs[3]['NAME'], rs[3]['NOTES'])\" " +
                  fox);
        EXPECT_EQ(out, "4 new added by us\n");
    }
    auto plain = dbf::Table::open(db3, dbf::Mode::ReadOnly);
    plain->first();
    EXPECT_EQ(plain->getText("NAME"), "hello");
    EXPECT_EQ(plain->getInteger("QTY"), 42);
}

} // namespace
