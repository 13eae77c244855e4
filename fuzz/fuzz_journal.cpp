// Reads arbitrary bytes as a recovery journal. Half the inputs are sealed first (the MD5 line
// the writer ends a journal with is appended), so that the fuzzer reaches the lines behind the
// check sum; what reads as an entry must give a design and write back to the same entry.
//
// Run (seed corpus in fuzz/corpus/journal):
//   build-fuzz/fuzz/fuzz_journal work fuzz/corpus/journal
#include "document/JournalFormat.h"
#include "document/ScreenMetrics.h"

#include <QCryptographicHash>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool screen = (SetScreenPixelsPerInch(96), true);
    (void)screen;
    if (size == 0)
        return 0;
    QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    if (data[0] & 1)
        bytes += "END=" + QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex() + "\n";
    QString why;
    const std::optional<JournalEntry> entry = JournalFormat::Read(bytes, &why);
    if (!entry) {
        if (why.isEmpty())
            std::abort();
        return 0;
    }
    const LabelDesign design = entry->Design();
    (void)design.SaveItems();
    const std::optional<JournalEntry> again = JournalFormat::Read(JournalFormat::Write(*entry));
    if (!again || !(*again == *entry))
        std::abort();
    return 0;
}
