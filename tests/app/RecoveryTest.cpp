#include "MainWindowFixture.h"

#include "app/DesignUndo.h"
#include "app/RecoveryJournal.h"
#include "app/TSelectLabel.h"
#include "designer/LabelItems.h"
#include "document/LabelModel.h"
#include "document/JournalFile.h"
#include "document/JournalFormat.h"
#include "merge/MergeCommands.h"
#include "storage/LabelTable.h"
#include "support/UnwritableFolder.h"
#include "ui/TRecoveryQuestion.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLockFile>
#include <QSettings>
#include <QTableView>
#include <QUndoStack>

#include <functional>
#include <utility>

using Answer = ScriptedPrompter::Answer;

// The recovery journal of the label being designed, and what start-up does with one left by a
// run that ended without closing.
class RecoveryTest : public MainWindowTest {
protected:
    JournalFile File() const { return JournalFile(dir.path()); }
    bool JournalThere() const { return QFile::exists(File().Path()); }
    std::optional<JournalEntry> Journal() const { return JournalFormat::Read(File().Read().bytes); }
    // Lets the journal write what is waiting, as the event loop does within a second.
    void Settle() {
        QCoreApplication::processEvents();
        window->Journal().Flush();
    }
    void AddRectangle(int left) {
        LabelItemValue box;
        box.kind = LabelItemKind::Rectangle;
        box.top = 5;
        box.left = left;
        box.width = 40;
        box.height = 20;
        box.brushStyle = TBrushStyle(1);
        box.brushColor = 0;
        box.penWidth = 1;
        box.penColor = 0;
        box.rounding = 0;
        window->Model().CreateItemFromValue(box);
        window->Records().TriggerChange();
        window->Undo().Changed();
    }
    // The program ends without closing (a crash, a kill): nothing is saved or removed.
    void Crash() {
        Settle();
        window.reset();
    }
    // Starts again, answering the recovery question with Restore or Discard; returns the
    // question it showed.
    QString RestartAnswering(bool restore) {
        QString question;
        prompts.Then(Answer::Dialog(restore, [&](QDialog& dialog) {
            question = dialog.findChild<QLabel*>(QStringLiteral("Message"))->text();
        }));
        StartWindow();
        return question;
    }
    QString Ini(const char* key) const {
        return QSettings(dir.filePath(QStringLiteral("QV.INI")), QSettings::IniFormat)
            .value(QLatin1String(key))
            .toString();
    }
};

TEST_F(RecoveryTest, TheJournalFollowsUnsavedChangesAndGoesWithThem) {
    SaveNewLabel(QStringLiteral("Alpha"));
    SaveNewLabel(QStringLiteral("Bravo"));
    Settle();
    EXPECT_FALSE(JournalThere());
    EXPECT_EQ(Ini("Remember/LastUse"), QStringLiteral("2")); // as soon as it was saved

    AddRectangle(6);
    window->Descript->setText(QStringLiteral("Bravo 2"));
    Settle();
    std::optional<JournalEntry> entry = Journal();
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->record, 2u);
    EXPECT_EQ(entry->storedDescription, QStringLiteral("Bravo"));
    EXPECT_EQ(entry->description, QStringLiteral("Bravo 2"));
    EXPECT_EQ(entry->objectsText, window->SaveItems());
    EXPECT_EQ(entry->geometry, window->Records().Label().geometry);
    EXPECT_LE(entry->changed.secsTo(QDateTime::currentDateTimeUtc()), 5);

    // Undo back to the state saved leaves nothing unsaved; redo brings the journal back.
    window->mnuUndo->trigger();
    Settle();
    EXPECT_FALSE(JournalThere());
    window->mnuRedo->trigger();
    Settle();
    EXPECT_TRUE(JournalThere());
    window->SaveButton->click(); // Save
    EXPECT_FALSE(JournalThere());

    AddRectangle(60);
    Settle();
    EXPECT_TRUE(JournalThere());
    window->CancelButton->click(); // Cancel
    EXPECT_FALSE(JournalThere());

    // A new label is journalled from its start, and another label shown ends it.
    window->mnuNewLabel->trigger();
    Settle();
    ASSERT_TRUE(Journal().has_value());
    EXPECT_EQ(Journal()->record, 0u);
    window->CancelButton->click();
    EXPECT_FALSE(JournalThere());
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("QVRECOV*")}).isEmpty());
}

// Saving a new label removes its journal (which names no record); a kill just after must
// reopen the stored label, so QV.INI names it before the journal goes.
TEST_F(RecoveryTest, ASavedLabelIsNamedLastUsedBeforeItsJournalGoes) {
    SaveNewLabel(QStringLiteral("Alpha"));
    window->mnuNewLabel->trigger();
    window->Descript->setText(QStringLiteral("Bravo"));
    AddRectangle(6);
    Settle();
    ASSERT_TRUE(JournalThere());

    // The buttons go first, then the journal: see what is on the disk at that moment.
    struct AtHide : QObject {
        std::function<void()> seen;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::HideToParent && seen)
                std::exchange(seen, nullptr)();
            return false;
        }
    } filter;
    bool journalThen = false;
    QString lastUseThen;
    filter.seen = [&] {
        journalThen = JournalThere();
        lastUseThen = Ini("Remember/LastUse");
    };
    window->SaveButton->installEventFilter(&filter);
    window->SaveButton->click();
    window->SaveButton->removeEventFilter(&filter);
    EXPECT_TRUE(journalThen);
    EXPECT_EQ(lastUseThen, QStringLiteral("2"));
    EXPECT_FALSE(JournalThere());
    EXPECT_EQ(Ini("Remember/LastUse"), QStringLiteral("2"));
}

TEST_F(RecoveryTest, EditsStreamingInAreWrittenAtMostOnceAnInterval) {
    SaveNewLabel(QStringLiteral("Alpha"));
    window->Journal().SetInterval(60 * 1000);
    const int before = window->Journal().Writes();
    for (int left = 0; left < 10; ++left) {
        AddRectangle(left * 4);
        QCoreApplication::processEvents();
    }
    // The first change went at once; the others wait for the interval to end, together.
    EXPECT_EQ(window->Journal().Writes(), before + 1);
    EXPECT_TRUE(window->Journal().Pending());
    EXPECT_NE(Journal()->objectsText, window->SaveItems());
    window->Journal().Flush();
    EXPECT_EQ(window->Journal().Writes(), before + 2);
    EXPECT_EQ(Journal()->objectsText, window->SaveItems());
    // Saving in the meantime drops what waits.
    AddRectangle(50);
    EXPECT_TRUE(window->Journal().Pending());
    window->SaveButton->click();
    EXPECT_FALSE(window->Journal().Pending());
    EXPECT_FALSE(JournalThere());
}

TEST_F(RecoveryTest, RestoreShowsTheLastStepUnsavedOnTheStoredLabel) {
    SaveNewLabel(QStringLiteral("Alpha"));
    SaveNewLabel(QStringLiteral("Bravo"));
    prompts.Then(Answer::Dialog(
        true, [](QDialog& dialog) { static_cast<TSelectLabel&>(dialog).Grid->selectRow(0); }));
    window->mnuSelectLabel->trigger(); // Select Label, the first row: Alpha
    ASSERT_EQ(Description(), QStringLiteral("Alpha"));
    EXPECT_EQ(Ini("Remember/LastUse"), QStringLiteral("1")); // as soon as it was selected
    AddRectangle(6);
    AddRectangle(50);
    window->Descript->setText(QStringLiteral("Alpha renamed"));
    const QString items = window->SaveItems();
    Crash();

    const QString question = RestartAnswering(true);
    EXPECT_TRUE(question.startsWith(QStringLiteral("Quorvane did not close properly. Restore "
                                                   "your unsaved changes to \"Alpha renamed\" "
                                                   "(last change at ")))
        << question.toStdString();
    EXPECT_EQ(Description(), QStringLiteral("Alpha renamed"));
    EXPECT_EQ(window->SaveItems(), items);
    EXPECT_TRUE(Changed());
    EXPECT_FALSE(window->Records().IsNew());
    EXPECT_EQ(window->Records().Table()->RecNo(), 1u);
    // The history starts at the restored state; Cancel goes back to the label as stored.
    EXPECT_EQ(window->Undo().Stack().count(), 0);
    window->CancelButton->click();
    EXPECT_EQ(Description(), QStringLiteral("Alpha"));
    EXPECT_EQ(window->Items().OrderList().size(), 0);
    EXPECT_FALSE(Changed());
    EXPECT_FALSE(JournalThere());
}

TEST_F(RecoveryTest, SavedAfterRestoreTheRecordHoldsTheRecoveredLabel) {
    SaveNewLabel(QStringLiteral("Alpha"));
    AddRectangle(6);
    Crash();
    RestartAnswering(true);
    // Cancel and Save at once remove the journal of the run that crashed.
    window->CancelButton->click();
    EXPECT_FALSE(JournalThere());
    AddRectangle(6);
    Crash();
    RestartAnswering(true);
    window->SaveButton->click();
    EXPECT_FALSE(JournalThere());
    AddRectangle(70);
    Crash();
    RestartAnswering(true);
    // A step after the restore, taken back, still leaves the label unsaved.
    const QString items = window->SaveItems();
    AddRectangle(90);
    window->mnuUndo->trigger();
    EXPECT_TRUE(Changed());
    window->SaveButton->click();
    EXPECT_FALSE(JournalThere());
    LabelTable& table = *window->Records().Table();
    EXPECT_EQ(table.RecordCount(), 1u);
    EXPECT_EQ(table.Memo(QStringLiteral("OBJECTS")), items);
    EXPECT_TRUE(items.contains(QStringLiteral("LEFT=0.729"))) << items.toStdString(); // 70 px
}

TEST_F(RecoveryTest, ANewLabelOrOneDeletedSinceComesBackAsANewLabel) {
    SaveNewLabel(QStringLiteral("Alpha"));
    window->mnuNewLabel->trigger();
    window->Descript->setText(QStringLiteral("Fresh"));
    AddRectangle(6);
    const QString items = window->SaveItems();
    Crash();
    RestartAnswering(true);
    EXPECT_TRUE(window->Records().IsNew());
    EXPECT_EQ(Description(), QStringLiteral("Fresh"));
    EXPECT_EQ(window->SaveItems(), items);
    EXPECT_EQ(window->Records().Label().templateName, QStringLiteral("Address 1 x 2-5/8 (30)"));
    window->SaveButton->click();
    EXPECT_EQ(window->Records().Table()->RecordCount(), 2u);

    // Bravo's record is deleted, and its number taken by another label, while the journal waits.
    SaveNewLabel(QStringLiteral("Bravo"));
    AddRectangle(30);
    Crash();
    {
        QString message;
        const std::unique_ptr<LabelTable> table = LabelTable::Open(dir.path(), message);
        ASSERT_TRUE(table);
        table->Go(3);
        table->Edit();
        table->SetText(QStringLiteral("DESCRIPT"), QStringLiteral("Other"));
        table->Post();
    }
    RestartAnswering(true);
    EXPECT_TRUE(window->Records().IsNew());
    EXPECT_EQ(Description(), QStringLiteral("Bravo"));
    EXPECT_EQ(window->Items().OrderList().size(), 1);
    window->SaveButton->click();
    EXPECT_EQ(window->Records().Table()->RecordCount(), 4u);
}

// Save writes the record, then the journal goes: a run ended in between finds the record
// renamed as the journal's label and restores onto it, not as a second label.
TEST_F(RecoveryTest, ARunEndedWithinSaveRestoresOntoTheRecordItWrote) {
    SaveNewLabel(QStringLiteral("Alpha"));
    AddRectangle(6);
    window->Descript->setText(QStringLiteral("Alpha renamed"));
    const QString items = window->SaveItems();
    Crash();
    {
        QString message;
        const std::unique_ptr<LabelTable> table = LabelTable::Open(dir.path(), message);
        ASSERT_TRUE(table);
        table->Go(1);
        table->Edit();
        table->SetText(QStringLiteral("DESCRIPT"), QStringLiteral("Alpha renamed"));
        table->Post();
    }
    RestartAnswering(true);
    EXPECT_FALSE(window->Records().IsNew());
    EXPECT_EQ(window->Records().Table()->RecNo(), 1u);
    EXPECT_EQ(Description(), QStringLiteral("Alpha renamed"));
    EXPECT_EQ(window->SaveItems(), items);
    EXPECT_TRUE(Changed());
    window->SaveButton->click();
    EXPECT_FALSE(Changed());
    EXPECT_EQ(window->Records().Table()->RecordCount(), 1u);
    EXPECT_EQ(window->Records().Table()->Memo(QStringLiteral("OBJECTS")), items);
}

// A run killed while it wrote QV.INI leaves its lock file empty; Qt would take it for a live
// writer's for 30 seconds and the next start would hang that long. A lock file naming its
// owner is Qt's to judge, and is left alone.
TEST_F(RecoveryTest, AnEmptyLockFileOfQvIniIsRemovedAtStart) {
    SaveNewLabel(QStringLiteral("Alpha"));
    window.reset();
    const QString lock = dir.filePath(QStringLiteral("QV.INI.lock"));
    {
        QLockFile held(lock);
        ASSERT_TRUE(held.tryLock(0));
        window = std::make_unique<TZendorMain>(dir.path());
        EXPECT_TRUE(QFile::exists(lock)) << "a live writer's lock is kept";
        window.reset();
    }
    ASSERT_FALSE(QFile::exists(lock));
    ASSERT_TRUE(QFile(lock).open(QIODevice::WriteOnly));
    window = std::make_unique<TZendorMain>(dir.path());
    EXPECT_FALSE(QFile::exists(lock));
    window.reset();
    StartWindow();
    EXPECT_EQ(Description(), QStringLiteral("Alpha"));
    EXPECT_EQ(Ini("Remember/LastUse"), QStringLiteral("1"));
}

TEST_F(RecoveryTest, DiscardRemovesTheJournalAndShowsTheLabelLastUsed) {
    SaveNewLabel(QStringLiteral("Bravo"));
    SaveNewLabel(QStringLiteral("Alpha"));
    AddRectangle(6);
    Crash();
    RestartAnswering(false);
    EXPECT_FALSE(JournalThere());
    EXPECT_EQ(Description(), QStringLiteral("Alpha"));
    EXPECT_EQ(window->Items().OrderList().size(), 0);
    EXPECT_FALSE(Changed());
    // Esc on the question does not discard.
    TRecoveryQuestion question(QStringLiteral("?"));
    question.show();
    question.reject();
    EXPECT_TRUE(question.isVisible());
}

TEST_F(RecoveryTest, ADamagedJournalIsSetAsideAndReportedOnce) {
    SaveNewLabel(QStringLiteral("Alpha"));
    AddRectangle(6);
    Crash();
    QByteArray bytes = File().Read().bytes;
    QString error;
    ASSERT_TRUE(File().Write(bytes.first(bytes.size() - 10), error));
    StartWindow();
    ASSERT_EQ(prompts.Messages(QStringLiteral("Information")).size(), 1);
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")).first(),
              QStringLiteral("The recovery file QVRECOV.JNL left by the last session is damaged "
                             "(it is cut short) and was set aside as QVRECOV.JNL.damaged; your "
                             "stored labels are not affected."));
    EXPECT_EQ(Description(), QStringLiteral("Alpha"));
    EXPECT_FALSE(Changed());
    EXPECT_EQ(QFile(File().Path() + ".damaged").size(), bytes.size() - 10);

    // A folder in its place, an empty file.
    window.reset();
    ASSERT_TRUE(QDir(dir.path()).mkdir(JournalFile::FileName));
    StartWindow();
    EXPECT_TRUE(prompts.Messages(QStringLiteral("Information")).last().contains("is not a file"));
    EXPECT_TRUE(QFileInfo(File().Path() + ".damaged-2").isDir());
    window.reset();
    ASSERT_TRUE(File().Write({}, error));
    StartWindow();
    EXPECT_TRUE(prompts.Messages(QStringLiteral("Information")).last().contains("(it is empty)"));
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")).size(), 3);
    EXPECT_EQ(Description(), QStringLiteral("Alpha"));
    EXPECT_EQ(prompts.Unanswered(), 0u);
}

TEST_F(RecoveryTest, AJournalThatCannotBeWrittenIsReportedOnceAndEditingGoesOn) {
    SaveNewLabel(QStringLiteral("Alpha"));
    {
        UnwritableFolder locked(dir.path());
        ASSERT_TRUE(locked.holds()) << locked.why().toStdString();
        AddRectangle(6);
        Settle();
        AddRectangle(40);
        window->Journal().SetInterval(0);
        Settle();
        const QStringList shown = prompts.Messages(QStringLiteral("Information"));
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(shown.first().startsWith("Unsaved changes cannot be kept for recovery after "
                                             "a crash (cannot create QVRECOV.JNL.tmp"))
            << shown.first().toStdString();
        window->SaveButton->click();
        EXPECT_FALSE(Changed());
    }
    EXPECT_EQ(window->Records().Table()->Memo(QStringLiteral("OBJECTS")), window->SaveItems());
    AddRectangle(80); // writable again: kept once more
    Settle();
    EXPECT_TRUE(JournalThere());
}

TEST_F(RecoveryTest, ASecondCopyLeavesTheFirstCopysJournalAlone) {
    SaveNewLabel(QStringLiteral("Alpha"));
    AddRectangle(6);
    Settle();
    const QByteArray bytes = File().Read().bytes;
    ASSERT_FALSE(bytes.isEmpty());
    {
        // The second copy cannot open the label table and closes without asking anything.
        TZendorMain second(dir.path());
        EXPECT_FALSE(second.FormActivate());
        second.close();
    }
    Prompter::SetMainWindow(window.get());
    EXPECT_EQ(prompts.History().size(), 1u); // only the table's message
    EXPECT_EQ(File().Read().bytes, bytes);
}

TEST_F(RecoveryTest, TheMergeSourceChosenForTheRunComesBack) {
    SaveNewLabel(QStringLiteral("Alpha"));
    const QString csv = dir.filePath(QStringLiteral("people.csv"));
    window->Merging().ChooseCurrentSource(csv);
    AddRectangle(6);
    Crash();
    RestartAnswering(true);
    EXPECT_EQ(window->Merging().CurrentFileName(), csv);
}
