#include "document/JournalFormat.h"

#include <QCryptographicHash>
#include <QHash>

#include <cmath>

namespace {
constexpr QByteArrayView Magic = "QVRECOVERY ";
constexpr QByteArrayView EndKey = "END=";
constexpr int HashLength = 32; // MD5 in hex digits
// The objects text of 1000 items is some hundreds of kilobytes; anything near this is not a
// journal of ours.
constexpr qsizetype MaxObjectsBytes = 64 * 1024 * 1024;

QByteArray Escape(const QString& value) {
    QByteArray out;
    const QByteArray utf8 = value.toUtf8();
    out.reserve(utf8.size());
    for (char c : utf8) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::optional<QString> Unescape(QByteArrayView value) {
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == value.size())
            return std::nullopt;
        switch (value[i]) {
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return QString::fromUtf8(out);
}

// Nine significant digits bring every single-precision value back exactly.
QByteArray Number(float value) {
    return QByteArray::number(double(value), 'g', 9);
}

void Line(QByteArray& out, QByteArrayView key, const QByteArray& value) {
    out += key;
    out += '=';
    out += value;
    out += '\n';
}

QByteArray Hash(QByteArrayView data) {
    return QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex();
}

struct Fault {
    QString why;
};

class Fields {
public:
    QHash<QByteArray, QByteArray> values;

    QByteArrayView Raw(const char* key) const {
        const auto it = values.constFind(QByteArray(key));
        if (it == values.constEnd())
            throw Fault{QStringLiteral("it has no %1 line").arg(QLatin1String(key))};
        return *it;
    }
    QString Text(const char* key) const {
        const std::optional<QString> text = Unescape(Raw(key));
        if (!text)
            throw Fault{QStringLiteral("its %1 line is garbled").arg(QLatin1String(key))};
        return *text;
    }
    float Inches(const char* key) const {
        bool ok = false;
        const double value = Raw(key).toDouble(&ok);
        if (!ok || !std::isfinite(value) || std::fabs(value) > 1e6)
            throw Fault{QStringLiteral("its %1 line is not a number").arg(QLatin1String(key))};
        return float(value);
    }
    int Count(const char* key) const {
        bool ok = false;
        const int value = Raw(key).toInt(&ok);
        if (!ok)
            throw Fault{QStringLiteral("its %1 line is not a number").arg(QLatin1String(key))};
        return value;
    }
};

JournalEntry EntryOf(const Fields& fields, const QString& objects) {
    JournalEntry entry;
    bool ok = false;
    entry.record = fields.Raw("RECORD").toUInt(&ok);
    if (!ok)
        throw Fault{QStringLiteral("its RECORD line is not a number")};
    entry.storedDescription = fields.Text("STORED");
    entry.description = fields.Text("DESCRIPT");
    entry.templateName = fields.Text("TEMPLATE");
    SheetGeometry& g = entry.geometry;
    g.labelHeight = fields.Inches("LBLHEIGHT");
    g.labelWidth = fields.Inches("LBLWIDTH");
    g.labelsAcross = fields.Count("NBRACROSS");
    g.labelsDown = fields.Count("NBRDOWN");
    g.topMargin = fields.Inches("TOPMARG");
    g.leftMargin = fields.Inches("LEFTMARG");
    g.horizontalPitch = fields.Inches("HORIZPITCH");
    g.verticalPitch = fields.Inches("VERTPITCH");
    g.paperSize = fields.Text("PAPERSIZE");
    g.labelShape = fields.Text("LBLSHAPE");
    g.sheetWidth = fields.Inches("SHEETWIDTH");
    g.sheetHeight = fields.Inches("SHEETDEPTH");
    entry.mergeSource = fields.Text("MERGE");
    entry.changed = QDateTime::fromString(fields.Text("CHANGED"), Qt::ISODateWithMs);
    if (!entry.changed.isValid())
        throw Fault{QStringLiteral("its CHANGED line is not a time")};
    entry.objectsText = objects;
    return entry;
}

JournalEntry Parse(QByteArrayView data) {
    // The last line: END=<hash of everything before it>.
    const qsizetype endLength = EndKey.size() + HashLength + 1;
    if (data.isEmpty())
        throw Fault{QStringLiteral("it is empty")};
    if (!data.startsWith(Magic))
        throw Fault{QStringLiteral("it is not a recovery journal")};
    if (data.size() < endLength || !data.endsWith('\n') ||
        !data.sliced(data.size() - endLength).startsWith(EndKey))
        throw Fault{QStringLiteral("it is cut short")};
    const QByteArrayView body = data.first(data.size() - endLength);
    const QByteArrayView hash = data.sliced(body.size() + EndKey.size(), HashLength);
    if (hash != Hash(body))
        throw Fault{QStringLiteral("its check sum does not match")};

    qsizetype at = body.indexOf('\n');
    if (at < 0)
        throw Fault{QStringLiteral("it is cut short")};
    const QByteArrayView first = body.first(at);
    bool ok = false;
    const int version = first.sliced(Magic.size()).toInt(&ok);
    if (!ok || version != JournalFormat::Version)
        throw Fault{QStringLiteral("it was written by another version of Quorvane")};
    Fields fields;
    for (++at; at < body.size();) {
        const qsizetype end = body.indexOf('\n', at);
        if (end < 0)
            throw Fault{QStringLiteral("it is cut short")};
        const QByteArrayView line = body.sliced(at, end - at);
        at = end + 1;
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            throw Fault{QStringLiteral("a line of it is garbled")};
        const QByteArray key = line.first(equals).toByteArray();
        if (fields.values.contains(key))
            throw Fault{QStringLiteral("its %1 line is repeated").arg(QString::fromUtf8(key))};
        fields.values.insert(key, line.sliced(equals + 1).toByteArray());
        if (key != "OBJECTS")
            continue;
        // The objects text follows, its length in bytes, then a line end.
        const qsizetype length = line.sliced(equals + 1).toLongLong(&ok);
        if (!ok || length < 0 || length > MaxObjectsBytes || length + 1 > body.size() - at ||
            body[at + length] != '\n')
            throw Fault{QStringLiteral("its objects text is cut short")};
        const QByteArrayView objects = body.sliced(at, length);
        if (at + length + 1 != body.size())
            throw Fault{QStringLiteral("it holds more than one label")};
        return EntryOf(fields, QString::fromUtf8(objects));
    }
    throw Fault{QStringLiteral("it has no OBJECTS line")};
}
} // namespace

QByteArray JournalFormat::Write(const JournalEntry& entry) {
    const QByteArray objects = entry.objectsText.toUtf8();
    QByteArray out;
    out.reserve(objects.size() + 1024);
    out += Magic;
    out += QByteArray::number(Version);
    out += '\n';
    const SheetGeometry& g = entry.geometry;
    Line(out, "RECORD", QByteArray::number(entry.record));
    Line(out, "STORED", Escape(entry.storedDescription));
    Line(out, "DESCRIPT", Escape(entry.description));
    Line(out, "TEMPLATE", Escape(entry.templateName));
    Line(out, "LBLHEIGHT", Number(g.labelHeight));
    Line(out, "LBLWIDTH", Number(g.labelWidth));
    Line(out, "NBRACROSS", QByteArray::number(g.labelsAcross));
    Line(out, "NBRDOWN", QByteArray::number(g.labelsDown));
    Line(out, "TOPMARG", Number(g.topMargin));
    Line(out, "LEFTMARG", Number(g.leftMargin));
    Line(out, "HORIZPITCH", Number(g.horizontalPitch));
    Line(out, "VERTPITCH", Number(g.verticalPitch));
    Line(out, "PAPERSIZE", Escape(g.paperSize));
    Line(out, "LBLSHAPE", Escape(g.labelShape));
    Line(out, "SHEETWIDTH", Number(g.sheetWidth));
    Line(out, "SHEETDEPTH", Number(g.sheetHeight));
    Line(out, "MERGE", Escape(entry.mergeSource));
    Line(out, "CHANGED", Escape(entry.changed.toUTC().toString(Qt::ISODateWithMs)));
    Line(out, "OBJECTS", QByteArray::number(objects.size()));
    out += objects;
    out += '\n';
    const QByteArray hash = Hash(out);
    out += EndKey;
    out += hash;
    out += '\n';
    return out;
}

std::optional<JournalEntry> JournalFormat::Read(QByteArrayView data, QString* why) {
    try {
        return Parse(data);
    } catch (const Fault& fault) {
        if (why)
            *why = fault.why;
        return std::nullopt;
    }
}
