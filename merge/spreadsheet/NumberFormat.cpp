#include "merge/spreadsheet/NumberFormat.h"

#include <QDate>
#include <QLocale>

#include <cmath>

NumberFormat NumberFormat::Builtin(int id) {
    switch (id) {
    case 1:
        return Parse(QStringLiteral("0"));
    case 2:
        return Parse(QStringLiteral("0.00"));
    case 3:
    case 37:
    case 38:
        return Parse(QStringLiteral("#,##0"));
    case 4:
    case 39:
    case 40:
        return Parse(QStringLiteral("#,##0.00"));
    case 9:
        return Parse(QStringLiteral("0%"));
    case 10:
        return Parse(QStringLiteral("0.00%"));
    case 14:
    case 15:
    case 16:
    case 17:
        return Parse(QStringLiteral("yyyy-mm-dd"));
    case 18:
    case 19:
    case 20:
    case 21:
    case 45:
    case 46:
    case 47:
        return Parse(QStringLiteral("hh:mm:ss"));
    case 22:
        return Parse(QStringLiteral("yyyy-mm-dd hh:mm:ss"));
    default:
        // The dates and times of East Asian locales.
        if ((id >= 27 && id <= 36) || (id >= 50 && id <= 58))
            return Parse(QStringLiteral("yyyy-mm-dd"));
        return {};
    }
}

NumberFormat NumberFormat::Parse(const QString& code) {
    NumberFormat format;
    if (code.trimmed().compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
        return format;
    bool date = false, time = false, digits = false, scientific = false, afterPoint = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i].toLower();
        if (c == u';')
            break; // the first section is the positive numbers'
        if (c == u'"') {
            i = code.indexOf(u'"', i + 1);
            if (i < 0)
                break;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i; // the next character is shown or padded, not a code
        } else if (c == u'[') {
            const qsizetype close = code.indexOf(u']', i);
            const QString inside = code.mid(i + 1, close < 0 ? -1 : close - i - 1).toLower();
            // [h], [mm], [ss]: elapsed time; [Red], [$-409], [>100]: no code.
            if (!inside.isEmpty() && inside.count(inside[0]) == inside.size() &&
                QStringLiteral("hms").contains(inside[0]))
                time = true;
            if (close < 0)
                break;
            i = close;
        } else if (c == u'y' || c == u'd') {
            date = true;
        } else if (c == u'h' || c == u's') {
            time = true;
        } else if (c == u'm') {
            date = true; // a month, unless hours or seconds make it minutes (below)
        } else if (c == u'0' || c == u'#' || c == u'?') {
            digits = true;
            format.decimals_ += afterPoint ? 1 : 0;
        } else if (c == u'.') {
            afterPoint = true;
        } else if (c == u',') {
            format.grouping_ = format.grouping_ || (digits && !afterPoint);
        } else if (c == u'%') {
            format.percent_ = true;
        } else if (c == u'e' && i + 1 < code.size() &&
                   (code[i + 1] == u'+' || code[i + 1] == u'-')) {
            scientific = true;
        }
    }
    // "m" beside hours or seconds is minutes: a format of h, m and s alone is a time.
    if (time && date) {
        QString letters;
        for (QChar c : code.toLower())
            if (QStringLiteral("ydm").contains(c))
                letters += c;
        if (!letters.contains(u'y') && !letters.contains(u'd'))
            date = false;
    }
    if (date || time) {
        format.kind_ = date && time ? Kind::DateTime : date ? Kind::Date : Kind::Time;
        format.decimals_ = 0;
    } else if (digits && !scientific) {
        format.kind_ = Kind::Fixed;
    } else {
        format = NumberFormat();
    }
    return format;
}

QString NumberFormat::General(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("#NUM!");
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

QString NumberFormat::Serial(double value, bool date1904, Kind kind) {
    if (!std::isfinite(value) || value < 0 || value > 2958466.0) // past 9999-12-31
        return General(value);
    // To the nearest second, carrying into the next day.
    qint64 seconds = qint64(std::llround(value * 86400.0));
    qint64 days = seconds / 86400;
    seconds %= 86400;
    const QString clock = QStringLiteral("%1:%2:%3")
                              .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                              .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                              .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (kind == Kind::Time)
        return clock;
    QString day;
    if (date1904) {
        day = QDate(1904, 1, 1).addDays(days).toString(Qt::ISODate);
    } else if (days == 60) {
        day = QStringLiteral("1900-02-29"); // the day the 1900 system counts and no calendar has
    } else {
        // Day 1 is 1900-01-01; the counted 1900-02-29 shifts every later day by one.
        day = QDate(1899, 12, 31).addDays(days < 60 ? days : days - 1).toString(Qt::ISODate);
    }
    return kind == Kind::DateTime ? day + u' ' + clock : day;
}

QString NumberFormat::Show(double value, bool date1904) const {
    switch (kind_) {
    case Kind::General:
        return General(value);
    case Kind::Date:
    case Kind::DateTime:
    case Kind::Time:
        return Serial(value, date1904, kind_);
    case Kind::Fixed:
        break;
    }
    if (!std::isfinite(value))
        return General(value);
    QLocale locale = QLocale::c();
    locale.setNumberOptions(grouping_ ? QLocale::NumberOptions() : QLocale::OmitGroupSeparator);
    const double shown = percent_ ? value * 100.0 : value;
    QString text = locale.toString(shown, 'f', decimals_);
    if (text.startsWith(u'-') &&
        text.mid(1).count(u'0') + text.mid(1).count(u'.') + text.mid(1).count(u',') ==
            text.size() - 1)
        text.remove(0, 1); // "-0.00" shows as "0.00"
    return percent_ ? text + u'%' : text;
}
