#pragma once

#include "RealPointer.h"
#include "support/ModelItems.h"
#include "app/LabelRecords.h"
#include "app/TZendorMain.h"
#include "designer/DesignZoom.h"
#include "designer/LabelItems.h"
#include "support/ModalDriver.h"
#include "ui/Prompter.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// The main window shown on the X server with a new 2.625 x 1 in label, the real dialogs
// answering, and the real pointer to click with.
class RealWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "these tests need a real X server (run them through ctest)";
        ASSERT_TRUE(pointer.IsOpen()) << "no X server with the XTest extension";
        ASSERT_TRUE(dir.isValid());
        window = std::make_unique<TZendorMain>(dir.path());
        // The pointer tests move items by screen pixels of the true scale.
        window->Zoom().SetOpensFitted(false);
        Prompter::SetMainWindow(window.get());
        window->Records().LoadTemplate = [this] {
            window->Model().SetTemplate(
                QStringLiteral("Address 1 x 2-5/8 (30)"),
                {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "RR"});
            window->Records().TriggerChange();
            return true;
        };
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QTest::qWait(50);
        window->mnuNewLabel->trigger();
        QTest::qWait(20);
    }
    void TearDown() override {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        if (window)
            RemoveAllItems(window->Model());
        window.reset();
        Prompter::SetMainWindow(nullptr);
    }

    // The item put last on the panel.
    QWidget* LastItem() {
        const auto& order = window->Items().OrderList();
        return order.isEmpty() ? nullptr : order.last().data();
    }

    // Right-clicks an item with the real pointer and waits for its menu.
    QMenu* OpenMenuOf(QWidget* item) {
        pointer.Click(item, 3);
        return WaitForPopup();
    }
    static QMenu* WaitForPopup() {
        QMenu* menu = nullptr;
        for (int i = 0; i < 100 && !menu; ++i) {
            menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                QTest::qWait(10);
        }
        return menu;
    }

    // Clicks a menu's entry (found by object name, also in a submenu already open).
    void ClickEntry(QMenu* menu, const QString& name) {
        for (QAction* action : menu->actions()) {
            if (action->objectName() == name) {
                pointer.Click(menu, menu->actionGeometry(action).center());
                return;
            }
        }
        ADD_FAILURE() << "no entry " << name.toStdString();
        menu->close();
    }

    // Clicks a control of a modal dialog with the real pointer and expects the dialog to
    // close. A dialog that ignores the mouse is closed from here and the test fails.
    void ClickToClose(QDialog* dialog, QWidget* control) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        pointer.Click(control);
        for (int i = 0; i < 100 && dialog->isVisible(); ++i)
            QTest::qWait(10);
        if (dialog->isVisible()) {
            ADD_FAILURE() << dialog->objectName().toStdString() << " did not answer a click on "
                          << control->objectName().toStdString();
            dialog->reject();
        }
    }

    // Keeps the whole screen, or the window alone, as a picture named name in the folder
    // QV_PICTURE_DIR names (none: nothing is kept), once what just opened has painted.
    void KeepScreen(const QString& name, bool windowOnly = false) {
        QTest::qWait(windowOnly ? 250 : 80);
        const QString folder = qEnvironmentVariable("QV_PICTURE_DIR");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        const QPixmap screen = window->screen()->grabWindow(0);
        (windowOnly ? screen.copy(window->frameGeometry()) : screen)
            .save(QDir(folder).filePath(name));
    }

    QTemporaryDir dir;
    RealPointer pointer;
    std::unique_ptr<TZendorMain> window;
};
