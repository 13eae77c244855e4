#include "StagedOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

StagedOutput::~StagedOutput() {
    Discard();
}

QString StagedOutput::Stage(const QString& target) {
    const QFileInfo info(target);
    const QString temporary = info.dir().filePath(QStringLiteral(".%1.%2.partial")
                                                      .arg(info.fileName())
                                                      .arg(QCoreApplication::applicationPid()));
    targets_ << target;
    temporaries_ << temporary;
    return temporary;
}

bool StagedOutput::Commit(QString& error) {
    while (!temporaries_.isEmpty()) {
        const QString temporary = temporaries_.takeFirst(), target = targets_.takeFirst();
        // rename(2) replaces an existing target in one step; QFile::rename would refuse it.
        if (std::rename(QFile::encodeName(temporary).constData(),
                        QFile::encodeName(target).constData()) != 0) {
            error = QStringLiteral("cannot write %1: %2").arg(target, strerror(errno));
            QFile::remove(temporary);
            Discard();
            return false;
        }
    }
    return true;
}

void StagedOutput::Discard() {
    for (const QString& temporary : temporaries_)
        QFile::remove(temporary);
    temporaries_.clear();
    targets_.clear();
}
