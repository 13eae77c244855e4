#include <QApplication>
#include <QScreen>

#include "app/TZendorMain.h"
#include "controls/ScreenMetrics.h"
#include "controls/SymbolGlyph.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        SetScreenPixelsPerInch(qRound(screen->logicalDotsPerInchY()));
    RegisterSymbolFonts();
    TZendorMain window;
    window.show();
    return QApplication::exec();
}
