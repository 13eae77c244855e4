// Mail merge to PDF on a 3 x 10 letter sheet: records from a generated CSV file, one per
// label (three text items drawn from three fields), against the same sheets without a merge
// (the same three texts as typed). The same records then come from an XLSX workbook (a shared
// string for every cell, the worst case for its table of shared strings), from an XLSX
// workbook whose values repeat as a real address list's do, from an ODS spreadsheet, from an
// SQLite database and, when QV_BENCH_PG names a PostgreSQL database
// (postgresql:///db?host=/socket/folder&user=me, the password in PGPASSWORD), from a table there.
// Each merge runs in a process of its own (this program, started again with --one), so that
// no merge's memory shows in another's figure. That process sets itself up first (Qt, fonts,
// one sheet drawn to PDF), then takes its resident memory as the baseline and its peak from
// there; the table shows milliseconds per label, the peak, the peak over the baseline, and
// how that grows from the smaller number of records to the larger.
// Usage: bench_merge [records] (default 100000; the smaller run has a tenth of them)
//        bench_merge --one SOURCE RECORDS FILE-OR-URL   (one merge; prints a RESULT line)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>

#include "merge/MergeRun.h"
#include "merge/MergeSource.h"
#include "merge/MergeSourceAddress.h"
#include "merge/MergeSourceError.h"
#include "printing/SheetJob.h"
#include "printing/TReportPdfWriter.h"
#include "tests/spreadsheet/PackageWriter.h"

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

// The texts of record i (from 1): all distinct, as in the CSV file, or, when repeated, drawn
// from a few hundred names, streets and towns as a real address list's are.
QStringList Record(int i, bool repeated) {
    if (!repeated)
        return {QStringLiteral("Person %1").arg(i),
                QStringLiteral("%1 Elm Street, Apt %2").arg(100 + i % 900).arg(i),
                QStringLiteral("Springfield %1").arg(10000 + i % 90000)};
    static const char* const first[] = {"Anna", "Ben",  "Clara", "David", "Eva",   "Felix", "Greta",
                                        "Hugo", "Ines", "Jonas", "Karin", "Lukas", "Marta", "Noah",
                                        "Olga", "Paul", "Rosa",  "Simon", "Tanja", "Uwe"};
    static const char* const last[] = {"Ahrens", "Bauer", "Conrad", "Dietz",  "Engel", "Fuchs",
                                       "Graf",   "Hahn",  "Iske",   "Jung",   "Kraus", "Lang",
                                       "Mohr",   "Nagel", "Otto",   "Peters", "Roth",  "Sauer",
                                       "Thiel",  "Vogt",  "Weber",  "Zimmer"};
    static const char* const streets[] = {"Elm Street",   "Oak Avenue",    "Mill Lane",
                                          "Station Road", "Church Street", "High Street",
                                          "Park Road",    "Bridge Street"};
    static const char* const towns[] = {"Springfield", "Riverton", "Lakeside", "Fairview",
                                        "Greenville",  "Kingston", "Milford",  "Ashby",
                                        "Brookfield",  "Clifton",  "Dover",    "Easton"};
    return {QStringLiteral("%1 %2").arg(first[i % 20]).arg(last[i / 20 % 22]),
            QStringLiteral("%1 %2").arg(1 + i % 150).arg(streets[i / 150 % 8]),
            QStringLiteral("%1").arg(towns[i % 12])};
}

// The same records as an XLSX workbook: every text a shared string, each once, as Excel and
// LibreOffice write them.
QString WriteXlsx(PackageWriter& packages, int records, bool repeated) {
    QByteArray strings, rows;
    QHash<QString, int> numbers;
    const auto row = [&](const QStringList& texts, int number) {
        rows += "<row r=\"" + QByteArray::number(number) + "\">";
        for (const QString& text : texts) {
            auto found = numbers.constFind(text);
            if (found == numbers.constEnd()) {
                found = numbers.insert(text, int(numbers.size()));
                strings += "<si><t>" + text.toHtmlEscaped().toUtf8() + "</t></si>";
            }
            rows += "<c t=\"s\"><v>" + QByteArray::number(found.value()) + "</v></c>";
        }
        rows += "</row>";
    };
    row({"Name", "Street", "City"}, 1);
    for (int i = 1; i <= records; ++i)
        row(Record(i, repeated), i + 1);
    return packages.Workbook(
        QStringLiteral("addresses-%1%2.xlsx").arg(records).arg(repeated ? "-repeated" : ""), rows,
        strings);
}

// The same records as an ODS spreadsheet, a cell's text as its paragraph.
QString WriteOds(PackageWriter& packages, int records) {
    QByteArray body = "<table:table-column table:number-columns-repeated=\"3\"/>";
    const auto row = [&](const QStringList& texts) {
        body += "<table:table-row>";
        for (const QString& text : texts)
            body += "<table:table-cell office:value-type=\"string\"><text:p>" +
                    text.toHtmlEscaped().toUtf8() + "</text:p></table:table-cell>";
        body += "</table:table-row>";
    };
    row({"Name", "Street", "City"});
    for (int i = 1; i <= records; ++i)
        row(Record(i, false));
    return packages.Spreadsheet(QStringLiteral("addresses-%1.ods").arg(records), body);
}

// The same records as a table of an SQLite database file, and the address that reads them.
QString WriteSqlite(const QTemporaryDir& dir, int records) {
    const QString path = dir.filePath(QStringLiteral("addresses-%1.db").arg(records));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("sqlite"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TABLE addresses (i INTEGER PRIMARY KEY, \"Name\" TEXT, "
                              "\"Street\" TEXT, \"City\" TEXT)"));
        db.transaction();
        q.prepare(QStringLiteral("INSERT INTO addresses VALUES (?, ?, ?, ?)"));
        for (int i = 1; i <= records; ++i) {
            const QStringList texts = Record(i, false);
            q.addBindValue(i);
            for (const QString& text : texts)
                q.addBindValue(text);
            q.exec();
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("sqlite"));
    return QStringLiteral("sqlite://") + path +
           QStringLiteral("?query=SELECT%20%22Name%22,%20%22Street%22,%20%22City%22%20FROM%20"
                          "addresses%20ORDER%20BY%20i");
}

// The same records as a table of the database QV_BENCH_PG names, and the address that reads
// them; "" without one.
QString FillDatabase(int records) {
    const QString url = qEnvironmentVariable("QV_BENCH_PG");
    if (url.isEmpty())
        return {};
    const MergeSourceAddress address = MergeSourceAddress::Parse(url);
    QString table = QStringLiteral("bench_addresses_%1").arg(records);
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("fill"));
        db.setHostName(address.database.host);
        db.setPort(address.database.port > 0 ? address.database.port : 5432);
        db.setDatabaseName(address.database.database);
        db.setUserName(address.database.user);
        if (!db.open()) {
            std::printf("QV_BENCH_PG: %s\n", qPrintable(db.lastError().text()));
            table.clear();
        } else {
            QSqlQuery q(db);
            q.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(table));
            if (!q.exec(
                    QStringLiteral(
                        "CREATE TABLE %1 AS SELECT i, 'Person ' || i AS \"Name\", (100 + i % 900) "
                        "|| ' Elm Street, Apt ' || i AS \"Street\", 'Springfield ' || (10000 + i "
                        "% 90000) AS \"City\" FROM generate_series(1, %2) AS i")
                        .arg(table)
                        .arg(records))) {
                std::printf("QV_BENCH_PG: %s\n", qPrintable(q.lastError().text()));
                table.clear();
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    if (table.isEmpty())
        return {};
    return url + (url.contains(u'?') ? u'&' : u'?') +
           QStringLiteral("query=SELECT%20%22Name%22,%20%22Street%22,%20%22City%22%20FROM%20") +
           table + QStringLiteral("%20ORDER%20BY%20i");
}

// A line of /proc/self/status in KiB ("VmRSS", "VmHWM"); 0 when there is none.
long StatusKilobytes(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(key);
    while (std::getline(status, line))
        if (line.compare(0, length, key) == 0 && line.size() > length && line[length] == ':')
            return std::stol(line.substr(length + 1));
    return 0;
}

// Starts the peak anew at the present resident memory (Linux 4.0 and later); false where
// the kernel does not let it, and the peak is then the process's since it started.
bool ResetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return bool(clear);
}

double CpuMilliseconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

SheetJob TypedJob() {
    return Job(QStringLiteral("Person 12345"), QStringLiteral("123 Elm Street, Apt 12345"),
               QStringLiteral("Springfield 12345"));
}

SheetJob MergedJob() {
    return Job(QStringLiteral("{Name}"), QStringLiteral("{Street}"), QStringLiteral("{City}"));
}

// One merge, in this process of its own: "plain" draws the typed texts without a merge,
// "walk" takes a record from the CSV file for every label but names no field, "csv box"
// fills one shrinking text box, the others fill the three texts from the source at
// address. Prints "RESULT cpu-ms wall-ms read-through-ms baseline-KiB peak-KiB reset".
int One(const QString& kind, int records, const QString& address) {
    const QString pdf = QDir::temp().filePath(
        QStringLiteral("bench-merge-%1.pdf").arg(QCoreApplication::applicationPid()));
    {
        // Fonts, the PDF writer and Qt's caches are set up before the baseline.
        SheetJob warm = TypedJob();
        TReportPdfWriter writer(pdf);
        warm.Render(writer);
    }
    const long baseline = StatusKilobytes("VmRSS");
    const bool reset = ResetPeak();
    const double cpu = CpuMilliseconds();
    QElapsedTimer wall;
    wall.start();
    double readThrough = 0;
    try {
        TReportPdfWriter writer(pdf);
        if (kind == QLatin1String("plain")) {
            SheetJob plain = TypedJob();
            plain.Sheets = (records + 29) / 30;
            plain.Render(writer);
        } else {
            std::unique_ptr<MergeSource> source = MergeSourceAddress::Parse(address).Open(nullptr);
            MergeRun run(*source, 1);
            readThrough = CpuMilliseconds() - cpu;
            SheetJob job = kind == QLatin1String("walk")      ? TypedJob()
                           : kind == QLatin1String("csv box") ? BoxJob()
                                                              : MergedJob();
            job.Merge = &run;
            job.Render(writer);
        }
    } catch (const MergeSourceError& error) {
        QFile::remove(pdf);
        std::printf("ERROR %s\n", qPrintable(error.Message()));
        return 1;
    }
    const double total = CpuMilliseconds() - cpu;
    std::printf("RESULT %.3f %lld %.3f %ld %ld %d\n", total, qint64(wall.elapsed()), readThrough,
                baseline, StatusKilobytes("VmHWM"), reset ? 1 : 0);
    QFile::remove(pdf);
    return 0;
}

struct Figures {
    double cpuMs = 0, wallMs = 0, readMs = 0;
    long baselineKiB = 0, peakKiB = 0;
    bool reset = false;
    QString error;
};

// Runs One in a new process of this program.
Figures RunOne(const QString& kind, int records, const QString& address) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--one"), kind, QString::number(records), address});
    Figures figures;
    if (!child.waitForFinished(-1)) {
        figures.error = child.errorString();
        return figures;
    }
    const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
    for (const QString& line : output.split(u'\n')) {
        const QStringList words = line.split(u' ');
        if (words.value(0) == QLatin1String("RESULT") && words.size() == 7) {
            figures.cpuMs = words[1].toDouble();
            figures.wallMs = words[2].toDouble();
            figures.readMs = words[3].toDouble();
            figures.baselineKiB = words[4].toLong();
            figures.peakKiB = words[5].toLong();
            figures.reset = words[6] == QLatin1String("1");
            return figures;
        }
        if (words.value(0) == QLatin1String("ERROR"))
            figures.error = line.mid(6);
    }
    if (figures.error.isEmpty())
        figures.error = QStringLiteral("no figures (exit %1)").arg(child.exitCode());
    return figures;
}

double Megabytes(long kib) {
    return double(kib) / 1024.0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 5 && std::strcmp(argv[1], "--one") == 0) {
        QApplication app(argc, argv);
        return One(QString::fromLocal8Bit(argv[2]), std::max(1, atoi(argv[3])),
                   QString::fromLocal8Bit(argv[4]));
    }
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? std::max(300, atoi(argv[1])) : 100000;
    const std::vector<int> sizes = {records / 10, records};
    QTemporaryDir dir;
    PackageWriter packages;
    // source -> records -> figures
    std::vector<std::pair<QString, std::map<int, Figures>>> table;
    const auto add = [&](const QString& kind, int count, const QString& address) {
        auto row = std::find_if(table.begin(), table.end(),
                                [&](const auto& entry) { return entry.first == kind; });
        if (row == table.end())
            row = table.insert(table.end(), {kind, {}});
        row->second[count] = RunOne(kind, count, address);
    };
    for (int count : sizes) {
        const QString csv = WriteCsv(dir, count);
        add(QStringLiteral("plain"), count, {});
        add(QStringLiteral("walk"), count, csv);
        add(QStringLiteral("csv"), count, csv);
        add(QStringLiteral("csv box"), count, csv);
        add(QStringLiteral("xlsx"), count, WriteXlsx(packages, count, false));
        add(QStringLiteral("xlsx rep"), count, WriteXlsx(packages, count, true));
        add(QStringLiteral("ods"), count, WriteOds(packages, count));
        add(QStringLiteral("sqlite"), count, WriteSqlite(dir, count));
        const QString database = FillDatabase(count);
        if (!database.isEmpty())
            add(QStringLiteral("postgres"), count, database);
    }
    std::printf("3 x 10 letter sheet, three texts; each merge in a process of its own.\n"
                "ms/label: CPU time of reading the source through and the whole job (wall time "
                "beside it); start: resident memory once set up; peak: the highest resident "
                "memory during the merge, and over start: peak - start.\n"
                "xlsx: every cell a distinct shared string; xlsx rep: values repeating as in a "
                "real address list.\n\n");
    std::printf("%-9s %7s %9s %9s %9s %8s %8s %10s\n", "source", "rows", "ms/label", "wall",
                "read ms", "start MB", "peak MB", "over start");
    for (const auto& [kind, runs] : table)
        for (const auto& [count, f] : runs) {
            if (!f.error.isEmpty()) {
                std::printf("%-9s %7d  %s\n", qPrintable(kind), count, qPrintable(f.error));
                continue;
            }
            std::printf("%-9s %7d %9.4f %9.4f %9.1f %8.1f %8.1f %10.1f%s\n", qPrintable(kind),
                        count, f.cpuMs / count, f.wallMs / count, f.readMs,
                        Megabytes(f.baselineKiB), Megabytes(f.peakKiB),
                        Megabytes(f.peakKiB - f.baselineKiB),
                        f.reset ? "" : "  (peak since start-up)");
        }
    std::printf("\nFrom %d to %d records:\n%-9s %-22s %s\n", sizes[0], sizes[1], "source",
                "ms/label", "peak over start, MB (growth)");
    for (const auto& [kind, runs] : table) {
        const auto small = runs.find(sizes[0]), large = runs.find(sizes[1]);
        if (small == runs.end() || large == runs.end() || !small->second.error.isEmpty() ||
            !large->second.error.isEmpty())
            continue;
        const Figures& a = small->second;
        const Figures& b = large->second;
        const double before = Megabytes(a.peakKiB - a.baselineKiB);
        const double after = Megabytes(b.peakKiB - b.baselineKiB);
        std::printf("%-9s %.4f -> %.4f       %5.1f -> %5.1f (%+.1f)\n", qPrintable(kind),
                    a.cpuMs / sizes[0], b.cpuMs / sizes[1], before, after, after - before);
    }
    return 0;
}
