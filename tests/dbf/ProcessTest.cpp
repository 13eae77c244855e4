#include "Labels.h"
#include "TempDir.h"
#include "storage/dbf/Table.h"

#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

// What other processes see: the exclusive lock, and tables left behind by a killed writer.
namespace {

int childExitCode(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs `body` in a child process; its exit code is 0 when it returned true.
template <typename F> int inChild(F body) {
    pid_t pid = fork();
    if (pid == 0) {
        bool ok = false;
        try {
            ok = body();
        } catch (...) {
        }
        _exit(ok ? 0 : 1);
    }
    return childExitCode(pid);
}

TEST(Process, SecondProcessCannotOpenExclusivelyButCanRead) {
    TempDir dir;
    std::string path = dir.file("QVLBLS.DBF");
    dbf::Table::create(path, labelFields());
    auto held = dbf::Table::open(path);
    addLabel(*held, "mine");
    EXPECT_EQ(inChild([&] {
                  try {
                      dbf::Table::open(path);
                  } catch (const dbf::Error& e) {
                      return std::string(e.what()).find("in use") != std::string::npos;
                  }
                  return false;
              }),
              0);
    EXPECT_EQ(inChild([&] {
                  auto t = dbf::Table::open(path, dbf::Mode::ReadOnly);
                  return walk(*t) == std::vector<std::string>{"mine"};
              }),
              0);
    held.reset();
    EXPECT_EQ(inChild([&] { return dbf::Table::open(path) != nullptr; }), 0);

    // A process that dies holding the table releases it.
    pid_t pid = fork();
    if (pid == 0) {
        auto t = dbf::Table::open(path);
        pause();
        _exit(0);
    }
    usleep(100000);
    EXPECT_THROW(dbf::Table::open(path), dbf::Error);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    EXPECT_NO_THROW(dbf::Table::open(path));
}

// ---- killing a writer at many points

std::string keyOf(int i) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "R%06d", i);
    return buf;
}
std::string memoOf(int i, int version) {
    std::string memo;
    for (int k = 0; k <= i % 4; ++k)
        memo += "TYPE=TEXT\r\nTEXT=" + keyOf(i) + " v" + std::to_string(version) + "\r\n";
    return memo;
}

void say(int fd, const std::string& line) {
    std::string text = line + "\n";
    ssize_t n = write(fd, text.data(), text.size());
    (void)n;
}

// The writer: appends, edits memos, deletes and packs, announcing each step before ("+")
// and after ("=") it.
[[noreturn]] void writer(const std::string& path, int start, int fd) {
    auto t = dbf::Table::open(path);
    for (int i = start;; ++i) {
        say(fd, "+A " + std::to_string(i));
        t->append();
        t->setText("DESCRIPT", keyOf(i));
        t->setMemo("OBJECTS", memoOf(i, 0));
        t->post();
        say(fd, "=A " + std::to_string(i));
        int j = i - 3;
        if (i % 3 == 0 && t->seek(keyOf(j))) {
            say(fd, "+E " + std::to_string(j));
            t->edit();
            t->setMemo("OBJECTS", memoOf(j, 1));
            t->setFloat("LBLHEIGHT", 1.5);
            t->post();
            say(fd, "=E " + std::to_string(j));
        }
        j = i - 5;
        if (i % 4 == 0 && t->seek(keyOf(j))) {
            say(fd, "+D " + std::to_string(j));
            t->deleteRecord();
            say(fd, "=D " + std::to_string(j));
        }
        if (i % 6 == 0) {
            say(fd, "+P 0");
            t->pack();
            say(fd, "=P 0");
        }
    }
}

struct Expected {
    std::set<std::string> memos;
    bool mayBeMissing = false; // its append was cut short
    int deleted = 0;           // 0 no, 1 yes, 2 perhaps (its delete was cut short)
};

TEST(Process, KilledWriterLeavesTablesThatOpenWithEveryPostedRecord) {
    TempDir dir;
    std::string path = dir.file("QVLBLS.DBF");
    dbf::Table::create(path, labelFields());
    dbf::Table::open(path)->createIndexTag("DESCRIPT", "upper(DESCRIPT)");
    std::map<int, Expected> expected;
    std::mt19937 rng(12345);
    int next = 1, kills = 0, packsCut = 0;
    auto started = std::chrono::steady_clock::now();
    for (int round = 0; round < 300; ++round) {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        pid_t pid = fork();
        if (pid == 0) {
            close(fds[0]);
            writer(path, next, fds[1]);
        }
        close(fds[1]);
        usleep(2000 + rng() % 25000);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        ++kills;
        std::string log;
        char buf[4096];
        for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
            log.append(buf, static_cast<std::size_t>(n));
        close(fds[0]);

        // Replay what the writer announced.
        std::istringstream lines(log);
        std::string line, pending;
        while (std::getline(lines, line)) {
            char op = line[1];
            int j = std::stoi(line.substr(3));
            if (line[0] == '+') {
                pending = line;
                continue;
            }
            pending.clear();
            if (op == 'A')
                expected[j] = {{memoOf(j, 0)}, false, 0};
            else if (op == 'E')
                expected[j].memos = {memoOf(j, 1)};
            else if (op == 'D')
                expected[j].deleted = 1;
            next = std::max(next, j + 1);
        }
        if (!pending.empty()) {
            char op = pending[1];
            int j = std::stoi(pending.substr(3));
            if (op == 'A') {
                expected[j] = {{memoOf(j, 0)}, true, 0};
                next = std::max(next, j + 1);
            } else if (op == 'E') {
                expected[j].memos.insert(memoOf(j, 1));
            } else if (op == 'D') {
                expected[j].deleted = 2;
            } else {
                ++packsCut;
            }
        }

        // The table opens, its index agrees, and every posted record is there.
        std::unique_ptr<dbf::Table> t;
        // Alternately as a reader (which must cope with an unfinished pack) and as the next
        // writer (which finishes or undoes it and repairs the index).
        auto mode = round % 2 ? dbf::Mode::Exclusive : dbf::Mode::ReadOnly;
        ASSERT_NO_THROW(t = dbf::Table::open(path, mode)) << "round " << round;
        std::set<int> seen;
        std::string previous;
        for (t->first(); !t->eof(); t->next()) {
            std::string key = t->getText("DESCRIPT");
            ASSERT_LE(previous, key) << "round " << round;
            previous = key;
            int i = std::stoi(key.substr(1));
            ASSERT_TRUE(expected.count(i)) << key << " round " << round;
            ASSERT_TRUE(seen.insert(i).second) << key << " twice, round " << round;
            Expected& e = expected[i];
            ASSERT_NE(e.deleted, 1) << key << " round " << round;
            ASSERT_TRUE(e.memos.count(t->getMemo("OBJECTS"))) << key << " round " << round;
        }
        for (auto& [i, e] : expected) {
            bool present = seen.count(i) > 0;
            if (!e.mayBeMissing && e.deleted == 0) {
                ASSERT_TRUE(present) << keyOf(i) << " lost in round " << round;
            }
            // Settle what the cut-short step did, as the table now shows it.
            if (e.mayBeMissing && !present && e.deleted == 0)
                e.deleted = 1;
            e.mayBeMissing = false;
            if (e.deleted == 2)
                e.deleted = present ? 0 : 1;
            if (present && e.memos.size() > 1) {
                t->seek(keyOf(i));
                e.memos = {t->getMemo("OBJECTS")};
            }
        }
        if (std::chrono::steady_clock::now() - started > std::chrono::seconds(50))
            break; // a slow machine: enough kills already
    }
    // The exclusive open finishes or undoes an interrupted pack.
    EXPECT_NO_THROW(dbf::Table::open(path));
    EXPECT_FALSE(std::filesystem::exists(path + ".qvcommit"));
    std::cout << kills << " kills, " << packsCut << " during a pack, " << next - 1
              << " records appended\n";
    EXPECT_GE(kills, 100);
}

} // namespace
