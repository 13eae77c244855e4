#include "storage/TemplateTable.h"

#include "storage/GeometryFields.h"
#include "storage/TableErrorText.h"

#include "storage/TableSchemas.h"
#include "storage/TemplateTableUpgrade.h"

#include "InstallLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

// Writes a copy of a shipped file under a temporary name beside its destination, flushed to
// disk, so that only a complete file is ever renamed into place.
bool WriteCopy(const QString& source, const QString& destination, QString* detail) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (detail)
            *detail = source + ": " + in.errorString();
        return false;
    }
    const QByteArray bytes = in.readAll();
    QFile out(destination);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size() ||
        !out.flush() || ::fsync(out.handle()) != 0) {
        if (detail)
            *detail = destination + ": " + out.errorString();
        out.close();
        QFile::remove(destination);
        return false;
    }
    return true;
}

} // namespace

QString TemplateTable::PathIn(const QString& directory) {
    return QDir(directory).filePath(TemplateTableFileName);
}

namespace {
// The installed stock table when both of its files are there, else the copy built in: a
// table is never paired with another copy's index.
QString StockFile(const QString& fileName) {
    const bool installed =
        !InstallLayout::SharedFile(QString::fromLatin1(TemplateTableFileName)).isEmpty() &&
        !InstallLayout::SharedFile(QString::fromLatin1(TemplateIndexFileName)).isEmpty();
    return installed ? InstallLayout::SharedFile(fileName) : QStringLiteral(":/stock/") + fileName;
}
} // namespace

QString TemplateTable::StockTablePath() {
    return StockFile(QString::fromLatin1(TemplateTableFileName));
}

QString TemplateTable::StockIndexPath() {
    return StockFile(QString::fromLatin1(TemplateIndexFileName));
}

bool TemplateTable::InstallStockTable(const QString& directory, QString* detail) {
    const QString table = PathIn(directory);
    if (QFileInfo::exists(table))
        return true;
    QDir().mkpath(directory);
    const QString index = QDir(directory).filePath(TemplateIndexFileName);
    const QString newTable = table + ".new";
    const QString newIndex = index + ".new";
    if (!WriteCopy(StockIndexPath(), newIndex, detail) ||
        !WriteCopy(StockTablePath(), newTable, detail)) {
        QFile::remove(newIndex);
        return false;
    }
    // An index left without its table belongs to no table any more.
    QFile::remove(index);
    QFile::rename(newIndex, index);
    // rename never replaces an existing file: a template table that appeared meanwhile stays.
    const bool installed = QFile::rename(newTable, table);
    QFile::remove(newTable);
    if (!installed && !QFileInfo::exists(table)) {
        if (detail)
            *detail = table + ": cannot be written";
        return false;
    }
    return true;
}

std::unique_ptr<TemplateTable> TemplateTable::OpenExisting(const QString& path) {
    std::unique_ptr<TemplateTable> table(
        new TemplateTable(dbf::Table::open(path.toStdString(), dbf::Mode::Exclusive)));
    if (table->IndexFileName().isEmpty() ||
        !table->TagNames().contains(TemplateTableTag, Qt::CaseInsensitive))
        table->CreateIndexTag(TemplateTableTag, TemplateTableTagExpression);
    table->SetOrder(TemplateTableTag);
    table->First();
    return table;
}

std::unique_ptr<TemplateTable> TemplateTable::Open(const QString& directory,
                                                   QString& failureMessage, QString* detail) {
    if (!InstallStockTable(directory, detail)) {
        failureMessage = QCoreApplication::translate("TemplateTable", OpenFailedMessage);
        return nullptr;
    }
    // A table of the first layout gets the catalogue; when that cannot be done now (a full
    // disk, a folder that refuses new files) the old table still opens as it is.
    TemplateTableUpgrade::Run(directory, detail);
    try {
        return OpenExisting(PathIn(directory));
    } catch (const dbf::Error& e) {
        if (detail)
            *detail = TableErrorText::Of(e);
        failureMessage = QCoreApplication::translate("TemplateTable", OpenFailedMessage);
        return nullptr;
    }
}

bool TemplateTable::RebuildIndexes(const QString& directory, QString& failureMessage,
                                   QString* detail) {
    try {
        const QString path = PathIn(directory);
        if (!QFileInfo::exists(path))
            throw dbf::Error(dbf::ErrorKind::NoSuchFile, {.path = path.toStdString()});
        std::unique_ptr<TemplateTable> table = OpenExisting(path);
        table->Pack();
        table->CreateIndexTag(TemplateTableTag, TemplateTableTagExpression);
        table->Close();
        return true;
    } catch (const dbf::Error& e) {
        if (detail)
            *detail = TableErrorText::Of(e);
        failureMessage = QCoreApplication::translate("TemplateTable", OpenFailedMessage);
        return false;
    }
}

LabelTemplate TemplateTable::Current() const {
    LabelTemplate t;
    t.name = Text("TEMPLATE");
    t.geometry = ReadGeometry(*this);
    t.userDefined = Logical("USERDEF");
    if (HasCatalogueFields()) {
        t.brand = Text("BRAND");
        t.partNumber = Text("PARTNO");
        t.equivalents = Text("EQUIVS");
        t.category = Text("CATEGORY");
    }
    return t;
}

void TemplateTable::Write(const LabelTemplate& t) {
    SetText("TEMPLATE", t.name);
    WriteGeometry(*this, t.geometry);
    SetLogical("USERDEF", t.userDefined);
    if (!HasCatalogueFields())
        return;
    SetText("BRAND", t.brand);
    SetText("PARTNO", t.partNumber);
    SetText("EQUIVS", t.equivalents);
    SetText("CATEGORY", t.category);
}

bool TemplateTable::HasCatalogueFields() const {
    return Engine().fieldIndex("CATEGORY") >= 0;
}

QString TemplateTable::StoredName(const QString& name) {
    return TruncateUtf8(name, NameWidth);
}
