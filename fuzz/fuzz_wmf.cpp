// Plays arbitrary bytes as a metafile (and as a picture file) into small images, on a
// screen-like and on a printer-like resolution.
#include "controls/Picture.h"
#include "controls/WmfPlayer.h"

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
        static char name[] = "fuzz_wmf";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

void PlayInto(const WmfPlayer& player, int dotsPerInch) {
    QImage image(48, 40, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    player.play(painter, QRectF(2, 3, 44, 35));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnsureApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const WmfPlayer player(bytes);
    if (player.isValid()) {
        (void)player.sizeInInches();
        PlayInto(player, (size & 1) ? 600 : 96);
    }
    const Picture picture = Picture::fromData(bytes, QStringLiteral("fuzz"));
    (void)picture.naturalSize(96);
    return 0;
}
