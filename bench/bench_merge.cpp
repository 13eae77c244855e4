// Mail merge to PDF on a 3 x 10 letter sheet: records from a generated CSV file, one per
// label (three text items drawn from three fields), against the same sheets without a merge
// (the same three texts as typed). Prints milliseconds per label and per sheet, the time to
// read the file through before the job, and the peak memory after each size, so that growth
// with the number of records shows. Usage: bench_merge [records] (default 100000).
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <time.h>

#include <cstdio>

#include "merge/MergeRun.h"
#include "merge/MergeSource.h"
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
    {
        SheetJob merged =
            Job(QStringLiteral("{Name}"), QStringLiteral("{Street}"), QStringLiteral("{City}"));
        std::unique_ptr<MergeSource> source = MergeSource::Open(csv);
        double cpu = CpuMilliseconds();
        MergeRun run(*source, 1);
        std::printf("%-9s %7lld records read through in %.1f ms\n", "validate", run.Records(),
                    CpuMilliseconds() - cpu);
        merged.Merge = &run;
        TReportPdfWriter writer(pdf);
        cpu = CpuMilliseconds();
        merged.Render(writer);
        Report("merged", records, CpuMilliseconds() - cpu);
    }
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
