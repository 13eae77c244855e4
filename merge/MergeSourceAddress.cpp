#include "merge/MergeSourceAddress.h"

#include <QDir>
#include <QUrl>
#include <QUrlQuery>

#include "merge/DatabaseMergeSource.h"
#include "merge/MergeSourceError.h"
#include "merge/MergeSourceRegistry.h"
#include "merge/SpreadsheetMergeSource.h"
#include "merge/sql/DatabaseError.h"
#include <QCoreApplication>

namespace {

bool IsDatabaseUrl(const QString& text) {
    for (const char* scheme :
         {"postgresql://", "postgres://", "mysql://", "mariadb://", "sqlite://", "odbc://"})
        if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace

MergeSourceAddress MergeSourceAddress::Parse(const QString& given) {
    const QString text = given.trimmed();
    MergeSourceAddress address;
    if (IsDatabaseUrl(text)) {
        // "table" and "query" are ours; whatever else follows '?' is the driver's.
        const qsizetype mark = text.indexOf(u'?');
        QUrlQuery items(mark < 0 ? QString() : text.mid(mark + 1));
        address.table = items.queryItemValue(QStringLiteral("table"), QUrl::FullyDecoded);
        address.query = items.queryItemValue(QStringLiteral("query"), QUrl::FullyDecoded);
        items.removeAllQueryItems(QStringLiteral("table"));
        items.removeAllQueryItems(QStringLiteral("query"));
        const QString rest = items.toString(QUrl::FullyEncoded);
        const QString base = mark < 0 ? text : text.left(mark);
        try {
            address.database =
                DatabaseConnection::FromUrl(rest.isEmpty() ? base : base + u'?' + rest);
        } catch (const DatabaseError& error) {
            throw MergeSourceError(text, 0, 0, error.Message());
        }
        return address;
    }
    if (text.startsWith(QLatin1String("file://"), Qt::CaseInsensitive)) {
        const QUrl url(text);
        address.fileName = url.toLocalFile();
        address.sheet = QUrlQuery(url).queryItemValue(QStringLiteral("sheet"), QUrl::FullyDecoded);
        return address;
    }
    address.fileName = text;
    return address;
}

QString MergeSourceAddress::ToText() const {
    if (IsDatabase()) {
        QString text = database.ToUrl();
        QUrlQuery items;
        if (!table.isEmpty())
            items.addQueryItem(QStringLiteral("table"),
                               QString::fromUtf8(QUrl::toPercentEncoding(table)));
        else
            items.addQueryItem(QStringLiteral("query"),
                               QString::fromUtf8(QUrl::toPercentEncoding(query)));
        return text + (text.contains(u'?') ? u'&' : u'?') + items.toString(QUrl::FullyEncoded);
    }
    if (sheet.isEmpty())
        return fileName;
    QUrl url = QUrl::fromLocalFile(fileName);
    QUrlQuery items;
    items.addQueryItem(QStringLiteral("sheet"), QString::fromUtf8(QUrl::toPercentEncoding(sheet)));
    url.setQuery(items);
    return url.toString(QUrl::FullyEncoded);
}

QString MergeSourceAddress::Display() const {
    if (IsDatabase())
        return table.isEmpty()
                   ? QCoreApplication::translate("MergeSourceAddress", "a query of %1")
                         .arg(database.Describe())
                   : QCoreApplication::translate("MergeSourceAddress", "the table \"%1\" of %2")
                         .arg(table, database.Describe());
    const QString file = QDir::toNativeSeparators(fileName);
    return sheet.isEmpty() ? file
                           : QCoreApplication::translate("MergeSourceAddress", "%1, sheet \"%2\"")
                                 .arg(file, sheet);
}

std::unique_ptr<MergeSource> MergeSourceAddress::Open(DatabasePasswords* passwords) const {
    if (IsDatabase())
        return std::make_unique<DatabaseMergeSource>(database, table, query, passwords);
    if (!sheet.isEmpty())
        return std::make_unique<SpreadsheetMergeSource>(fileName, sheet);
    return MergeSourceRegistry::Open(fileName);
}
