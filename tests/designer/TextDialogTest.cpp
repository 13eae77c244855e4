#include "DesignerFixture.h"

#include "controls/TPim3DLabel.h"
#include "designer/TTextDialog.h"
#include "document/ObjectsTextSyntax.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// Answers the text dialog as a person who opens it and clicks OK at once, after checking what
// it was opened with. Every other question is left to the scripted prompter below it.
class OkAtOncePrompter : public DesignerPrompter {
public:
    int RunDialog(QDialog& dialog) override {
        auto* text = qobject_cast<TTextDialog*>(&dialog);
        if (!text)
            return QDialog::Rejected;
        ++opened;
        shownText = text->Text();
        shownOptions = text->Options();
        return QDialog::Accepted;
    }
    int opened = 0;
    QString shownText;
    TextBoxOptions shownOptions;
};

LabelItemValue TextValue(const QString& text, const TextBoxOptions& options) {
    LabelItemValue v = ItemKind(LabelItemKind::Text).newItem();
    v.top = 12;
    v.left = 20;
    v.text = text;
    v.textBox = options;
    if (options.box) {
        v.width = 150;
        v.height = 60;
    }
    return v;
}

} // namespace

// Every combination of the text keys comes back from opening the dialog and clicking OK
// exactly as it was stored, and so does the label as loaded.
TEST_F(DesignerTest, TextDialogOkKeepsEveryTextKeyByteForByte) {
    const QStringList texts = {QStringLiteral("One line"),
                               QStringLiteral("{Name}\n\n3 Long\u00a0Road\n{Town} {Zip}\n")};
    OkAtOncePrompter ok;
    Prompter* scripted = Prompter::Install(&ok);
    int cases = 0;
    for (const QString& text : texts)
        for (int align = 0; align < 3; ++align)
            for (int valign = 0; valign < 3; ++valign)
                for (int flags = 0; flags < 16; ++flags) {
                    TextBoxOptions o;
                    o.box = flags & 1;
                    o.wrap = flags & 2;
                    o.shrink = flags & 4;
                    o.skipBlank = flags & 8;
                    o.align = TextAlign(align);
                    o.valign = TextVAlign(valign);
                    // Values the spin boxes cannot show exactly must come back untouched.
                    o.minFontSize = (flags + align) % 3 == 0 ? 6.0 : 7.25;
                    o.lineSpacing = valign == 1 ? 1.0 : 1.125 + 0.001 * flags;
                    LabelDesign stored;
                    stored.items.push_back({QStringLiteral("Special1"), TextValue(text, o)});
                    LabelDesign loaded;
                    loaded.REstoreItems(stored.SaveItems());
                    model.Load(loaded);

                    const LabelItemValue& v = model.Design().items.at(0).value;
                    SCOPED_TRACE(stored.SaveItems().toStdString());
                    ASSERT_EQ(v.text, text);
                    ASSERT_EQ(v.textBox, o);
                    if (o.box) {
                        ASSERT_EQ(QSize(v.width, v.height), QSize(150, 60));
                    }
                    const QString before = model.Design().SaveItems();
                    QWidget* control = Last();
                    selected = control;
                    menus->Properties().PropText(control);
                    ASSERT_EQ(ok.shownText, text);
                    ASSERT_EQ(ok.shownOptions, o);
                    ASSERT_EQ(model.Design().SaveItems(), before);
                    ++cases;
                }
    Prompter::Install(scripted);
    EXPECT_EQ(ok.opened, cases);
    EXPECT_EQ(cases, 2 * 3 * 3 * 16);
}

// What the person sets in the dialog is what the item keeps; a new box gets a size to work in.
TEST_F(DesignerTest, TextDialogChoicesReachTheItem) {
    TextBoxOptions chosen;
    chosen.box = true;
    chosen.align = TextAlign::Centre;
    chosen.valign = TextVAlign::Bottom;
    chosen.shrink = true;
    chosen.minFontSize = 7.5;
    prompts.Then(ScriptedPrompter::Answer::TextItem("{Name}\n{Street}", chosen));
    ASSERT_TRUE(DropOn(&panel, LabelItemKind::Text, QPoint(30, 30)));
    const LabelItemValue& v = model.Design().items.back().value;
    EXPECT_EQ(v.text, "{Name}\n{Street}");
    EXPECT_EQ(v.textBox, chosen);
    EXPECT_GT(v.width, 0);
    EXPECT_GT(v.height, 0);
    const QString saved = model.Design().SaveItems();
    for (const char* line : {"TEXT={Name}\r\n", "TEXTLINE={Street}\r\n", "BOX=Y\r\n", "ALIGN=C\r\n",
                             "VALIGN=B\r\n", "SHRINK=Y\r\n", "MINFONTSIZE=7.5\r\n"})
        EXPECT_TRUE(saved.contains(QString::fromLatin1(line))) << line;

    // Turning the box off again keeps the lines; the box's own keys go with it only when
    // set back to their defaults.
    TextBoxOptions plain;
    prompts.Then(ScriptedPrompter::Answer::TextItem("{Name}\n{Street}", plain));
    menus->Properties().PropText(Last());
    EXPECT_EQ(model.Design().items.back().value.textBox, plain);
    EXPECT_FALSE(model.Design().SaveItems().contains("BOX="));
    EXPECT_TRUE(model.Design().SaveItems().contains("TEXTLINE={Street}"));
}

TEST(TextDialog, EditsLinesOptionsAndFieldsAtTheCaret) {
    TTextDialog dialog;
    dialog.SetText(QStringLiteral("Dear ,\nthanks"));
    dialog.SetMergeFields({QStringLiteral("Name"), QStringLiteral("R&D")});

    // The field goes where the caret stands, not at the end.
    QTextCursor caret = dialog.Editor->textCursor();
    caret.setPosition(5);
    dialog.Editor->setTextCursor(caret);
    dialog.InsertFieldButton->menu()->aboutToShow();
    const QList<QAction*> fields = dialog.InsertFieldButton->menu()->actions();
    ASSERT_EQ(fields.size(), 2);
    EXPECT_EQ(fields[1]->text(), "R&&D");
    fields[0]->trigger();
    EXPECT_EQ(dialog.Text(), "Dear {Name},\nthanks");

    // Enter in the editor starts a line and leaves the dialog open; Ctrl+Enter is OK.
    dialog.show();
    QTest::keyClick(dialog.Editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(dialog.Editor, Qt::Key_Return);
    QTest::keyClicks(dialog.Editor, "x");
    EXPECT_EQ(dialog.Text(), "Dear {Name},\nthanks\nx");
    EXPECT_TRUE(dialog.isVisible());
    // Shift+Enter breaks the line too, and it is stored as a line like any other.
    QTest::keyClick(dialog.Editor, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(dialog.Text(), "Dear {Name},\nthanks\nx\n");

    // Height alignment, wrapping and shrinking only mean something in a box.
    EXPECT_FALSE(dialog.WrapCheck->isEnabled());
    EXPECT_FALSE(dialog.VAlignGroup->button(int(TextVAlign::Middle))->isEnabled());
    dialog.BoxCheck->setChecked(true);
    EXPECT_TRUE(dialog.WrapCheck->isEnabled());
    EXPECT_FALSE(dialog.MinSizeSpin->isEnabled());
    dialog.ShrinkCheck->setChecked(true);
    EXPECT_TRUE(dialog.MinSizeSpin->isEnabled());
    dialog.MinSizeSpin->setValue(8.5);
    dialog.LineSpacingSpin->setValue(1.25);
    dialog.VAlignGroup->button(int(TextVAlign::Middle))->click();
    dialog.AlignGroup->button(int(TextAlign::Right))->click();
    dialog.SkipBlankCheck->setChecked(true);
    const TextBoxOptions o = dialog.Options();
    EXPECT_TRUE(o.box && o.shrink && o.skipBlank && !o.wrap);
    EXPECT_EQ(o.minFontSize, 8.5);
    EXPECT_EQ(o.lineSpacing, 1.25);
    EXPECT_EQ(o.align, TextAlign::Right);
    EXPECT_EQ(o.valign, TextVAlign::Middle);

    QTest::keyClick(dialog.Editor, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}
