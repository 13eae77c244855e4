#include "merge/spreadsheet/XlsxReader.h"

#include <QCoreApplication>

#include <QDir>
#include <QFileInfo>
#include <QIODevice>

#include "merge/spreadsheet/SpreadsheetError.h"
#include "merge/spreadsheet/XmlPartReader.h"
#include "merge/spreadsheet/ZipArchive.h"

namespace {

// The folder of a part, for the targets of its relationships.
QString FolderOf(const QString& part) {
    const qsizetype slash = part.lastIndexOf(u'/');
    return slash < 0 ? QString() : part.left(slash);
}

QString Resolve(const QString& folder, const QString& target) {
    if (target.startsWith(u'/'))
        return QDir::cleanPath(target.mid(1));
    return QDir::cleanPath(folder.isEmpty() ? target : folder + u'/' + target);
}

bool TypeIs(const QString& type, QLatin1StringView ending) {
    return type.endsWith(u'/' + QString(ending));
}

} // namespace

XlsxReader::XlsxReader(const QString& fileName, const QString& sheet, qsizetype spillBytes)
    : zip_(std::make_unique<ZipArchive>(fileName)), strings_(spillBytes) {
    Load(sheet);
}

XlsxReader::XlsxReader(QByteArray bytes, const QString& sheet, qsizetype spillBytes)
    : zip_(std::make_unique<ZipArchive>(std::move(bytes))), strings_(spillBytes) {
    Load(sheet);
}

XlsxReader::~XlsxReader() = default;

void XlsxReader::Load(const QString& sheet) {
    QString workbook = QStringLiteral("xl/workbook.xml");
    if (zip_->Contains(QStringLiteral("_rels/.rels")))
        for (const Relationship& r : ReadRelationships(QStringLiteral("_rels/.rels")))
            if (TypeIs(r.type, QLatin1StringView("officeDocument")))
                workbook = r.target;
    if (!zip_->Contains(workbook))
        throw SpreadsheetError(QCoreApplication::translate(
                                   "XlsxReader", "the file is not an Excel workbook (it has no %1)")
                                   .arg(workbook));
    sheetPart_ = ReadWorkbook(workbook, sheet);
    ReadMergedAreas();
}

XlsxReader::Relationships XlsxReader::ReadRelationships(const QString& part) const {
    // "xl/_rels/workbook.xml.rels" speaks of targets beside "xl/workbook.xml".
    const QString source = FolderOf(FolderOf(part));
    Relationships relationships;
    XmlPartReader xml(zip_->Open(part));
    while (xml.NextStart(0)) {
        if (!xml.Is(QLatin1StringView("Relationship")) ||
            xml.Attribute(QLatin1StringView("TargetMode")) == QLatin1String("External"))
            continue;
        relationships.insert(xml.Attribute(QLatin1StringView("Id")),
                             {xml.Attribute(QLatin1StringView("Type")),
                              Resolve(source, xml.Attribute(QLatin1StringView("Target")))});
    }
    return relationships;
}

// The sheets' names and the chosen one's part; the formats and shared strings on the way.
QString XlsxReader::ReadWorkbook(const QString& part, const QString& sheet) {
    const QString rels = FolderOf(part) + QStringLiteral("/_rels/") + QFileInfo(part).fileName() +
                         QStringLiteral(".rels");
    const Relationships relationships =
        zip_->Contains(rels) ? ReadRelationships(rels) : Relationships();
    QStringList parts;
    {
        XmlPartReader xml(zip_->Open(part));
        while (xml.NextStart(0)) {
            if (xml.Is(QLatin1StringView("workbookPr"))) {
                const QString value = xml.Attribute(QLatin1StringView("date1904"));
                date1904_ = value == QLatin1String("1") || value == QLatin1String("true");
            } else if (xml.Is(QLatin1StringView("sheet"))) {
                // Chart sheets have no cells to merge.
                const Relationship target =
                    relationships.value(xml.Attribute(QLatin1StringView("id")));
                if (!TypeIs(target.type, QLatin1StringView("worksheet")) ||
                    !zip_->Contains(target.target))
                    continue;
                names_.append(xml.Attribute(QLatin1StringView("name")));
                parts.append(target.target);
            }
        }
    }
    const qsizetype chosen = ChooseSheet(names_, sheet);
    sheetName_ = names_[chosen];
    QString styles, strings;
    for (const Relationship& r : relationships) {
        if (TypeIs(r.type, QLatin1StringView("styles")))
            styles = r.target;
        else if (TypeIs(r.type, QLatin1StringView("sharedStrings")))
            strings = r.target;
    }
    if (!styles.isEmpty() && zip_->Contains(styles))
        ReadStyles(styles);
    if (!strings.isEmpty() && zip_->Contains(strings))
        ReadSharedStrings(strings);
    return parts[chosen];
}

void XlsxReader::ReadStyles(const QString& part) {
    QHash<int, NumberFormat> custom;
    XmlPartReader xml(zip_->Open(part));
    while (xml.NextStart(0)) {
        if (xml.Is(QLatin1StringView("numFmt"))) {
            if (custom.size() >= MaxStyles)
                xml.Fail(QCoreApplication::translate("XlsxReader", "more than %1 number formats")
                             .arg(MaxStyles));
            custom.insert(xml.Attribute(QLatin1StringView("numFmtId")).toInt(),
                          NumberFormat::Parse(xml.Attribute(QLatin1StringView("formatCode"))));
        } else if (xml.Is(QLatin1StringView("cellXfs"))) {
            const int within = xml.Depth();
            while (xml.NextStart(within)) {
                if (!xml.Is(QLatin1StringView("xf"))) {
                    xml.Skip();
                    continue;
                }
                if (styles_.size() >= std::size_t(MaxStyles))
                    xml.Fail(QCoreApplication::translate("XlsxReader", "more than %1 cell formats")
                                 .arg(MaxStyles));
                const int id = xml.Attribute(QLatin1StringView("numFmtId")).toInt();
                styles_.push_back(custom.contains(id) ? custom.value(id)
                                                      : NumberFormat::Builtin(id));
                xml.Skip();
            }
        } else if (xml.Is(QLatin1StringView("cellStyleXfs")) ||
                   xml.Is(QLatin1StringView("fonts")) || xml.Is(QLatin1StringView("fills")) ||
                   xml.Is(QLatin1StringView("borders")) || xml.Is(QLatin1StringView("dxfs")) ||
                   xml.Is(QLatin1StringView("extLst"))) {
            xml.Skip();
        }
    }
}

void XlsxReader::ReadSharedStrings(const QString& part) {
    XmlPartReader xml(zip_->Open(part));
    while (xml.NextStart(0)) {
        if (!xml.Is(QLatin1StringView("si")))
            continue;
        if (!strings_.Add(ReadRichText(xml)))
            throw SpreadsheetError(QCoreApplication::translate(
                                       "XlsxReader", "the workbook's table of shared strings is "
                                                     "larger than %1 strings or %2 MiB; it is "
                                                     "refused")
                                       .arg(SharedStrings::MaxStrings)
                                       .arg(SharedStrings::MaxBytes >> 20));
    }
}

// The text of a string item (<si>, <is>): its <t> runs, without phonetic guides.
QString XlsxReader::ReadRichText(XmlPartReader& xml) {
    const int within = xml.Depth();
    QString text;
    while (xml.NextStart(within)) {
        if (xml.Is(QLatin1StringView("t"))) {
            text += xml.Text(MaxCellChars);
            if (text.size() > MaxCellChars)
                xml.Fail(QCoreApplication::translate("XlsxReader",
                                                     "a cell holds more than %1 characters")
                             .arg(MaxCellChars));
        } else if (xml.Is(QLatin1StringView("rPh")) || xml.Is(QLatin1StringView("rPr")) ||
                   xml.Is(QLatin1StringView("phoneticPr")))
            xml.Skip();
    }
    return Unescape(text);
}

void XlsxReader::ReadMergedAreas() {
    // Most sheets merge nothing: a look through the bytes spares them a parse.
    if (!zip_->Mentions(sheetPart_, "mergeCell"))
        return;
    XmlPartReader xml(zip_->Open(sheetPart_));
    while (xml.NextStart(0)) {
        if (xml.Is(QLatin1StringView("sheetData"))) {
            xml.Skip();
            continue;
        }
        if (!xml.Is(QLatin1StringView("mergeCell")))
            continue;
        const QStringList corners = xml.Attribute(QLatin1StringView("ref")).split(u':');
        long long top = 0, bottom = 0;
        const int left = ColumnOf(corners.value(0), &top);
        const int right = ColumnOf(corners.value(1), &bottom);
        if (corners.size() != 2 || left < 0 || right < left || top < 1 || bottom < top)
            continue; // an area we cannot place leaves its cells as they are
        if (!merged_.Add(top, left, bottom, right))
            throw SpreadsheetError(QCoreApplication::translate(
                                       "XlsxReader", "the sheet \"%1\" has more than %2 merged "
                                                     "areas; it is refused")
                                       .arg(sheetName_)
                                       .arg(MergedCells::MaxAreas));
    }
}

int XlsxReader::ColumnOf(QStringView reference, long long* row) {
    long long column = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i].isLetter() && reference[i].unicode() < 128; ++i) {
        column = column * 26 + (reference[i].toUpper().unicode() - 'A' + 1);
        if (column > MaxColumns)
            return -1;
    }
    if (row) {
        bool ok = false;
        const long long number = reference.mid(i).toLongLong(&ok);
        *row = ok && number > 0 && number <= MaxRows ? number : 0;
    }
    return int(column) - 1;
}

QString XlsxReader::Unescape(const QString& text) {
    if (!text.contains(QLatin1String("_x")))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'_' && i + 6 < text.size() && text[i + 1] == u'x' && text[i + 6] == u'_') {
            bool ok = false;
            const uint code = text.mid(i + 2, 4).toUInt(&ok, 16);
            if (ok) {
                out += QChar(char16_t(code));
                i += 6;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

void XlsxReader::Rewind() {
    xml_ = std::make_unique<XmlPartReader>(zip_->Open(sheetPart_));
    merged_.Rewind();
    row_ = 0;
    dataDepth_ = 0;
    while (xml_->NextStart(0))
        if (xml_->Is(QLatin1StringView("sheetData"))) {
            dataDepth_ = xml_->Depth();
            return;
        }
}

bool XlsxReader::NextRow(QStringList& cells) {
    if (!xml_)
        Rewind();
    while (dataDepth_ > 0 && xml_->NextStart(dataDepth_)) {
        if (!xml_->Is(QLatin1StringView("row"))) {
            xml_->Skip();
            continue;
        }
        bool numbered = false;
        const long long number = xml_->Attribute(QLatin1StringView("r")).toLongLong(&numbered);
        if (numbered && number <= row_)
            Fail(QCoreApplication::translate("XlsxReader",
                                             "the rows are out of order (row %1 follows)")
                     .arg(number));
        row_ = numbered ? number : row_ + 1;
        if (row_ > MaxRows)
            Fail(QCoreApplication::translate("XlsxReader", "the sheet has more than %1 rows")
                     .arg(MaxRows));
        cells.clear();
        const int within = xml_->Depth();
        int next = 0;
        while (xml_->NextStart(within)) {
            if (!xml_->Is(QLatin1StringView("c"))) {
                xml_->Skip();
                continue;
            }
            const QString reference = xml_->Attribute(QLatin1StringView("r"));
            const int column = reference.isEmpty() ? next : ColumnOf(reference);
            if (column < 0 || column >= MaxColumns)
                Fail(QCoreApplication::translate("XlsxReader",
                                                 "a cell is named \"%1\", past the last column")
                         .arg(reference));
            const QString value = CellValue(*xml_);
            next = column + 1;
            if (column >= columnLimit_ || value.isEmpty())
                continue;
            while (cells.size() <= column)
                cells.append(QString());
            cells[column] = value;
        }
        if (!merged_.Apply(row_, cells, columnLimit_))
            Fail(QCoreApplication::translate("XlsxReader",
                                             "the sheet's merged areas overlap past all reason"));
        if (AllEmpty(cells))
            continue;
        TrimEnd(cells);
        return true;
    }
    dataDepth_ = 0;
    return false;
}

// At a <c>: its value as shown, through to its end.
QString XlsxReader::CellValue(XmlPartReader& xml) {
    const QString type = xml.Attribute(QLatin1StringView("t"));
    const int style = xml.Attribute(QLatin1StringView("s")).toInt();
    const int within = xml.Depth();
    QString raw, inlineText;
    while (xml.NextStart(within)) {
        if (xml.Is(QLatin1StringView("v")))
            raw = xml.Text(MaxCellChars);
        else if (xml.Is(QLatin1StringView("is")))
            inlineText = ReadRichText(xml);
        else
            xml.Skip(); // the formula itself: its saved value is what shows
    }
    if (type == QLatin1String("inlineStr"))
        return inlineText;
    if (type == QLatin1String("s")) {
        if (raw.isEmpty())
            return {};
        bool ok = false;
        const qsizetype index = raw.toLongLong(&ok);
        if (!ok || index < 0 || index >= strings_.Size())
            Fail(QCoreApplication::translate(
                     "XlsxReader", "a cell names shared string %1, which the workbook lacks")
                     .arg(raw));
        return strings_.At(index);
    }
    if (type == QLatin1String("str") || type == QLatin1String("e"))
        return Unescape(raw);
    if (type == QLatin1String("b"))
        return raw.trimmed() == QLatin1String("1") ? QStringLiteral("TRUE")
                                                   : QStringLiteral("FALSE");
    if (type == QLatin1String("d")) {
        // An ISO 8601 date and time written as text.
        const QString day = raw.left(10);
        const QString clock = raw.mid(11, 8);
        return clock.isEmpty() || clock == QLatin1String("00:00:00") ? day : day + u' ' + clock;
    }
    if (raw.isEmpty())
        return {};
    bool ok = false;
    const double value = raw.toDouble(&ok);
    if (!ok)
        return raw;
    const NumberFormat format = style >= 0 && std::size_t(style) < styles_.size()
                                    ? styles_[std::size_t(style)]
                                    : NumberFormat();
    return format.Show(value, date1904_);
}
