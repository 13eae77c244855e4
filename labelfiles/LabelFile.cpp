#include "labelfiles/LabelFile.h"

#include "document/PaperSizes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <QCoreApplication>
#include <charconv>
#include <cmath>

namespace {

// The geometry's keys in the file, each with its field of the label table.
struct LengthKey {
    const char* key;
    float SheetGeometry::*field;
};
constexpr LengthKey kLengths[] = {
    {"labelWidth", &SheetGeometry::labelWidth},           // LBLWIDTH
    {"labelHeight", &SheetGeometry::labelHeight},         // LBLHEIGHT
    {"topMargin", &SheetGeometry::topMargin},             // TOPMARG
    {"leftMargin", &SheetGeometry::leftMargin},           // LEFTMARG
    {"horizontalPitch", &SheetGeometry::horizontalPitch}, // HORIZPITCH
    {"verticalPitch", &SheetGeometry::verticalPitch},     // VERTPITCH
    {"sheetWidth", &SheetGeometry::sheetWidth},           // SHEETWIDTH
    {"sheetHeight", &SheetGeometry::sheetHeight},         // SHEETDEPTH
};
struct CountKey {
    const char* key;
    int SheetGeometry::*field;
};
constexpr CountKey kCounts[] = {
    {"labelsAcross", &SheetGeometry::labelsAcross}, // NBRACROSS
    {"labelsDown", &SheetGeometry::labelsDown},     // NBRDOWN
};

// What the label table's fields hold: N 6,3 lengths and N 2 counts.
constexpr double MinLength = -9.999, MaxLength = 99.999;
constexpr int MaxCount = 99;
constexpr int MaxNameChars = 60;

QString Key(const char* key) {
    return QString::fromLatin1(key);
}

// The shortest decimal that reads back as the same float, as a double for the JSON writer:
// 2.625f is written 2.625, never 2.625000000000000 or 0.66699999570846558 for 0.667f.
QJsonValue FloatNumber(float value) {
    char digits[64];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    if (ec != std::errc())
        return double(value);
    return QByteArray(digits, int(end - digits)).toDouble();
}

QJsonObject TemplateObject(const CurrentLabel& label) {
    QJsonObject t;
    t.insert(QStringLiteral("name"), label.templateName);
    for (const LengthKey& k : kLengths)
        t.insert(Key(k.key), FloatNumber(label.geometry.*k.field));
    for (const CountKey& k : kCounts)
        t.insert(Key(k.key), label.geometry.*k.field);
    t.insert(QStringLiteral("paperSize"), label.geometry.paperSize);
    t.insert(QStringLiteral("labelShape"), label.geometry.labelShape);
    return t;
}

QJsonArray ObjectLines(const QString& objectsText) {
    QJsonArray lines;
    QStringView rest(objectsText);
    while (!rest.isEmpty()) {
        const qsizetype end = rest.indexOf(u"\r\n");
        if (end < 0) {
            lines.append(rest.toString());
            break;
        }
        lines.append(rest.left(end).toString());
        rest = rest.mid(end + 2);
    }
    return lines;
}

// Reading: every check names what is wrong, in words the person can pass on.
class Reader {
public:
    explicit Reader(const QJsonObject& root) : root_(root) {}

    std::optional<LabelFile> Read() {
        LabelFile file;
        if (!ReadHeader() || !ReadLabel(file) || !ReadObjects(file) || !ReadPictures(file))
            return std::nullopt;
        return file;
    }
    QString error;

private:
    bool Fail(const QString& why) {
        error = why;
        return false;
    }

    bool ReadHeader() {
        if (root_.value(QStringLiteral("format")).toString() !=
            QLatin1String(LabelFile::FormatName))
            return Fail(
                QCoreApplication::translate("LabelFile", "It is not a Quorvane label file."));
        const QJsonValue version = root_.value(QStringLiteral("version"));
        if (!version.isDouble() || version.toDouble() < 1 ||
            version.toDouble() != std::floor(version.toDouble()))
            return Fail(QCoreApplication::translate(
                "LabelFile", "Its version is missing or not a whole number."));
        if (version.toDouble() > LabelFile::Version)
            return Fail(QCoreApplication::translate(
                            "LabelFile", "It was written by a newer version of Quorvane (label "
                                         "file version %1; this version reads up to %2).")
                            .arg(version.toDouble())
                            .arg(LabelFile::Version));
        return true;
    }

    bool Text(const QJsonObject& object, const QString& key, QString& out, bool required) {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() && !required)
            return true;
        if (!value.isString())
            return Fail(QCoreApplication::translate("LabelFile", "\"%1\" is missing or not a text.")
                            .arg(key));
        out = value.toString();
        return true;
    }

    bool ReadLabel(LabelFile& file) {
        CurrentLabel& label = file.label;
        if (!Text(root_, QStringLiteral("description"), label.description, true))
            return false;
        if (label.description.trimmed().isEmpty())
            return Fail(QCoreApplication::translate("LabelFile", "The label has no description."));
        label.description = label.description.left(MaxNameChars);
        if (!Text(root_, QStringLiteral("mergeSource"), file.mergeSource, false))
            return false;
        const QJsonValue t = root_.value(QStringLiteral("template"));
        if (!t.isObject())
            return Fail(QCoreApplication::translate("LabelFile", "\"template\" is missing."));
        const QJsonObject object = t.toObject();
        if (!Text(object, QStringLiteral("name"), label.templateName, true))
            return false;
        label.templateName = label.templateName.left(MaxNameChars);
        return ReadGeometry(object, label.geometry);
    }

    bool ReadGeometry(const QJsonObject& t, SheetGeometry& g) {
        for (const LengthKey& k : kLengths) {
            const QJsonValue value = t.value(Key(k.key));
            const bool optional = value.isUndefined() && (k.field == &SheetGeometry::sheetWidth ||
                                                          k.field == &SheetGeometry::sheetHeight);
            if (optional)
                continue;
            const double v = value.toDouble(std::nan(""));
            if (!value.isDouble() || !(v >= MinLength && v <= MaxLength))
                return Fail(QCoreApplication::translate(
                                "LabelFile", "The template's %1 is missing or not a length in "
                                             "inches from %2 to %3.")
                                .arg(Key(k.key))
                                .arg(MinLength)
                                .arg(MaxLength));
            g.*k.field = float(v);
        }
        if (!(g.labelWidth > 0 && g.labelHeight > 0))
            return Fail(
                QCoreApplication::translate("LabelFile", "The template's label has no size."));
        for (const CountKey& k : kCounts) {
            const QJsonValue value = t.value(Key(k.key));
            const double v = value.toDouble(-1);
            if (!value.isDouble() || v < 1 || v > MaxCount || v != std::floor(v))
                return Fail(QCoreApplication::translate(
                                "LabelFile", "The template's %1 is missing or not a count from 1 "
                                             "to %2.")
                                .arg(Key(k.key))
                                .arg(MaxCount));
            g.*k.field = int(v);
        }
        if (!Text(t, QStringLiteral("paperSize"), g.paperSize, true) ||
            !Text(t, QStringLiteral("labelShape"), g.labelShape, true))
            return false;
        if (PaperSizes::IndexOf(g.paperSize) < 0)
            return Fail(
                QCoreApplication::translate("LabelFile", "The paper size \"%1\" is not known.")
                    .arg(g.paperSize));
        static const QStringList shapes = {QString(), QStringLiteral("RR"), QStringLiteral("RE"),
                                           QStringLiteral("SR")};
        if (!shapes.contains(g.labelShape))
            return Fail(
                QCoreApplication::translate("LabelFile", "The label shape \"%1\" is not known.")
                    .arg(g.labelShape));
        return true;
    }

    bool ReadObjects(LabelFile& file) {
        const QJsonValue value = root_.value(QStringLiteral("objects"));
        if (!value.isArray())
            return Fail(QCoreApplication::translate(
                "LabelFile", "\"objects\" is missing or not a list of lines."));
        for (const QJsonValue& line : value.toArray()) {
            if (!line.isString())
                return Fail(QCoreApplication::translate("LabelFile",
                                                        "A line of \"objects\" is not a text."));
            const QString text = line.toString();
            if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
                return Fail(QCoreApplication::translate(
                    "LabelFile", "A line of \"objects\" holds a line break."));
            file.objectsText += text + QStringLiteral("\r\n");
        }
        return true;
    }

    bool ReadPictures(LabelFile& file) {
        const QJsonValue value = root_.value(QStringLiteral("pictures"));
        if (value.isUndefined())
            return true;
        if (!value.isArray())
            return Fail(QCoreApplication::translate("LabelFile", "\"pictures\" is not a list."));
        const QJsonArray pictures = value.toArray();
        if (pictures.size() > LabelFile::MaxPictures)
            return Fail(QCoreApplication::translate("LabelFile", "It holds more than %1 pictures.")
                            .arg(LabelFile::MaxPictures));
        QStringList names;
        for (const QJsonValue& entry : pictures) {
            EmbeddedPicture picture;
            const QJsonObject object = entry.toObject();
            QString data;
            if (!entry.isObject() || !Text(object, QStringLiteral("path"), picture.path, true) ||
                !Text(object, QStringLiteral("name"), picture.name, true) ||
                !Text(object, QStringLiteral("data"), data, true))
                return Fail(QCoreApplication::translate(
                                "LabelFile", "A picture lacks its path, name or data. ") +
                            error);
            if (!LabelFile::IsPlainFileName(picture.name))
                return Fail(QCoreApplication::translate(
                                "LabelFile", "The picture name \"%1\" is not a plain file name: "
                                             "a label file may not place files outside the "
                                             "pictures folder.")
                                .arg(picture.name));
            if (names.contains(picture.name, Qt::CaseInsensitive))
                return Fail(
                    QCoreApplication::translate("LabelFile", "Two pictures are named \"%1\".")
                        .arg(picture.name));
            names << picture.name;
            const auto decoded = QByteArray::fromBase64Encoding(
                data.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded || data.contains(QChar(0xFFFD)))
                return Fail(QCoreApplication::translate(
                                "LabelFile", "The data of the picture \"%1\" is not base64.")
                                .arg(picture.name));
            picture.data = *decoded;
            file.pictures.push_back(std::move(picture));
        }
        return true;
    }

    const QJsonObject& root_;
};

} // namespace

QByteArray LabelFile::Write() const {
    QJsonObject root;
    root.insert(QStringLiteral("format"), QString::fromLatin1(FormatName));
    root.insert(QStringLiteral("version"), Version);
    root.insert(QStringLiteral("description"), label.description);
    root.insert(QStringLiteral("template"), TemplateObject(label));
    root.insert(QStringLiteral("mergeSource"), mergeSource);
    root.insert(QStringLiteral("objects"), ObjectLines(objectsText));
    QJsonArray list;
    for (const EmbeddedPicture& picture : pictures) {
        QJsonObject p;
        p.insert(QStringLiteral("path"), picture.path);
        p.insert(QStringLiteral("name"), picture.name);
        p.insert(QStringLiteral("data"), QString::fromLatin1(picture.data.toBase64()));
        list.append(p);
    }
    root.insert(QStringLiteral("pictures"), list);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

LabelFileRead LabelFile::FromBytes(const QByteArray& bytes) {
    LabelFileRead read;
    if (bytes.size() > MaxFileBytes) {
        read.error = QStringLiteral("It is larger than %1 MB.").arg(MaxFileBytes >> 20);
        return read;
    }
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError) {
        read.error = QCoreApplication::translate("LabelFile", "It is damaged (%1 at byte %2).")
                         .arg(parse.errorString())
                         .arg(parse.offset);
        return read;
    }
    if (!document.isObject()) {
        read.error = QCoreApplication::translate("LabelFile", "It is not a Quorvane label file.");
        return read;
    }
    const QJsonObject root = document.object();
    Reader reader(root);
    read.file = reader.Read();
    read.error = reader.error;
    return read;
}

QString LabelFile::GeometryProblem(const SheetGeometry& g) {
    for (const LengthKey& k : kLengths)
        if (!(g.*k.field >= MinLength && g.*k.field <= MaxLength))
            return QCoreApplication::translate(
                       "LabelFile", "The template's %1 is not a length from %2 to %3 inches.")
                .arg(Key(k.key))
                .arg(MinLength)
                .arg(MaxLength);
    if (!(g.labelWidth > 0 && g.labelHeight > 0))
        return QCoreApplication::translate("LabelFile", "The template's label has no size.");
    for (const CountKey& k : kCounts)
        if (g.*k.field < 1 || g.*k.field > MaxCount)
            return QCoreApplication::translate("LabelFile",
                                               "The template's %1 is not a count from 1 to %2.")
                .arg(Key(k.key))
                .arg(MaxCount);
    if (PaperSizes::IndexOf(g.paperSize) < 0)
        return QCoreApplication::translate("LabelFile", "The paper size \"%1\" is not known.")
            .arg(g.paperSize);
    if (!g.labelShape.isEmpty() && g.labelShape != u"RR" && g.labelShape != u"RE" &&
        g.labelShape != u"SR")
        return QCoreApplication::translate("LabelFile", "The label shape \"%1\" is not known.")
            .arg(g.labelShape);
    return QString();
}

bool LabelFile::IsPlainFileName(const QString& name) {
    if (name.isEmpty() || name.size() > 120 || name.startsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
    return name.trimmed() == name;
}
