#pragma once

#include <QByteArray>
#include <QString>

// The recovery journal's file in the data directory, QVRECOV.JNL. Every write replaces the
// whole file so that it survives a kill or a power cut at any moment: the bytes go to
// QVRECOV.JNL.tmp, which is flushed to the disk, renamed over the journal, and the folder
// flushed in turn. A reader therefore finds either the journal before the write or the one
// after it, never a mixture.
class JournalFile {
public:
    static const QString FileName;

    // directory is the data directory.
    explicit JournalFile(const QString& directory);

    QString Path() const { return path_; }

    // Replaces the journal by bytes. False when that failed, with error saying why; the
    // journal there before is then whole as it was.
    bool Write(const QByteArray& bytes, QString& error) const;

    struct Contents {
        enum class State {
            Absent,     // no journal: the last run ended cleanly (or saved)
            Present,    // bytes holds it
            Unreadable, // something stands there that cannot be read as a file: error says
        };
        State state = State::Absent;
        QByteArray bytes;
        QString error;
    };
    Contents Read() const;

    // Removes the journal and a temporary one left behind; true when none is left.
    bool Remove() const;

    // Moves whatever stands at the journal's place (a damaged file, a folder) aside, to the
    // first free name of QVRECOV.JNL.damaged, QVRECOV.JNL.damaged-2, ...; returns the new
    // path, or empty when it could not be moved.
    QString SetAside() const;

private:
    QString directory_;
    QString path_;
};
