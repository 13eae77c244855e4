// The undo history of a 100-item label: how long a step takes to record and to take back,
// and what the full history (200 steps) holds in memory.
#include "app/DesignUndo.h"
#include "app/LabelRecords.h"
#include "app/TZendorMain.h"
#include "designer/ItemSelection.h"
#include "designer/LabelItems.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>

#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace {
// Resident memory of the process, in KiB.
long residentKiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void fill(LabelItems& items) {
    for (int i = 0; i < 100; ++i) {
        const int left = (i * 23) % 220, top = (i * 11) % 80;
        switch (i % 4) {
        case 0:
            items.Model().CreateItemFromValue({.kind = LabelItemKind::Text, .top = top, .left = left, .width = 0, .height = 0, .text = QStringLiteral("Text item number %1").arg(i), .fontName = QStringLiteral("Arial"), .fontSize = 8, .fontColor = 0, .bold = false, .italic = false, .underline = false, .angle = 0});
            break;
        case 1:
            items.Model().CreateItemFromValue({.kind = LabelItemKind::RoundRectangle, .top = top, .left = left, .width = 20, .height = 12, .brushStyle = TBrushStyle(0), .brushColor = 0xFF, .penWidth = 1, .penColor = 0, .rounding = 30});
            break;
        case 2:
            items.Model().CreateItemFromValue({.kind = LabelItemKind::HorizontalLine, .top = top, .left = left, .width = 40, .height = 4, .penWidth = 2, .penColor = 0});
            break;
        default:
            items.Model().CreateItemFromValue({.kind = LabelItemKind::Symbol, .top = top, .left = left, .width = 0, .height = 0, .fontSize = 10, .fontColor = 0xFF00, .asciiChar = 74});
            break;
        }
    }
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    TZendorMain window(dir.path());
    window.Records().LoadTemplate = [&window] {
        window.Model().SetTemplate({}, {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "RR"});
        return true;
    };
    window.FormActivate();
    window.mnuNewLabel->trigger();
    window.Descript->setText(QStringLiteral("Bench"));
    fill(window.Items());
    window.SaveButton->click();
    const long before = residentKiB();

    ItemSelection& selection = window.Selection();
    selection.AttachControl(window.Items().OrderList().first());
    const int steps = 1000;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < steps; ++i)
        selection.Nudge(i % 2 ? ItemSelection::Direction::Down : ItemSelection::Direction::Right);
    const double record = millisecondsSince(start) / steps;
    const long after = residentKiB();
    const QUndoStack& stack = window.Undo().Stack();

    start = std::chrono::steady_clock::now();
    int undone = 0;
    while (stack.canUndo()) {
        window.Undo().Undo();
        ++undone;
    }
    const double undo = millisecondsSince(start) / undone;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    std::printf("label of %d items, %d nudges recorded, %d steps kept (limit %d)\n",
                int(window.Items().OrderList().size()), steps, undone, DesignUndo::Limit);
    std::printf("record one step: %.3f ms\n", record);
    std::printf("undo one step (only what differs): %.3f ms\n", undo);
    std::printf("resident memory of the full history: %ld KiB\n", after - before);
    return 0;
}
