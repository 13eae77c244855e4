#pragma once

#include "document/JournalEntry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The recovery journal's bytes (README, "The recovery journal"): a first line naming the
// format and its version, KEY=VALUE lines (UTF-8, "\" escapes for backslash, CR and LF),
// the objects text verbatim after a line giving its length in bytes, and a last line with
// the MD5 of everything before it. A file cut short or changed anywhere fails the check.
class JournalFormat {
public:
    static constexpr int Version = 1;

    static QByteArray Write(const JournalEntry& entry);

    // The entry data holds, or nothing with why set to what is wrong with it (in a few
    // words: "it is cut short", "its check sum does not match", ...).
    static std::optional<JournalEntry> Read(QByteArrayView data, QString* why = nullptr);
};
