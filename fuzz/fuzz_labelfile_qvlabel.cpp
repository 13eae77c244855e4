// Reads arbitrary bytes as a label file (.qvlabel); what it accepts must write and read back
// to the same label.
//
// Run (seed corpus in fuzz/corpus/qvlabel):
//   build-fuzz/fuzz/fuzz_labelfile_qvlabel work fuzz/corpus/qvlabel
#include "labelfiles/LabelFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const LabelFileRead read = LabelFile::FromBytes(bytes);
    if (!read.file)
        return 0;
    const LabelFileRead again = LabelFile::FromBytes(read.file->Write());
    if (!again.file || !(*again.file == *read.file))
        abort();
    return 0;
}
