// Sheets of a 3 x 10 letter label (a text, a rectangle and a counter; "barcode": the same with
// a Code 128 and a QR Code on every label) rendered to a PDF file
// and to the preview stream: milliseconds per sheet and the process's peak memory.
#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <time.h>

#include <cstdio>

#include "printing/SheetJob.h"
#include "printing/TReportFiler.h"
#include "printing/TReportPdfWriter.h"

namespace {

SheetJob Job(int sheets) {
    SheetJob job;
    job.Label.description = QStringLiteral("Bench");
    job.Label.geometry = {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "RR"};
    job.ObjectsText = QStringLiteral(
        "LABELITEM=TEXT\nTOP=0.1\nLEFT=0.1\nWIDTH=2\nHEIGHT=0.3\nFONTSIZE=10\nFONTCOLOR=0\n"
        "ANGLE=0\nTEXT=Quorvane Labs, 12 Harbour Road\nFONTNAME=Arial\nFONTBOLD=N\n"
        "FONTITALIC=N\nFONTUNDER=N\nRELATIVEX=0\nRELATIVEY=0\n"
        "LABELITEM=RECTANGLE\nTOP=0.05\nLEFT=0.05\nWIDTH=2.5\nHEIGHT=0.9\nLINECOLOR=0\n"
        "LINETHICKNESS=1\nCOLOR=16777215\nBRUSHSTYLE=CLEAR\nROUNDING=0\n"
        "LABELITEM=COUNTER\nTOP=0.5\nLEFT=0.1\nWIDTH=1\nHEIGHT=0.3\nFONTSIZE=12\n"
        "FONTCOLOR=0\nANGLE=0\nFONTNAME=Arial\nFONTBOLD=Y\nFONTITALIC=N\nFONTUNDER=N\n"
        "RELATIVEX=0\nRELATIVEY=0\nSTARTINGNUMBER=1000\nREPEATEACH=1\nNOTHING=NOTHING\n");
    job.Sheets = sheets;
    return job;
}

// The same sheet with a numbered asset tag: a Code 128 and a QR Code of "{#}", made afresh by
// Zint on every label.
SheetJob BarcodeJob(int sheets) {
    SheetJob job = Job(sheets);
    job.ObjectsText.replace(
        QStringLiteral("NOTHING=NOTHING\n"),
        QStringLiteral("LABELITEM=BARCODE\nTOP=0.1\nLEFT=1.2\nWIDTH=1.3\nHEIGHT=0.4\n"
                       "SYMBOLOGY=CODE128\nDATA=QV-{#}\nSHOWTEXT=Y\nCOLOR=0\nBACKGROUND=16777215\n"
                       "LABELITEM=BARCODE\nTOP=0.5\nLEFT=1.9\nWIDTH=0.45\nHEIGHT=0.45\n"
                       "SYMBOLOGY=QRCODE\nDATA=https://example.org/asset/{#}\n"));
    return job;
}

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

void Report(const char* target, int sheets, qint64 nanoseconds, double cpuMs, qint64 bytes) {
    std::printf("%-8s %5d sheets  %8.3f ms/sheet wall  %8.3f ms/sheet cpu  %10lld bytes  "
                "peak %7ld KiB\n",
                target, sheets, nanoseconds / 1e6 / sheets, cpuMs / sheets,
                static_cast<long long>(bytes), PeakKilobytes());
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    std::printf("3 x 10 letter sheet: text, rectangle, counter (peak memory is the process's "
                "so far)\n");
    for (int sheets : {1, 10, 100, 1000}) {
        const SheetJob job = Job(sheets);
        if (sheets <= 100) {
            // The same into the preview stream with two barcodes more on every label.
            const SheetJob tagged = BarcodeJob(sheets);
            QByteArray bytes;
            QBuffer stream(&bytes);
            stream.open(QIODevice::ReadWrite);
            TReportFiler filer;
            filer.SetResolution(600);
            filer.Stream = &stream;
            QElapsedTimer timer;
            const double cpu = CpuMilliseconds();
            timer.start();
            tagged.Render(filer);
            Report("barcode", sheets, timer.nsecsElapsed(), CpuMilliseconds() - cpu, bytes.size());
        }
        {
            QByteArray bytes;
            QBuffer stream(&bytes);
            stream.open(QIODevice::ReadWrite);
            TReportFiler filer;
            filer.SetResolution(600);
            filer.Stream = &stream;
            QElapsedTimer timer;
            const double cpu = CpuMilliseconds();
            timer.start();
            job.Render(filer);
            Report("preview", sheets, timer.nsecsElapsed(), CpuMilliseconds() - cpu, bytes.size());
        }
        {
            const QString file = dir.filePath(QStringLiteral("bench-%1.pdf").arg(sheets));
            TReportPdfWriter writer(file);
            QElapsedTimer timer;
            const double cpu = CpuMilliseconds();
            timer.start();
            job.Render(writer);
            const qint64 elapsed = timer.nsecsElapsed();
            const double cpuMs = CpuMilliseconds() - cpu;
            Report("pdf", sheets, elapsed, cpuMs, QFileInfo(file).size());
        }
    }
    return 0;
}
