#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <utility>
#include <vector>
#include <zip.h>

// Writes zip packages for the readers' tests: parts given as text, deflated (or stored),
// so that a test controls every byte of the XML.
class PackageWriter {
public:
    using Parts = std::vector<std::pair<QString, QByteArray>>;

    // The package's path inside the writer's temporary folder.
    QString Write(const QString& name, const Parts& parts, bool stored = false) {
        const QString path = dir_.filePath(name);
        int error = 0;
        zip_t* zip = zip_open(path.toUtf8().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        if (!zip)
            return {};
        for (const auto& [part, bytes] : parts) {
            keep_.push_back(bytes);
            zip_source_t* source = zip_source_buffer(zip, keep_.back().constData(),
                                                     zip_uint64_t(keep_.back().size()), 0);
            const zip_int64_t index =
                zip_file_add(zip, part.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
            zip_set_file_compression(zip, zip_uint64_t(index),
                                     stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, stored ? 0 : 9);
        }
        zip_close(zip);
        keep_.clear();
        return path;
    }

    // A minimal workbook of one sheet whose <sheetData> holds rows, with shared strings and
    // styles parts when given.
    QString Workbook(const QString& name, const QByteArray& rows, const QByteArray& strings = {},
                     const QByteArray& styles = {}, const QByteArray& afterData = {}) {
        QByteArray rels = "<?xml version=\"1.0\"?><Relationships xmlns=\"" + kRels +
                          "\">"
                          "<Relationship Id=\"r1\" Type=\"" +
                          kOffice +
                          "worksheet\" "
                          "Target=\"worksheets/sheet1.xml\"/>";
        Parts parts = {
            {"_rels/.rels", "<?xml version=\"1.0\"?><Relationships xmlns=\"" + kRels +
                                "\"><Relationship Id=\"rId1\" Type=\"" + kOffice +
                                "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
            {"xl/workbook.xml",
             "<?xml version=\"1.0\"?><workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kOffice +
                 "\"><sheets><sheet name=\"Data\" sheetId=\"1\" r:id=\"r1\"/></sheets></workbook>"},
            {"xl/worksheets/sheet1.xml", "<?xml version=\"1.0\"?><worksheet xmlns=\"" + kMain +
                                             "\"><sheetData>" + rows + "</sheetData>" + afterData +
                                             "</worksheet>"}};
        if (!strings.isEmpty()) {
            rels += "<Relationship Id=\"r2\" Type=\"" + kOffice +
                    "sharedStrings\" Target=\"sharedStrings.xml\"/>";
            parts.push_back({"xl/sharedStrings.xml", "<?xml version=\"1.0\"?><sst xmlns=\"" +
                                                         kMain + "\">" + strings + "</sst>"});
        }
        if (!styles.isEmpty()) {
            rels +=
                "<Relationship Id=\"r3\" Type=\"" + kOffice + "styles\" Target=\"styles.xml\"/>";
            parts.push_back({"xl/styles.xml", "<?xml version=\"1.0\"?><styleSheet xmlns=\"" +
                                                  kMain + "\">" + styles + "</styleSheet>"});
        }
        parts.push_back({"xl/_rels/workbook.xml.rels", rels + "</Relationships>"});
        return Write(name, parts);
    }

    // A one-table spreadsheet whose <table:table> holds body.
    QString Spreadsheet(const QString& name, const QByteArray& body) {
        return Write(name,
                     {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                      {"content.xml",
                       "<?xml version=\"1.0\"?><office:document-content "
                       "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                       "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
                       "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
                       "<office:spreadsheet><table:table table:name=\"Data\">" +
                           body +
                           "</table:table></office:spreadsheet></office:body>"
                           "</office:document-content>"}});
    }

    QString Path(const QString& name) const { return dir_.filePath(name); }

    inline static const QByteArray kRels =
        "http://schemas.openxmlformats.org/package/2006/relationships";
    inline static const QByteArray kOffice =
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    inline static const QByteArray kMain =
        "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

private:
    QTemporaryDir dir_;
    std::vector<QByteArray> keep_;
};
