#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The pictures/ folder of the data directory, where imported labels keep the pictures they
// brought. A picture is stored under its own file name; a file of that name with the same
// bytes is the same picture and is used again; one with other bytes leaves the name to it and
// the new picture becomes "logo (2).png". Files written are remembered so that an import that
// fails afterwards takes them away again.
class PictureFolder {
public:
    explicit PictureFolder(const QString& dataDirectory);

    QString Path() const { return path_; }

    // Stores bytes as a file named like name (a plain file name, checked by the caller);
    // returns its full path, or "" with error set when the folder or file cannot be written.
    QString Store(const QString& name, const QByteArray& bytes, QString& error);
    // Removes the files this folder wrote (an import that failed after storing them).
    void RemoveWritten();

private:
    QString path_;
    QStringList written_;
};
