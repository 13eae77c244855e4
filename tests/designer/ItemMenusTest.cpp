#include "DesignerFixture.h"

#include "controls/TCounterLabel.h"
#include "controls/TImage.h"
#include "controls/TLineShape.h"
#include "controls/TPimShape.h"
#include "controls/TSymbol.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QMenu>

using Answer = ScriptedPrompter::Answer;

namespace {
// A menu as lines: "-" for a separator, "name|caption" for an entry, "name|caption>" for a
// submenu followed by its entries indented by two blanks.
QStringList Describe(const QMenu* menu, const QString& indent = {}) {
    QStringList lines;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            lines << indent + "-";
        } else if (action->menu()) {
            lines << indent + action->objectName() + "|" + action->text() + ">";
            lines << Describe(action->menu(), indent + "  ");
        } else {
            lines << indent + action->objectName() + "|" + action->text();
        }
    }
    return lines;
}

QAction* Entry(QMenu* menu, const QString& name) {
    return menu->findChild<QAction*>(name);
}

QStringList Tail(const QString& prefix, const QString& back, const QString& front,
                 const QString& centre) {
    return {prefix + back + "|Send to Back",
            prefix + front + "|Bring to Front",
            "-",
            prefix + "Center|" + centre,
            prefix + "CenterVertically|Center Vertically",
            prefix + "CenterHorizontally|Center Horizontally",
            "-",
            prefix + "Delete|Delete"};
}

QStringList Points(const QString& prefix, bool lowerThree) {
    QStringList lines;
    for (int n = 1; n <= 10; ++n)
        lines << QStringLiteral("  %1Point%2|%2 %3")
                     .arg(prefix)
                     .arg(n)
                     .arg(n == 3 && lowerThree ? "point" : "Point");
    return lines;
}

QStringList Patterns(const QString& prefix) {
    QStringList lines;
    const char* entries[][2] = {{"PatternSolid", "Solid"},
                                {"PatternClear", "Clear (Transparent)"},
                                {"PatternBDiagonal", "45-degree upward hatch (left to right) "},
                                {"PatternCross", "Horizontal and vertical crosshatch"},
                                {"PatternDiagCross", "45-degree crosshatch "},
                                {"PatternFDiagonal", "45-degree downward hatch (left to right) "},
                                {"PatternHorizontal", "Horizontal hatch "},
                                {"PatternVertical", "Vertical hatch"}};
    for (const auto& entry : entries)
        lines << "  " + prefix + entry[0] + "|" + entry[1];
    return lines;
}

QString WriteBitmap(const QTemporaryDir& dir, const QString& name, QSize size) {
    const QString path = dir.filePath(name);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.save(path, "BMP");
    return path;
}
} // namespace

TEST_F(DesignerTest, EveryMenuHasItsEntriesCaptionsAndSeparators) {
    const QString t = "PopupMenuText";
    EXPECT_EQ(Describe(menus->PopupMenuText),
              QStringList({t + "Text|&Text", t + "InsertMergeField|Insert &Merge Field>",
                           "  |(no merge source: File, Merge…)", t + "Font|Font",
                           t + "FontColor|Font Color", t + "Rotation|Rotation", "-"}) +
                  Tail(t, "SendtoBack", "BringtoFont", "Center "));
    const QString c = "PopupMenuCounter";
    EXPECT_EQ(Describe(menus->PopupMenuCounter),
              QStringList({c + "CounterValues|Counter Values", "-", c + "Font|Font",
                           c + "FontColor|Font Color", c + "Rotation|Rotation", "-"}) +
                  Tail(c, "SendToBack", "BringToFront", "Center "));
    const QString s = "PopupMenuShape";
    EXPECT_EQ(Describe(menus->PopupMenuShape),
              QStringList({s + "Color|Color", s + "LineColor|Line Color",
                           s + "LineThickness|Line Thickness>"}) +
                  Points(s, false) + QStringList{s + "Transparent|Pattern>"} + Patterns(s) +
                  QStringList{"-"} + Tail(s, "Sendtoback", "BringtoFront", "Center"));
    const QString r = "PopupMenuRoundRect";
    QStringList rounding{r + "DegreeofRounding|Degree of Rounding>"};
    for (int n = 20; n <= 90; n += 10)
        rounding << QStringLiteral("  %1%2|%2%").arg(r).arg(n);
    EXPECT_EQ(Describe(menus->PopupMenuRoundRect),
              rounding +
                  QStringList({r + "Color|Color", r + "LineColor|Line Color",
                               r + "LineThickness|Line Thickness>"}) +
                  Points(r, false) + QStringList{"Pattern1|Pattern>"} + Patterns(r) +
                  QStringList{"-"} + Tail(r, "SendToBack", "BringToFront", "Center"));
    const QString l = "PopupMenuLine";
    EXPECT_EQ(Describe(menus->PopupMenuLine),
              QStringList({l + "Color|Line Color", l + "LineThickness|Line Thickness>"}) +
                  Points(l, true) + QStringList{"-"} +
                  Tail(l, "SendToBack", "BringToFront", "Center"));
    const QString y = "PopupMenuSymbol";
    EXPECT_EQ(Describe(menus->PopupMenuSymbol),
              QStringList({y + "Symbol|Symbol", y + "Color|Color", "-"}) +
                  Tail(y, "SendToBack", "BringToFront", "Center"));
    const QString i = "PopupMenuImage";
    EXPECT_EQ(Describe(menus->PopupMenuImage),
              QStringList({i + "ImageFile|Image File", i + "StretchToFit|Stretch to Fit", "-"}) +
                  Tail(i, "SendToBack", "BringToFront", "Center"));
}

TEST_F(DesignerTest, OpeningAMenuOnAnItemSelectsItAndItsEntriesActOnIt) {
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Rectangle, .top = 10, .left = 10, .width = 40, .height = 30, .brushStyle = TBrushStyle::Solid, .brushColor = kColorWhite, .penWidth = 1, .penColor = 0, .rounding = 0});
    QWidget* first = Last();
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Ellipse, .top = 60, .left = 60, .width = 40, .height = 30, .brushStyle = TBrushStyle::Solid, .brushColor = kColorWhite, .penWidth = 1, .penColor = 0, .rounding = 0});
    selected = Last();
    menus->PopupAt(first, panel.mapToGlobal(QPoint(20, 20)));
    EXPECT_TRUE(menus->PopupMenuShape->isVisible());
    EXPECT_EQ(selected, first);
    menus->PopupMenuShape->close();
    Entry(menus->PopupMenuShape, "PopupMenuShapePoint4")->trigger();
    EXPECT_EQ(qobject_cast<TPimShape*>(first)->PenWidth(), 4);
    EXPECT_EQ(LastAs<TPimShape>()->PenWidth(), 1);
}

TEST_F(DesignerTest, ThePropertiesButtonOpensTheSelectedItemsMenuAtItsBottomRight) {
    menus->PropertiesButtonClick();
    for (QMenu* menu : AllMenus())
        EXPECT_FALSE(menu->isVisible());

    panel.move(0, 0);
    items->Model().CreateItemFromValue({.kind = LabelItemKind::RoundRectangle, .top = 10, .left = 20, .width = 40, .height = 30, .brushStyle = TBrushStyle::Clear, .brushColor = 0, .penWidth = 1, .penColor = 0, .rounding = 20});
    selected = Last();
    menus->PropertiesButtonClick();
    EXPECT_TRUE(menus->PopupMenuRoundRect->isVisible());
    EXPECT_EQ(menus->PopupComponent(menus->PopupMenuRoundRect), Last());
    EXPECT_EQ(menus->PopupMenuRoundRect->pos(), panel.mapToGlobal(QPoint(60, 40)));
    for (QMenu* menu : AllMenus())
        EXPECT_EQ(menu->isVisible(), menu == menus->PopupMenuRoundRect);
}

TEST_F(DesignerTest, TextEntriesChangeTheTextFontColourAndRotation) {
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Text, .top = 10, .left = 10, .width = 0, .height = 0, .text = QStringLiteral("Hi"), .fontName = QStringLiteral("Arial"), .fontSize = 10, .fontColor = 0, .bold = true, .italic = false, .underline = false, .angle = 0});
    auto* text = LastAs<TPim3DLabel>();
    selected = text;
    changes = 0;

    prompts.Then(Answer::Text(QString()));
    Entry(menus->PopupMenuText, "PopupMenuTextText")->trigger();
    EXPECT_EQ(text->Caption(), QString());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(refreshed.back(), text); // the frame is fitted again

    prompts.Then(Answer::CancelFont());
    Entry(menus->PopupMenuText, "PopupMenuTextFont")->trigger();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(prompts.History().back().message, QStringLiteral("Arial,10,B,0"));
    FontChoice font;
    font.name = "Times New Roman";
    font.size = 14;
    font.italic = true;
    font.underline = true;
    font.colour = 0x0000FF;
    prompts.Then(Answer::Font(font));
    Entry(menus->PopupMenuText, "PopupMenuTextFont")->trigger();
    EXPECT_EQ(text->FontName(), font.name);
    EXPECT_EQ(text->FontSize(), 14);
    EXPECT_FALSE(text->Bold());
    EXPECT_TRUE(text->Italic());
    EXPECT_TRUE(text->Underline());
    EXPECT_EQ(text->FontColor(), 0x0000FF);
    EXPECT_EQ(changes, 2);

    prompts.Then(Answer::Colour(0x00FF00));
    Entry(menus->PopupMenuText, "PopupMenuTextFontColor")->trigger();
    EXPECT_EQ(text->FontColor(), 0x00FF00);
    EXPECT_EQ(changes, 3);
}

TEST_F(DesignerTest, CancellingTheRotationPutsBackAngleAndSize) {
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Text, .top = 10, .left = 10, .width = 0, .height = 0, .text = QStringLiteral("Rotate me"), .fontName = QStringLiteral("Arial"), .fontSize = 10, .fontColor = 0, .bold = true, .italic = false, .underline = false, .angle = -90});
    auto* text = LastAs<TPim3DLabel>();
    const QSize size = text->size();
    changes = 0;
    menus->PopupAt(text, panel.mapToGlobal(QPoint(12, 12)));
    menus->PopupMenuText->close();
    prompts.Then(Answer::CancelRotation({45, 135}));
    Entry(menus->PopupMenuText, "PopupMenuTextRotation")->trigger();
    EXPECT_EQ(prompts.History().back().message, QStringLiteral("270")); // negative + 360
    EXPECT_EQ(text->Angle(), -90);
    EXPECT_EQ(text->size(), size);
    EXPECT_EQ(changes, 0);

    prompts.Then(Answer::Rotation(45, {90}));
    Entry(menus->PopupMenuText, "PopupMenuTextRotation")->trigger();
    EXPECT_EQ(text->Angle(), 45);
    EXPECT_EQ(changes, 1);
}

TEST_F(DesignerTest, CounterValuesConfirmedUnchangedStillMarkTheLabelChanged) {
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Counter, .top = 10, .left = 10, .width = 0, .height = 0, .fontName = QStringLiteral("Arial"), .fontSize = 10, .fontColor = 0, .bold = true, .italic = false, .underline = false, .angle = 0, .startingNumber = 7, .repeatEach = 3});
    auto* counter = LastAs<TCounterLabel>();
    selected = counter;
    changes = 0;
    prompts.Then(Answer::Counter(7, 3));
    Entry(menus->PopupMenuCounter, "PopupMenuCounterCounterValues")->trigger();
    EXPECT_EQ(prompts.History().back().message, QStringLiteral("7,3"));
    EXPECT_EQ(changes, 1);
    prompts.Then(Answer::Counter(-4, 9));
    Entry(menus->PopupMenuCounter, "PopupMenuCounterCounterValues")->trigger();
    EXPECT_EQ(counter->Caption(), QStringLiteral("-4"));
    EXPECT_EQ(counter->Tag(), 9);
    prompts.Then(Answer::CancelCounter());
    Entry(menus->PopupMenuCounter, "PopupMenuCounterCounterValues")->trigger();
    EXPECT_EQ(counter->Caption(), QStringLiteral("-4"));
    EXPECT_EQ(changes, 2);
}

TEST_F(DesignerTest, PatternsColoursAndLineWidthsOfShapes) {
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Rectangle, .top = 10, .left = 10, .width = 40, .height = 30, .brushStyle = TBrushStyle::Solid, .brushColor = kColorWhite, .penWidth = 1, .penColor = 0, .rounding = 0});
    auto* shape = LastAs<TPimShape>();
    selected = shape;
    changes = 0;
    Entry(menus->PopupMenuShape, "PopupMenuShapePatternClear")->trigger();
    EXPECT_EQ(shape->BrushColor(), kColorWhite);
    Entry(menus->PopupMenuShape, "PopupMenuShapePatternSolid")->trigger();
    EXPECT_EQ(shape->BrushColor(), kColorWhite);
    // A hatch on white turns the fill black so that it shows.
    Entry(menus->PopupMenuShape, "PopupMenuShapePatternHorizontal")->trigger();
    EXPECT_EQ(shape->BrushStyle(), TBrushStyle::Horizontal);
    EXPECT_EQ(shape->BrushColor(), kColorBlack);
    EXPECT_EQ(changes, 3);

    // A colour fills a clear shape.
    Entry(menus->PopupMenuShape, "PopupMenuShapePatternClear")->trigger();
    prompts.Then(Answer::Colour(0x0000FF));
    Entry(menus->PopupMenuShape, "PopupMenuShapeColor")->trigger();
    EXPECT_EQ(shape->BrushColor(), 0x0000FF);
    EXPECT_EQ(shape->BrushStyle(), TBrushStyle::Solid);
    prompts.Then(Answer::CancelColour());
    Entry(menus->PopupMenuShape, "PopupMenuShapeLineColor")->trigger();
    EXPECT_EQ(shape->PenColor(), 0);
    EXPECT_EQ(changes, 5);
    prompts.Then(Answer::Colour(0x00FF00));
    Entry(menus->PopupMenuShape, "PopupMenuShapeLineColor")->trigger();
    EXPECT_EQ(shape->PenColor(), 0x00FF00);

    // The same width again still counts as a change.
    changes = 0;
    Entry(menus->PopupMenuShape, "PopupMenuShapePoint1")->trigger();
    EXPECT_EQ(changes, 1);

    items->Model().CreateItemFromValue({.kind = LabelItemKind::RoundRectangle, .top = 50, .left = 50, .width = 40, .height = 30, .brushStyle = TBrushStyle::Clear, .brushColor = 0, .penWidth = 1, .penColor = 0, .rounding = 20});
    selected = Last();
    Entry(menus->PopupMenuRoundRect, "PopupMenuRoundRect70")->trigger();
    EXPECT_EQ(LastAs<TPimShape>()->RoundPerc(), 70);
    Entry(menus->PopupMenuRoundRect, "PopupMenuRoundRectPatternDiagCross")->trigger();
    EXPECT_EQ(LastAs<TPimShape>()->BrushStyle(), TBrushStyle::DiagCross);

    items->Model().CreateItemFromValue({.kind = LabelItemKind::VerticalLine, .top = 10, .left = 100, .width = 20, .height = 60, .penWidth = 1, .penColor = 0});
    selected = Last();
    Entry(menus->PopupMenuLine, "PopupMenuLinePoint3")->trigger();
    EXPECT_EQ(LastAs<TLineShape>()->PenWidth(), 3);
}

TEST_F(DesignerTest, SymbolEntriesChangeCharacterAndColour) {
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Symbol, .top = 10, .left = 10, .width = 0, .height = 0, .fontSize = 18, .fontColor = 0, .asciiChar = 40});
    auto* symbol = LastAs<TSymbol>();
    selected = symbol;
    changes = 0;
    prompts.Then(Answer::Symbol(90, 0xFF0000));
    Entry(menus->PopupMenuSymbol, "PopupMenuSymbolSymbol")->trigger();
    EXPECT_EQ(prompts.History().back().message, QStringLiteral("40,0"));
    EXPECT_EQ(symbol->CharCode(), 90);
    EXPECT_EQ(symbol->FontColor(), 0xFF0000);
    prompts.Then(Answer::Colour(0x00FF00));
    Entry(menus->PopupMenuSymbol, "PopupMenuSymbolColor")->trigger();
    EXPECT_EQ(symbol->FontColor(), 0x00FF00);
    EXPECT_EQ(changes, 2);
}

TEST_F(DesignerTest, AnImageFileThatCannotBeReadChangesNothing) {
    QTemporaryDir dir;
    const QString good = WriteBitmap(dir, "good.bmp", {30, 20});
    const QString other = WriteBitmap(dir, "other.BMP", {50, 10});
    const QString bad = dir.filePath("bad.bmp");
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture at all");
    file.close();
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Image, .top = 10, .left = 10, .width = 0, .height = 0, .stretch = false, .fileName = good});
    auto* image = LastAs<TImage>();
    selected = image;
    changes = 0;

    prompts.Then(Answer::ImageFile(bad));
    Entry(menus->PopupMenuImage, "PopupMenuImageImageFile")->trigger();
    EXPECT_EQ(prompts.Messages("Error").size(), 1);
    EXPECT_EQ(image->Hint(), good);
    EXPECT_TRUE(image->HasPicture());
    EXPECT_EQ(image->size(), QSize(30, 20));
    EXPECT_EQ(changes, 0);

    prompts.Then(Answer::ImageFile(other));
    Entry(menus->PopupMenuImage, "PopupMenuImageImageFile")->trigger();
    EXPECT_EQ(image->Hint(), other);
    EXPECT_EQ(image->size(), QSize(50, 10));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(refreshed.back(), image);
}

TEST_F(DesignerTest, StretchToFitShowsEachImagesOwnState) {
    QTemporaryDir dir;
    const QString path = WriteBitmap(dir, "pic.bmp", {30, 20});
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Image, .top = 10, .left = 10, .width = 80, .height = 60, .stretch = true, .fileName = path});
    QWidget* stretched = Last();
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Image, .top = 10, .left = 100, .width = 0, .height = 0, .stretch = false, .fileName = path});
    QWidget* natural = Last();

    menus->PopupAt(stretched, panel.mapToGlobal(QPoint(15, 15)));
    EXPECT_TRUE(menus->PopupMenuImageStretchToFit->isChecked());
    menus->PopupMenuImage->close();
    menus->PopupAt(natural, panel.mapToGlobal(QPoint(105, 15)));
    EXPECT_FALSE(menus->PopupMenuImageStretchToFit->isChecked());
    menus->PopupMenuImage->close();

    changes = 0;
    menus->PopupMenuImageStretchToFit->trigger();
    EXPECT_TRUE(qobject_cast<TImage*>(natural)->Stretch());
    EXPECT_TRUE(menus->PopupMenuImageStretchToFit->isChecked());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(refreshed.back(), natural);
    menus->PopupMenuImageStretchToFit->trigger();
    EXPECT_FALSE(qobject_cast<TImage*>(natural)->Stretch());
    EXPECT_FALSE(menus->PopupMenuImageStretchToFit->isChecked());
    EXPECT_EQ(natural->size(), QSize(30, 20));
}

TEST_F(DesignerTest, RestackingKeepsTheOrderListInStepWithTheScreen) {
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Rectangle, .top = 10, .left = 10, .width = 40, .height = 30, .brushStyle = TBrushStyle::Clear, .brushColor = 0, .penWidth = 1, .penColor = 0, .rounding = 0});
    QWidget* a = Last();
    items->Model().CreateItemFromValue({.kind = LabelItemKind::Ellipse, .top = 20, .left = 20, .width = 40, .height = 30, .brushStyle = TBrushStyle::Clear, .brushColor = 0, .penWidth = 1, .penColor = 0, .rounding = 0});
    QWidget* b = Last();
    items->Model().CreateItemFromValue({.kind = LabelItemKind::HorizontalLine, .top = 30, .left = 30, .width = 60, .height = 20, .penWidth = 1, .penColor = 0});
    QWidget* c = Last();
    EXPECT_EQ(Stacking(), Order());

    changes = 0;
    selected = c;
    Entry(menus->PopupMenuLine, "PopupMenuLineSendToBack")->trigger();
    EXPECT_EQ(Order(), (QList<QWidget*>{c, a, b}));
    EXPECT_EQ(Stacking(), Order());
    selected = a;
    Entry(menus->PopupMenuShape, "PopupMenuShapeBringtoFront")->trigger();
    EXPECT_EQ(Order(), (QList<QWidget*>{c, b, a}));
    EXPECT_EQ(Stacking(), Order());
    EXPECT_EQ(changes, 2);
    // The saved text lists the line first.
    EXPECT_TRUE(items->Design().SaveItems().startsWith("LABELITEM=HORIZONTALLINE"));

    Entry(menus->PopupMenuShape, "PopupMenuShapeDelete")->trigger();
    EXPECT_EQ(Order(), (QList<QWidget*>{c, b}));
}
