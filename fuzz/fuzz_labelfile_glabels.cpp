// Reads arbitrary bytes as a gLabels document (gzip or plain XML) into a label.
//
// Run (seed corpus in fuzz/corpus/glabels):
//   build-fuzz/fuzz/fuzz_labelfile_glabels work fuzz/corpus/glabels
#include "document/ScreenMetrics.h"
#include "labelfiles/GlabelsDocument.h"
#include "labelfiles/LabelFile.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Text is measured with the fonts, which need an application (no screen).
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        SetScreenPixelsPerInch(96);
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const GlabelsDocument::Read read = GlabelsDocument::FromBytes(bytes, "/nonexistent", "x");
    // Whatever is read and fit for the label table must make a label file that reads back.
    if (read.file && LabelFile::GeometryProblem(read.file->label.geometry).isEmpty() &&
        !LabelFile::FromBytes(read.file->Write()).file)
        abort();
    return 0;
}
