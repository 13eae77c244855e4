#pragma once

#include "document/SheetGeometry.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// One picture a label file carries: the path the objects text names it by (as it was on the
// machine that wrote the file), the plain file name it is stored under, and its bytes.
struct EmbeddedPicture {
    QString path;
    QString name;
    QByteArray data;
    bool operator==(const EmbeddedPicture&) const = default;
};

// A label as one file (.qvlabel) that opens complete on any machine: its description, the
// template's name and full geometry, the objects text as stored, the merge source's name and
// the pictures its image items show. The file is UTF-8 JSON (README, "Label files").
struct LabelFileRead;

struct LabelFile {
    static constexpr const char* FormatName = "quorvane-label";
    static constexpr int Version = 1;
    // Larger files are refused before they are read: far beyond any label with its pictures.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
    static constexpr int MaxPictures = 1000; // one per image item at most

    CurrentLabel label;
    QString objectsText; // every line ended by CR LF, as the label table stores it
    QString mergeSource; // the merge source's address ("" without one)
    std::vector<EmbeddedPicture> pictures;

    bool operator==(const LabelFile&) const = default;

    // The file's bytes. Geometry numbers are written in their shortest form that reads back
    // as the same single-precision value.
    QByteArray Write() const;

    // Reads and checks everything before anything is used: the format and version, the
    // geometry against what the label table can hold, the objects text's lines, and every
    // picture's name (a plain file name, never a path) and data (base64).
    static LabelFileRead FromBytes(const QByteArray& bytes);

    // Why the label table cannot hold this geometry ("" when it can): lengths within its
    // fields, a label of some size, 1 to 99 labels across and down, a known paper and shape.
    static QString GeometryProblem(const SheetGeometry& geometry);

    // True for a name a picture may be stored under in the pictures folder: a plain file
    // name, no folder part, no "..", no control characters, not hidden.
    static bool IsPlainFileName(const QString& name);
};

struct LabelFileRead {
    std::optional<LabelFile> file;
    QString error; // why the bytes are no label file this version can open
};
