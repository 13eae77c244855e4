#include "merge/MergeSourceRegistry.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sys/stat.h>

#include "merge/CsvMergeSource.h"
#include "merge/MergeSourceError.h"
#include "merge/SpreadsheetMergeSource.h"
#include "merge/TableMergeSource.h"
#include <QCoreApplication>

namespace {

template <class Source> std::unique_ptr<MergeSource> OpenAs(const QString& fileName) {
    return std::make_unique<Source>(fileName);
}

// The list: one line per kind, in the order the file dialog's filter names them.
std::vector<MergeSourceKind> MakeKinds() {
    return {
        {QCoreApplication::translate("MergeSourceRegistry", "CSV text"),
         {QStringLiteral("*.csv"), QStringLiteral("*.txt"), QStringLiteral("*.tsv")},
         QCoreApplication::translate(
             "MergeSourceRegistry",
             "CSV text, also any name no other kind claims: the first row names "
             "the fields; ',', ';' or tab; UTF-8 or Windows-1252"),
         &OpenAs<CsvMergeSource>,
         true},
        {QCoreApplication::translate("MergeSourceRegistry", "dBASE/FoxPro table"),
         {QStringLiteral("*.dbf"), QStringLiteral("*.DBF")},
         QCoreApplication::translate(
             "MergeSourceRegistry",
             "a dBASE or FoxPro table, memo fields included; deleted records are "
             "left out"),
         &OpenAs<TableMergeSource>},
        {QCoreApplication::translate("MergeSourceRegistry", "Spreadsheet"),
         {QStringLiteral("*.ods"), QStringLiteral("*.xlsx"), QStringLiteral("*.xlsm")},
         QCoreApplication::translate(
             "MergeSourceRegistry",
             "an OpenDocument or Excel spreadsheet: its first sheet (or --sheet); the "
             "first row names the fields; cells as the spreadsheet shows them, "
             "dates in ISO 8601"),
         &OpenAs<SpreadsheetMergeSource>},
    };
}

bool Claims(const MergeSourceKind& kind, const QString& name) {
    for (const QString& pattern : kind.Patterns) {
        const QRegularExpression expression(
            QRegularExpression::wildcardToRegularExpression(pattern),
            QRegularExpression::CaseInsensitiveOption);
        if (expression.match(name).hasMatch())
            return true;
    }
    return false;
}

} // namespace

const std::vector<MergeSourceKind>& MergeSourceRegistry::Kinds() {
    static const std::vector<MergeSourceKind> kinds = MakeKinds();
    return kinds;
}

const MergeSourceKind& MergeSourceRegistry::KindFor(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    for (const MergeSourceKind& kind : Kinds())
        if (Claims(kind, name))
            return kind;
    for (const MergeSourceKind& kind : Kinds())
        if (kind.TakesUnclaimed)
            return kind;
    throw MergeSourceError(
        fileName, 0, 0,
        QCoreApplication::translate("MergeSourceRegistry", "no kind of merge source reads it"));
}

std::unique_ptr<MergeSource> MergeSourceRegistry::Open(const QString& fileName) {
    // A FIFO would hang the reader and a folder reads as nothing: every kind reads files.
    struct stat info {};
    if (::stat(QFile::encodeName(fileName).constData(), &info) != 0)
        throw MergeSourceError(
            fileName, 0, 0,
            QCoreApplication::translate("MergeSourceRegistry", "the file cannot be opened"));
    if (!S_ISREG(info.st_mode))
        throw MergeSourceError(
            fileName, 0, 0,
            S_ISDIR(info.st_mode)
                ? QCoreApplication::translate("MergeSourceRegistry",
                                              "not a regular file but a folder")
                : QCoreApplication::translate("MergeSourceRegistry", "not a regular file"));
    return KindFor(fileName).Open(fileName);
}

QStringList MergeSourceRegistry::FileFilters() {
    QStringList patterns;
    for (const MergeSourceKind& kind : Kinds())
        patterns += kind.Patterns;
    return {QCoreApplication::translate("MergeSourceRegistry", "Merge sources (%1)")
                .arg(patterns.join(u' ')),
            QCoreApplication::translate("MergeSourceRegistry", "All files (*)")};
}

QString MergeSourceRegistry::HelpText() {
    QString text;
    for (const MergeSourceKind& kind : Kinds())
        text += QStringLiteral("  %1\n      %2\n").arg(kind.Patterns.join(u' '), kind.Description);
    return text;
}
