#include "MainWindowFixture.h"

#include "translations/Translations.h"
#include "ui/HelpKey.h"
#include "ui/THelpWindow.h"

#include <QDirIterator>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>

// The help describes the program as it stands: every menu command is named in it, its
// contents lead to every section, and every window F1 can be pressed in has a section.

namespace {

QString HelpSource(const QString& name = QStringLiteral("quorvane.html")) {
    QFile file(QStringLiteral(":/help/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The help as a reader sees it, in the language of the program's texts, with its blanks and
// line breaks made single spaces.
QString HelpText() {
    QTextBrowser* browser = THelpWindow::Instance().Browser;
    browser->setSource(THelpWindow::HelpSource());
    return browser->toPlainText().simplified();
}

// A menu entry's name as a reader looks it up: no shortcut mark, no ellipsis.
QString CommandName(const QAction* action) {
    QString name = action->text();
    name.remove(QLatin1Char('&'));
    name.remove(QChar(0x2026));
    name.remove(QStringLiteral("..."));
    return name.section(QLatin1Char('\t'), 0, 0).simplified();
}

QStringList SectionAnchors(const QString& html) {
    static const QRegularExpression heading(QStringLiteral("<h[1-3]><a name=\"([^\"]+)\"></a>"));
    QStringList anchors;
    for (const auto& match : heading.globalMatch(html))
        anchors.append(match.captured(1));
    return anchors;
}

} // namespace

class HelpCoverage : public MainWindowTest {
protected:
    // Every command of the menus, as the menus name it now, against the help shown now.
    void ExpectEveryMenuCommandNamed() {
        const QString help = HelpText();
        ASSERT_FALSE(help.isEmpty());
        QStringList missing;
        int named = 0;
        // The main menus and every item menu (the window owns them all).
        for (const QMenu* menu : window->findChildren<QMenu*>()) {
            // The merge-field entries are the fields of the user's file, not commands.
            if (menu == window->Menus->PopupMenuTextInsertMergeField)
                continue;
            for (const QAction* action : menu->actions()) {
                if (action->isSeparator())
                    continue;
                const QString name = CommandName(action);
                // A value of a submenu ("3 Point", "40%") is named with the submenu.
                if (name.isEmpty() || name.front().isDigit())
                    continue;
                ++named;
                if (!help.contains(name, Qt::CaseInsensitive))
                    missing.append(menu->objectName() + QStringLiteral(": ") + name);
            }
        }
        for (const QAction* action : window->menuBar()->actions())
            if (!help.contains(CommandName(action), Qt::CaseInsensitive))
                missing.append(QStringLiteral("menu bar: ") + CommandName(action));
        EXPECT_GT(named, 60) << "the walk found the menus";
        EXPECT_TRUE(missing.isEmpty()) << "not named in the help:\n"
                                       << missing.join(QLatin1Char('\n')).toStdString();
    }
};

// The same window in German, with the German help.
class GermanHelpCoverage : public HelpCoverage {
protected:
    void SetUp() override {
        ASSERT_EQ(Translations::Install(QLocale(QStringLiteral("de_DE"))), QStringLiteral("de"));
        HelpCoverage::SetUp();
    }
    void TearDown() override {
        HelpCoverage::TearDown();
        Translations::Install(QLocale::c());
    }
};

TEST_F(HelpCoverage, NamesEveryMenuCommand) {
    EXPECT_EQ(THelpWindow::HelpSource().fileName(), QStringLiteral("quorvane.html"));
    ExpectEveryMenuCommandNamed();
}

TEST_F(GermanHelpCoverage, NamesEveryMenuCommandInGerman) {
    EXPECT_EQ(THelpWindow::HelpSource().fileName(), QStringLiteral("quorvane_de.html"));
    ExpectEveryMenuCommandNamed();
}

TEST(HelpContents, ListsEverySectionAndEveryLinkLeadsSomewhere) {
    for (const QString& name :
         {QStringLiteral("quorvane.html"), QStringLiteral("quorvane_de.html")}) {
        SCOPED_TRACE(name.toStdString());
        const QString html = HelpSource(name);
        const QStringList anchors = SectionAnchors(html);
        ASSERT_GT(anchors.size(), 30);
        const int start = html.indexOf(QStringLiteral("<a name=\"contents\">"));
        const int end = html.indexOf(QStringLiteral("<h2>"), start);
        ASSERT_GT(start, 0);
        ASSERT_GT(end, start);
        const QString contents = html.mid(start, end - start);
        for (const QString& anchor : anchors) {
            if (anchor == QLatin1String("topic-1001") || anchor == QLatin1String("contents"))
                continue;
            EXPECT_TRUE(contents.contains(QStringLiteral("href=\"#%1\"").arg(anchor)))
                << "the contents lack " << anchor.toStdString();
        }
        static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
        for (const auto& match : link.globalMatch(html))
            EXPECT_TRUE(anchors.contains(match.captured(1)))
                << "a link to a missing section " << match.captured(1).toStdString();
        // Each section once: a repeated anchor would send F1 to the first of them.
        EXPECT_EQ(QSet<QString>(anchors.begin(), anchors.end()).size(), anchors.size());
    }
}

// The German help has every section of the English one, under the same anchors, so that F1
// finds its topic in either language.
TEST(HelpContents, GermanHasEverySectionOfTheEnglish) {
    const QStringList english = SectionAnchors(HelpSource());
    const QStringList german = SectionAnchors(HelpSource(QStringLiteral("quorvane_de.html")));
    ASSERT_FALSE(german.isEmpty());
    EXPECT_EQ(german, english);
}

// Whatever F1 opens without a Help button is a section of the help.
TEST(HelpContents, HasEverySectionF1Opens) {
    const QStringList anchors = SectionAnchors(HelpSource());
    for (const QString& section : HelpKey::KnownSections())
        EXPECT_TRUE(anchors.contains(section)) << section.toStdString();
}

// Each dialog class of the program either has a Help button, which F1 presses, or a section
// F1 opens by its class. A new dialog without either fails here, naming itself.
TEST(HelpContents, CoversEveryDialogOfTheProgram) {
    const QString root = qEnvironmentVariable("QV_SOURCE_DIR");
    ASSERT_FALSE(root.isEmpty());
    static const QRegularExpression dialogClass(
        QStringLiteral("class (\\w+)\\s*:\\s*public (?:QDialog|FixedDialog)\\b"));
    // The button is named HelpButton, by hand or by FixedDialog::AddHelpButton.
    static const QRegularExpression helpButton(QStringLiteral("\\bHelpButton\\b|AddHelpButton\\("));
    // A text entry belongs to the window it asks for, and F1 there opens that window's topic.
    const QStringList belongToTheirWindow{QStringLiteral("TInputQueryForm")};
    int dialogs = 0;
    for (const char* folder :
         {"app", "designer", "printing", "templates", "ui", "controls", "merge", "storage"}) {
        QDirIterator files(root + QLatin1Char('/') + QLatin1String(folder), {QStringLiteral("*.h")},
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString header = files.next();
            QFile file(header);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QString declaration = QString::fromUtf8(file.readAll());
            for (const auto& match : dialogClass.globalMatch(declaration)) {
                const QString name = match.captured(1);
                if (name == QLatin1String("FixedDialog") || belongToTheirWindow.contains(name))
                    continue;
                ++dialogs;
                QFile source(header.chopped(2) + QStringLiteral(".cpp"));
                const bool hasButton =
                    source.open(QIODevice::ReadOnly) &&
                    helpButton.match(QString::fromUtf8(source.readAll())).hasMatch();
                EXPECT_TRUE(hasButton || !HelpKey::SectionForClass(name).isEmpty())
                    << name.toStdString() << " has neither a Help button nor a help section";
            }
        }
    }
    EXPECT_GT(dialogs, 10);
}
