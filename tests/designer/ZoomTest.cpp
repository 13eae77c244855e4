#include "controls/TCanvasPanel.h"
#include "controls/TPim3DLabel.h"
#include "controls/TPimShape.h"
#include "controls/ZoomedBox.h"
#include "designer/DesignRuler.h"
#include "designer/LabelItems.h"
#include "designer/LabelUnit.h"
#include "designer/TStretchHandle.h"
#include "designer/ZoomMapping.h"
#include "document/ScreenMetrics.h"
#include "document/SheetGeometry.h"
#include "support/PointerDriver.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(ZoomMapping, ScreenAndDesignPixelsAndInches) {
    const ZoomMapping actual(1.0, 96);
    EXPECT_EQ(actual.ToScreen(QRect(7, -3, 25, 1)), QRect(7, -3, 25, 1));
    EXPECT_EQ(actual.ToDesign(QPoint(-5, 13)), QPoint(-5, 13));

    const ZoomMapping twice(2.0, 96);
    EXPECT_EQ(twice.ToScreen(QPoint(10, -3)), QPoint(20, -6));
    EXPECT_EQ(twice.ToDesign(QPoint(21, 7)), QPoint(11, 4)); // halves go away from zero
    EXPECT_DOUBLE_EQ(twice.ScreenToInches(192), 1.0);
    EXPECT_DOUBLE_EQ(twice.InchesToScreen(0.5), 96);
    EXPECT_EQ(twice.ScreenToInches(QPointF(96, 48)), QPointF(0.5, 0.25));

    // A line one design pixel thin stays one screen pixel at a quarter.
    const ZoomMapping quarter(0.25, 96);
    EXPECT_EQ(quarter.ToScreen(QRect(9, 10, 1, 60)), QRect(2, 3, 1, 15));
    EXPECT_EQ(quarter.ToScreen(QRect(0, 0, 0, 0)).size(), QSize(0, 0));

    // Zooms beyond the range are held to it.
    EXPECT_DOUBLE_EQ(ZoomMapping(20).Zoom(), ZoomMapping::MaxZoom);
    EXPECT_DOUBLE_EQ(ZoomMapping(0.01).Zoom(), ZoomMapping::MinZoom);
}

TEST(ZoomMapping, StepsFollowTheLadderFromAnyZoom) {
    EXPECT_DOUBLE_EQ(ZoomMapping::StepIn(1.0), 1.25);
    EXPECT_DOUBLE_EQ(ZoomMapping::StepOut(1.0), 0.75);
    EXPECT_DOUBLE_EQ(ZoomMapping::StepIn(8.0), 8.0);
    EXPECT_DOUBLE_EQ(ZoomMapping::StepOut(0.25), 0.25);
    // A fitted zoom between steps goes to the neighbouring steps.
    EXPECT_DOUBLE_EQ(ZoomMapping::StepIn(2.37), 3.0);
    EXPECT_DOUBLE_EQ(ZoomMapping::StepOut(2.37), 2.0);
    // Every step in and back out returns to 100 %.
    double zoom = 1.0;
    for (int i = 0; i < 20; ++i)
        zoom = ZoomMapping::StepIn(zoom);
    EXPECT_DOUBLE_EQ(zoom, 8.0);
    for (int i = 0; i < 7; ++i)
        zoom = ZoomMapping::StepOut(zoom);
    EXPECT_DOUBLE_EQ(zoom, 1.0);
}

TEST(ZoomMapping, FittingFillsTheRoomOneWay) {
    // 2.625 x 1 in at 96 per inch is 252 x 96: 504 x 300 of room gives 200 %.
    EXPECT_DOUBLE_EQ(ZoomMapping::Fitting({2.625, 1}, {504, 300}, 96), 2.0);
    EXPECT_DOUBLE_EQ(ZoomMapping::Fitting({2.625, 1}, {1000, 144}, 96), 1.5);
    // A 1/2 x 1-3/4 in label on a large screen reaches the 800 % limit.
    EXPECT_DOUBLE_EQ(ZoomMapping::Fitting({1.75, 0.5}, {1860, 880}, 96), 8.0);
    EXPECT_DOUBLE_EQ(ZoomMapping::Fitting({40, 40}, {400, 400}, 96), ZoomMapping::MinZoom);
    EXPECT_DOUBLE_EQ(ZoomMapping::Fitting({0, 1}, {400, 400}, 96), 1.0);
}

// Controls on a zoomed panel: their boxes stay in design pixels whatever the zoom.
class ZoomedPanel : public ::testing::Test {
protected:
    void SetUp() override {
        SetScreenPixelsPerInch(96);
        panel.SetDesignSize({252, 96});
        item = new QWidget(&panel);
        item->setObjectName(QStringLiteral("Special1"));
        ZoomedBox::Set(item, {9, 10, 25, 7});
    }
    TCanvasPanel panel;
    QWidget* item = nullptr;
};

TEST_F(ZoomedPanel, ZoomingPlacesItemsAgainAndKeepsTheirBoxes) {
    for (const double zoom : {2.5, 0.25, 8.0, 0.33, 1.0}) {
        panel.setZoom(zoom);
        EXPECT_EQ(ZoomedBox::Of(item), QRect(9, 10, 25, 7)) << zoom;
        EXPECT_EQ(panel.size(), QSize(int(std::lround(252 * zoom)), int(std::lround(96 * zoom))));
    }
    EXPECT_EQ(item->geometry(), QRect(9, 10, 25, 7));
    panel.setZoom(2);
    EXPECT_EQ(item->geometry(), QRect(18, 20, 50, 14));
}

TEST_F(ZoomedPanel, WhatMovedTheWidgetIsReadBackSideBySide) {
    panel.setZoom(0.25);
    EXPECT_EQ(item->geometry(), QRect(2, 3, 6, 2));
    // Moved a screen pixel right: the left is read back, the size stays exact.
    item->move(3, 3);
    EXPECT_EQ(ZoomedBox::Of(item), QRect(12, 10, 25, 7));
    // Widened on screen: the width is read back too.
    item->resize(8, 2);
    EXPECT_EQ(ZoomedBox::Of(item), QRect(12, 10, 32, 7));
    // A widget never placed is at its own size.
    QWidget fresh(&panel);
    fresh.setGeometry(4, 5, 6, 7);
    EXPECT_EQ(ZoomedBox::Of(&fresh), QRect(4, 5, 6, 7));
}

// The items of a label model at a zoom: what the model holds does not depend on it.
class ZoomedItems : public ::testing::Test, public ItemControlHooks {
protected:
    void SetUp() override {
        SetScreenPixelsPerInch(96);
        panel.SetDesignSize({252, 96});
        items = std::make_unique<LabelItems>(&panel, model, this);
    }
    void TearDown() override {
        items.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void ItemControlCreated(QWidget*) override {}
    void ItemControlsRemoving() override {}
    LabelItemValue Text(int left, int top) {
        LabelItemValue value;
        value.kind = LabelItemKind::Text;
        value.left = left;
        value.top = top;
        value.text = QStringLiteral("Zoom 123");
        value.fontName = QStringLiteral("Arial");
        value.fontSize = 10;
        value.bold = true;
        return value;
    }

    TCanvasPanel panel;
    LabelModel model;
    std::unique_ptr<LabelItems> items;
};

TEST_F(ZoomedItems, AnItemPlacedAtAZoomHoldsWhatItHoldsAtActualSize) {
    const QString atOne = model.CreateItemFromValue(Text(20, 30));
    const LabelItemValue one = model.Design().Find(atOne)->value;
    const QString saved = model.Design().SaveItems();
    for (const double zoom : {2.0, 0.25, 3.0, 0.67, 8.0}) {
        panel.setZoom(zoom);
        // The text draws with its font scaled; its control takes the scaled box.
        QWidget* control = items->Control(atOne);
        EXPECT_NEAR(control->width(), one.width * zoom, 1.0) << zoom;
        EXPECT_EQ(ZoomedBox::Of(control), QRect(20, 30, one.width, one.height)) << zoom;
        // Zooming changed nothing the label holds.
        EXPECT_EQ(model.Design().SaveItems(), saved) << zoom;
        // A text placed at this zoom measures as at true scale.
        const QString placed = model.CreateItemFromValue(Text(20, 30));
        const LabelItemValue value = model.Design().Find(placed)->value;
        EXPECT_EQ(QSize(value.width, value.height), QSize(one.width, one.height)) << zoom;
        EXPECT_EQ(QPoint(value.relativeX, value.relativeY), QPoint(one.relativeX, one.relativeY));
        model.RemoveItem(placed);
    }
}

// The selection frame at a zoom: the pointer's travel counts at the zoom, the grid lies in
// design pixels, an arrow moves a screen pixel (never less than a design pixel).
class ZoomedHandle : public ::testing::Test {
protected:
    void SetUp() override {
        panel.SetDesignSize({300, 200});
        panel.setZoom(2.0);
        item = new QWidget(&panel);
        item->setObjectName(QStringLiteral("Special1"));
        ZoomedBox::Set(item, {16, 16, 60, 30});
        handle.AttachItem(item);
    }
    void TearDown() override { handle.DetachAll(); }
    void DragHandle(const QPoint& from, const QPoint& to) {
        using namespace PointerDriver;
        Hover(&handle, from);
        Press(&handle, from);
        Drag(&handle, to);
        Release(&handle, to);
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&handle, &event);
    }
    TCanvasPanel panel;
    QWidget* item = nullptr;
    TStretchHandle handle;
};

TEST_F(ZoomedHandle, ADragMovesByHalfItsScreenTravelAtTwiceTheSize) {
    DragHandle({60, 30}, {100, 50});
    EXPECT_EQ(ZoomedBox::Of(item), QRect(36, 26, 60, 30));
    EXPECT_EQ(item->geometry(), QRect(72, 52, 120, 60));
    EXPECT_EQ(handle.LastDropDesignRect(), QRect(36, 26, 60, 30));
}

TEST_F(ZoomedHandle, SeveralItemsMoveTogetherKeepingTheirSizes) {
    auto* second = new QWidget(&panel);
    second->setObjectName(QStringLiteral("Special2"));
    ZoomedBox::Set(second, {100, 50, 9, 7});
    handle.AttachItem(second);
    ASSERT_EQ(handle.AttachedCount(), 2);
    DragHandle({60, 30}, {100, 50});
    EXPECT_EQ(ZoomedBox::Of(item), QRect(36, 26, 60, 30));
    EXPECT_EQ(ZoomedBox::Of(second), QRect(120, 60, 9, 7));
}

// A hollow shape is hit along its outline only, also at a zoom: the band follows the outline
// drawn at the zoom, so nothing of it is clipped away.
TEST_F(ZoomedPanel, AHollowShapesHitBandFollowsItsOutlineAtTheZoom) {
    auto* shape = new TPimShape(&panel);
    shape->setObjectName(QStringLiteral("Special2"));
    shape->setBrushStyle(TBrushStyle::Clear);
    ZoomedBox::Set(shape, {10, 10, 40, 30});
    panel.show(); // a hidden widget hears of its new size only when shown
    panel.setZoom(2);
    ASSERT_EQ(shape->size(), QSize(80, 60));
    const QRegion band = shape->mask();
    EXPECT_TRUE(band.contains(QPoint(79, 30)));
    EXPECT_TRUE(band.contains(QPoint(40, 59)));
    EXPECT_FALSE(band.contains(QPoint(40, 30)));
}

TEST_F(ZoomedHandle, TheGridScalesWithTheLabel) {
    handle.setSnapToGrid(true);
    // 10 screen pixels are 5 design pixels: 16 + 5 snaps back to 16.
    DragHandle({60, 30}, {70, 30});
    EXPECT_EQ(ZoomedBox::Of(item).x(), 16);
    // 18 screen pixels are 9: 25 snaps to 24, 48 on screen.
    DragHandle({60, 30}, {78, 30});
    EXPECT_EQ(ZoomedBox::Of(item).x(), 24);
    EXPECT_EQ(item->x(), 48);
}

TEST_F(ZoomedHandle, ArrowsMoveAScreenPixelShiftArrowsAGridStep) {
    EXPECT_EQ(TStretchHandle::ArrowStep(Qt::Key_Left, {}, 1.0, 8, 8), QPoint(-1, 0));
    EXPECT_EQ(TStretchHandle::ArrowStep(Qt::Key_Down, {}, 0.25, 8, 8), QPoint(0, 4));
    EXPECT_EQ(TStretchHandle::ArrowStep(Qt::Key_Up, Qt::ShiftModifier, 1.0, 4, 2), QPoint(0, -2));
    EXPECT_EQ(TStretchHandle::ArrowStep(Qt::Key_A, {}, 1.0, 8, 8), QPoint());
    handle.setSnapToGrid(true);
    Key(Qt::Key_Right); // at 200 % a design pixel is the least step
    EXPECT_EQ(ZoomedBox::Of(item), QRect(17, 16, 60, 30));
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(ZoomedBox::Of(item), QRect(17, 24, 60, 30));
    EXPECT_EQ(item->geometry(), QRect(34, 48, 120, 60));
}

TEST(LabelUnit, ThePapersUnitAndItsFigures) {
    SheetGeometry letter;
    letter.paperSize = QStringLiteral("LTR");
    SheetGeometry a4;
    a4.paperSize = QStringLiteral("A4");
    SheetGeometry roll;
    roll.paperSize = QStringLiteral("ROLL");
    EXPECT_EQ(LabelUnit::Of(letter).Which(), LabelUnit::Inches);
    EXPECT_EQ(LabelUnit::Of(a4).Which(), LabelUnit::Millimetres);
    EXPECT_EQ(LabelUnit::Of(roll).Which(), LabelUnit::Inches);
    EXPECT_EQ(LabelUnit(LabelUnit::Inches).Format(1.25), QStringLiteral("1.250 in"));
    EXPECT_EQ(LabelUnit(LabelUnit::Millimetres).Format(1.25), QStringLiteral("31.8 mm"));

    // Typed numbers: the locale's form or the plain one, never a group separator.
    const QLocale german(QLocale::German, QLocale::Germany);
    const LabelUnit in(LabelUnit::Inches), mm(LabelUnit::Millimetres);
    EXPECT_EQ(in.LocalNumber(1.25, german), QStringLiteral("1,250"));
    EXPECT_EQ(mm.LocalNumber(10.0, german), QStringLiteral("254,0"));
    EXPECT_EQ(in.LocalFormat(1.25, german), QStringLiteral("1,250 in"));
    EXPECT_EQ(mm.LocalFormat(1.25, QLocale::c()), QStringLiteral("31.8 mm"));
    EXPECT_DOUBLE_EQ(*in.ParseInches(QStringLiteral("1,25"), german), 1.25);
    EXPECT_DOUBLE_EQ(*in.ParseInches(QStringLiteral("1.250"), german), 1.25);
    EXPECT_DOUBLE_EQ(*in.ParseInches(QStringLiteral(" 0.5 in"), QLocale::c()), 0.5);
    EXPECT_DOUBLE_EQ(*mm.ParseInches(QStringLiteral("25,4"), german), 1.0);
    EXPECT_FALSE(in.ParseInches(QStringLiteral("wide"), german));
    EXPECT_FALSE(in.ParseInches(QString(), german));
    EXPECT_FALSE(in.ParseInches(QStringLiteral("inf"), QLocale::c()));
}

TEST(DesignRuler, TicksKeepTheirDistance) {
    const LabelUnit inches(LabelUnit::Inches);
    const LabelUnit mm(LabelUnit::Millimetres);
    EXPECT_DOUBLE_EQ(DesignRuler::TickStep(inches, 96, 4), 1.0 / 16); // 6 px apart
    EXPECT_DOUBLE_EQ(DesignRuler::TickStep(inches, 24, 4), 1.0 / 4);  // a quarter of actual
    EXPECT_DOUBLE_EQ(DesignRuler::TickStep(inches, 96, 36), 0.5);
    EXPECT_DOUBLE_EQ(DesignRuler::TickStep(inches, 768, 36), 1.0 / 16); // 800 %
    EXPECT_DOUBLE_EQ(DesignRuler::TickStep(mm, 3.78, 4), 5);
    EXPECT_DOUBLE_EQ(DesignRuler::TickStep(mm, 3.78, 36), 10);
    EXPECT_DOUBLE_EQ(DesignRuler::TickStep(mm, 0.95, 36), 50);
    // Figures as the locale writes numbers, without group separators.
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(DesignRuler::Figure(0.25, german), QStringLiteral("0,25"));
    EXPECT_EQ(DesignRuler::Figure(1250, german), QStringLiteral("1250"));
    EXPECT_EQ(DesignRuler::Figure(0.25, QLocale::c()), QStringLiteral("0.25"));
}

} // namespace
