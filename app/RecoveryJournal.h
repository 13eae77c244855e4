#pragma once

#include "document/JournalFile.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class JournalSubject;

// Keeps the recovery journal of the label being designed: written after each change while the
// label has unsaved changes, at most once an interval while changes stream in (the change that
// ends a burst is always written), and removed as soon as none are left (saved, cancelled,
// another label shown). A journal that cannot be written is reported once; editing goes on.
class RecoveryJournal : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultIntervalMs = 1000;
    // How soon a write put off by a change under way is tried again.
    static constexpr int BusyRetryMs = 50;

    // directory is the data directory; subject must outlive the journal.
    RecoveryJournal(const QString& directory, const JournalSubject& subject,
                    QObject* parent = nullptr);
    ~RecoveryJournal() override;

    // The label changed, or its unsaved state did.
    void Follow();
    // The journal on the disk, left by the last run, is this run's now (its label was
    // restored): saving or cancelling removes it.
    void Adopt() { written_ = true; }
    // Writes a change still waiting for its turn now.
    void Flush();
    bool Pending() const { return timer_.isActive(); }

    void SetInterval(int milliseconds) { interval_ = milliseconds; }
    int Writes() const { return writes_; }
    QString Path() const { return file_.Path(); }

private:
    void Write();
    void Remove();
    void Warn(const QString& error);

    JournalFile file_;
    const JournalSubject& subject_;
    QTimer timer_;
    QElapsedTimer sinceWrite_;
    QDateTime changed_;
    int interval_ = DefaultIntervalMs;
    int writes_ = 0;
    bool written_ = false; // a journal of this run may be on the disk
    bool warned_ = false;
};
