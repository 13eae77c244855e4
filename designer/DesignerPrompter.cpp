#include "designer/DesignerPrompter.h"

#include "controls/ColorValue.h"

#include <QColorDialog>

#include "designer/SpinEdit.h"
#include "designer/TFontDialog.h"
#include "designer/TGetCounter.h"
#include "designer/TGetSymbol.h"
#include "designer/TImageBrowse.h"
#include "designer/TSetRotate.h"

namespace {
QString g_imageFolder; // the image browser reopens where it was left
} // namespace

DesignerPrompter& DesignerPrompter::Current() {
    static DesignerPrompter real;
    auto* installed = dynamic_cast<DesignerPrompter*>(&Prompter::Current());
    return installed ? *installed : real;
}

void DesignerPrompter::ShowInformation(const QString& message) {
    Prompter::ShowInformation(message);
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
    if (!g_imageFolder.isEmpty())
        dialog.SetDirectory(g_imageFolder);
    const bool ok = dialog.exec() == QDialog::Accepted;
    g_imageFolder = dialog.Directory();
    if (!ok)
        return {};
    const QString file = dialog.SelectedFile();
    return TImageBrowse::HasPictureExtension(file) ? file : QString();
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
