#include "MainWindowFixture.h"

#include "app/TSelectLabel.h"
#include "support/UnwritableFolder.h"
#include <QAbstractItemModel>
#include <QTableView>

#include "controls/TCanvasPanel.h"
#include "designer/LabelItems.h"
#include "document/ChosenPositions.h"
#include "storage/LabelTable.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using Answer = ScriptedPrompter::Answer;

namespace {
// The descriptions stored in the label table, in description order.
QStringList StoredDescriptions(LabelTable& table) {
    QStringList names;
    const quint32 current = table.RecNo();
    for (table.First(); !table.Eof(); table.Next())
        names << table.Text(QStringLiteral("DESCRIPT")).trimmed();
    table.Go(current);
    return names;
}
} // namespace

TEST_F(MainWindowTest, FirstRunCreatesTheTableAndShowsNoLabel) {
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("QVLBLS.DBF"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("QVLBLS.CDX"))));
    EXPECT_TRUE(window->LabelPanel->isHidden());
    EXPECT_TRUE(window->ToolsPanel->isHidden());
    EXPECT_FALSE(window->mnuPrintLabels->isEnabled());
    EXPECT_FALSE(window->mnuPreviewLabels->isEnabled());
    EXPECT_TRUE(window->mnuNewLabel->isEnabled());
    EXPECT_TRUE(window->mnuRebuildIndexes->isEnabled());
    EXPECT_FALSE(Changed());
}

TEST_F(MainWindowTest, NewLabelOnAnEmptyTableShowsThePanelButCannotPrint) {
    window->mnuNewLabel->trigger();
    EXPECT_EQ(Description(), QStringLiteral("{untitled label}"));
    EXPECT_TRUE(Changed());
    EXPECT_FALSE(window->LabelPanel->isHidden());
    EXPECT_EQ(window->LabelPanel->size(), QSize(252, 96));
    EXPECT_FALSE(window->mnuPrintLabels->isEnabled());
    // Unsaved: the label menu and Exit button are gone; New Label first asks about the
    // changes, and with no stored label there is none to select.
    EXPECT_FALSE(window->mnuSelectLabel->isEnabled());
    EXPECT_TRUE(window->mnuNewLabel->isEnabled());
    EXPECT_TRUE(window->mnuSaveLabel->isEnabled());
    EXPECT_FALSE(window->mnuLabel->isEnabled());
    EXPECT_TRUE(window->ExitButton->isHidden());
    EXPECT_FALSE(window->mnuRebuildIndexes->isEnabled());

    // Cancel on an empty table leaves no label.
    window->CancelButton->click();
    EXPECT_FALSE(Changed());
    EXPECT_TRUE(window->LabelPanel->isHidden());
    EXPECT_TRUE(window->ToolsPanel->isHidden());
}

TEST_F(MainWindowTest, DeclinedTemplateStartsNoLabel) {
    templateChosen = false;
    window->mnuNewLabel->trigger();
    EXPECT_FALSE(Changed());
    EXPECT_TRUE(window->LabelPanel->isHidden());
}

TEST_F(MainWindowTest, SaveNeedsADescriptionAndRefusesDuplicatesCaseBlind) {
    SaveNewLabel(QStringLiteral("ABC"));
    EXPECT_FALSE(Changed());
    EXPECT_TRUE(window->mnuPrintLabels->isEnabled());

    window->mnuNewLabel->trigger();
    window->Descript->setText(QString());
    window->SaveButton->click();
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")).last(),
              QStringLiteral("Need a description please"));
    window->Descript->setText(QStringLiteral("abc"));
    window->SaveButton->click();
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")).last(),
              QStringLiteral("A label with this name already exists.\rPlease change the name"));
    EXPECT_TRUE(Changed());
    EXPECT_EQ(StoredDescriptions(*window->Records().Table()), QStringList{QStringLiteral("ABC")});

    window->Descript->setText(QStringLiteral("abd"));
    window->SaveButton->click();
    EXPECT_FALSE(Changed());
    EXPECT_EQ(StoredDescriptions(*window->Records().Table()),
              (QStringList{QStringLiteral("ABC"), QStringLiteral("abd")}));
}

TEST_F(MainWindowTest, ResavingUnderItsOwnNameIsAccepted) {
    SaveNewLabel(QStringLiteral("Parcel"));
    window->Descript->setText(QStringLiteral("PARCEL"));
    window->Records().TriggerChange();
    window->SaveButton->click();
    EXPECT_FALSE(Changed());
    EXPECT_EQ(StoredDescriptions(*window->Records().Table()),
              QStringList{QStringLiteral("PARCEL")});
}

TEST_F(MainWindowTest, NamesThatDifferOnlyAfterTheStoredThirtyCharactersAreDuplicates) {
    const QString base = QStringLiteral("Shipping label for the warehouse");
    SaveNewLabel(base + QStringLiteral(" A"));
    prompts.Then(Answer::Yes());
    window->mnuCloneLabel->trigger();
    window->Descript->setText(base + QStringLiteral(" B"));
    window->SaveButton->click();
    EXPECT_TRUE(Changed());
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")).last(),
              QStringLiteral("A label with this name already exists.\rPlease change the name"));
    EXPECT_EQ(StoredDescriptions(*window->Records().Table()).size(), 1);
}

TEST_F(MainWindowTest, CloneKeepsItemsAndGeometryAndIsStoredCutToThirtyCharacters) {
    SaveNewLabel(QStringLiteral("Return address label"));
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Text,
                                         .top = 10,
                                         .left = 12,
                                         .width = 0,
                                         .height = 0,
                                         .text = QStringLiteral("Hello"),
                                         .fontName = QStringLiteral("Arial"),
                                         .fontSize = 10,
                                         .fontColor = 0,
                                         .bold = false,
                                         .italic = false,
                                         .underline = false,
                                         .angle = 0});
    window->SaveButton->click();
    EXPECT_FALSE(Changed());

    prompts.Then(Answer::Yes());
    window->mnuCloneLabel->trigger();
    EXPECT_EQ(Description(), QStringLiteral("Clone of Return address label"));
    EXPECT_TRUE(Changed());
    window->SaveButton->click();
    EXPECT_FALSE(Changed());

    LabelTable& table = *window->Records().Table();
    EXPECT_EQ(StoredDescriptions(table),
              (QStringList{QStringLiteral("Clone of Return address label"),
                           QStringLiteral("Return address label")}));
    table.First();
    EXPECT_EQ(table.Text(QStringLiteral("DESCRIPT")).trimmed(),
              QStringLiteral("Clone of Return address label").left(30));
    EXPECT_TRUE(table.Memo(QStringLiteral("OBJECTS")).contains(QStringLiteral("TEXT=Hello")));
    EXPECT_EQ(table.Text(QStringLiteral("LBLWIDTH")).trimmed(), QStringLiteral("2.625"));
}

TEST_F(MainWindowTest, DeclinedCloneChangesNothing) {
    SaveNewLabel(QStringLiteral("One"));
    prompts.Then(Answer::No());
    window->mnuCloneLabel->trigger();
    EXPECT_EQ(Description(), QStringLiteral("One"));
    EXPECT_FALSE(Changed());
}

TEST_F(MainWindowTest, DeleteMovesToTheFirstLabelAndClearsChosenPositions) {
    SaveNewLabel(QStringLiteral("Bravo"));
    SaveNewLabel(QStringLiteral("Alpha"));
    SaveNewLabel(QStringLiteral("Charlie"));
    window->Model().Positions().SpecificLabelsChosen = true;
    window->Model().Positions().SelectedPositions[4] = true;

    prompts.Then(Answer::Yes());
    window->mnuDeleteLabel->trigger();
    EXPECT_EQ(prompts.History().back().caption, QStringLiteral("Delete Entire Label"));
    EXPECT_EQ(prompts.History().back().kind, QStringLiteral("YesNoDefaultNo"));
    EXPECT_EQ(Description(), QStringLiteral("Alpha"));
    EXPECT_FALSE(window->Model().Positions().SpecificLabelsChosen);
    EXPECT_FALSE(window->Model().Positions().isSelected(4));
    EXPECT_EQ(StoredDescriptions(*window->Records().Table()),
              (QStringList{QStringLiteral("Alpha"), QStringLiteral("Bravo")}));
}

TEST_F(MainWindowTest, RestartShowsTheLabelLastUsed) {
    SaveNewLabel(QStringLiteral("Bravo"));
    SaveNewLabel(QStringLiteral("Alpha"));
    SaveNewLabel(QStringLiteral("Charlie"));
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Rectangle,
                                         .top = 5,
                                         .left = 6,
                                         .width = 40,
                                         .height = 20,
                                         .brushStyle = TBrushStyle(1),
                                         .brushColor = 0,
                                         .penWidth = 1,
                                         .penColor = 0,
                                         .rounding = 0});
    window->Model().CreateItemFromValue({.kind = LabelItemKind::HorizontalLine,
                                         .top = 30,
                                         .left = 6,
                                         .width = 60,
                                         .height = 20,
                                         .penWidth = 2,
                                         .penColor = 0});
    window->Model().CreateItemFromValue({.kind = LabelItemKind::Text,
                                         .top = 50,
                                         .left = 6,
                                         .width = 0,
                                         .height = 0,
                                         .text = QStringLiteral("A=B"),
                                         .fontName = QStringLiteral("Arial"),
                                         .fontSize = 12,
                                         .fontColor = 255,
                                         .bold = true,
                                         .italic = false,
                                         .underline = true,
                                         .angle = 90});
    const QString saved = window->SaveItems();
    window->SaveButton->click();
    EXPECT_EQ(window->Records().Table()->Memo(QStringLiteral("OBJECTS")), saved);
    EXPECT_TRUE(saved.contains(QStringLiteral("\r\nLABELITEM=HORIZONTALLINE\r\n")));

    RestartWindow();
    EXPECT_EQ(Description(), QStringLiteral("Charlie"));
    EXPECT_EQ(window->Items().OrderList().size(), 3);
    EXPECT_EQ(window->SaveItems(), saved);
    EXPECT_FALSE(Changed());
    const QSettings ini(dir.filePath(QStringLiteral("QV.INI")), QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("Remember/LastUse")).toInt(), 3);
}

TEST_F(MainWindowTest, ARememberedLabelThatWasDeletedGivesTheFirstLabel) {
    SaveNewLabel(QStringLiteral("Bravo"));
    SaveNewLabel(QStringLiteral("Alpha"));
    RestartWindow(); // remembers Alpha, record 2
    prompts.Then(Answer::Yes());
    window->mnuDeleteLabel->trigger(); // Alpha goes; Bravo becomes current and is remembered
    QSettings(dir.filePath(QStringLiteral("QV.INI")), QSettings::IniFormat)
        .setValue(QStringLiteral("Remember/LastUse"), 2);
    window.reset();
    StartWindow();
    EXPECT_EQ(Description(), QStringLiteral("Bravo"));
}

TEST_F(MainWindowTest, ExitWithUnsavedChangesAsksToSaveDiscardOrCancel) {
    window->mnuNewLabel->trigger();
    // Cancel: the window stays with the changes.
    prompts.Then(Answer::CancelSave());
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.History().back().kind, QStringLiteral("SaveChanges"));
    EXPECT_EQ(prompts.History().back().message,
              QStringLiteral("Save changes to \"{untitled label}\"?"));
    EXPECT_TRUE(Changed());
    // Save is the Save button: a blank description is refused and the window stays.
    window->Descript->setText(QStringLiteral("  "));
    prompts.Then(Answer::Save());
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")).last(),
              QStringLiteral("Need a description please"));
    EXPECT_TRUE(Changed());
    // Named, it is stored and the window closes without asking again whether to exit.
    window->Descript->setText(QStringLiteral("Kept"));
    prompts.Then(Answer::Save());
    EXPECT_TRUE(window->close());
    EXPECT_EQ(prompts.Unanswered(), 0u);
    window.reset();
    StartWindow();
    EXPECT_EQ(Description(), QStringLiteral("Kept"));

    // Discard closes and leaves the stored label as it was.
    window->Descript->setText(QString());
    window->Descript->insert(QStringLiteral("Renamed"));
    prompts.Then(Answer::Discard());
    EXPECT_TRUE(window->close());
    window.reset();
    StartWindow();
    EXPECT_EQ(Description(), QStringLiteral("Kept"));
    // Without changes the question is the old one.
    prompts.Then(Answer::No());
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.History().back().message, QStringLiteral("Exit program?"));
    EXPECT_EQ(prompts.History().back().caption, QStringLiteral("Exit"));
}

TEST_F(MainWindowTest, NewAndSelectLabelWithUnsavedChangesAskFirst) {
    SaveNewLabel(QStringLiteral("Alpha"));
    SaveNewLabel(QStringLiteral("Bravo"));
    window->Descript->setText(QString());
    window->Descript->insert(QStringLiteral("Bravo 2"));
    ASSERT_TRUE(window->mnuSelectLabel->isEnabled());
    // Cancel: no dialog, no template, the changes stay.
    prompts.Then(Answer::CancelSave()).Then(Answer::CancelSave());
    window->mnuSelectLabel->trigger();
    window->mnuNewLabel->trigger();
    EXPECT_EQ(prompts.Messages(QStringLiteral("SaveChanges")),
              QStringList(2, QStringLiteral("Save changes to \"Bravo 2\"?")));
    EXPECT_EQ(Description(), QStringLiteral("Bravo 2"));
    EXPECT_TRUE(Changed());
    // Save stores the change, then the new label starts.
    prompts.Then(Answer::Save());
    window->mnuNewLabel->trigger();
    EXPECT_EQ(Description(), QStringLiteral("{untitled label}"));
    // Discard forgets the new label; the chosen label is shown.
    prompts.Then(Answer::Discard()).Then(Answer::Dialog(true, [](QDialog& dialog) {
        static_cast<TSelectLabel&>(dialog).Grid->selectRow(0);
    }));
    window->mnuSelectLabel->trigger();
    EXPECT_EQ(Description(), QStringLiteral("Alpha"));
    EXPECT_FALSE(Changed());
    EXPECT_EQ(StoredDescriptions(*window->Records().Table()),
              (QStringList{QStringLiteral("Alpha"), QStringLiteral("Bravo 2")}));
    EXPECT_EQ(prompts.Unanswered(), 0u);
}

TEST_F(MainWindowTest, SaveLabelCommandSavesAsTheButtonDoesAndIsOffWithoutChanges) {
    EXPECT_FALSE(window->mnuSaveLabel->isEnabled());
    EXPECT_EQ(window->mnuSaveLabel->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    window->mnuNewLabel->trigger();
    window->Descript->setText(QStringLiteral("Alpha"));
    window->mnuSaveLabel->trigger();
    EXPECT_FALSE(Changed());
    EXPECT_FALSE(window->mnuSaveLabel->isEnabled());
    EXPECT_EQ(StoredDescriptions(*window->Records().Table()), QStringList{QStringLiteral("Alpha")});
    // A duplicate name is refused as by the button.
    window->mnuNewLabel->trigger();
    window->Descript->setText(QStringLiteral("alpha"));
    window->mnuSaveLabel->trigger();
    EXPECT_TRUE(Changed());
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")).last(),
              QStringLiteral("A label with this name already exists.\rPlease change the name"));
}

TEST_F(MainWindowTest, EditingTheDescriptionMarksTheLabelChanged) {
    SaveNewLabel(QStringLiteral("Alpha"));
    EXPECT_FALSE(Changed());
    window->Descript->setFocus();
    window->Descript->setText(QString());
    window->Descript->insert(QStringLiteral("Alpha 2")); // as typed: textEdited fires
    EXPECT_TRUE(Changed());
    EXPECT_TRUE(window->mnuPrintLabels->isEnabled());
    window->CancelButton->click();
    EXPECT_EQ(Description(), QStringLiteral("Alpha"));
    EXPECT_FALSE(Changed());
}

TEST_F(MainWindowTest, RebuildRemovesDeletedLabelsAndStaysOnTheLabelShown) {
    SaveNewLabel(QStringLiteral("Alpha"));
    SaveNewLabel(QStringLiteral("Bravo"));
    SaveNewLabel(QStringLiteral("Charlie"));
    SaveNewLabel(QStringLiteral("Delta"));
    // Delete Delta (current after its save), then Alpha (the first label after that).
    prompts.Then(Answer::Yes());
    window->mnuDeleteLabel->trigger();
    prompts.Then(Answer::Yes());
    window->mnuDeleteLabel->trigger();
    EXPECT_EQ(Description(), QStringLiteral("Bravo"));
    LabelTable& table = *window->Records().Table();
    table.Last(); // the pointer moves: the change notification loads Charlie, record 3
    EXPECT_EQ(Description(), QStringLiteral("Charlie"));
    EXPECT_EQ(table.RecNo(), 3u);

    window->mnuRebuildIndexes->trigger();
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")).last(), QStringLiteral("Complete!"));
    EXPECT_EQ(table.RecordCount(), 2u);
    // Packing renumbered Charlie to 2; the table is still on the label the designer shows.
    EXPECT_EQ(table.RecNo(), 2u);
    EXPECT_EQ(table.Text(QStringLiteral("DESCRIPT")).trimmed(), QStringLiteral("Charlie"));
    window->Descript->setText(QStringLiteral("Charlie 2"));
    window->Records().TriggerChange();
    window->SaveButton->click();
    EXPECT_EQ(StoredDescriptions(table),
              (QStringList{QStringLiteral("Bravo"), QStringLiteral("Charlie 2")}));
}

TEST_F(MainWindowTest, FailedRebuildIsShownAndSavingGoesOnInDescriptionOrder) {
    SaveNewLabel(QStringLiteral("Charlie"));
    SaveNewLabel(QStringLiteral("Alpha"));
    SaveNewLabel(QStringLiteral("Gone"));
    prompts.Then(Answer::Yes());
    window->mnuDeleteLabel->trigger();
    LabelTable& table = *window->Records().Table();
    {
        // The data directory stops taking new files while the program runs.
        UnwritableFolder locked(dir.path());
        ASSERT_TRUE(locked.holds()) << locked.why().toStdString();
        window->mnuRebuildIndexes->trigger();
        ASSERT_EQ(prompts.Messages(QStringLiteral("Error")).size(), 1);
        EXPECT_FALSE(prompts.Messages(QStringLiteral("Information")).contains("Complete!"));
        EXPECT_EQ(table.Order(), QStringLiteral("DESCRIPT"));

        SaveNewLabel(QStringLiteral("Bravo"));
        EXPECT_FALSE(Changed());
        EXPECT_EQ(prompts.Messages(QStringLiteral("Error")).size(), 1);
        EXPECT_EQ(StoredDescriptions(table),
                  (QStringList{"Alpha", "Bravo", "Charlie"})); // the order Select Label lists
    }
    window->mnuRebuildIndexes->trigger(); // writable again
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")).last(), QStringLiteral("Complete!"));
    EXPECT_EQ(table.RecordCount(), 3u);
}

TEST_F(MainWindowTest, AFaultyStoredNumberLoadsWhatItCanAndSaysSo) {
    SaveNewLabel(QStringLiteral("Broken"));
    LabelTable& table = *window->Records().Table();
    {
        LabelRecords::SuppressReloadScope suppress(window->Records());
        table.Edit();
        table.SetMemo(
            QStringLiteral("OBJECTS"),
            QStringLiteral("LABELITEM=RECTANGLE\r\nTOP=0.100\r\nLEFT=0.100\r\nWIDTH=0.500\r\n"
                           "HEIGHT=0.250\r\nLABELITEM=RECTANGLE\r\nTOP=abc\r\nLEFT=0.1\r\n"));
        table.Post();
    }

    RestartWindow();
    ASSERT_FALSE(prompts.Messages(QStringLiteral("Error")).isEmpty());
    const QString error = prompts.Messages(QStringLiteral("Error")).last();
    EXPECT_TRUE(error.startsWith(QStringLiteral("'abc' is not a valid floating point value")));
    EXPECT_TRUE(error.contains(QStringLiteral("only partly loaded")));
    EXPECT_EQ(window->Items().OrderList().size(), 1);
    EXPECT_FALSE(window->Records().Loading());
    window->Records().TriggerChange();
    EXPECT_TRUE(Changed());
}

// Under a German locale the chooser writes the sizes with a comma; the table keeps ".".
TEST_F(MainWindowTest, SelectLabelWritesSizesWithTheLocalesDecimalMark) {
    SaveNewLabel(QStringLiteral("Alpha"));
    struct Restore {
        QLocale previous;
        ~Restore() { QLocale::setDefault(previous); }
    } restore;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TSelectLabel chooser(*window->Records().Table());
    const QAbstractItemModel& model = *chooser.Grid->model();
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.index(0, 1).data().toString(), QStringLiteral("1,000"));
    EXPECT_EQ(model.index(0, 2).data().toString(), QStringLiteral("2,625"));
    EXPECT_EQ(model.index(0, 3).data().toString(), QStringLiteral("3"));
    EXPECT_EQ(window->Records().Table()->Text(QStringLiteral("LBLWIDTH")).trimmed(),
              QStringLiteral("2.625"));
}

TEST_F(MainWindowTest, SelectLabelLoadsTheChosenRowAndCancelReturnsToTheLabelShown) {
    SaveNewLabel(QStringLiteral("Bravo"));
    SaveNewLabel(QStringLiteral("Alpha"));
    SaveNewLabel(QStringLiteral("Charlie"));
    window->Model().Positions().SpecificLabelsChosen = true;
    QStringList titles;
    auto chooseRow = [&titles](int row) {
        return [&titles, row](QDialog& dialog) {
            auto& chooser = static_cast<TSelectLabel&>(dialog);
            for (int c = 0; c < chooser.Grid->model()->columnCount(); ++c)
                titles << chooser.Grid->model()->headerData(c, Qt::Horizontal).toString();
            chooser.Grid->selectRow(row);
        };
    };

    prompts.Then(Answer::Dialog(false, chooseRow(0)));
    window->mnuSelectLabel->trigger();
    EXPECT_EQ(Description(), QStringLiteral("Charlie"));
    EXPECT_EQ(window->Records().Table()->Text(QStringLiteral("DESCRIPT")).trimmed(),
              QStringLiteral("Charlie"));
    EXPECT_FALSE(window->Model().Positions().SpecificLabelsChosen);
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Description"), QStringLiteral("Height \""),
                                   QStringLiteral("Width \""), QStringLiteral("Across"),
                                   QStringLiteral("Down")}));

    prompts.Then(Answer::Dialog(true, chooseRow(1)));
    window->mnuSelectLabel->trigger();
    EXPECT_EQ(Description(), QStringLiteral("Bravo"));
    EXPECT_EQ(prompts.History().back().caption, QStringLiteral("Select Label"));
    EXPECT_FALSE(Changed());
}

TEST_F(MainWindowTest, TypingStopsAtWhatTheDescriptionFieldStores) {
    window->Descript->setFocus();
    QTest::keyClicks(window->Descript, QString(40, QLatin1Char('x')));
    EXPECT_EQ(Description().size(), 30);
    window->Descript->clear();
    // Two-byte characters: fifteen of them fill the thirty bytes.
    for (int i = 0; i < 20; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x00E9)));
        QApplication::sendEvent(window->Descript, &press);
    }
    EXPECT_EQ(Description(), QString(15, QChar(0x00E9)));
}

TEST_F(MainWindowTest, ASecondCopyOfTheProgramCannotOpenTheLabelTable) {
    SaveNewLabel(QStringLiteral("Held"));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The second copy: its start-up must be refused with the open message.
        QString message;
        const bool opened = LabelTable::Open(dir.path(), message) != nullptr;
        _exit(!opened && message == QLatin1String(LabelTable::OpenFailedMessage) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_STREQ(LabelTable::OpenFailedMessage,
                 "We were unable to open the label file: QVLBLS.DBF");
}

TEST_F(MainWindowTest, ADamagedMemoEndsTheLoadWithItsErrorAndLeavesEditingWorking) {
    SaveNewLabel(QStringLiteral("Damaged"));
    prompts.Then(Answer::Yes());
    ASSERT_TRUE(window->close());
    window.reset();
    // The memo file loses every block after its header: the label's OBJECTS cannot be read.
    QFile memo(dir.filePath(QStringLiteral("QVLBLS.FPT")));
    ASSERT_TRUE(memo.exists());
    ASSERT_TRUE(memo.resize(512));
    StartWindow();

    ASSERT_FALSE(prompts.Messages(QStringLiteral("Error")).isEmpty());
    EXPECT_EQ(Description(), QStringLiteral("Damaged"));
    EXPECT_FALSE(window->Records().Loading());
    EXPECT_FALSE(Changed());
    // The user's typing marks the label changed again, so it can be saved.
    QTest::keyClicks(window->Descript, QStringLiteral(" 2"));
    EXPECT_TRUE(Changed());
}

TEST_F(MainWindowTest, WithoutAnAppliedTemplateThereIsNoLabelToSave) {
    // A fresh folder: typing a description marks nothing, and Save refuses.
    QTest::keyClicks(window->Descript, QStringLiteral("Orphan"));
    EXPECT_FALSE(Changed());
    window->SaveButton->click();
    EXPECT_EQ(
        prompts.Messages(QStringLiteral("Information")),
        QStringList{QStringLiteral("There is no label to save yet. Start one with New Label.")});
    EXPECT_EQ(window->Records().Table()->RecordCount(), 0u);

    // A template the user cancelled leaves no label either.
    templateChosen = false;
    window->mnuNewLabel->trigger();
    window->Records().TriggerChange();
    EXPECT_FALSE(Changed());

    // New and then Cancel on an empty table: the template applied is forgotten with it.
    templateChosen = true;
    window->mnuNewLabel->trigger();
    window->CancelButton->click();
    QTest::keyClicks(window->Descript, QStringLiteral("Again"));
    EXPECT_FALSE(Changed());
    EXPECT_EQ(window->Records().Table()->RecordCount(), 0u);
    EXPECT_FLOAT_EQ(window->Records().Label().geometry.labelWidth, 0.0f);
}

TEST_F(MainWindowTest, ADescriptionOfBlanksIsNoDescription) {
    window->mnuNewLabel->trigger();
    window->Descript->setText(QStringLiteral("   "));
    window->SaveButton->click();
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")).last(),
              QStringLiteral("Need a description please"));
    EXPECT_TRUE(Changed());
    EXPECT_EQ(window->Records().Table()->RecordCount(), 0u);
}

TEST_F(MainWindowTest, LabelCommandsNeedAStoredLabel) {
    for (QAction* action : {window->mnuSelectLabel, window->mnuDeleteLabel, window->mnuCloneLabel,
                            window->mnuConfigureLabel})
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    SaveNewLabel(QStringLiteral("Stored"));
    for (QAction* action : {window->mnuSelectLabel, window->mnuDeleteLabel, window->mnuCloneLabel,
                            window->mnuConfigureLabel})
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    prompts.Then(Answer::Yes());
    window->mnuDeleteLabel->trigger();
    for (QAction* action : {window->mnuSelectLabel, window->mnuDeleteLabel, window->mnuCloneLabel,
                            window->mnuConfigureLabel})
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
}
