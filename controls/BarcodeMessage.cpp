#include "controls/BarcodeMessage.h"

#include <QRegularExpression>

#include <algorithm>

#include <zint.h>

#include "controls/BarcodeCatalogue.h"
#include <QCoreApplication>

namespace {

// Data longer than this is shown cut, ending in "...".
constexpr qsizetype kShownData = 40;

QString Quoted(const QString& text) {
    QString shown = text;
    shown.replace(u'\n', u' ');
    if (shown.size() > kShownData)
        shown = shown.left(kShownData - 3) + QStringLiteral("...");
    return u'"' + shown + u'"';
}

// A symbology that takes only digits, by its description.
bool TakesDigitsOnly(const BarcodeType& type) {
    const QString& takes = type.takes;
    return takes.contains(QLatin1String("digit")) && !takes.contains(QLatin1String("letter")) &&
           !takes.contains(QLatin1String("character")) && !takes.contains(QLatin1String("sign")) &&
           !takes.contains(QLatin1String("text")) && !takes.contains(QLatin1String("data"));
}

// What the symbology takes, in the user's language; the catalogue says it in English, which
// the checks above read.
QString Takes(const BarcodeType& type) {
    return QCoreApplication::translate("BarcodeCatalogue", type.takes.toUtf8().constData());
}

bool AllDigits(const QString& data) {
    return std::all_of(data.begin(), data.end(), [](QChar c) { return c.isDigit(); });
}

QString Count(qsizetype n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(
        QCoreApplication::translate("BarcodeMessage", n == 1 ? one : many));
}

// What the data gives that the symbology does not take.
QString Gives(const BarcodeType& type, const QString& data, int rc, const QString& text) {
    if (data.isEmpty())
        return QCoreApplication::translate("BarcodeMessage", "gives nothing");
    if (rc == ZINT_ERROR_INVALID_CHECK) {
        static const QRegularExpression digits(QStringLiteral("'(.)', expecting '(.)'"));
        const QRegularExpressionMatch match = digits.match(text);
        if (match.hasMatch())
            return QCoreApplication::translate("BarcodeMessage",
                                               "ends in the check digit %1 where %2 is right")
                .arg(match.captured(1), match.captured(2));
        return QCoreApplication::translate("BarcodeMessage", "has a wrong check digit");
    }
    if (TakesDigitsOnly(type) && !AllDigits(QString(data).remove(u'+').remove(u'-'))) {
        const bool letters =
            std::any_of(data.begin(), data.end(), [](QChar c) { return c.isLetter(); });
        if (letters)
            return QCoreApplication::translate("BarcodeMessage", "gives letters");
    }
    static const QRegularExpression position(QStringLiteral("position (\\d+)"));
    const QRegularExpressionMatch at = position.match(text);
    if (rc == ZINT_ERROR_INVALID_DATA && at.hasMatch()) {
        const qsizetype index = at.captured(1).toLongLong() - 1;
        if (index >= 0 && index < data.size())
            return QCoreApplication::translate("BarcodeMessage", "gives the character \"%1\"")
                .arg(data[index]);
    }
    const bool length = text.contains(QLatin1String("length"), Qt::CaseInsensitive) ||
                        text.contains(QLatin1String("too long"), Qt::CaseInsensitive) ||
                        text.contains(QLatin1String("too short"), Qt::CaseInsensitive);
    if (rc == ZINT_ERROR_TOO_LONG || length) {
        if (AllDigits(data))
            return QCoreApplication::translate("BarcodeMessage", "gives %1")
                .arg(Count(data.size(), QT_TRANSLATE_NOOP("BarcodeMessage", "digit"),
                           QT_TRANSLATE_NOOP("BarcodeMessage", "digits")));
        return QCoreApplication::translate("BarcodeMessage", "gives %1")
            .arg(Count(data.size(), QT_TRANSLATE_NOOP("BarcodeMessage", "character"),
                       QT_TRANSLATE_NOOP("BarcodeMessage", "characters")));
    }
    if (rc == ZINT_ERROR_INVALID_DATA && text.contains(QLatin1String("character"))) {
        // Zint did not say where: name the first character no symbology of letters and
        // digits holds, or small letters where only capitals are taken.
        const auto odd = std::find_if(data.begin(), data.end(), [](QChar c) {
            return c.unicode() > 126 || c.unicode() < 32;
        });
        if (odd != data.end())
            return QCoreApplication::translate("BarcodeMessage", "gives the character \"%1\"")
                .arg(*odd);
        if (type.takes.contains(QLatin1String("capital")) &&
            std::any_of(data.begin(), data.end(), [](QChar c) { return c.isLower(); }))
            return QCoreApplication::translate("BarcodeMessage", "gives small letters");
        if (TakesDigitsOnly(type))
            return QCoreApplication::translate("BarcodeMessage",
                                               "gives other characters than digits");
    }
    return QCoreApplication::translate("BarcodeMessage", "cannot be encoded (%1)")
        .arg(WithoutErrorNumber(text));
}

} // namespace

QString WithoutErrorNumber(const QString& zintText) {
    static const QRegularExpression number(QStringLiteral("^(Error|Warning) \\d+: "));
    QString text = zintText;
    text.remove(number);
    return text;
}

QString PlainBarcodeMessage(const BarcodeType& type, const QString& typed, const QString& data,
                            int rc, const QString& zintText) {
    const bool fields = typed.contains(u'{') && typed != data;
    const QString who = Quoted(fields ? typed : data);
    const QString gives = Gives(type, data, rc, zintText);
    if (data.isEmpty() && !fields)
        return QCoreApplication::translate("BarcodeMessage", "%1 takes %2; the data is empty")
            .arg(type.caption, Takes(type));
    return QCoreApplication::translate("BarcodeMessage", "%1 takes %2; %3 %4")
        .arg(type.caption, Takes(type), who, gives);
}
