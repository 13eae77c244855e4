#include "designer/PropertyBar.h"

#include "designer/DesignerPrompter.h"
#include "designer/FontFace.h"
#include "designer/LabelUnit.h"
#include "document/ColorValue.h"
#include "document/Units.h"
#include "ui/CommandBoundary.h"

#include <QDoubleValidator>
#include <QFontComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

namespace {
constexpr int SwatchSize = 16;   // pixels
constexpr int MeasureWidth = 58; // pixels, room for "12.345" or "123.4"
constexpr int NoFill = -1;

// A colour button's face: the colour, "none" crossed out, or a question mark when the
// selected items differ.
QIcon Swatch(const QVariant& colour) {
    QPixmap pixmap(SwatchSize, SwatchSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QRect box(1, 1, SwatchSize - 3, SwatchSize - 3);
    if (!colour.isValid()) {
        painter.setPen(Qt::gray);
        painter.drawRect(box);
        painter.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
    } else if (colour.toInt() == NoFill) {
        painter.setPen(Qt::gray);
        painter.drawRect(box);
        painter.setPen(QPen(Qt::red, 1.5));
        painter.drawLine(box.bottomLeft(), box.topRight());
    } else {
        painter.setPen(Qt::darkGray);
        painter.setBrush(ColorValueToQColor(colour.toInt()));
        painter.drawRect(box);
    }
    return QIcon(pixmap);
}

// The place and size edits, with the property each one shows.
struct Measure {
    QLineEdit* PropertyBar::*edit;
    ItemProperty property;
};
constexpr Measure Measures[] = {{&PropertyBar::LeftEdit, ItemProperty::Left},
                                {&PropertyBar::TopEdit, ItemProperty::Top},
                                {&PropertyBar::WidthEdit, ItemProperty::Width},
                                {&PropertyBar::HeightEdit, ItemProperty::Height}};
} // namespace

PropertyBar::PropertyBar(SelectionProperties& properties, QWidget* parent)
    : QToolBar(parent), properties_(properties) {
    setObjectName(QStringLiteral("PropertyBar"));
    setWindowTitle(tr("Properties"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(SwatchSize, SwatchSize));
    CreateFontControls();
    addSeparator();
    CreateColourControls();
    addSeparator();
    CreateMeasureControls();
    connect(&properties_, &SelectionProperties::Changed, this, &PropertyBar::QueueRefresh);
    Refresh();
}

void PropertyBar::CreateFontControls() {
    FontBox = new QFontComboBox(this);
    FontBox->setObjectName(QStringLiteral("PropertyFont"));
    FontBox->setFontFilters(QFontComboBox::ScalableFonts);
    FontBox->setInsertPolicy(QComboBox::NoInsert);
    FontBox->setMinimumContentsLength(14);
    FontBox->setToolTip(tr("Font of the selected texts"));
    FontBox->setAccessibleName(FontBox->toolTip());
    FontBox->setWhatsThis(tr("The font of the selected texts and counters. A font this "
                             "computer lacks shows as the font that prints in its place; the "
                             "texts keep theirs until you pick another one here."));
    FontBox->lineEdit()->setWhatsThis(FontBox->whatsThis());
    addWidget(FontBox);
    WatchKeys(FontBox);
    WatchKeys(FontBox->lineEdit());
    connect(FontBox, &QComboBox::activated, this,
            [this](int index) { PickFamily(FontBox->itemText(index)); });

    SizeBox = new QSpinBox(this);
    SizeBox->setObjectName(QStringLiteral("PropertySize"));
    // The lowest value stands for "the items differ" and shows blank.
    SizeBox->setRange(0, 999);
    SizeBox->setSpecialValueText(QStringLiteral(" "));
    SizeBox->setKeyboardTracking(false);
    SizeBox->setToolTip(tr("Font size in points"));
    SizeBox->setAccessibleName(SizeBox->toolTip());
    SizeBox->setWhatsThis(tr("The size in points of the selected texts, counters and symbols. "
                             "Blank when they differ."));
    addWidget(SizeBox);
    WatchKeys(SizeBox);
    connect(SizeBox, &QSpinBox::valueChanged, this, [this](int points) {
        if (points > 0)
            Apply(ItemProperty::FontSize, points);
    });

    BoldButton = AddStyleButton("PropertyBold", tr("B"), tr("Bold"), ItemProperty::Bold);
    ItalicButton = AddStyleButton("PropertyItalic", tr("I"), tr("Italic"), ItemProperty::Italic);
    UnderlineButton =
        AddStyleButton("PropertyUnderline", tr("U"), tr("Underline"), ItemProperty::Underline);
    QFont bold = BoldButton->font();
    bold.setBold(true);
    BoldButton->setFont(bold);
    QFont italic = ItalicButton->font();
    italic.setItalic(true);
    ItalicButton->setFont(italic);
    QFont underline = UnderlineButton->font();
    underline.setUnderline(true);
    UnderlineButton->setFont(underline);
}

QToolButton* PropertyBar::AddStyleButton(const char* name, const QString& caption,
                                         const QString& tip, ItemProperty property) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(tip);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setWhatsThis(
        tr("Turns %1 on or off for every selected text and counter.").arg(tip.toLower()));
    button->setAccessibleName(tip);
    // A click leaves the keys with the design panel; the Tab key reaches the button.
    button->setFocusPolicy(Qt::TabFocus);
    addWidget(button);
    connect(button, &QToolButton::clicked, this,
            [this, property](bool on) { Apply(property, on); });
    return button;
}

void PropertyBar::CreateColourControls() {
    TextColorButton =
        AddColourButton("PropertyTextColor", tr("Text colour"), ItemProperty::TextColor);
    LineColorButton =
        AddColourButton("PropertyLineColor", tr("Line colour"), ItemProperty::LineColor);
    LineWidthBox = new QSpinBox(this);
    LineWidthBox->setObjectName(QStringLiteral("PropertyLineWidth"));
    LineWidthBox->setRange(0, 20);
    LineWidthBox->setSpecialValueText(QStringLiteral(" "));
    LineWidthBox->setSuffix(tr(" pt"));
    LineWidthBox->setKeyboardTracking(false);
    LineWidthBox->setToolTip(tr("Line thickness"));
    LineWidthBox->setAccessibleName(LineWidthBox->toolTip());
    LineWidthBox->setWhatsThis(tr("The thickness of the selected lines and of the outlines of "
                                  "the selected shapes. Blank when they differ."));
    addWidget(LineWidthBox);
    WatchKeys(LineWidthBox);
    connect(LineWidthBox, &QSpinBox::valueChanged, this, [this](int width) {
        if (width > 0)
            Apply(ItemProperty::LineWidth, width);
    });
    FillColorButton =
        AddColourButton("PropertyFillColor", tr("Fill colour"), ItemProperty::FillColor);
    // A shape's fill can also be taken away, leaving its outline.
    auto* fillMenu = new QMenu(FillColorButton);
    fillMenu->setObjectName(QStringLiteral("PropertyFillMenu"));
    QAction* choose = fillMenu->addAction(tr("&Colour…"));
    choose->setObjectName(QStringLiteral("PropertyFillChoose"));
    connect(choose, &QAction::triggered, this, [this] { PickColour(ItemProperty::FillColor); });
    QAction* none = fillMenu->addAction(tr("&No Fill"));
    none->setObjectName(QStringLiteral("PropertyNoFill"));
    connect(none, &QAction::triggered, this, [this] { Apply(ItemProperty::FillColor, NoFill); });
    FillColorButton->setMenu(fillMenu);
    FillColorButton->setPopupMode(QToolButton::MenuButtonPopup);
}

QToolButton* PropertyBar::AddColourButton(const char* name, const QString& tip,
                                          ItemProperty property) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setWhatsThis(tr("Shows the %1 of the selected items (a question mark when they "
                            "differ); click to choose another for all of them.")
                             .arg(tip.toLower()));
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoRaise(true);
    addWidget(button);
    connect(button, &QToolButton::clicked, this, [this, property] { PickColour(property); });
    return button;
}

void PropertyBar::CreateMeasureControls() {
    LeftEdit =
        AddMeasure("PropertyLeft", tr("X"),
                   tr("Distance of the left edge from the label's left edge"), ItemProperty::Left);
    TopEdit =
        AddMeasure("PropertyTop", tr("Y"), tr("Distance of the top edge from the label's top edge"),
                   ItemProperty::Top);
    WidthEdit = AddMeasure("PropertyWidth", tr("W"), tr("Width"), ItemProperty::Width);
    HeightEdit = AddMeasure("PropertyHeight", tr("H"), tr("Height"), ItemProperty::Height);
    UnitLabel = new QLabel(this);
    UnitLabel->setObjectName(QStringLiteral("PropertyUnit"));
    addWidget(UnitLabel);
}

QLineEdit* PropertyBar::AddMeasure(const char* name, const QString& caption, const QString& tip,
                                   ItemProperty property) {
    auto* label = new QLabel(QStringLiteral(" ") + caption + QStringLiteral(" "), this);
    addWidget(label);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(tip);
    edit->setWhatsThis(tr("%1 of the selected items in the label's unit. Type a number and "
                          "press Enter to apply it to all of them; Escape puts back the "
                          "present value.")
                           .arg(tip));
    edit->setFixedWidth(MeasureWidth);
    edit->setAlignment(Qt::AlignRight);
    WatchKeys(edit);
    label->setBuddy(edit);
    addWidget(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this, edit, property] {
        if (edit->isModified())
            ApplyMeasure(edit, property);
    });
    return edit;
}

void PropertyBar::WatchKeys(QWidget* box) {
    box->installEventFilter(this);
}

bool PropertyBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QToolBar::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // The box applies what was typed first; then the keys go back to the label, and a
        // name that matched no font gives way to what the items hold.
        QTimer::singleShot(0, this, &PropertyBar::KeysBack);
        QueueRefresh();
        return QToolBar::eventFilter(watched, event);
    }
    if (key != Qt::Key_Escape)
        return QToolBar::eventFilter(watched, event);
    // Escape puts back what the items hold.
    for (const Measure& measure : Measures)
        if (watched == this->*measure.edit)
            ShowMeasure(this->*measure.edit, measure.property);
    if (watched == FontBox || watched == FontBox->lineEdit() || watched == SizeBox ||
        watched == LineWidthBox)
        Refresh();
    emit KeysBack();
    return true;
}

void PropertyBar::QueueRefresh() {
    // Several edits in one command (and the selection they leave) show once.
    if (std::exchange(refreshQueued_, true))
        return;
    QTimer::singleShot(0, this, [this] {
        refreshQueued_ = false;
        Refresh();
    });
}

void PropertyBar::Apply(ItemProperty property, const QVariant& value) {
    RunCommand([&] { properties_.Apply(property, value); });
    QueueRefresh();
}

void PropertyBar::PickFamily(const QString& family) {
    // Picking the family already shown names no new face: an item whose face stands in for
    // one the system lacks keeps its own.
    const QVariant shared = properties_.Shared(ItemProperty::FontFamily);
    if (shared.isValid() && FontFace::Printed(shared.toString()) == family)
        return;
    Apply(ItemProperty::FontFamily, family);
}

void PropertyBar::PickColour(ItemProperty property) {
    const QVariant shared = properties_.Shared(property);
    qint32 colour = shared.isValid() && shared.toInt() != NoFill ? shared.toInt() : 0;
    bool chosen = false;
    RunCommand([&] { chosen = AskColour(colour); });
    if (chosen)
        Apply(property, int(colour));
}

void PropertyBar::ApplyMeasure(QLineEdit* edit, ItemProperty property) {
    const LabelUnit unit = LabelUnit::Of(properties_.Design().geometry);
    const std::optional<double> inches = unit.ParseInches(edit->text(), locale());
    if (inches)
        Apply(property, InchesToPixels(float(*inches)));
    ShowMeasure(edit, property);
}

void PropertyBar::ShowMeasure(QLineEdit* edit, ItemProperty property) {
    const LabelUnit unit = LabelUnit::Of(properties_.Design().geometry);
    const QVariant shared = properties_.Shared(property);
    edit->setEnabled(properties_.Offers(property));
    edit->setText(shared.isValid() ? unit.LocalNumber(PixelsToInches(shared.toInt()), locale())
                                   : QString());
    edit->setModified(false);
}

void PropertyBar::ShowColour(QToolButton* button, ItemProperty property) {
    const bool offered = properties_.Offers(property);
    button->setEnabled(offered);
    button->setIcon(Swatch(offered ? properties_.Shared(property) : QVariant(0xFFFFFF)));
}

void PropertyBar::ShowSpin(QSpinBox* box, ItemProperty property) {
    const QSignalBlocker quiet(box);
    const QVariant shared = properties_.Shared(property);
    box->setEnabled(properties_.Offers(property));
    box->setValue(shared.isValid() ? shared.toInt() : box->minimum());
}

void PropertyBar::Refresh() {
    {
        const QSignalBlocker quiet(FontBox);
        const QVariant family = properties_.Shared(ItemProperty::FontFamily);
        FontBox->setEnabled(properties_.Offers(ItemProperty::FontFamily));
        const QString shown = family.isValid() ? FontFace::Printed(family.toString()) : QString();
        const int index = shown.isEmpty() ? -1 : FontBox->findText(shown, Qt::MatchFixedString);
        FontBox->setCurrentIndex(index);
        FontBox->setEditText(shown);
    }
    ShowSpin(SizeBox, ItemProperty::FontSize);
    const std::pair<QToolButton*, ItemProperty> styles[] = {
        {BoldButton, ItemProperty::Bold},
        {ItalicButton, ItemProperty::Italic},
        {UnderlineButton, ItemProperty::Underline}};
    for (const auto& [button, property] : styles) {
        // Items that differ show the style off and greyed; a click gives it to all of them.
        const bool offered = properties_.Offers(property);
        const QVariant shared = properties_.Shared(property);
        const bool mixed = offered && !shared.isValid();
        button->setEnabled(offered);
        button->setChecked(shared.toBool());
        QPalette palette = this->palette();
        if (mixed)
            palette.setColor(QPalette::ButtonText, palette.color(QPalette::PlaceholderText));
        button->setPalette(palette);
        button->setProperty("mixed", mixed);
    }
    ShowColour(TextColorButton, ItemProperty::TextColor);
    ShowColour(LineColorButton, ItemProperty::LineColor);
    ShowSpin(LineWidthBox, ItemProperty::LineWidth);
    ShowColour(FillColorButton, ItemProperty::FillColor);
    for (const Measure& measure : Measures) {
        QLineEdit* edit = this->*measure.edit;
        // What the user is typing stays until it is applied or put back.
        if (!(edit->hasFocus() && edit->isModified()))
            ShowMeasure(edit, measure.property);
    }
    UnitLabel->setText(LabelUnit::Of(properties_.Design().geometry).Symbol());
}
