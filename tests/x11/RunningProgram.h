#pragma once

#include <QList>
#include <QProcess>
#include <QRect>
#include <QString>

#include <functional>

// The real program started as a user starts it, on the X server the tests run on, with its
// data in a folder of the test's; killed when done. Its windows are found through the X
// server, by title.
class RunningProgram {
public:
    explicit RunningProgram(const QString& dataDirectory);
    ~RunningProgram() { Kill(); }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() { return process_.waitForStarted(10000); }
    void Kill();

    // The top-level windows titled title that are shown, as screen rectangles.
    static QList<QRect> ShownWindows(const char* title);
    // Waits up to 20 s for a shown window of that title whose rectangle passes test; an
    // invalid rectangle when none came.
    static QRect WaitForWindow(const char* title, const std::function<bool(QRect)>& test);
    // The main window and a question, told apart by size.
    static bool IsMainWindow(QRect rect) { return rect.width() >= 600 && rect.height() >= 400; }
    static bool IsQuestion(QRect rect) { return rect.width() < 600 && rect.height() < 300; }

private:
    QProcess process_;
};
