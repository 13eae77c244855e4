#include "printing/PdfSubsetNames.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace {

const QByteArray kDescriptor = "/Type /FontDescriptor";
constexpr qsizetype kRecent = 64;
// The fonts come last, after every page; a document whose font part grows past this is left
// untagged rather than held in memory.
constexpr qsizetype kMaxFontBytes = 32 * 1024 * 1024;

struct FontDictionary {
    int object = 0;
    QByteArray body; // between "N 0 obj\n" and "endobj"
};

QByteArray Field(const QByteArray& text, const char* pattern) {
    const QRegularExpression expression(QString::fromLatin1(pattern));
    const QRegularExpressionMatch match = expression.match(QString::fromLatin1(text));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

} // namespace

PdfSubsetNames::PdfSubsetNames(QIODevice& out) : out_(out) {
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 PdfSubsetNames::readData(char*, qint64) {
    return -1;
}

qint64 PdfSubsetNames::writeData(const char* data, qint64 size) {
    const qint64 passed = out_.write(data, size);
    if (passed != size)
        return -1;
    Watch(data, size);
    written_ += size;
    return size;
}

void PdfSubsetNames::Watch(const char* data, qint64 size) {
    if (overflowed_)
        return;
    if (fonts_.isEmpty()) {
        recent_.append(data, size);
        const qsizetype at = recent_.indexOf(kDescriptor);
        if (at < 0) {
            recent_ = recent_.right(kRecent);
            return;
        }
        fonts_ = recent_.mid(std::max<qsizetype>(0, at - kRecent));
        recent_.clear();
        return;
    }
    fonts_.append(data, size);
    if (fonts_.size() > kMaxFontBytes) {
        overflowed_ = true;
        fonts_.clear();
    }
}

bool PdfSubsetNames::AppendTaggedNames() {
    if (overflowed_ || fonts_.isEmpty())
        return true;
    const QString text = QString::fromLatin1(fonts_);
    // Descriptor object -> its tag; CID font object -> its descriptor.
    QHash<int, QByteArray> tags;
    static const QRegularExpression descriptor(
        QStringLiteral("(\\d+) 0 obj\\s*<<\\s*/Type /FontDescriptor\\s*/FontName /([A-Z]{6})\\+"));
    for (auto it = descriptor.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        tags.insert(match.captured(1).toInt(), match.captured(2).toLatin1());
    }
    static const QRegularExpression dictionary(
        QStringLiteral("(\\d+) 0 obj\\n(<< /Type /Font\\s*/Subtype "
                       "/(CIDFontType2|Type0)\\s*/BaseFont /[^\\s/]+"
                       ".*?)endobj"),
        QRegularExpression::DotMatchesEverythingOption);
    QHash<int, QByteArray> tagOfFont; // CID font object -> tag
    std::vector<FontDictionary> cidFonts, typeZeroFonts;
    for (auto it = dictionary.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        FontDictionary font{match.captured(1).toInt(), match.captured(2).toLatin1()};
        (match.captured(3) == QLatin1String("Type0") ? typeZeroFonts : cidFonts).push_back(font);
    }
    std::vector<std::pair<FontDictionary, QByteArray>> replaced;
    for (const FontDictionary& font : cidFonts) {
        const QByteArray tag = tags.value(Field(font.body, "/FontDescriptor (\\d+) 0 R").toInt());
        if (tag.isEmpty())
            continue;
        tagOfFont.insert(font.object, tag);
        replaced.push_back({font, tag});
    }
    for (const FontDictionary& font : typeZeroFonts) {
        const QByteArray tag =
            tagOfFont.value(Field(font.body, "/DescendantFonts \\[\\s*(\\d+) 0 R").toInt());
        if (!tag.isEmpty())
            replaced.push_back({font, tag});
    }
    // The trailer to continue from.
    static const QRegularExpression trailer(
        QStringLiteral("trailer\\s*<<(.*?)>>\\s*startxref\\s*(\\d+)\\s*%%EOF\\s*$"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch end = trailer.match(text);
    if (replaced.empty() || !end.hasMatch())
        return true;
    std::sort(replaced.begin(), replaced.end(),
              [](const auto& a, const auto& b) { return a.first.object < b.first.object; });
    const QByteArray entries = end.captured(1).toLatin1();
    const QByteArray size = Field(entries, "/Size (\\d+)");
    const QByteArray root = Field(entries, "/Root (\\d+ \\d+ R)");
    const QByteArray info = Field(entries, "/Info (\\d+ \\d+ R)");
    if (size.isEmpty() || root.isEmpty())
        return true;

    QByteArray update;
    QByteArray xref = "xref\n";
    for (const auto& [font, tag] : replaced) {
        QByteArray body = font.body;
        body.replace("/BaseFont /", "/BaseFont /" + tag + '+');
        const qint64 offset = written_ + update.size();
        update += QByteArray::number(font.object) + " 0 obj\n" + body + "endobj\n";
        xref += QByteArray::number(font.object) + " 1\n" +
                QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    }
    const qint64 xrefAt = written_ + update.size();
    update += xref + "trailer\n<< /Size " + size + " /Root " + root +
              (info.isEmpty() ? QByteArray() : " /Info " + info) + " /Prev " +
              end.captured(2).toLatin1() + " >>\nstartxref\n" + QByteArray::number(xrefAt) +
              "\n%%EOF\n";
    fonts_.clear();
    return out_.write(update) == update.size();
}
