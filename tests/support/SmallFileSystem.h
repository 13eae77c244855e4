#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A file system of a few hundred kilobytes of its own (tmpfs), mounted on a fresh folder
// for as long as the object lives, on which a test can run out of space for real. Mounting
// needs root; Reason() says why there is none otherwise.
class SmallFileSystem {
public:
    explicit SmallFileSystem(int kilobytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    static bool Root();
    bool Mounted() const { return mounted_; }
    const QString& Reason() const { return reason_; }
    QString Path() const { return dir_.path(); }
    QString FilePath(const QString& name) const;

    // Writes bytes to name; false when that does not fit.
    bool Put(const QString& name, const QByteArray& bytes) const;
    // Fills the free space, but for about keepBytes, with a filler file.
    void FillLeaving(qint64 keepBytes) const;
    // The names in the folder, hidden ones too, the filler left out.
    QStringList Names() const;

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString reason_;
};
