// Writes the stock template table (QVLTPL.DBF with its index QVLTPL.CDX) from the text
// source of truth, templates/stock-templates.csv (itself written from gLabels' template files
// by templates/tools/make_stock_catalogue), using the program's own table engine.
// Run by the build; the result is shipped inside the program and copied to a user's data
// directory only when that directory has no template table yet.
//
// usage: make_stock_templates <stock-templates.csv> <output directory>

#include "storage/TableSchemas.h"
#include "storage/dbf/Table.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// One CSV record: fields separated by commas, a field in double quotes may hold commas and
// doubled quotes ("").
std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c != '\r') {
            fields.back() += c;
        }
    }
    if (quoted)
        throw std::runtime_error("unterminated quoted field");
    return fields;
}

double ParseNumber(const std::string& text) {
    std::size_t used = 0;
    const double value = std::stod(text, &used);
    if (used != text.size())
        throw std::runtime_error("not a number: " + text);
    return value;
}

void WriteRow(dbf::Table& table, const std::vector<std::string>& header,
              const std::vector<std::string>& row) {
    if (row.size() != header.size())
        throw std::runtime_error("expected " + std::to_string(header.size()) + " fields, got " +
                                 std::to_string(row.size()));
    table.append();
    for (std::size_t i = 0; i < row.size(); ++i) {
        const dbf::FieldDef& field = table.fields().at(table.fieldIndex(header[i]));
        switch (field.type) {
        case 'C':
            if (row[i].size() > static_cast<std::size_t>(field.length))
                throw std::runtime_error(header[i] + " longer than " +
                                         std::to_string(field.length) + " bytes: " + row[i]);
            table.setText(field.name, row[i]);
            break;
        case 'N':
            if (row[i].empty())
                table.setBlank(field.name); // a sheet size its paper code already tells
            else
                table.setFloat(field.name, ParseNumber(row[i]));
            break;
        case 'L':
            if (row[i] != "T" && row[i] != "F")
                throw std::runtime_error(header[i] + " must be T or F: " + row[i]);
            table.setLogical(field.name, row[i] == "T");
            break;
        default:
            throw std::runtime_error("unexpected field type in " + header[i]);
        }
    }
    table.post();
}

void Build(const std::string& csvPath, const std::filesystem::path& outDir) {
    std::ifstream in(csvPath);
    if (!in)
        throw std::runtime_error("cannot read " + csvPath);
    std::filesystem::create_directories(outDir);
    const std::filesystem::path dbfPath = outDir / TemplateTableFileName;
    std::filesystem::remove(dbfPath);
    std::filesystem::remove(outDir / TemplateIndexFileName);
    dbf::Table::create(dbfPath.string(), TemplateTableFields());
    auto table = dbf::Table::open(dbfPath.string());
    table->setSyncWrites(false);

    std::vector<std::string> header;
    std::string line;
    int lineNumber = 0;
    int rows = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        try {
            if (header.empty()) {
                header = SplitCsvLine(line);
                for (const std::string& name : header)
                    if (table->fieldIndex(name) < 0)
                        throw std::runtime_error("unknown column " + name);
                if (header.size() != table->fields().size())
                    throw std::runtime_error("every column of the table is needed");
                continue;
            }
            WriteRow(*table, header, SplitCsvLine(line));
            ++rows;
        } catch (const std::exception& e) {
            throw std::runtime_error(csvPath + ":" + std::to_string(lineNumber) + ": " + e.what());
        }
    }
    table->createIndexTag(TemplateTableTag, TemplateTableTagExpression);
    table->flush();
    table->close();
    std::cout << "stock templates: " << rows << " written to " << dbfPath.string() << "\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_stock_templates <stock-templates.csv> <output directory>\n";
        return 2;
    }
    try {
        Build(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "make_stock_templates: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
