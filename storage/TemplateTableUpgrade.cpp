#include "storage/TemplateTableUpgrade.h"

#include "storage/GeometryFields.h"
#include "storage/TableErrorText.h"
#include "storage/TableSchemas.h"
#include "storage/TemplateTable.h"
#include "storage/dbf/Error.h"
#include "storage/dbf/File.h"
#include "storage/dbf/Table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

std::function<void(const char*)>& Hook() {
    static std::function<void(const char*)> hook;
    return hook;
}

void Step(const char* name) {
    if (Hook())
        Hook()(name);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw dbf::Error(dbf::ErrorKind::FileFailed,
                         {.path = path.toStdString(), .value = file.errorString().toStdString()});
    return file.readAll();
}

// Writes `bytes` to `path` through a temporary name, flushed to disk, and reads it back:
// only a complete, verified copy ever carries the name.
void WriteVerified(const QByteArray& bytes, const QString& path) {
    const QString temp = path + QStringLiteral(".tmp");
    {
        QFile out(temp);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(bytes) != bytes.size() || !out.flush() || ::fsync(out.handle()) != 0) {
            const std::string reason = out.errorString().toStdString();
            out.close();
            QFile::remove(temp);
            throw dbf::Error(dbf::ErrorKind::FileFailed,
                             {.path = temp.toStdString(), .value = reason});
        }
    }
    if (ReadAll(temp) != bytes) {
        QFile::remove(temp);
        throw dbf::Error(dbf::ErrorKind::CopyDiffers, {.path = temp.toStdString()});
    }
    QFile::remove(path);
    dbf::File::rename(temp.toStdString(), path.toStdString());
    dbf::File::syncDirectoryOf(path.toStdString());
}

QString Sibling(const QString& tablePath, const QString& baseName, const char* extension) {
    return QFileInfo(tablePath).dir().filePath(baseName + QLatin1String(extension));
}

// The user's templates of the old table: the rows marked USERDEF (every row, when the table
// never had that mark), in record order, deleted rows left out.
QVector<LabelTemplate> UserTemplates(DataTable& old) {
    const bool marked = old.Engine().fieldIndex("USERDEF") >= 0;
    QVector<LabelTemplate> kept;
    old.SetOrder(QString());
    for (old.First(); !old.Eof(); old.Next()) {
        if (marked && !old.Logical(QStringLiteral("USERDEF")))
            continue;
        LabelTemplate t;
        t.name = old.Text(QStringLiteral("TEMPLATE"));
        t.geometry = ReadGeometry(old);
        t.userDefined = true;
        kept.append(t);
    }
    return kept;
}

// The backup's name: the first of QVLTPL-OLD, QVLTPL-OLD2, ... that is free or already holds
// exactly these bytes (an upgrade cut short before).
QString BackupFor(const QString& tablePath, const QByteArray& tableBytes) {
    for (int number = 1;; ++number) {
        const QString candidate =
            TemplateTableUpgrade::BackupPath(QFileInfo(tablePath).path(), number);
        if (!QFileInfo::exists(candidate) || ReadAll(candidate) == tableBytes)
            return candidate;
    }
}

void Upgrade(const QString& tablePath) {
    const QString indexPath = Sibling(tablePath, QFileInfo(tablePath).completeBaseName(), ".CDX");
    const QString newTable = Sibling(tablePath, TemplateTableUpgrade::WorkBaseName, ".DBF");
    const QString newIndex = Sibling(tablePath, TemplateTableUpgrade::WorkBaseName, ".CDX");

    // Held exclusively until the new table has taken its place.
    DataTable old(dbf::Table::open(tablePath.toStdString(), dbf::Mode::Exclusive));
    const QVector<LabelTemplate> userTemplates = UserTemplates(old);

    // 1. The verified copy of the old files: the index first, so that a table copy is only
    // ever there with its index beside it.
    const QByteArray tableBytes = ReadAll(tablePath);
    const QString backup = BackupFor(tablePath, tableBytes);
    if (QFileInfo::exists(indexPath)) {
        Step("backup index");
        WriteVerified(ReadAll(indexPath),
                      Sibling(backup, QFileInfo(backup).completeBaseName(), ".CDX"));
    }
    if (!QFileInfo::exists(backup)) {
        Step("backup table");
        WriteVerified(tableBytes, backup);
    }

    // 2. The new table beside the old: the stock catalogue and the user's templates.
    Step("new index");
    WriteVerified(ReadAll(TemplateTable::StockIndexPath()), newIndex);
    Step("new table");
    WriteVerified(ReadAll(TemplateTable::StockTablePath()), newTable);
    {
        DataTable fresh(dbf::Table::open(newTable.toStdString(), dbf::Mode::Exclusive));
        for (const LabelTemplate& t : userTemplates) {
            Step("user template");
            fresh.Append();
            fresh.PostOrCancel([&] {
                fresh.SetText(QStringLiteral("TEMPLATE"), t.name);
                WriteGeometry(fresh, t.geometry);
                fresh.SetLogical(QStringLiteral("USERDEF"), true);
            });
        }
        fresh.Engine().flush();
        fresh.Close();
    }

    // 3. The swap. Until the table is renamed the old one stands; after it, the old index
    // beside the new table no longer agrees with it and is rebuilt when the table opens.
    Step("replace table");
    dbf::File::rename(newTable.toStdString(), tablePath.toStdString());
    dbf::File::syncDirectoryOf(tablePath.toStdString());
    Step("replace index");
    dbf::File::rename(newIndex.toStdString(), indexPath.toStdString());
    dbf::File::syncDirectoryOf(tablePath.toStdString());
    old.Close();
}

} // namespace

QString TemplateTableUpgrade::BackupPath(const QString& directory, int number) {
    const QString base =
        QLatin1String(BackupBaseName) + (number > 1 ? QString::number(number) : QString());
    return QDir(directory).filePath(base + QStringLiteral(".DBF"));
}

void TemplateTableUpgrade::SetStepHook(std::function<void(const char*)> hook) {
    Hook() = std::move(hook);
}

bool TemplateTableUpgrade::NeedsUpgrade(const QString& path) {
    const std::unique_ptr<dbf::Table> table =
        dbf::Table::open(path.toStdString(), dbf::Mode::ReadOnly);
    for (const dbf::FieldDef& field : TemplateTableFields())
        if (table->fieldIndex(field.name) < 0)
            return true;
    return false;
}

bool TemplateTableUpgrade::Run(const QString& directory, QString* detail) {
    const QString given = TemplateTable::PathIn(directory);
    if (!QFileInfo::exists(given))
        return true;
    // A table reached through a link is upgraded where the link points.
    const QString tablePath = QFileInfo(given).canonicalFilePath();
    try {
        const bool needed = NeedsUpgrade(tablePath);
        if (!needed) {
            // Leftovers of an upgrade cut short after its table was in place.
            for (const char* extension : {".DBF", ".CDX", ".DBF.tmp", ".CDX.tmp"})
                QFile::remove(Sibling(tablePath, QLatin1String(WorkBaseName), extension));
            return true;
        }
        Upgrade(tablePath);
        return true;
    } catch (const dbf::Error& e) {
        if (detail)
            *detail = TableErrorText::Of(e);
        return false;
    }
}
