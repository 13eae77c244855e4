// Writes and reads the objects text of a 1000-item label and prints how long each takes.
#include "document/ScreenMetrics.h"
#include "controls/TCanvasPanel.h"
#include "designer/LabelItems.h"
#include "document/LabelModel.h"
#include "document/ObjectsTextReader.h"
#include "document/ObjectsTextWriter.h"
#include "document/PrintItemsReader.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

std::vector<LabelItemValue> thousandItems() {
    std::vector<LabelItemValue> items;
    for (int i = 0; i < 1000; ++i) {
        LabelItemValue item;
        item.kind = static_cast<LabelItemKind>(i % 9);
        item.left = i % 300;
        item.top = (i * 7) % 200;
        item.width = 20 + i % 50;
        item.height = 10 + i % 30;
        item.text = QStringLiteral("Item number %1").arg(i);
        item.fontName = QStringLiteral("Arial");
        item.fontSize = 8 + i % 20;
        item.angle = i % 360 - 180;
        item.startingNumber = 1;
        item.repeatEach = 1;
        item.asciiChar = 33 + i % 200;
        item.brushStyle = TBrushStyle(i % 8);
        item.penWidth = 1 + i % 5;
        item.rounding = 25;
        item.fileName = QStringLiteral("/home/user/pictures/logo%1.bmp").arg(i);
        items.push_back(item);
    }
    return items;
}

template <typename F> double bestMilliseconds(int rounds, F&& run) {
    double best = 1e300;
    for (int r = 0; r < rounds; ++r) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetScreenPixelsPerInch(96);
    const auto items = thousandItems();
    QString text;
    const double write = bestMilliseconds(20, [&] { text = WriteObjectsText(items); });
    size_t created = 0;
    const double read = bestMilliseconds(20, [&] {
        created = 0;
        ReadObjectsText(text, [&](const LabelItemValue&) { ++created; });
    });
    int lastIndex = -1;
    const double print =
        bestMilliseconds(20, [&] { lastIndex = ReadPrintItems(text).lastIndex(); });

    // The same label loaded into the model with its design panel (every control made
    // afresh, each item measured), and saved from the model.
    QWidget window;
    auto* panel = new TCanvasPanel(&window);
    LabelModel model;
    LabelItems live(panel, model);
    const double restore = bestMilliseconds(5, [&] {
        LabelDesign design;
        design.REstoreItems(text);
        model.Load(design);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    QString saved;
    const double save = bestMilliseconds(5, [&] { saved = model.Design().SaveItems(); });

    std::printf("objects text of %zu items: %lld characters, %lld lines\n", items.size(),
                static_cast<long long>(text.size()), static_cast<long long>(text.count(u'\n')));
    std::printf("write (WriteObjectsText):        %8.3f ms\n", write);
    std::printf("read, design side (%zu items):  %8.3f ms\n", created, read);
    std::printf("read, print side (%d records):  %8.3f ms\n", lastIndex + 1, print);
    std::printf("load into %lld controls:          %8.3f ms\n",
                static_cast<long long>(live.OrderList().size()), restore);
    std::printf("save from the model:             %8.3f ms\n", save);
    return created == items.size() && lastIndex + 1 == static_cast<int>(items.size()) ? 0 : 1;
}
