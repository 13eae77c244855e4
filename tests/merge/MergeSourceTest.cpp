#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>
#include <sys/stat.h>

#include "merge/CsvMergeSource.h"
#include "merge/CsvReader.h"
#include "merge/MergeSource.h"
#include "merge/MergeSourceError.h"
#include "merge/MergeSourceRegistry.h"
#include "merge/TableMergeSource.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows ReadAll(const std::string& text, char delimiter = ',') {
    std::istringstream in(text);
    CsvReader reader(in, delimiter);
    Rows rows;
    std::vector<std::string> fields;
    while (reader.ReadRecord(fields))
        rows.push_back(fields);
    return rows;
}

// The message of the error reading text raises, or "" when it reads.
std::string CsvFault(const std::string& text, long long* line = nullptr) {
    try {
        ReadAll(text);
    } catch (const CsvReader::Error& error) {
        if (line)
            *line = error.line;
        return error.what();
    }
    return {};
}

class MergeSourceTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    // Every record of a source, values joined by "|".
    static QStringList Records(MergeSource& source) {
        QStringList records;
        while (source.Next())
            records << source.Values().join(u'|');
        return records;
    }
    // The message of the error opening and reading the whole file raises.
    static QString SourceFault(const QString& path) {
        try {
            MergeSource::Open(path)->Validate();
        } catch (const MergeSourceError& error) {
            return error.Message();
        }
        return {};
    }
    QTemporaryDir dir;
};

} // namespace

TEST(CsvReader, QuotingAsRfc4180Defines) {
    // Quoted fields hold delimiters, doubled quotes and every kind of line break.
    EXPECT_EQ(ReadAll("a,\"b,c\",\"say \"\"hi\"\"\"\r\n"), Rows({{"a", "b,c", "say \"hi\""}}));
    EXPECT_EQ(ReadAll("\"one\r\ntwo\",\"x\ny\",\"p\rq\"\n"), Rows({{"one\ntwo", "x\ny", "p\nq"}}));
    // Empty fields, quoted or not, and a quote inside an unquoted field kept as typed.
    EXPECT_EQ(ReadAll(",\"\",\n"), Rows({{"", "", ""}}));
    EXPECT_EQ(ReadAll("5\" disk,b\n"), Rows({{"5\" disk", "b"}}));
    // Blanks around fields belong to them.
    EXPECT_EQ(ReadAll(" a , b \n"), Rows({{" a ", " b "}}));
}

TEST(CsvReader, RecordEndsBlankLinesAndByteOrderMark) {
    const Rows expected{{"h1", "h2"}, {"1", "2"}, {"3", "4"}};
    EXPECT_EQ(ReadAll("h1,h2\r\n1,2\r\n3,4\r\n"), expected);
    EXPECT_EQ(ReadAll("h1,h2\n1,2\n3,4"), expected); // no final line break
    EXPECT_EQ(ReadAll("h1,h2\r1,2\r3,4\r"), expected);
    EXPECT_EQ(ReadAll("h1,h2\n\n1,2\r\n\r\n3,4\n\n"), expected);
    EXPECT_EQ(ReadAll("\xEF\xBB\xBFh1,h2\n1,2\n3,4\n"), expected);
    EXPECT_EQ(ReadAll(""), Rows());
    EXPECT_EQ(ReadAll("\n\r\n"), Rows());
    // The other delimiters are text; a quote that does not open a field protects nothing.
    EXPECT_EQ(ReadAll("a;b\t,c;\"d;e\"\n", ';'), Rows({{"a", "b\t,c", "d;e"}}));
    EXPECT_EQ(ReadAll("a;b\"c;d\"\n", ';'), Rows({{"a", "b\"c", "d\""}}));
}

TEST(CsvReader, DelimiterFromTheFirstLineOutsideQuotes) {
    EXPECT_EQ(CsvReader::DetectDelimiter("Name,Street,City\n1;2;3;4;5"), ',');
    EXPECT_EQ(CsvReader::DetectDelimiter("Name;Street;\"City, Town\"\n"), ';');
    EXPECT_EQ(CsvReader::DetectDelimiter("Name\tStreet\t\"a,b,c,d\"\r\n"), '\t');
    EXPECT_EQ(CsvReader::DetectDelimiter("Name"), ',');
    EXPECT_EQ(CsvReader::DetectDelimiter("a,b;c"), ',');
}

TEST(CsvReader, MalformedTextIsRefusedWithItsLine) {
    long long line = 0;
    EXPECT_EQ(CsvFault("a,b\n1,\"open\n2,3\n4,5\n", &line), "a quote that is never closed");
    EXPECT_EQ(line, 2);
    EXPECT_EQ(CsvFault("a,b\n\"x\"y,2\n", &line), "text after a closing quote");
    EXPECT_EQ(line, 2);
    EXPECT_EQ(CsvFault(std::string("a,b\n1,2\nx\0y,3\n", 14), &line), "a NUL byte");
    EXPECT_EQ(line, 3);
    EXPECT_EQ(CsvFault(std::string("a\n\"") + std::string(10 * 1024 * 1024, 'x') + "\"\n", &line),
              "a field longer than 65536 bytes");
    EXPECT_EQ(line, 2);
    EXPECT_EQ(CsvFault(std::string(CsvReader::MaxFields + 1, ',')), "more than 1024 fields");
}

TEST_F(MergeSourceTest, CsvFieldsByNameAndEncodings) {
    // UTF-8 with a mark; a field in Windows-1252 among UTF-8 ones reads as such.
    const QString path =
        Write(QStringLiteral("people.csv"),
              "\xEF\xBB\xBF Name ;City\r\nJos\xC3\xA9;K\xF6ln\r\n\"Ann\";\"\"\r\n");
    CsvMergeSource source(path);
    EXPECT_EQ(source.Delimiter(), ';');
    EXPECT_EQ(source.FieldNames(), QStringList({"Name", "City"}));
    ASSERT_TRUE(source.Next());
    EXPECT_EQ(source.RecordNumber(), 1);
    EXPECT_EQ(source.Field(QStringLiteral("name")), QStringLiteral("José"));
    EXPECT_EQ(source.Field(QStringLiteral(" CITY ")), QStringLiteral("Köln"));
    EXPECT_EQ(source.Field(QStringLiteral("Zip")), std::nullopt);
    ASSERT_TRUE(source.Next());
    EXPECT_EQ(source.Field(QStringLiteral("City")), QString());
    EXPECT_FALSE(source.Next());
    // Reading through counts the records and leaves the source at its start again.
    EXPECT_EQ(source.Validate(), 2);
    EXPECT_EQ(Records(source), QStringList({"José|Köln", "Ann|"}));
}

TEST_F(MergeSourceTest, BadCsvFilesNameTheFileLineAndRecord) {
    const QString ragged = Write(QStringLiteral("ragged.csv"), "a,b\n1,2\n3\n4,5\n");
    EXPECT_EQ(SourceFault(ragged), ragged + ", line 3 (record 2): 1 fields where the first "
                                            "row names 2");
    const QString open = Write(QStringLiteral("open.csv"), "a,b\n1,2\n3,\"x\n");
    EXPECT_EQ(SourceFault(open), open + ", line 3 (record 2): a quote that is never closed");
    const QString nul = Write(QStringLiteral("nul.csv"), QByteArray("a,b\n1,\0\n", 8));
    EXPECT_EQ(SourceFault(nul), nul + ", line 2 (record 1): a NUL byte");
    const QString big =
        Write(QStringLiteral("big.csv"), "a\n" + QByteArray(10 * 1024 * 1024, 'x') + "\n");
    EXPECT_EQ(SourceFault(big), big + ", line 2 (record 1): a field longer than 65536 bytes");
    const QString empty = Write(QStringLiteral("empty.csv"), "\r\n");
    EXPECT_EQ(SourceFault(empty),
              empty + ", line 1: the file is empty; its first row must name the fields");
    const QString twice = Write(QStringLiteral("twice.csv"), "Name,name\n1,2\n");
    EXPECT_EQ(SourceFault(twice), twice + ": the field name \"name\" is used twice");
    const QString unnamed = Write(QStringLiteral("unnamed.csv"), "Name,\n1,2\n");
    EXPECT_EQ(SourceFault(unnamed), unnamed + ": field 2 of the first row has no name");
    const QString missing = dir.filePath(QStringLiteral("gone.csv"));
    EXPECT_EQ(SourceFault(missing), missing + ": the file cannot be opened");

    // What is not a file is refused at once: a folder is not "empty", and a FIFO, which
    // would wait for a writer for ever, is never opened.
    QDir(dir.path()).mkdir(QStringLiteral("folder.csv"));
    const QString folder = dir.filePath(QStringLiteral("folder.csv"));
    EXPECT_EQ(SourceFault(folder), folder + ": not a regular file but a folder");
    const QString fifo = dir.filePath(QStringLiteral("fifo.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(SourceFault(fifo), fifo + ": not a regular file");
    const QString fifoTable = dir.filePath(QStringLiteral("fifo.dbf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifoTable).constData(), 0600), 0);
    EXPECT_EQ(SourceFault(fifoTable), fifoTable + ": not a regular file");
}

// The file is opened once and read from its start again at every rewind: what is printed is
// what was checked, even when another program replaces the file meanwhile.
TEST_F(MergeSourceTest, CsvIsOpenedOnceAndRewoundInPlace) {
    const QString path = Write(QStringLiteral("people.csv"), "Name\nAda\nGrace\n");
    const std::unique_ptr<MergeSource> source = MergeSource::Open(path);
    EXPECT_EQ(source->Validate(), 2);
    ASSERT_TRUE(QFile::remove(path));
    Write(QStringLiteral("people.csv"), "Other\nX\n");
    source->Rewind();
    EXPECT_EQ(Records(*source), (QStringList{"Ada", "Grace"}));
    source->Rewind();
    EXPECT_EQ(Records(*source), (QStringList{"Ada", "Grace"}));
}

// A table written by another program (the python dbf package): character, numeric, logical,
// date and memo fields, a deleted record left out.
TEST_F(MergeSourceTest, TableWrittenByAnotherProgram) {
    // The Debian interpreter, which has python3-dbf, before any other on the path.
    QString python3 = QStringLiteral("/usr/bin/python3");
    if (!QFile::exists(python3))
        python3 = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python3.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    const QString path = dir.filePath(QStringLiteral("PEOPLE.DBF"));
    const QString script = QStringLiteral(
        "import dbf, datetime, sys\n"
        "t = dbf.Table(sys.argv[1], 'NAME C(20); QTY N(5,0); VIP L; BORN D; NOTE M',"
        " dbf_type='vfp', codepage='utf8')\n"
        "t.open(dbf.READ_WRITE)\n"
        "t.append(('Ann Smith', 3, True, datetime.date(1990, 5, 17), 'line one\\r\\nline two'))\n"
        "t.append(('Gone', 1, False, None, ''))\n"
        "t.append(('Zoë', 12, False, None, 'x' * 3000))\n"
        "dbf.delete(t[1])\n"
        "t.close()\n");
    QProcess python;
    python.start(python3, {QStringLiteral("-c"), script, path});
    ASSERT_TRUE(python.waitForFinished(60000));
    if (python.exitCode() != 0)
        GTEST_SKIP() << "python3-dbf could not write the table: "
                     << python.readAllStandardError().toStdString();

    std::unique_ptr<MergeSource> source = MergeSource::Open(path);
    EXPECT_NE(dynamic_cast<TableMergeSource*>(source.get()), nullptr);
    EXPECT_EQ(source->FieldNames(), QStringList({"NAME", "QTY", "VIP", "BORN", "NOTE"}));
    EXPECT_EQ(source->Validate(), 2);
    ASSERT_TRUE(source->Next());
    EXPECT_EQ(source->RecordNumber(), 1);
    EXPECT_EQ(source->Field(QStringLiteral("Name")), QStringLiteral("Ann Smith"));
    EXPECT_EQ(source->Field(QStringLiteral("qty")), QStringLiteral("3"));
    EXPECT_EQ(source->Field(QStringLiteral("VIP")), QStringLiteral("T"));
    EXPECT_EQ(source->Field(QStringLiteral("BORN")), QStringLiteral("19900517"));
    EXPECT_EQ(source->Field(QStringLiteral("note")), QStringLiteral("line one\r\nline two"));
    ASSERT_TRUE(source->Next());
    EXPECT_EQ(source->RecordNumber(), 3);
    EXPECT_EQ(source->Field(QStringLiteral("NAME")), QStringLiteral("Zoë"));
    EXPECT_EQ(source->Field(QStringLiteral("NOTE"))->size(), 3000);
    EXPECT_FALSE(source->Next());
}

TEST_F(MergeSourceTest, TableThatCannotBeOpenedNamesTheFile) {
    const QString path = Write(QStringLiteral("BROKEN.DBF"), QByteArray(20, 'x'));
    const QString fault = SourceFault(path);
    EXPECT_TRUE(fault.startsWith(path + QStringLiteral(": the table cannot be opened: ")))
        << fault.toStdString();
}

// The registry decides by the file's name alone, case-blind, and reads whatever no kind
// claims as CSV text; the dialog's filter and the batch help name every kind it lists.
TEST_F(MergeSourceTest, RegistryChoosesTheKindByName) {
    const auto kindName = [](const QString& file) {
        return MergeSourceRegistry::KindFor(file).Name;
    };
    const QString table = QStringLiteral("dBASE/FoxPro table");
    const QString csv = QStringLiteral("CSV text");
    EXPECT_EQ(kindName(QStringLiteral("/data/PEOPLE.DBF")), table);
    EXPECT_EQ(kindName(QStringLiteral("people.Dbf")), table);
    EXPECT_EQ(kindName(QStringLiteral("people.csv")), csv);
    EXPECT_EQ(kindName(QStringLiteral("people.tsv")), csv);
    EXPECT_EQ(kindName(QStringLiteral("people.list")), csv);
    EXPECT_EQ(kindName(QStringLiteral("dbf.dir/people")), csv); // the folder does not count
    EXPECT_EQ(kindName(QStringLiteral("Stock.ODS")), QStringLiteral("Spreadsheet"));

    // A ".dbf" that holds CSV text is read as a table and refused, not guessed at.
    const QString path = Write(QStringLiteral("people.dbf"), "Name\nAda\n");
    EXPECT_TRUE(SourceFault(path).contains(QStringLiteral("the table cannot be opened")));
    const QString text = Write(QStringLiteral("people.list"), "Name;Town\nAda;London\n");
    std::unique_ptr<MergeSource> source = MergeSourceRegistry::Open(text);
    EXPECT_EQ(source->FieldNames(), QStringList({"Name", "Town"}));

    EXPECT_EQ(MergeSourceRegistry::FileFilters(),
              QStringList({"Merge sources (*.csv *.txt *.tsv *.dbf *.DBF *.ods *.xlsx *.xlsm)",
                           "All files (*)"}));
    const QString help = MergeSourceRegistry::HelpText();
    for (const MergeSourceKind& kind : MergeSourceRegistry::Kinds()) {
        EXPECT_TRUE(help.contains(kind.Patterns.join(u' '))) << kind.Name.toStdString();
        EXPECT_TRUE(help.contains(kind.Description)) << kind.Name.toStdString();
    }
    int unclaimed = 0;
    for (const MergeSourceKind& kind : MergeSourceRegistry::Kinds())
        unclaimed += kind.TakesUnclaimed ? 1 : 0;
    EXPECT_EQ(unclaimed, 1);
}
