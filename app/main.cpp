#include <QApplication>
#include <QScreen>

#include "app/TSplashForm.h"
#include "app/TZendorMain.h"
#include "document/ScreenMetrics.h"
#include "controls/SymbolGlyph.h"
#include "printing/PartialFiles.h"
#include "storage/DataDirectory.h"
#include "ui/Prompter.h"

int main(int argc, char** argv) {
    // Before any thread starts: an export stopped by a signal leaves no partial file.
    PartialFiles::InstallSignalCleanup();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        SetScreenPixelsPerInch(qRound(screen->logicalDotsPerInchY()));
    RegisterSymbolFonts();

    auto* splash = new TSplashForm;
    splash->show();
    QApplication::processEvents();

    TZendorMain window(DataDirectory::Path());
    Prompter::SetMainWindow(&window);
    splash->hide();
    delete splash;
    window.show();
    return QApplication::exec();
}
