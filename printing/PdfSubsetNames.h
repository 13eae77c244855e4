#pragma once

#include <QByteArray>
#include <QIODevice>

// Passes a PDF through to out and, when the document is complete, gives its subset fonts the
// tagged names readers expect ("QOAAAA+LiberationSans": six capitals and a plus sign mark a
// font that holds only the glyphs used). Qt's writer tags the font descriptor's name but
// not the font dictionaries' base font; AppendTaggedNames() adds an incremental update that
// replaces those dictionaries with tagged copies, so nothing already written moves. What it
// cannot read leaves the document as it was written.
class PdfSubsetNames : public QIODevice {
public:
    explicit PdfSubsetNames(QIODevice& out);

    // After the writer has finished: appends the update; false when out failed a write.
    bool AppendTaggedNames();

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    void Watch(const char* data, qint64 size);

    QIODevice& out_;
    qint64 written_ = 0; // bytes passed to out
    QByteArray recent_;  // the last bytes passed, to find the fonts' start across writes
    QByteArray fonts_;   // everything from the first font descriptor on
    bool overflowed_ = false;
};
