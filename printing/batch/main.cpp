#include <QApplication>
#include <QTextStream>

#include <cstdio>

#include "BatchRenderer.h"
#include "printing/PartialFiles.h"
#include "translations/Translations.h"

int main(int argc, char* argv[]) {
    // Before any thread starts: a partial output file is removed when the run is stopped.
    PartialFiles::InstallSignalCleanup();
    // Nothing is ever shown: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Messages and the help in the locale's language, as the window program speaks; what
    // scripts read (exit codes, the PDF on the standard output) is the same in every language.
    Translations::Install();
    QTextStream out(stdout);
    QTextStream err(stderr);
    BatchRenderer::Options options;
    QString error;
    if (!BatchRenderer::Parse(app.arguments().mid(1), options, error)) {
        err << "quorvane-batch: " << error << "\n\n" << BatchRenderer::Usage();
        return BatchRenderer::BadUsage;
    }
    if (options.help) {
        out << BatchRenderer::Usage();
        return BatchRenderer::Success;
    }
    return BatchRenderer::Run(options, err);
}
