#include <QApplication>
#include <QScreen>

#include "app/TSplashForm.h"
#include "app/TZendorMain.h"
#include "controls/SymbolGlyph.h"
#include "document/ScreenMetrics.h"
#include "printing/PartialFiles.h"
#include "storage/DataDirectory.h"
#include "translations/Translations.h"
#include "ui/HelpKey.h"
#include "ui/Prompter.h"

#include <QIcon>

int main(int argc, char** argv) {
    // Before any thread starts: an export stopped by a signal leaves no partial file.
    PartialFiles::InstallSignalCleanup();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    // The menu entry and icon the desktop shows for the program's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvane.Quorvane"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quorvane")));
    Translations::Install();
    HelpKey::Install(app);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        SetScreenPixelsPerInch(qRound(screen->logicalDotsPerInchY()));
    RegisterSymbolFonts();

    auto* splash = new TSplashForm;
    splash->show();
    QApplication::processEvents();

    TZendorMain window(DataDirectory::Path());
    // A label document given to the program (a file manager's double click) is imported.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        window.ImportOnStart(arguments.at(1));
    Prompter::SetMainWindow(&window);
    splash->hide();
    delete splash;
    window.show();
    return QApplication::exec();
}
