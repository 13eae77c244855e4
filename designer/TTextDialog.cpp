#include "designer/TTextDialog.h"

#include "document/MergeFields.h"
#include "ui/FixedDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Points the shrinking font may go down to, and the line spacing's range (multiples of the
// font's line height).
constexpr double kSmallestMinSize = 1.0;
constexpr double kLargestMinSize = 500.0;
constexpr double kSmallestSpacing = 0.1;
constexpr double kLargestSpacing = 10.0;

QToolButton* NewToggle(QWidget* parent, const QString& letter, const QString& name,
                       const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(letter);
    button->setToolTip(tip);
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setMinimumWidth(28);
    return button;
}

} // namespace

TTextDialog::TTextDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TextDialog"));
    setWindowTitle(tr("Text"));
    setSizeGripEnabled(true);

    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(tr("Enter text"), this);
    layout->addWidget(prompt);

    Editor = new QPlainTextEdit(this);
    Editor->setObjectName(QStringLiteral("TextEditor"));
    Editor->setTabChangesFocus(true);
    Editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    Editor->setWhatsThis(
        tr("The item's text. Enter starts a new line; Ctrl+Enter takes the text (OK)."));
    Editor->installEventFilter(this);
    prompt->setBuddy(Editor);
    // Room for about five lines of forty letters.
    const QFontMetrics metrics(Editor->font());
    Editor->setMinimumSize(metrics.averageCharWidth() * 40, metrics.lineSpacing() * 6);
    layout->addWidget(Editor, 1);

    layout->addWidget(NewAlignRow());
    layout->addWidget(NewBoxOptions());

    auto* bottom = new QHBoxLayout;
    InsertFieldButton = new QPushButton(tr("Insert &Merge Field"), this);
    InsertFieldButton->setObjectName(QStringLiteral("InsertMergeFieldButton"));
    InsertFieldButton->setAutoDefault(false);
    auto* fieldMenu = new QMenu(InsertFieldButton);
    fieldMenu->setObjectName(QStringLiteral("InsertMergeFieldMenu"));
    InsertFieldButton->setMenu(fieldMenu);
    connect(fieldMenu, &QMenu::aboutToShow, this, &TTextDialog::FillFieldMenu);
    InsertFieldButton->setWhatsThis(
        tr("Puts a field of the merge source, such as {Name}, where the cursor is."));
    bottom->addWidget(InsertFieldButton);
    bottom->addStretch(1);
    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Buttons->setObjectName(QStringLiteral("TextButtons"));
    Buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    Buttons->button(QDialogButtonBox::Ok)->setToolTip(tr("Ctrl+Enter"));
    Buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    bottom->addWidget(Buttons);
    bottom->addWidget(FixedDialog::NewMouseHelpButton(this));
    layout->addLayout(bottom);

    ShowOptions();
    Editor->setFocus();
}

QWidget* TTextDialog::NewAlignRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Align:"), row));
    AlignGroup = new QButtonGroup(row);
    const struct {
        const char* letter;
        const char* name;
        const char* tip;
        TextAlign align;
    } across[] = {
        {"L", "AlignLeftButton", QT_TR_NOOP("Lines start at the left"), TextAlign::Left},
        {"C", "AlignCentreButton", QT_TR_NOOP("Lines centred"), TextAlign::Centre},
        {"R", "AlignRightButton", QT_TR_NOOP("Lines end at the right"), TextAlign::Right}};
    for (const auto& a : across) {
        QToolButton* button =
            NewToggle(row, QString::fromLatin1(a.letter), QString::fromLatin1(a.name), tr(a.tip));
        button->setWhatsThis(tr(a.tip) + QStringLiteral("."));
        AlignGroup->addButton(button, static_cast<int>(a.align));
        layout->addWidget(button);
    }
    layout->addSpacing(16);
    VAlignGroup = new QButtonGroup(row);
    const struct {
        const char* letter;
        const char* name;
        const char* tip;
        TextVAlign valign;
    } within[] = {
        {"T", "AlignTopButton", QT_TR_NOOP("Text at the top of its box"), TextVAlign::Top},
        {"M", "AlignMiddleButton", QT_TR_NOOP("Text in the middle of its box"), TextVAlign::Middle},
        {"B", "AlignBottomButton", QT_TR_NOOP("Text at the bottom of its box"),
         TextVAlign::Bottom}};
    for (const auto& w : within) {
        QToolButton* button =
            NewToggle(row, QString::fromLatin1(w.letter), QString::fromLatin1(w.name), tr(w.tip));
        button->setWhatsThis(tr(w.tip) + tr(" (a box only)."));
        VAlignGroup->addButton(button, static_cast<int>(w.valign));
        layout->addWidget(button);
    }
    layout->addStretch(1);
    connect(AlignGroup, &QButtonGroup::idClicked, this,
            [this](int id) { options_.align = static_cast<TextAlign>(id); });
    connect(VAlignGroup, &QButtonGroup::idClicked, this,
            [this](int id) { options_.valign = static_cast<TextVAlign>(id); });
    return row;
}

QWidget* TTextDialog::NewBoxOptions() {
    auto* panel = new QWidget(this);
    auto* form = new QFormLayout(panel);
    form->setContentsMargins(0, 0, 0, 0);
    BoxCheck = new QCheckBox(tr("Text &box (keeps its width and height)"), panel);
    BoxCheck->setObjectName(QStringLiteral("BoxCheck"));
    WrapCheck = new QCheckBox(tr("&Wrap words at the box's width"), panel);
    WrapCheck->setObjectName(QStringLiteral("WrapCheck"));
    ShrinkCheck = new QCheckBox(tr("&Shrink to fit, down to"), panel);
    ShrinkCheck->setObjectName(QStringLiteral("ShrinkCheck"));
    MinSizeSpin = new QDoubleSpinBox(panel);
    MinSizeSpin->setObjectName(QStringLiteral("MinFontSizeSpin"));
    MinSizeSpin->setAccessibleName(tr("Smallest size"));
    MinSizeSpin->setRange(kSmallestMinSize, kLargestMinSize);
    MinSizeSpin->setDecimals(1);
    MinSizeSpin->setSingleStep(TextBoxOptions::ShrinkStep);
    MinSizeSpin->setSuffix(QStringLiteral(" pt"));
    LineSpacingSpin = new QDoubleSpinBox(panel);
    LineSpacingSpin->setObjectName(QStringLiteral("LineSpacingSpin"));
    LineSpacingSpin->setRange(kSmallestSpacing, kLargestSpacing);
    LineSpacingSpin->setDecimals(3);
    LineSpacingSpin->setSingleStep(0.05);
    SkipBlankCheck = new QCheckBox(tr("Leave out lines whose fields are all &empty"), panel);
    SkipBlankCheck->setObjectName(QStringLiteral("SkipBlankCheck"));

    form->addRow(BoxCheck);
    form->addRow(WrapCheck);
    auto* shrinkRow = new QHBoxLayout;
    shrinkRow->addWidget(ShrinkCheck);
    shrinkRow->addWidget(MinSizeSpin);
    shrinkRow->addStretch(1);
    form->addRow(shrinkRow);
    auto* spacingLabel = new QLabel(tr("&Line spacing:"), panel);
    spacingLabel->setBuddy(LineSpacingSpin);
    form->addRow(spacingLabel, LineSpacingSpin);
    form->addRow(SkipBlankCheck);

    BoxCheck->setWhatsThis(
        tr("The text keeps the width and height you drag it to and is laid out inside."));
    WrapCheck->setWhatsThis(tr("Lines too long for the box break between words."));
    ShrinkCheck->setWhatsThis(
        tr("On each label whose text would not fit, the letters get smaller, half a point at a "
           "time, down to the size given."));
    MinSizeSpin->setWhatsThis(tr("The smallest size shrinking may go down to."));
    LineSpacingSpin->setWhatsThis(
        tr("The distance between lines as a multiple of the font's own (1.000)."));
    SkipBlankCheck->setWhatsThis(tr("A line whose merge fields are all empty on a "
                                    "label is left out; the lines below move up."));
    connect(BoxCheck, &QCheckBox::toggled, this, [this](bool on) {
        options_.box = on;
        EnableBoxControls();
    });
    connect(WrapCheck, &QCheckBox::toggled, this, [this](bool on) { options_.wrap = on; });
    connect(ShrinkCheck, &QCheckBox::toggled, this, [this](bool on) {
        options_.shrink = on;
        EnableBoxControls();
    });
    connect(MinSizeSpin, &QDoubleSpinBox::valueChanged, this,
            [this](double points) { options_.minFontSize = points; });
    connect(LineSpacingSpin, &QDoubleSpinBox::valueChanged, this,
            [this](double spacing) { options_.lineSpacing = spacing; });
    connect(SkipBlankCheck, &QCheckBox::toggled, this,
            [this](bool on) { options_.skipBlank = on; });
    return panel;
}

void TTextDialog::SetText(const QString& text) {
    Editor->setPlainText(text);
    Editor->selectAll();
}

QString TTextDialog::Text() const {
    // Block by block: QTextDocument::toPlainText would turn no-break spaces into spaces.
    QStringList lines;
    for (QTextBlock block = Editor->document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    QString text = lines.join(u'\n');
    // Shift+Enter breaks a line within a block.
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

void TTextDialog::SetOptions(const TextBoxOptions& options) {
    options_ = options;
    ShowOptions();
}

void TTextDialog::ShowOptions() {
    // Showing the values must not take them back through the controls' rounding.
    const QSignalBlocker b1(BoxCheck), b2(WrapCheck), b3(ShrinkCheck), b4(MinSizeSpin),
        b5(LineSpacingSpin), b6(SkipBlankCheck), b7(AlignGroup), b8(VAlignGroup);
    BoxCheck->setChecked(options_.box);
    WrapCheck->setChecked(options_.wrap);
    ShrinkCheck->setChecked(options_.shrink);
    MinSizeSpin->setValue(options_.minFontSize);
    LineSpacingSpin->setValue(options_.lineSpacing);
    SkipBlankCheck->setChecked(options_.skipBlank);
    AlignGroup->button(static_cast<int>(options_.align))->setChecked(true);
    VAlignGroup->button(static_cast<int>(options_.valign))->setChecked(true);
    EnableBoxControls();
}

void TTextDialog::EnableBoxControls() {
    // Wrapping, shrinking and the height alignment need a box to work in.
    const bool box = BoxCheck->isChecked();
    for (QAbstractButton* button : VAlignGroup->buttons())
        button->setEnabled(box);
    WrapCheck->setEnabled(box);
    ShrinkCheck->setEnabled(box);
    MinSizeSpin->setEnabled(box && ShrinkCheck->isChecked());
}

void TTextDialog::SetMergeFields(const QStringList& names) {
    fields_ = names;
}

void TTextDialog::FillFieldMenu() {
    QMenu* menu = InsertFieldButton->menu();
    menu->clear();
    if (fields_.isEmpty()) {
        menu->addAction(tr("(no merge source: File, Merge…)"))->setEnabled(false);
        return;
    }
    for (const QString& name : fields_) {
        QString caption = name;
        caption.replace(u'&', QStringLiteral("&&"));
        QAction* action = menu->addAction(caption);
        action->setObjectName(QStringLiteral("Field_") + name);
        connect(action, &QAction::triggered, this, [this, name] { InsertField(name); });
    }
}

void TTextDialog::InsertField(const QString& name) {
    Editor->insertPlainText(MergeFieldReference(name));
    Editor->setFocus();
}

bool TTextDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Editor && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & Qt::ControlModifier)) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
