#pragma once

#include "labelfiles/LabelFile.h"
#include "storage/LabelTemplate.h"

#include <QString>
#include <QStringList>

#include <optional>

// A label document opened from a file, whichever kind it is: a Quorvane label file
// (.qvlabel) or a gLabels 3 document (.glabels, gzip-compressed or plain XML).
struct LabelDocument {
    std::optional<LabelFile> file;
    // A gLabels document's own sheet, to be found in the catalogue or added as the user's.
    std::optional<LabelTemplate> sheet;
    QStringList notCarried; // what the document holds that the label could not take over
    QString error;          // why the file cannot be opened; the file is then not used at all

    // Reads the file at path. Files larger than LabelFile::MaxFileBytes are refused unread.
    static LabelDocument Open(const QString& path);
    // The same, for bytes already read; folder resolves pictures named relatively, and name
    // (the file's base name) describes a document that names no description of its own.
    static LabelDocument FromBytes(const QByteArray& bytes, const QString& folder,
                                   const QString& name);

    // The file dialog's filters.
    static QStringList NameFilters();
};
