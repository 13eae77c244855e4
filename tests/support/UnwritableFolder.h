#pragma once

#include <QString>

// Makes a folder refuse new, renamed and deleted entries for as long as the object lives,
// for the root user too: its mode becomes read-only and, as root (who ignores modes), the
// folder is also marked immutable. Files already in it stay writable. The folder is put
// back as it was on destruction.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const QString& folder);
    ~UnwritableFolder();
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;

    // True when creating a file in the folder really fails; else why() says what was tried.
    bool holds() const { return why_.isEmpty(); }
    const QString& why() const { return why_; }

private:
    void SetImmutable(bool on);

    QString folder_;
    QString why_;
    bool immutable_ = false;
};
