#pragma once

#include "ControlTestSupport.h"
#include "support/TestData.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <initializer_list>

// Builds small metafiles record by record for the player's tests and the fuzz corpus.
// Words are given in file order (GDI's parameters reversed), each a signed 16-bit value.
class WmfBuilder {
public:
    WmfBuilder& record(int function, std::initializer_list<int> words);
    WmfBuilder& recordBytes(int function, const QByteArray& params);
    WmfBuilder& rawRecord(quint32 sizeWords, int function, const QByteArray& params);

    // Common records, arguments in GDI's order.
    WmfBuilder& window(int x, int y, int width, int height);
    WmfBuilder& pen(int style, int width, QRgb color);
    WmfBuilder& brush(int style, QRgb color, int hatch = 0);
    WmfBuilder& font(int height, int escapement, const QByteArray& face, int weight = 400);
    WmfBuilder& select(int index);
    WmfBuilder& remove(int index);
    WmfBuilder& rectangle(int left, int top, int right, int bottom);
    WmfBuilder& textOut(int x, int y, const QByteArray& text);

    QByteArray placeable(int left, int top, int right, int bottom, int unitsPerInch) const;
    QByteArray plain() const;

    static QByteArray colorRef(QRgb color);
    static QByteArray words(std::initializer_list<int> values);
    // A bottom-up 24-bit DIB (BITMAPINFOHEADER and rows) of the given top-down pixels.
    static QByteArray dib24(const QImage& image);

    int objectCount = 16;

private:
    QByteArray header(int maxRecordWords) const;
    QByteArray records_;
    int maxRecord_ = 3;
};

// The seven real clip-art metafiles kept in tests/data/wmf (see SOURCES.md there).
inline const char* const kRealWmfFiles[] = {
    "lo-bus-classic.wmf", "lo-idxexample.wmf", "lo-pri-bottle.wmf", "lo-pri-fax.wmf",
    "lo-pri-mail.wmf",    "lo-pri-marine.wmf", "lo-stl-03.wmf",
};
// The path of one of them, and its bytes (a missing file fails the test, naming it).
QString WmfTestFile(const char* name);
QByteArray ReadWmfTestFile(const char* name);

// Writes the metafile into $QV_WMF_CORPUS_OUT (the fuzz corpus) when set.
void SaveCorpusSample(const QString& name, const QByteArray& wmf);

// Renders a metafile into a white image of the given size (whole image as the target box).
QImage RenderWmf(const QByteArray& wmf, QSize size, int dotsPerInch = 96);
