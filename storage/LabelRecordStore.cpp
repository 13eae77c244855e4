#include "storage/LabelRecordStore.h"

#include "document/Units.h"
#include "storage/DataTable.h"
#include "storage/GeometryFields.h"
#include "storage/TableSchemas.h"

namespace {
QString Cut(const QString& text, int maxChars) {
    return text.left(maxChars);
}

QString TrimRight(const QString& text) {
    int end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}
} // namespace

CurrentLabel LabelRecordStore::Read() const {
    const auto fields = LabelTableFields();
    CurrentLabel label;
    label.description =
        Cut(table_.Text(QStringLiteral("DESCRIPT")), SchemaFieldWidth(fields, "DESCRIPT"));
    label.templateName =
        Cut(table_.Text(QStringLiteral("TEMPLATE")), SchemaFieldWidth(fields, "TEMPLATE"));
    label.geometry = ReadGeometry(table_);
    return label;
}

QString LabelRecordStore::ReadObjects() const {
    return table_.Memo(QStringLiteral("OBJECTS"));
}

void LabelRecordStore::Write(const CurrentLabel& label, const QString& objectsText, bool append) {
    if (append)
        table_.Append();
    else
        table_.Edit();
    table_.PostOrCancel([&] {
        table_.SetMemo(QStringLiteral("OBJECTS"), objectsText);
        table_.SetText(QStringLiteral("DESCRIPT"), label.description);
        table_.SetText(QStringLiteral("TEMPLATE"), label.templateName);
        WriteGeometry(table_, label.geometry, &FloatToDBF);
    });
}

QString LabelRecordStore::ComparableName(const QString& description) const {
    return TrimRight(table_.FitToField(QStringLiteral("DESCRIPT"), description)).toUpper();
}

bool LabelRecordStore::IsDuplicate(const QString& description, quint32 ownRecord) {
    const QString wanted = ComparableName(description);
    bool duplicate = false;
    // The index orders by the upper-cased description: every candidate lies in one run.
    for (bool found = table_.Seek(wanted); found && !table_.Eof(); table_.Next()) {
        const QString stored = ComparableName(table_.Text(QStringLiteral("DESCRIPT")));
        if (stored != wanted) {
            if (!stored.startsWith(wanted))
                break;
            continue;
        }
        if (ownRecord == 0 || table_.RecNo() != ownRecord) {
            duplicate = true;
            break;
        }
    }
    if (ownRecord > 0)
        table_.Go(ownRecord);
    return duplicate;
}
