#include "storage/dbf/Table.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <iostream>
#include <map>
#include <random>
#include <set>

// The program killed (SIGKILL) at points all through a scripted editing session that uses
// every kind of command, then started again: it offers the journal, restores it, and shows the
// state after the last or the step being made when the kill came; the label table is sound.
namespace {

struct SessionRun {
    std::map<int, QByteArray> states; // "+n" lines, and "=0"
    int completed = -1;               // the last "=n"
    bool done = false;
    QByteArray failure;
};

void ReadLine(const QByteArray& line, SessionRun& run) {
    if (line.startsWith("failed"))
        run.failure = line;
    else if (line == "done")
        run.done = true;
    else if (line.startsWith('+') || line.startsWith('=')) {
        const qsizetype space = line.indexOf(' ');
        const int step = line.mid(1, space < 0 ? -1 : space - 1).toInt();
        if (space > 0)
            run.states[step] = line.mid(space + 1);
        if (line.startsWith('='))
            run.completed = step;
    }
}

// Runs the session; with killAt >= 0 it is killed a few random microseconds after step killAt
// was announced as made ("+killAt").
SessionRun Edit(const QString& directory, const QString& image, int killAt, std::mt19937& random) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(QV_JOURNAL_SESSION), {"edit", directory, image});
    if (killAt < 0)
        process.closeWriteChannel(); // ends it after the last step
    SessionRun run;
    QByteArray pending;
    bool killed = false;
    while (process.state() != QProcess::NotRunning || process.bytesAvailable() > 0) {
        if (process.bytesAvailable() == 0 && !process.waitForReadyRead(20000))
            break;
        pending += process.readAll();
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1)) {
            const QByteArray line = pending.left(end);
            ReadLine(line, run);
            if (!killed && killAt >= 0 && line.startsWith('+' + QByteArray::number(killAt) + ' ')) {
                std::uniform_int_distribution<int> wait(0, 4000);
                usleep(useconds_t(wait(random)));
                ::kill(pid_t(process.processId()), SIGKILL);
                killed = true;
            }
        }
    }
    process.waitForFinished(20000);
    if (killAt >= 0 && (process.exitStatus() != QProcess::CrashExit || !killed))
        run.failure = "the session was not killed";
    return run;
}

struct Restart {
    bool asked = false;
    QByteArray state;
};

Restart Recover(const QString& directory) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(QV_JOURNAL_SESSION), {"recover", directory});
    process.waitForFinished(30000);
    const QByteArray line = process.readAllStandardOutput().trimmed();
    Restart restart;
    if (line.startsWith("R ")) {
        restart.asked = line.mid(2, 1) == "1";
        restart.state = line.mid(4);
    }
    return restart;
}

// The table engine's own view of the label table: it opens, its index lists every record that
// is not deleted exactly once and in order, and every memo reads.
void ExpectSoundTable(const QString& directory) {
    const std::string path = QDir(directory).filePath(QStringLiteral("QVLBLS.DBF")).toStdString();
    std::unique_ptr<dbf::Table> table;
    ASSERT_NO_THROW(table = dbf::Table::open(path, dbf::Mode::ReadOnly));
    table->setOrder("DESCRIPT");
    std::set<std::uint32_t> live;
    for (std::uint32_t n = 1; n <= table->recordCount(); ++n) {
        table->go(n);
        if (!table->isDeleted())
            live.insert(n);
    }
    std::set<std::uint32_t> seen;
    std::string previous;
    for (table->first(); !table->eof(); table->next()) {
        std::string key = table->getText("DESCRIPT");
        std::transform(key.begin(), key.end(), key.begin(), ::toupper);
        EXPECT_LE(previous, key);
        previous = key;
        EXPECT_TRUE(seen.insert(table->recNo()).second);
        EXPECT_NO_THROW((void)table->getMemo("OBJECTS"));
    }
    EXPECT_EQ(seen, live);
}

} // namespace

TEST(JournalKill, EveryKillRestoresTheLastOrTheCurrentStep) {
    QTemporaryDir fixed;
    const QString image = fixed.filePath(QStringLiteral("picture.bmp"));
    QImage picture(40, 24, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(image, "BMP"));
    std::mt19937 random(2828);

    // The whole session once, unkilled: the state after each step.
    QTemporaryDir calibration;
    const SessionRun whole = Edit(calibration.path(), image, -1, random);
    ASSERT_TRUE(whole.failure.isEmpty()) << whole.failure.toStdString();
    ASSERT_TRUE(whole.done);
    const int steps = whole.completed;
    ASSERT_GE(steps, 40);
    ASSERT_EQ(int(whole.states.size()), steps + 1);

    int kills = 0, asked = 0, current = 0;
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        QTemporaryDir dir;
        const int target = 1 + round % steps;
        const SessionRun run = Edit(dir.path(), image, target, random);
        ASSERT_TRUE(run.failure.isEmpty()) << run.failure.toStdString();
        ++kills;
        for (const auto& [step, state] : run.states)
            ASSERT_EQ(state, whole.states.at(step)) << "step " << step << " went otherwise";
        const int last = std::max(run.completed, 0);
        const Restart restart = Recover(dir.path());
        ASSERT_FALSE(restart.state.isEmpty());
        asked += restart.asked;
        const bool isLast = restart.state == whole.states.at(last);
        const bool isCurrent = last < steps && restart.state == whole.states.at(last + 1);
        current += isCurrent && !isLast;
        EXPECT_TRUE(isLast || isCurrent)
            << "killed after step " << last << ", restored "
            << QByteArray::fromBase64(restart.state).toStdString() << "\nexpected "
            << QByteArray::fromBase64(whole.states.at(last)).toStdString();
        ExpectSoundTable(dir.path());
        if (HasFailure())
            break;
        // A slow machine (or a sanitizer build): enough kills already.
        if (clock.elapsed() > 180 * 1000)
            break;
    }
    std::cout << kills << " kills over " << steps << " steps, " << asked
              << " restarts offered a journal, " << current << " restored the step being made; "
              << clock.elapsed() / 1000 << " s\n";
    EXPECT_GE(kills, 60);
    EXPECT_GE(asked, kills / 2);
}
