#pragma once

#include "labelfiles/LabelFile.h"
#include "storage/LabelTemplate.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// A gLabels 3 document (*.glabels: XML, usually gzip-compressed) read into a label of ours:
// its sheet as a template, its objects as items of a LabelDesign (text, box, ellipse, line,
// image, barcode; positions, sizes, colours, turns), `${Field}` merge fields as `{Field}`, a
// CSV merge source as the label's, and the pictures it names or embeds. What cannot be carried
// over is listed, never dropped silently.
class GlabelsDocument {
public:
    struct Read {
        std::optional<LabelFile> file;
        std::optional<LabelTemplate> sheet;
        QStringList notCarried;
        QString error;
    };

    // Limits against hostile files: an unpacked document, and the nesting of its elements.
    static constexpr qint64 MaxUnpackedBytes = 64 * 1024 * 1024;
    static constexpr int MaxDepth = 64;

    // True for bytes that look like a gLabels document: gzip data, or XML whose root is
    // <Glabels-document>.
    static bool Recognises(const QByteArray& bytes);
    // folder resolves pictures named relative to the document; name becomes the label's
    // description.
    static Read FromBytes(const QByteArray& bytes, const QString& folder, const QString& name);

    // Unpacks gzip data, refusing more than MaxUnpackedBytes; plain bytes are returned as
    // they are. False with error set for damaged data.
    static bool Unpack(const QByteArray& bytes, QByteArray& xml, QString& error);
};
