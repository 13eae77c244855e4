#pragma once

#include <QString>
#include <QXmlStreamReader>

#include <memory>

class XmlPartDevice;

// Qt's XML stream reader over one part of a spreadsheet package, with what the readers walk
// by: the depth of the open elements (refused past MaxDepth), the next start element inside
// one, its text, and every fault raised as a SpreadsheetError that names the part. Names are
// matched without their namespaces, which differ between writers (strict and transitional
// OOXML) but never clash inside one part.
class XmlPartReader {
public:
    static constexpr int MaxDepth = 64;

    explicit XmlPartReader(std::unique_ptr<QIODevice> device);
    ~XmlPartReader();

    // Moves to the next start element inside the element open at depth `within` (0: the
    // whole part); false once that element has ended.
    bool NextStart(int within);
    // Open elements, the current one included.
    int Depth() const { return depth_; }
    QStringView Name() const { return xml_.name(); }
    bool Is(QLatin1StringView name) const { return xml_.name() == name; }
    // The current start element's attribute of that local name; null when it has none.
    QString Attribute(QLatin1StringView name) const;
    // Skips to the end of the current element.
    void Skip();
    // The character data inside the current element, to its end; longer than maxChars is a
    // fault.
    QString Text(qsizetype maxChars);
    // The next token, counted into the depth. Throws on a fault.
    QXmlStreamReader::TokenType NextToken();
    QStringView TokenText() const { return xml_.text(); }

    [[noreturn]] void Fail(const QString& what) const;
    const QString& PartName() const;

private:
    std::unique_ptr<QIODevice> device_;
    QXmlStreamReader xml_;
    int depth_ = 0;
};
