#include "ui/Prompter.h"

#include "ui/THelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QtDebug>

#include "ui/TInputQueryForm.h"

namespace {
Prompter* g_current = nullptr;
QPointer<QWidget> g_mainWindow;

Prompter& RealPrompter() {
    static Prompter real;
    return real;
}

QWidget* BoxParent() {
    return Prompter::DialogParent();
}

bool AskQuestion(const QString& message, const QString& caption,
                 QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::Question, caption, Prompter::ShownText(message),
                    QMessageBox::Yes | QMessageBox::No, BoxParent());
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

Prompter& Prompter::Current() {
    return g_current ? *g_current : RealPrompter();
}

Prompter* Prompter::Install(Prompter* prompter) {
    Prompter* previous = g_current;
    g_current = prompter;
    return previous;
}

void Prompter::SetMainWindow(QWidget* window) {
    g_mainWindow = window;
}

QWidget* Prompter::MainWindow() {
    if (g_mainWindow)
        return g_mainWindow;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(widget))
            return widget;
    return nullptr;
}

QWidget* Prompter::DialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return MainWindow();
}

void Prompter::ShowInformation(const QString& message) {
    QMessageBox box(QMessageBox::Information,
                    QCoreApplication::translate("Prompter", "Information"), ShownText(message),
                    QMessageBox::Ok, BoxParent());
    box.exec();
}

bool Prompter::AskYesNo(const QString& message, const QString& caption) {
    return AskQuestion(message, caption, QMessageBox::Yes);
}

bool Prompter::AskYesNoDefaultNo(const QString& message, const QString& caption) {
    return AskQuestion(message, caption, QMessageBox::No);
}

SaveChoice Prompter::AskSaveChanges(const QString& description) {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                    ShownText(SaveChangesQuestion(description)),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, BoxParent());
    box.setObjectName(QStringLiteral("SaveChangesBox"));
    box.setInformativeText(
        QCoreApplication::translate("Prompter", "Your changes are lost if you don't save them."));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

bool Prompter::EnterText(const QString& title, const QString& prompt, QString& text) {
    TInputQueryForm form(BoxParent());
    CentreOnMainWindow(&form);
    form.setWindowTitle(title);
    form.SetPrompt(prompt);
    form.SetText(text);
    if (form.exec() != QDialog::Accepted)
        return false;
    text = form.Text();
    return true;
}

void Prompter::ShowRuntimeError(const QString& message) {
    // The standard error box ends the message with a full stop, as runtime errors always were.
    QString shown = ShownText(message);
    if (!shown.isEmpty() && !QStringLiteral(".!?").contains(shown.back()))
        shown += QLatin1Char('.');
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), shown, QMessageBox::Ok,
                    BoxParent());
    box.exec();
}

void Prompter::ShowHelpTopic(int topic) {
    THelpWindow::Instance().ShowTopic(topic);
}

void Prompter::ShowHelpSection(const QString& anchor) {
    THelpWindow::Instance().ShowSection(anchor);
}

void Prompter::ShowStatus(const QString& message) {
    constexpr int kShownMs = 15000;
    if (auto* window = qobject_cast<QMainWindow*>(MainWindow()))
        window->statusBar()->showMessage(message, kShownMs);
}

QString Prompter::GetSaveFileName(const QString& caption, const QString& suggested,
                                  const QString& filter) {
    return QFileDialog::getSaveFileName(BoxParent(), caption, suggested, filter);
}

int Prompter::RunDialog(QDialog& dialog) {
    CentreOnMainWindow(&dialog);
    return dialog.exec();
}

QPoint CentredOver(const QRect& mainWindowFrame, const QSize& dialogFrameSize) {
    // Integer division truncates toward zero, also for a dialog larger than the window.
    return {mainWindowFrame.left() + (mainWindowFrame.width() - dialogFrameSize.width()) / 2,
            mainWindowFrame.top() + (mainWindowFrame.height() - dialogFrameSize.height()) / 2};
}

void CentreOnMainWindow(QWidget* dialog) {
    QWidget* main = Prompter::MainWindow();
    if (!dialog || !main)
        return;
    // Before its first showing a dialog has not taken its laid-out size yet; showing would
    // give it that size after the move, so it is taken here first.
    if (!dialog->isVisible() && !dialog->testAttribute(Qt::WA_Resized)) {
        dialog->ensurePolished();
        dialog->adjustSize();
    }
    // The dialog's frame is not known before it is shown: the main window's stands in.
    const QSize frame = main->frameGeometry().size() - main->size();
    const QSize outer = dialog->size() + (dialog->isVisible() ? QSize() : frame);
    QPoint place = CentredOver(main->frameGeometry(), outer);
    if (const QScreen* screen = main->screen()) {
        const QRect area = screen->availableGeometry();
        place.setX(qMax(area.left(), qMin(place.x(), area.right() + 1 - outer.width())));
        place.setY(qMax(area.top(), qMin(place.y(), area.bottom() + 1 - outer.height())));
    }
    dialog->move(place);
}

QString Prompter::ShownText(const QString& message) {
    // A quoted path may hold blanks: it goes whole. Elsewhere a path ends at a blank, so
    // only its folders up to the first blank go; a URL's "//" is left alone.
    static const QRegularExpression quoted(QStringLiteral("\"(/[^\"]*/)([^/\"]*)\""));
    static const QRegularExpression bare(QStringLiteral("(?<![\\w.:/~])/(?:[^/\\s\"']+/)+"));
    QString shown = message;
    shown.replace(quoted, QStringLiteral("\"\\2\""));
    shown.replace(bare, QString());
    if (shown != message)
        qWarning().noquote() << message;
    return shown;
}

void ShowInformation(const QString& message) {
    Prompter::Current().ShowInformation(Prompter::ShownText(message));
}
bool AskYesNo(const QString& message, const QString& caption) {
    return Prompter::Current().AskYesNo(Prompter::ShownText(message), caption);
}
bool AskYesNoDefaultNo(const QString& message, const QString& caption) {
    return Prompter::Current().AskYesNoDefaultNo(Prompter::ShownText(message), caption);
}
bool EnterText(const QString& title, const QString& prompt, QString& text) {
    return Prompter::Current().EnterText(title, prompt, text);
}
void ShowRuntimeError(const QString& message) {
    Prompter::Current().ShowRuntimeError(Prompter::ShownText(message));
}
void ShowHelpTopic(int topic) {
    Prompter::Current().ShowHelpTopic(topic);
}
void ShowHelpSection(const QString& anchor) {
    Prompter::Current().ShowHelpSection(anchor);
}
SaveChoice AskSaveChanges(const QString& description) {
    return Prompter::Current().AskSaveChanges(description);
}

QString SaveChangesQuestion(const QString& description) {
    return QCoreApplication::translate("Prompter", "Save changes to \"%1\"?")
        .arg(description.trimmed());
}

void ShowStatus(const QString& message) {
    Prompter::Current().ShowStatus(Prompter::ShownText(message));
}
QString GetSaveFileName(const QString& caption, const QString& suggested, const QString& filter) {
    return Prompter::Current().GetSaveFileName(caption, suggested, filter);
}
