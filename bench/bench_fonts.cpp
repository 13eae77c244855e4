// Labels and metafiles that name many different fonts: the process's memory after every
// round of 2000 new font names, on the three paths that look fonts up (a printed text item,
// a text item drawn on screen, a metafile's CREATEFONTINDIRECT). Flat figures mean that
// names never seen before do not pile up in font caches.
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <unistd.h>

#include <cstdio>
#include <functional>

#include "controls/ItemFont.h"
#include "controls/Picture.h"
#include "printing/SheetJob.h"
#include "printing/TReportImage.h"

namespace {

long ResidentKilobytes() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * sysconf(_SC_PAGESIZE) / 1024;
}

QString FaceName(int n) {
    return QStringLiteral("Face %1 %2").arg(n).arg(n * 7919 % 1000);
}

void PrintedText(int n) {
    SheetJob job;
    job.Label.geometry = {1.0f, 2.625f, 1, 1, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "RR"};
    job.ObjectsText = QStringLiteral("LABELITEM=TEXT\nTOP=0.1\nLEFT=0.1\nWIDTH=2\nHEIGHT=0.3\n"
                                     "FONTSIZE=%1\nTEXT=Harbour Road\nFONTNAME=%2\n")
                          .arg(6 + n % 30)
                          .arg(FaceName(n));
    TReportImage images(20);
    images.OnPage = [](const QImage&, int) {};
    job.Render(images);
}

void ScreenText(int n) {
    static QImage image(120, 40, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setFont(MakeItemFont(FaceName(n), 6 + n % 30, n & 1, n & 2, false, 96));
    painter.drawText(2, 30, QStringLiteral("Harbour Road"));
}

void PutWord(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void Record(QByteArray& out, int function, const QByteArray& params) {
    const int words = 3 + static_cast<int>(params.size() / 2);
    PutWord(out, words & 0xFFFF);
    PutWord(out, words >> 16);
    PutWord(out, function);
    out.append(params);
}

void MetafileText(int n) {
    QByteArray records, params;
    PutWord(params, 200);
    PutWord(params, 100);
    Record(records, 0x020C, params); // SETWINDOWEXT
    QByteArray font;
    for (int v : {-(40 + n % 60), 0, 0, 0, 400})
        PutWord(font, v);
    font.append(QByteArray(8, '\0'));
    font.append(FaceName(n).toLatin1().leftJustified(32, '\0', true));
    Record(records, 0x02FB, font); // CREATEFONTINDIRECT
    params.clear();
    PutWord(params, 0);
    Record(records, 0x012D, params); // SELECTOBJECT
    params.clear();
    PutWord(params, 4);
    params.append("Road");
    PutWord(params, 50);
    PutWord(params, 10);
    Record(records, 0x0521, params); // TEXTOUT
    Record(records, 0x0000, {});
    QByteArray wmf;
    for (int v : {1, 9, 0x0300})
        PutWord(wmf, v);
    const int size = 9 + static_cast<int>(records.size() / 2);
    for (int v : {size & 0xFFFF, size >> 16, 1, 64, 0, 0})
        PutWord(wmf, v);
    wmf.append(records);
    static QImage image(100, 50, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    Picture::fromData(wmf, QStringLiteral("bench.wmf")).draw(painter, QRectF(0, 0, 100, 50));
}

void Measure(const char* what, const std::function<void(int)>& draw, int rounds) {
    std::printf("%s: resident memory after each 2000 new font names (MB):", what);
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < 2000; ++i)
            draw(round * 2000 + i);
        QCoreApplication::processEvents(); // the program's event loop, as between commands
        std::printf(" %.1f", ResidentKilobytes() / 1024.0);
        std::fflush(stdout);
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("at start: %.1f MB\n", ResidentKilobytes() / 1024.0);
    Measure("metafile text", MetafileText, 10);
    Measure("text on screen", ScreenText, 10);
    Measure("printed text", PrintedText, 5);
    return 0;
}
