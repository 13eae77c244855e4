// A scripted editing session for the kill test of the recovery journal: a real program
// process, killed with SIGKILL at any point of it, then started again.
//
//   qv_journal_session edit <data directory> <image file>
//     runs the session from an empty data directory. Each step is announced on standard
//     output: "+<n> <state>" once its command returned, "=<n>" once its journal is on the
//     disk; "=0 <state>" is the state before the first step, "done" the end, after which it
//     waits for its standard input to close.
//   qv_journal_session recover <data directory>
//     starts as the program does, answers Restore when asked, and prints
//     "R <asked 0|1> <state>".
//
// A state is the label as the window shows it (description, template, geometry, the objects
// text as Save writes it, whether it is unsaved and new), Base64 encoded.
#include "app/DesignUndo.h"
#include "app/LabelRecords.h"
#include "app/RecoveryJournal.h"
#include "app/TZendorMain.h"
#include "controls/TCanvasPanel.h"
#include "designer/ItemMenus.h"
#include "designer/ItemPlacer.h"
#include "designer/ItemSelection.h"
#include "designer/SelectionToolRow.h"
#include "designer/LabelItems.h"
#include "document/JournalFile.h"
#include "document/LabelModel.h"
#include "support/PointerDriver.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <cstdio>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

using Answer = ScriptedPrompter::Answer;

namespace {

void Say(const QByteArray& line) {
    const QByteArray text = line + '\n';
    // Straight to the pipe: nothing may wait in a buffer when the kill comes.
    if (::write(STDOUT_FILENO, text.constData(), size_t(text.size())) < 0)
        _exit(3);
}

class Session {
public:
    Session(const QString& directory, const QString& image) : image_(image) {
        window_ = std::make_unique<TZendorMain>(directory);
        Prompter::SetMainWindow(window_.get());
        window_->Records().LoadTemplate = [this] { return ApplyTemplate(); };
    }

    TZendorMain& Window() { return *window_; }
    ScriptedPrompter& Prompts() { return prompts_; }

    QByteArray State() {
        TZendorMain& w = *window_;
        const CurrentLabel label = w.Records().Label();
        const SheetGeometry& g = label.geometry;
        QStringList parts{w.Descript->text(), label.templateName};
        for (float value : {g.labelHeight, g.labelWidth, g.topMargin, g.leftMargin,
                            g.horizontalPitch, g.verticalPitch, g.sheetWidth, g.sheetHeight})
            parts << QString::number(double(value));
        parts << QString::number(g.labelsAcross) << QString::number(g.labelsDown) << g.paperSize
              << g.labelShape << w.SaveItems()
              << QStringLiteral("changed=%1 new=%2")
                     .arg(w.Records().Changed())
                     .arg(w.Records().IsNew());
        return parts.join(QChar(0x1F)).toUtf8().toBase64();
    }

    // The steps: every kind of command of the designer, Save, Cancel, undo and redo.
    std::vector<std::function<void()>> Steps() {
        TZendorMain& w = *window_;
        return {
            [&] { w.mnuNewLabel->trigger(); },
            [&] { Type(QStringLiteral("Session"), true); },
            [&] {
                Drop(LabelItemKind::Text, {8, 6}, Answer::Text(QStringLiteral("Hello")));
            },
            [&] {
                Drop(LabelItemKind::Counter, {150, 60}, Answer::Counter(100, 2));
            },
            [&] {
                Drop(LabelItemKind::Symbol, {200, 8}, Answer::Symbol(74, 255));
            },
            [&] {
                Drop(LabelItemKind::Rectangle, {8, 40});
            },
            [&] {
                Drop(LabelItemKind::RoundRectangle, {40, 40});
            },
            [&] {
                Drop(LabelItemKind::Ellipse, {70, 50});
            },
            [&] {
                Drop(LabelItemKind::HorizontalLine, {8, 80});
            },
            [&] {
                Drop(LabelItemKind::VerticalLine, {230, 20});
            },
            [&] {
                Drop(LabelItemKind::Image, {120, 30}, Answer::ImageFile(image_));
            },
            [&] {
                Drop(LabelItemKind::Barcode, {90, 4}, Answer::Text(QStringLiteral("12345")));
            },
            [&] { w.SaveButton->click(); },
            [&] { Choose(0, "PopupMenuTextText", Answer::Text(QStringLiteral("Goodbye"))); },
            [&] { Choose(0, "PopupMenuTextFont", Answer::Font(Font())); },
            [&] { Choose(0, "PopupMenuTextFontColor", Answer::Colour(0x00FF00)); },
            [&] {
                Choose(0, "PopupMenuTextRotation", Answer::Rotation(90, {45, 135}));
            },
            [&] { Choose(1, "PopupMenuCounterCounterValues", Answer::Counter(7, 3)); },
            [&] { Choose(2, "PopupMenuSymbolSymbol", Answer::Symbol(80, 0xFF0000)); },
            [&] { Choose(3, "PopupMenuShapeColor", Answer::Colour(0x00C0FF)); },
            [&] { Choose(3, "PopupMenuShapePatternDiagCross"); },
            [&] { Choose(4, "PopupMenuRoundRect60"); },
            [&] { Choose(6, "PopupMenuLinePoint4"); },
            [&] { Choose(8, "PopupMenuImageStretchToFit"); },
            [&] { Choose(9, "PopupMenuBarcodeData", Answer::Text(QStringLiteral("67890"))); },
            [&] { Choose(9, "PopupMenuBarcodeCODE39"); },
            [&] { Choose(9, "PopupMenuBarcodeSendToBack"); },
            [&] { Choose(4, "PopupMenuShapeBringtoFront"); },
            [&] { Choose(6, "PopupMenuLineCenter"); },
            [&] { Drag(3); },
            [&] { Nudge(2); },
            [&] { MoveAll(); },
            [&] { Choose(5, "PopupMenuShapeDelete"); },
            [&] { w.mnuUndo->trigger(); },
            [&] { w.mnuUndo->trigger(); },
            [&] { w.mnuRedo->trigger(); },
            [&] { Type(QStringLiteral(" two")); },
            [&] { w.SaveButton->click(); },
            [&] {
                Drop(LabelItemKind::Rectangle, {20, 20});
            },
            [&] { w.CancelButton->click(); },
            [&] {
                prompts_.Then(Answer::Yes());
                w.mnuCloneLabel->trigger();
            },
            [&] {
                Drop(LabelItemKind::Ellipse, {100, 10});
            },
            [&] { w.SaveButton->click(); },
            [&] {
                geometry_ = 1;
                prompts_.Then(Answer::Yes());
                w.mnuConfigureLabel->trigger();
            },
            [&] { Choose(0, "PopupMenuBarcodeCenterHorizontally"); },
        };
    }

private:
    bool ApplyTemplate() {
        static const SheetGeometry sheets[] = {
            {1.0f, 2.625f, 3, 10, 0.5f, 0.25f, 2.75f, 1.0f, "LTR", "RR"}, // all as stored
            {1.5f, 4.0f, 2, 7, 0.75f, 0.25f, 4.125f, 1.5f, "A4", "SR"},
        };
        window_->Model().SetTemplate(QStringLiteral("Template %1").arg(geometry_),
                                     sheets[geometry_]);
        window_->Records().TriggerChange();
        return true;
    }

    static FontChoice Font() {
        FontChoice font;
        font.name = QStringLiteral("Arial"), font.size = 14, font.italic = true;
        font.colour = 0x0000FF;
        return font;
    }

    QWidget* Item(int index) { return window_->Items().OrderList().value(index).data(); }

    void Type(const QString& text, bool replace = false) {
        window_->Descript->setFocus();
        if (replace)
            window_->Descript->selectAll();
        else
            window_->Descript->end(false);
        QTest::keyClicks(window_->Descript, text);
    }

    void Drop(LabelItemKind tool, QPoint point, std::optional<Answer> answer = {}) {
        if (answer)
            prompts_.Then(*answer);
        std::unique_ptr<QMimeData> data(ItemPlacer::ToolMimeData(tool));
        QWidget* panel = window_->LabelPanel;
        QDragEnterEvent enter(point, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(panel, &enter);
        QDropEvent drop(QPointF(point), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(panel, &drop);
    }

    void Choose(int index, const char* entry, std::optional<Answer> answer = {}) {
        if (answer)
            prompts_.Then(*answer);
        QWidget* item = Item(index);
        QMenu* menu = item ? window_->Menus->MenuFor(item) : nullptr;
        if (!menu)
            Fail(QByteArray("no menu for item ") + QByteArray::number(index));
        window_->Menus->PopupAt(item, item->mapToGlobal(QPoint(1, 1)));
        menu->close();
        QAction* action = menu->findChild<QAction*>(QString::fromLatin1(entry));
        if (!action)
            Fail(QByteArray("no entry ") + entry);
        action->trigger();
    }

    // A drag of the item, press to release: one step, written at its end.
    void Drag(int index) {
        using namespace PointerDriver;
        QWidget* item = Item(index);
        Press(item, {5, 5});
        for (int i = 0; i <= 10; ++i)
            PointerDriver::Drag(item, {5 + i, 5 + i / 2});
        Release(item, {15, 10});
    }

    void Nudge(int index) {
        window_->Selection().AttachControl(Item(index));
        window_->ToolRow().PosRightButton->click();
    }

    void MoveAll() {
        window_->ToolRow().MoveAll->setChecked(true);
        window_->ToolRow().PosUpButton->click();
        window_->ToolRow().MoveAll->setChecked(false);
    }

    [[noreturn]] static void Fail(const QByteArray& why) {
        Say("failed: " + why);
        _exit(4);
    }

    ScriptedPrompter prompts_;
    QString image_;
    int geometry_ = 0;
    std::unique_ptr<TZendorMain> window_;
};

int Edit(const QString& directory, const QString& image) {
    Session session(directory, image);
    TZendorMain& window = session.Window();
    if (!window.FormActivate())
        return 2;
    // Every write goes at once: the test finds each step's journal on the disk.
    window.Journal().SetInterval(0);
    Say("=0 " + session.State());
    const auto steps = session.Steps();
    for (std::size_t n = 1; n <= steps.size(); ++n) {
        steps[n - 1]();
        // What the command posted (an item laid out once shown), but no timer: the journal's
        // write comes only after the state is announced.
        QCoreApplication::sendPostedEvents();
        Say('+' + QByteArray::number(qulonglong(n)) + ' ' + session.State());
        QCoreApplication::processEvents();
        window.Journal().Flush();
        Say('=' + QByteArray::number(qulonglong(n)));
    }
    if (session.Prompts().Unanswered() != 0)
        Say("failed: answers left");
    Say("done");
    // Alive until the test closes our input (or kills us), so that a kill meant for the last
    // step never comes too late.
    char byte = 0;
    while (::read(STDIN_FILENO, &byte, 1) > 0) {
    }
    _exit(0);
}

int Recover(const QString& directory) {
    Session session(directory, QString());
    const bool asked = JournalFile(directory).Read().state != JournalFile::Contents::State::Absent;
    if (asked)
        session.Prompts().Then(Answer::Dialog(true));
    if (!session.Window().FormActivate())
        return 2;
    Say(QByteArray("R ") + (asked ? "1 " : "0 ") + session.State());
    _exit(0);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("edit"))
        return Edit(args[2], args[3]);
    if (args.size() == 3 && args[1] == QLatin1String("recover"))
        return Recover(args[2]);
    std::fprintf(stderr, "usage: %s edit <dir> <image> | recover <dir>\n", argv[0]);
    return 1;
}
