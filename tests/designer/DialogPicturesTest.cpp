#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "designer/SpinEdit.h"
#include "designer/TGetCounter.h"
#include "designer/TGetSymbol.h"
#include "designer/TImageBrowse.h"
#include "designer/TSetRotate.h"
#include "designer/TSymbologyChooser.h"
#include "ui/Prompter.h"
#include "ui/TInputQueryForm.h"

// Each dialog renders at its client size with its controls inside it. When QV_PICTURE_DIR is
// set the pictures are also written there, to be looked at.
namespace {
void CheckPicture(QWidget& dialog, QSize clientSize, const char* name) {
    dialog.show();
    const QImage image = dialog.grab().toImage();
    EXPECT_EQ(image.size(), clientSize) << name;
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            EXPECT_TRUE(QRect(QPoint(0, 0), clientSize).contains(child->geometry()))
                << name << ": " << child->objectName().toStdString();
        }
    }
    const QString folder = qEnvironmentVariable("QV_PICTURE_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        image.save(QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
    }
}
} // namespace

TEST(DialogPictures, EveryDialogFitsItsClientArea) {
    TInputQueryForm text;
    text.setWindowTitle(QStringLiteral("Text"));
    text.SetPrompt(QStringLiteral("Enter text"));
    text.SetText(QStringLiteral("Text"));
    CheckPicture(text, {307, 111}, "TInputQueryForm");

    TGetCounter counter;
    CheckPicture(counter, {370, 149}, "TGetCounter");

    TGetSymbol symbol;
    symbol.SelectCode(74);
    CheckPicture(symbol, {432, 264}, "TGetSymbol");
    symbol.SetFontColor(Qt::white);
    CheckPicture(symbol, {432, 264}, "TGetSymbol_white");

    TSetRotate rotate;
    rotate.AngleSpin->SetValue(135);
    CheckPicture(rotate, {317, 185}, "TSetRotate");

    QTemporaryDir dir;
    QImage picture(180, 120, QImage::Format_RGB32);
    picture.fill(QColor(30, 120, 200));
    picture.save(dir.filePath(QStringLiteral("Logo.BMP")), "BMP");
    QDir(dir.path()).mkdir(QStringLiteral("Pictures"));
    TImageBrowse browse;
    browse.SetDirectory(dir.path());
    browse.SelectFile(QStringLiteral("Logo.BMP"));
    CheckPicture(browse, {560, 400}, "TImageBrowse");

    TSymbologyChooser symbologies;
    symbologies.SearchEdit->setText(QStringLiteral("code"));
    symbologies.SetChoice(QStringLiteral("CODE93"));
    CheckPicture(symbologies, {380, 460}, "TSymbologyChooser");
}
