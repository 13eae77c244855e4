#include "RealKeyboard.h"
#include "RealWindowFixture.h"

#include "storage/TemplateTable.h"
#include "templates/SheetPreview.h"
#include "templates/TSelectTemplate.h"
#include "templates/TemplateTableModel.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QToolButton>

// The template catalogue driven from the keyboard alone, with real key presses on a real X
// server: typing narrows the list at once, the arrow keys move in it, Enter applies, Tab and
// the underlined letters reach every control, Escape closes.
class CatalogueKeyboard : public RealWindowTest {
protected:
    void SetUp() override {
        RealWindowTest::SetUp();
        ASSERT_TRUE(keys.IsOpen());
        QString failure;
        templates = TemplateTable::Open(dir.path(), failure);
        ASSERT_NE(templates, nullptr) << failure.toStdString();
    }

    // Shows the catalogue modally and runs `drive` once it is on the screen, with the pointer
    // resting over it so that the X input focus is the dialog's.
    int Run(const std::function<void(TSelectTemplate*)>& drive) {
        TSelectTemplate catalogue(*templates, window.get());
        catalogue.SetPreselect(QStringLiteral("Avery 5160 Address Labels"));
        ModalWatch watch = WhenModal<TSelectTemplate>([&](TSelectTemplate* dialog) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
            pointer.MoveTo(dialog->mapToGlobal(QPoint(dialog->width() / 2, 8)));
            dialog->activateWindow();
            QTest::qWait(60);
            drive(dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the catalogue is still open";
                dialog->reject();
            }
        });
        return Prompter::Current().RunDialog(catalogue);
    }


    // Waits up to a second for what a key press does: the X server delivers keys a moment
    // later on a busy machine.
    static void WaitFor(const std::function<bool()>& done) {
        for (int i = 0; i < 100 && !done(); ++i)
            QTest::qWait(10);
    }

    static void WaitUntilClosed(QDialog* dialog) {
        for (int i = 0; i < 100 && dialog->isVisible(); ++i)
            QTest::qWait(10);
    }

    RealKeyboard keys;
    std::unique_ptr<TemplateTable> templates;
};

TEST_F(CatalogueKeyboard, TypingNarrowsArrowsMoveAndEnterApplies) {
    QString chosen;
    const int result = Run([&](TSelectTemplate* dialog) {
        EXPECT_EQ(QApplication::focusWidget(), dialog->SearchBox) << "typing goes to the search";
        keys.Type("5160");
        WaitFor([&] { return dialog->SearchBox->text() == "5160"; });
        EXPECT_EQ(dialog->SearchBox->text(), "5160");
        EXPECT_LT(dialog->Model->rowCount(), 20);
        EXPECT_EQ(templates->Current().name, "Avery 5160 Address Labels");
        KeepScreen(QStringLiteral("catalogue-search-5160.png"));
        for (int i = 0; i < 4; ++i)
            keys.Press("BackSpace");
        keys.Type("2 x 4");
        WaitFor([&] { return dialog->SearchBox->text() == "2 x 4"; });
        ASSERT_EQ(dialog->SearchBox->text(), "2 x 4");
        ASSERT_GT(dialog->Model->rowCount(), 3);
        EXPECT_EQ(dialog->SelectedRow(), 0);
        keys.Press("Down");
        WaitFor([&] { return dialog->SelectedRow() == 1; });
        EXPECT_EQ(dialog->SelectedRow(), 1);
        EXPECT_EQ(QApplication::focusWidget(), dialog->SearchBox);
        EXPECT_TRUE(dialog->Preview->HasSheet());
        KeepScreen(QStringLiteral("catalogue-search-2x4.png"));
        chosen = dialog->Model->index(1, 0).data().toString();
        keys.Press("Return");
        WaitUntilClosed(dialog);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(templates->Current().name, chosen);
    const SheetGeometry g = templates->Current().geometry;
    EXPECT_NEAR(std::max(g.labelWidth, g.labelHeight), 4, 0.04);
}

TEST_F(CatalogueKeyboard, TabAndTheUnderlinedLettersReachEveryControl) {
    const int result = Run([&](TSelectTemplate* dialog) {
        const QList<QWidget*> controls = {
            dialog->SearchBox,    dialog->PaperFilter,  dialog->ShapeFilter,
            dialog->LabelGrid,    dialog->OkButton,     dialog->NewButton,
            dialog->EditButton,   dialog->DeleteButton, dialog->ImportButton,
            dialog->HelpButton,   dialog->MouseHelpButton, dialog->CancelButton};
        QList<QWidget*> reached;
        for (int i = 0; i < controls.size() + 2; ++i) {
            QWidget* before = QApplication::focusWidget();
            reached << before;
            keys.Press("Tab");
            // The X server may deliver the key a moment later on a busy machine.
            for (int wait = 0; wait < 100 && QApplication::focusWidget() == before; ++wait)
                QTest::qWait(10);
        }
        for (QWidget* control : controls)
            EXPECT_TRUE(reached.contains(control)) << control->objectName().toStdString();
        // The first four in the order a person reads them.
        const int first = int(reached.indexOf(dialog->SearchBox));
        ASSERT_GE(first, 0);
        EXPECT_EQ(reached.value(first + 1), dialog->PaperFilter);
        EXPECT_EQ(reached.value(first + 2), dialog->ShapeFilter);
        EXPECT_EQ(reached.value(first + 3), dialog->LabelGrid);

        keys.Press("p", false, true); // Alt+P: the paper filter
        WaitFor([&] { return QApplication::focusWidget() == dialog->PaperFilter; });
        EXPECT_EQ(QApplication::focusWidget(), dialog->PaperFilter);
        keys.Press("Down"); // Letter
        WaitFor([&] { return dialog->PaperFilter->currentIndex() == 1; });
        EXPECT_EQ(dialog->PaperFilter->currentIndex(), 1);
        for (int row = 0; row < dialog->Model->rowCount(); ++row)
            EXPECT_TRUE(dialog->Model->TemplateAt(row)->geometry.paperSize.startsWith("LTR"));
        keys.Press("s", false, true); // Alt+S: back to the search
        WaitFor([&] { return QApplication::focusWidget() == dialog->SearchBox; });
        EXPECT_EQ(QApplication::focusWidget(), dialog->SearchBox);
        keys.Press("Escape");
        WaitUntilClosed(dialog);
    });
    EXPECT_EQ(result, QDialog::Rejected);
}
