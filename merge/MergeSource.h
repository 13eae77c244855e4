#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

#include "document/MergeFields.h"

// The records a mail merge prints, one label each: a CSV file, an xBase table or any other
// kind of MergeSourceRegistry, read one record at a time so that a source of any length
// costs the memory of one record. Every reading error is a MergeSourceError naming the file
// and the record.
class MergeSource {
public:
    virtual ~MergeSource() = default;

    // Opens fileName as the registry's kind for its name (a table when it ends in ".dbf",
    // any case; CSV text when no kind claims it) and reads its field names. Throws
    // MergeSourceError when it cannot be read.
    static std::unique_ptr<MergeSource> Open(const QString& fileName);

    virtual QString FileName() const = 0;
    // How warnings name the source: the file's name without its folder, or a database.
    virtual QString DisplayName() const;
    const QStringList& FieldNames() const { return names_; }

    // Goes back to before the first record.
    virtual void Rewind() = 0;
    // Moves to the next record; false after the last.
    virtual bool Next() = 0;
    // The current record's values, one per field name.
    virtual const QStringList& Values() const = 0;
    // The current record's number, from 1.
    virtual long long RecordNumber() const = 0;

    // A field of the current record; names match case-blind with blanks at either end
    // ignored. nullopt when the source has no such field.
    std::optional<QString> Field(const QString& name) const;
    bool HasField(const QString& name) const;
    FieldLookup Lookup() const;
    // What names are matched by: blanks at either end dropped, case folded.
    static QString FieldKey(const QString& name) { return name.trimmed().toCaseFolded(); }

    // Reads every record once, so that a fault anywhere shows before anything is printed,
    // and returns the number of records; rewinds afterwards. Throws MergeSourceError.
    long long Validate();

protected:
    // Sets the field names; throws MergeSourceError for an empty or repeated name.
    void SetFieldNames(const QStringList& names);

private:
    QStringList names_;
    QHash<QString, int> index_;
};
