// Mail merge to PDF on a 3 x 10 letter sheet: records from a generated CSV file, one per
// label (three text items drawn from three fields), against the same sheets without a merge
// (the same three texts as typed). Prints milliseconds per label and per sheet, the time to
// read the file through before the job, and the peak memory after each size, so that growth
// with the number of records shows. The same records then come from an XLSX workbook (shared
// strings, as spreadsheet programs write them) and, when QV_BENCH_PG names a PostgreSQL
// database (postgresql:///db?host=/socket/folder&user=me, the password in PGPASSWORD), from a
// table there. Peak memory is the process's so far (and, where the kernel lets it be reset,
// each merged row's own).
// Usage: bench_merge [records] (default 100000).
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <zip.h>

#include "merge/MergeRun.h"
#include "merge/MergeSource.h"
#include "merge/MergeSourceAddress.h"
#include "merge/MergeSourceError.h"
#include "printing/SheetJob.h"
#include "printing/TReportPdfWriter.h"

namespace {

QString Text(const QString& text, double top) {
    return QStringLiteral("LABELITEM=TEXT\nTOP=%1\nLEFT=0.1\nWIDTH=2\nHEIGHT=0.2\nFONTSIZE=10\n"
                          "FONTCOLOR=0\nANGLE=0\nTEXT=%2\nFONTNAME=Arial\nFONTBOLD=N\n"
                          "FONTITALIC=N\nFONTUNDER=N\nRELATIVEX=0\nRELATIVEY=0\n")
        .arg(top)
        .arg(text);
}

SheetJob Job(const QString& name, const QString& street, const QString& city) {
    SheetJob job;
    job.Label.geometry = {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "RR"};
    job.ObjectsText = Text(name, 0.05) + Text(street, 0.3) + Text(city, 0.55) +
                      QStringLiteral("NOTHING=NOTHING\n");
    return job;
}

// The same address as one text box of three lines that shrinks to fit each record, centred.
SheetJob BoxJob() {
    SheetJob job = Job({}, {}, {});
    job.ObjectsText = QStringLiteral(
        "LABELITEM=TEXT\nTEXT={Name}\nTOP=0.05\nLEFT=0.1\nWIDTH=2.4\nHEIGHT=0.85\nFONTSIZE=14\n"
        "FONTCOLOR=0\nANGLE=0\nFONTNAME=Arial\nFONTBOLD=N\nFONTITALIC=N\nFONTUNDER=N\n"
        "RELATIVEX=0\nRELATIVEY=0\nTEXTLINE={Street}\nTEXTLINE={City}\nBOX=Y\nALIGN=C\n"
        "SHRINK=Y\nNOTHING=NOTHING\n");
    return job;
}

QString WriteCsv(const QTemporaryDir& dir, int records) {
    const QString path = dir.filePath(QStringLiteral("addresses-%1.csv").arg(records));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("Name,Street,City\n");
    for (int i = 1; i <= records; ++i)
        file.write(QStringLiteral("Person %1,\"%2 Elm Street, Apt %1\",Springfield %3\n")
                       .arg(i)
                       .arg(100 + i % 900)
                       .arg(10000 + i % 90000)
                       .toUtf8());
    return path;
}

// The same records as an XLSX workbook: a shared string for every text, as Excel and
// LibreOffice write them. Its parts are written to files first, so that making it costs the
// bench little memory of its own.
QString WriteXlsx(const QTemporaryDir& dir, int records) {
    const QString path = dir.filePath(QStringLiteral("addresses-%1.xlsx").arg(records));
    QFile strings(dir.filePath(QStringLiteral("strings-%1.xml").arg(records)));
    QFile sheet(dir.filePath(QStringLiteral("sheet-%1.xml").arg(records)));
    strings.open(QIODevice::WriteOnly);
    sheet.open(QIODevice::WriteOnly);
    strings.write("<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">");
    sheet.write("<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                "<sheetData>");
    int next = 0;
    const auto row = [&](const QStringList& texts, int number) {
        QByteArray cells = "<row r=\"" + QByteArray::number(number) + "\">";
        for (const QString& text : texts) {
            strings.write("<si><t>" + text.toHtmlEscaped().toUtf8() + "</t></si>");
            cells += "<c t=\"s\"><v>" + QByteArray::number(next++) + "</v></c>";
        }
        sheet.write(cells + "</row>");
    };
    row({"Name", "Street", "City"}, 1);
    for (int i = 1; i <= records; ++i)
        row({QStringLiteral("Person %1").arg(i),
             QStringLiteral("%1 Elm Street, Apt %2").arg(100 + i % 900).arg(i),
             QStringLiteral("Springfield %1").arg(10000 + i % 90000)},
            i + 1);
    strings.write("</sst>");
    sheet.write("</sheetData></worksheet>");
    strings.close();
    sheet.close();
    const QByteArray office = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    const std::vector<std::pair<const char*, QByteArray>> parts = {
        {"_rels/.rels", "<Relationships><Relationship Id=\"r\" Type=\"" + office +
                            "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml", "<workbook xmlns:r=\"" + office + "\"><sheets><sheet name=\"A\" "
                            "sheetId=\"1\" r:id=\"s\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id=\"s\" Type=\"" + office + "worksheet\" "
         "Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"t\" Type=\"" + office +
             "sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>"}};
    int error = 0;
    zip_t* zip = zip_open(path.toUtf8().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    for (const auto& [name, bytes] : parts)
        zip_file_add(zip, name, zip_source_buffer(zip, bytes.constData(), bytes.size(), 0), 0);
    zip_file_add(zip, "xl/sharedStrings.xml",
                 zip_source_file(zip, QFile::encodeName(strings.fileName()).constData(), 0, -1), 0);
    zip_file_add(zip, "xl/worksheets/sheet1.xml",
                 zip_source_file(zip, QFile::encodeName(sheet.fileName()).constData(), 0, -1), 0);
    zip_close(zip);
    return path;
}

// The same records as a table of the database QV_BENCH_PG names; "" without one.
QString FillDatabase(int records) {
    const QString url = qEnvironmentVariable("QV_BENCH_PG");
    if (url.isEmpty())
        return {};
    const MergeSourceAddress address = MergeSourceAddress::Parse(url);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("fill"));
    db.setHostName(address.database.host);
    db.setPort(address.database.port > 0 ? address.database.port : 5432);
    db.setDatabaseName(address.database.database);
    db.setUserName(address.database.user);
    if (!db.open()) {
        std::printf("QV_BENCH_PG: %s\n", qPrintable(db.lastError().text()));
        return {};
    }
    QSqlQuery q(db);
    q.exec(QStringLiteral("DROP TABLE IF EXISTS bench_addresses"));
    q.exec(QStringLiteral("CREATE TABLE bench_addresses AS SELECT i, 'Person ' || i AS \"Name\", "
                          "(100 + i % 900) || ' Elm Street, Apt ' || i AS \"Street\", "
                          "'Springfield ' || (10000 + i % 90000) AS \"City\" FROM "
                          "generate_series(1, %1) AS i")
               .arg(records));
    db.close();
    return url + (url.contains(u'?') ? u'&' : u'?') +
           QStringLiteral("query=SELECT%20%22Name%22,%20%22Street%22,%20%22City%22%20FROM%20"
                          "bench_addresses%20ORDER%20BY%20i");
}

// The process's peak resident memory in KiB, and a new start for it (Linux 4.0 and later).
long PeakSinceReset() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}
void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

double CpuMilliseconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void Report(const char* what, long long labels, double cpuMs) {
    const double sheets = double(labels + 29) / 30;
    std::printf("%-9s %7lld labels  %7.4f ms/label  %7.3f ms/sheet (cpu)  peak %7ld KiB\n", what,
                labels, cpuMs / double(labels), cpuMs / sheets, PeakKilobytes());
}

// A merge from the source at address: reading it through, then the job; the time per label
// counts both, and the peak is this merge's own.
void Merged(const char* what, const QString& address, int records, const QString& pdf,
            SheetJob merged = Job(QStringLiteral("{Name}"), QStringLiteral("{Street}"),
                                  QStringLiteral("{City}"))) {
    try {
        ResetPeak();
        double cpu = CpuMilliseconds();
        QElapsedTimer wall;
        wall.start();
        std::unique_ptr<MergeSource> source = MergeSourceAddress::Parse(address).Open(nullptr);
        MergeRun run(*source, 1);
        const double validate = CpuMilliseconds() - cpu;
        merged.Merge = &run;
        TReportPdfWriter writer(pdf);
        merged.Render(writer);
        const double total = CpuMilliseconds() - cpu;
        std::printf("%-9s %7d labels  %7.4f ms/label (cpu; %.1f ms of it reading through first, "
                    "%.4f ms/label wall)  peak %7ld KiB\n",
                    what, records, total / records, validate, double(wall.elapsed()) / records,
                    PeakSinceReset());
    } catch (const MergeSourceError& error) {
        std::printf("%-9s %s\n", what, qPrintable(error.Message()));
    }
}

void Run(const QTemporaryDir& dir, int records) {
    const QString csv = WriteCsv(dir, records);
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    {
        SheetJob plain =
            Job(QStringLiteral("Person 12345"), QStringLiteral("123 Elm Street, Apt 12345"),
                QStringLiteral("Springfield 12345"));
        plain.Sheets = (records + 29) / 30;
        TReportPdfWriter writer(pdf);
        const double cpu = CpuMilliseconds();
        plain.Render(writer);
        Report("plain", records, CpuMilliseconds() - cpu);
    }
    {
        // The merge's own cost: every position takes a record, the texts name no field.
        SheetJob walk =
            Job(QStringLiteral("Person 12345"), QStringLiteral("123 Elm Street, Apt 12345"),
                QStringLiteral("Springfield 12345"));
        std::unique_ptr<MergeSource> source = MergeSource::Open(csv);
        MergeRun run(*source, 1);
        walk.Merge = &run;
        TReportPdfWriter writer(pdf);
        const double cpu = CpuMilliseconds();
        walk.Render(writer);
        Report("walk", records, CpuMilliseconds() - cpu);
    }
    const QString xlsx = WriteXlsx(dir, records);
    Merged("csv", csv, records, pdf);
    Merged("csv box", csv, records, pdf, BoxJob());
    Merged("xlsx", xlsx, records, pdf);
    const QString database = FillDatabase(records);
    if (!database.isEmpty())
        Merged("postgres", database, records, pdf);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int records = argc > 1 ? std::max(30, atoi(argv[1])) : 100000;
    QTemporaryDir dir;
    std::printf("3 x 10 letter sheet, three texts; peak memory is the process's so far\n");
    for (int count : {records / 10, records})
        Run(dir, count);
    return 0;
}
