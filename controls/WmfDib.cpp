#include "controls/WmfDib.h"

#include <QBuffer>
#include <QImageReader>

#include <cstdint>
#include <cstring>

namespace {

// No embedded bitmap may claim more pixels than this (about 256 MB as 32-bit pixels).
constexpr int64_t kMaxPixels = 64LL * 1024 * 1024;

uint32_t Read32(const uchar* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
uint16_t Read16(const uchar* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

void Put32(QByteArray& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

} // namespace

QImage DecodeWmfDib(const uchar* data, int size) {
    if (!data || size < 12)
        return {};
    const uint32_t headerSize = Read32(data);
    if (headerSize < 12 || headerSize > uint32_t(size))
        return {};
    int64_t width = 0, height = 0;
    int bitCount = 0;
    uint32_t compression = 0, colorsUsed = 0;
    int64_t paletteBytes = 0;
    if (headerSize == 12) {
        width = Read16(data + 4);
        height = static_cast<int16_t>(Read16(data + 6));
        bitCount = Read16(data + 10);
        if (bitCount <= 8)
            paletteBytes = (int64_t(1) << bitCount) * 3;
    } else {
        if (headerSize < 40)
            return {};
        width = static_cast<int32_t>(Read32(data + 4));
        height = static_cast<int32_t>(Read32(data + 8));
        bitCount = Read16(data + 14);
        compression = Read32(data + 16);
        colorsUsed = Read32(data + 32);
        if (bitCount <= 8)
            paletteBytes =
                int64_t(colorsUsed ? std::min<uint32_t>(colorsUsed, 256u) : (1u << bitCount)) * 4;
        else if (colorsUsed)
            paletteBytes = int64_t(std::min<uint32_t>(colorsUsed, 65536u)) * 4;
        if (compression == 3 && headerSize == 40)
            paletteBytes += 12; // the three colour masks
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32)
        return {};
    const int64_t rows = height < 0 ? -height : height;
    if (width <= 0 || rows <= 0 || width * rows > kMaxPixels)
        return {};
    const int64_t bitsOffset = int64_t(headerSize) + paletteBytes;
    if (bitsOffset > size)
        return {};
    if (compression == 0 || compression == 3) { // uncompressed rows must all be present
        const int64_t stride = ((width * bitCount + 31) / 32) * 4;
        if (stride * rows > size - bitsOffset)
            return {};
    } else if (compression == 1 || compression == 2) {
        if (width * rows > int64_t(size) * 128) // run lengths cannot expand further than this
            return {};
    } else {
        return {}; // JPEG/PNG inside a metafile: not supported
    }

    // Qt's BMP reader does the pixel formats; it is given a file header and the checked DIB.
    QByteArray file("BM");
    Put32(file, uint32_t(14 + size));
    Put32(file, 0);
    Put32(file, uint32_t(14 + bitsOffset));
    file.append(reinterpret_cast<const char*>(data), size);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    QImage image = reader.read();
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage DecodeWmfBitmap16(const uchar* data, int size) {
    if (!data || size < 10)
        return {};
    const int width = static_cast<int16_t>(Read16(data + 2));
    const int height = static_cast<int16_t>(Read16(data + 4));
    const int widthBytes = static_cast<int16_t>(Read16(data + 6));
    const int planes = data[8], bitsPixel = data[9];
    if (width <= 0 || height <= 0 || planes != 1 || bitsPixel != 1 || widthBytes * 8 < width)
        return {};
    // The bits follow the 10-byte header and a 4-byte pointer that is meaningless in a file.
    const int64_t needed = 14 + int64_t(widthBytes) * height;
    if (needed > size)
        return {};
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        const uchar* row = data + 14 + int64_t(widthBytes) * y;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = (row[x / 8] & (0x80 >> (x % 8))) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    return image;
}

bool WmfDibIsTopDown(const uchar* data, int size) {
    if (!data || size < 12)
        return false;
    if (Read32(data) == 12)
        return static_cast<int16_t>(Read16(data + 6)) < 0;
    return size >= 12 && static_cast<int32_t>(Read32(data + 8)) < 0;
}
