#include "merge/spreadsheet/OdsReader.h"

#include <QCoreApplication>

#include <QIODevice>

#include <cmath>

#include "merge/spreadsheet/NumberFormat.h"
#include "merge/spreadsheet/SpreadsheetError.h"
#include "merge/spreadsheet/XmlPartReader.h"
#include "merge/spreadsheet/ZipArchive.h"

namespace {

const QString kContent = QStringLiteral("content.xml");

long long Count(const QString& value) {
    bool ok = false;
    const long long count = value.toLongLong(&ok);
    return ok && count > 1 ? count : 1;
}

} // namespace

OdsReader::OdsReader(const QString& fileName, const QString& sheet)
    : zip_(std::make_unique<ZipArchive>(fileName)) {
    Load(sheet);
}

OdsReader::OdsReader(QByteArray bytes, const QString& sheet)
    : zip_(std::make_unique<ZipArchive>(std::move(bytes))) {
    Load(sheet);
}

OdsReader::~OdsReader() = default;

void OdsReader::Load(const QString& sheet) {
    const QByteArray mimetype = zip_->ReadSmall(QStringLiteral("mimetype"), 256).trimmed();
    if (!mimetype.isEmpty() && mimetype != "application/vnd.oasis.opendocument.spreadsheet")
        throw SpreadsheetError(QCoreApplication::translate(
                                   "OdsReader",
                                   "the file is an OpenDocument file of another kind (%1), not a "
                                   "spreadsheet")
                                   .arg(QString::fromLatin1(mimetype)));
    if (!zip_->Contains(kContent))
        throw SpreadsheetError(QCoreApplication::translate(
            "OdsReader", "the file is not an OpenDocument spreadsheet (it "
                         "has no content.xml)"));
    sheetIndex_ = sheet.isEmpty() ? 0 : ChooseSheet(SheetNames(), sheet);
    if (!EnterTable(sheetIndex_, nullptr))
        throw SpreadsheetError(
            QCoreApplication::translate("OdsReader", "the file has no worksheet"));
    xml_.reset(); // the first NextRow starts afresh
}

QStringList OdsReader::SheetNames() {
    if (names_.isEmpty()) {
        QStringList names;
        EnterTable(-1, &names);
        names_ = names;
        xml_.reset();
    }
    return names_;
}

// Walks the content to the spreadsheet body and through its tables; stops inside the table
// of that number, or lists every name when names is given.
bool OdsReader::EnterTable(qsizetype index, QStringList* names) {
    xml_ = std::make_unique<XmlPartReader>(zip_->Open(kContent));
    tableDepth_ = 0;
    int body = 0;
    while (xml_->NextStart(0))
        if (xml_->Is(QLatin1StringView("spreadsheet"))) {
            body = xml_->Depth();
            break;
        } else if (xml_->Is(QLatin1StringView("automatic-styles")) ||
                   xml_->Is(QLatin1StringView("font-face-decls")) ||
                   xml_->Is(QLatin1StringView("scripts"))) {
            xml_->Skip();
        }
    qsizetype found = 0;
    while (body > 0 && xml_->NextStart(body)) {
        if (!xml_->Is(QLatin1StringView("table")) || xml_->Depth() != body + 1) {
            xml_->Skip();
            continue;
        }
        const QString name = xml_->Attribute(QLatin1StringView("name"));
        if (names) {
            names->append(name);
        } else if (found == index) {
            sheetName_ = name;
            tableDepth_ = xml_->Depth();
            return true;
        }
        ++found;
        xml_->Skip();
    }
    return false;
}

void OdsReader::Rewind() {
    if (!EnterTable(sheetIndex_, nullptr))
        throw SpreadsheetError(
            QCoreApplication::translate("OdsReader", "the sheet \"%1\" is no longer in the file")
                .arg(sheetName_));
    merged_ = MergedCells(MergedCells::Passed::Forgotten);
    row_ = 0;
    repeats_ = 0;
    shown_ = 0;
}

bool OdsReader::NextRow(QStringList& cells) {
    if (!xml_)
        Rewind();
    for (;;) {
        if (repeats_ == 0 && (tableDepth_ == 0 || !ReadRow(cells)))
            break;
        // One repetition of the row read last.
        --repeats_;
        ++row_;
        cells = repeated_;
        if (!merged_.Apply(row_, cells, columnLimit_))
            Fail(QCoreApplication::translate("OdsReader",
                                             "the sheet's merged areas overlap past all reason"));
        if (!AllEmpty(cells)) {
            if (row_ > MaxRows)
                Fail(QCoreApplication::translate("OdsReader", "the sheet has more than %1 rows")
                         .arg(MaxRows));
            TrimEnd(cells);
            shown_ += cells.size();
            if (shown_ > MaxCellsShown)
                Fail(QCoreApplication::translate(
                         "OdsReader", "the sheet repeats its cells more than %1 times; it is "
                                      "refused")
                         .arg(MaxCellsShown));
            return true;
        }
        // Empty repetitions that no merged area reaches are passed over at once.
        if (repeats_ > 0 && !merged_.Covers(row_ + 1)) {
            row_ += repeats_;
            repeats_ = 0;
        }
    }
    tableDepth_ = 0;
    return false;
}

// The next row element of the table into repeated_ and repeats_; false at the table's end.
bool OdsReader::ReadRow(QStringList& scratch) {
    while (xml_->NextStart(tableDepth_)) {
        if (xml_->Is(QLatin1StringView("table-header-rows")) ||
            xml_->Is(QLatin1StringView("table-rows")) ||
            xml_->Is(QLatin1StringView("table-row-group")))
            continue; // rows inside
        if (!xml_->Is(QLatin1StringView("table-row"))) {
            xml_->Skip();
            continue;
        }
        repeats_ = Count(xml_->Attribute(QLatin1StringView("number-rows-repeated")));
        const long long number = row_ + 1;
        scratch.clear();
        const int within = xml_->Depth();
        long long column = 0;
        while (xml_->NextStart(within)) {
            const bool covered = xml_->Is(QLatin1StringView("covered-table-cell"));
            if (!covered && !xml_->Is(QLatin1StringView("table-cell"))) {
                xml_->Skip();
                continue;
            }
            const long long times =
                Count(xml_->Attribute(QLatin1StringView("number-columns-repeated")));
            if (!covered) {
                const long long across =
                    Count(xml_->Attribute(QLatin1StringView("number-columns-spanned")));
                const long long down =
                    Count(xml_->Attribute(QLatin1StringView("number-rows-spanned")));
                if ((across > 1 || down > 1) && column < MaxColumns &&
                    !merged_.Add(number, int(column), number + std::min(down, MaxRows) - 1,
                                 int(std::min<long long>(column + across - 1, MaxColumns))))
                    Fail(QCoreApplication::translate("OdsReader",
                                                     "the sheet has more than %1 merged areas")
                             .arg(MergedCells::MaxAreas));
            }
            // A covered cell shows its area's value, which the merged areas give it.
            const QString value = covered ? QString() : CellValue();
            if (covered)
                xml_->Skip();
            if (!value.isEmpty())
                for (long long k = 0; k < times && column + k < columnLimit_; ++k) {
                    while (scratch.size() <= column + k)
                        scratch.append(QString());
                    scratch[column + k] = value;
                }
            column = std::min<long long>(column + times, MaxColumns);
        }
        repeated_ = scratch;
        return true;
    }
    return false;
}

// At a <table:table-cell>: its value as shown, through to its end.
QString OdsReader::CellValue() {
    const QString type = xml_->Attribute(QLatin1StringView("value-type"));
    const QString value = xml_->Attribute(QLatin1StringView("value"));
    const QString date = xml_->Attribute(QLatin1StringView("date-value"));
    const QString time = xml_->Attribute(QLatin1StringView("time-value"));
    const QString boolean = xml_->Attribute(QLatin1StringView("boolean-value"));
    const QString string = xml_->Attribute(QLatin1StringView("string-value"));
    const QString text = CellText();
    if (type == QLatin1String("date") && !Date(date).isEmpty())
        return Date(date);
    if (type == QLatin1String("time") && !Duration(time).isEmpty())
        return Duration(time);
    if (!text.isEmpty())
        return text;
    if (type == QLatin1String("float") || type == QLatin1String("currency") ||
        type == QLatin1String("percentage")) {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (!ok)
            return value;
        return type == QLatin1String("percentage") ? NumberFormat::General(number * 100) + u'%'
                                                   : NumberFormat::General(number);
    }
    if (type == QLatin1String("boolean"))
        return boolean == QLatin1String("true") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    return string;
}

// The cell's paragraphs, one line each; its comments left out.
QString OdsReader::CellText() {
    const int within = xml_->Depth();
    QString text;
    bool first = true;
    while (xml_->NextStart(within)) {
        if (xml_->Is(QLatin1StringView("p")) || xml_->Is(QLatin1StringView("h"))) {
            if (!first)
                text += u'\n';
            first = false;
            AppendParagraph(text);
        } else {
            xml_->Skip();
        }
    }
    return text;
}

// A paragraph's text as it shows: runs of blanks in the markup as one space, none at its
// start or end; <text:s/> spaces, tabs and line breaks as written; notes left out.
void OdsReader::AppendParagraph(QString& text) {
    const int within = xml_->Depth();
    const qsizetype start = text.size();
    bool blank = true;     // at a point where a blank from the markup is dropped
    bool trailing = false; // the text ends in such a blank
    const auto check = [&] {
        if (text.size() > MaxCellChars)
            Fail(QCoreApplication::translate("OdsReader", "a cell holds more than %1 characters")
                     .arg(MaxCellChars));
    };
    for (;;) {
        const QXmlStreamReader::TokenType token = xml_->NextToken();
        if (token == QXmlStreamReader::EndDocument ||
            (token == QXmlStreamReader::EndElement && xml_->Depth() < within))
            break;
        if (token == QXmlStreamReader::StartElement) {
            if (xml_->Is(QLatin1StringView("s"))) {
                text += QString(qsizetype(std::min<long long>(
                                    Count(xml_->Attribute(QLatin1StringView("c"))), MaxCellChars)),
                                u' ');
            } else if (xml_->Is(QLatin1StringView("tab"))) {
                text += u'\t';
            } else if (xml_->Is(QLatin1StringView("line-break"))) {
                text += u'\n';
            } else if (xml_->Is(QLatin1StringView("note")) ||
                       xml_->Is(QLatin1StringView("annotation"))) {
                xml_->Skip();
                continue;
            } else {
                continue; // spans, links: their text counts
            }
            blank = false;
            trailing = false;
            check();
        } else if (token == QXmlStreamReader::Characters) {
            for (QChar c : xml_->TokenText()) {
                if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r') {
                    if (!blank)
                        text += u' ';
                    trailing = trailing || !blank;
                    blank = true;
                } else {
                    text += c;
                    blank = false;
                    trailing = false;
                }
            }
            check();
        }
    }
    if (trailing && text.size() > start)
        text.chop(1);
}

QString OdsReader::Date(const QString& value) {
    if (value.size() < 10 || value[4] != u'-' || value[7] != u'-')
        return {};
    const QString day = value.left(10);
    const QString clock = value.mid(11, 8);
    return clock.isEmpty() || clock == QLatin1String("00:00:00") ? day : day + u' ' + clock;
}

QString OdsReader::Duration(const QString& value) {
    if (!value.startsWith(QLatin1String("PT")) && !value.startsWith(QLatin1String("P")))
        return {};
    double seconds = 0;
    QString number;
    bool inTime = false;
    for (qsizetype i = 1; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c.isDigit() || c == u'.' || c == u',') {
            number += c == u',' ? u'.' : c;
            continue;
        }
        const double n = number.toDouble();
        number.clear();
        if (c == u'T')
            inTime = true;
        else if (c == u'D' && !inTime)
            seconds += n * 86400;
        else if (c == u'H' && inTime)
            seconds += n * 3600;
        else if (c == u'M' && inTime)
            seconds += n * 60;
        else if (c == u'S' && inTime)
            seconds += n;
        else
            return {};
    }
    if (!number.isEmpty() || seconds > 1e9)
        return {};
    const long long total = std::llround(seconds);
    return QStringLiteral("%1:%2:%3")
        .arg(total / 3600, 2, 10, QLatin1Char('0'))
        .arg(total / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(total % 60, 2, 10, QLatin1Char('0'));
}
