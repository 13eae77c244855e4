#include "templates/TTemplateEdit.h"
#include "support/ScriptedPrompter.h"
#include "templates/NumericEntry.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

SheetGeometry Avery5160() {
    return {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "RR"};
}

class TemplateEditTest : public ::testing::Test {
protected:
    TemplateEditTest() {
        dialog.SetDescription("Avery 5160");
        dialog.SetGeometry(Avery5160());
    }

    void Open() {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    // Types into an entry as a person would and leaves it.
    static void Type(QLineEdit* entry, const QString& text) {
        entry->selectAll();
        QTest::keyClicks(entry, text);
        emit entry->editingFinished();
    }

    QStringList Messages() const { return prompter.Messages("Information"); }

    ScriptedPrompter prompter;
    TTemplateEdit dialog;
};

} // namespace

TEST_F(TemplateEditTest, CaptionsInitialSettingsAndTabOrder) {
    TTemplateEdit fresh;
    EXPECT_EQ(fresh.windowTitle(), "Add Label Definition");
    EXPECT_EQ(fresh.eUserDesc->text(), "[enter description]");
    EXPECT_EQ(fresh.Description(), "[enter description]");
    EXPECT_TRUE(fresh.Inchesbutton->isChecked());
    EXPECT_FALSE(fresh.MMButton->isChecked());
    EXPECT_EQ(fresh.Inchesbutton->text(), "In inches/1000's of an inch");
    EXPECT_EQ(fresh.MMButton->text(), "In Millimeters");
    EXPECT_EQ(fresh.OKButton->text(), "Save");
    EXPECT_TRUE(fresh.OKButton->isDefault());
    EXPECT_EQ(fresh.CancelButton->text(), "Cancel");
    EXPECT_EQ(fresh.HelpButton->text(), "Help");
    EXPECT_EQ(fresh.enbracross->minimum(), 1);
    EXPECT_EQ(fresh.enbracross->maximum(), 10);
    EXPECT_EQ(fresh.enbrdown->maximum(), 30);
    EXPECT_EQ(fresh.epapersize->count(), 14);
    // The paper's own size is asked only for a paper no name tells (disabled, so Tab passes).
    EXPECT_FALSE(fresh.esheetwidth->isEnabled());
    EXPECT_FALSE(fresh.esheetheight->isEnabled());
    EXPECT_EQ(fresh.eLabelShape->count(), 3);

    QStringList captions;
    for (QLabel* label : fresh.findChildren<QLabel*>())
        captions << label->text();
    for (const char* caption :
         {"Description", "Label Width", "Label Height", "Horizontal Pitch", "Vertical Pitch",
          "# across", "# down", "Left Margin", "Top Margin", "Paper size", "Label Shape"})
        EXPECT_TRUE(captions.contains(caption)) << caption;

    const QList<QWidget*> expected = {fresh.eUserDesc,   fresh.elblwidth,       fresh.elblHeight,
                                      fresh.eHorizPitch, fresh.eVertPitch,      fresh.enbracross,
                                      fresh.enbrdown,    fresh.eleftmarg,       fresh.etopmarg,
                                      fresh.epapersize,  fresh.Inchesbutton,    fresh.MMButton,
                                      fresh.HelpButton,  fresh.MouseHelpButton, fresh.CancelButton,
                                      fresh.eLabelShape, fresh.OKButton};
    // Walk the dialog with the Tab key as a person would.
    fresh.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fresh));
    fresh.activateWindow();
    fresh.eUserDesc->setFocus();
    QStringList walked, wanted;
    // Tab stops at the checked radio button of the unit pair only; the arrows move between them.
    for (QWidget* w : expected)
        if (w != fresh.MMButton)
            wanted << w->objectName();
    for (int i = 0; i < wanted.size(); ++i) {
        QWidget* w = QApplication::focusWidget();
        while (w && w->objectName().isEmpty())
            w = w->parentWidget(); // an inner line edit of a spin box
        walked << (w ? w->objectName() : QString("?"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(walked.join(' ').toStdString(), wanted.join(' ').toStdString());
    EXPECT_EQ(fresh.Inchesbutton->nextInFocusChain(), fresh.MMButton);
    EXPECT_EQ(fresh.MMButton->nextInFocusChain(), fresh.HelpButton);
}

TEST_F(TemplateEditTest, FirstActivationFillsTheControlsInInches) {
    SheetGeometry g = Avery5160();
    g.paperSize = "USER";
    g.labelShape = "RE";
    dialog.SetGeometry(g);
    Open();
    EXPECT_EQ(dialog.eUserDesc->text(), "Avery 5160");
    EXPECT_EQ(dialog.elblwidth->text(), "2.625");
    EXPECT_EQ(dialog.eleftmarg->text(), "0.188");
    EXPECT_DOUBLE_EQ(dialog.eleftmarg->Value(), 0.1875);
    EXPECT_EQ(dialog.enbracross->value(), 3);
    EXPECT_EQ(dialog.enbrdown->value(), 10);
    EXPECT_EQ(dialog.epapersize->currentText(), "Other (User Defined)");
    EXPECT_EQ(dialog.eLabelShape->currentText(), "Round");
    // Later activations leave what the user typed alone.
    dialog.eUserDesc->setText("changed");
    dialog.FormActivate();
    EXPECT_EQ(dialog.eUserDesc->text(), "changed");
}

TEST_F(TemplateEditTest, ARollTakesItsWidthAndPageLengthInEitherUnit) {
    SheetGeometry g{1.125f, 3.5f, 1, 1, 0.0625f, 0, 3.5f, 1.25f, "ROLL", "RR", 3.5f, 1.25f};
    dialog.SetGeometry(g);
    Open();
    EXPECT_EQ(dialog.epapersize->currentText(), "Roll (label printer)");
    EXPECT_TRUE(dialog.esheetwidth->isEnabled());
    EXPECT_EQ(dialog.SheetWidthLabel->text(), "Roll Width");
    EXPECT_EQ(dialog.SheetHeightLabel->text(), "Page Length");
    EXPECT_DOUBLE_EQ(dialog.esheetheight->Value(), 1.25);
    // Entered in millimetres, handed back in inches.
    dialog.MMButton->click();
    EXPECT_EQ(dialog.esheetwidth->text(), "89");
    Type(dialog.esheetheight, "38");
    dialog.OkButtonClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << Messages().join('\n').toStdString();
    EXPECT_NEAR(dialog.Geometry().sheetHeight, 38 / 25.4, 1e-5);
    EXPECT_NEAR(dialog.Geometry().sheetWidth, 3.5, 1e-5); // shown as 89, kept as 88.9 mm
}

TEST_F(TemplateEditTest, ASheetOfMoreLabelsThanTheUsualRangesKeepsItsCounts) {
    // A sheet of tiny labels, 12 across and 40 down, as the stock catalogue has some.
    dialog.SetGeometry({0.25f, 0.6f, 12, 40, 0.5f, 0.2f, 0.65f, 0.26f, "A4", "SR"});
    Open();
    EXPECT_EQ(dialog.enbracross->value(), 12);
    EXPECT_EQ(dialog.enbrdown->value(), 40);
    EXPECT_EQ(dialog.enbracross->maximum(), 12);
    dialog.OkButtonClick(); // refused for its small labels, never shortened
    EXPECT_EQ(dialog.enbracross->value(), 12);
    EXPECT_EQ(dialog.enbrdown->value(), 40);
}

TEST_F(TemplateEditTest, ANamedPaperKeepsNoSizeOfItsOwn) {
    SheetGeometry g{1, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1, "USER", "RR", 8.5f, 11};
    dialog.SetGeometry(g);
    Open();
    EXPECT_EQ(dialog.SheetWidthLabel->text(), "Paper Width");
    dialog.epapersize->setCurrentIndex(9); // Legal
    EXPECT_EQ(dialog.epapersize->currentText(), "Legal (8.5 x 14\")");
    EXPECT_FALSE(dialog.esheetwidth->isEnabled());
    dialog.OkButtonClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Geometry().paperSize, "LGL");
    EXPECT_EQ(dialog.Geometry().sheetWidth, 0);
    EXPECT_EQ(dialog.Geometry().sheetHeight, 0);
}

TEST_F(TemplateEditTest, UnknownCodesOpenAsLetterAndRoundedRectangle) {
    SheetGeometry g = Avery5160();
    g.paperSize = "B5";
    g.labelShape = "ZZ";
    dialog.SetGeometry(g);
    Open();
    EXPECT_EQ(dialog.epapersize->currentIndex(), 0);
    EXPECT_EQ(dialog.eLabelShape->currentIndex(), 0);
}

TEST_F(TemplateEditTest, MillimetresAndBackGiveTheSameValues) {
    SheetGeometry g = Avery5160();
    g.labelWidth = 4.0f;
    dialog.SetGeometry(g);
    Open();
    dialog.MMButton->click();
    EXPECT_EQ(dialog.elblwidth->text(), "102");
    EXPECT_EQ(dialog.elblwidth->Pattern(), "###");
    EXPECT_EQ(dialog.elblHeight->text(), "25");
    dialog.Inchesbutton->click();
    EXPECT_EQ(dialog.elblwidth->Pattern(), "##.##");
    EXPECT_EQ(dialog.elblwidth->text(), "4.00") << "a whole inch keeps its decimals";
    EXPECT_NEAR(dialog.elblwidth->Value(), 4.0, 1e-6);
    EXPECT_EQ(dialog.eleftmarg->text(), "0.19");
    EXPECT_NEAR(dialog.eleftmarg->Value(), 0.1875, 1e-6);
    // Clicking the unit already chosen changes nothing.
    dialog.Inchesbutton->click();
    EXPECT_NEAR(dialog.elblwidth->Value(), 4.0, 1e-6);
}

TEST_F(TemplateEditTest, LeavingWidthOrHeightRaisesTheirPitch) {
    Open();
    dialog.eHorizPitch->SetValue(2.5);
    Type(dialog.elblwidth, "3.00");
    EXPECT_DOUBLE_EQ(dialog.eHorizPitch->Value(), 3.0);
    Type(dialog.elblwidth, "2");
    EXPECT_DOUBLE_EQ(dialog.eHorizPitch->Value(), 3.0); // a larger pitch stays
    Type(dialog.elblHeight, "1.5");
    EXPECT_DOUBLE_EQ(dialog.eVertPitch->Value(), 1.5);
    // In millimetres the entries compare in millimetres.
    dialog.MMButton->click();
    Type(dialog.elblHeight, "50");
    EXPECT_DOUBLE_EQ(dialog.eVertPitch->Value(), 50);
}

TEST_F(TemplateEditTest, SaveHandsBackInchesWhicheverUnitIsOnScreen) {
    Open();
    dialog.MMButton->click();
    Type(dialog.elblwidth, "26");
    Type(dialog.elblHeight, "8");
    dialog.enbracross->setValue(1);
    dialog.enbrdown->setValue(1);
    dialog.epapersize->setCurrentIndex(2);
    dialog.eLabelShape->setCurrentIndex(2);
    dialog.eUserDesc->setText("Small");
    dialog.OKButton->click();
    EXPECT_TRUE(Messages().isEmpty()) << Messages().join('|').toStdString();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const SheetGeometry g = dialog.Geometry();
    EXPECT_NEAR(g.labelWidth, 26 / 25.4, 1e-6);
    EXPECT_NEAR(g.labelHeight, 8 / 25.4, 1e-6);
    EXPECT_NEAR(g.leftMargin, 0.1875, 1e-6);
    EXPECT_EQ(g.paperSize, "A4");
    EXPECT_EQ(g.labelShape, "SR");
    EXPECT_EQ(dialog.Description(), "Small");
}

TEST_F(TemplateEditTest, InvalidGeometryKeepsTheDialogOpenWithTheMessage) {
    Open();
    dialog.MMButton->click();
    Type(dialog.elblHeight, "7");
    dialog.OKButton->click();
    EXPECT_EQ(Messages(), QStringList({"Label Height must be at least .3 inches (or 7mm)"}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.elblHeight->text(), "7"); // the user's values stay

    Type(dialog.elblHeight, "8");
    dialog.eUserDesc->clear();
    dialog.OKButton->click();
    EXPECT_EQ(Messages(), QStringList({"Label Height must be at least .3 inches (or 7mm)",
                                       "You must provide a description"}));
    EXPECT_TRUE(dialog.isVisible());

    // Ten across at a 1 in pitch on Letter portrait: the last columns would never print.
    dialog.Inchesbutton->click();
    dialog.eUserDesc->setText("Ten across");
    Type(dialog.elblwidth, "1");
    Type(dialog.eHorizPitch, "1");
    dialog.enbracross->setValue(10);
    dialog.OKButton->click();
    ASSERT_EQ(Messages().size(), 3);
    EXPECT_TRUE(Messages().last().contains("width of Letter (8.5 x 11\") paper"));
    EXPECT_TRUE(dialog.isVisible());
    dialog.epapersize->setCurrentIndex(1); // Letter Landscape: 11 in wide, 8.5 in high
    dialog.enbrdown->setValue(8);
    dialog.OKButton->click();
    EXPECT_EQ(Messages().size(), 3) << Messages().last().toStdString();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(TemplateEditTest, EnterInAnEntrySavesWhatWasTyped) {
    Open();
    dialog.elblwidth->setFocus();
    dialog.elblwidth->selectAll();
    QTest::keyClicks(dialog.elblwidth, "2.76");
    QTest::keyClick(dialog.elblwidth, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(dialog.Geometry().labelWidth, 2.76f);
    EXPECT_FLOAT_EQ(dialog.Geometry().horizontalPitch, 2.76f); // the width's exit rule ran
}

TEST_F(TemplateEditTest, EscapeCancels) {
    Open();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(TemplateEditTest, CancelDiscardsWhatWasEntered) {
    Open();
    Type(dialog.elblwidth, "5");
    dialog.CancelButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.Geometry(), Avery5160());
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(TemplateEditTest, HelpAsksForItsTopic) {
    dialog.HelpButton->click();
    ASSERT_EQ(prompter.History().size(), 1u);
    EXPECT_EQ(prompter.History()[0].kind, "Help");
    EXPECT_EQ(prompter.History()[0].caption, "1011");
}

TEST(NumericEntry, AcceptsAPointUnderACommaLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        NumericEntry entry;
        entry.SetPattern("##.##");
        entry.show();
        entry.selectAll();
        QTest::keyClicks(&entry, "2.5");
        EXPECT_EQ(entry.text(), "2.5");
        EXPECT_DOUBLE_EQ(entry.Value(), 2.5);
        entry.selectAll();
        QTest::keyClicks(&entry, "3,25");
        EXPECT_DOUBLE_EQ(entry.Value(), 3.25);
        // Two decimals at most, two integer digits at most.
        entry.selectAll();
        QTest::keyClicks(&entry, "123.456");
        EXPECT_EQ(entry.text(), "12.45");
        // What is shown uses the German comma; the value is the number.
        entry.SetValue(2.625);
        EXPECT_EQ(entry.text(), "2,63");
        entry.selectAll();
        QTest::keyClicks(&entry, "1,5");
        QTest::keyClick(&entry, Qt::Key_Return);
        EXPECT_EQ(entry.text(), "1,50");
        EXPECT_DOUBLE_EQ(entry.Value(), 1.5);
    }
    QLocale::setDefault(previous);
}

// A template typed with German commas is stored in inches with "." as every stored number.
TEST(TemplateEditInGerman, CommasGiveTheSameTemplate) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        ScriptedPrompter prompter;
        TTemplateEdit dialog;
        dialog.SetDescription("Avery 5160");
        dialog.SetGeometry(Avery5160());
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_EQ(dialog.elblwidth->text(), "2,625") << "shown with the German comma";
        for (auto [entry, text] :
             {std::pair{dialog.elblwidth, "2,5"}, {dialog.elblHeight, "0,75"}}) {
            entry->selectAll();
            QTest::keyClicks(entry, QString::fromLatin1(text));
            emit entry->editingFinished();
        }
        EXPECT_EQ(dialog.elblwidth->text(), "2,500");
        dialog.OKButton->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted)
            << prompter.Messages("Information").join('|').toStdString();
        const SheetGeometry g = dialog.Geometry();
        EXPECT_FLOAT_EQ(g.labelWidth, 2.5f);
        EXPECT_FLOAT_EQ(g.labelHeight, 0.75f);
    }
    QLocale::setDefault(previous);
}

TEST_F(TemplateEditTest, RendersInBothUnits) {
    Open();
    const QString out = qEnvironmentVariable("QV_SCREENSHOT_DIR");
    const QImage inches = dialog.grab().toImage();
    dialog.MMButton->click();
    const QImage millimetres = dialog.grab().toImage();
    EXPECT_FALSE(inches.isNull());
    EXPECT_NE(inches, millimetres); // the entries changed on screen
    if (!out.isEmpty()) {
        inches.save(QDir(out).filePath("template-edit-inches.png"));
        millimetres.save(QDir(out).filePath("template-edit-mm.png"));
    }
}
