#include "WmfTestSupport.h"

#include "controls/Picture.h"

#include <QDir>
#include <QFile>
#include <QPainter>

namespace {

void PutWord(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void PutDword(QByteArray& out, quint32 value) {
    PutWord(out, static_cast<int>(value & 0xFFFF));
    PutWord(out, static_cast<int>(value >> 16));
}

} // namespace

WmfBuilder& WmfBuilder::record(int function, std::initializer_list<int> values) {
    return recordBytes(function, words(values));
}

WmfBuilder& WmfBuilder::recordBytes(int function, const QByteArray& params) {
    QByteArray padded = params;
    if (padded.size() % 2)
        padded.append('\0');
    return rawRecord(static_cast<quint32>(3 + padded.size() / 2), function, padded);
}

WmfBuilder& WmfBuilder::rawRecord(quint32 sizeWords, int function, const QByteArray& params) {
    PutDword(records_, sizeWords);
    PutWord(records_, function);
    records_.append(params);
    maxRecord_ = std::max<int>(maxRecord_, static_cast<int>(sizeWords));
    return *this;
}

WmfBuilder& WmfBuilder::window(int x, int y, int width, int height) {
    record(0x020B, {y, x});
    return record(0x020C, {height, width});
}

WmfBuilder& WmfBuilder::pen(int style, int width, QRgb color) {
    QByteArray p = words({style, width, 0});
    p.append(colorRef(color));
    return recordBytes(0x02FA, p);
}

WmfBuilder& WmfBuilder::brush(int style, QRgb color, int hatch) {
    QByteArray p = words({style});
    p.append(colorRef(color));
    p.append(words({hatch}));
    return recordBytes(0x02FC, p);
}

WmfBuilder& WmfBuilder::font(int height, int escapement, const QByteArray& face, int weight) {
    QByteArray p = words({height, 0, escapement, escapement, weight});
    p.append(QByteArray(8, '\0')); // italic .. pitch and family
    QByteArray name = face.left(31);
    name.append('\0');
    p.append(name);
    return recordBytes(0x02FB, p);
}

WmfBuilder& WmfBuilder::select(int index) {
    return record(0x012D, {index});
}
WmfBuilder& WmfBuilder::remove(int index) {
    return record(0x01F0, {index});
}

WmfBuilder& WmfBuilder::rectangle(int left, int top, int right, int bottom) {
    return record(0x041B, {bottom, right, top, left});
}

WmfBuilder& WmfBuilder::textOut(int x, int y, const QByteArray& text) {
    QByteArray p = words({static_cast<int>(text.size())});
    p.append(text);
    if (text.size() % 2)
        p.append('\0');
    p.append(words({y, x}));
    return recordBytes(0x0521, p);
}

QByteArray WmfBuilder::header(int maxRecordWords) const {
    QByteArray out;
    PutWord(out, 1);      // in memory
    PutWord(out, 9);      // header words
    PutWord(out, 0x0300); // version
    PutDword(out, static_cast<quint32>(9 + (records_.size() + 6) / 2));
    PutWord(out, objectCount);
    PutDword(out, static_cast<quint32>(maxRecordWords));
    PutWord(out, 0);
    return out;
}

QByteArray WmfBuilder::placeable(int left, int top, int right, int bottom, int unitsPerInch) const {
    QByteArray out;
    PutDword(out, 0x9AC6CDD7);
    PutWord(out, 0);
    PutWord(out, left);
    PutWord(out, top);
    PutWord(out, right);
    PutWord(out, bottom);
    PutWord(out, unitsPerInch);
    PutDword(out, 0);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= static_cast<quint16>(static_cast<uchar>(out[2 * i]) |
                                         (static_cast<uchar>(out[2 * i + 1]) << 8));
    PutWord(out, checksum);
    return out + plain();
}

QByteArray WmfBuilder::plain() const {
    QByteArray out = header(maxRecord_) + records_;
    PutDword(out, 3);
    PutWord(out, 0); // end of file
    return out;
}

QByteArray WmfBuilder::colorRef(QRgb color) {
    QByteArray out;
    out.append(static_cast<char>(qRed(color)));
    out.append(static_cast<char>(qGreen(color)));
    out.append(static_cast<char>(qBlue(color)));
    out.append('\0');
    return out;
}

QByteArray WmfBuilder::words(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        PutWord(out, v);
    return out;
}

QByteArray WmfBuilder::dib24(const QImage& image) {
    QByteArray out;
    const int stride = (image.width() * 3 + 3) & ~3;
    PutDword(out, 40);
    PutDword(out, static_cast<quint32>(image.width()));
    PutDword(out, static_cast<quint32>(image.height()));
    PutWord(out, 1);
    PutWord(out, 24);
    PutDword(out, 0);
    PutDword(out, static_cast<quint32>(stride * image.height()));
    PutDword(out, 0);
    PutDword(out, 0);
    PutDword(out, 0);
    PutDword(out, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            row.append(static_cast<char>(qBlue(c)));
            row.append(static_cast<char>(qGreen(c)));
            row.append(static_cast<char>(qRed(c)));
        }
        row.append(QByteArray(stride - row.size(), '\0'));
        out.append(row);
    }
    return out;
}

QString WmfTestFile(const char* name) {
    return TestDataPath(QStringLiteral("wmf/") + QLatin1String(name));
}

QByteArray ReadWmfTestFile(const char* name) {
    return ReadTestData(QStringLiteral("wmf/") + QLatin1String(name));
}

void SaveCorpusSample(const QString& name, const QByteArray& wmf) {
    const QString dir = qEnvironmentVariable("QV_WMF_CORPUS_OUT");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QFile file(QDir(dir).filePath(name + QStringLiteral(".wmf")));
    if (file.open(QIODevice::WriteOnly))
        file.write(wmf);
}

QImage RenderWmf(const QByteArray& wmf, QSize size, int dotsPerInch) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    image.fill(Qt::white);
    const Picture picture = Picture::fromData(wmf, QStringLiteral("test.wmf"));
    QPainter painter(&image);
    picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}
