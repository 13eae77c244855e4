// The player against an independent reader: Debian's libwmf (wmf2gd) renders the same
// real-world clip art; ink coverage and placement must agree within a tolerance.
#include "WmfTestSupport.h"

#include "controls/Picture.h"
#include "controls/WmfPlayer.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace {

QImage OverWhite(const QImage& image) {
    QImage out(image.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.drawImage(0, 0, image);
    return out;
}

// Ink fraction of each cell of a grid laid over the image.
std::vector<double> CellInk(const QImage& image, int cells) {
    std::vector<double> ink(static_cast<size_t>(cells * cells));
    for (int cy = 0; cy < cells; ++cy)
        for (int cx = 0; cx < cells; ++cx) {
            const QRect area(cx * image.width() / cells, cy * image.height() / cells,
                             image.width() / cells, image.height() / cells);
            ink[size_t(cy * cells + cx)] =
                double(InkCount(image, area)) / std::max(1, area.width() * area.height());
        }
    return ink;
}

// Mean colour distance (0..441) over cells of 8 x 8 pixels, comparing averages.
double MeanCellColourDistance(const QImage& a, const QImage& b) {
    double total = 0;
    int cells = 0;
    for (int y = 0; y + 8 <= a.height(); y += 8)
        for (int x = 0; x + 8 <= a.width(); x += 8) {
            double sa[3] = {0, 0, 0}, sb[3] = {0, 0, 0};
            for (int dy = 0; dy < 8; ++dy)
                for (int dx = 0; dx < 8; ++dx) {
                    const QRgb pa = a.pixel(x + dx, y + dy), pb = b.pixel(x + dx, y + dy);
                    sa[0] += qRed(pa), sa[1] += qGreen(pa), sa[2] += qBlue(pa);
                    sb[0] += qRed(pb), sb[1] += qGreen(pb), sb[2] += qBlue(pb);
                }
            double d = 0;
            for (int i = 0; i < 3; ++i)
                d += std::pow((sa[i] - sb[i]) / 64.0, 2);
            total += std::sqrt(d);
            ++cells;
        }
    return cells ? total / cells : 0;
}

// The list is fixed, not read from the folder: a missing file fails its own test.
class WmfReference : public ::testing::TestWithParam<const char*> {};

TEST(WmfReferenceFiles, AllSevenRealFilesArePresent) {
    EXPECT_EQ(std::size(kRealWmfFiles), 7u);
    for (const char* name : kRealWmfFiles)
        EXPECT_TRUE(QFile::exists(WmfTestFile(name))) << WmfTestFile(name).toStdString();
}

// Bounds of every point of the file's polygons, polylines and poly-polygons, read here
// independently of the player (logical units).
QRectF PolygonPointBounds(const QByteArray& data) {
    const auto u16 = [&](qsizetype at) {
        return at + 2 <= data.size() ? quint16(uchar(data[at]) | (uchar(data[at + 1]) << 8)) : 0;
    };
    QRectF bounds;
    qsizetype pos = 22 + 18;
    while (pos + 6 <= data.size()) {
        const quint32 words = u16(pos) | (quint32(u16(pos + 2)) << 16);
        const int function = u16(pos + 4);
        if (words < 3 || function == 0)
            break;
        qsizetype points = pos + 8, count = qint16(u16(pos + 6));
        if (function == 0x0538) { // polygon count, counts, then all points
            const int polygons = u16(pos + 6);
            count = 0;
            for (int i = 0; i < polygons; ++i)
                count += u16(pos + 8 + 2 * i);
            points = pos + 8 + 2 * polygons;
        }
        if (function == 0x0324 || function == 0x0325 || function == 0x0538)
            for (qsizetype i = 0; i < count; ++i) {
                const QPointF p(qint16(u16(points + 4 * i)), qint16(u16(points + 4 * i + 2)));
                bounds |= QRectF(p, QSizeF(0.001, 0.001));
            }
        pos += qsizetype(words) * 2;
    }
    return bounds;
}

QImage RunWmf2gd(const QString& wmf2gd, const QString& path, QSize fit) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("ref.png"));
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(wmf2gd, {QStringLiteral("--maxwidth=%1").arg(fit.width()),
                           QStringLiteral("--maxheight=%1").arg(fit.height()),
                           QStringLiteral("--maxpect"), QStringLiteral("-o"), png, path});
    if (!process.waitForFinished(60000))
        return {};
    return OverWhite(QImage(png));
}

TEST_P(WmfReference, MatchesLibwmfInCoverageAndPlacement) {
    const QString wmf2gd = QStandardPaths::findExecutable(QStringLiteral("wmf2gd"));
    if (wmf2gd.isEmpty())
        GTEST_SKIP() << "wmf2gd (libwmf-bin) is not installed";
    const QString path = WmfTestFile(GetParam());
    const QByteArray bytes = ReadWmfTestFile(GetParam());
    ASSERT_FALSE(bytes.isEmpty());
    const WmfPlayer player(bytes);
    ASSERT_TRUE(player.isPlaceable());

    // Ours: the header's frame fills the box.
    const QSizeF frame = player.frame().size();
    const double scale = 320.0 / std::max(frame.width(), frame.height());
    const QSize box(qRound(frame.width() * scale), qRound(frame.height() * scale));
    const QImage ours = RenderWmf(bytes, box);
    const QRect inked = InkBounds(ours);
    ASSERT_FALSE(inked.isEmpty());

    // Placement in the frame: the ink spans the file's own points (plus outline widths).
    const QRectF points = PolygonPointBounds(bytes);
    const QRectF expected((points.left() - player.frame().left()) * scale,
                          (points.top() - player.frame().top()) * scale, points.width() * scale,
                          points.height() * scale);
    EXPECT_NEAR(inked.left(), expected.left(), 4);
    EXPECT_NEAR(inked.top(), expected.top(), 4);
    EXPECT_NEAR(inked.right(), expected.right(), 4);
    EXPECT_NEAR(inked.bottom(), expected.bottom(), 4);

    // libwmf fits what it draws, not the header's frame, to its image: compare what is drawn.
    // Its own measure of the drawing is a little off at times (it cuts the end of the
    // envelope's shadow in lo-pri-mail), hence the tolerances.
    const QImage rendered = RunWmf2gd(wmf2gd, path, box);
    ASSERT_FALSE(rendered.isNull());
    const QRect referenceInk = InkBounds(rendered);
    ASSERT_FALSE(referenceInk.isEmpty());
    EXPECT_NEAR(double(referenceInk.width()) / referenceInk.height(),
                double(inked.width()) / inked.height(),
                double(inked.width()) * 0.06 / inked.height())
        << "shape of what is drawn";
    const QImage reference = rendered.copy(referenceInk);
    const QImage content =
        ours.copy(inked).scaled(reference.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    if (const QString out = PictureOutputDir(); !out.isEmpty()) {
        QImage both(box.width() + rendered.width() + 10, std::max(box.height(), rendered.height()),
                    QImage::Format_RGB32);
        both.fill(Qt::gray);
        QPainter painter(&both);
        painter.drawImage(0, 0, ours);
        painter.drawImage(box.width() + 10, 0, rendered);
        painter.end();
        both.save(out + QLatin1Char('/') + GetParam() + QStringLiteral(".png"));
    }

    const double pixels = reference.width() * reference.height();
    const double oursInk = InkCount(content, content.rect()) / pixels;
    const double refInk = InkCount(reference, reference.rect()) / pixels;
    EXPECT_NEAR(oursInk, refInk, 0.02 + 0.12 * refInk) << "overall ink coverage";

    const std::vector<double> a = CellInk(content, 16), b = CellInk(reference, 16);
    int agree = 0;
    for (size_t i = 0; i < a.size(); ++i)
        agree += ((a[i] > 0.05) == (b[i] > 0.05) || std::abs(a[i] - b[i]) < 0.1) ? 1 : 0;
    EXPECT_GE(agree, int(a.size() * 0.97)) << "cells with ink in the same places";

    EXPECT_LT(MeanCellColourDistance(content, reference), 25.0) << "colours per 8x8 cell";
}

INSTANTIATE_TEST_SUITE_P(RealClipArt, WmfReference, ::testing::ValuesIn(kRealWmfFiles),
                         [](const ::testing::TestParamInfo<const char*>& file) {
                             QString name = QLatin1String(file.param);
                             name.replace(QLatin1Char('-'), QLatin1Char('_'));
                             name.remove(QStringLiteral(".wmf"));
                             return name.toStdString();
                         });

} // namespace
