#include "MainWindowFixture.h"

#include "app/TSelectLabel.h"
#include "app/TSplashForm.h"
#include "designer/TFontDialog.h"
#include "designer/TGetCounter.h"
#include "designer/TGetSymbol.h"
#include "designer/TImageBrowse.h"
#include "designer/TSetRotate.h"
#include "designer/TSymbologyChooser.h"
#include "designer/TTextDialog.h"
#include "document/ChosenPositions.h"
#include "merge/MergeSourceAddress.h"
#include "merge/TDatabaseSourceDialog.h"
#include "merge/TMergeSourceDialog.h"
#include "printing/SheetJob.h"
#include "printing/TLabelPrint.h"
#include "printing/TPreviewForm.h"
#include "printing/TPrintOptionsTab.h"
#include "printing/TPrinterAlignment.h"
#include "printing/TPrinterSetup.h"
#include "printing/TSelectLabelsToPrint.h"
#include "storage/LabelTable.h"
#include "storage/TemplateTable.h"
#include "templates/TSelectTemplate.h"
#include "templates/TTemplateEdit.h"
#include "translations/Translations.h"
#include "ui/THelpWindow.h"
#include "ui/TInputQueryForm.h"
#include "ui/TRecoveryQuestion.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QSpinBox>
#include <QTextEdit>
#include <QXmlStreamReader>

// The program in German, window by window: no English text is left in a window, dialog or
// menu the program opens, and every control has a name a screen reader can say.

namespace {

// A text as a person reads it: no shortcut marks, blanks made single.
QString Shown(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.simplified();
}

// The English texts of the translation whose German reads differently: the exact ones, and
// those with place holders (%1) as patterns.
struct EnglishTexts {
    QSet<QString> exact;
    std::vector<QRegularExpression> patterns;

    bool Matches(const QString& shown) const {
        if (exact.contains(shown))
            return true;
        for (const QRegularExpression& pattern : patterns)
            if (pattern.match(shown).hasMatch())
                return true;
        return false;
    }
};

EnglishTexts ReadEnglishTexts() {
    EnglishTexts english;
    QFile file(QStringLiteral(QV_GERMAN_TS));
    if (!file.open(QIODevice::ReadOnly))
        return english;
    static const QRegularExpression placeHolder(QStringLiteral("%\\d"));
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString translation = xml.readElementText();
            const QString shown = Shown(source);
            if (shown == Shown(translation) || shown.isEmpty())
                continue;
            if (!shown.contains(placeHolder)) {
                english.exact.insert(shown);
                continue;
            }
            // "Page %1 of %2" is English whatever fills it in.
            QString pattern = QRegularExpression::escape(shown);
            pattern.replace(QRegularExpression(QStringLiteral("%\\d")), QStringLiteral(".*"));
            english.patterns.emplace_back(QStringLiteral("^") + pattern + QStringLiteral("$"));
        }
    }
    return english;
}

// Qt's own parts of a widget (a scroll area's bars, a spin box's line edit, a combo box's
// list, the menu bar's overflow button) are named by the widget they belong to.
bool QtsOwnPart(const QWidget* widget, const QWidget* window) {
    if (qobject_cast<const QScrollBar*>(widget) || qobject_cast<const QHeaderView*>(widget))
        return true;
    for (const QWidget* w = widget; w && w != window; w = w->parentWidget()) {
        if (w->objectName().startsWith(QLatin1String("qt_")))
            return true;
        if (w != widget &&
            (qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w) ||
             qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QLineEdit*>(w)))
            return true;
    }
    return false;
}

bool IsControl(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QAbstractSlider*>(widget);
}

// Walks a window and everything in it: the texts it shows and the controls a screen reader
// cannot name.
class Walk {
public:
    explicit Walk(EnglishTexts known) : english_(std::move(known)) {}

    void Window(QWidget* window) {
        const QString where = QString::fromLatin1(window->metaObject()->className());
        Check(where, window->windowTitle());
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* widget : widgets) {
            if (QtsOwnPart(widget, window))
                continue;
            const QString at = where + QLatin1Char('/') + widget->objectName();
            Check(at, widget->toolTip());
            Check(at, widget->whatsThis());
            Check(at, widget->accessibleName());
            Texts(at, widget);
            for (const QAction* action : widget->actions())
                Action(at, action);
            if (IsControl(widget))
                Name(at, widget);
        }
    }

    QStringList english;
    QStringList unnamed;
    int texts = 0;
    int controls = 0;

private:
    void Texts(const QString& at, QWidget* widget) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            Check(at, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            Check(at, button->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            Check(at, group->title());
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            Check(at, edit->placeholderText());
        if (auto* box = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < box->count(); ++i)
                Check(at, box->itemText(i));
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
            Check(at, spin->specialValueText());
        if (auto* spin = qobject_cast<QSpinBox*>(widget))
            Check(at, spin->suffix().trimmed());
        if (auto* menu = qobject_cast<QMenu*>(widget))
            Check(at, menu->title());
        if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model())
            for (int column = 0; column < view->model()->columnCount(); ++column)
                Check(at, view->model()->headerData(column, Qt::Horizontal).toString());
    }

    void Action(const QString& at, const QAction* action) {
        Check(at + QLatin1Char('/') + action->objectName(), action->text());
        if (action->toolTip() != Shown(action->text()))
            Check(at + QLatin1Char('/') + action->objectName(), action->toolTip());
    }

    void Name(const QString& at, QWidget* widget) {
        ++controls;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << at + QStringLiteral(" (") +
                           QString::fromLatin1(widget->metaObject()->className()) +
                           QLatin1Char(')');
    }

    void Check(const QString& at, const QString& text) {
        const QString shown = Shown(text);
        if (shown.isEmpty())
            return;
        ++texts;
        if (english_.Matches(shown))
            english << at + QStringLiteral(": ") + shown;
    }

    EnglishTexts english_;
};

// The texts of a dialog whose size is fixed that do not fit the room they are given: a
// label, button, check box or group box narrower than its text, or reaching past the edge
// of what holds it.
QStringList CutTexts(QWidget* dialog) {
    QStringList cut;
    const QString where = QString::fromLatin1(dialog->metaObject()->className());
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(dialog) || QtsOwnPart(widget, dialog))
            continue;
        QString text;
        int needed = 0; // pixels of width the text takes
        int room = widget->width();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = label->text();
            if (text.isEmpty() || label->wordWrap()) {
                // A wrapped text must fit in its height at its width.
                if (!text.isEmpty() && label->heightForWidth(room) > label->height())
                    cut << QStringLiteral("%1/%2: \"%3\" needs %4 px of height, has %5")
                               .arg(where, widget->objectName(), Shown(text))
                               .arg(label->heightForWidth(room))
                               .arg(label->height());
                continue;
            }
            needed = label->sizeHint().width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
            if (text.isEmpty())
                continue;
            // A push button's hint has a least width of its own; what counts is the text.
            needed = qobject_cast<QPushButton*>(widget)
                         ? button->fontMetrics().horizontalAdvance(Shown(text)) + 12
                         : button->sizeHint().width();
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            text = group->title();
            needed = group->fontMetrics().horizontalAdvance(Shown(text)) + 16;
        } else {
            continue;
        }
        if (Shown(text).isEmpty())
            continue;
        if (needed > room)
            cut << QStringLiteral("%1/%2: \"%3\" needs %4 px, has %5")
                       .arg(where, widget->objectName(), Shown(text))
                       .arg(needed)
                       .arg(room);
        const QWidget* holder = widget->parentWidget();
        if (holder && widget->geometry().right() >= holder->width() + 1)
            cut << QStringLiteral("%1/%2: \"%3\" reaches %4 px past the edge")
                       .arg(where, widget->objectName(), Shown(text))
                       .arg(widget->geometry().right() + 1 - holder->width());
    }
    return cut;
}

bool FixedSize(const QWidget* window) {
    return window->minimumSize() == window->maximumSize();
}

// The main window and every dialog the program opens, in the language installed now.
class LanguageWalk : public MainWindowTest {
protected:
    void SetUp() override {
        ASSERT_EQ(Translations::Install(QLocale(QStringLiteral("de_DE"))), QStringLiteral("de"));
        MainWindowTest::SetUp();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        Translations::Install(QLocale::c());
    }

    void WalkEverything(Walk& walk) {
        window->mnuNewLabel->trigger();
        walk.Window(window.get());
        for (QMenu* menu : window->findChildren<QMenu*>())
            walk.Window(menu);

        std::vector<std::unique_ptr<QWidget>> windows = OpenDialogs();
        ASSERT_FALSE(windows.empty());
        // Pictures of the German windows for a person to look at, when QV_PICTURE_DIR names a
        // folder.
        const QString pictures = qEnvironmentVariable("QV_PICTURE_DIR");
        for (const auto& dialog : windows) {
            walk.Window(dialog.get());
            if (!pictures.isEmpty())
                dialog->grab().save(QDir(pictures).filePath(
                    QStringLiteral("de-%1.png")
                        .arg(QString::fromLatin1(dialog->metaObject()->className()))));
        }
        walk.Window(&THelpWindow::Instance());
    }

    // Every dialog the program opens, made afresh in the language installed now.
    std::vector<std::unique_ptr<QWidget>> OpenDialogs() {
        std::vector<std::unique_ptr<QWidget>> windows;
        LabelTable& table = *window->Records().Table();
        QString failure;
        templates = TemplateTable::Open(dir.path(), failure);
        EXPECT_NE(templates, nullptr) << failure.toStdString();
        if (!templates)
            return windows;
        windows.emplace_back(new TSelectLabel(table));
        windows.emplace_back(new TSelectTemplate(*templates));
        windows.emplace_back(new TTemplateEdit);
        windows.emplace_back(new TGetCounter);
        windows.emplace_back(new TGetSymbol);
        windows.emplace_back(new TSymbologyChooser);
        windows.emplace_back(new TImageBrowse);
        windows.emplace_back(new TSetRotate);
        windows.emplace_back(new TFontDialog);
        auto* entry = new TInputQueryForm;
        entry->SetPrompt(QStringLiteral("Beschreibung:"));
        windows.emplace_back(entry);
        windows.emplace_back(new TTextDialog);
        windows.emplace_back(new TMergeSourceDialog);
        windows.emplace_back(new TDatabaseSourceDialog(MergeSourceAddress(), nullptr));
        windows.emplace_back(new TPrinterAlignment(QStringLiteral("PDF")));
        windows.emplace_back(new TSelectLabelsToPrint(positions, 3, 10));
        windows.emplace_back(new TPreviewForm);
        windows.emplace_back(new TPrinterSetup(printer));
        windows.emplace_back(new TPrintOptionsTab(PrintOptions{}));
        windows.emplace_back(new TLabelPrint(job, false));
        windows.emplace_back(new TRecoveryQuestion(QStringLiteral("?")));
        windows.emplace_back(new TSplashForm);
        return windows;
    }

    std::unique_ptr<TemplateTable> templates;
    ChosenPositions positions;
    const QPrinter printer;
    const SheetJob job;
};

} // namespace

TEST_F(LanguageWalk, GermanLeavesNoEnglishTextInAnyWindowDialogOrMenu) {
    Walk walk(ReadEnglishTexts());
    WalkEverything(walk);
    EXPECT_GT(walk.texts, 400) << "the walk found the windows' texts";
    EXPECT_TRUE(walk.english.isEmpty()) << walk.english.size() << " English texts left:\n"
                                        << walk.english.join(QLatin1Char('\n')).toStdString();
}

TEST_F(LanguageWalk, EveryControlHasANameAScreenReaderSays) {
    Walk walk(EnglishTexts{});
    WalkEverything(walk);
    EXPECT_GT(walk.controls, 150) << "the walk found the controls";
    EXPECT_TRUE(walk.unnamed.isEmpty()) << walk.unnamed.size() << " controls without a name:\n"
                                        << walk.unnamed.join(QLatin1Char('\n')).toStdString();
}

// In German every entry of a menu, and every menu of the menu bar, has an access key of its
// own, so that Alt and a letter always reach one entry.
TEST_F(LanguageWalk, GermanAccessKeysAreUniqueWithinEachMenu) {
    window->mnuNewLabel->trigger();
    QList<QWidget*> menus;
    for (QMenu* menu : window->findChildren<QMenu*>())
        menus << menu;
    menus << window->menuBar();
    QStringList clashes;
    int keys = 0;
    for (QWidget* menu : menus) {
        QMap<QChar, QString> taken;
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            const QString text = QString(action->text()).replace(QStringLiteral("&&"), QString());
            const qsizetype mark = text.indexOf(QLatin1Char('&'));
            if (mark < 0 || mark + 1 >= text.size())
                continue;
            ++keys;
            const QChar key = text.at(mark + 1).toLower();
            if (taken.contains(key))
                clashes << menu->objectName() + QStringLiteral(": ") + taken[key] +
                               QStringLiteral(" / ") + text;
            taken.insert(key, text);
        }
    }
    EXPECT_GT(keys, 50);
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(QLatin1Char('\n')).toStdString();
}

// German captions are longer than English ones: in every dialog of a fixed size each
// label, button, check box and group box still shows its whole text.
TEST_F(LanguageWalk, GermanTextsFitInTheDialogsOfAFixedSize) {
    std::vector<std::unique_ptr<QWidget>> windows = OpenDialogs();
    QStringList cut, fixed;
    for (const auto& dialog : windows) {
        if (!FixedSize(dialog.get()))
            continue;
        fixed << QString::fromLatin1(dialog->metaObject()->className());
        dialog->show(); // lays it out as the person sees it
        QCoreApplication::processEvents();
        cut << CutTexts(dialog.get());
        dialog->hide();
    }
    EXPECT_GE(fixed.size(), 11) << "the dialogs of a fixed size were found: "
                                << fixed.join(QStringLiteral(", ")).toStdString();
    EXPECT_TRUE(cut.isEmpty()) << cut.size() << " texts cut off:\n"
                               << cut.join(QLatin1Char('\n')).toStdString();
}
