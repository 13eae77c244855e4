// Drawing cost of the report engine: sheets of 3 x 10 letter labels (a text, a rectangle
// and a counter on each) to PDF and to the preview stream. Prints milliseconds per sheet
// and the process's peak memory after each run.
#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/resource.h>
#include <time.h>

#include <cstdio>

#include "printing/TReportFiler.h"
#include "printing/TReportPdfWriter.h"

namespace {

// CPU time of this process: steadier than wall time on a shared machine.
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

void Sheets(TBaseReport& report, int sheets) {
    long counter = 1;
    for (int sheet = 0; sheet < sheets; ++sheet) {
        if (sheet > 0)
            report.NewPage();
        for (int row = 0; row < 10; ++row)
            for (int column = 0; column < 3; ++column) {
                report.SetOrigin(0.1875 + column * 2.75, 0.5 + row * 1.0);
                report.SetFont(QStringLiteral("Arial"), 10);
                report.SetFontPlacement(TVerticalPlacement::Top);
                report.PrintXY(0.1, 0.1 + report.FontAscent(), QStringLiteral("Quorvane labels"));
                report.SetPen(Qt::black, TPenStyle::Solid, -2);
                report.SetBrush(Qt::white, TBrushStyle::Clear);
                report.Rectangle(0.05, 0.05, 2.55, 0.95);
                report.SetFont(QStringLiteral("Arial"), 12);
                report.SetBold(true);
                report.SetFontPlacement(TVerticalPlacement::Top);
                report.PrintXY(2.0, 0.5 + report.FontSize(), QString::number(counter++));
            }
    }
}

template <typename Run> void Measure(const char* target, Run run) {
    for (const int sheets : {1, 10, 100, 1000}) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = CpuMilliseconds();
        const qint64 bytes = run(sheets);
        const double cpu = CpuMilliseconds() - cpuStart;
        const double ms = timer.nsecsElapsed() / 1e6;
        std::printf("%-15s %5d sheets  %8.3f ms/sheet (cpu %8.3f)  %10lld bytes  peak %7ld KiB\n",
                    target, sheets, ms / sheets, cpu / sheets, static_cast<long long>(bytes),
                    PeakKilobytes());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;

    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (only.isEmpty() || only == QLatin1String("stream"))
        Measure("preview stream", [](int sheets) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            TReportFiler filer;
            filer.SetResolution(600);
            filer.SelectPaper(1);
            filer.Stream = &buffer;
            filer.OnPrint = [sheets](TBaseReport& report) { Sheets(report, sheets); };
            filer.Execute();
            return qint64(bytes.size());
        });
    if (only.isEmpty() || only == QLatin1String("pdf"))
        Measure("pdf", [&dir](int sheets) {
            const QString file = dir.filePath(QStringLiteral("bench.pdf"));
            TReportPdfWriter writer(file);
            writer.SelectPaper(1);
            writer.OnPrint = [sheets](TBaseReport& report) { Sheets(report, sheets); };
            writer.Execute();
            return QFileInfo(file).size();
        });
    return 0;
}
