#include "MainWindowFixture.h"

#include "document/ScreenMetrics.h"
#include "controls/TCanvasPanel.h"
#include "document/ChosenPositions.h"
#include "designer/LabelItems.h"
#include "storage/TemplateTable.h"
#include "templates/TSelectTemplate.h"
#include "templates/TemplateTableModel.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>

using Answer = ScriptedPrompter::Answer;

namespace {

const QString Avery5160 = QStringLiteral("Avery 5160 Address Labels");     // 3 x 10, RR
const QString Avery5663 = QStringLiteral("Avery 5663 Address Labels");     // 2 x 5, SR
const QString Round3x3 = QStringLiteral("Avery 3274.3 Large Round Labels"); // 3 x 3, RE
const QString Square3x3 = QStringLiteral("Avery 3274.1 Square Labels");    // 3 x 3, SR
const QString ConfigureQuestion = QStringLiteral(
    "This feature allows you to replace your current label template with another. Proceed?");

class ScopedPpi {
public:
    explicit ScopedPpi(int ppi) : previous_(ScreenPixelsPerInch()) { SetScreenPixelsPerInch(ppi); }
    ~ScopedPpi() { SetScreenPixelsPerInch(previous_); }

private:
    int previous_;
};

// The main window with its own template commands: the catalogue over the stock template
// table that the temporary data directory receives.
class TemplateCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        window = std::make_unique<TZendorMain>(dir.path());
        Prompter::SetMainWindow(window.get());
        window->FormActivate();
    }

    // The person picks the template named `name` in the catalogue (OK), or cancels it.
    // `preselected` receives the name the catalogue selected on opening.
    static Answer Choose(const QString& name, QString* preselected = nullptr) {
        return Answer::Dialog(!name.isEmpty(), [=](QDialog& d) {
            auto& catalogue = dynamic_cast<TSelectTemplate&>(d);
            catalogue.FormActivate();
            const TemplateTableModel& model = *catalogue.Model;
            if (preselected)
                *preselected = model.index(catalogue.SelectedRow(), 0).data().toString();
            for (int row = 0; row < model.rowCount(); ++row)
                if (model.index(row, 0).data().toString() == name)
                    catalogue.SelectRow(row);
        });
    }

    void NewLabelFrom(const QString& name) {
        prompts.Then(Choose(name));
        window->mnuNewLabel->trigger();
    }

    void SaveLabelFrom(const QString& templateName, const QString& description) {
        NewLabelFrom(templateName);
        window->Descript->setText(description);
        window->SaveButton->click();
        ASSERT_FALSE(Changed());
    }

    void Configure(const QString& templateName, QString* preselected = nullptr) {
        prompts.Then(Answer::Yes()).Then(Choose(templateName, preselected));
        window->mnuConfigureLabel->trigger();
    }

    CurrentLabel Label() { return window->Records().Label(); }
};

TEST_F(TemplateCommandsTest, NewLabelAppliesTheChosenTemplateAndFitsThePanel) {
    ScopedPpi ppi(96);
    NewLabelFrom(Avery5160);
    EXPECT_EQ(Description(), "{untitled label}");
    EXPECT_TRUE(Changed());
    EXPECT_EQ(Label().templateName, Avery5160);
    const SheetGeometry expected{1.0f, 2.625f, 3, 10, 0.5f, 0.1563f, 2.7813f, 1.0f, "LTR", "RR"};
    EXPECT_EQ(Label().geometry, expected);
    EXPECT_EQ(window->LabelPanel->size(), QSize(252, 96));
    EXPECT_EQ(window->LabelPanel->Shape(), lsRoundRect);
    EXPECT_TRUE(prompts.Messages("Information").isEmpty());
    EXPECT_EQ(prompts.Unanswered(), 0u);

    // Stored with the label (lengths to three decimals) and back after a restart.
    window->Descript->setText("Addresses");
    window->SaveButton->click();
    RestartWindow();
    SheetGeometry stored = expected;
    stored.leftMargin = 0.156f;
    stored.horizontalPitch = 2.781f;
    EXPECT_EQ(Label().templateName, Avery5160);
    EXPECT_EQ(Label().geometry, stored);
}

TEST_F(TemplateCommandsTest, PanelFollowsTheScreenScaleAndTheShapeCode) {
    ScopedPpi ppi(120);
    NewLabelFrom(Avery5160);
    EXPECT_EQ(window->LabelPanel->size(), QSize(315, 120));
    window->CancelButton->click();
    NewLabelFrom(Round3x3);
    EXPECT_EQ(window->LabelPanel->Shape(), lsEllipse);
    EXPECT_EQ(window->LabelPanel->size(), QSize(300, 300));
    window->show();
    const QImage picture = window->grab().toImage();
    EXPECT_TRUE(picture.save(QDir::temp().filePath("qv-round-template.png")));
    window->CancelButton->click();
    NewLabelFrom(Avery5663);
    EXPECT_EQ(window->LabelPanel->Shape(), lsRectangle);
}

TEST_F(TemplateCommandsTest, ConfigureReplacesTheGeometryButKeepsTheLabel) {
    ScopedPpi ppi(96);
    SaveLabelFrom(Avery5160, "Addresses");
    const QString objects = window->SaveItems();

    QString preselected;
    Configure(Avery5663, &preselected);
    ASSERT_FALSE(prompts.History().empty());
    const auto question = std::find_if(prompts.History().begin(), prompts.History().end(),
                                       [](const auto& s) { return s.kind == "YesNo"; });
    ASSERT_NE(question, prompts.History().end());
    EXPECT_EQ(question->caption, "Configure");
    EXPECT_EQ(question->message, ConfigureQuestion);
    EXPECT_EQ(preselected, Avery5160); // the label's own template is selected first

    EXPECT_EQ(Label().templateName, Avery5663);
    EXPECT_EQ(Label().geometry.labelsAcross, 2);
    EXPECT_FLOAT_EQ(Label().geometry.labelWidth, 4.25f);
    EXPECT_EQ(window->LabelPanel->size(), QSize(408, 192));
    EXPECT_EQ(Description(), "Addresses");
    EXPECT_EQ(window->SaveItems(), objects);
    EXPECT_TRUE(Changed());

    // Configuring is one step: undoing it returns to the stored geometry.
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Configure Label"));
    window->mnuUndo->trigger();
    EXPECT_EQ(Label().templateName, Avery5160);
    EXPECT_EQ(window->LabelPanel->size(), QSize(252, 96));
    EXPECT_FALSE(Changed());
    window->mnuRedo->trigger();
    EXPECT_EQ(Label().templateName, Avery5663);
    EXPECT_EQ(window->LabelPanel->size(), QSize(408, 192));
    EXPECT_TRUE(Changed());

    // Cancel returns to the stored geometry.
    window->CancelButton->click();
    EXPECT_FALSE(Changed());
    EXPECT_EQ(Label().templateName, Avery5160);
    EXPECT_EQ(window->LabelPanel->size(), QSize(252, 96));
}

TEST_F(TemplateCommandsTest, CancellingConfigureChangesNothing) {
    ScopedPpi ppi(96);
    SaveLabelFrom(Avery5160, "Addresses");
    const CurrentLabel before = Label();

    prompts.Then(Answer::No());
    window->mnuConfigureLabel->trigger();
    EXPECT_EQ(prompts.Unanswered(), 0u); // no catalogue after No

    Configure(QString()); // Yes, then Cancel in the catalogue
    EXPECT_EQ(prompts.Unanswered(), 0u);
    EXPECT_EQ(Label(), before);
    EXPECT_FALSE(Changed());
    EXPECT_TRUE(window->SaveButton->isHidden());
    EXPECT_EQ(window->LabelPanel->size(), QSize(252, 96));
    EXPECT_TRUE(window->mnuConfigureLabel->isEnabled());
}

TEST_F(TemplateCommandsTest, AnUnopenableTemplateTableStartsNoLabel) {
    // Held by another copy of the program.
    QString message;
    auto held = TemplateTable::Open(dir.path(), message);
    ASSERT_TRUE(held);
    window->mnuNewLabel->trigger();
    EXPECT_EQ(prompts.Messages("Information"),
              QStringList{"We were unable to open the label template file: QVLTPL.DBF"});
    EXPECT_FALSE(Changed());
    EXPECT_TRUE(window->LabelPanel->isHidden());
    held.reset();

    // Damaged.
    QFile file(dir.filePath("QVLTPL.DBF"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("\x03garbage");
    file.close();
    window->mnuNewLabel->trigger();
    EXPECT_EQ(prompts.Messages("Information").size(), 2);
    EXPECT_FALSE(Changed());
    EXPECT_TRUE(prompts.Messages("Error").isEmpty());
}

TEST_F(TemplateCommandsTest, AMissingTemplateTableIsRestoredFromTheStockTemplates) {
    ASSERT_FALSE(QFileInfo::exists(dir.filePath("QVLTPL.DBF")));
    NewLabelFrom(Avery5160);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("QVLTPL.DBF")));
    EXPECT_EQ(Label().templateName, Avery5160);
    EXPECT_TRUE(prompts.Messages("Information").isEmpty());
}

TEST_F(TemplateCommandsTest, ChangingTheLayoutClearsTheChosenPositions) {
    SaveLabelFrom(Round3x3, "Round");
    ChosenPositions& chosen = window->Model().Positions();
    chosen.SpecificLabelsChosen = true;
    chosen.SelectedPositions[4] = true;

    // Same number across and down: the positions still mean the same places.
    Configure(Square3x3);
    EXPECT_TRUE(chosen.SpecificLabelsChosen);
    EXPECT_TRUE(chosen.isSelected(4));
    window->SaveButton->click();

    Configure(Avery5160); // 3 x 3 becomes 3 x 10
    EXPECT_FALSE(chosen.SpecificLabelsChosen);
    EXPECT_FALSE(chosen.isSelected(4));

    // Positions chosen for the new layout go too when Cancel brings the old layout back.
    chosen.SpecificLabelsChosen = true;
    chosen.SelectedPositions[29] = true;
    window->CancelButton->click();
    EXPECT_EQ(Label().geometry.labelsDown, 3);
    EXPECT_FALSE(chosen.SpecificLabelsChosen);
    EXPECT_FALSE(chosen.isSelected(29));

    // A Cancel that keeps the layout keeps the positions.
    chosen.SpecificLabelsChosen = true;
    chosen.SelectedPositions[2] = true;
    window->Descript->setText(QStringLiteral("Round 2"));
    window->Records().TriggerChange();
    window->CancelButton->click();
    EXPECT_TRUE(chosen.isSelected(2));
    chosen.clear();
}

} // namespace
