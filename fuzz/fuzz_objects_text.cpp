// Reads arbitrary text as a label's objects text, on the design side and on the print side,
// and writes back what the design side read.
//
// Run (seed corpus in fuzz/corpus/objects):
//   build-fuzz/fuzz/fuzz_objects_text work fuzz/corpus/objects
#include "document/ScreenMetrics.h"
#include "document/ConversionError.h"
#include "document/ObjectsTextReader.h"
#include "document/ObjectsTextWriter.h"
#include "document/PrintItemsReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool screen = (SetScreenPixelsPerInch(96), true);
    (void)screen;
    // Stored memos are UTF-8, or Windows-1252 read as Latin-1 for older tables.
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = (size & 1) ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
    std::vector<LabelItemValue> items;
    try {
        ReadObjectsText(text, [&](const LabelItemValue& item) { items.push_back(item); });
    } catch (const ConversionError&) {
    }
    // What the design side read is what a save writes: it must read back.
    const QString written = WriteObjectsText(items);
    try {
        ReadObjectsText(written, [](const LabelItemValue&) {});
    } catch (const ConversionError&) {
        std::abort();
    }
    try {
        const PrintItemsText printed = ReadPrintItems(text);
        (void)printed.lastIndex();
    } catch (const ConversionError&) {
    }
    return 0;
}
