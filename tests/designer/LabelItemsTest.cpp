#include "designer/LabelItems.h"

#include "controls/TBarcode.h"
#include "controls/TCanvasPanel.h"
#include "controls/TCounterLabel.h"
#include "controls/TImage.h"
#include "controls/TPim3DLabel.h"
#include "controls/TSymbol.h"
#include "document/ScreenMetrics.h"

#include <QCoreApplication>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The panel's controls as a view of a label model: every edit of the model, and nothing else,
// makes, changes, restacks or removes them.
class LabelItemsTest : public ::testing::Test, public ItemControlHooks {
protected:
    void SetUp() override {
        SetScreenPixelsPerInch(96);
        panel_.resize(300, 200);
        items_ = std::make_unique<LabelItems>(&panel_, model_, this);
        ASSERT_TRUE(dir_.isValid());
    }
    void TearDown() override {
        items_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void ItemControlCreated(QWidget* control) override { created_ << control->objectName(); }
    void ItemControlsRemoving() override { ++removals_; }

    QString Add(const LabelItemValue& value) { return model_.CreateItemFromValue(value); }
    QString AddLine(int top = 0) {
        return Add({.kind = LabelItemKind::HorizontalLine, .top = top, .width = 50, .height = 1,
                    .penWidth = 1});
    }
    QStringList Names() const {
        QStringList list;
        for (QWidget* control : items_->OrderList())
            list << control->objectName();
        return list;
    }
    // The label items among the panel's children, bottom to top of the stacking on screen.
    QStringList Stacking() const {
        QStringList names;
        for (QObject* child : panel_.children())
            if (LabelItems::IsLabelItem(child))
                names << child->objectName();
        return names;
    }
    template <typename T> T* Control(const QString& name) const {
        return qobject_cast<T*>(items_->Control(name));
    }
    QString Bitmap(const QString& fileName, int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString path = dir_.filePath(fileName);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }
    // Loads an objects text as a stored label does.
    void Load(const QString& text) {
        LabelDesign design;
        design.REstoreItems(text);
        model_.Load(design);
    }

    TCanvasPanel panel_;
    LabelModel model_;
    std::unique_ptr<LabelItems> items_;
    QStringList created_;
    int removals_ = 0;
    QTemporaryDir dir_;
};

TEST_F(LabelItemsTest, EachItemIsAControlOnThePanelNamedAsTheItem) {
    AddLine();
    AddLine();
    AddLine();
    EXPECT_EQ(Names(), QStringList({"Special1", "Special2", "Special3"}));
    EXPECT_EQ(created_, Names());
    EXPECT_EQ(panel_.findChild<QWidget*>("Special1")->parentWidget(), &panel_);
    EXPECT_EQ(items_->ItemOf(items_->Control("Special2"))->name, "Special2");
    EXPECT_EQ(items_->ItemOf(&panel_), nullptr);

    // A reused name goes to the front.
    model_.RemoveItem("Special2");
    EXPECT_EQ(removals_, 1);
    Add({.kind = LabelItemKind::Ellipse, .top = 1, .left = 2, .width = 30, .height = 20});
    EXPECT_EQ(Names(), QStringList({"Special1", "Special3", "Special2"}));
    EXPECT_EQ(Stacking(), Names());
    EXPECT_EQ(items_->KindOf(items_->Control("Special2")), LabelItemKind::Ellipse);
}

TEST_F(LabelItemsTest, NoThousandAndFirstItemIsMade) {
    for (int i = 0; i < LabelDesign::MaxItems; ++i)
        AddLine();
    EXPECT_EQ(items_->OrderList().back()->objectName(), "Special1000");
    EXPECT_TRUE(Add(ItemKind(LabelItemKind::Text).newItem()).isEmpty());
    EXPECT_EQ(items_->OrderList().size(), LabelDesign::MaxItems);
    EXPECT_TRUE(LabelItems::TooManyItemsMessage().contains("1000"));
}

// The controls measure what their items' looks decide, and the model holds it.
TEST_F(LabelItemsTest, TheModelHoldsWhatTheControlsLaidOut) {
    const QString picture = Bitmap("logo.bmp", 12, 9);
    const QString text = Add({.kind = LabelItemKind::Text, .top = 10, .left = 20,
                              .text = "two\r\nlines", .fontName = "Arial", .fontSize = 10,
                              .angle = 270});
    const QString natural = Add({.kind = LabelItemKind::Image, .top = 130, .left = 130,
                                 .width = 50, .height = 50, .fileName = picture});
    const QString stretched = Add({.kind = LabelItemKind::Image, .top = 10, .left = 200,
                                   .width = 60, .height = 40, .stretch = true,
                                   .fileName = picture});
    const QString symbol = Add({.kind = LabelItemKind::Symbol, .fontSize = 20, .asciiChar = 300});
    const LabelDesign& design = model_.Design();

    auto* label = Control<TPim3DLabel>(text);
    const LabelItemValue& textValue = design.Find(text)->value;
    EXPECT_EQ(label->Caption(), "twolines");
    EXPECT_EQ(textValue.text, "two\nlines"); // the lines are kept, not joined
    EXPECT_EQ(textValue.angle, -90);
    EXPECT_EQ(QSize(textValue.width, textValue.height), label->size());
    EXPECT_EQ(QPoint(textValue.relativeX, textValue.relativeY), label->TextOrigin());
    EXPECT_EQ(label->size(), label->TextExtent().transposed()); // the block turned a quarter
    EXPECT_EQ(Control<TImage>(natural)->size(), QSize(12, 9));
    EXPECT_EQ(design.Find(natural)->value.width, 12);
    EXPECT_EQ(design.Find(stretched)->value.width, 60);
    EXPECT_EQ(design.Find(symbol)->value.asciiChar, 255);
    EXPECT_EQ(QSize(design.Find(symbol)->value.width, design.Find(symbol)->value.height),
              Control<TSymbol>(symbol)->size());

    // Written and read back, the label comes back the same.
    const QString saved = design.SaveItems();
    EXPECT_TRUE(saved.contains("ANGLE=270\r\n"));
    Load(saved);
    EXPECT_EQ(model_.Design().SaveItems(), saved);
}

TEST_F(LabelItemsTest, BarcodesTakeTheirOwnSizeAndShowTheCounterStart) {
    const QString tag = Add({.kind = LabelItemKind::Barcode, .top = 10, .left = 20,
                             .symbology = BarcodeSymbology::Code128, .barcodeData = "TAG-{#}"});
    auto* barcode = Control<TBarcode>(tag);
    ASSERT_NE(barcode, nullptr);
    // A fresh item takes the symbol's own size: wider than tall for a linear code.
    EXPECT_GT(barcode->width(), barcode->height());
    EXPECT_EQ(model_.Design().Find(tag)->value.width, barcode->width());
    EXPECT_EQ(barcode->DataShown(), "TAG-0"); // no counter yet
    Add({.kind = LabelItemKind::Counter, .startingNumber = 41, .repeatEach = 1});
    EXPECT_EQ(barcode->DataShown(), "TAG-41");
}

TEST_F(LabelItemsTest, StoredValuesThatWouldAskAreShownAsStored) {
    const QString missing = dir_.filePath("moved away/logo.bmp");
    Load(QStringLiteral("LABELITEM=COUNTER\r\nSTARTINGNUMBER=-1\r\nLABELITEM=SYMBOL\r\n"
                        "ASCIICHAR=0\r\nLABELITEM=IMAGE\r\nTOP=0.500\r\nLEFT=0.250\r\n"
                        "WIDTH=1.000\r\nHEIGHT=0.750\r\nFILENAMEANDPATH=") +
         missing + "\r\n");
    EXPECT_EQ(Control<TCounterLabel>("Special1")->Caption(), "-1");
    EXPECT_EQ(Control<TSymbol>("Special2")->CharCode(), 0);
    auto* image = Control<TImage>("Special3");
    EXPECT_FALSE(image->HasPicture());
    EXPECT_EQ(image->geometry(), QRect(24, 48, 96, 72));
    EXPECT_EQ(image->Hint(), missing);
}

// Undo puts a design back: only the controls of items that differ are touched.
TEST_F(LabelItemsTest, RestoringADesignTouchesOnlyTheItemsThatDiffer) {
    for (int i = 0; i < 5; ++i)
        AddLine(i * 10);
    const LabelDesign before = model_.Design();
    QList<QPointer<QWidget>> controls = items_->OrderList();
    LabelItemValue moved = before.items[2].value;
    moved.left = 40;
    model_.SetItem("Special3", moved);
    model_.RemoveItem("Special5");
    model_.SendToBack("Special4");
    EXPECT_EQ(Stacking(), QStringList({"Special4", "Special1", "Special2", "Special3"}));
    EXPECT_EQ(controls[2]->x(), 40);

    created_.clear();
    model_.Restore(before);
    EXPECT_EQ(created_, QStringList{"Special5"});
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(items_->OrderList()[i], controls[i]) << i;
    EXPECT_EQ(controls[2]->x(), 0);
    EXPECT_EQ(Stacking(), QStringList({"Special1", "Special2", "Special3", "Special4", "Special5"}));

    // Another label makes every control afresh.
    model_.Load(before);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(controls[0].isNull());
    EXPECT_EQ(Names().size(), 5);
}

TEST_F(LabelItemsTest, ALivePreviewIsUndoneFromTheModel) {
    const QString text = Add({.kind = LabelItemKind::Text, .text = "Turn", .fontName = "Arial",
                              .fontSize = 12});
    auto* label = Control<TPim3DLabel>(text);
    const QSize size = label->size();
    label->setAngle(90);
    EXPECT_NE(label->size(), size);
    items_->ShowAgain(label);
    EXPECT_EQ(label->Angle(), 0);
    EXPECT_EQ(label->size(), size);
}

} // namespace
