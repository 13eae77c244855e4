#pragma once

#include "app/LabelRecords.h"
#include "app/TZendorMain.h"
#include "designer/DesignZoom.h"
#include "designer/ItemMenus.h"
#include "support/ScriptedPrompter.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// A main window over a temporary data directory, with every question answered by script.
// NewLabel's template choice applies a fixed 2.625 x 1 in geometry unless told otherwise.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        StartWindow();
    }
    void TearDown() override { window.reset(); }

    void StartWindow() {
        window = std::make_unique<TZendorMain>(dir.path());
        // These tests look at the panel in screen pixels of the true scale.
        window->Zoom().SetOpensFitted(false);
        Prompter::SetMainWindow(window.get());
        window->Records().LoadTemplate = [this] { return ApplyTemplate(); };
        window->FormActivate();
    }

    // Closes the window the way the user does (answering "Exit program?" with Yes), then
    // starts a new one on the same data.
    void RestartWindow() {
        prompts.Then(ScriptedPrompter::Answer::Yes());
        ASSERT_TRUE(window->close());
        window.reset();
        StartWindow();
    }

    bool ApplyTemplate() {
        if (!templateChosen)
            return false;
        window->Model().SetTemplate(
            QStringLiteral("Address 1 x 2-5/8 (30)"),
            {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "RR"});
        window->Records().TriggerChange();
        return true;
    }

    // Starts a new label, names it and saves it.
    void SaveNewLabel(const QString& description) {
        window->mnuNewLabel->trigger();
        window->Descript->setText(description);
        window->SaveButton->click();
    }

    // Opens the item's menu as a right click does and chooses an entry.
    void Choose(QWidget* item, const QString& entry) {
        QMenu* menu = window->Menus->MenuFor(item);
        ASSERT_NE(menu, nullptr);
        window->Menus->PopupAt(item, item->mapToGlobal(QPoint(1, 1)));
        menu->close();
        QAction* action = menu->findChild<QAction*>(entry);
        ASSERT_NE(action, nullptr) << entry.toStdString();
        action->trigger();
    }

    bool Changed() const { return !window->SaveButton->isHidden(); }
    QString Description() const { return window->Descript->text(); }

    QTemporaryDir dir;
    ScriptedPrompter prompts;
    bool templateChosen = true;
    std::unique_ptr<TZendorMain> window;
};
