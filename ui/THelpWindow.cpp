#include "ui/THelpWindow.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
constexpr int KnownTopics[] = {1001, 1011, 1015, 1021, 1023, 1046, 1047, 1049, 2001};
}

THelpWindow& THelpWindow::Instance() {
    static THelpWindow* window = nullptr;
    if (!window)
        window = new THelpWindow;
    return *window;
}

THelpWindow::THelpWindow(QWidget* parent) : QDialog(parent) {
    Q_INIT_RESOURCE(help);
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Quorvane Help"));
    resize(520, 480);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("HelpBrowser"));
    Browser->setOpenLinks(true);
    Browser->setSource(QUrl(QStringLiteral("qrc:/help/quorvane.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
}

QString THelpWindow::AnchorFor(int topic) {
    for (int known : KnownTopics)
        if (known == topic)
            return QStringLiteral("topic-%1").arg(topic);
    return QStringLiteral("topic-1001");
}

void THelpWindow::ShowTopic(int topic) {
    Browser->scrollToAnchor(AnchorFor(topic));
    show();
    raise();
    activateWindow();
}
