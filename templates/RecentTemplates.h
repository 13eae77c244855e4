#pragma once

#include <QString>
#include <QStringList>

// The templates used lately, the latest first, kept in QV.INI of the data directory
// (section "Templates", key "Recent"); the catalogue lists them before the others.
class RecentTemplates {
public:
    static constexpr int Kept = 8;

    explicit RecentTemplates(const QString& dataDirectory);

    QStringList Names() const;
    // Puts `name` first (once); false when QV.INI could not be written.
    bool Remember(const QString& name);

private:
    QString fileName_;
};
