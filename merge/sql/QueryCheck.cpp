#include "merge/sql/QueryCheck.h"

#include <QCoreApplication>

namespace {

// Past the quoted text, comment or dollar-quoted body that starts at i; i itself when none
// does. -1 when it never ends.
qsizetype PastQuoted(const QString& sql, qsizetype i) {
    const QChar c = sql[i];
    const QChar next = i + 1 < sql.size() ? sql[i + 1] : QChar();
    if (c == u'-' && next == u'-') {
        const qsizetype end = sql.indexOf(u'\n', i);
        return end < 0 ? sql.size() : end + 1;
    }
    if (c == u'/' && next == u'*') {
        int depth = 0; // PostgreSQL nests block comments
        for (qsizetype j = i; j + 1 < sql.size(); ++j) {
            if (sql[j] == u'/' && sql[j + 1] == u'*') {
                ++depth;
                ++j;
            } else if (sql[j] == u'*' && sql[j + 1] == u'/') {
                ++j;
                if (--depth == 0)
                    return j + 1;
            }
        }
        return -1;
    }
    if (c == u'\'' || c == u'"' || c == u'`') {
        for (qsizetype j = i + 1; j < sql.size(); ++j) {
            // A backslash is no escape: MySQL's reading of one can only end a text later,
            // which makes this check refuse rather than pass a second statement.
            if (sql[j] == c) {
                if (j + 1 < sql.size() && sql[j + 1] == c)
                    ++j; // a doubled quote stands for itself
                else
                    return j + 1;
            }
        }
        return -1;
    }
    if (c == u'$') {
        qsizetype j = i + 1;
        while (j < sql.size() && (sql[j].isLetterOrNumber() || sql[j] == u'_'))
            ++j;
        if (j < sql.size() && sql[j] == u'$' && !(j > i + 1 && sql[i + 1].isDigit())) {
            const QString tag = sql.mid(i, j - i + 1);
            const qsizetype end = sql.indexOf(tag, j + 1);
            return end < 0 ? -1 : end + tag.size();
        }
    }
    return i;
}

} // namespace

QString QueryCheck::Refusal(const QString& sql) {
    QString first;      // the first word
    bool ended = false; // a ';' has been passed
    for (qsizetype i = 0; i < sql.size();) {
        const qsizetype past = PastQuoted(sql, i);
        if (past < 0)
            return QCoreApplication::translate(
                "QueryCheck", "the query has a quote or comment that is never closed");
        if (past > i) {
            const QChar c = sql[i];
            if (ended && !(c == u'-' || c == u'/'))
                return QCoreApplication::translate(
                    "QueryCheck", "only one statement is run; the query goes on after ';'");
            if (first.isEmpty() && !(c == u'-' || c == u'/'))
                first = sql.mid(i, 1);
            i = past;
            continue;
        }
        const QChar c = sql[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (ended)
            return QCoreApplication::translate(
                "QueryCheck", "only one statement is run; the query goes on after ';'");
        if (c == u';') {
            ended = true;
            ++i;
            continue;
        }
        if (first.isEmpty()) {
            qsizetype j = i;
            while (j < sql.size() && (sql[j].isLetter() || sql[j] == u'_'))
                ++j;
            first = j > i ? sql.mid(i, j - i) : QString(c);
            i = std::max(j, i + 1);
            continue;
        }
        ++i;
    }
    if (first.isEmpty())
        return QCoreApplication::translate("QueryCheck", "the query is empty");
    const QString word = first.toUpper();
    if (word == QLatin1String("SELECT") || word == QLatin1String("WITH") ||
        word == QLatin1String("("))
        return {};
    return QCoreApplication::translate("QueryCheck",
                                       "only SELECT statements are run; this one begins with %1")
        .arg(word);
}
