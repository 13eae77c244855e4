#include "templates/TTemplateEdit.h"

#include "document/PaperSizes.h"
#include "templates/NumericEntry.h"
#include "templates/TemplateEditorRules.h"
#include "ui/Prompter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWhatsThis>

#include <algorithm>
#include <utility>

using Rules = TemplateEditorRules;

TTemplateEdit::TTemplateEdit(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(tr("Add Label Definition"));
    setModal(true);
    BuildControls();
    LayOut();
    PaperChanged();
}

NumericEntry* TTemplateEdit::Entry(const char* name) {
    auto* entry = new NumericEntry(this);
    entry->setObjectName(QString::fromLatin1(name));
    return entry;
}

void TTemplateEdit::BuildControls() {
    eUserDesc = new QLineEdit(tr("[enter description]"), this);
    eUserDesc->setObjectName("eUserDesc");
    eUserDesc->setMaxLength(60); // TEMPLATE holds 60
    elblwidth = Entry("elblwidth");
    elblHeight = Entry("elblHeight");
    eHorizPitch = Entry("eHorizPitch");
    eVertPitch = Entry("eVertPitch");
    enbracross = new QSpinBox(this);
    enbracross->setObjectName("enbracross");
    enbracross->setRange(1, Rules::MaxAcross);
    enbrdown = new QSpinBox(this);
    enbrdown->setObjectName("enbrdown");
    enbrdown->setRange(1, Rules::MaxDown);
    eleftmarg = Entry("eleftmarg");
    etopmarg = Entry("etopmarg");
    epapersize = new QComboBox(this);
    epapersize->setObjectName("epapersize");
    epapersize->addItems(Rules::PaperSizeEntries());
    esheetwidth = Entry("esheetwidth");
    esheetheight = Entry("esheetheight");
    SheetWidthLabel = new QLabel(tr("Paper Width"), this);
    SheetWidthLabel->setBuddy(esheetwidth);
    SheetHeightLabel = new QLabel(tr("Paper Height"), this);
    SheetHeightLabel->setBuddy(esheetheight);
    Inchesbutton = new QRadioButton(tr("In inches/1000's of an inch"), this);
    Inchesbutton->setObjectName("Inchesbutton");
    Inchesbutton->setChecked(true);
    MMButton = new QRadioButton(tr("In Millimeters"), this);
    MMButton->setObjectName("MMButton");
    HelpButton = new QPushButton(tr("Help"), this);
    HelpButton->setObjectName("HelpButton");
    HelpButton->setAutoDefault(false);
    MouseHelpButton = new QPushButton(this);
    MouseHelpButton->setObjectName("MouseHelpButton");
    MouseHelpButton->setAccessibleName(tr("What's this?"));
    MouseHelpButton->setIcon(style()->standardIcon(QStyle::SP_TitleBarContextHelpButton));
    MouseHelpButton->setToolTip(tr("What's this?"));
    MouseHelpButton->setWhatsThis(
        tr("Click this button, then click a control to learn what it does."));
    MouseHelpButton->setAutoDefault(false);
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(false);
    eLabelShape = new QComboBox(this);
    eLabelShape->setObjectName("eLabelShape");
    eLabelShape->addItems(Rules::LabelShapeEntries());
    OKButton = new QPushButton(tr("Save"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);

    connect(Inchesbutton, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            InchesbuttonClick();
    });
    connect(MMButton, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            MMButtonClick();
    });
    connect(epapersize, &QComboBox::currentIndexChanged, this, &TTemplateEdit::PaperChanged);
    connect(elblwidth, &QLineEdit::editingFinished, this, &TTemplateEdit::elblwidthExit);
    connect(elblHeight, &QLineEdit::editingFinished, this, &TTemplateEdit::elblHeightExit);
    connect(OKButton, &QPushButton::clicked, this, &TTemplateEdit::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TTemplateEdit::CancelButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TTemplateEdit::HelpButtonClick);
    connect(MouseHelpButton, &QPushButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });

    const std::pair<QWidget*, const char*> hints[] = {
        {eUserDesc, QT_TR_NOOP("The name of this label sheet, as the template list shows it.")},
        {elblwidth, QT_TR_NOOP("The width of one label.")},
        {elblHeight, QT_TR_NOOP("The height of one label.")},
        {eHorizPitch,
         QT_TR_NOOP("From the left edge of one label to the left edge of the next one across.")},
        {eVertPitch,
         QT_TR_NOOP("From the top edge of one label to the top edge of the next one down.")},
        {enbracross, QT_TR_NOOP("How many labels stand side by side in one row (1 to 10).")},
        {enbrdown, QT_TR_NOOP("How many rows of labels the sheet holds (1 to 30).")},
        {eleftmarg,
         QT_TR_NOOP("From the left edge of the sheet to the left edge of the first label.")},
        {etopmarg,
         QT_TR_NOOP("From the top edge of the sheet to the top edge of the first label.")},
        {epapersize,
         QT_TR_NOOP("The paper the sheet is printed on. \"Roll (label printer)\" is a roll of "
                    "labels whose page is one row of labels long.")},
        {esheetwidth,
         QT_TR_NOOP("The width of the paper, or of the roll, for a paper of its own size.")},
        {esheetheight,
         QT_TR_NOOP("The height of the paper; for a roll, the length of one page: one "
                    "label and the gap after it.")},
        {eLabelShape, QT_TR_NOOP("The outline of each label.")},
        {Inchesbutton, QT_TR_NOOP("Enter the measurements in inches.")},
        {MMButton, QT_TR_NOOP("Enter the measurements in millimetres; they are stored in inches.")},
        {OKButton, QT_TR_NOOP("Checks the measurements and saves the template.")},
        {CancelButton, QT_TR_NOOP("Closes without saving anything.")},
    };
    for (const auto& [widget, hint] : hints)
        widget->setWhatsThis(tr(hint));

    QWidget* order[] = {eUserDesc,       elblwidth,    elblHeight,   eHorizPitch, eVertPitch,
                        enbracross,      enbrdown,     eleftmarg,    etopmarg,    epapersize,
                        esheetwidth,     esheetheight, Inchesbutton, MMButton,    HelpButton,
                        MouseHelpButton, CancelButton, eLabelShape,  OKButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TTemplateEdit::LayOut() {
    auto caption = [this](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    auto* grid = new QGridLayout;
    grid->addWidget(caption(tr("Description"), eUserDesc), 0, 0);
    grid->addWidget(eUserDesc, 0, 1, 1, 3);
    const struct {
        const char* left;
        QWidget* leftEntry;
        const char* right;
        QWidget* rightEntry;
    } rows[] = {
        {QT_TR_NOOP("Label Width"), elblwidth, QT_TR_NOOP("Label Height"), elblHeight},
        {QT_TR_NOOP("Horizontal Pitch"), eHorizPitch, QT_TR_NOOP("Vertical Pitch"), eVertPitch},
        {QT_TR_NOOP("# across"), enbracross, QT_TR_NOOP("# down"), enbrdown},
        {QT_TR_NOOP("Left Margin"), eleftmarg, QT_TR_NOOP("Top Margin"), etopmarg}};
    int row = 1;
    for (const auto& r : rows) {
        grid->addWidget(caption(tr(r.left), r.leftEntry), row, 0);
        grid->addWidget(r.leftEntry, row, 1);
        grid->addWidget(caption(tr(r.right), r.rightEntry), row, 2);
        grid->addWidget(r.rightEntry, row, 3);
        ++row;
    }
    grid->addWidget(caption(tr("Paper size"), epapersize), row, 0);
    grid->addWidget(epapersize, row, 1, 1, 3);
    ++row;
    grid->addWidget(SheetWidthLabel, row, 0);
    grid->addWidget(esheetwidth, row, 1);
    grid->addWidget(SheetHeightLabel, row, 2);
    grid->addWidget(esheetheight, row, 3);
    ++row;
    grid->addWidget(caption(tr("Label Shape"), eLabelShape), row, 0);
    grid->addWidget(eLabelShape, row, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* units = new QGroupBox(this);
    auto* unitsLayout = new QHBoxLayout(units);
    unitsLayout->addWidget(Inchesbutton);
    unitsLayout->addWidget(MMButton);
    unitsLayout->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(HelpButton);
    buttons->addWidget(MouseHelpButton);
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addWidget(units);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

void TTemplateEdit::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TTemplateEdit::FormActivate() {
    if (!firstActivation_)
        return;
    firstActivation_ = false;
    eUserDesc->setText(description_);
    elblHeight->SetValue(geometry_.labelHeight);
    elblwidth->SetValue(geometry_.labelWidth);
    etopmarg->SetValue(geometry_.topMargin);
    eleftmarg->SetValue(geometry_.leftMargin);
    eHorizPitch->SetValue(geometry_.horizontalPitch);
    eVertPitch->SetValue(geometry_.verticalPitch);
    // A sheet of more labels than the usual ranges (a stock sheet of 12 across) widens them,
    // so that its counts are shown and kept as they are, never cut to fit.
    enbracross->setMaximum(std::max(Rules::MaxAcross, geometry_.labelsAcross));
    enbrdown->setMaximum(std::max(Rules::MaxDown, geometry_.labelsDown));
    enbracross->setValue(geometry_.labelsAcross);
    enbrdown->setValue(geometry_.labelsDown);
    esheetwidth->SetValue(geometry_.sheetWidth);
    esheetheight->SetValue(geometry_.sheetHeight);
    epapersize->setCurrentIndex(Rules::PaperSizeIndex(geometry_.paperSize));
    eLabelShape->setCurrentIndex(Rules::LabelShapeIndex(geometry_.labelShape));
    PaperChanged();
}

void TTemplateEdit::PaperChanged() {
    const QString code = Rules::PaperSizeCode(epapersize->currentIndex());
    const bool own = PaperSizes::SizeIsStored(code);
    const bool roll = code == QLatin1String(PaperSizes::RollCode);
    esheetwidth->setEnabled(own);
    esheetheight->setEnabled(own);
    SheetWidthLabel->setText(roll ? tr("Roll Width") : tr("Paper Width"));
    SheetHeightLabel->setText(roll ? tr("Page Length") : tr("Paper Height"));
}

// The six entries' values times `factor` into the geometry's lengths.
void TTemplateEdit::ReadEntriesInto(SheetGeometry& g, double factor) const {
    g.labelHeight = static_cast<float>(elblHeight->Value() * factor);
    g.labelWidth = static_cast<float>(elblwidth->Value() * factor);
    g.topMargin = static_cast<float>(etopmarg->Value() * factor);
    g.leftMargin = static_cast<float>(eleftmarg->Value() * factor);
    g.horizontalPitch = static_cast<float>(eHorizPitch->Value() * factor);
    g.verticalPitch = static_cast<float>(eVertPitch->Value() * factor);
    g.sheetWidth = static_cast<float>(esheetwidth->Value() * factor);
    g.sheetHeight = static_cast<float>(esheetheight->Value() * factor);
}

// Takes the entries into the fields (times `factor` into inches), clears them, switches their
// pattern and shows the fields again in the new unit.
void TTemplateEdit::SwitchEntries(const QString& pattern, double factor) {
    ReadEntriesInto(geometry_, factor);
    const double toScreen = pattern == Rules::MillimetrePattern ? Rules::MillimetresPerInch : 1.0;
    const struct {
        NumericEntry* entry;
        float value;
    } entries[] = {{elblHeight, geometry_.labelHeight},      {elblwidth, geometry_.labelWidth},
                   {etopmarg, geometry_.topMargin},          {eleftmarg, geometry_.leftMargin},
                   {eHorizPitch, geometry_.horizontalPitch}, {eVertPitch, geometry_.verticalPitch},
                   {esheetwidth, geometry_.sheetWidth},      {esheetheight, geometry_.sheetHeight}};
    for (const auto& e : entries) {
        e.entry->SetValue(0);
        e.entry->SetPattern(pattern);
        e.entry->SetValue(e.value * toScreen);
    }
}

void TTemplateEdit::MMButtonClick() {
    if (inMillimetres_)
        return;
    inMillimetres_ = true;
    SwitchEntries(Rules::MillimetrePattern, 1.0);
}

void TTemplateEdit::InchesbuttonClick() {
    if (!inMillimetres_)
        return;
    inMillimetres_ = false;
    SwitchEntries(Rules::InchPattern, Rules::InchesPerMillimetre);
}

void TTemplateEdit::elblwidthExit() {
    eHorizPitch->SetValue(Rules::PitchAfterLabelSize(elblwidth->Value(), eHorizPitch->Value()));
}

void TTemplateEdit::elblHeightExit() {
    eVertPitch->SetValue(Rules::PitchAfterLabelSize(elblHeight->Value(), eVertPitch->Value()));
}

void TTemplateEdit::OkButtonClick() {
    description_ = eUserDesc->text();
    geometry_.labelsDown = enbrdown->value();
    geometry_.labelsAcross = enbracross->value();
    ReadEntriesInto(geometry_, Inchesbutton->isChecked() ? 1.0 : Rules::InchesPerMillimetre);
    geometry_.paperSize = Rules::PaperSizeCode(epapersize->currentIndex());
    geometry_.labelShape = Rules::LabelShapeCode(eLabelShape->currentIndex());
    // Only a paper no code names keeps a size of its own.
    if (!PaperSizes::SizeIsStored(geometry_.paperSize))
        geometry_.sheetWidth = geometry_.sheetHeight = 0;
    if (ValidLabel())
        accept();
}

bool TTemplateEdit::ValidLabel() {
    const QString message = Rules::ValidLabel(geometry_, eUserDesc->text());
    if (message.isEmpty())
        return true;
    ShowInformation(message);
    return false;
}

void TTemplateEdit::CancelButtonClick() {
    reject();
}

void TTemplateEdit::HelpButtonClick() {
    ShowHelpTopic(HelpTopic);
}
