#pragma once

#include "document/JournalEntry.h"
#include "document/JournalFile.h"

#include <QString>

#include <optional>

// What start-up does with a recovery journal the last run left behind (it ended without
// closing: a crash, a kill, a power cut). Only the copy of the program that holds the label
// table asks: a second copy stops before this, leaving the journal to the first.
class CrashRecovery {
public:
    explicit CrashRecovery(const QString& directory);

    // The journal's label, when one is there and whole. A journal that is damaged (cut short,
    // garbled, a folder in its place) is moved aside and reported in one sentence; the
    // program then starts as usual.
    std::optional<JournalEntry> Find();
    // Asks whether to restore the label; Discard removes the journal.
    bool Offer(const JournalEntry& entry);

    // The question, with the label's description and the local time of its last change.
    static QString Question(const JournalEntry& entry, const QDateTime& now);

private:
    JournalFile file_;
};
