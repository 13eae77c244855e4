#include "designer/TGetSymbol.h"

#include <QColorDialog>
#include <QListWidget>
#include <QPushButton>

#include "designer/SymbolListDelegate.h"

namespace {
constexpr int HelpTopicSymbol = 1046;
constexpr int Columns = 7;
constexpr int RowHeight = 30;
constexpr int SymbolPixelHeight = 27;

QFont SymbolListFont() {
    QFont font(QStringLiteral("WingDings"));
    font.setPixelSize(SymbolPixelHeight);
    return font;
}
} // namespace

TGetSymbol::TGetSymbol(QWidget* parent)
    : FixedDialog(tr("Select Symbol"), QSize(432, 264), parent) {
    setObjectName(QStringLiteral("GetSymbol"));

    SymbolList = new QListWidget(this);
    SymbolList->setObjectName(QStringLiteral("SymbolList"));
    SymbolList->setAccessibleName(tr("Symbols"));
    SymbolList->setGeometry(8, 8, 329, 248);
    SymbolList->setFont(SymbolListFont());
    // Entries run down each column and then on to the next, scrolling sideways, seven
    // columns in view.
    SymbolList->setViewMode(QListView::ListMode);
    SymbolList->setFlow(QListView::TopToBottom);
    SymbolList->setWrapping(true);
    SymbolList->setResizeMode(QListView::Adjust);
    SymbolList->setUniformItemSizes(true);
    SymbolList->setSelectionMode(QAbstractItemView::SingleSelection);
    SymbolList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SymbolList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int viewportWidth = SymbolList->width() - 2 * SymbolList->frameWidth();
    SymbolList->setGridSize(QSize(viewportWidth / Columns, RowHeight));
    SymbolList->setItemDelegate(new SymbolListDelegate(SymbolListFont(), SymbolList));
    SymbolList->setWhatsThis(tr("The characters of the symbol font; click one."));

    OkButton = AddOkButton(QStringLiteral("OK"), QRect(345, 8, 79, 27), "OkButton");
    CancelButton = AddCancelButton(tr("Cancel"), QRect(345, 41, 79, 27), "CancelButton");
    ColorButton = AddButton(tr("Color"), QRect(345, 92, 79, 27), "ColorButton");
    ColorButton->setAutoDefault(false);
    ColorButton->setWhatsThis(tr("Choose the colour the symbol is printed in."));
    connect(ColorButton, &QPushButton::clicked, this, &TGetSymbol::ColorButtonClick);
    // A double click chooses the symbol at once.
    connect(SymbolList, &QListWidget::itemDoubleClicked, this, &TGetSymbol::accept);
    HelpButton = AddHelpButton(HelpTopicSymbol, QRect(345, 196, 79, 27));
    MouseHelpButton = AddMouseHelpButton(QRect(345, 229, 79, 27));

    ColorDialog1 = new QColorDialog(this);
    ColorDialog1->setObjectName(QStringLiteral("ColorDialog1"));
    ColorDialog1->setOption(QColorDialog::DontUseNativeDialog);

    FillSymbolList();
    ApplyColours();
    SymbolList->setFocus();
}

void TGetSymbol::FillSymbolList() {
    SymbolList->clear();
    for (int code = FirstCode; code <= LastCode; ++code) {
        auto* item = new QListWidgetItem(QString(QChar(code)), SymbolList);
        item->setData(SymbolListDelegate::CodeRole, code);
        item->setSizeHint(QSize(SymbolList->gridSize().width(), RowHeight));
    }
    SymbolList->setCurrentRow(0);
}

void TGetSymbol::SetFontColor(const QColor& colour) {
    fontColor_ = colour.isValid() ? colour : QColor(Qt::black);
    ApplyColours();
}

QColor TGetSymbol::BackgroundColor() const {
    return fontColor_.rgb() == QColor(Qt::white).rgb() ? QColor(Qt::black) : QColor(Qt::white);
}

void TGetSymbol::ApplyColours() {
    QPalette palette = SymbolList->palette();
    palette.setColor(QPalette::Text, fontColor_);
    palette.setColor(QPalette::Base, BackgroundColor());
    SymbolList->setPalette(palette);
    SymbolList->viewport()->update();
}

void TGetSymbol::SelectCode(int characterCode) {
    const bool inRange = characterCode >= FirstCode && characterCode <= LastCode;
    SymbolList->setCurrentRow(inRange ? characterCode - FirstCode : 0);
    SymbolList->scrollToItem(SymbolList->currentItem());
}

int TGetSymbol::SelectedCode() const {
    const int row = SymbolList->currentRow();
    return (row < 0 ? 0 : row) + FirstCode;
}

void TGetSymbol::ColorButtonClick() {
    ColorDialog1->setCurrentColor(fontColor_);
    if (ColorDialog1->exec() == QDialog::Accepted)
        fontColor_ = ColorDialog1->selectedColor();
    // Whether or not a colour was chosen, white symbols get a black background.
    ApplyColours();
}
