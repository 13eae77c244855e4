#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

// quorvane-batch run as a separate process, as a user or a script runs it.
struct BatchResult {
    int exitCode = -1; // -2: ended by a signal
    QString out;
    QString err;
    QByteArray outBytes;
};

inline QString BatchProgram() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../../app/quorvane-batch");
}

// whileRunning, when given, is called once the process has started, with the process.
inline BatchResult RunBatch(const QStringList& arguments,
                            const std::function<void(QProcess&)>& whileRunning = {}) {
    QProcess process;
    process.setProgram(BatchProgram());
    process.setArguments(arguments);
    process.start();
    BatchResult result;
    if (!process.waitForStarted(30000))
        return result;
    if (whileRunning)
        whileRunning(process);
    if (!process.waitForFinished(120000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.outBytes = process.readAllStandardOutput();
    result.out = QString::fromUtf8(result.outBytes);
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}
