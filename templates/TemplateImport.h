#pragma once

#include "templates/ReadTemplates.h"

#include <QString>
#include <QStringList>

class TemplateTable;

// "Import Templates...": reads a gLabels template file (*-templates.xml) or LibreOffice's
// label list (labels.xml) and stores each template in it as a template of the user's. A name
// already in the table (without regard to case) is never overwritten: that template is
// skipped and reported, as is one that breaks the sheet rules.
class TemplateImport {
public:
    struct Outcome {
        QString error; // the file cannot be read or holds no templates of a known kind
        QStringList imported;
        QVector<ReadTemplates::Skipped> skipped;
        QStringList notes;
        // The message that tells the person what happened, naming the file.
        QString Summary(const QString& fileName) const;
    };

    static constexpr const char* AlreadyPresent = "a template of this name is already present";

    // Reads `path` as whichever of the two kinds it is.
    static ReadTemplates ReadFile(const QString& path);
    // Reads `path` and appends its templates to `table` (posted one by one).
    static Outcome ImportFile(const QString& path, TemplateTable& table);
};
