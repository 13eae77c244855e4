#include "RunningProgram.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <csignal>

RunningProgram::RunningProgram(const QString& dataDirectory) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUORVANE_HOME"), dataDirectory);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.start(QStringLiteral(QV_PROGRAM), {});
}

void RunningProgram::Kill() {
    if (process_.state() == QProcess::NotRunning)
        return;
    ::kill(pid_t(process_.processId()), SIGKILL);
    process_.waitForFinished(10000);
}

QList<QRect> RunningProgram::ShownWindows(const char* title) {
    QList<QRect> found;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return found;
    const std::function<void(Window)> visit = [&](Window window) {
        char* name = nullptr;
        XWindowAttributes attributes;
        if (XFetchName(display, window, &name) && name) {
            if (qstrcmp(name, title) == 0 && XGetWindowAttributes(display, window, &attributes) &&
                attributes.map_state == IsViewable) {
                int x = 0, y = 0;
                Window child;
                XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y,
                                      &child);
                found << QRect(x, y, attributes.width, attributes.height);
            }
            XFree(name);
        }
        Window root, parent, *children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display, window, &root, &parent, &children, &count)) {
            for (unsigned i = 0; i < count; ++i)
                visit(children[i]);
            if (children)
                XFree(children);
        }
    };
    visit(DefaultRootWindow(display));
    XCloseDisplay(display);
    return found;
}

QRect RunningProgram::WaitForWindow(const char* title, const std::function<bool(QRect)>& test) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        for (const QRect& rect : ShownWindows(title))
            if (test(rect))
                return rect;
        QTest::qWait(50);
    }
    return {};
}
