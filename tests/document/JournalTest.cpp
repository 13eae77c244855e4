#include "document/ItemKinds.h"
#include "document/JournalEntry.h"
#include "document/JournalFile.h"
#include "document/JournalFormat.h"
#include "document/ScreenMetrics.h"
#include "support/UnwritableFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

JournalEntry Sample() {
    JournalEntry entry;
    entry.record = 12;
    entry.storedDescription = QStringLiteral("Shipping  ");
    entry.description = QStringLiteral("Shipping – Ünïcode = \\ back");
    entry.templateName = QStringLiteral("Address 1 x 2-5/8 (30)");
    entry.geometry = {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "RR", 0.1f, 1e-3f};
    entry.objectsText = QStringLiteral("TYPE=TEXT\r\nTOP=0.100\r\nTEXT=a=b\\c\r\n"
                                       "TYPE=STAR\r\nPOINTS=5\r\n");
    entry.mergeSource = QStringLiteral("/data/odd\nname\r.csv");
    entry.changed = QDateTime(QDate(2026, 12, 9), QTime(14, 32, 5, 123), Qt::UTC);
    return entry;
}

std::string Why(QByteArrayView bytes) {
    QString why;
    EXPECT_FALSE(JournalFormat::Read(bytes, &why).has_value());
    return why.toStdString();
}

} // namespace

TEST(JournalFormat, WritesAndReadsBackEveryValueExactly) {
    const JournalEntry entry = Sample();
    const QByteArray bytes = JournalFormat::Write(entry);
    EXPECT_TRUE(bytes.startsWith("QVRECOVERY 1\nRECORD=12\n"));
    // Line breaks of values are escaped; the objects text stands verbatim.
    EXPECT_TRUE(bytes.contains("MERGE=/data/odd\\nname\\r.csv\n"));
    EXPECT_TRUE(bytes.contains("TEXT=a=b\\c\r\n"));
    QString why;
    const std::optional<JournalEntry> read = JournalFormat::Read(bytes, &why);
    ASSERT_TRUE(read.has_value()) << why.toStdString();
    EXPECT_EQ(*read, entry);

    // A new label, empty strings and no items.
    JournalEntry bare;
    bare.changed = entry.changed;
    const std::optional<JournalEntry> readBare = JournalFormat::Read(JournalFormat::Write(bare));
    ASSERT_TRUE(readBare.has_value());
    EXPECT_EQ(*readBare, bare);
}

TEST(JournalFormat, AnEntryCarriesTheDesignAndItsKeptBlocks) {
    SetScreenPixelsPerInch(96);
    LabelDesign design;
    design.description = QStringLiteral("Parcel");
    design.templateName = QStringLiteral("Shipping 2 x 4");
    design.geometry = Sample().geometry;
    LabelItemValue text = ItemKind(LabelItemKind::Text).newItem();
    text.text = QStringLiteral("To:\tsomeone");
    text.top = 7, text.left = 9, text.width = 40, text.height = 12;
    design.items.push_back({QStringLiteral("Special1"), text});
    design.items.push_back(
        {QStringLiteral("Special2"), ItemKind(LabelItemKind::Ellipse).newItem()});
    design.kept.push_back(
        {QStringLiteral("Special1"), QStringLiteral("LABELITEM=STAR\r\nPOINTS=5\r\n")});
    JournalEntry entry = JournalEntry::Of(design);
    entry.changed = Sample().changed;
    const std::optional<JournalEntry> read = JournalFormat::Read(JournalFormat::Write(entry));
    ASSERT_TRUE(read.has_value());
    // The design comes back as a save and a load of it would: the same stored text.
    const LabelDesign back = read->Design();
    EXPECT_EQ(back.SaveItems(), design.SaveItems());
    EXPECT_EQ(back.items.size(), 2u);
    EXPECT_EQ(back.kept, design.kept);
    EXPECT_EQ(back.description, design.description);
    EXPECT_EQ(back.geometry, design.geometry);
    EXPECT_EQ(read->templateName, design.templateName);
}

TEST(JournalFormat, RefusesEveryCutAndEveryChangedByte) {
    const QByteArray bytes = JournalFormat::Write(Sample());
    for (qsizetype length = 0; length < bytes.size(); ++length)
        ASSERT_FALSE(JournalFormat::Read(bytes.first(length)).has_value()) << length;
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        QByteArray changed = bytes;
        changed[at] = char(changed[at] ^ 0x20);
        ASSERT_FALSE(JournalFormat::Read(changed).has_value()) << at;
    }
    EXPECT_EQ(Why(""), "it is empty");
    EXPECT_EQ(Why(bytes.first(bytes.size() / 2)), "it is cut short");
    EXPECT_EQ(Why(bytes + "x"), "it is cut short");
    QByteArray garbled = bytes;
    garbled[40] = '#';
    EXPECT_EQ(Why(garbled), "its check sum does not match");

    std::mt19937 random(28);
    for (int round = 0; round < 2000; ++round) {
        QByteArray noise(int(random() % 600), Qt::Uninitialized);
        for (char& c : noise)
            c = char(random());
        if (round % 2)
            noise.prepend("QVRECOVERY 1\n");
        ASSERT_FALSE(JournalFormat::Read(noise).has_value());
    }
}

// A journal whose check sum matches but whose lines do not make a label (another version,
// a number that is none) is refused for what it is.
TEST(JournalFormat, NamesWhatIsWrongWithAWholeFile) {
    const auto sealed = [](QByteArray body) {
        const QByteArray hash = QCryptographicHash::hash(body, QCryptographicHash::Md5).toHex();
        return body + "END=" + hash + "\n";
    };
    QByteArray bytes = JournalFormat::Write(Sample());
    QByteArray body = bytes.first(bytes.lastIndexOf("END="));
    EXPECT_TRUE(JournalFormat::Read(sealed(body)).has_value());
    EXPECT_EQ(Why(sealed(QByteArray(body).replace("QVRECOVERY 1", "QVRECOVERY 2"))),
              "it was written by another version of Quorvane");
    EXPECT_EQ(Why(sealed(QByteArray(body).replace("RECORD=12", "RECORD=x"))),
              "its RECORD line is not a number");
    EXPECT_EQ(Why(sealed(QByteArray(body).replace("LBLWIDTH=2.625", "LBLWIDTH=inf"))),
              "its LBLWIDTH line is not a number");
    EXPECT_EQ(Why(sealed(QByteArray(body).replace("TEMPLATE=", "TEMPLATE=\\q"))),
              "its TEMPLATE line is garbled");
    EXPECT_EQ(Why(sealed(QByteArray(body).replace("STORED=", "STORAGE="))),
              "it has no STORED line");
    EXPECT_EQ(Why(sealed(QByteArray(body).replace("DESCRIPT=", "TEMPLATE=x\nDESCRIPT="))),
              "its TEMPLATE line is repeated");
    EXPECT_EQ(Why(sealed(QByteArray(body).replace("OBJECTS=", "OBJECTS=9"))),
              "its objects text is cut short");
}

TEST(JournalFile, ReplacesRemovesAndSetsAsideWhatStandsInItsPlace) {
    QTemporaryDir dir;
    const JournalFile file(dir.path());
    EXPECT_EQ(file.Read().state, JournalFile::Contents::State::Absent);
    QString error;
    ASSERT_TRUE(file.Write("first", error)) << error.toStdString();
    ASSERT_TRUE(file.Write("second", error)) << error.toStdString();
    JournalFile::Contents read = file.Read();
    EXPECT_EQ(read.state, JournalFile::Contents::State::Present);
    EXPECT_EQ(read.bytes, "second");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{JournalFile::FileName});
    EXPECT_EQ(QFile::permissions(file.Path()) & QFile::ReadOther, 0);

    // Set aside twice: each keeps its own name.
    EXPECT_EQ(file.SetAside(), file.Path() + ".damaged");
    ASSERT_TRUE(file.Write("third", error));
    EXPECT_EQ(file.SetAside(), file.Path() + ".damaged-2");
    EXPECT_EQ(file.Read().state, JournalFile::Contents::State::Absent);

    // A leftover temporary goes with the journal.
    ASSERT_TRUE(file.Write("fourth", error));
    QFile leftover(file.Path() + ".tmp");
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    EXPECT_TRUE(file.Remove());
    EXPECT_FALSE(QFile::exists(file.Path()));
    EXPECT_FALSE(QFile::exists(leftover.fileName()));
    EXPECT_TRUE(file.Remove());

    // A folder in the journal's place can neither be read nor written over; set aside, it
    // makes room for the next journal.
    ASSERT_TRUE(QDir(dir.path()).mkdir(JournalFile::FileName));
    read = file.Read();
    EXPECT_EQ(read.state, JournalFile::Contents::State::Unreadable);
    EXPECT_TRUE(read.error.endsWith("is not a file")) << read.error.toStdString();
    EXPECT_FALSE(file.Write("fifth", error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(file.Path() + ".tmp"));
    EXPECT_EQ(file.SetAside(), file.Path() + ".damaged-3");
    EXPECT_TRUE(QFileInfo(file.Path() + ".damaged-3").isDir());
    EXPECT_TRUE(file.Write("sixth", error)) << error.toStdString();
}

TEST(JournalFile, AFolderThatRefusesNewFilesKeepsTheJournalBefore) {
    QTemporaryDir dir;
    const JournalFile file(dir.path());
    QString error;
    ASSERT_TRUE(file.Write("kept", error));
    {
        UnwritableFolder locked(dir.path());
        ASSERT_TRUE(locked.holds()) << locked.why().toStdString();
        EXPECT_FALSE(file.Write("lost", error));
        EXPECT_TRUE(error.startsWith("cannot create")) << error.toStdString();
        EXPECT_EQ(file.Read().bytes, "kept");
    }
}

namespace {
// The writer of the kill test: journals numbered from start on, each announced on fd once
// written.
[[noreturn]] void WriteJournals(const QString& directory, int start, int fd) {
    const JournalFile file(directory);
    JournalEntry entry = Sample();
    // Sizes from a few hundred bytes to some hundred kilobytes, so kills land in every phase.
    for (int n = start;; ++n) {
        entry.description = QString::number(n);
        entry.objectsText = QString(n % 7 * 20000, QLatin1Char('x'));
        QString error;
        if (!file.Write(JournalFormat::Write(entry), error))
            _exit(2);
        const QByteArray line = QByteArray::number(n) + '\n';
        if (::write(fd, line.constData(), size_t(line.size())) < 0)
            _exit(3);
    }
}
} // namespace

// Killed at any moment, the writer leaves the journal it last finished or the one it was
// writing, whole.
TEST(JournalFile, AWriterKilledAtAnyMomentLeavesAWholeJournal) {
    QTemporaryDir dir;
    std::mt19937 random(2812);
    int next = 1;
    for (int round = 0; round < 120; ++round) {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t pid = fork();
        if (pid == 0) {
            ::close(fds[0]);
            WriteJournals(dir.path(), next, fds[1]);
        }
        ::close(fds[1]);
        usleep(1000 + random() % 20000);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        QByteArray log;
        char buffer[4096];
        for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
            log.append(buffer, n);
        ::close(fds[0]);
        int last = next - 1;
        for (const QByteArray& line : log.split('\n'))
            if (!line.isEmpty())
                last = line.toInt();

        const JournalFile::Contents contents = JournalFile(dir.path()).Read();
        if (last == 0 && contents.state == JournalFile::Contents::State::Absent)
            continue; // killed before the first rename
        ASSERT_EQ(contents.state, JournalFile::Contents::State::Present) << round;
        QString why;
        const std::optional<JournalEntry> entry = JournalFormat::Read(contents.bytes, &why);
        ASSERT_TRUE(entry.has_value()) << round << ": " << why.toStdString();
        const int found = entry->description.toInt();
        EXPECT_TRUE(found == last || found == last + 1) << found << " after " << last;
        next = found + 1;
    }
}
