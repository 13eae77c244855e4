#pragma once

#include <QString>

#include <functional>

// Brings a template table of the first layout (twelve fields, the stock sheets of old) up to
// the current one, in place, the first time the table is opened: a verified copy of the old
// files is left beside it (QVLTPL-OLD.DBF and .CDX, or QVLTPL-OLD2... when that name is
// taken by an earlier copy), the new table is written beside it as QVLTPL-NEW.DBF and .CDX
// from the shipped stock catalogue plus every template of the user's (USERDEF true), and only
// then renamed over the old one. A kill at any point leaves either the old table whole or the
// new one in place; an index left from the old table is rebuilt by the engine when the new
// table opens, and leftovers of an unfinished upgrade are cleared by the next one.
class TemplateTableUpgrade {
public:
    static constexpr const char* BackupBaseName = "QVLTPL-OLD";
    static constexpr const char* WorkBaseName = "QVLTPL-NEW";

    // Upgrades the template table of `directory` when it has the first layout. True when
    // the table has the current layout afterwards (or there is no table); false with
    // `detail` set when the upgrade could not be made, in which case the old table stands.
    static bool Run(const QString& directory, QString* detail = nullptr);

    // True when the table at `path` lacks any field of the current layout.
    static bool NeedsUpgrade(const QString& path);

    // Called before every step that writes a file, with the step's name: tests stop the
    // process there to show that no step leaves a broken table.
    static void SetStepHook(std::function<void(const char* step)> hook);

    // The backup that an upgrade made, or would make, in `directory` (QVLTPL-OLD.DBF).
    static QString BackupPath(const QString& directory, int number = 1);
};
