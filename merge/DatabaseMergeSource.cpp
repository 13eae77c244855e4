#include "merge/DatabaseMergeSource.h"

#include "merge/DatabasePasswords.h"
#include "merge/MergeSourceError.h"
#include "merge/sql/DatabaseError.h"
#include "merge/sql/DatabaseReader.h"
#include <QCoreApplication>

namespace {

// Asking again after a refused password, but not for ever.
constexpr int kPasswordTries = 3;

} // namespace

DatabaseMergeSource::DatabaseMergeSource(const DatabaseConnection& connection, const QString& table,
                                         const QString& query, DatabasePasswords* passwords)
    : connection_(connection), table_(table), query_(query) {
    if (table_.isEmpty() && query_.trimmed().isEmpty())
        Fail(QCoreApplication::translate("DatabaseMergeSource", "no table or query is given"));
    Connect(passwords);
    try {
        reader_->Start(table_, query_);
    } catch (const DatabaseError& error) {
        Fail(error.Message());
    }
    started_ = true;
    SetFieldNames(reader_->Columns());
}

DatabaseMergeSource::~DatabaseMergeSource() = default;

// The driver's own configuration first (~/.pgpass...), then what passwords gives.
void DatabaseMergeSource::Connect(DatabasePasswords* passwords) {
    QString password;
    for (int attempt = 0;; ++attempt) {
        try {
            reader_ = std::make_unique<DatabaseReader>(connection_, password);
            if (passwords && attempt > 0)
                passwords->Accepted(connection_, password);
            return;
        } catch (const DatabaseError& error) {
            if (!error.Authentication() || !passwords || attempt >= kPasswordTries)
                Fail(error.Message());
            const std::optional<QString> given =
                passwords->Password(connection_, attempt > 0 ? error.Message() : QString());
            if (!given)
                Fail(error.Message());
            password = *given;
        }
    }
}

QString DatabaseMergeSource::FileName() const {
    return connection_.Describe();
}

QStringList DatabaseMergeSource::Tables() const {
    return reader_->Tables();
}

void DatabaseMergeSource::Fail(const QString& what) const {
    // The reader's messages name the database themselves; the error names it once.
    const QString named = FileName() + u' ';
    throw MergeSourceError(FileName(), 0, record_ > 0 ? record_ + 1 : 0,
                           what.startsWith(named) ? what.mid(named.size()) : what);
}

void DatabaseMergeSource::Rewind() {
    record_ = 0;
    values_.clear();
    if (started_)
        return; // the reading begun for the columns has given nothing yet
    try {
        reader_->Start(table_, query_);
    } catch (const DatabaseError& error) {
        Fail(error.Message());
    }
    started_ = true;
}

bool DatabaseMergeSource::Next() {
    started_ = false;
    bool more = false;
    try {
        more = reader_->Next(values_);
    } catch (const DatabaseError& error) {
        Fail(error.Message());
    }
    if (!more) {
        values_.clear();
        return false;
    }
    ++record_;
    return true;
}
