#include "controls/BarcodeCatalogue.h"
#include "designer/DesignerPrompter.h"
#include "designer/TSymbologyChooser.h"
#include "support/ModalDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {
QStringList CatalogueNames() {
    QStringList names;
    for (const BarcodeType& type : BarcodeCatalogue::All())
        names << type.name;
    return names;
}
} // namespace

// Every symbology of the installed Zint is offered once, under its group, groups in order.
TEST(SymbologyChooser, ListsEverySymbologyUnderItsGroup) {
    TSymbologyChooser dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Find Symbology"));
    EXPECT_EQ(dialog.ShownNames(), CatalogueNames());
    EXPECT_GT(dialog.ShownNames().size(), 40) << "only a few of Zint's symbologies are offered";
    QStringList groups;
    for (int g = 0; g < dialog.SymbologyTree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = dialog.SymbologyTree->topLevelItem(g);
        groups << group->text(0);
        EXPECT_FALSE(group->flags() & Qt::ItemIsSelectable) << "a heading is no choice";
        for (int i = 0; i < group->childCount(); ++i) {
            const BarcodeType* type =
                BarcodeCatalogue::FromName(group->child(i)->data(0, Qt::UserRole + 1).toString());
            ASSERT_NE(type, nullptr);
            EXPECT_EQ(BarcodeCatalogue::GroupCaption(type->group), group->text(0));
        }
    }
    EXPECT_EQ(groups, (QStringList{QStringLiteral("Linear"), QStringLiteral("GS1"),
                                   QStringLiteral("2D"), QStringLiteral("Postal")}));
    // The first is highlighted at the start, the search box has the focus.
    EXPECT_EQ(dialog.Choice(), CatalogueNames().first());
    dialog.SetChoice(QStringLiteral("QRCODE"));
    EXPECT_EQ(dialog.Choice(), QStringLiteral("QRCODE"));
    EXPECT_TRUE(dialog.TakesLabel->text().startsWith(QStringLiteral("QR Code (stored as QRCODE) takes ")));
}

TEST(SymbologyChooser, MatchingIgnoresCaseSpacesAndHyphens) {
    const auto matches = [](const char* typed, const char* caption, const char* name) {
        return TSymbologyChooser::Matches(QString::fromUtf8(typed), QString::fromUtf8(caption),
                                          QString::fromUtf8(name), QStringLiteral("Linear"));
    };
    EXPECT_TRUE(matches("ean 13", "EAN-13 / EAN-8", "EANX"));
    EXPECT_TRUE(matches("EAN13", "EAN-13 / EAN-8", "EANX"));
    EXPECT_TRUE(matches("code128", "Code 128", "CODE128"));
    EXPECT_TRUE(matches("  ", "Code 128", "CODE128")) << "nothing typed keeps all";
    EXPECT_TRUE(matches("linear c25", "Interleaved 2 of 5", "C25INTER")) << "group and name";
    EXPECT_FALSE(matches("ean 14", "EAN-13 / EAN-8", "EANX")) << "every word must be found";
    EXPECT_FALSE(matches("qr", "Code 128", "CODE128"));
}

// Typed as a person types: the list narrows with each key, the arrow keys move through the
// matches from the search box, Enter takes the highlighted one.
TEST(SymbologyChooser, TypingNarrowsTheListAndEnterTakesTheHighlightedMatch) {
    TSymbologyChooser dialog;
    dialog.show();
    QTest::keyClicks(dialog.SearchEdit, QStringLiteral("qr"));
    const QStringList qr = dialog.ShownNames();
    EXPECT_TRUE(qr.contains(QStringLiteral("QRCODE")));
    EXPECT_TRUE(qr.contains(QStringLiteral("MICROQR")));
    EXPECT_FALSE(qr.contains(QStringLiteral("CODE128")));
    EXPECT_EQ(dialog.Choice(), qr.first()) << "the highlight moves onto a match";
    QTest::keyClick(dialog.SearchEdit, Qt::Key_Down);
    EXPECT_EQ(dialog.Choice(), qr.at(1));
    QTest::keyClick(dialog.SearchEdit, Qt::Key_Up);
    QTest::keyClick(dialog.SearchEdit, Qt::Key_Up); // stays on the first: headings are skipped
    EXPECT_EQ(dialog.Choice(), qr.first());

    // Nothing matches: nothing can be taken, and the line below says why.
    QTest::keyClicks(dialog.SearchEdit, QStringLiteral("zzz"));
    EXPECT_TRUE(dialog.ShownNames().isEmpty());
    EXPECT_EQ(dialog.Choice(), QString());
    EXPECT_FALSE(dialog.OkButton->isEnabled());
    EXPECT_EQ(dialog.TakesLabel->text(), QStringLiteral("No symbology matches \"qrzzz\"."));

    dialog.SearchEdit->clear();
    EXPECT_EQ(dialog.ShownNames(), CatalogueNames());
    QTest::keyClicks(dialog.SearchEdit, QStringLiteral("code 93"));
    EXPECT_EQ(dialog.Choice(), QStringLiteral("CODE93"));
    // Typing on in the list goes to the search box.
    dialog.SymbologyTree->setFocus();
    QTest::keyClicks(dialog.SymbologyTree, QStringLiteral("x"));
    EXPECT_EQ(dialog.SearchEdit->text(), QStringLiteral("code 93x"));
    QTest::keyClick(dialog.SearchEdit, Qt::Key_Backspace);
    QTest::keyClick(dialog.SearchEdit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_EQ(dialog.Choice(), QStringLiteral("CODE93"));
}

TEST(SymbologyChooser, AskSymbologyGivesTheChoiceOnOkAndKeepsTheNameOnCancel) {
    ModalWatch watch = WhenModal<TSymbologyChooser>([](TSymbologyChooser* dialog) {
        EXPECT_EQ(dialog->Choice(), QStringLiteral("CODE39")) << "opens on the item's own";
        QTest::keyClicks(dialog->SearchEdit, QStringLiteral("codabar"));
        QTest::keyClick(dialog->SearchEdit, Qt::Key_Return);
    });
    QString name = QStringLiteral("CODE39");
    EXPECT_TRUE(DesignerPrompter::Current().AskSymbology(name));
    EXPECT_EQ(name, QStringLiteral("CODABAR"));

    watch = WhenModal<TSymbologyChooser>([](TSymbologyChooser* dialog) {
        QTest::keyClicks(dialog->SearchEdit, QStringLiteral("aztec"));
        QTest::keyClick(dialog->SearchEdit, Qt::Key_Escape);
    });
    EXPECT_FALSE(DesignerPrompter::Current().AskSymbology(name));
    EXPECT_EQ(name, QStringLiteral("CODABAR"));
}
