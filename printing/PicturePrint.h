#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include "controls/Picture.h"

class TBaseReport;
struct PrintItemValue;

// The pictures of one job: image items whose file names hold merge fields ("photos/{Id}.jpg")
// name another file on every label, while a logo names the same one on all of them. Each file
// is read once per job (a bounded number of them kept), relative names are found in the
// job's folders, and an item whose file cannot be read prints a placeholder and says why.
class PicturePrint {
public:
    // folders: where a relative name is looked for, in order (the merge source's folder, the
    // data directory).
    explicit PicturePrint(QStringList folders) : folders_(std::move(folders)) {}

    // Draws the item's picture from fileName (its fields already filled in): stretched to the
    // item's box, or with FIT scaled into it keeping its proportions, centred. Returns "" or
    // why nothing but a placeholder was drawn ("cannot read photos/7.jpg: no such file").
    QString Draw(TBaseReport& report, const PrintItemValue& item, const QString& fileName);

    // The file a name stands for: an absolute name as it is; a relative one in the first
    // folder that holds it (or in the first folder when none does, for the message).
    QString Resolve(const QString& fileName) const;

private:
    struct Loaded {
        Picture picture;
        QString error;
    };
    const Loaded& Load(const QString& path);
    static void DrawPlaceholder(TBaseReport& report, const PrintItemValue& item);

    QStringList folders_;
    QHash<QString, Loaded> loaded_;
};
