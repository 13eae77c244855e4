#include "designer/Prompter.h"

#include "controls/ColorValue.h"
#include "designer/THelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPalette>
#include <QPointer>
#include <QScreen>

#include <utility>

#include "designer/SpinEdit.h"
#include "designer/TFontDialog.h"
#include "designer/TGetCounter.h"
#include "designer/TGetSymbol.h"
#include "designer/TImageBrowse.h"
#include "designer/TInputQueryForm.h"
#include "designer/TSetRotate.h"

#include <QColorDialog>

namespace {
Prompter* g_current = nullptr;
QPointer<QWidget> g_mainWindow;
QString g_imageFolder;     // the image browser reopens where it was left
QString g_nextImageFolder; // for the next opening only
std::function<QString()> g_loadImageFolder;
std::function<void(const QString&)> g_saveImageFolder;

QString ImageBrowserStart() {
    QString folder = std::exchange(g_nextImageFolder, QString());
    if (!folder.isEmpty() && QDir(folder).exists())
        return folder;
    if (g_imageFolder.isEmpty() && g_loadImageFolder)
        g_imageFolder = g_loadImageFolder();
    if (!g_imageFolder.isEmpty() && QDir(g_imageFolder).exists())
        return g_imageFolder;
    return {};
}

Prompter& RealPrompter() {
    static Prompter real;
    return real;
}

// The parent for a modal box: the window that is modal now, else the main window.
QWidget* BoxParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return Prompter::MainWindow();
}

bool AskQuestion(const QString& message, const QString& caption,
                 QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::Question, caption, message, QMessageBox::Yes | QMessageBox::No,
                    BoxParent());
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

void Prompter::OpenNextImageBrowserAt(const QString& folder) {
    g_nextImageFolder = folder;
}

void Prompter::SetImageFolderStore(std::function<QString()> load,
                                   std::function<void(const QString&)> save) {
    g_loadImageFolder = std::move(load);
    g_saveImageFolder = std::move(save);
    g_imageFolder.clear();
}

QWidget* Prompter::MainWindow() {
    if (g_mainWindow)
        return g_mainWindow;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(widget))
            return widget;
    return nullptr;
}

void Prompter::ShowInformation(const QString& message) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), message,
                    QMessageBox::Ok, BoxParent());
    box.exec();
}

bool Prompter::AskYesNo(const QString& message, const QString& caption) {
    return AskQuestion(message, caption, QMessageBox::Yes);
}

bool Prompter::AskYesNoDefaultNo(const QString& message, const QString& caption) {
    return AskQuestion(message, caption, QMessageBox::No);
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
    QString shown = message;
    if (!shown.isEmpty() && !QStringLiteral(".!?").contains(shown.back()))
        shown += QLatin1Char('.');
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), shown, QMessageBox::Ok,
                    BoxParent());
    box.exec();
}

void Prompter::ShowHelpTopic(int topic) {
    THelpWindow::Instance().ShowTopic(topic);
}

QString Prompter::GetSaveFileName(const QString& caption, const QString& suggested,
                                  const QString& filter) {
    return QFileDialog::getSaveFileName(BoxParent(), caption, suggested, filter);
}

int Prompter::RunDialog(QDialog& dialog) {
    CentreOnMainWindow(&dialog);
    return dialog.exec();
}

bool Prompter::AskNewCounter(int& startingNumber, int& repeatCount) {
    startingNumber = 1;
    repeatCount = 1;
    return RunCounterDialog(startingNumber, repeatCount, true);
}

bool Prompter::AskCounterValues(int& startingNumber, int& repeatCount) {
    return RunCounterDialog(startingNumber, repeatCount, false);
}

bool Prompter::RunCounterDialog(int& startingNumber, int& repeatCount, bool newCounter) {
    TGetCounter dialog(BoxParent());
    if (newCounter)
        dialog.move(TGetCounter::DesignedLeft, TGetCounter::DesignedTop);
    else
        CentreOnMainWindow(&dialog);
    dialog.StartingNumber->SetValue(startingNumber);
    dialog.RepeatFor->SetValue(repeatCount);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    startingNumber = dialog.StartingNumber->Value();
    repeatCount = dialog.RepeatFor->Value();
    return true;
}

bool Prompter::AskSymbol(int& characterCode, qint32& colour) {
    TGetSymbol dialog(BoxParent());
    CentreOnMainWindow(&dialog);
    const QColor given = ColourFromValue(colour);
    dialog.SetFontColor(given);
    dialog.SelectCode(characterCode);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    characterCode = dialog.SelectedCode();
    // A colour left as it was keeps its stored value (system colours included).
    if (dialog.FontColor() != given)
        colour = ValueFromColour(dialog.FontColor());
    return true;
}

bool Prompter::AskRotation(int& angle, const std::function<void(int)>& turn) {
    TSetRotate dialog(BoxParent());
    CentreOnMainWindow(&dialog);
    dialog.SetTarget(turn);
    // Setting the box runs the change step even when it already shows the value.
    dialog.AngleSpin->SetValue(angle);
    dialog.AngleSpinChange();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    angle = dialog.AngleSpin->Value();
    return true;
}

QString Prompter::GetImageFile() {
    TImageBrowse dialog(BoxParent());
    CentreOnMainWindow(&dialog);
    const QString start = ImageBrowserStart();
    if (!start.isEmpty())
        dialog.SetDirectory(start);
    const bool ok = dialog.exec() == QDialog::Accepted;
    if (dialog.Directory() != g_imageFolder) {
        g_imageFolder = dialog.Directory();
        if (g_saveImageFolder)
            g_saveImageFolder(g_imageFolder);
    }
    if (!ok)
        return {};
    const QString file = dialog.SelectedFile();
    return TImageBrowse::HasPictureExtension(file) ? file : QString();
}

bool Prompter::AskFont(FontChoice& font) {
    TFontDialog dialog(BoxParent());
    CentreOnMainWindow(&dialog);
    dialog.SetChoice(font);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.Choice();
    return true;
}

bool Prompter::AskColour(qint32& colour) {
    QColorDialog dialog(ColourFromValue(colour), BoxParent());
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    CentreOnMainWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    colour = ValueFromColour(dialog.currentColor());
    return true;
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

QColor ColourFromValue(qint32 value) {
    return ColorValueToQColor(value);
}

qint32 ValueFromColour(const QColor& colour) {
    return QColorToColorValue(colour);
}

void ShowInformation(const QString& message) {
    Prompter::Current().ShowInformation(message);
}
bool AskYesNo(const QString& message, const QString& caption) {
    return Prompter::Current().AskYesNo(message, caption);
}
bool AskYesNoDefaultNo(const QString& message, const QString& caption) {
    return Prompter::Current().AskYesNoDefaultNo(message, caption);
}
bool EnterText(const QString& title, const QString& prompt, QString& text) {
    return Prompter::Current().EnterText(title, prompt, text);
}
void ShowRuntimeError(const QString& message) {
    Prompter::Current().ShowRuntimeError(message);
}
void ShowHelpTopic(int topic) {
    Prompter::Current().ShowHelpTopic(topic);
}
bool AskNewCounter(int& startingNumber, int& repeatCount) {
    return Prompter::Current().AskNewCounter(startingNumber, repeatCount);
}
bool AskCounterValues(int& startingNumber, int& repeatCount) {
    return Prompter::Current().AskCounterValues(startingNumber, repeatCount);
}
bool AskSymbol(int& characterCode, qint32& colour) {
    return Prompter::Current().AskSymbol(characterCode, colour);
}
bool AskRotation(int& angle, const std::function<void(int)>& turn) {
    return Prompter::Current().AskRotation(angle, turn);
}
QString GetImageFile() {
    return Prompter::Current().GetImageFile();
}
bool AskFont(FontChoice& font) {
    return Prompter::Current().AskFont(font);
}
bool AskColour(qint32& colour) {
    return Prompter::Current().AskColour(colour);
}

QString GetSaveFileName(const QString& caption, const QString& suggested, const QString& filter) {
    return Prompter::Current().GetSaveFileName(caption, suggested, filter);
}
