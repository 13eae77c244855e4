#include "designer/DesignerPrompter.h"

#include "document/ColorValue.h"

#include <QColorDialog>
#include <QDir>

#include <utility>

#include "designer/SpinEdit.h"
#include "designer/TFontDialog.h"
#include "designer/TGetCounter.h"
#include "designer/TGetSymbol.h"
#include "designer/TImageBrowse.h"
#include "designer/TSetRotate.h"
#include "designer/TSymbologyChooser.h"
#include "designer/TTextDialog.h"

namespace {
QString g_imageFolder;     // the image browser reopens where it was left
QString g_nextImageFolder; // for the next opening only
std::function<QString()> g_loadImageFolder;
std::function<void(const QString&)> g_saveImageFolder;
std::function<QStringList()> g_mergeFieldNames;

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
} // namespace

DesignerPrompter& DesignerPrompter::Current() {
    static DesignerPrompter real;
    auto* installed = dynamic_cast<DesignerPrompter*>(&Prompter::Current());
    return installed ? *installed : real;
}

void DesignerPrompter::OpenNextImageBrowserAt(const QString& folder) {
    g_nextImageFolder = folder;
}

void DesignerPrompter::SetImageFolderStore(std::function<QString()> load,
                                           std::function<void(const QString&)> save) {
    g_loadImageFolder = std::move(load);
    g_saveImageFolder = std::move(save);
    g_imageFolder.clear();
}

void DesignerPrompter::SetMergeFieldSource(std::function<QStringList()> names) {
    g_mergeFieldNames = std::move(names);
}

QStringList DesignerPrompter::MergeFieldNames() {
    return g_mergeFieldNames ? g_mergeFieldNames() : QStringList();
}

bool DesignerPrompter::AskTextItem(QString& text, TextBoxOptions& options) {
    TTextDialog dialog(DialogParent());
    dialog.SetText(text);
    dialog.SetOptions(options);
    dialog.SetMergeFields(MergeFieldNames());
    if (RunDialog(dialog) != QDialog::Accepted)
        return false;
    text = dialog.Text();
    options = dialog.Options();
    return true;
}

bool DesignerPrompter::AskNewCounter(int& startingNumber, int& repeatCount) {
    startingNumber = 1;
    repeatCount = 1;
    return RunCounterDialog(startingNumber, repeatCount, true);
}

bool DesignerPrompter::AskCounterValues(int& startingNumber, int& repeatCount) {
    return RunCounterDialog(startingNumber, repeatCount, false);
}

bool DesignerPrompter::RunCounterDialog(int& startingNumber, int& repeatCount, bool newCounter) {
    TGetCounter dialog(DialogParent());
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

bool DesignerPrompter::AskSymbol(int& characterCode, qint32& colour) {
    TGetSymbol dialog(DialogParent());
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

bool DesignerPrompter::AskRotation(int& angle, const std::function<void(int)>& turn) {
    TSetRotate dialog(DialogParent());
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

QString DesignerPrompter::GetImageFile() {
    TImageBrowse dialog(DialogParent());
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

bool DesignerPrompter::AskSymbology(QString& name) {
    TSymbologyChooser dialog(DialogParent());
    CentreOnMainWindow(&dialog);
    dialog.SetChoice(name);
    if (dialog.exec() != QDialog::Accepted || dialog.Choice().isEmpty())
        return false;
    name = dialog.Choice();
    return true;
}

bool DesignerPrompter::AskFont(FontChoice& font) {
    TFontDialog dialog(DialogParent());
    CentreOnMainWindow(&dialog);
    dialog.SetChoice(font);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.Choice();
    return true;
}

bool DesignerPrompter::AskColour(qint32& colour) {
    QColorDialog dialog(ColourFromValue(colour), DialogParent());
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    CentreOnMainWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    colour = ValueFromColour(dialog.currentColor());
    return true;
}

QColor ColourFromValue(qint32 value) {
    return ColorValueToQColor(value);
}

qint32 ValueFromColour(const QColor& colour) {
    return QColorToColorValue(colour);
}

bool AskTextItem(QString& text, TextBoxOptions& options) {
    return DesignerPrompter::Current().AskTextItem(text, options);
}
bool AskNewCounter(int& startingNumber, int& repeatCount) {
    return DesignerPrompter::Current().AskNewCounter(startingNumber, repeatCount);
}
bool AskCounterValues(int& startingNumber, int& repeatCount) {
    return DesignerPrompter::Current().AskCounterValues(startingNumber, repeatCount);
}
bool AskSymbol(int& characterCode, qint32& colour) {
    return DesignerPrompter::Current().AskSymbol(characterCode, colour);
}
bool AskRotation(int& angle, const std::function<void(int)>& turn) {
    return DesignerPrompter::Current().AskRotation(angle, turn);
}
QString GetImageFile() {
    return DesignerPrompter::Current().GetImageFile();
}
bool AskFont(FontChoice& font) {
    return DesignerPrompter::Current().AskFont(font);
}
bool AskColour(qint32& colour) {
    return DesignerPrompter::Current().AskColour(colour);
}
