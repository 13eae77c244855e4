#include "designer/TFontDialog.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

TEST(FontDialog, ListsOnlyScalableFontsAndGivesBackTheChoice) {
    TFontDialog dialog;
    ASSERT_GT(dialog.FontList->count(), 0);
    for (int i = 0; i < dialog.FontList->count(); ++i)
        EXPECT_TRUE(QFontDatabase::isScalable(dialog.FontList->item(i)->text()));
    const QString family = dialog.FontList->item(0)->text();

    FontChoice choice;
    choice.name = family.toLower(); // any case names the listed font
    choice.size = 13;               // not in the size list: any size will do
    choice.bold = true;
    choice.italic = true;
    choice.underline = true;
    choice.strikeOut = true;
    choice.colour = 0x123456; // not one of the sixteen
    dialog.SetChoice(choice);
    EXPECT_EQ(dialog.StyleName->text(), QStringLiteral("Bold Italic"));
    EXPECT_TRUE(dialog.Problem().isEmpty());
    const FontChoice back = dialog.Choice();
    EXPECT_EQ(back.name, family);
    EXPECT_EQ(back.size, 13);
    EXPECT_TRUE(back.bold);
    EXPECT_TRUE(back.italic);
    EXPECT_TRUE(back.underline);
    EXPECT_TRUE(back.strikeOut);
    EXPECT_EQ(back.colour, 0x123456);
    EXPECT_EQ(dialog.ColorBox->count(), 17);

    dialog.ColorBox->setCurrentIndex(9);
    dialog.StyleList->setCurrentRow(0);
    dialog.UnderlineBox->setChecked(false);
    EXPECT_EQ(dialog.Choice().colour, 0x0000FF); // red, red in the lowest byte
    EXPECT_FALSE(dialog.Choice().bold);
    EXPECT_FALSE(dialog.Choice().underline);

    dialog.grab().save(QDir::temp().filePath(QStringLiteral("quorvane-font-dialog.png")));
}

TEST(FontDialog, OkIsRefusedForAnUnknownNameOrABadSize) {
    ScriptedPrompter prompts;
    TFontDialog dialog;
    FontChoice choice;
    choice.name = dialog.FontList->item(0)->text();
    dialog.SetChoice(choice);
    dialog.FontName->setText(QStringLiteral("No Such Font Here"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ASSERT_EQ(prompts.Messages("Information").size(), 1);
    EXPECT_TRUE(prompts.Messages("Information")[0].startsWith("There is no font with that name."));

    dialog.FontName->setText(choice.name);
    dialog.SizeEdit->setText(QStringLiteral("big"));
    dialog.accept();
    EXPECT_EQ(prompts.Messages("Information").size(), 2);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    dialog.SizeEdit->setText(QStringLiteral("11"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
