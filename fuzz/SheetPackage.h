#pragma once

// Packs fuzz bytes as the parts of a spreadsheet package, so that the fuzzer works on the
// XML the readers parse rather than on the zip container: the input is split at NUL bytes,
// and each piece becomes the next of the given parts (stored, not deflated).
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <vector>
#include <zip.h>

inline QByteArray SheetPackage(const uint8_t* data, size_t size,
                               const std::vector<std::pair<QString, QByteArray>>& fixed,
                               const QStringList& fuzzed) {
    std::vector<QByteArray> pieces;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const QByteArray& piece : input.split('\0'))
        if (qsizetype(pieces.size()) < fuzzed.size())
            pieces.push_back(piece);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(source);
    zip_t* zip = zip_open_from_source(source, ZIP_TRUNCATE, &error);
    const auto add = [&](const QString& name, const QByteArray& bytes) {
        zip_source_t* part =
            zip_source_buffer(zip, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        const zip_int64_t index = zip_file_add(zip, name.toUtf8().constData(), part, 0);
        zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_STORE, 0);
    };
    for (const auto& [name, bytes] : fixed)
        add(name, bytes);
    for (std::size_t i = 0; i < pieces.size(); ++i)
        add(fuzzed[qsizetype(i)], pieces[i]);
    zip_close(zip);
    QByteArray package;
    zip_stat_t stat;
    if (zip_source_stat(source, &stat) == 0 && zip_source_open(source) == 0) {
        package.resize(qsizetype(stat.size));
        zip_source_read(source, package.data(), stat.size);
        zip_source_close(source);
    }
    zip_source_free(source);
    zip_error_fini(&error);
    return package;
}
