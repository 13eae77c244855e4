#include "ui/HelpKey.h"

#include "ui/Prompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace {

struct Section {
    const char* name; // a class name, or the object name of a menu
    const char* anchor;
};

// The windows without a Help button of their own, and the menus, with the help section that
// describes them. Message boxes, file dialogs and text entries have none: they belong to
// the window below them.
constexpr Section Sections[] = {
    {"TMergeSourceDialog", "merge"},
    {"TDatabaseSourceDialog", "merge-database"},
    {"TPrinterAlignment", "alignment"},
    {"TPrinterSetup", "printer-setup"},
    {"QPrintDialog", "print"},
    {"QPageSetupDialog", "printer-setup"},
    {"TLabelPrint", "print-status"},
    {"TFontDialog", "font"},
    {"TSymbologyChooser", "barcodes"},
    {"TTextDialog", "text-dialog"},
    {"QColorDialog", "colours"},
    {"THelpWindow", "topic-1001"},
    {"TRecoveryQuestion", "recovery"},
    {"TSplashForm", "menu-help"},
    {"mnuFile", "menu-file"},
    {"mnuEdit", "clipboard"},
    {"mnuArrange", "arrange"},
    {"mnuLabel", "menu-label"},
    {"mnuGrid", "menu-grid"},
    {"mnuHelp", "menu-help"},
    {"PopupMenuText", "menu-text"},
    {"PopupMenuCounter", "menu-counter"},
    {"PopupMenuShape", "menu-shape"},
    {"PopupMenuRoundRect", "menu-shape"},
    {"PopupMenuLine", "menu-line"},
    {"PopupMenuSymbol", "menu-symbol"},
    {"PopupMenuImage", "menu-image"},
    {"PopupMenuBarcode", "barcodes"},
};

QString Lookup(const QString& name) {
    for (const Section& section : Sections)
        if (name == QLatin1String(section.name))
            return QString::fromLatin1(section.anchor);
    return {};
}

// The window's own Help button (not one of a dialog it owns), when it can be pressed.
QAbstractButton* HelpButtonOf(QWidget* window) {
    const auto buttons =
        window->findChildren<QAbstractButton*>(QStringLiteral("HelpButton"));
    for (QAbstractButton* button : buttons)
        if (button->window() == window && button->isVisible() && button->isEnabled())
            return button;
    return nullptr;
}

} // namespace

void HelpKey::Install(QApplication& application) {
    static HelpKey* key = nullptr;
    if (key)
        return;
    key = new HelpKey(&application);
    application.installEventFilter(key);
}

QString HelpKey::SectionForClass(const QString& className) {
    return Lookup(className);
}

QStringList HelpKey::KnownSections() {
    QStringList anchors{QStringLiteral("topic-1001")};
    for (const Section& section : Sections)
        if (!anchors.contains(QLatin1String(section.anchor)))
            anchors.append(QString::fromLatin1(section.anchor));
    return anchors;
}

QString HelpKey::SectionFor(const QWidget* window) {
    if (!window)
        return {};
    if (const auto* menu = qobject_cast<const QMenu*>(window)) {
        // A submenu is described with the menu it opens from.
        for (const QWidget* shown = menu; shown; shown = shown->parentWidget()) {
            const QString section = Lookup(shown->objectName());
            if (!section.isEmpty())
                return section;
            if (!qobject_cast<const QMenu*>(shown))
                break;
        }
        return {};
    }
    for (const QMetaObject* kind = window->metaObject(); kind; kind = kind->superClass()) {
        const QString section = Lookup(QString::fromLatin1(kind->className()));
        if (!section.isEmpty())
            return section;
    }
    return {};
}

QWidget* HelpKey::WindowInFront() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return Prompter::MainWindow();
}

void HelpKey::OpenHelpFor(QWidget* window) {
    if (auto* menu = qobject_cast<QMenu*>(window)) {
        const QString section = SectionFor(menu);
        // The help cannot be read behind an open menu: every menu of the chain closes.
        for (QWidget* popup = QApplication::activePopupWidget(); popup;
             popup = QApplication::activePopupWidget())
            popup->close();
        ShowHelpSection(section.isEmpty() ? QStringLiteral("topic-1001") : section);
        return;
    }
    // A message box or file dialog stands for the window it was opened over.
    for (QWidget* shown = window; shown; shown = shown->parentWidget()) {
        shown = shown->window();
        if (QAbstractButton* button = HelpButtonOf(shown)) {
            button->click();
            return;
        }
        const QString section = SectionFor(shown);
        if (!section.isEmpty()) {
            ShowHelpSection(section);
            return;
        }
    }
    ShowHelpSection(QStringLiteral("topic-1001"));
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    // A key press reaches the window system's window first and then the widget: the widget's
    // turn alone counts, so that one press opens the help once.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (!key->isAutoRepeat())
        OpenHelpFor(WindowInFront());
    return true;
}
