#include "printing/PartialFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The list the signal handler walks. Slots are taken and given back with atomic exchanges,
// so the handler, on whichever thread it runs, sees either a whole name or none. A name
// given back while the handler runs is not freed: the handler may be reading it, and the
// process ends anyway.
constexpr std::size_t kSlots = 16384;
std::array<std::atomic<char*>, kSlots> partialNames{};
std::atomic<bool> handling{false};

void RemoveListedAndDie(int signalNumber) {
    handling.store(true);
    for (std::atomic<char*>& slot : partialNames)
        if (const char* path = slot.load())
            ::unlink(path);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

const QRegularExpression& PartialName() {
    static const QRegularExpression pattern(
        QStringLiteral("^\\..+\\.quorvane-([0-9]{1,10})\\.partial$"));
    return pattern;
}

bool Running(long long pid) {
    if (pid <= 0 || pid > 0x7fffffff)
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

} // namespace

QString PartialFiles::NameFor(const QString& target) {
    const QFileInfo info(target);
    return info.dir().filePath(QStringLiteral(".%1.quorvane-%2.partial")
                                   .arg(info.fileName())
                                   .arg(QCoreApplication::applicationPid()));
}

void PartialFiles::Add(const QString& path) {
    char* copy = ::strdup(QFile::encodeName(path).constData());
    for (std::atomic<char*>& slot : partialNames) {
        char* expected = nullptr;
        if (slot.load() == nullptr && slot.compare_exchange_strong(expected, copy))
            return;
    }
    // More partial files than partialNames: this one is left to the next run's clean-up.
    std::free(copy);
}

void PartialFiles::Remove(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    for (std::atomic<char*>& slot : partialNames) {
        const char* listed = slot.load();
        if (!listed || name != listed)
            continue;
        char* taken = slot.exchange(nullptr);
        if (!handling.load())
            std::free(taken);
        return;
    }
}

void PartialFiles::InstallSignalCleanup() {
    struct sigaction action {};
    action.sa_handler = RemoveListedAndDie;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signalNumber, &action, nullptr);
}

int PartialFiles::RemoveStale(const QString& folder) {
    int removed = 0;
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList names =
        dir.entryList({QStringLiteral(".*.partial")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = PartialName().match(name);
        if (!match.hasMatch() || Running(match.captured(1).toLongLong()))
            continue;
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid())
            continue;
        if (::unlink(path.constData()) == 0)
            ++removed;
    }
    return removed;
}
