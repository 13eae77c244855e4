#include "document/ConversionError.h"
#include "document/ItemTransfer.h"
#include "document/LabelModel.h"
#include "document/ObjectsTextReader.h"
#include "document/PrintItemsReader.h"
#include "document/ScreenMetrics.h"
#include "document/StoredKeys.h"

#include <QMimeData>
#include <QSet>
#include <gtest/gtest.h>

#include <vector>

namespace {

QString Lines(std::initializer_list<const char*> lines) {
    QString text;
    for (const char* line : lines)
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

LabelItemValue Box(LabelItemKind kind, int top, int left, int width = 30, int height = 20) {
    LabelItemValue value = ItemKind(kind).newItem();
    value.top = top, value.left = left, value.width = width, value.height = height;
    return value;
}

// Remembers every change the model reports.
class RecordingView : public DesignView {
public:
    std::vector<DesignChange> changes;
    void DesignChanged(const LabelDesign&, const DesignChange& change) override {
        changes.push_back(change);
    }
};

class LabelDesignTest : public ::testing::Test {
protected:
    void SetUp() override { SetScreenPixelsPerInch(96); }
};

TEST_F(LabelDesignTest, EveryStoredKeyHasOneNameThatReadsBackAsIt) {
    QSet<QString> names;
    for (int k = 0; k <= int(StoredKey::Nothing); ++k) {
        const auto key = StoredKey(k);
        const QString name = StoredKeyName(key).toString();
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names.insert(name);
        EXPECT_EQ(StoredKeyFromName(name), key);
        EXPECT_EQ(name, name.toUpper());
    }
    // Keys compare exactly.
    EXPECT_FALSE(StoredKeyFromName(u"top").has_value());
    EXPECT_FALSE(StoredKeyFromName(u"TOP ").has_value());
}

TEST_F(LabelDesignTest, EveryKindIsRegisteredUnderItsOwnWordAndCode) {
    QSet<QString> words;
    for (LabelItemKind kind : AllItemKinds) {
        const ItemKindDescriptor& descriptor = ItemKind(kind);
        EXPECT_EQ(descriptor.kind, kind);
        EXPECT_EQ(ItemKindFromWord(descriptor.word), kind);
        EXPECT_EQ(descriptor.newItem().kind, kind);
        words.insert(descriptor.word.toString());
        // Every kind stores its box.
        ASSERT_GE(descriptor.lines.size(), 4u);
        EXPECT_EQ(descriptor.lines[descriptor.kind == LabelItemKind::Text ? 1 : 0].key,
                  StoredKey::Top);
    }
    EXPECT_EQ(words.size(), ItemKindCount);
    EXPECT_FALSE(ItemKindFromWord(u"text").has_value());
}

// The design side never reads RELATIVEX, so a label whose origin line is damaged still loads;
// the print side reads it and refuses the text.
TEST_F(LabelDesignTest, AMalformedValueFailsOnlyTheSideThatReadsIt) {
    const QString text = Lines({"LABELITEM=TEXT", "TEXT=Hello", "RELATIVEX=1,5", "TOP=0.5"});
    const DesignItems design = ReadDesignItems(text);
    EXPECT_FALSE(design.error.has_value());
    ASSERT_EQ(design.items.size(), 1u);
    EXPECT_EQ(design.items[0].top, 48);
    try {
        ReadPrintItems(text);
        FAIL() << "the print side read a malformed distance";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("'1,5' is not a valid floating point value"));
    }
}

TEST_F(LabelDesignTest, REstoreItemsNamesItemsInOrderAndAnchorsKeptBlocksByName) {
    LabelDesign design;
    const auto read = design.REstoreItems(Lines({
        "LABELITEM=STAR", "POINTS=5",        // before the first item
        "LABELITEM=RECTANGLE", "TOP=0.1",    //
        "LABELITEM=ELLIPSE", "TOP=0.2",      //
        "LABELITEM=ARROW", "NOTHING=NOTHING" // after Special2
    }));
    EXPECT_EQ(read.dropped, 0);
    EXPECT_FALSE(read.error.has_value());
    ASSERT_EQ(design.items.size(), 2u);
    EXPECT_EQ(design.items[0].name, QStringLiteral("Special1"));
    EXPECT_EQ(design.items[1].name, QStringLiteral("Special2"));
    ASSERT_EQ(design.kept.size(), 2u);
    EXPECT_EQ(design.kept[0],
              (KeptBlock{QString(), QStringLiteral("LABELITEM=STAR\r\nPOINTS=5\r\n")}));
    EXPECT_EQ(design.kept[1].after, QStringLiteral("Special2"));
    EXPECT_EQ(design.kept[1].lines, QStringLiteral("LABELITEM=ARROW\r\n"));
    EXPECT_EQ(design.FreeName(), QStringLiteral("Special3"));
    EXPECT_TRUE(design.SaveItems().startsWith(QStringLiteral("LABELITEM=STAR\r\nPOINTS=5\r\n"
                                                             "LABELITEM=RECTANGLE\r\n")));
}

TEST_F(LabelDesignTest, REstoreItemsStopsAtTheThousandthNameAndKeepsTheItemsBeforeAnError) {
    QString many;
    for (int i = 0; i < 1003; ++i)
        many += QStringLiteral("LABELITEM=HORIZONTALLINE\r\n");
    LabelDesign design;
    EXPECT_EQ(design.REstoreItems(many).dropped, 3);
    EXPECT_EQ(design.items.size(), size_t(LabelDesign::MaxItems));
    EXPECT_EQ(design.items.back().name, QStringLiteral("Special1000"));
    EXPECT_TRUE(design.FreeName().isEmpty());

    const auto read = design.REstoreItems(
        Lines({"LABELITEM=ELLIPSE", "LABELITEM=TEXT", "FONTSIZE=ten", "LABELITEM=RECTANGLE"}));
    ASSERT_TRUE(read.error.has_value());
    EXPECT_EQ(read.error->message(), QStringLiteral("'ten' is not a valid integer value"));
    ASSERT_EQ(design.items.size(), 1u);
    EXPECT_EQ(design.items[0].value.kind, LabelItemKind::Ellipse);
}

TEST_F(LabelDesignTest, FreeNamesAreReusedAndCompareWithoutRegardToCase) {
    LabelDesign design;
    design.items = {{QStringLiteral("Special1"), Box(LabelItemKind::Rectangle, 0, 0)},
                    {QStringLiteral("SPECIAL3"), Box(LabelItemKind::Rectangle, 0, 0)},
                    {QStringLiteral("Special02"), Box(LabelItemKind::Rectangle, 0, 0)}};
    EXPECT_EQ(design.FreeName(), QStringLiteral("Special2"));
    design.items[2].name = QStringLiteral("special2");
    EXPECT_EQ(design.FreeName(), QStringLiteral("Special4"));
}

TEST_F(LabelDesignTest, EditsReportWhatTheyChangedAndNothingWhenNothingChanged) {
    LabelModel model;
    RecordingView view;
    model.AddView(&view);
    const QString first = model.CreateItemFromValue(Box(LabelItemKind::Rectangle, 1, 2));
    const QString second = model.CreateItemFromValue(Box(LabelItemKind::Text, 3, 4));
    EXPECT_EQ(first, QStringLiteral("Special1"));
    EXPECT_EQ(second, QStringLiteral("Special2"));
    ASSERT_EQ(view.changes.size(), 2u);
    EXPECT_EQ(view.changes[1].added, QStringList{second});
    EXPECT_FALSE(view.changes[1].restacked);

    LabelItemValue moved = model.Design().items[0].value;
    moved.left += 5;
    model.SetItem(first, moved);
    EXPECT_EQ(view.changes.back().changed, QStringList{first});
    model.SetItem(first, moved); // the same value again
    model.SetDescription(QString());
    EXPECT_EQ(view.changes.size(), 3u);

    model.BringToFront(first);
    EXPECT_TRUE(view.changes.back().restacked);
    EXPECT_TRUE(view.changes.back().changed.isEmpty());
    EXPECT_EQ(model.Design().items.back().name, first);
    model.BringToFront(first); // already in front
    EXPECT_EQ(view.changes.size(), 4u);
    model.SendToBack(first);
    EXPECT_EQ(model.Design().items.front().name, first);

    model.SetDescription(QStringLiteral("Parcel"));
    EXPECT_TRUE(view.changes.back().description);
    model.SetTemplate(QStringLiteral("A4"), {1, 2, 3, 4, 0, 0, 2, 1, "A4", "RR"});
    EXPECT_TRUE(view.changes.back().layout);
    EXPECT_EQ(view.changes.size(), 7u);
}

TEST_F(LabelDesignTest, RemovingAnItemMovesTheBlocksThatFollowedItBehindTheItemBefore) {
    LabelModel model;
    LabelDesign design;
    design.REstoreItems(
        Lines({"LABELITEM=RECTANGLE", "LABELITEM=ELLIPSE", "LABELITEM=STAR", "LABELITEM=TEXT"}));
    model.Load(design);
    ASSERT_EQ(model.Design().kept.size(), 1u);
    EXPECT_EQ(model.Design().kept[0].after, QStringLiteral("Special2"));
    model.RemoveItem(QStringLiteral("Special2"));
    EXPECT_EQ(model.Design().kept[0].after, QStringLiteral("Special1"));
    model.RemoveItem(QStringLiteral("Special1"));
    EXPECT_EQ(model.Design().kept[0].after, QString());
    EXPECT_TRUE(model.Design().SaveItems().startsWith(QStringLiteral("LABELITEM=STAR\r\n")));
}

TEST_F(LabelDesignTest, SeveralItemsAreAddedAndRemovedInOneEditEach) {
    LabelModel model;
    RecordingView view;
    model.AddView(&view);
    model.CreateItemFromValue(Box(LabelItemKind::Rectangle, 1, 2));
    model.CreateItemFromValue(Box(LabelItemKind::Ellipse, 1, 2));
    model.RemoveItem(QStringLiteral("Special1"));
    // The free names are taken in order, the first free one first.
    const QStringList added =
        model.AddItems({Box(LabelItemKind::Text, 5, 6), Box(LabelItemKind::Barcode, 7, 8)});
    EXPECT_EQ(added, (QStringList{QStringLiteral("Special1"), QStringLiteral("Special3")}));
    EXPECT_EQ(view.changes.back().added, added);
    EXPECT_EQ(model.Design().items.back().name, QStringLiteral("Special3")); // front-most
    const size_t edits = view.changes.size();
    model.RemoveItems(
        {QStringLiteral("Special2"), QStringLiteral("Special9"), QStringLiteral("Special3")});
    EXPECT_EQ(view.changes.size(), edits + 1);
    ASSERT_EQ(model.Design().items.size(), 1u);
    EXPECT_EQ(model.Design().items[0].value.kind, LabelItemKind::Text);
}

TEST_F(LabelDesignTest, ItemsCarriedOnTheClipboardComeBackAsTheyWere) {
    std::vector<LabelItemValue> values;
    for (LabelItemKind kind : AllItemKinds)
        values.push_back(Box(kind, 10 + int(values.size()), 20));
    values[0].text = QStringLiteral("First line\nsecond — ü");
    LabelItemValue other = Box(LabelItemKind::Text, 1, 1);
    other.text = QStringLiteral("Other");
    values.push_back(other);
    const std::unique_ptr<QMimeData> data(ItemTransfer::ToMimeData(values));
    ASSERT_TRUE(data->hasFormat(ItemTransfer::MimeType));
    // Read back through the stored form, each item is what was copied.
    LabelDesign stored;
    stored.REstoreItems(ItemTransfer::ObjectsText(values));
    EXPECT_EQ(ItemTransfer::ItemsFrom(*data), stored.ItemValues());
    ASSERT_EQ(ItemTransfer::ItemsFrom(*data).size(), values.size());
    EXPECT_EQ(ItemTransfer::ItemsFrom(*data)[0].text, values[0].text);
    EXPECT_EQ(ItemTransfer::ItemsFrom(*data)[3].left, 20);
    // Other programs see the texts only.
    EXPECT_EQ(data->text(), values[0].text + QStringLiteral("\nOther"));
    // Plain text and damaged data carry no items.
    QMimeData plain;
    plain.setText(QStringLiteral("LABELITEM=TEXT"));
    EXPECT_TRUE(ItemTransfer::ItemsFrom(plain).empty());
    QMimeData damaged;
    damaged.setData(ItemTransfer::MimeType, QByteArray("LABELITEM=RECTANGLE\r\nTOP=x\r\n"));
    EXPECT_TRUE(ItemTransfer::ItemsFrom(damaged).empty());
}

TEST_F(LabelDesignTest, RestoreReportsOnlyWhatDiffers) {
    LabelModel model;
    for (int i = 0; i < 5; ++i)
        model.CreateItemFromValue(Box(LabelItemKind::Ellipse, i, i));
    const LabelDesign before = model.Design();
    LabelItemValue moved = before.items[3].value;
    moved.top = 40;
    model.SetItem(QStringLiteral("Special4"), moved);
    model.RemoveItem(QStringLiteral("Special1"));

    RecordingView view;
    model.AddView(&view);
    model.Restore(before);
    ASSERT_EQ(view.changes.size(), 1u);
    const DesignChange& change = view.changes[0];
    EXPECT_EQ(change.changed, QStringList{QStringLiteral("Special4")});
    EXPECT_EQ(change.added, QStringList{QStringLiteral("Special1")});
    EXPECT_TRUE(change.removed.isEmpty());
    // Special1 comes back behind the others.
    EXPECT_TRUE(change.restacked);
    EXPECT_EQ(model.Design(), before);

    // An item whose kind differs under the same name is made anew.
    LabelDesign other = before;
    other.items[0].value.kind = LabelItemKind::Rectangle;
    const DesignChange swapped = DesignChange::Between(before, other);
    EXPECT_EQ(swapped.removed, QStringList{QStringLiteral("Special1")});
    EXPECT_EQ(swapped.added, QStringList{QStringLiteral("Special1")});
}

// The layout measures an item before the model takes it: the model holds the measured size.
TEST_F(LabelDesignTest, TheLayoutSettlesEveryItemTheModelTakes) {
    class FixedSizes : public ItemLayout {
    public:
        QStringList settled;
        void Settle(const QString& name, LabelItemValue& value) override {
            settled << name;
            value.width = 77;
            value.height = 11;
        }
    } layout;
    LabelModel model;
    model.SetLayout(&layout);
    const QString name = model.CreateItemFromValue(Box(LabelItemKind::Text, 0, 0, 0, 0));
    EXPECT_EQ(model.Design().items[0].value.width, 77);
    LabelItemValue value = model.Design().items[0].value;
    value.text = QStringLiteral("Longer");
    model.SetItem(name, value);
    EXPECT_EQ(layout.settled, (QStringList{name, name}));
    // What the design holds is what is written.
    EXPECT_TRUE(model.Design().SaveItems().contains(QStringLiteral("WIDTH=0.802\r\n")));
}

} // namespace
