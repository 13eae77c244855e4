#include "app/CrashRecovery.h"

#include "document/JournalFormat.h"
#include "ui/Prompter.h"
#include "ui/TRecoveryQuestion.h"

#include <QCoreApplication>
#include <QFileInfo>

CrashRecovery::CrashRecovery(const QString& directory) : file_(directory) {}

std::optional<JournalEntry> CrashRecovery::Find() {
    const JournalFile::Contents contents = file_.Read();
    using State = JournalFile::Contents::State;
    if (contents.state == State::Absent)
        return std::nullopt;
    QString why = contents.error;
    if (contents.state == State::Present) {
        std::optional<JournalEntry> entry = JournalFormat::Read(contents.bytes, &why);
        if (entry)
            return entry;
    }
    const QString aside = file_.SetAside();
    const QString name = QFileInfo(file_.Path()).fileName();
    if (aside.isEmpty())
        ShowInformation(
            QCoreApplication::translate("CrashRecovery",
                                        "The recovery file %1 left by the last session cannot be "
                                        "read (%2) nor moved aside; it was left as it is.")
                .arg(name, why));
    else
        ShowInformation(QCoreApplication::translate(
                            "CrashRecovery", "The recovery file %1 left by the last session is "
                                             "damaged (%2) and was set aside as %3; your stored "
                                             "labels are not affected.")
                            .arg(name, why, QFileInfo(aside).fileName()));
    return std::nullopt;
}

bool CrashRecovery::Offer(const JournalEntry& entry) {
    TRecoveryQuestion question(Question(entry, QDateTime::currentDateTime()),
                               Prompter::DialogParent());
    if (Prompter::Current().RunDialog(question) == QDialog::Accepted)
        return true;
    file_.Remove();
    return false;
}

QString CrashRecovery::Question(const JournalEntry& entry, const QDateTime& now) {
    const QDateTime changed = entry.changed.toLocalTime();
    QString when = QStringLiteral("at ") + changed.toString(QStringLiteral("HH:mm"));
    if (changed.date() != now.toLocalTime().date())
        when = QStringLiteral("on ") + changed.toString(QStringLiteral("yyyy-MM-dd ")) + when;
    return QCoreApplication::translate(
               "CrashRecovery", "Quorvane did not close properly. Restore your unsaved changes to "
                                "\"%1\" (last change %2)?")
        .arg(entry.description.trimmed(), when);
}
