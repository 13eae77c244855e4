#include "merge/sql/DatabaseConnection.h"

#include <QCoreApplication>

#include <QDir>
#include <QUrl>
#include <QUrlQuery>

#include "merge/sql/DatabaseError.h"

namespace {

struct Scheme {
    const char* name;
    DatabaseConnection::Kind kind;
};

constexpr Scheme kSchemes[] = {{"postgresql", DatabaseConnection::Kind::PostgreSQL},
                               {"postgres", DatabaseConnection::Kind::PostgreSQL},
                               {"mysql", DatabaseConnection::Kind::MySQL},
                               {"mariadb", DatabaseConnection::Kind::MySQL},
                               {"sqlite", DatabaseConnection::Kind::SQLite},
                               {"odbc", DatabaseConnection::Kind::ODBC}};

[[noreturn]] void Bad(const QString& url, const QString& why) {
    throw DatabaseError(
        QCoreApplication::translate("DatabaseConnection", "the database address \"%1\" %2")
            .arg(url, why));
}

// odbc://user@DSN?options: by hand, as a data source's name may hold what no host name can
// (blanks, capitals that a URL's host would lower).
DatabaseConnection OdbcFromUrl(const QString& text, const QString& rest) {
    DatabaseConnection connection;
    connection.kind = DatabaseConnection::Kind::ODBC;
    const QString authority = rest.section(u'?', 0, 0).section(u'/', 0, 0);
    const QString query = rest.section(u'?', 1);
    if (authority.contains(u'@')) {
        const QString user = authority.section(u'@', 0, -2);
        if (user.contains(u':'))
            Bad(text,
                QCoreApplication::translate(
                    "DatabaseConnection", "holds a password; give it when asked, or keep it in the "
                                          "ODBC data source"));
        connection.user = QUrl::fromPercentEncoding(user.toUtf8());
    }
    connection.database = QUrl::fromPercentEncoding(authority.section(u'@', -1).toUtf8());
    QStringList options;
    for (const auto& [key, value] : QUrlQuery(query).queryItems(QUrl::FullyDecoded))
        options << key + u'=' + value;
    connection.options = options.join(u';');
    if (connection.database.isEmpty())
        Bad(text, QCoreApplication::translate("DatabaseConnection", "names no data source"));
    return connection;
}

} // namespace

DatabaseConnection DatabaseConnection::FromUrl(const QString& given) {
    const QString text = given.trimmed();
    DatabaseConnection connection;
    const qsizetype separator = text.indexOf(QLatin1String("://"));
    for (const Scheme& scheme : kSchemes)
        if (separator > 0 &&
            text.left(separator).compare(QLatin1String(scheme.name), Qt::CaseInsensitive) == 0)
            connection.kind = scheme.kind;
    if (separator <= 0)
        Bad(text,
            QCoreApplication::translate("DatabaseConnection",
                                        "is not a URL such as postgresql://user@host/database"));
    if (connection.kind == Kind::None)
        Bad(text,
            QCoreApplication::translate("DatabaseConnection",
                                        "names no database kind this program reads (postgresql, "
                                        "mysql, sqlite, odbc)"));
    if (connection.kind == Kind::ODBC)
        return OdbcFromUrl(text, text.mid(separator + 3));
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        Bad(text,
            QCoreApplication::translate("DatabaseConnection",
                                        "is not a URL such as postgresql://user@host/database"));
    if (!url.password().isEmpty())
        Bad(text,
            QCoreApplication::translate(
                "DatabaseConnection", "holds a password; give it when asked, or keep it where the "
                                      "driver looks (~/.pgpass, ~/.my.cnf)"));
    connection.user = url.userName(QUrl::FullyDecoded);
    connection.port = url.port(0);
    QStringList options;
    for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        // A socket folder, and its user: postgresql:///db?host=/run/postgresql&user=ann
        if (key == QLatin1String("host") && url.host().isEmpty())
            connection.host = value;
        else if (key == QLatin1String("user") && connection.user.isEmpty())
            connection.user = value;
        else
            options << key + u'=' + value;
    }
    connection.options = options.join(u';');
    const QString path = url.path(QUrl::FullyDecoded);
    if (connection.kind == Kind::SQLite) {
        // sqlite:///absolute/path; sqlite://relative/path reads as host + path.
        connection.database = url.host().isEmpty() ? path : url.host() + path;
    } else {
        if (connection.host.isEmpty())
            connection.host = url.host(QUrl::FullyDecoded);
        connection.database = path.mid(path.startsWith(u'/') ? 1 : 0);
    }
    if (connection.database.isEmpty())
        Bad(text, connection.kind == Kind::SQLite
                      ? QCoreApplication::translate("DatabaseConnection", "names no file")
                      : QCoreApplication::translate("DatabaseConnection", "names no database"));
    return connection;
}

QString DatabaseConnection::ToUrl() const {
    QUrl url;
    for (const Scheme& scheme : kSchemes)
        if (scheme.kind == kind) {
            url.setScheme(QLatin1String(scheme.name));
            break;
        }
    url.setUserName(user);
    if (kind == Kind::SQLite) {
        url.setPath(QDir::fromNativeSeparators(database));
        // "sqlite:/path" as the usual "sqlite:///path".
        return url.toString(QUrl::FullyEncoded).insert(7, QLatin1String("//"));
    }
    QUrlQuery query;
    if (kind == Kind::ODBC) {
        // Written by hand: a URL's host would be lower-cased, and a data source's name is not.
        QString text = QStringLiteral("odbc://");
        if (!user.isEmpty())
            text += QString::fromUtf8(QUrl::toPercentEncoding(user)) + u'@';
        text += QString::fromUtf8(QUrl::toPercentEncoding(database));
        return options.isEmpty() ? text : text + u'?' + options.split(u';').join(u'&');
    } else {
        // A socket folder cannot stand as a host name: it goes as ?host=, and the user with it.
        if (host.startsWith(u'/')) {
            url.setUserName(QString());
            query.addQueryItem(QStringLiteral("host"), host);
            if (!user.isEmpty())
                query.addQueryItem(QStringLiteral("user"), user);
        } else {
            url.setHost(host.isEmpty() ? QStringLiteral("localhost") : host);
        }
        if (port > 0)
            url.setPort(port);
        url.setPath(u'/' + database);
    }
    for (const QString& option : options.split(u';', Qt::SkipEmptyParts))
        query.addQueryItem(option.section(u'=', 0, 0), option.section(u'=', 1));
    if (!query.isEmpty())
        url.setQuery(query);
    QString text = url.toString(QUrl::FullyEncoded);
    if (url.host().isEmpty())
        text.insert(text.indexOf(u':') + 1, QLatin1String("//")); // "postgresql:///db?host=..."
    return text;
}

QString DatabaseConnection::DriverName() const {
    switch (kind) {
    case Kind::PostgreSQL:
        return QStringLiteral("QPSQL");
    case Kind::MySQL:
        return QStringLiteral("QMYSQL");
    case Kind::SQLite:
        return QStringLiteral("QSQLITE");
    case Kind::ODBC:
        return QStringLiteral("QODBC");
    case Kind::None:
        break;
    }
    return {};
}

QString DatabaseConnection::KindName(Kind kind) {
    switch (kind) {
    case Kind::PostgreSQL:
        return QStringLiteral("PostgreSQL");
    case Kind::MySQL:
        return QStringLiteral("MySQL");
    case Kind::SQLite:
        return QStringLiteral("SQLite");
    case Kind::ODBC:
        return QStringLiteral("ODBC");
    case Kind::None:
        break;
    }
    return {};
}

QString DatabaseConnection::Describe() const {
    if (kind == Kind::SQLite)
        return QCoreApplication::translate("DatabaseConnection", "the SQLite database %1")
            .arg(QDir::toNativeSeparators(database));
    if (kind == Kind::ODBC)
        return QCoreApplication::translate("DatabaseConnection", "the ODBC data source \"%1\"")
            .arg(database);
    return QCoreApplication::translate("DatabaseConnection", "the %1 database \"%2\" on %3")
        .arg(KindName(kind), database, host.isEmpty() ? QStringLiteral("localhost") : host);
}
