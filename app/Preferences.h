#pragma once

#include <QString>

#include "app/WindowPlacement.h"
#include "merge/MergeSourceMemory.h"

#include <optional>

// QV.INI in the data directory: section "Remember", key "LastUse", the record number
// of the label that was current when the program last closed.
class Preferences : public MergeSourceMemory {
public:
    explicit Preferences(const QString& dataDirectory);

    QString FileName() const { return fileName_; }
    // Removes the lock file of QV.INI that a program killed while writing it left empty. Qt
    // takes an empty lock file for a live writer's until it is 30 seconds old, so every write
    // (and the start, which names the label shown) would wait that long. Called at start.
    void RemoveAbandonedLock() const;
    int ReadLastUse() const; // 0 when the file or the key is missing or not a number
    bool WriteLastUse(int recordNumber) const;
    // Key "ImageFolder" of the same section: the folder the image browser was last left at.
    QString ReadImageFolder() const;
    bool WriteImageFolder(const QString& folder) const;
    // Section "Window": the main window's place when it last closed, keys "Left", "Top",
    // "Width", "Height" (its contents when not maximised, pixels) and "Maximized" (true or
    // false). None when a key is missing or not a number.
    std::optional<WindowPlace> ReadWindowPlace() const;
    bool WriteWindowPlace(const WindowPlace& place) const;
    // Section "Merge": the merge source kept for a label, by its description (case-blind);
    // writing an empty file name removes the entry.
    QString ReadMergeSource(const QString& description) const override;
    bool WriteMergeSource(const QString& description, const QString& fileName) const override;
    // Section "View": what the design area shows, "Rulers" and "SafeArea" (true or false);
    // fallback when the file or the key is missing.
    bool ReadViewSetting(const QString& key, bool fallback) const;
    bool WriteViewSetting(const QString& key, bool on) const;

private:
    QString fileName_;
};
