#include "app/RecoveryJournal.h"

#include "app/JournalSubject.h"
#include "document/JournalFormat.h"
#include "ui/Prompter.h"

RecoveryJournal::RecoveryJournal(const QString& directory, const JournalSubject& subject,
                                 QObject* parent)
    : QObject(parent), file_(directory), subject_(subject) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryJournal::Write);
}

RecoveryJournal::~RecoveryJournal() = default;

void RecoveryJournal::Follow() {
    if (!subject_.HasUnsavedChanges()) {
        timer_.stop();
        Remove();
        return;
    }
    changed_ = QDateTime::currentDateTimeUtc();
    if (timer_.isActive())
        return;
    // The first change after a pause is written at once (once the command that made it has
    // finished); later ones wait until an interval has passed since the last write.
    qint64 wait = 0;
    if (sinceWrite_.isValid())
        wait = std::max<qint64>(0, interval_ - sinceWrite_.elapsed());
    timer_.start(int(wait));
}

void RecoveryJournal::Flush() {
    if (!timer_.isActive())
        return;
    timer_.stop();
    Write();
}

void RecoveryJournal::Write() {
    if (subject_.Busy()) {
        timer_.start(BusyRetryMs);
        return;
    }
    if (!subject_.HasUnsavedChanges()) {
        Remove();
        return;
    }
    JournalEntry entry = subject_.UnsavedLabel();
    entry.changed = changed_;
    QString error;
    written_ = true;
    sinceWrite_.start();
    if (file_.Write(JournalFormat::Write(entry), error))
        ++writes_;
    else
        Warn(error);
}

void RecoveryJournal::Remove() {
    if (!written_)
        return;
    written_ = false;
    file_.Remove();
}

void RecoveryJournal::Warn(const QString& error) {
    if (warned_)
        return;
    warned_ = true;
    ShowInformation(tr("Unsaved changes cannot be kept for recovery after a crash "
                       "(%1). You can go on editing; save your label to keep it.")
                        .arg(error));
}
