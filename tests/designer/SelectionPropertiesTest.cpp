#include "designer/SelectionProperties.h"
#include "controls/TCanvasPanel.h"
#include "designer/DesignSteps.h"
#include "designer/FontFace.h"
#include "designer/LabelItems.h"
#include "designer/SelectionControl.h"
#include "designer/TFontDialog.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A selection of several items that holds what it is given.
class ListSelection : public SelectionControl {
public:
    void AttachControl(QWidget* item) override { items = {item}; }
    void DetachControl() override { items.clear(); }
    void RefreshAttach(QWidget*) override {}
    QWidget* Selected() const override { return items.size() == 1 ? items.front() : nullptr; }
    QList<QWidget*> SelectedItems() const override { return items; }
    void SelectItems(const QList<QWidget*>& chosen) override { items = chosen; }
    QList<QWidget*> items;
};

// The steps opened, by name, and the edits the model told its views of.
class Recorder : public DesignSteps, public DesignView {
public:
    void BeginStep(const QString& name) override {
        if (depth++ == 0)
            steps << name;
    }
    void EndStep() override { --depth; }
    void MayJoinPrevious(const QString& key) override { joinKeys << key; }
    void DesignChanged(const LabelDesign&, const DesignChange&) override { ++edits; }
    QStringList steps;
    QStringList joinKeys;
    int depth = 0;
    int edits = 0;
};

class SelectionPropertiesTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel.resize(400, 200);
        // A 2.625 x 1 in label: 252 x 96 design pixels.
        model.SetTemplate(QStringLiteral("Address"),
                          {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "RR"});
        items = std::make_unique<LabelItems>(&panel, model);
        properties = std::make_unique<SelectionProperties>(selection, *items, [this] { ++marks; });
        properties->SetSteps(&recorder);
    }
    void TearDown() override {
        model.RemoveView(&recorder);
        items.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString AddText(const QString& face, int size, bool bold, int left = 10) {
        return model.CreateItemFromValue({.kind = LabelItemKind::Text,
                                          .top = 10,
                                          .left = left,
                                          .text = QStringLiteral("Sample"),
                                          .fontName = face,
                                          .fontSize = size,
                                          .bold = bold});
    }
    QString AddBox(int left, int top, int width, int height) {
        return model.CreateItemFromValue({.kind = LabelItemKind::Rectangle,
                                          .top = top,
                                          .left = left,
                                          .width = width,
                                          .height = height,
                                          .brushStyle = TBrushStyle::Clear,
                                          .brushColor = 0xFFFFFF,
                                          .penWidth = 1,
                                          .penColor = 0});
    }
    void Select(const QStringList& names) {
        selection.items.clear();
        for (const QString& name : names)
            selection.items << items->Control(name);
    }
    const LabelItemValue& Value(const QString& name) const {
        return model.Design().Find(name)->value;
    }
    // From here on the recorder counts the edits.
    void Watch() { model.AddView(&recorder); }

    TCanvasPanel panel;
    LabelModel model;
    std::unique_ptr<LabelItems> items;
    ListSelection selection;
    Recorder recorder;
    std::unique_ptr<SelectionProperties> properties;
    int marks = 0;
};

TEST_F(SelectionPropertiesTest, AChangeGoesToEveryItemThatHasItAsOneNamedStep) {
    const QString a = AddText(QStringLiteral("DejaVu Sans"), 10, false, 10);
    const QString b = AddText(QStringLiteral("DejaVu Serif"), 12, true, 100);
    const QString box = AddBox(20, 40, 60, 30);
    Select({a, b, box});
    Watch();

    // Mixed values are no value; what no item has is not offered.
    EXPECT_FALSE(properties->Shared(ItemProperty::FontFamily).isValid());
    EXPECT_FALSE(properties->Shared(ItemProperty::Bold).isValid());
    EXPECT_FALSE(properties->Shared(ItemProperty::FontSize).isValid());
    EXPECT_TRUE(properties->Offers(ItemProperty::FillColor));
    EXPECT_EQ(properties->Shared(ItemProperty::LineWidth), QVariant(1));
    EXPECT_EQ(properties->Shared(ItemProperty::FillColor), QVariant(-1)) << "a clear box";
    EXPECT_EQ(properties->Shared(ItemProperty::Top), QVariant()) << "10, 10 and 40";
    Select({a, b});
    EXPECT_FALSE(properties->Offers(ItemProperty::FillColor));
    EXPECT_FALSE(properties->Offers(ItemProperty::Width)) << "plain texts size themselves";
    Select({a, b, box});

    const LabelItemValue boxBefore = Value(box);
    properties->Apply(ItemProperty::Bold, true);
    EXPECT_TRUE(Value(a).bold);
    EXPECT_TRUE(Value(b).bold);
    EXPECT_EQ(Value(box), boxBefore);
    EXPECT_EQ(recorder.edits, 1);
    EXPECT_EQ(recorder.steps, QStringList{QStringLiteral("Bold")});
    // A second change of the same property of the same items may join this step (b was
    // bold already and is not among them).
    EXPECT_EQ(recorder.joinKeys, QStringList{QStringLiteral("Bold:") + a});
    EXPECT_EQ(marks, 1);
    EXPECT_EQ(properties->Shared(ItemProperty::Bold), QVariant(true));
    // The same value again changes nothing, opens no step and marks nothing.
    properties->Apply(ItemProperty::Bold, true);
    EXPECT_EQ(recorder.edits, 1);
    EXPECT_EQ(marks, 1);

    properties->Apply(ItemProperty::FontFamily, QStringLiteral("Liberation Serif"));
    properties->Apply(ItemProperty::FontSize, 14);
    EXPECT_EQ(Value(a).fontName, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(Value(b).fontSize, 14);
    EXPECT_EQ(Value(box), boxBefore);
    properties->Apply(ItemProperty::FillColor, 0x00FF00);
    EXPECT_EQ(Value(box).brushColor, 0x00FF00);
    EXPECT_EQ(Value(box).brushStyle, TBrushStyle::Solid) << "a colour fills a clear box";
    properties->Apply(ItemProperty::FillColor, -1);
    EXPECT_EQ(Value(box).brushStyle, TBrushStyle::Clear) << "no fill";
    EXPECT_EQ(Value(box).brushColor, 0x00FF00);
    properties->Apply(ItemProperty::Top, 20);
    EXPECT_EQ(Value(a).top, 20);
    EXPECT_EQ(Value(box).top, 20);
    EXPECT_EQ(
        recorder.steps,
        (QStringList{QStringLiteral("Bold"), QStringLiteral("Font"), QStringLiteral("Font Size"),
                     QStringLiteral("Fill Color"), QStringLiteral("Fill Color"),
                     QStringLiteral("Position")}));
    EXPECT_EQ(recorder.edits, 6);
    EXPECT_EQ(selection.items.size(), 3) << "the items stay selected";
}

TEST_F(SelectionPropertiesTest, PlacesAndSizesStayOnTheLabel) {
    const QString box = AddBox(20, 40, 60, 30);
    const QString text = AddText(QStringLiteral("DejaVu Sans"), 10, false);
    Select({box});
    properties->Apply(ItemProperty::Left, 1000);
    EXPECT_EQ(Value(box).left, 252 - 60);
    properties->Apply(ItemProperty::Top, -7);
    EXPECT_EQ(Value(box).top, 0);
    properties->Apply(ItemProperty::Width, 500);
    EXPECT_EQ(Value(box).width, 60) << "already reaching the right edge";
    properties->Apply(ItemProperty::Left, 12);
    properties->Apply(ItemProperty::Width, 500);
    EXPECT_EQ(Value(box).width, 252 - 12);
    properties->Apply(ItemProperty::Height, 0);
    EXPECT_EQ(Value(box).height, 1);

    // A width for a box and a plain text sizes the box alone.
    Select({box, text});
    const LabelItemValue textBefore = Value(text);
    properties->Apply(ItemProperty::Width, 40);
    EXPECT_EQ(Value(box).width, 40);
    EXPECT_EQ(Value(text), textBefore);
    EXPECT_EQ(properties->Shared(ItemProperty::Width), QVariant(40));
}

TEST_F(SelectionPropertiesTest, AFaceTheSystemLacksShowsAsItsStandInAndIsKept) {
    if (FontFace::Installed(QStringLiteral("Arial")))
        GTEST_SKIP() << "Arial is installed here";
    EXPECT_EQ(FontFace::Printed(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(FontFace::Printed(QStringLiteral("dejavu sans")), QStringLiteral("DejaVu Sans"));

    const QString a = AddText(QStringLiteral("Arial"), 10, false);
    Select({a});
    EXPECT_EQ(properties->Shared(ItemProperty::FontFamily), QVariant(QStringLiteral("Arial")));
    properties->Apply(ItemProperty::Italic, true);
    EXPECT_EQ(Value(a).fontName, QStringLiteral("Arial")) << "a style keeps the stored face";

    // The font dialog shows the stand-in, lets OK through and keeps the face.
    TFontDialog dialog;
    FontChoice choice;
    choice.name = QStringLiteral("Arial");
    choice.size = 10;
    dialog.SetChoice(choice);
    EXPECT_EQ(dialog.FontName->text(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(dialog.Problem().isEmpty());
    EXPECT_EQ(dialog.Choice().name, QStringLiteral("Arial"));
    // Another family chosen is the new face.
    dialog.FontName->setText(QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(dialog.Choice().name, QStringLiteral("DejaVu Serif"));
}

} // namespace
