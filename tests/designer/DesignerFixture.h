#pragma once

#include "controls/TCanvasPanel.h"
#include "designer/ItemMenus.h"
#include "designer/ItemPlacer.h"
#include "designer/LabelItems.h"
#include "support/ScriptedPrompter.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A design panel with its items, the tool row and the item menus, wired to a selection that
// only records what it is told, and a counter of changes.
class DesignerTest : public ::testing::Test, public ItemControlHooks {
protected:
    class RecordingSelection : public SelectionControl {
    public:
        explicit RecordingSelection(DesignerTest& test) : test_(test) {}
        void AttachControl(QWidget* item) override {
            test_.selected = item;
            test_.attached.push_back(item);
        }
        void DetachControl() override {
            test_.selected = nullptr;
            ++test_.detaches;
        }
        void RefreshAttach(QWidget* item) override { test_.refreshed.push_back(item); }
        QWidget* Selected() const override { return test_.selected.data(); }

    private:
        DesignerTest& test_;
    };

    void SetUp() override {
        panel.resize(400, 200);
        toolRow.resize(600, 31);
        items = std::make_unique<LabelItems>(&panel, model, this);
        placer = std::make_unique<ItemPlacer>(&panel, *items, &toolRow, selection,
                                              [this] { ++changes; });
        menus = std::make_unique<ItemMenus>(
            &panel, *items, selection, [this] { ++changes; }, &toolRow);
    }
    void TearDown() override {
        for (QMenu* menu : AllMenus())
            menu->close();
        items.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void ItemControlCreated(QWidget* item) override {
        placer->AcceptDropsOn(item);
        menus->AttachMenu(item);
    }
    void ItemControlsRemoving() override { selected = nullptr; }
    // Adds an item as stored, front-most.
    void Add(const LabelItemValue& value) { model.CreateItemFromValue(value); }

    std::vector<QMenu*> AllMenus() const {
        return {menus->PopupMenuText,  menus->PopupMenuCounter,   menus->PopupMenuSymbol,
                menus->PopupMenuShape, menus->PopupMenuRoundRect, menus->PopupMenuLine,
                menus->PopupMenuImage};
    }

    // A drop as the platform delivers it: enter, move and drop on target at point, then the
    // event loop runs the deferred creation.
    bool DropOn(QWidget* target, LabelItemKind tool, QPoint point) {
        std::unique_ptr<QMimeData> data(ItemPlacer::ToolMimeData(tool));
        QDragEnterEvent enter(point, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &enter);
        QDragMoveEvent move(point, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &move);
        if (!move.isAccepted())
            return false;
        QDropEvent drop(QPointF(point), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();
        return drop.isAccepted();
    }

    QWidget* Last() const {
        return items->OrderList().isEmpty() ? nullptr : items->OrderList().last().data();
    }
    template <typename T> T* LastAs() const { return qobject_cast<T*>(Last()); }

    // The panel's label items from bottom to top of the stacking on screen.
    QList<QWidget*> Stacking() const {
        QList<QWidget*> stack;
        for (QObject* child : panel.children())
            if (LabelItems::IsLabelItem(child))
                stack << static_cast<QWidget*>(child);
        return stack;
    }
    QList<QWidget*> Order() const {
        QList<QWidget*> order;
        for (const auto& item : items->OrderList())
            order << item.data();
        return order;
    }

    ScriptedPrompter prompts;
    TCanvasPanel panel;
    LabelModel model;
    QWidget toolRow;
    std::unique_ptr<LabelItems> items;
    RecordingSelection selection{*this};
    std::unique_ptr<ItemPlacer> placer;
    std::unique_ptr<ItemMenus> menus;
    QPointer<QWidget> selected;
    std::vector<QWidget*> attached;
    std::vector<QWidget*> refreshed;
    int detaches = 0;
    int changes = 0;
};
