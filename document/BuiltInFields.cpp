#include "document/BuiltInFields.h"

#include <QLocale>

namespace {

// The most days a date field moves: a century either way.
constexpr qint64 kMaxDayOffset = 36600;

struct Parsed {
    enum Kind { None, Counter, Date, Time } kind = None;
    qint64 days = 0;
    bool hasFormat = false;
    QString format;
};

// "name" or "name:format": the name trimmed, the format as typed.
void SplitFormat(const QString& field, QString& name, Parsed& parsed) {
    const qsizetype colon = field.indexOf(u':');
    name = (colon < 0 ? field : field.left(colon)).trimmed();
    if (colon >= 0) {
        parsed.hasFormat = true;
        parsed.format = field.mid(colon + 1);
    }
}

bool ParseDayOffset(QStringView offset, qint64& days) {
    if (offset.isEmpty())
        return true;
    if (offset.size() < 2 || (offset[0] != u'+' && offset[0] != u'-'))
        return false;
    bool ok = false;
    const qint64 n = offset.mid(1).trimmed().toLongLong(&ok);
    if (!ok || n < 0 || n > kMaxDayOffset || offset.mid(1).trimmed().startsWith(u'+'))
        return false;
    days = offset[0] == u'-' ? -n : n;
    return true;
}

bool AllZeros(const QString& format) {
    if (format.isEmpty() || format.size() > 30)
        return false;
    for (const QChar c : format)
        if (c != u'0')
            return false;
    return true;
}

Parsed Parse(const QString& field) {
    Parsed parsed;
    QString name;
    SplitFormat(field, name, parsed);
    if (name == u"#") {
        if (!parsed.hasFormat || AllZeros(parsed.format))
            parsed.kind = Parsed::Counter;
        return parsed;
    }
    if (name.compare(u"time", Qt::CaseInsensitive) == 0) {
        parsed.kind = Parsed::Time;
        return parsed;
    }
    if (name.size() >= 4 && QStringView(name).left(4).compare(u"date", Qt::CaseInsensitive) == 0 &&
        ParseDayOffset(QStringView(name).mid(4).trimmed(), parsed.days))
        parsed.kind = Parsed::Date;
    return parsed;
}

QString Padded(qint64 number, qsizetype digits) {
    QString text = QString::number(number < 0 ? -(number + 1) + 1ULL : quint64(number));
    if (text.size() < digits)
        text.prepend(QString(digits - text.size(), u'0'));
    return number < 0 ? u'-' + text : text;
}

} // namespace

bool IsCounterField(const QString& name) {
    return Parse(name).kind == Parsed::Counter;
}

bool IsBuiltInField(const QString& name) {
    return Parse(name).kind != Parsed::None;
}

std::optional<QString> BuiltInFieldValue(const QString& name, const BuiltInFieldValues& values) {
    const Parsed parsed = Parse(name);
    const QLocale locale;
    switch (parsed.kind) {
    case Parsed::Counter:
        return Padded(values.number, parsed.hasFormat ? parsed.format.size() : 0);
    case Parsed::Date: {
        const QDate date = values.date.addDays(parsed.days);
        return parsed.hasFormat ? locale.toString(date, parsed.format)
                                : locale.toString(date, QLocale::ShortFormat);
    }
    case Parsed::Time:
        return parsed.hasFormat ? locale.toString(values.time, parsed.format)
                                : locale.toString(values.time, QLocale::ShortFormat);
    case Parsed::None:
        break;
    }
    return std::nullopt;
}
