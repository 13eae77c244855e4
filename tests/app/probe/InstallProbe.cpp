#include "storage/TemplateTable.h"
#include "translations/Translations.h"
#include "ui/THelpWindow.h"

#include <QCoreApplication>
#include <QTextStream>

// Prints where this program takes its read-only files from, one per line: the stock
// template table, its index, the help and the translations folder. Run from the bin folder
// of an installed tree it must name that tree's share/quorvane; anywhere else the copies
// built into it. With --language it prints instead the language the program's texts take
// from the environment's locale (empty for English) and one translated text.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    if (application.arguments().contains(QStringLiteral("--language"))) {
        out << Translations::Install() << '\n'
            << QCoreApplication::translate("TInputQueryForm", "Cancel") << '\n';
        return 0;
    }
    out << TemplateTable::StockTablePath() << '\n'
        << TemplateTable::StockIndexPath() << '\n'
        << THelpWindow::HelpSource().toString() << '\n'
        << Translations::Folder() << '\n';
    return 0;
}
