#include "templates/TemplateImport.h"

#include "storage/TemplateTable.h"
#include "templates/GlabelsTemplateFile.h"
#include "templates/LibreOfficeLabelsFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QXmlStreamReader>

namespace {
constexpr int ListedAtMost = 12; // lines of a list in the summary before "and N more"

QString RootElement(const QByteArray& bytes) {
    QXmlStreamReader xml(bytes);
    return xml.readNextStartElement() ? xml.name().toString() : QString();
}

void AppendList(QString& text, const QStringList& lines) {
    for (int i = 0; i < lines.size() && i < ListedAtMost; ++i)
        text += QStringLiteral("\n  ") + lines[i];
    if (lines.size() > ListedAtMost)
        text += QCoreApplication::translate("TemplateImport", "\n  and %1 more")
                    .arg(lines.size() - ListedAtMost);
}
} // namespace

ReadTemplates TemplateImport::ReadFile(const QString& path) {
    ReadTemplates result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QCoreApplication::translate("TemplateImport", "%1 cannot be read: %2")
                           .arg(path, file.errorString());
        return result;
    }
    const QByteArray bytes = file.readAll();
    const QString root = RootElement(bytes);
    if (root == u"Glabels-templates")
        return GlabelsTemplateFile::Read(bytes);
    if (root == u"manufacturers")
        return LibreOfficeLabelsFile::Read(bytes);
    result.error =
        QCoreApplication::translate("TemplateImport",
                                    "%1 is not a template file. Templates can be imported from "
                                    "gLabels template files (*-templates.xml) and LibreOffice's "
                                    "label list (labels.xml).")
            .arg(path);
    return result;
}

TemplateImport::Outcome TemplateImport::ImportFile(const QString& path, TemplateTable& table) {
    Outcome outcome;
    ReadTemplates read = ReadFile(path);
    if (read.Failed()) {
        outcome.error = read.error;
        return outcome;
    }
    outcome.skipped = read.skipped;
    outcome.notes = read.notes;
    if (read.templates.isEmpty() && read.skipped.isEmpty()) {
        outcome.error =
            QCoreApplication::translate("TemplateImport", "%1 holds no templates.").arg(path);
        return outcome;
    }
    QSet<QString> present;
    const quint32 current = table.RecNo();
    for (table.First(); !table.Eof(); table.Next())
        present.insert(table.Text(QStringLiteral("TEMPLATE")).toUpper());
    table.Go(current);
    // A file of a thousand templates is written in one go and flushed to disk once at the
    // end, not record by record.
    struct Batch {
        TemplateTable& table;
        explicit Batch(TemplateTable& t) : table(t) { table.Engine().setSyncWrites(false); }
        ~Batch() {
            table.Engine().setSyncWrites(true);
            try {
                table.Engine().flush();
            } catch (...) {
            }
        }
    } batch(table);
    for (LabelTemplate t : read.templates) {
        t.name = TemplateTable::StoredName(t.name);
        if (present.contains(t.name.toUpper())) {
            outcome.skipped.append({t.name, QString::fromLatin1(AlreadyPresent)});
            continue;
        }
        t.userDefined = true;
        table.Append();
        table.PostOrCancel([&] { table.Write(t); });
        present.insert(t.name.toUpper());
        outcome.imported << t.name;
    }
    return outcome;
}

QString TemplateImport::Outcome::Summary(const QString& fileName) const {
    if (!error.isEmpty())
        return error;
    const QString file = QFileInfo(fileName).fileName();
    QString text =
        imported.size() == 1
            ? QCoreApplication::translate("Outcome", "1 template imported from %1.").arg(file)
            : QCoreApplication::translate("Outcome", "%1 templates imported from %2.")
                  .arg(imported.size())
                  .arg(file);
    if (!skipped.isEmpty()) {
        text += QCoreApplication::translate("Outcome", "\n\n%1 skipped:").arg(skipped.size());
        QStringList lines;
        for (const ReadTemplates::Skipped& s : skipped)
            lines << s.name + QStringLiteral(": ") + s.reason;
        AppendList(text, lines);
    }
    if (!notes.isEmpty()) {
        text += QCoreApplication::translate("Outcome", "\n\nChanged to fit:");
        AppendList(text, notes);
    }
    return text;
}
