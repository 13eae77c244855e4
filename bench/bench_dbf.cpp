// Times the table engine on a label table of 100,000 labels: create, append, index, open,
// walk in index order, seek a description, post one change, pack.
#include "storage/dbf/Table.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// Wall time and this process's processor time: on a shared, busy machine the second tells
// what the engine itself costs.
struct Stamp {
    std::chrono::steady_clock::time_point wall;
    double cpu;
    static Stamp now() {
        timespec ts{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        return {std::chrono::steady_clock::now(), ts.tv_sec * 1e3 + ts.tv_nsec / 1e6};
    }
};

struct Clock {
    static Stamp now() { return Stamp::now(); }
};

std::string msSince(const Stamp& start) {
    Stamp end = Stamp::now();
    char text[64];
    std::snprintf(text, sizeof text, "%8.1f ms (cpu %7.1f ms)",
                  std::chrono::duration<double, std::milli>(end.wall - start.wall).count(),
                  end.cpu - start.cpu);
    return text;
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
    std::printf("create + append %u labels: %s\n", count, msSince(start).c_str());

    start = Clock::now();
    t->createIndexTag("DESCRIPT", "upper(DESCRIPT)");
    std::printf("index tag DESCRIPT:            %s\n", msSince(start).c_str());
    t->setSyncWrites(true);
    t.reset();

    start = Clock::now();
    t = dbf::Table::open(path);
    std::printf("open (exclusive, index check): %s\n", msSince(start).c_str());
    start = Clock::now();
    auto reader = dbf::Table::open(path, dbf::Mode::ReadOnly);
    std::printf("open (read-only):              %s\n", msSince(start).c_str());
    reader.reset();

    start = Clock::now();
    unsigned visited = 0;
    for (t->first(); !t->eof(); t->next()) {
        t->getText("DESCRIPT");
        ++visited;
    }
    std::printf("walk %u in index order:     %s\n", visited, msSince(start).c_str());

    std::string wanted = description(count / 2);
    start = Clock::now();
    bool found = t->seek(wanted);
    std::string one = msSince(start);
    start = Clock::now();
    for (unsigned i = 0; i < 1000; ++i)
        found = t->seek(description(i * 97 % count)) && found;
    std::printf("seek a description:            %s; 1000 more seeks: %s (%s)\n", one.c_str(),
                msSince(start).c_str(), found ? "all found" : "NOT FOUND");

    start = Clock::now();
    t->seek(wanted);
    t->edit();
    t->setText("DESCRIPT", "aaa renamed label");
    t->setMemo("OBJECTS", objects + "TYPE=RECT\r\n");
    t->post();
    std::printf("post one edit (flushed):       %s\n", msSince(start).c_str());

    t->setSyncWrites(false); // the deletes only prepare the pack
    for (unsigned r = 1; r <= count; r += 100) {
        t->go(r);
        t->deleteRecord();
    }
    t->setSyncWrites(true);
    start = Clock::now();
    t->pack();
    std::printf("pack (%u records left):     %s\n", t->recordCount(), msSince(start).c_str());
    t.reset();
    if (!std::getenv("QV_BENCH_KEEP"))
        std::filesystem::remove_all(pattern);
    else
        std::printf("kept %s\n", path.c_str());
    return 0;
}
