#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "PackageWriter.h"
#include "merge/spreadsheet/MergedCells.h"
#include "merge/spreadsheet/NumberFormat.h"
#include "merge/spreadsheet/OdsReader.h"
#include "merge/spreadsheet/SpreadsheetError.h"
#include "merge/spreadsheet/SpreadsheetReader.h"
#include "merge/spreadsheet/XlsxReader.h"

// Test failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

QString Fixture(const QString& name) {
    return qEnvironmentVariable("QV_SOURCE_DIR") + QStringLiteral("/tests/data/spreadsheets/") +
           name;
}

// Every row the reader gives, "number: cell|cell|...".
QStringList Rows(SpreadsheetReader& reader) {
    QStringList rows;
    QStringList cells;
    while (reader.NextRow(cells))
        rows << QStringLiteral("%1: %2").arg(reader.RowNumber()).arg(cells.join(u'|'));
    return rows;
}

QStringList Rows(const QString& path, const QString& sheet = {}) {
    return Rows(*SpreadsheetReader::Open(path, sheet));
}

// The message of the error opening and reading the whole sheet raises, or "".
QString Fault(const QString& path, const QString& sheet = {}) {
    try {
        Rows(path, sheet);
    } catch (const SpreadsheetError& error) {
        return error.Message();
    }
    return {};
}

// The same two sheets, written by openpyxl, odfpy and LibreOffice (make_fixtures.py).
class SpreadsheetFixtureTest : public ::testing::TestWithParam<const char*> {};

TEST_P(SpreadsheetFixtureTest, ShowsCellsAsTheSpreadsheetDoes) {
    const auto reader = SpreadsheetReader::Open(Fixture(QString::fromLatin1(GetParam())));
    EXPECT_EQ(reader->SheetNames(), QStringList({"Addresses", "Products"}));
    EXPECT_EQ(reader->SheetName(), QStringLiteral("Addresses"));
    const QStringList expected = {
        "1: Name|Street|City|Born|Meets|Count|Price|Group|Note|Total",
        // Dates and times in ISO whatever their format; decimals and thousands as formatted.
        QStringLiteral("2: Zoë Müller|Königstraße 5|Köln|1984-02-29|14:30:00|3|12.50|Friends||4"),
        // The group merged down two rows reaches the second; text from rich runs.
        QStringLiteral("3: José Ñúñez|Calle Mayor 1|Málaga|1990-12-31|09:05:30|42|7.25|Friends|"
                       "Say „hi“ 👋|43"),
        // Row 4 is empty; the street merged across two columns fills both.
        QStringLiteral("5: Åsa Ørsted|Hauptplatz 1, Graz|Hauptplatz 1, Graz|2001-07-04|00:00:00|"
                       "1,000,000|0.50|Family||1000001")};
    EXPECT_EQ(Rows(*reader), expected);
    reader->Rewind();
    EXPECT_EQ(Rows(*reader), expected);
    // Columns past the limit are neither read out nor filled.
    reader->SetColumnLimit(2);
    reader->Rewind();
    EXPECT_EQ(Rows(*reader),
              QStringList({"1: Name|Street", QStringLiteral("2: Zoë Müller|Königstraße 5"),
                           QStringLiteral("3: José Ñúñez|Calle Mayor 1"),
                           QStringLiteral("5: Åsa Ørsted|Hauptplatz 1, Graz")}));
}

TEST_P(SpreadsheetFixtureTest, ChoosesASheetByName) {
    const QString path = Fixture(QString::fromLatin1(GetParam()));
    const QStringList products = {"1: SKU|Product|Stock", QStringLiteral("2: A-1|Crème brûlée|12"),
                                  QStringLiteral("3: B-2|Smørrebrød|0"),
                                  QStringLiteral("4: C-3|Łódź mug|7")};
    EXPECT_EQ(Rows(path, "Products"), products);
    EXPECT_EQ(Rows(path, "PRODUCTS"), products);
    EXPECT_EQ(Fault(path, "Stock"),
              "the file has no sheet \"Stock\"; its sheets are \"Addresses\", \"Products\"");
}

INSTANTIATE_TEST_SUITE_P(Writers, SpreadsheetFixtureTest,
                         ::testing::Values("addresses.xlsx", "addresses-lo.xlsx", "addresses.ods",
                                           "addresses-lo.ods"));

TEST(NumberFormatTest, ShowsNumbersDatesAndTimes) {
    const auto show = [](const char* code, double value, bool date1904 = false) {
        return NumberFormat::Parse(QString::fromUtf8(code)).Show(value, date1904);
    };
    EXPECT_EQ(show("General", 42), "42");
    EXPECT_EQ(show("General", -7), "-7");
    EXPECT_EQ(show("General", 0.1 + 0.2), "0.3");
    EXPECT_EQ(show("General", 123456789012), "123456789012");
    EXPECT_EQ(show("0", 3.7), "4");
    EXPECT_EQ(show("0.00", 12.5), "12.50");
    EXPECT_EQ(show("0.00", -0.001), "0.00");
    EXPECT_EQ(show("#,##0", 1234567), "1,234,567");
    EXPECT_EQ(show("#,##0.00 \"€\"", -1234.5), "-1,234.50");
    EXPECT_EQ(show("0%", 0.256), "26%");
    EXPECT_EQ(show("0.0%", 0.256), "25.6%");
    EXPECT_EQ(show("0.00E+00", 12345), "12345"); // scientific shows as general
    // Dates whatever their order, with the 1900 system's phantom 29 February.
    EXPECT_EQ(show("d/m/yyyy", 45366), "2024-03-15");
    EXPECT_EQ(show("[$-409]mmm\\ yy;@", 45366), "2024-03-15");
    EXPECT_EQ(show("dd.mm.yy", 1), "1900-01-01");
    EXPECT_EQ(show("dd.mm.yy", 59), "1900-02-28");
    EXPECT_EQ(show("dd.mm.yy", 60), "1900-02-29");
    EXPECT_EQ(show("dd.mm.yy", 61), "1900-03-01");
    EXPECT_EQ(show("yyyy-mm-dd", 0, true), "1904-01-01");
    EXPECT_EQ(show("yyyy-mm-dd", 43904, true), "2024-03-15");
    // Times: minutes beside hours; elapsed hours; rounding to the second carries.
    EXPECT_EQ(show("h:mm AM/PM", 0.75), "18:00:00");
    EXPECT_EQ(show("mm:ss", 1.0 / 86400 * 61), "00:01:01");
    EXPECT_EQ(show("[h]:mm", 0.5), "12:00:00");
    EXPECT_EQ(show("yyyy-mm-dd hh:mm", 45366.999999), "2024-03-16 00:00:00");
    EXPECT_EQ(show("dd/mm/yyyy", -1), "-1"); // no date before the epoch
    // Built-in formats by number: dates, decimals, and none.
    EXPECT_EQ(NumberFormat::Builtin(14).Show(45366, false), "2024-03-15");
    EXPECT_EQ(NumberFormat::Builtin(22).Show(45366.5, false), "2024-03-15 12:00:00");
    EXPECT_EQ(NumberFormat::Builtin(4).Show(1234.5, false), "1,234.50");
    EXPECT_EQ(NumberFormat::Builtin(0).Show(2.5, false), "2.5");
}

TEST(XlsxReaderTest, ReadsEveryKindOfCell) {
    PackageWriter writer;
    const QByteArray strings =
        "<si><t>plain</t></si>"
        // Rich text: runs joined, the phonetic guide left out, an escaped carriage return.
        "<si><r><rPr><b/></rPr><t>Bold</t></r><r><t xml:space=\"preserve\"> and_x000D_ not</t>"
        "</r><rPh sb=\"0\" eb=\"1\"><t>ignored</t></rPh></si>";
    const QByteArray styles =
        "<numFmts><numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\"/></numFmts>"
        "<cellStyleXfs><xf numFmtId=\"2\"/></cellStyleXfs>"
        "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/><xf numFmtId=\"10\"/></cellXfs>";
    const QByteArray rows =
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
        "<c r=\"C1\" t=\"inlineStr\"><is><t>inline</t></is></c><c r=\"D1\" t=\"b\"><v>1</v></c>"
        "<c r=\"E1\" t=\"e\"><v>#DIV/0!</v></c><c r=\"F1\" t=\"str\"><f>A1&amp;\"!\"</f>"
        "<v>plain!</v></c><c r=\"G1\" s=\"1\"><f>TODAY()</f><v>45366</v></c>"
        "<c r=\"H1\" s=\"2\"><v>0.125</v></c><c r=\"I1\" t=\"d\"><v>2024-03-15T00:00:00</v></c>"
        "</row>"
        // Cells without references follow one another; a style beyond the table is general.
        "<row><c><v>1.5</v></c><c s=\"99\"><v>2</v></c><c/><c r=\"E2\"><v>5</v></c></row>"
        "<row r=\"7\"><c r=\"A7\" s=\"1\"/><c r=\"B7\" t=\"s\"/></row>"; // shows nothing
    const QString path = writer.Workbook("kinds.xlsx", rows, strings, styles);
    EXPECT_EQ(Rows(path), QStringList({"1: plain|Bold and\r not|inline|TRUE|#DIV/0!|plain!|"
                                       "2024-03-15|12.50%|2024-03-15",
                                       "2: 1.5|2|||5"}));
}

TEST(XlsxReaderTest, NamesTheFaultOfADamagedSheet) {
    PackageWriter writer;
    EXPECT_EQ(Fault(writer.Workbook("s.xlsx", "<row r=\"3\"><c t=\"s\"><v>4</v></c></row>",
                                    "<si><t>only</t></si>")),
              "sheet \"Data\", row 3: a cell names shared string 4, which the workbook lacks");
    EXPECT_EQ(Fault(writer.Workbook("o.xlsx", "<row r=\"5\"><c><v>1</v></c></row>"
                                              "<row r=\"2\"><c><v>1</v></c></row>")),
              "sheet \"Data\", row 5: the rows are out of order (row 2 follows)");
    EXPECT_EQ(Fault(writer.Workbook("c.xlsx", "<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>")),
              "sheet \"Data\", row 1: a cell is named \"XFE1\", past the last column");
    EXPECT_TRUE(Fault(writer.Workbook("x.xlsx", "<row><c><v>1</v></row>"))
                    .startsWith("the part xl/worksheets/sheet1.xml is damaged: line 1:"));
    EXPECT_EQ(Fault(writer.Write("n.xlsx", {{"hello.txt", "hi"}})),
              "the file is not an Excel workbook (it has no xl/workbook.xml)");
}

// A table of shared strings past its threshold moves to temporary files: every string
// reads back exactly, in any order, whether it was written out or still pending, and the
// files go with the reader.
TEST(XlsxReaderTest, KeepsALargeTableOfSharedStringsOnFile) {
    PackageWriter writer;
    const int count = 20000; // past a block of offsets and several blocks of text
    QByteArray strings, rows;
    const auto text = [](int i) {
        return QStringLiteral("Zoë Müller %1 – Königstraße, 東京 %2").arg(i).arg(i % 7 ? "" : "€");
    };
    for (int i = 0; i < count; ++i)
        strings += "<si><t>" + text(i).toUtf8() + "</t></si>";
    QStringList expected;
    for (int row = 1; row <= count / 2; ++row) {
        // From the end back, and jumping about the table.
        const int back = count - row, jump = int((long long)(row)*7919 % count);
        rows += "<row r=\"" + QByteArray::number(row) + "\"><c t=\"s\"><v>" +
                QByteArray::number(back) + "</v></c><c t=\"s\"><v>" + QByteArray::number(jump) +
                "</v></c></row>";
        expected << QStringLiteral("%1: %2|%3").arg(row).arg(text(back), text(jump));
    }
    const QString path = writer.Workbook("spill.xlsx", rows, strings);
    QStringList files;
    {
        XlsxReader spilled(path, {}, 1000);
        files = spilled.SharedStringFiles();
        ASSERT_EQ(files.size(), 2);
        for (const QString& file : files) {
            EXPECT_TRUE(QFile::exists(file)) << file.toStdString();
            EXPECT_TRUE(file.startsWith(QDir::tempPath())) << file.toStdString();
        }
        EXPECT_EQ(Rows(spilled), expected);
        spilled.Rewind();
        EXPECT_EQ(Rows(spilled).mid(0, 3), expected.mid(0, 3));
    }
    for (const QString& file : files)
        EXPECT_FALSE(QFile::exists(file)) << file.toStdString();
    // Held in memory below the threshold, with the same result.
    XlsxReader held(path, {});
    EXPECT_TRUE(held.SharedStringFiles().isEmpty());
    EXPECT_EQ(Rows(held), expected);

    // Without a temporary folder to write to, the reason is given.
    const QByteArray tmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", writer.Path("no-such-folder").toUtf8());
    QString fault;
    try {
        XlsxReader nowhere(path, {}, 1000);
    } catch (const SpreadsheetError& error) {
        fault = error.Message();
    }
    tmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmp);
    EXPECT_TRUE(fault.startsWith("the workbook's table of shared strings cannot be kept in a "
                                 "temporary file in "))
        << fault.toStdString();
}

TEST(OdsReaderTest, ReadsRepeatsParagraphsAndValues) {
    PackageWriter writer;
    const QByteArray body =
        "<table:table-column table:number-columns-repeated=\"3\"/>"
        "<table:table-header-rows><table:table-row>"
        "<table:table-cell><text:p>A</text:p></table:table-cell>"
        "<table:table-cell table:number-columns-repeated=\"2\"><text:p>B</text:p>"
        "</table:table-cell></table:table-row></table:table-header-rows>"
        // Blanks in the markup collapse; <text:s/>, tabs and breaks are kept; notes are not.
        "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell><text:p>  two"
        "   words <text:s text:c=\"2\"/>x<text:tab/>y</text:p><text:p>second<text:line-break/>"
        "line<office:annotation><text:p>note</text:p></office:annotation></text:p>"
        "</table:table-cell><table:table-cell office:value-type=\"percentage\" "
        "office:value=\"0.25\"/><table:table-cell office:value-type=\"boolean\" "
        "office:boolean-value=\"true\"/></table:table-row>"
        "<table:table-row table:number-rows-repeated=\"1048000\"><table:table-cell "
        "table:number-columns-repeated=\"1024\"/></table:table-row>"
        "<table:table-row><table:table-cell office:value-type=\"float\" office:value=\"7\"/>"
        "<table:table-cell office:value-type=\"date\" office:date-value=\"2024-03-15T08:15:00\">"
        "<text:p>15.03.24</text:p></table:table-cell><table:table-cell "
        "office:value-type=\"string\" office:string-value=\"from the attribute\"/>"
        "</table:table-row>";
    const QString path = writer.Spreadsheet("kinds.ods", body);
    EXPECT_EQ(Rows(path), QStringList({"1: A|B|B", "2: two words   x\ty\nsecond\nline|25%|TRUE",
                                       "3: two words   x\ty\nsecond\nline|25%|TRUE",
                                       "1048004: 7|2024-03-15 08:15:00|from the attribute"}));
}

// An area merged in every row of a long sheet is forgotten once passed: more rows than there
// may be areas at once read through, each with its area's value, and so does an area that
// reaches down past where the passed ones are dropped.
TEST(OdsReaderTest, ForgetsMergedAreasOncePassed) {
    PackageWriter writer;
    const int rows = MergedCells::MaxAreas + 5000;
    QByteArray body;
    QStringList expected;
    for (int row = 1; row <= rows; ++row) {
        // Every 10,000th row's area also reaches two rows down, whose cells it covers.
        const int step = (row - 1) % 10000;
        const bool covered = step == 1 || step == 2;
        if (covered)
            body += "<table:table-row><table:covered-table-cell "
                    "table:number-columns-repeated=\"2\"/>";
        else
            body += "<table:table-row><table:table-cell table:number-columns-spanned=\"2\"" +
                    QByteArray(step == 0 ? " table:number-rows-spanned=\"3\"" : "") +
                    "><text:p>Row " + QByteArray::number(row) +
                    "</text:p></table:table-cell><table:covered-table-cell/>";
        body += "<table:table-cell><text:p>x</text:p></table:table-cell></table:table-row>";
        expected << QStringLiteral("%1: Row %2|Row %2|x").arg(row).arg(row - (covered ? step : 0));
    }
    EXPECT_EQ(Rows(writer.Spreadsheet("areas.ods", body)), expected);
}

TEST(OdsReaderTest, ConvertsDatesAndDurations) {
    EXPECT_EQ(OdsReader::Date("2024-03-15"), "2024-03-15");
    EXPECT_EQ(OdsReader::Date("2024-03-15T00:00:00"), "2024-03-15");
    EXPECT_EQ(OdsReader::Date("2024-03-15T23:59:59.5"), "2024-03-15 23:59:59");
    EXPECT_EQ(OdsReader::Date("15.03.2024"), "");
    EXPECT_EQ(OdsReader::Duration("PT14H30M05S"), "14:30:05");
    EXPECT_EQ(OdsReader::Duration("PT00H00M59.6S"), "00:01:00");
    EXPECT_EQ(OdsReader::Duration("P1DT2H"), "26:00:00");
    EXPECT_EQ(OdsReader::Duration("14:30"), "");
    EXPECT_EQ(OdsReader::Duration("PT5X"), "");
}

// Files built to hurt a reader are refused with the reason, in bounded time and memory.
class HostileSpreadsheetTest : public ::testing::Test {
protected:
    PackageWriter writer;
};

TEST_F(HostileSpreadsheetTest, RefusesZipBombs) {
    // 100 MiB of one repeated row packs to a few hundred KiB: refused before inflating.
    QByteArray row = "<row><c><v>1</v></c></row>";
    QByteArray rows = row.repeated(100 * 1024 * 1024 / row.size());
    const QString bomb = writer.Workbook("bomb.xlsx", rows);
    rows.clear();
    EXPECT_TRUE(Fault(bomb).contains("would unpack to")) << Fault(bomb).toStdString();

    // A part whose header declares less than it inflates to is stopped where the header
    // says it ends.
    const QString liar = writer.Workbook("liar.xlsx", row.repeated(200000));
    QFile file(liar);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const QByteArray name = "xl/worksheets/sheet1.xml";
    for (qsizetype at = bytes.indexOf(name); at >= 0; at = bytes.indexOf(name, at + 1)) {
        // Local header: size at name - 8; central directory entry: size at name - 22.
        const bool central = bytes.mid(at - 46, 4) == QByteArray("PK\x01\x02", 4);
        char* size = bytes.data() + at - (central ? 22 : 8);
        const quint32 small = 4096;
        std::memcpy(size, &small, 4);
    }
    file.seek(0);
    file.write(bytes);
    file.close();
    EXPECT_TRUE(Fault(liar).contains("unpacks to more than its header declares"))
        << Fault(liar).toStdString();
}

TEST_F(HostileSpreadsheetTest, RefusesEntitiesNestingAndHugeTexts) {
    const QByteArray laughs =
        "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\"><!ENTITY lol2 "
        "\"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">]><lolz>&lol2;</lolz>";
    const QString entities =
        writer.Write("laughs.ods", {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                                    {"content.xml", laughs}});
    EXPECT_TRUE(Fault(entities).contains("declares a document type or entities"))
        << Fault(entities).toStdString();

    const QByteArray deep =
        QByteArray("<span>").repeated(200) + "x" + QByteArray("</span>").repeated(200);
    EXPECT_TRUE(Fault(writer.Workbook("deep.xlsx",
                                      "<row><c t=\"inlineStr\"><is>" + deep + "</is></c></row>"))
                    .contains("nests its elements more than 64 deep"));

    const QString huge =
        writer.Workbook("huge.xlsx", "<row><c t=\"inlineStr\"><is><t>" + QByteArray(3 << 20, 'a') +
                                         "</t></is></c></row>");
    EXPECT_TRUE(Fault(huge).contains("holds a text or tag of more than 1 MiB"))
        << Fault(huge).toStdString();

    const QString longCell = writer.Workbook(
        "long.xlsx", "<row><c t=\"inlineStr\"><is>" +
                         QByteArray("<t>" + QByteArray(40000, 'b') + "</t>").repeated(2) +
                         "</is></c></row>");
    EXPECT_TRUE(Fault(longCell).contains("a cell holds more than 65536 characters"))
        << Fault(longCell).toStdString();
}

TEST_F(HostileSpreadsheetTest, RefusesRepetitionBombs) {
    // A row of a thousand cells repeated a million times is a billion cells.
    const QString repeated = writer.Spreadsheet(
        "repeated.ods", "<table:table-row table:number-rows-repeated=\"1000000\"><table:table-cell "
                        "table:number-columns-repeated=\"1000\"><text:p>x</text:p>"
                        "</table:table-cell></table:table-row>");
    EXPECT_TRUE(Fault(repeated).contains("repeats its cells more than"))
        << Fault(repeated).toStdString();

    // Tens of thousands of areas over every row would cost rows times areas.
    const QByteArray areas = QByteArray("<mergeCell ref=\"A1:B1048576\"/>").repeated(60000);
    const QString merged =
        writer.Workbook("areas.xlsx", QByteArray("<row><c><v>1</v></c></row>").repeated(20000), {},
                        {}, "<mergeCells>" + areas + "</mergeCells>");
    EXPECT_TRUE(Fault(merged).contains("merged areas overlap past all reason"))
        << Fault(merged).toStdString();
}

TEST_F(HostileSpreadsheetTest, RefusesWhatIsNoSpreadsheet) {
    EXPECT_EQ(Fault(writer.Write("text.ods", {{"mimetype", "application/vnd.oasis.opendocument."
                                                           "text"},
                                              {"content.xml", "<x/>"}})),
              "the file is an OpenDocument file of another kind "
              "(application/vnd.oasis.opendocument.text), not a spreadsheet");
    QFile plain(writer.Path("plain.xlsx"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("Name,City\nAda,London\n");
    plain.close();
    EXPECT_TRUE(Fault(plain.fileName()).startsWith("the file is not a spreadsheet package"))
        << Fault(plain.fileName()).toStdString();
    EXPECT_EQ(Fault(writer.Path("missing.ods")), "the file cannot be opened");
    // A pipe is refused at once rather than waited on.
    const QString fifo = writer.Path("pipe.xlsx");
    ASSERT_EQ(mkfifo(fifo.toUtf8().constData(), 0600), 0);
    EXPECT_EQ(Fault(fifo), "the name is not that of a regular file");
    EXPECT_EQ(
        Fault(writer.Write("empty.ods", {{"content.xml", "<office:document-content xmlns:office=\""
                                                         "urn:oasis:names:tc:opendocument:"
                                                         "xmlns:office:1.0\"><office:body/>"
                                                         "</office:document-content>"}})),
        "the file has no worksheet");
}

} // namespace
