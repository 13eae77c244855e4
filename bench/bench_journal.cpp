// The recovery journal's cost per edit for a label of 100 items: writing the objects text,
// putting the journal's bytes together, and writing them durably (temporary file, fsync,
// rename, fsync of the folder). The folder is the first argument, else a folder made beside
// the working directory: a temporary folder in memory (tmpfs) would hide the cost of fsync.
#include "app/RecoveryJournal.h"
#include "document/ItemKinds.h"
#include "document/JournalEntry.h"
#include "document/JournalFile.h"
#include "document/JournalFormat.h"
#include "document/ScreenMetrics.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

LabelDesign HundredItems() {
    LabelDesign design;
    design.description = QStringLiteral("Bench");
    design.templateName = QStringLiteral("Address 1 x 2-5/8 (30)");
    design.geometry = {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "RR"};
    for (int i = 0; i < 100; ++i) {
        const LabelItemKind kind = AllItemKinds[i % ItemKindCount];
        LabelItemValue value = ItemKind(kind).newItem();
        value.left = (i * 23) % 220, value.top = (i * 11) % 80;
        value.width = 40, value.height = 12;
        if (kind == LabelItemKind::Text || kind == LabelItemKind::Barcode)
            value.text = QStringLiteral("Item number %1 {Name}").arg(i);
        design.items.push_back({QStringLiteral("Special%1").arg(i + 1), value});
    }
    return design;
}

struct Figures {
    double median = 0, worst = 0;
};

template <typename F> Figures Measure(int runs, F body) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        body(i);
        times.push_back(Milliseconds(Clock::now() - start));
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SetScreenPixelsPerInch(96);
    QTemporaryDir own(QDir::current().filePath(QStringLiteral("bench_journal-XXXXXX")));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : own.path();
    const JournalFile file(folder);
    LabelDesign design = HundredItems();
    JournalEntry entry = JournalEntry::Of(design);
    entry.record = 7;
    entry.storedDescription = design.description;
    entry.changed = QDateTime::currentDateTimeUtc();
    const QByteArray bytes = JournalFormat::Write(entry);

    const int runs = 200;
    const Figures objects = Measure(runs, [&](int i) {
        design.items[std::size_t(i % 100)].value.left = i % 200;
        entry.objectsText = design.SaveItems();
    });
    const Figures format = Measure(runs, [&](int) { (void)JournalFormat::Write(entry); });
    QString error;
    bool ok = true;
    const Figures write = Measure(runs, [&](int) { ok = file.Write(bytes, error) && ok; });
    const Figures read = Measure(runs, [&](int) { (void)JournalFormat::Read(file.Read().bytes); });
    file.Remove();
    if (!ok) {
        std::fprintf(stderr, "journal not written: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("journal of a label of %zu items: %lld bytes, in %s\n", design.items.size(),
                static_cast<long long>(bytes.size()), qPrintable(folder));
    std::printf("%-44s median %7.3f ms, worst %7.3f ms\n",
                "objects text of the design:", objects.median, objects.worst);
    std::printf("%-44s median %7.3f ms, worst %7.3f ms\n",
                "journal bytes (format, MD5):", format.median, format.worst);
    std::printf("%-44s median %7.3f ms, worst %7.3f ms\n",
                "durable write (tmp, fsync, rename, fsync):", write.median, write.worst);
    std::printf("%-44s median %7.3f ms, worst %7.3f ms\n",
                "per edit in all:", objects.median + format.median + write.median,
                objects.worst + format.worst + write.worst);
    std::printf("%-44s median %7.3f ms, worst %7.3f ms\n",
                "reading it back at start-up:", read.median, read.worst);
    std::printf("at most one write each %d ms while edits stream in\n",
                RecoveryJournal::DefaultIntervalMs);
    return 0;
}
