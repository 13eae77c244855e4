#include "ui/THelpWindow.h"

#include "InstallLayout.h"
#include "translations/Translations.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
constexpr int KnownTopics[] = {1001, 1011, 1015, 1021, 1023, 1046, 1047, 1049, 2001};
constexpr int UsualWidth = 520;
// Narrower, the help's lines grow too short to read.
constexpr int NarrowestWidth = 320;
} // namespace

THelpWindow& THelpWindow::Instance() {
    // Guarded: the window may belong to a dialog that has since been freed.
    static QPointer<THelpWindow> window;
    if (!window)
        window = new THelpWindow;
    return *window;
}

THelpWindow::THelpWindow(QWidget* parent) : QDialog(parent) {
    Q_INIT_RESOURCE(help);
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Quorvane Help"));
    resize(UsualWidth, 480);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("HelpBrowser"));
    Browser->setAccessibleName(tr("Quorvane Help"));
    Browser->setOpenLinks(true);
    Browser->setSource(HelpSource());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
}

void THelpWindow::PlaceBeside(const QRect& dialog, const QSize& frame) {
    const QScreen* screen = this->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);
    // Not shown yet, the window has no frame: the dialog's stands in for it.
    resize(UsualWidth, height());
    QSize outer = size() + frame;
    const int right = area.right() - dialog.right();
    const int left = dialog.left() - area.left();
    // Where neither side takes the whole window, it narrows to the wider side, as far as it
    // stays readable; only a dialog filling the screen is covered.
    if (outer.width() > right && outer.width() > left &&
        qMax(right, left) >= NarrowestWidth + frame.width()) {
        resize(qMax(right, left) - frame.width(), height());
        outer = size() + frame;
    }
    QPoint place(dialog.right() + 1, dialog.top());
    if (outer.width() > right)
        place.setX(qMax(area.left(), dialog.left() - outer.width()));
    place.setY(qMax(area.top(), qMin(place.y(), area.bottom() + 1 - outer.height())));
    move(place);
}

QUrl THelpWindow::HelpSource() {
    // The help in the language of the program's texts, else the English one.
    const QString language = Translations::Language();
    QStringList names;
    if (!language.isEmpty())
        names << QStringLiteral("quorvane_%1.html").arg(language);
    names << QStringLiteral("quorvane.html");
    for (const QString& name : names) {
        const QString installed = InstallLayout::SharedFile(QStringLiteral("help/") + name);
        if (!installed.isEmpty())
            return QUrl::fromLocalFile(installed);
        if (QFile::exists(QStringLiteral(":/help/") + name))
            return QUrl(QStringLiteral("qrc:/help/") + name);
    }
    return QUrl(QStringLiteral("qrc:/help/quorvane.html"));
}

QString THelpWindow::AnchorFor(int topic) {
    for (int known : KnownTopics)
        if (known == topic)
            return QStringLiteral("topic-%1").arg(topic);
    return QStringLiteral("topic-1001");
}

void THelpWindow::ShowTopic(int topic) {
    ShowSection(AnchorFor(topic));
}

void THelpWindow::ShowSection(const QString& anchor) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == this)
        modal = nullptr;
    if (parentWidget() != modal) {
        // A window of the modal dialog is not blocked by it; free, help blocks nothing.
        setParent(modal, Qt::Window);
        if (modal)
            PlaceBeside(modal->frameGeometry(), modal->frameGeometry().size() - modal->size());
    }
    // Back at the help's own page first: a link followed to another page may have left it.
    if (Browser->source().adjusted(QUrl::RemoveFragment) != HelpSource())
        Browser->setSource(HelpSource());
    Browser->scrollToAnchor(anchor);
    show();
    raise();
    activateWindow();
}
