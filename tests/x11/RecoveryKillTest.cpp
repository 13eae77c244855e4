#include "RealKeyboard.h"
#include "RealPointer.h"
#include "RunningProgram.h"
#include "document/JournalFile.h"
#include "document/JournalFormat.h"
#include "storage/LabelRecordStore.h"
#include "storage/LabelTable.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

// The real program, killed with SIGKILL in the middle of an unsaved edit and started again:
// it asks, restores the edit at Restore, and Save stores it.
namespace {

bool WaitFor(const std::function<bool()>& condition, int ms = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QTest::qWait(50);
    }
    return true;
}

void KeepScreen(const QString& name) {
    QString folder = qEnvironmentVariable("QV_PICTURE_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(folder).filePath(name));
}

} // namespace

TEST(RecoveryKill, TheProgramKilledDuringAnEditBringsItBackAndSavesIt) {
    RealPointer pointer;
    RealKeyboard keyboard;
    ASSERT_TRUE(pointer.IsOpen() && keyboard.IsOpen());
    QTemporaryDir data;
    {
        QString message;
        const std::unique_ptr<LabelTable> table = LabelTable::Open(data.path(), message);
        ASSERT_TRUE(table) << message.toStdString();
        CurrentLabel label;
        label.description = QStringLiteral("Shipping");
        label.templateName = QStringLiteral("Address 1 x 2-5/8 (30)");
        label.geometry = {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "RR"};
        LabelRecordStore(*table).Write(label, QStringLiteral("NOTHING=NOTHING\r\n"), true);
    }
    const JournalFile journal(data.path());

    // Type into the description box, and wait for the journal to hold the change.
    {
        RunningProgram program(data.path());
        ASSERT_TRUE(program.Started());
        const QRect window =
            RunningProgram::WaitForWindow("Quorvane", RunningProgram::IsMainWindow);
        ASSERT_TRUE(window.isValid());
        QTest::qWait(300);
        // The description box: 8, 19 within the bar under the menu.
        pointer.MoveTo(window.topLeft() + QPoint(150, 50));
        pointer.Press();
        pointer.Release();
        keyboard.Press("End");
        keyboard.Type(QStringLiteral(" new"));
        // Typing streams changes in: the journal holds the last within a second.
        ASSERT_TRUE(WaitFor([&] {
            const std::optional<JournalEntry> entry = JournalFormat::Read(journal.Read().bytes);
            return entry && entry->description == QStringLiteral("Shipping new");
        }));
        KeepScreen(QStringLiteral("recovery-before-kill.png"));
        program.Kill();
    }
    ASSERT_TRUE(QFile::exists(journal.Path()));

    // Started again: the question, Restore, then Save.
    {
        RunningProgram program(data.path());
        ASSERT_TRUE(program.Started());
        const QRect question =
            RunningProgram::WaitForWindow("Quorvane", RunningProgram::IsQuestion);
        ASSERT_TRUE(question.isValid()) << "no recovery question";
        QTest::qWait(300);
        KeepScreen(QStringLiteral("recovery-question.png"));
        pointer.MoveTo(question.center());
        keyboard.Press("Return");
        ASSERT_TRUE(
            WaitFor([&] { return !RunningProgram::ShownWindows("Quorvane").contains(question); }));
        QTest::qWait(300);
        KeepScreen(QStringLiteral("recovery-restored.png"));
        const QRect window =
            RunningProgram::WaitForWindow("Quorvane", RunningProgram::IsMainWindow);
        // The Save button: 232, 12 within the bar under the menu, 75 x 25.
        pointer.MoveTo(window.topLeft() + QPoint(269, 42));
        pointer.Press();
        pointer.Release();
        ASSERT_TRUE(WaitFor([&] { return !QFile::exists(journal.Path()); }))
            << "Save did not end the journal";
        program.Kill();
    }
    QString message;
    const std::unique_ptr<LabelTable> table = LabelTable::Open(data.path(), message);
    ASSERT_TRUE(table) << message.toStdString();
    ASSERT_EQ(table->RecordCount(), 1u);
    table->First();
    EXPECT_EQ(LabelRecordStore(*table).Read().description, QStringLiteral("Shipping new"));
}
