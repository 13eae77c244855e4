#include "TerminalPasswords.h"

#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <termios.h>
#include <unistd.h>

#include "merge/sql/DatabaseConnection.h"

std::optional<QString> TerminalPasswords::Password(const DatabaseConnection& connection,
                                                   const QString& refusal) {
    if (!isatty(STDIN_FILENO) || !isatty(STDERR_FILENO))
        return std::nullopt;
    if (!refusal.isEmpty())
        std::fprintf(stderr, "quorvane-batch: %s\n", refusal.toLocal8Bit().constData());
    const QString prompt =
        connection.user.isEmpty()
            ? QCoreApplication::translate("TerminalPasswords", "Password for %1: ")
                  .arg(connection.Describe())
            : QCoreApplication::translate("TerminalPasswords", "Password for %1 (user %2): ")
                  .arg(connection.Describe(), connection.user);
    std::fputs(prompt.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    termios saved{};
    const bool quiet = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (quiet) {
        termios silent = saved;
        silent.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    }
    std::string line;
    int c = 0;
    while ((c = std::getchar()) != EOF && c != '\n')
        line.push_back(char(c));
    if (quiet)
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::fputc('\n', stderr);
    if (c == EOF && line.empty())
        return std::nullopt;
    return QString::fromLocal8Bit(line.data(), qsizetype(line.size()));
}
