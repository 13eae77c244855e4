#include "templates/TSelectTemplate.h"
#include "document/PaperSizes.h"
#include "storage/TemplateTable.h"
#include "support/ScriptedPrompter.h"
#include "templates/NumericEntry.h"
#include "templates/SheetPreview.h"
#include "templates/TTemplateEdit.h"
#include "templates/TemplateTableModel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using Answer = ScriptedPrompter::Answer;

namespace {

const QString Avery5160 = QStringLiteral("Avery 5160 Address Labels");

class SelectTemplateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        Open();
    }

    void Open() {
        QString message;
        table = TemplateTable::Open(dir.path(), message);
        ASSERT_TRUE(table) << message.toStdString();
        dialog = std::make_unique<TSelectTemplate>(*table);
    }

    void Reopen() {
        dialog.reset();
        table.reset();
        Open();
    }

    // Opens the catalogue the way showing it does, with `name` to preselect.
    void Activate(const QString& name) {
        dialog->SetPreselect(name);
        dialog->FormActivate();
    }

    QString Cell(int row, int column) const {
        return dialog->Model->index(row, column).data().toString();
    }
    int Rows() const { return dialog->Model->rowCount(); }
    int RowNamed(const QString& name) const {
        for (int row = 0; row < Rows(); ++row)
            if (Cell(row, 0) == name)
                return row;
        return -1;
    }
    QString SelectedName() const { return table->Current().name; }

    // The editor as the person meets it: opened, then optionally changed and saved.
    static Answer Editor(bool save, std::function<void(TTemplateEdit&)> change = {},
                         QString* caption = nullptr, QString* description = nullptr) {
        return Answer::Dialog(save, [=](QDialog& d) {
            auto& editor = dynamic_cast<TTemplateEdit&>(d);
            editor.FormActivate();
            if (caption)
                *caption = editor.windowTitle();
            if (description)
                *description = editor.eUserDesc->text();
            if (change)
                change(editor);
            if (save)
                editor.OkButtonClick();
        });
    }

    // Makes a user template from the stock row of `stockName` through "New".
    void NewFrom(const QString& stockName, const QString& name) {
        dialog->SelectRow(RowNamed(stockName));
        prompts.Then(Editor(true, [name](TTemplateEdit& e) { e.eUserDesc->setText(name); }));
        dialog->NewButton->click();
    }

    QTemporaryDir dir;
    ScriptedPrompter prompts;
    std::unique_ptr<TemplateTable> table;
    std::unique_ptr<TSelectTemplate> dialog;
};

TEST_F(SelectTemplateTest, ListsTheStockTemplatesInNameOrderWithUnitsInTheHeaders) {
    EXPECT_EQ(dialog->windowTitle(), "Select Label Template");
    ASSERT_EQ(dialog->Model->columnCount(), 6);
    QStringList titles;
    for (int column = 0; column < 6; ++column)
        titles << dialog->Model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(titles, QStringList({"Description", "Height (in)", "Width (in)", "# Across", "# Down",
                                   "Paper"}));

    // Every stored template, once, ordered by name without regard to case.
    QStringList stored;
    for (table->First(); !table->Eof(); table->Next())
        stored << table->Text("TEMPLATE");
    QStringList listed;
    for (int row = 0; row < Rows(); ++row)
        listed << Cell(row, 0);
    ASSERT_GT(listed.size(), 20);
    EXPECT_EQ(listed.size(), int(table->RecordCount()));
    QStringList sorted = listed;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const QString& a, const QString& b) { return a.toUpper() < b.toUpper(); });
    EXPECT_EQ(listed, sorted);
    std::sort(stored.begin(), stored.end());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(stored, sorted);

    const int row = RowNamed(Avery5160);
    ASSERT_GE(row, 0);
    EXPECT_EQ(Cell(row, 1), "1");
    EXPECT_EQ(Cell(row, 2), "2.625");
    EXPECT_EQ(Cell(row, 3), "3");
    EXPECT_EQ(Cell(row, 4), "10");
    EXPECT_EQ(Cell(row, 5), "Letter");

    // The numeric columns are at least as wide as their display widths.
    const int charWidth = dialog->LabelGrid->fontMetrics().averageCharWidth();
    EXPECT_GE(dialog->LabelGrid->columnWidth(1), 6 * charWidth);
    EXPECT_GE(dialog->LabelGrid->columnWidth(3), 8 * charWidth);
}

TEST_F(SelectTemplateTest, PreselectsTheExactNameElseTheLastRow) {
    Activate(Avery5160);
    EXPECT_EQ(dialog->SelectedRow(), RowNamed(Avery5160));
    EXPECT_EQ(SelectedName(), Avery5160);
    const auto indicator = [this](int row) {
        return dialog->Model->headerData(row, Qt::Vertical, Qt::DisplayRole).toString();
    };
    EXPECT_FALSE(indicator(dialog->SelectedRow()).isEmpty());
    EXPECT_TRUE(indicator(dialog->SelectedRow() + 1).isEmpty());

    // Case and trailing text count; no match leaves the last row selected.
    for (const QString& name : {Avery5160.toUpper(), QStringLiteral("Avery 5160"), QString()}) {
        dialog = std::make_unique<TSelectTemplate>(*table);
        Activate(name);
        EXPECT_EQ(dialog->SelectedRow(), Rows() - 1) << name.toStdString();
        EXPECT_EQ(SelectedName(), Cell(Rows() - 1, 0));
    }
    // Only the first activation preselects.
    dialog->SelectRow(0);
    dialog->FormActivate();
    EXPECT_EQ(dialog->SelectedRow(), 0);
}

TEST_F(SelectTemplateTest, NewCopiesTheSelectedRowAsAUserTemplate) {
    Activate(Avery5160);
    const LabelTemplate stock = table->Current();
    const quint32 records = table->RecordCount();
    QString caption, description;
    prompts.Then(Editor(true, {}, &caption, &description));
    dialog->NewButton->click();
    EXPECT_EQ(caption, "Create Label Template");
    EXPECT_EQ(description, "Copy of " + Avery5160);

    EXPECT_EQ(table->RecordCount(), records + 1);
    const LabelTemplate made = table->Current();
    EXPECT_EQ(made.name, "Copy of " + Avery5160);
    EXPECT_TRUE(made.userDefined);
    EXPECT_EQ(made.geometry, stock.geometry);
    EXPECT_EQ(Cell(dialog->SelectedRow(), 0), made.name);
    EXPECT_TRUE(prompts.Messages("Information").isEmpty());
}

TEST_F(SelectTemplateTest, CancelInTheEditorLeavesTheTableUnchanged) {
    Activate(Avery5160);
    const quint32 records = table->RecordCount();
    prompts.Then(Editor(false, [](TTemplateEdit& e) { e.eUserDesc->setText("Never stored"); }));
    dialog->NewButton->click();
    EXPECT_EQ(table->RecordCount(), records);
    EXPECT_EQ(RowNamed("Never stored"), -1);
    EXPECT_EQ(SelectedName(), Avery5160);
}

TEST_F(SelectTemplateTest, StockTemplatesCannotBeEditedOrDeleted) {
    Activate(Avery5160);
    const quint32 records = table->RecordCount();
    const LabelTemplate stock = table->Current();
    dialog->EditButton->click();
    dialog->DeleteButton->click();
    EXPECT_EQ(prompts.Messages("Information"),
              QStringList({"You may only edit User Defined Templates",
                           "You may only delete User Defined Templates"}));
    EXPECT_EQ(prompts.Unanswered(), 0u);
    EXPECT_EQ(table->RecordCount(), records);
    EXPECT_EQ(table->Current(), stock);
    EXPECT_EQ(Rows(), int(records));
}

TEST_F(SelectTemplateTest, UserTemplatesAreEditedInInchesAndKeptAcrossReopen) {
    Activate(Avery5160);
    NewFrom(Avery5160, "My sheet");
    ASSERT_EQ(SelectedName(), "My sheet");

    QString caption, description;
    prompts.Then(Editor(
        true,
        [](TTemplateEdit& e) {
            e.eUserDesc->setText("my sheet, wider");
            e.MMButton->click(); // entered in millimetres, stored in inches
            e.elblwidth->SetValue(76.2);
            e.eHorizPitch->SetValue(76.2);
        },
        &caption, &description));
    dialog->EditButton->click();
    EXPECT_EQ(caption, "Edit Label Template");
    EXPECT_EQ(description, "My sheet");

    const LabelTemplate edited = table->Current();
    EXPECT_EQ(edited.name, "my sheet, wider");
    EXPECT_TRUE(edited.userDefined);
    EXPECT_NEAR(edited.geometry.labelWidth, 3.0, 1e-4);
    EXPECT_NEAR(edited.geometry.horizontalPitch, 3.0, 1e-4);
    EXPECT_NEAR(edited.geometry.labelHeight, 1.0, 1e-4);
    EXPECT_EQ(RowNamed("My sheet"), -1);
    EXPECT_EQ(dialog->SelectedRow(), RowNamed("my sheet, wider"));
    // The renamed row keeps its place in name order (without regard to case).
    const int row = dialog->SelectedRow();
    EXPECT_LE(Cell(row - 1, 0).toUpper(), QString("MY SHEET, WIDER"));
    if (row + 1 < Rows()) {
        EXPECT_GE(Cell(row + 1, 0).toUpper(), QString("MY SHEET, WIDER"));
    }

    Reopen();
    Activate("my sheet, wider");
    EXPECT_EQ(SelectedName(), "my sheet, wider");
    EXPECT_TRUE(table->Current().userDefined);
    EXPECT_NEAR(table->Current().geometry.labelWidth, 3.0, 1e-4);
}

TEST_F(SelectTemplateTest, DeletingAUserTemplateAsksFirst) {
    Activate(Avery5160);
    NewFrom(Avery5160, "Doomed");
    const int row = dialog->SelectedRow();
    const int rows = Rows();

    prompts.Then(Answer::No());
    dialog->DeleteButton->click();
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(SelectedName(), "Doomed");
    ASSERT_FALSE(prompts.History().empty());
    EXPECT_EQ(prompts.History().back().kind, "YesNo");
    EXPECT_EQ(prompts.History().back().caption, "Delete");
    EXPECT_EQ(prompts.History().back().message, "Delete this Label Template?");

    prompts.Then(Answer::Yes());
    dialog->DeleteButton->click();
    EXPECT_EQ(Rows(), rows - 1);
    EXPECT_EQ(RowNamed("Doomed"), -1);
    EXPECT_EQ(dialog->SelectedRow(), row); // the row that followed it
    EXPECT_EQ(SelectedName(), Cell(row, 0));

    Reopen();
    EXPECT_EQ(RowNamed("Doomed"), -1);
}

TEST_F(SelectTemplateTest, TheGridNeverChangesRowsByItself) {
    Activate(Avery5160);
    const quint32 records = table->RecordCount();
    EXPECT_EQ(dialog->LabelGrid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QKeyEvent insert(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
    EXPECT_TRUE(dialog->LabelGridKeyDown(&insert));
    QTest::keyClick(dialog->LabelGrid, Qt::Key_Insert);
    QTest::keyClick(dialog->LabelGrid, Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClicks(dialog->LabelGrid, "x");
    EXPECT_EQ(table->RecordCount(), records);
    EXPECT_EQ(Rows(), int(records));
    EXPECT_TRUE(table->IsBrowsing());
    EXPECT_TRUE(prompts.History().empty());
    // Moving through the grid moves the table to the row's template.
    QTest::keyClick(dialog->LabelGrid, Qt::Key_Down);
    EXPECT_EQ(SelectedName(), Cell(dialog->SelectedRow(), 0));
}

// The names listed, in order.
QStringList Listed(const TemplateTableModel& model) {
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.index(row, 0).data().toString();
    return names;
}

TEST_F(SelectTemplateTest, TypingNarrowsTheListByPartNumberWordOrSize) {
    Activate(Avery5160);
    const int all = Rows();
    QTest::keyClicks(dialog->SearchBox, "5160");
    QStringList found = Listed(*dialog->Model);
    EXPECT_TRUE(found.contains(Avery5160));
    EXPECT_LT(found.size(), 20);
    EXPECT_EQ(SelectedName(), Avery5160); // still listed, so still selected
    // An equivalent part number finds the sheet it is the same as.
    dialog->SearchBox->setText("8160");
    EXPECT_TRUE(Listed(*dialog->Model).contains(Avery5160));
    // Every word must match, in any field, without regard to case.
    dialog->SearchBox->setText("herma ROUND");
    found = Listed(*dialog->Model);
    ASSERT_FALSE(found.isEmpty());
    bool hermaItself = false;
    for (int row = 0; row < Rows(); ++row) {
        const LabelTemplate* t = dialog->Model->TemplateAt(row);
        const QString text = t->name + ' ' + t->equivalents + ' ' + t->category;
        EXPECT_TRUE(text.contains("herma", Qt::CaseInsensitive)) << t->name.toStdString();
        EXPECT_TRUE(text.contains("round", Qt::CaseInsensitive)) << t->name.toStdString();
        hermaItself = hermaItself || t->brand == "Herma";
    }
    EXPECT_TRUE(hermaItself);
    // A size, either way round, in inches or millimetres.
    for (const char* size : {"2 x 4", "4 x 2", "4\" x 2\"", "101.6 x 50.8 mm", "10.16x5.08cm"}) {
        dialog->SearchBox->setText(size);
        ASSERT_GT(Rows(), 0) << size;
        for (int row = 0; row < Rows(); ++row) {
            const SheetGeometry& g = dialog->Model->TemplateAt(row)->geometry;
            const double w = qMax(g.labelWidth, g.labelHeight);
            const double h = qMin(g.labelWidth, g.labelHeight);
            EXPECT_NEAR(w, 4, 0.04) << size;
            EXPECT_NEAR(h, 2, 0.04) << size;
        }
        EXPECT_TRUE(Listed(*dialog->Model).contains("Avery 5163 Shipping Labels")) << size;
    }
    // Millimetres as printed on a metric box: 99.1 x 38.1 mm, typed roughly.
    dialog->SearchBox->setText("38 x 99 mm");
    ASSERT_GT(Rows(), 0);
    EXPECT_TRUE(Listed(*dialog->Model).contains("Avery 7163 Mailing labels"));
    for (int row = 0; row < Rows(); ++row)
        EXPECT_NEAR(dialog->Model->TemplateAt(row)->geometry.labelWidth * 25.4, 99.1, 0.8);
    // Nothing found: no row, nothing to apply; the drawing says so.
    dialog->SearchBox->setText("no such sheet anywhere");
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(dialog->SelectedRow(), -1);
    EXPECT_FALSE(dialog->Preview->HasSheet());
    dialog->OkButton->click();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    dialog->SearchBox->clear();
    EXPECT_EQ(Rows(), all);
}

// Under a German locale the grid and the details write sizes with the German comma; a size
// typed with either mark still finds the sheet.
TEST_F(SelectTemplateTest, GermanLocaleWritesSizesWithACommaAndStillFindsThem) {
    struct Restore {
        QLocale previous;
        ~Restore() { QLocale::setDefault(previous); }
    } restore;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Reopen();
    Activate(Avery5160);
    const int row = RowNamed(Avery5160);
    ASSERT_GE(row, 0);
    EXPECT_EQ(Cell(row, 1), "1");
    EXPECT_EQ(Cell(row, 2), "2,625");
    EXPECT_EQ(Cell(row, 3), "3");
    EXPECT_TRUE(dialog->DetailsLabel->text().contains("2,625 x 1 in (66,7 x 25,4 mm)"))
        << dialog->DetailsLabel->text().toStdString();
    // A roll's paper names its width as the locale writes it.
    SheetGeometry roll;
    roll.paperSize = "ROLL";
    roll.sheetWidth = 2.25f;
    roll.sheetHeight = 1.0f;
    EXPECT_EQ(PaperSizes::ShownName(roll, QLocale()), "Roll 2,25 in");
    EXPECT_EQ(PaperSizes::ShortName(roll), "Roll 2.25 in");
    for (const char* size : {"2,625 x 1", "2.625 x 1", "66,7 x 25,4 mm"}) {
        dialog->SearchBox->setText(size);
        EXPECT_TRUE(Listed(*dialog->Model).contains(Avery5160)) << size;
    }
    dialog->SearchBox->clear();
}

TEST_F(SelectTemplateTest, PaperAndShapeFiltersNarrowTheSearch) {
    Activate(Avery5160);
    dialog->PaperFilter->setCurrentIndex(4); // rolls
    ASSERT_GT(Rows(), 10);
    for (int row = 0; row < Rows(); ++row)
        EXPECT_EQ(dialog->Model->TemplateAt(row)->geometry.paperSize, "ROLL");
    EXPECT_TRUE(Listed(*dialog->Model).filter("Dymo 99010").size() == 1);
    dialog->PaperFilter->setCurrentIndex(2); // A4
    dialog->ShapeFilter->setCurrentIndex(3); // round or oval
    ASSERT_GT(Rows(), 10);
    for (int row = 0; row < Rows(); ++row) {
        EXPECT_TRUE(dialog->Model->TemplateAt(row)->geometry.paperSize.startsWith("A4"));
        EXPECT_EQ(dialog->Model->TemplateAt(row)->geometry.labelShape, "RE");
    }
    dialog->PaperFilter->setCurrentIndex(3); // other sheets
    for (int row = 0; row < Rows(); ++row)
        EXPECT_FALSE(QStringList({"LTR", "LTRL", "A4", "A4L", "ROLL"})
                         .contains(dialog->Model->TemplateAt(row)->geometry.paperSize));
}

TEST_F(SelectTemplateTest, RecentTemplatesComeFirstAndArrowKeysInTheSearchBoxMove) {
    const QString recent = "Herma 4099 Rectangular labels";
    ASSERT_GE(RowNamed(recent), 0);
    dialog->SetRecent({recent, Avery5160, "Gone from the table"});
    Activate(Avery5160);
    EXPECT_EQ(Cell(0, 0), recent);
    EXPECT_EQ(Cell(1, 0), Avery5160);
    EXPECT_EQ(dialog->SelectedRow(), 1);
    EXPECT_EQ(dialog->Model->headerData(0, Qt::Vertical, Qt::DisplayRole).toString(), "\u2605");
    EXPECT_EQ(Listed(*dialog->Model).count(Avery5160), 1); // not listed twice
    QTest::keyClick(dialog->SearchBox, Qt::Key_Up);
    EXPECT_EQ(SelectedName(), recent);
    QTest::keyClick(dialog->SearchBox, Qt::Key_PageDown);
    EXPECT_EQ(dialog->SelectedRow(), 10);
    EXPECT_EQ(SelectedName(), Cell(10, 0));
    // The drawing and the details follow the selection.
    EXPECT_TRUE(dialog->Preview->HasSheet());
    EXPECT_EQ(dialog->Preview->Geometry(), table->Current().geometry);
    EXPECT_TRUE(dialog->DetailsLabel->text().contains(table->Current().name.toHtmlEscaped()));
}

TEST_F(SelectTemplateTest, ImportAddsUserTemplatesAndReportsWhatWasSkipped) {
    const QString file = QDir(dir.path()).filePath("mine-templates.xml");
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(R"(<Glabels-templates>
  <Template brand="Acme" part="A1" size="A4" _description="Jar labels">
    <Label-rectangle id="0" width="60mm" height="40mm" round="2mm">
      <Layout nx="3" ny="7" x0="10mm" y0="8mm" dx="65mm" dy="40mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Avery" part="5160" size="US-Letter" _description="Address Labels">
    <Label-rectangle id="0" width="2in" height="1in" round="0">
      <Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/>
    </Label-rectangle>
  </Template>
</Glabels-templates>)");
    }
    Activate(Avery5160);
    const LabelTemplate stock = table->Current();
    const quint32 records = table->RecordCount();
    dialog->SearchBox->setText("5160");
    dialog->ImportFile(file);
    EXPECT_EQ(table->RecordCount(), records + 1);
    EXPECT_EQ(SelectedName(), "Acme A1 Jar labels");
    EXPECT_TRUE(table->Current().userDefined);
    EXPECT_EQ(table->Current().brand, "Acme");
    EXPECT_TRUE(dialog->SearchBox->text().isEmpty());
    ASSERT_EQ(prompts.Messages("Information").size(), 1);
    const QString message = prompts.Messages("Information").first();
    EXPECT_TRUE(message.startsWith("1 template imported from mine-templates.xml."))
        << message.toStdString();
    EXPECT_TRUE(message.contains("1 skipped:\n  Avery 5160 Address Labels: a template of this "
                                 "name is already present"));
    // The stock template of that name is untouched.
    ASSERT_TRUE(table->Seek(Avery5160));
    EXPECT_EQ(table->Current(), stock);

    // A file of another kind says so and changes nothing.
    const QString other = QDir(dir.path()).filePath("notes.txt");
    {
        QFile out(other);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("shopping list");
    }
    dialog->ImportFile(other);
    EXPECT_EQ(table->RecordCount(), records + 1);
    EXPECT_TRUE(prompts.Messages("Information").last().contains("is not a template file"));
}

TEST_F(SelectTemplateTest, HelpOpensItsTopicAndTheButtonsClose) {
    dialog->HelpButton->click();
    ASSERT_EQ(prompts.History().size(), 1u);
    EXPECT_EQ(prompts.History()[0].kind, "Help");
    EXPECT_EQ(prompts.History()[0].caption, "1015");
    dialog->OkButton->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    dialog->CancelButton->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(SelectTemplateTest, CatalogueLooksRight) {
    Activate(Avery5160);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    const QImage picture = dialog->grab().toImage();
    EXPECT_GT(picture.width(), 400);
    const QString out = QDir::temp().filePath("qv-select-template.png");
    EXPECT_TRUE(picture.save(out));
}

} // namespace
