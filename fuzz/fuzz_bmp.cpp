// Loads arbitrary bytes as a ".BMP" picture file and draws it, and decodes the same bytes
// (after the 14-byte file header) as a bitmap embedded in a metafile record.
//
// Run (seed corpus in fuzz/corpus/bmp; new inputs go to the first folder):
//   build-fuzz/fuzz/fuzz_bmp work fuzz/corpus/bmp
#include "controls/Picture.h"
#include "controls/WmfDib.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>

namespace {

void EnsureApplication() {
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_bmp";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

void DrawInto(const Picture& picture) {
    QImage image(40, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(1, 2, 37, 26));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnsureApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const Picture picture = Picture::fromData(bytes, QStringLiteral("fuzz.bmp"), &error);
    if (!picture.isNull()) {
        (void)picture.naturalSize(96);
        DrawInto(picture);
    }
    if (size > 14) {
        const auto* dib = reinterpret_cast<const uchar*>(data) + 14;
        const int dibSize = static_cast<int>(size - 14);
        const QImage decoded = DecodeWmfDib(dib, dibSize);
        (void)WmfDibIsTopDown(dib, dibSize);
        (void)decoded.size();
        (void)DecodeWmfBitmap16(reinterpret_cast<const uchar*>(data), static_cast<int>(size));
    }
    return 0;
}
