#include "merge/MergeSource.h"

#include <QFileInfo>

#include "merge/MergeSourceError.h"
#include "merge/MergeSourceRegistry.h"
#include <QCoreApplication>

std::unique_ptr<MergeSource> MergeSource::Open(const QString& fileName) {
    return MergeSourceRegistry::Open(fileName);
}

QString MergeSource::DisplayName() const {
    return QFileInfo(FileName()).fileName();
}

void MergeSource::SetFieldNames(const QStringList& names) {
    names_.clear();
    index_.clear();
    for (int i = 0; i < names.size(); ++i) {
        const QString key = FieldKey(names[i]);
        if (key.isEmpty())
            throw MergeSourceError(
                FileName(), 0, 0,
                QCoreApplication::translate("MergeSource", "field %1 of the first row has no name")
                    .arg(i + 1));
        if (index_.contains(key))
            throw MergeSourceError(
                FileName(), 0, 0,
                QCoreApplication::translate("MergeSource", "the field name \"%1\" is used twice")
                    .arg(names[i].trimmed()));
        index_.insert(key, i);
        names_.append(names[i].trimmed());
    }
}

std::optional<QString> MergeSource::Field(const QString& name) const {
    const auto found = index_.constFind(FieldKey(name));
    if (found == index_.cend())
        return std::nullopt;
    const QStringList& values = Values();
    return found.value() < values.size() ? values[found.value()] : QString();
}

bool MergeSource::HasField(const QString& name) const {
    return index_.contains(FieldKey(name));
}

FieldLookup MergeSource::Lookup() const {
    return [this](const QString& name) { return Field(name); };
}

long long MergeSource::Validate() {
    Rewind();
    long long count = 0;
    while (Next())
        ++count;
    Rewind();
    return count;
}
