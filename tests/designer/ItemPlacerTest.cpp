#include "DesignerFixture.h"

#include "controls/TCounterLabel.h"
#include "controls/TImage.h"
#include "controls/TLineShape.h"
#include "controls/TPimShape.h"
#include "controls/TSymbol.h"
#include "designer/DropToolButton.h"

#include <QDrag>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using Answer = ScriptedPrompter::Answer;

TEST_F(DesignerTest, TenToolButtonsStandAtTheLeftOfTheToolRow) {
    const QStringList expected = {"DropTextButton",      "DropRectButton",   "DropEllipseButton",
                                  "DropRoundRectButton", "DropSymbolButton", "DropHLineButton",
                                  "DropVLineButton",     "DropImageButton",  "DropCounterButton",
                                  "DropBarcodeButton"};
    ASSERT_EQ(placer->Buttons().size(), 10);
    int left = -1;
    for (int i = 0; i < 10; ++i) {
        DropToolButton* button = placer->Buttons()[i];
        EXPECT_EQ(button->objectName(), expected[i]);
        EXPECT_EQ(button->parentWidget(), &toolRow);
        EXPECT_EQ(button->size(), QSize(23, 23));
        // The Tab key reaches it; a click leaves the focus where it was.
        EXPECT_EQ(button->focusPolicy(), Qt::TabFocus);
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_GT(button->x(), left);
        left = button->geometry().right();
    }
    EXPECT_LT(placer->Buttons().first()->x(), 10);
}

TEST_F(DesignerTest, APressStartsADragAtOnceWithThePictureHangingFromItsTopLeft) {
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Rectangle,
                                        .top = 5,
                                        .left = 5,
                                        .width = 0,
                                        .height = 0,
                                        .brushStyle = TBrushStyle::Clear,
                                        .brushColor = 0,
                                        .penWidth = 1,
                                        .penColor = 0,
                                        .rounding = 0});
    selected = Last();
    QString carried;
    QSize picture;
    QPoint hotSpot(-1, -1);
    placer->RunDrag = [&](QDrag& drag) {
        carried = QString::fromLatin1(drag.mimeData()->data(ItemPlacer::MimeType));
        picture = drag.pixmap().size();
        hotSpot = drag.hotSpot();
    };
    // Any mouse button, no movement.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton,
                      Qt::RightButton, {});
    QCoreApplication::sendEvent(placer->Button(LabelItemKind::Ellipse), &press);
    EXPECT_EQ(carried, QStringLiteral("DropEllipseButton"));
    EXPECT_EQ(picture, QSize(32, 32));
    EXPECT_EQ(hotSpot, QPoint(0, 0));
    EXPECT_EQ(selected, nullptr);

    // Anything but a tool button starts nothing.
    carried.clear();
    placer->DropButtonDown(&toolRow);
    EXPECT_TRUE(carried.isEmpty());
}

TEST_F(DesignerTest, TheSymbolToolNeedsAWingdingsFont) {
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Rectangle,
                                        .top = 5,
                                        .left = 5,
                                        .width = 0,
                                        .height = 0,
                                        .brushStyle = TBrushStyle::Clear,
                                        .brushColor = 0,
                                        .penWidth = 1,
                                        .penColor = 0,
                                        .rounding = 0});
    selected = Last();
    int drags = 0;
    placer->RunDrag = [&](QDrag&) { ++drags; };
    placer->FontFamilies = [] { return QStringList{"Arial", "Symbol"}; };
    placer->DropButtonDown(placer->Button(LabelItemKind::Symbol));
    EXPECT_EQ(drags, 0);
    EXPECT_EQ(selected, Last()); // the selection stays
    EXPECT_EQ(prompts.Messages("Information"),
              QStringList{"This option requires the Windows font WINGDINGS to be installed"});

    placer->FontFamilies = [] { return QStringList{"Arial", "Wingdings 2"}; };
    placer->DropButtonDown(placer->Button(LabelItemKind::Symbol));
    EXPECT_EQ(drags, 1);
}

TEST_F(DesignerTest, ADroppedTextAsksForItsTextAndIsSelected) {
    prompts.Then(Answer::Text("Hello"));
    EXPECT_TRUE(DropOn(&panel, LabelItemKind::Text, {30, 12}));
    auto* text = LastAs<TPim3DLabel>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(prompts.History().back().caption, QStringLiteral("Text"));
    EXPECT_EQ(prompts.History().back().message, QStringLiteral("Enter text|Text"));
    EXPECT_EQ(text->Caption(), QStringLiteral("Hello"));
    EXPECT_EQ(text->pos(), QPoint(30, 12));
    EXPECT_EQ(text->FontName(), QStringLiteral("Arial"));
    EXPECT_EQ(text->FontSize(), 10);
    EXPECT_EQ(text->FontColor(), 0);
    EXPECT_TRUE(text->Bold());
    EXPECT_FALSE(text->Italic());
    EXPECT_FALSE(text->Underline());
    EXPECT_EQ(text->Angle(), 0);
    EXPECT_EQ(selected, text);
    EXPECT_EQ(changes, 1);
}

TEST_F(DesignerTest, ACancelledTextSelectsNothing) {
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Rectangle,
                                        .top = 5,
                                        .left = 5,
                                        .width = 0,
                                        .height = 0,
                                        .brushStyle = TBrushStyle::Clear,
                                        .brushColor = 0,
                                        .penWidth = 1,
                                        .penColor = 0,
                                        .rounding = 0});
    selected = Last();
    attached.clear();
    prompts.Then(Answer::CancelText());
    EXPECT_TRUE(DropOn(&panel, LabelItemKind::Text, {30, 12}));
    EXPECT_EQ(items->OrderList().size(), 1);
    EXPECT_EQ(selected, nullptr);
    EXPECT_TRUE(attached.empty());
}

TEST_F(DesignerTest, ADropOnAnItemLandsWhereItWouldOnThePanel) {
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Rectangle,
                                        .top = 40,
                                        .left = 50,
                                        .width = 100,
                                        .height = 80,
                                        .brushStyle = TBrushStyle::Clear,
                                        .brushColor = 0,
                                        .penWidth = 1,
                                        .penColor = 0,
                                        .rounding = 0});
    QWidget* under = Last();
    EXPECT_TRUE(DropOn(under, LabelItemKind::HorizontalLine, {7, 9}));
    auto* line = LastAs<TLineShape>();
    ASSERT_NE(line, nullptr);
    ASSERT_NE(line, under);
    // 60 x 20 from the drop point: X..X+59 by Y..Y+19, stroke along the top.
    EXPECT_EQ(line->geometry(), QRect(57, 49, 60, 20));
    EXPECT_EQ(line->LineStyle(), stHorizontal);
    EXPECT_EQ(line->PenWidth(), 1);
    EXPECT_EQ(line->PenColor(), 0);
    EXPECT_EQ(selected, line);

    EXPECT_TRUE(DropOn(line, LabelItemKind::VerticalLine, {1, 1}));
    auto* vertical = LastAs<TLineShape>();
    EXPECT_EQ(vertical->geometry(), QRect(58, 50, 20, 60));
    EXPECT_EQ(vertical->LineStyle(), stVertical);
}

TEST_F(DesignerTest, OnlyToolDragsAreAccepted) {
    QMimeData text;
    text.setText(QStringLiteral("DropTextButton"));
    QDragMoveEvent move(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&panel, &move);
    EXPECT_FALSE(move.isAccepted());
    std::unique_ptr<QMimeData> tool(ItemPlacer::ToolMimeData(LabelItemKind::Rectangle));
    EXPECT_TRUE(placer->LabelPanelDragOver(&panel, tool.get()));
    EXPECT_FALSE(placer->LabelPanelDragOver(&toolRow, tool.get()));
}

TEST_F(DesignerTest, ShapesStartHollowWithABlackOnePixelPen) {
    for (LabelItemKind tool :
         {LabelItemKind::Rectangle, LabelItemKind::Ellipse, LabelItemKind::RoundRectangle})
        EXPECT_TRUE(DropOn(&panel, tool, {300, 150})); // near the edge: not moved in
    ASSERT_EQ(items->OrderList().size(), 3);
    const TShapeType kinds[] = {stRectangle, stEllipse, stRoundRect};
    for (int i = 0; i < 3; ++i) {
        auto* shape = qobject_cast<TPimShape*>(items->OrderList()[i].data());
        ASSERT_NE(shape, nullptr);
        EXPECT_EQ(shape->Shape(), kinds[i]);
        EXPECT_EQ(shape->geometry(), QRect(300, 150, 25, 25));
        EXPECT_EQ(shape->BrushStyle(), TBrushStyle::Clear);
        EXPECT_EQ(shape->BrushColor(), 0);
        EXPECT_EQ(shape->PenColor(), 0);
        EXPECT_EQ(shape->PenWidth(), 1);
    }
    EXPECT_EQ(LastAs<TPimShape>()->RoundPerc(), 20);
    EXPECT_EQ(selected, Last());
}

// Without a pointer: Space or Enter on a tool button places its item at the label's top-left
// corner, asking what the kind asks, as a drop there would.
TEST_F(DesignerTest, SpaceOrEnterOnAToolButtonPlacesItsItemAtTheTopLeft) {
    QTest::keyClick(placer->Button(LabelItemKind::Rectangle), Qt::Key_Space);
    ASSERT_EQ(items->OrderList().size(), 1);
    auto* shape = LastAs<TPimShape>();
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->pos(), QPoint(0, 0));
    EXPECT_EQ(selected, shape);
    prompts.Then(Answer::Text("Typed"));
    QTest::keyClick(placer->Button(LabelItemKind::Text), Qt::Key_Return);
    auto* text = LastAs<TPim3DLabel>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Caption(), QStringLiteral("Typed"));
    EXPECT_EQ(items->OrderList().size(), 2);
    // Other keys do nothing.
    QTest::keyClick(placer->Button(LabelItemKind::Ellipse), Qt::Key_A);
    EXPECT_EQ(items->OrderList().size(), 2);
}

TEST_F(DesignerTest, OneCounterPerLabel) {
    prompts.Then(Answer::Counter(5, 2));
    EXPECT_TRUE(DropOn(&panel, LabelItemKind::Counter, {10, 10}));
    auto* counter = LastAs<TCounterLabel>();
    ASSERT_NE(counter, nullptr);
    EXPECT_EQ(counter->Caption(), QStringLiteral("5"));
    EXPECT_EQ(counter->Tag(), 2);
    EXPECT_EQ(counter->FontName(), QStringLiteral("Arial"));
    EXPECT_EQ(counter->FontSize(), 10);
    EXPECT_TRUE(counter->Bold());

    EXPECT_TRUE(DropOn(&panel, LabelItemKind::Rectangle, {100, 10}));
    QWidget* front = Last();
    selected = nullptr;
    EXPECT_TRUE(DropOn(&panel, LabelItemKind::Counter, {50, 50}));
    EXPECT_EQ(prompts.Messages("Information"),
              QStringList{"There is a limit of one Counter per label"});
    EXPECT_EQ(items->OrderList().size(), 2);
    EXPECT_EQ(selected, front); // the front-most item
}

TEST_F(DesignerTest, SymbolAndImageDropsAskThroughTheirDialogs) {
    prompts.Then(Answer::Symbol(33, 255));
    EXPECT_TRUE(DropOn(&panel, LabelItemKind::Symbol, {10, 10}));
    auto* symbol = LastAs<TSymbol>();
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(symbol->CharCode(), 33);
    EXPECT_EQ(symbol->FontSize(), 18);
    EXPECT_EQ(symbol->FontColor(), 255);

    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("pic.bmp"));
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(bmp, "BMP"));
    prompts.Then(Answer::ImageFile(bmp));
    EXPECT_TRUE(DropOn(&panel, LabelItemKind::Image, {40, 20}));
    auto* picture = LastAs<TImage>();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), QRect(40, 20, 30, 20));
    EXPECT_FALSE(picture->Stretch());
    EXPECT_EQ(picture->Hint(), bmp);

    // A cancelled chooser creates nothing; the front-most item is selected.
    selected = nullptr;
    prompts.Then(Answer::ImageFile(QString()));
    EXPECT_TRUE(DropOn(&panel, LabelItemKind::Image, {40, 20}));
    EXPECT_EQ(items->OrderList().size(), 2);
    EXPECT_EQ(selected, picture);
}

TEST_F(DesignerTest, TheDroppedItemIsMadeOnlyOnceTheDragHasEnded) {
    qsizetype duringDrag = -1;
    placer->RunDrag = [&](QDrag& drag) {
        const QPoint point(15, 25);
        QDragEnterEvent enter(point, Qt::CopyAction, drag.mimeData(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(&panel, &enter);
        QDropEvent drop(QPointF(point), Qt::CopyAction, drag.mimeData(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(&panel, &drop);
        EXPECT_TRUE(drop.isAccepted());
        QCoreApplication::processEvents(); // the drag's own event loop runs on
        duringDrag = items->OrderList().size();
    };
    placer->DropButtonDown(placer->Button(LabelItemKind::Rectangle));
    EXPECT_EQ(duringDrag, 0);
    ASSERT_EQ(items->OrderList().size(), 1);
    EXPECT_EQ(Last()->pos(), QPoint(15, 25));
    EXPECT_EQ(selected, Last());
}

TEST_F(DesignerTest, APictureFileFromAFileManagerBecomesAnImageItemWhereItIsDropped) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString picture = dir.filePath(QStringLiteral("logo.png"));
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(picture));
    const QString notes = dir.filePath(QStringLiteral("notes.txt"));
    QFile text(notes);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(notes), QUrl::fromLocalFile(picture)});
    EXPECT_EQ(ItemPlacer::PictureFileOf(&files), picture);
    EXPECT_TRUE(placer->LabelPanelDragOver(&panel, &files));
    QDragEnterEvent enter(QPoint(30, 12), Qt::CopyAction, &files, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&panel, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(30, 12), Qt::CopyAction, &files, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&panel, &drop);
    EXPECT_TRUE(drop.isAccepted());
    QCoreApplication::processEvents(); // placed once the drag has ended
    ASSERT_EQ(items->OrderList().size(), 1);
    const LabelItemValue& placed = model.Design().items.back().value;
    EXPECT_EQ(placed.kind, LabelItemKind::Image);
    EXPECT_EQ(placed.fileName, picture);
    EXPECT_EQ(QPoint(placed.left, placed.top), QPoint(30, 12));
    EXPECT_EQ(selected, Last());

    // Only text files: nothing to drop. A picture that cannot be read is named, not placed.
    QMimeData textOnly;
    textOnly.setUrls({QUrl::fromLocalFile(notes)});
    EXPECT_FALSE(placer->LabelPanelDragOver(&panel, &textOnly));
    const QString broken = dir.filePath(QStringLiteral("broken.png"));
    QFile::copy(notes, broken);
    placer->PlacePictureFile(broken, {5, 5});
    EXPECT_EQ(items->OrderList().size(), 1);
    EXPECT_EQ(prompts.Messages("Error").size(), 1);
}
