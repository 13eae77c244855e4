#include "merge/spreadsheet/XmlPartReader.h"

#include <QCoreApplication>

#include "merge/spreadsheet/SpreadsheetError.h"
#include "merge/spreadsheet/XmlPartDevice.h"

XmlPartReader::XmlPartReader(std::unique_ptr<QIODevice> device) : device_(std::move(device)) {
    xml_.setDevice(device_.get());
    xml_.setNamespaceProcessing(true);
}

XmlPartReader::~XmlPartReader() = default;

const QString& XmlPartReader::PartName() const {
    static const QString none;
    const auto* part = qobject_cast<const XmlPartDevice*>(device_.get());
    return part ? part->PartName() : none;
}

void XmlPartReader::Fail(const QString& what) const {
    throw SpreadsheetError(
        QCoreApplication::translate("XmlPartReader", "the part %1 is damaged: %2")
            .arg(PartName(), what));
}

QXmlStreamReader::TokenType XmlPartReader::NextToken() {
    const QXmlStreamReader::TokenType token = xml_.readNext();
    switch (token) {
    case QXmlStreamReader::StartElement:
        if (++depth_ > MaxDepth)
            throw SpreadsheetError(
                QCoreApplication::translate("XmlPartReader",
                                            "the part %1 nests its elements more than %2 "
                                            "deep, as no spreadsheet does; it is refused")
                    .arg(PartName())
                    .arg(MaxDepth));
        break;
    case QXmlStreamReader::EndElement:
        --depth_;
        break;
    case QXmlStreamReader::DTD:
    case QXmlStreamReader::EntityReference:
        throw SpreadsheetError(
            QCoreApplication::translate(
                "XmlPartReader", "the part %1 declares entities, which no spreadsheet does; it is "
                                 "refused")
                .arg(PartName()));
    case QXmlStreamReader::Invalid: {
        const auto* part = qobject_cast<const XmlPartDevice*>(device_.get());
        if (part && part->Refused())
            throw SpreadsheetError(part->errorString());
        Fail(QCoreApplication::translate("XmlPartReader", "line %1: %2")
                 .arg(xml_.lineNumber())
                 .arg(xml_.errorString()));
    }
    default:
        break;
    }
    return token;
}

bool XmlPartReader::NextStart(int within) {
    for (;;) {
        switch (NextToken()) {
        case QXmlStreamReader::StartElement:
            return true;
        case QXmlStreamReader::EndElement:
            if (depth_ < within)
                return false;
            break;
        case QXmlStreamReader::EndDocument:
            return false;
        default:
            break;
        }
    }
}

QString XmlPartReader::Attribute(QLatin1StringView name) const {
    for (const QXmlStreamAttribute& attribute : xml_.attributes())
        if (attribute.name() == name)
            return attribute.value().toString();
    return {};
}

void XmlPartReader::Skip() {
    const int open = depth_;
    while (depth_ >= open && NextToken() != QXmlStreamReader::EndDocument) {
    }
}

QString XmlPartReader::Text(qsizetype maxChars) {
    const int open = depth_;
    QString text;
    while (depth_ >= open) {
        const QXmlStreamReader::TokenType token = NextToken();
        if (token == QXmlStreamReader::EndDocument)
            break;
        if (token == QXmlStreamReader::Characters) {
            if (text.size() + xml_.text().size() > maxChars)
                Fail(QCoreApplication::translate("XmlPartReader",
                                                 "line %1: a cell holds more than %2 characters")
                         .arg(xml_.lineNumber())
                         .arg(maxChars));
            text += xml_.text();
        }
    }
    return text;
}
