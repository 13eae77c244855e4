// Damaged and hostile metafiles: they draw what they can or nothing, and never crash, hang
// or allocate without bound (the sanitizer build runs these too).
#include "WmfTestSupport.h"

#include "controls/Picture.h"
#include "controls/WmfPlayer.h"

#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kRed = 0xFFFF0000, kBlack = 0xFF000000;

QByteArray RealFile(const char* name) {
    return ReadWmfTestFile(name);
}

WmfBuilder RedBrush() {
    WmfBuilder b;
    b.window(0, 0, 1000, 1000);
    b.pen(5, 0, kBlack).select(0);
    b.brush(0, kRed).select(1);
    return b;
}

QImage Play(const QByteArray& wmf) {
    return RenderWmf(wmf, QSize(40, 40));
}

TEST(WmfDamage, TruncatedFilesDrawWhatTheyHold) {
    const QByteArray whole = RealFile("lo-pri-marine.wmf");
    ASSERT_GT(whole.size(), 1000);
    for (qsizetype length = 0; length < whole.size(); length += length < 64 ? 1 : 97) {
        const QByteArray cut = whole.left(length);
        const Picture picture = Picture::fromData(cut, QStringLiteral("cut.wmf"));
        if (length < 40) {
            EXPECT_TRUE(picture.isNull()) << length; // the headers themselves are cut
        }
        Play(cut);
    }
    // Cut inside the last few records: everything before them is drawn.
    const int cutInk = InkCount(Play(whole.left(whole.size() - 200)), QRect(0, 0, 40, 40));
    EXPECT_GT(cutInk, 0);
    EXPECT_GT(cutInk, InkCount(Play(whole), QRect(0, 0, 40, 40)) / 2);
}

TEST(WmfDamage, RecordSizesThatCannotBeRightEndPlayback) {
    for (quint32 size : {0u, 1u, 2u, 0x7FFFFFFFu, 0xFFFFFFFFu, 1000u}) {
        WmfBuilder b = RedBrush();
        b.rectangle(0, 0, 500, 1000);
        b.rawRecord(size, 0x041B, WmfBuilder::words({1000, 1000, 0, 500}));
        b.rectangle(500, 0, 1000, 1000); // never reached through the bad record
        const QImage image = Play(b.placeable(0, 0, 1000, 1000, 1000));
        EXPECT_EQ(image.pixel(10, 20) | 0xFF000000u, kRed) << size;
        if (size < 3 || size > 100) {
            EXPECT_EQ(InkCount(image, QRect(22, 0, 18, 40)), 0) << size;
        }
    }
}

TEST(WmfDamage, CountsLargerThanTheirRecords) {
    WmfBuilder b = RedBrush();
    b.record(0x0324, {32767, 0, 0, 1000, 0, 0, 1000});      // polygon: claims 32767 points
    b.record(0x0538, {-1, 3, 3, 0, 0, 10, 10});             // poly-polygon: 65535 polygons
    b.record(0x0538, {2, 30000, 30000, 0, 0});              // counts beyond the record
    b.record(0x0521, {32767, 0x4141, 10, 10});              // text: 32767 characters
    b.record(0x0A32, {10, 10, 30000, 0x6, 0, 0, 100, 100}); // ext text: same
    b.record(0x0A32, {10, 10, 2, 0x6});                     // ext text: box missing
    b.record(0x06FF, {0, 6, 0, 0, 0, -1, 1, 0, 0, 10, 10, 30000, 0}); // region: huge scans
    b.record(0x012C, {4});                                            // clip to it
    b.record(0x012C, {0});                                            // and back
    const QImage image = Play(b.placeable(0, 0, 1000, 1000, 1000));
    // The polygon draws the three points it holds: the upper left triangle.
    EXPECT_EQ(image.pixel(5, 5) | 0xFF000000u, kRed);
    EXPECT_EQ(image.pixel(35, 35) | 0xFF000000u, 0xFFFFFFFFu);
}

TEST(WmfDamage, BadObjectIndexesAreIgnored) {
    WmfBuilder b = RedBrush();
    b.select(65535).select(1000).remove(65535).remove(77);
    b.remove(1).select(1);    // deleted: the red brush stays selected
    b.select(0);              // a pen where a brush might be expected: fine
    b.record(0x0228, {0, 9}); // fill a "region" that is a pen, with a brush that does not exist
    b.rectangle(0, 0, 1000, 1000);
    const QImage image = Play(b.placeable(0, 0, 1000, 1000, 1000));
    EXPECT_EQ(image.pixel(20, 20) | 0xFF000000u, kRed);
}

TEST(WmfDamage, ManyObjectsAndSavesStayBounded) {
    WmfBuilder b = RedBrush();
    for (int i = 0; i < 70000; ++i)
        b.brush(0, kBlack);
    for (int i = 0; i < 5000; ++i)
        b.record(0x001E, {});
    for (int which : {0, 32767, -32768, -1, 1, 5})
        b.record(0x0127, {which});
    b.select(70000 % 65536).rectangle(0, 0, 1000, 1000);
    const QImage image = Play(b.placeable(0, 0, 1000, 1000, 1000));
    EXPECT_GT(InkCount(image, image.rect()), 0);
}

TEST(WmfDamage, BitmapsWithImpossibleSizesDrawNothing) {
    const auto dibHeader = [](int width, int height, int bits, int headerSize) {
        QByteArray h = WmfBuilder::words({headerSize, 0});
        h += WmfBuilder::words({width & 0xFFFF, (width >> 16) & 0xFFFF, height & 0xFFFF,
                                (height >> 16) & 0xFFFF, 1, bits, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                0});
        return h + QByteArray(16, '\x7F');
    };
    for (const QByteArray& dib :
         {dibHeader(0x7FFFFFFF, 0x7FFFFFFF, 24, 40), dibHeader(-5, 10, 24, 40),
          dibHeader(100000, 1, 1, 40), dibHeader(4, 4, 0, 40), dibHeader(4, 4, 8, 0x7FFFFFFF),
          dibHeader(4, 4, 24, 12), QByteArray(3, '\0')}) {
        WmfBuilder b = RedBrush();
        b.recordBytes(0x0F43,
                      WmfBuilder::words({0x0020, 0x00CC, 0, 4, 4, 0, 0, 1000, 1000, 0, 0}) + dib);
        b.recordBytes(0x0142, WmfBuilder::words({5, 0}) + dib);
        b.recordBytes(0x01F9, QByteArray(40, '\xFF'));
        b.recordBytes(0x0922, WmfBuilder::words({0x0020, 0x00CC, 0, 0, 1000, 1000, 0, 0}) +
                                  QByteArray(20, '\xFF'));
        // Nothing but the refused bitmaps is drawn, so the whole picture stays white.
        const QImage played = Play(b.placeable(0, 0, 1000, 1000, 1000));
        EXPECT_EQ(InkCount(played, played.rect()), 0) << dib.toHex().left(64).toStdString();
    }
}

TEST(WmfDamage, DegenerateMappingsAndFrames) {
    WmfBuilder b = RedBrush();
    b.record(0x020C, {0, 0});                // zero window extent: ignored
    b.record(0x0410, {0, 1, 0, 1});          // scale by x/0: ignored
    b.record(0x0410, {1, -32768, 1, 32767}); // huge but valid
    b.record(0x020F, {-32768, -32768});
    b.rectangle(-32768, -32768, 32767, 32767);
    b.font(-32768, 3600, QByteArray(40, 'Z')).select(2);
    b.textOut(0, 0, "huge");
    for (const QByteArray& wmf : {b.placeable(0, 0, 0, 0, 0), b.placeable(5, 5, 5, 900, 1),
                                  b.placeable(-32768, -32768, 32767, 32767, 65535), b.plain()}) {
        const Picture picture = Picture::fromData(wmf, QStringLiteral("odd.wmf"));
        ASSERT_FALSE(picture.isNull());
        const QSize natural = picture.naturalSize(96);
        EXPECT_GE(natural.width(), 1);
        EXPECT_GE(natural.height(), 1);
        Play(wmf);
    }
}

TEST(WmfDamage, RandomlyDamagedRealFilesNeverHang) {
    const QByteArray whole = RealFile("lo-pri-mail.wmf");
    ASSERT_FALSE(whole.isEmpty());
    QRandomGenerator random(20261208);
    for (int round = 0; round < 150; ++round) {
        QByteArray damaged = whole;
        const int flips = 1 + random.bounded(20);
        for (int i = 0; i < flips; ++i) {
            const int at = random.bounded(static_cast<int>(damaged.size()));
            damaged[at] = static_cast<char>(random.bounded(256));
        }
        Play(damaged);
    }
    SUCCEED();
}

} // namespace

namespace {

TEST(WmfDamage, ManyClipOperationsAndLargeRegionsStayCheap) {
    WmfBuilder b = RedBrush();
    for (int i = 0; i < 3000; ++i) { // a sieve of excluded squares
        const int x = (i % 60) * 16, y = (i / 60) * 16;
        b.record(0x0415, {y + 8, x + 8, y, x});
    }
    b.rectangle(0, 0, 1000, 1000);
    // A region of 4000 spans, selected as the clip and filled.
    QByteArray region = WmfBuilder::words({0, 6, 0, 0, 0, 4000, 1, 0, 0, 1000, 1000});
    for (int i = 0; i < 4000; ++i)
        region += WmfBuilder::words({2, i % 1000, i % 1000 + 1, 0, (i * 7) % 1000, 2});
    b.recordBytes(0x06FF, region);
    b.record(0x012C, {2});
    b.record(0x012B, {2});
    const QImage image = Play(b.placeable(0, 0, 1000, 1000, 1000));
    EXPECT_GT(InkCount(image, image.rect()), 0);
}

} // namespace
