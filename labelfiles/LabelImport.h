#pragma once

#include "labelfiles/LabelFile.h"

#include <QString>

class LabelTable;

// Adds a label read from a file to the label table: its description made unique among the
// stored labels ("Name badges (2)"), its pictures stored in the data directory's pictures/
// folder and its image items pointed at them, then the record appended. A file that cannot be
// taken whole changes nothing: no record is added and no picture is left behind.
class LabelImport {
public:
    struct Outcome {
        bool imported = false;
        QString error;       // why nothing was imported
        QString description; // the description stored
        quint32 record = 0;  // the record appended
    };

    // Pictures larger than this many pixels (width x height) are refused: no screen or printer
    // shows them, and reading one would take a gigabyte.
    static constexpr qint64 MaxPicturePixels = 64LL * 1024 * 1024;

    static Outcome Run(const LabelFile& file, LabelTable& table, const QString& dataDirectory);

    // The first of description, "description (2)", "description (3)" ... that names no stored
    // label, cut so that the number is kept in the stored description.
    static QString UniqueDescription(const QString& description, LabelTable& table);
    // The objects text with every FILENAMEANDPATH line naming `from` made to name `to`.
    static QString ReplacePicturePath(const QString& objectsText, const QString& from,
                                      const QString& to);
    // Why a picture's bytes are refused, or "" when they are fine.
    static QString PictureProblem(const EmbeddedPicture& picture);
};
