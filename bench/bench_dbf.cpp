// Times the table engine on a label table of 100,000 labels: create, append, index, open,
// walk in index order, seek a description, post one change, pack.
#include "storage/dbf/Table.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::vector<dbf::FieldDef> labelTable() {
    return {{"DESCRIPT", 'C', 30, 0}, {"TEMPLATE", 'C', 60, 0},  {"LBLHEIGHT", 'N', 6, 3},
            {"LBLWIDTH", 'N', 6, 3},  {"NBRACROSS", 'N', 2, 0},  {"NBRDOWN", 'N', 2, 0},
            {"TOPMARG", 'N', 6, 3},   {"LEFTMARG", 'N', 6, 3},   {"HORIZPITCH", 'N', 6, 3},
            {"VERTPITCH", 'N', 6, 3}, {"SHEETWIDTH", 'N', 6, 3}, {"SHEETDEPTH", 'N', 6, 3},
            {"PAPERSIZE", 'C', 5, 0}, {"LBLSHAPE", 'C', 2, 0},   {"OBJECTS", 'M', 10, 0}};
}

std::string description(unsigned i) {
    // Scrambled so that appends do not arrive in key order.
    unsigned k = (i * 2654435761u) % 1000003u;
    return (k % 2 ? "Shipping label " : "address label ") + std::to_string(k);
}

} // namespace

int main(int argc, char** argv) {
    unsigned count = argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 100000;
    std::string pattern = (std::filesystem::temp_directory_path() / "qvbench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return 1;
    std::string path = pattern + "/QVLBLS.DBF";
    std::string objects = "TYPE=TEXT\r\nLEFT=0.125\r\nTOP=0.250\r\nTEXT=Sample text\r\n"
                          "FONTNAME=Arial\r\nFONTSIZE=12\r\nFONTCOLOR=0\r\nROTATION=0\r\n";

    auto start = Clock::now();
    dbf::Table::create(path, labelTable());
    auto t = dbf::Table::open(path);
    t->setSyncWrites(false);
    for (unsigned i = 0; i < count; ++i) {
        t->append();
        t->setText("DESCRIPT", description(i));
        t->setText("TEMPLATE", "Avery 5160 Address 1 x 2-5/8");
        t->setFloat("LBLHEIGHT", 1.0);
        t->setFloat("LBLWIDTH", 2.625);
        t->setInteger("NBRACROSS", 3);
        t->setInteger("NBRDOWN", 10);
        t->setFloat("TOPMARG", 0.5);
        t->setFloat("LEFTMARG", 0.188);
        t->setFloat("HORIZPITCH", 2.75);
        t->setFloat("VERTPITCH", 1.0);
        t->setText("PAPERSIZE", "LTR");
        t->setText("LBLSHAPE", "RR");
        t->setMemo("OBJECTS", objects);
        t->post();
    }
    t->flush();
    std::printf("create + append %u labels: %8.1f ms\n", count, msSince(start));

    start = Clock::now();
    t->createIndexTag("DESCRIPT", "upper(DESCRIPT)");
    std::printf("index tag DESCRIPT:            %8.1f ms\n", msSince(start));
    t->setSyncWrites(true);
    t.reset();

    start = Clock::now();
    t = dbf::Table::open(path);
    std::printf("open (exclusive, index check): %8.1f ms\n", msSince(start));
    start = Clock::now();
    auto reader = dbf::Table::open(path, dbf::Mode::ReadOnly);
    std::printf("open (read-only):              %8.1f ms\n", msSince(start));
    reader.reset();

    start = Clock::now();
    unsigned visited = 0;
    for (t->first(); !t->eof(); t->next()) {
        t->getText("DESCRIPT");
        ++visited;
    }
    std::printf("walk %u in index order:     %8.1f ms\n", visited, msSince(start));

    std::string wanted = description(count / 2);
    start = Clock::now();
    bool found = t->seek(wanted);
    double one = msSince(start);
    start = Clock::now();
    for (unsigned i = 0; i < 1000; ++i)
        found = t->seek(description(i * 97 % count)) && found;
    std::printf("seek a description:            %8.3f ms (1000 seeks: %.3f ms each, %s)\n", one,
                msSince(start) / 1000, found ? "all found" : "NOT FOUND");

    start = Clock::now();
    t->seek(wanted);
    t->edit();
    t->setText("DESCRIPT", "aaa renamed label");
    t->setMemo("OBJECTS", objects + "TYPE=RECT\r\n");
    t->post();
    std::printf("post one edit (flushed):       %8.1f ms\n", msSince(start));

    t->setSyncWrites(false); // the deletes only prepare the pack
    for (unsigned r = 1; r <= count; r += 100) {
        t->go(r);
        t->deleteRecord();
    }
    t->setSyncWrites(true);
    start = Clock::now();
    t->pack();
    std::printf("pack (%u records left):     %8.1f ms\n", t->recordCount(), msSince(start));
    t.reset();
    if (!std::getenv("QV_BENCH_KEEP"))
        std::filesystem::remove_all(pattern);
    else
        std::printf("kept %s\n", path.c_str());
    return 0;
}
