#pragma once

#include "labelfiles/LabelFile.h"

#include <QStringList>

// The label file of a label as it stands: its geometry as the label table stores it (three
// decimals), its objects text as written, and every picture an
// image item names read into the file. Two pictures of one file name from different folders
// are told apart as "logo.png" and "logo (2).png".
class LabelExport {
public:
    struct Built {
        LabelFile file;
        QStringList missing; // pictures named by an item that could not be read, with the reason
    };
    static Built Build(const CurrentLabel& label, const QString& objectsText,
                       const QString& mergeSource);

    // The file names image items name in objectsText, in order, each once.
    static QStringList PicturePaths(const QString& objectsText);

    // Writes bytes to path whole or not at all (a temporary file renamed over it); "" when
    // done, else why not.
    static QString WriteFile(const QString& path, const QByteArray& bytes);
};
