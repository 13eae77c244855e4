#include "merge/sql/DatabaseReader.h"

#include <QCoreApplication>

#include <QAtomicInteger>
#include <QDateTime>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringDecoder>

#include <cmath>

#include "merge/sql/DatabaseError.h"
#include "merge/sql/QueryCheck.h"

namespace {

QString Package(DatabaseConnection::Kind kind) {
    switch (kind) {
    case DatabaseConnection::Kind::PostgreSQL:
        return QStringLiteral("libqt6sql6-psql");
    case DatabaseConnection::Kind::MySQL:
        return QStringLiteral("libqt6sql6-mysql");
    case DatabaseConnection::Kind::SQLite:
        return QStringLiteral("libqt6sql6-sqlite");
    default:
        return QStringLiteral("libqt6sql6-odbc");
    }
}

QString ErrorText(const QSqlError& error) {
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.driverText().trimmed() : text;
}

// A refused or missing password, as each database words it.
bool IsAuthentication(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    const QString text = error.text();
    return code == QLatin1String("28P01") || code == QLatin1String("28000") ||
           code == QLatin1String("1045") ||
           text.contains(QLatin1String("password"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("authentication"), Qt::CaseInsensitive);
}

QString NextName() {
    static QAtomicInteger<int> counter;
    return QStringLiteral("quorvane-merge-%1").arg(++counter);
}

} // namespace

DatabaseReader::DatabaseReader(const DatabaseConnection& connection, const QString& password)
    : connection_(connection) {
    const QString driver = connection.DriverName();
    if (!connection.IsValid())
        throw DatabaseError(QCoreApplication::translate("DatabaseReader", "no database is named"));
    if (!QSqlDatabase::isDriverAvailable(driver))
        throw DatabaseError(
            QCoreApplication::translate("DatabaseReader",
                                        "Qt's %1 driver is not installed (Debian's package %2)")
                .arg(DatabaseConnection::KindName(connection.kind), Package(connection.kind)));
    QStringList options;
    if (connection.kind == DatabaseConnection::Kind::SQLite) {
        // Opening a missing file would make an empty database of it.
        const QFileInfo file(connection.database);
        if (!file.exists())
            throw DatabaseError(QCoreApplication::translate("DatabaseReader", "%1 does not exist")
                                    .arg(connection.Describe()));
        if (!file.isFile())
            throw DatabaseError(
                QCoreApplication::translate("DatabaseReader", "%1 is not a regular file")
                    .arg(connection.Describe()));
        options << QStringLiteral("QSQLITE_OPEN_READONLY");
    } else if (connection.kind == DatabaseConnection::Kind::ODBC) {
        options << QStringLiteral("SQL_ATTR_ACCESS_MODE=SQL_MODE_READ_ONLY");
    }
    if (!connection.options.isEmpty())
        options << connection.options;
    name_ = NextName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, name_);
        db.setDatabaseName(connection.database);
        db.setHostName(connection.host);
        if (connection.port > 0)
            db.setPort(connection.port);
        db.setUserName(connection.user);
        db.setPassword(password);
        db.setConnectOptions(options.join(u';'));
        if (!db.open()) {
            const QSqlError error = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name_);
            // A wrong or missing password is no unreachable server: say which it is.
            const bool refused = IsAuthentication(error);
            const QString what =
                refused ? QCoreApplication::translate("DatabaseReader", "%1 refused the login: %2")
                        : QCoreApplication::translate("DatabaseReader", "%1 cannot be reached: %2");
            throw DatabaseError(what.arg(connection.Describe(), ErrorText(error)), refused);
        }
    }
    if (connection.kind == DatabaseConnection::Kind::SQLite)
        Execute(QStringLiteral("PRAGMA query_only = ON"));
    else if (connection.kind == DatabaseConnection::Kind::PostgreSQL)
        Execute(QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY"));
}

DatabaseReader::~DatabaseReader() {
    Finish();
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

void DatabaseReader::Fail(const QString& what, const QString& databaseText) const {
    throw DatabaseError(databaseText.isEmpty() ? what : what + QStringLiteral(": ") + databaseText);
}

void DatabaseReader::Execute(const QString& statement) {
    QSqlQuery query(QSqlDatabase::database(name_, false));
    if (!query.exec(statement))
        Fail(QCoreApplication::translate("DatabaseReader", "%1 refused \"%2\"")
                 .arg(connection_.Describe(), statement),
             ErrorText(query.lastError()));
}

QStringList DatabaseReader::Tables() const {
    const QSqlDatabase db = QSqlDatabase::database(name_, false);
    QStringList tables = db.tables(QSql::Tables) + db.tables(QSql::Views);
    tables.sort(Qt::CaseInsensitive);
    tables.removeDuplicates();
    return tables;
}

void DatabaseReader::Start(const QString& table, const QString& query) {
    Finish();
    const QSqlDatabase db = QSqlDatabase::database(name_, false);
    QString sql;
    if (!table.isEmpty()) {
        // "schema.table" names a table in a schema.
        QStringList parts;
        for (const QString& part : table.split(u'.'))
            parts << db.driver()->escapeIdentifier(part, QSqlDriver::TableName);
        sql = QStringLiteral("SELECT * FROM ") + parts.join(u'.');
    } else {
        const QString refusal = QueryCheck::Refusal(query);
        if (!refusal.isEmpty())
            throw DatabaseError(refusal);
        sql = query.trimmed();
        while (sql.endsWith(u';'))
            sql.chop(1);
    }
    if (connection_.kind == DatabaseConnection::Kind::PostgreSQL ||
        connection_.kind == DatabaseConnection::Kind::MySQL) {
        Execute(QStringLiteral("START TRANSACTION READ ONLY"));
        transaction_ = true;
    }
    query_ = std::make_unique<QSqlQuery>(db);
    query_->setForwardOnly(true);
    query_->setNumericalPrecisionPolicy(QSql::HighPrecision); // decimals as the database has them
    // Prepared, the other databases take one statement, never a list of them. PostgreSQL
    // sends rows one at a time only to a query that is not (Qt runs prepared ones whole): it
    // has QueryCheck's word for one statement, and its session and transaction are read-only.
    const bool streamed = connection_.kind == DatabaseConnection::Kind::PostgreSQL;
    if (streamed ? !query_->exec(sql) : !query_->prepare(sql) || !query_->exec()) {
        const QString text = ErrorText(query_->lastError());
        Finish();
        Fail(QCoreApplication::translate("DatabaseReader", "the query cannot run on %1")
                 .arg(connection_.Describe()),
             text);
    }
    const QSqlRecord record = query_->record();
    columns_.clear();
    for (int i = 0; i < record.count(); ++i)
        columns_ << record.fieldName(i);
    row_ = 0;
}

bool DatabaseReader::Next(QStringList& values) {
    if (!query_)
        return false;
    if (!query_->next()) {
        const QSqlError error = query_->lastError();
        const long long read = row_;
        Finish();
        if (error.isValid())
            Fail(QCoreApplication::translate("DatabaseReader",
                                             "%1 stopped answering after record %2")
                     .arg(connection_.Describe())
                     .arg(read),
                 ErrorText(error));
        return false;
    }
    ++row_;
    values.clear();
    values.reserve(columns_.size());
    for (int i = 0; i < columns_.size(); ++i)
        values << Text(query_->value(i));
    return true;
}

void DatabaseReader::Finish() {
    query_.reset();
    if (transaction_) {
        transaction_ = false;
        QSqlQuery rollback(QSqlDatabase::database(name_, false));
        rollback.exec(QStringLiteral("ROLLBACK")); // nothing was changed; a lost link ends it too
    }
}

QString DatabaseReader::Text(const QVariant& value) {
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("HH:mm:ss"));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        if (std::isfinite(number) && number == std::floor(number) && std::fabs(number) < 1e15)
            return QString::number(qint64(number));
        return QString::number(number, 'g', 15);
    }
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8(bytes);
        return utf8.hasError()
                   ? QCoreApplication::translate("DatabaseReader", "(%1 bytes of binary data)")
                         .arg(bytes.size())
                   : text;
    }
    default:
        return value.toString();
    }
}
