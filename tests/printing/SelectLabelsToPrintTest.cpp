#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include "document/ChosenPositions.h"
#include "printing/TSelectLabelsToPrint.h"
#include "support/ScriptedPrompter.h"

namespace {

QStringList Entries(const TSelectLabelsToPrint& dialog) {
    QStringList texts;
    for (int i = 0; i < dialog.LabelsList->count(); ++i)
        texts << dialog.LabelsList->item(i)->text();
    return texts;
}

std::vector<int> Ticked(const TSelectLabelsToPrint& dialog) {
    std::vector<int> ticked;
    for (int i = 0; i < dialog.LabelsList->count(); ++i)
        if (dialog.LabelsList->item(i)->checkState() == Qt::Checked)
            ticked.push_back(i);
    return ticked;
}

} // namespace

TEST(SelectLabelsToPrint, OneEntryPerPositionRowByRowTickedFromTheSelection) {
    ChosenPositions selection;
    selection.SelectedPositions[4] = true;
    TSelectLabelsToPrint dialog(selection, 3, 2);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Specific Labels"));
    EXPECT_EQ(Entries(dialog),
              QStringList({"Row 1, Column 1", "Row 1, Column 2", "Row 1, Column 3",
                           "Row 2, Column 1", "Row 2, Column 2", "Row 2, Column 3"}));
    EXPECT_EQ(Ticked(dialog), std::vector<int>({4}));
    EXPECT_TRUE(dialog.Okbutton->isDefault());
}

TEST(SelectLabelsToPrint, OkStoresTheTicksAndSomeButNotAllClosesWithOk) {
    ChosenPositions selection;
    TSelectLabelsToPrint dialog(selection, 3, 2);
    dialog.LabelsList->item(3)->setCheckState(Qt::Checked);
    dialog.Okbutton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(selection.SelectedPositions[i], i == 3) << i;
}

TEST(SelectLabelsToPrint, NothingTickedSaysSoAndKeepsTheChoice) {
    ChosenPositions selection;
    selection.SelectedPositions[1] = true;
    ScriptedPrompter prompter;
    TSelectLabelsToPrint dialog(selection, 3, 2);
    dialog.show();
    dialog.Nonebutton->click();
    EXPECT_TRUE(Ticked(dialog).empty());
    dialog.Okbutton->click();
    EXPECT_EQ(prompter.Messages(QStringLiteral("Information")),
              QStringList({"No labels selected"}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(selection.SelectedPositions[1]);
}

TEST(SelectLabelsToPrint, EverythingTickedStoresAllButClosesWithCancel) {
    ChosenPositions selection;
    TSelectLabelsToPrint dialog(selection, 3, 2);
    dialog.show();
    dialog.Allbutton->click();
    EXPECT_EQ(Ticked(dialog).size(), 6u);
    dialog.Okbutton->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(selection.SelectedPositions[i]);
}

TEST(SelectLabelsToPrint, TheMenuCommandRestrictsPrintingOnlyOnOk) {
    ChosenPositions selection;
    {
        ScriptedPrompter prompter;
        prompter.Then(ScriptedPrompter::Answer::Dialog(true, [](QDialog& dialog) {
            auto& chooser = static_cast<TSelectLabelsToPrint&>(dialog);
            chooser.LabelsList->item(1)->setCheckState(Qt::Checked);
            chooser.Okbutton->click();
        }));
        TSelectLabelsToPrint::mnuSelectSpecificLabelsClick(selection, 3, 2);
        EXPECT_EQ(prompter.Unanswered(), 0u);
    }
    EXPECT_TRUE(selection.SpecificLabelsChosen);
    EXPECT_TRUE(selection.isSelected(1));
    {
        // Cancel changes nothing, and nothing the dialog does lifts the restriction.
        ScriptedPrompter prompter;
        prompter.Then(ScriptedPrompter::Answer::Dialog(false, [](QDialog& dialog) {
            auto& chooser = static_cast<TSelectLabelsToPrint&>(dialog);
            chooser.Allbutton->click();
            chooser.Okbutton->click(); // all ticked: closes with Cancel
        }));
        TSelectLabelsToPrint::mnuSelectSpecificLabelsClick(selection, 3, 2);
    }
    EXPECT_TRUE(selection.SpecificLabelsChosen);
}

TEST(SelectLabelsToPrint, TheLargestSheetListsThreeHundredPositionsWithinTheTable) {
    ChosenPositions selection;
    selection.SelectedPositions[299] = true;
    TSelectLabelsToPrint dialog(selection, 10, 30);
    ASSERT_EQ(dialog.LabelsList->count(), 300);
    EXPECT_EQ(dialog.LabelsList->item(299)->text(), QStringLiteral("Row 30, Column 10"));
    EXPECT_EQ(Ticked(dialog), std::vector<int>({299}));
    dialog.LabelsList->item(0)->setCheckState(Qt::Checked);
    dialog.Okbutton->click();
    EXPECT_TRUE(selection.SelectedPositions[0]);
    // A sheet larger than any template allows is cut to the table, never read past it.
    TSelectLabelsToPrint huge(selection, 20, 40);
    EXPECT_EQ(huge.LabelsList->count(), ChosenPositions::MaxPositions);
}

TEST(SelectLabelsToPrint, PictureOfTheChooserForAThreeByTenSheet) {
    ChosenPositions selection;
    selection.SpecificLabelsChosen = true;
    for (int position : {0, 1, 2, 7, 29})
        selection.SelectedPositions[position] = true;
    TSelectLabelsToPrint dialog(selection, 3, 10);
    const QImage picture = dialog.grab().toImage();
    const QString folder = qEnvironmentVariable("QV_PICTURE_DIR");
    if (!folder.isEmpty())
        picture.save(QDir(folder).filePath(QStringLiteral("select-specific-labels.png")));
    EXPECT_EQ(dialog.LabelsList->count(), 30);
    EXPECT_EQ(Ticked(dialog), std::vector<int>({0, 1, 2, 7, 29}));
    EXPECT_FALSE(picture.isNull());
}
