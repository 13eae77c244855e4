#include "designer/TFontDialog.h"

#include "designer/FontFace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "document/ColorValue.h"
#include "ui/Prompter.h"

namespace {
const char* const styleNames[] = {
    QT_TRANSLATE_NOOP("TFontDialog", "Regular"), QT_TRANSLATE_NOOP("TFontDialog", "Italic"),
    QT_TRANSLATE_NOOP("TFontDialog", "Bold"), QT_TRANSLATE_NOOP("TFontDialog", "Bold Italic")};
const int listedSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

struct NamedColour {
    const char* name;
    qint32 value;
};
const NamedColour standardColours[] = {
    {QT_TRANSLATE_NOOP("TFontDialog", "Black"), MakeColorValue(0, 0, 0)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Maroon"), MakeColorValue(128, 0, 0)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Green"), MakeColorValue(0, 128, 0)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Olive"), MakeColorValue(128, 128, 0)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Navy"), MakeColorValue(0, 0, 128)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Purple"), MakeColorValue(128, 0, 128)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Teal"), MakeColorValue(0, 128, 128)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Gray"), MakeColorValue(128, 128, 128)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Silver"), MakeColorValue(192, 192, 192)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Red"), MakeColorValue(255, 0, 0)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Lime"), MakeColorValue(0, 255, 0)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Yellow"), MakeColorValue(255, 255, 0)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Blue"), MakeColorValue(0, 0, 255)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Fuchsia"), MakeColorValue(255, 0, 255)},
    {QT_TRANSLATE_NOOP("TFontDialog", "Aqua"), MakeColorValue(0, 255, 255)},
    {QT_TRANSLATE_NOOP("TFontDialog", "White"), MakeColorValue(255, 255, 255)},
};

QIcon Swatch(qint32 value) {
    QPixmap pixmap(16, 12);
    pixmap.fill(ColorValueToQColor(value));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 15, 11);
    return QIcon(pixmap);
}

QLabel* Caption(const QString& text, QWidget* buddy, const QRect& geometry, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setBuddy(buddy);
    return label;
}

// Selects the entry whose text equals text, without regard to case; clears the selection
// when none does.
void SelectMatching(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchFixedString);
    if (found.isEmpty()) {
        list->clearSelection();
        list->setCurrentRow(-1);
        return;
    }
    list->setCurrentItem(found.first());
    list->scrollToItem(found.first());
}
} // namespace

TFontDialog::TFontDialog(QWidget* parent) : FixedDialog(tr("Font"), QSize(430, 292), parent) {
    setObjectName(QStringLiteral("FontDialog1"));
    families_ = ScalableFamilies();

    FontName = new QLineEdit(this);
    FontName->setObjectName(QStringLiteral("FontName"));
    FontName->setGeometry(8, 24, 150, 21);
    Caption(tr("&Font:"), FontName, QRect(8, 6, 150, 16), this);
    FontList = new QListWidget(this);
    FontList->setObjectName(QStringLiteral("FontList"));
    FontList->setAccessibleName(tr("Fonts"));
    FontList->setGeometry(8, 46, 150, 110);
    FontList->addItems(families_);

    StyleName = new QLineEdit(this);
    StyleName->setObjectName(QStringLiteral("StyleName"));
    StyleName->setGeometry(166, 24, 100, 21);
    StyleName->setReadOnly(true);
    Caption(tr("Font st&yle:"), StyleName, QRect(166, 6, 100, 16), this);
    StyleList = new QListWidget(this);
    StyleList->setObjectName(QStringLiteral("StyleList"));
    StyleList->setAccessibleName(tr("Font styles"));
    StyleList->setGeometry(166, 46, 100, 110);
    for (const char* style : styleNames)
        StyleList->addItem(tr(style));

    SizeEdit = new QLineEdit(this);
    SizeEdit->setObjectName(QStringLiteral("SizeEdit"));
    SizeEdit->setGeometry(274, 24, 60, 21);
    Caption(tr("&Size:"), SizeEdit, QRect(274, 6, 60, 16), this);
    SizeList = new QListWidget(this);
    SizeList->setObjectName(QStringLiteral("SizeList"));
    SizeList->setAccessibleName(tr("Sizes"));
    SizeList->setGeometry(274, 46, 60, 110);
    for (int size : listedSizes)
        SizeList->addItem(QString::number(size));

    auto* effects = new QGroupBox(tr("Effects"), this);
    effects->setGeometry(8, 164, 150, 118);
    StrikeOutBox = new QCheckBox(tr("Stri&keout"), effects);
    StrikeOutBox->setObjectName(QStringLiteral("StrikeOutBox"));
    StrikeOutBox->setGeometry(10, 20, 130, 20);
    UnderlineBox = new QCheckBox(tr("&Underline"), effects);
    UnderlineBox->setObjectName(QStringLiteral("UnderlineBox"));
    UnderlineBox->setGeometry(10, 42, 130, 20);
    ColorBox = new QComboBox(effects);
    ColorBox->setObjectName(QStringLiteral("ColorBox"));
    ColorBox->setGeometry(10, 84, 130, 22);
    Caption(tr("&Color:"), ColorBox, QRect(10, 66, 130, 16), effects);
    for (const NamedColour& colour : standardColours)
        ColorBox->addItem(Swatch(colour.value), tr(colour.name), colour.value);

    auto* sampleBox = new QGroupBox(tr("Sample"), this);
    sampleBox->setGeometry(166, 164, 168, 118);
    Sample = new QLabel(QStringLiteral("AaBbYyZz"), sampleBox);
    Sample->setObjectName(QStringLiteral("Sample"));
    Sample->setGeometry(6, 20, 156, 90);
    Sample->setAlignment(Qt::AlignCenter);

    OkButton = AddOkButton(QStringLiteral("OK"), QRect(346, 24, 75, 25), "OkButton");
    CancelButton = AddCancelButton(tr("Cancel"), QRect(346, 56, 75, 25), "CancelButton");
    MouseHelpButton = AddMouseHelpButton(QRect(346, 257, 75, 25));

    connect(FontName, &QLineEdit::textEdited, this, &TFontDialog::FontNameEdited);
    connect(FontList, &QListWidget::currentTextChanged, this, [this](const QString& text) {
        if (!text.isEmpty() && FontName->text().compare(text, Qt::CaseInsensitive) != 0)
            FontName->setText(text);
        UpdateSample();
    });
    connect(StyleList, &QListWidget::currentTextChanged, this, [this](const QString& text) {
        StyleName->setText(text);
        UpdateSample();
    });
    connect(SizeEdit, &QLineEdit::textEdited, this, &TFontDialog::SizeEdited);
    connect(SizeList, &QListWidget::currentTextChanged, this, [this](const QString& text) {
        if (!text.isEmpty())
            SizeEdit->setText(text);
        UpdateSample();
    });
    for (QCheckBox* box : {StrikeOutBox, UnderlineBox})
        connect(box, &QCheckBox::toggled, this, [this] { UpdateSample(); });
    connect(ColorBox, &QComboBox::currentIndexChanged, this, [this] { UpdateSample(); });
}

QStringList TFontDialog::ScalableFamilies() {
    QStringList scalable;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isScalable(family) && !QFontDatabase::isPrivateFamily(family))
            scalable << family;
    }
    return scalable;
}

QList<qint32> TFontDialog::StandardColours() {
    QList<qint32> colours;
    for (const NamedColour& colour : standardColours)
        colours << colour.value;
    return colours;
}

void TFontDialog::SetChoice(const FontChoice& choice) {
    // A face this system lacks shows as the font that stands in for it, and stays the
    // item's face unless another one is chosen.
    const bool installed = choice.name.isEmpty() || FontFace::Installed(choice.name);
    storedName_ = installed ? QString() : choice.name;
    shownName_ = installed ? QString() : FontFace::Printed(choice.name);
    FontName->setText(installed ? choice.name : shownName_);
    SelectMatching(FontList, FontName->text());
    StyleList->setCurrentRow((choice.bold ? 2 : 0) + (choice.italic ? 1 : 0));
    SizeEdit->setText(QString::number(choice.size));
    SelectMatching(SizeList, SizeEdit->text());
    StrikeOutBox->setChecked(choice.strikeOut);
    UnderlineBox->setChecked(choice.underline);
    SelectColour(choice.colour);
    UpdateSample();
}

FontChoice TFontDialog::Choice() const {
    FontChoice choice;
    // The listed spelling of the name, whatever case was typed.
    const auto found = FontList->findItems(FontName->text().trimmed(), Qt::MatchFixedString);
    choice.name = found.isEmpty() ? FontName->text().trimmed() : found.first()->text();
    if (!shownName_.isEmpty() && choice.name == shownName_)
        choice.name = storedName_;
    choice.size = SizeEdit->text().trimmed().toInt();
    const int style = std::max(0, StyleList->currentRow());
    choice.bold = style >= 2;
    choice.italic = style % 2 == 1;
    choice.underline = UnderlineBox->isChecked();
    choice.strikeOut = StrikeOutBox->isChecked();
    choice.colour = ColorBox->currentData().toInt();
    return choice;
}

QString TFontDialog::Problem() const {
    if (FontList->findItems(FontName->text().trimmed(), Qt::MatchFixedString).isEmpty())
        return tr("There is no font with that name.\nChoose a font from the list of fonts.");
    bool ok = false;
    const int size = SizeEdit->text().trimmed().toInt(&ok);
    if (!ok || size < 1)
        return tr("Size must be a number.");
    return {};
}

void TFontDialog::accept() {
    const QString problem = Problem();
    if (!problem.isEmpty()) {
        ShowInformation(problem);
        return;
    }
    FixedDialog::accept();
}

void TFontDialog::FontNameEdited(const QString& text) {
    // Typing moves the list to the first font that begins with what was typed.
    const auto found = FontList->findItems(text, Qt::MatchStartsWith);
    if (!text.isEmpty() && !found.isEmpty()) {
        const QSignalBlocker block(FontList);
        FontList->setCurrentItem(found.first());
        FontList->scrollToItem(found.first());
    }
    UpdateSample();
}

void TFontDialog::SizeEdited(const QString& text) {
    const QSignalBlocker block(SizeList);
    SelectMatching(SizeList, text.trimmed());
    UpdateSample();
}

void TFontDialog::SelectColour(qint32 colour) {
    int index = ColorBox->findData(colour);
    if (index < 0) {
        // A colour chosen elsewhere stays choosable as it is.
        ColorBox->addItem(Swatch(colour), tr("Custom"), colour);
        index = ColorBox->count() - 1;
    }
    ColorBox->setCurrentIndex(index);
}

void TFontDialog::UpdateSample() {
    if (!Sample)
        return;
    const FontChoice choice = Choice();
    QFont font(choice.name);
    font.setPointSize(std::clamp(choice.size, 1, 72));
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeOut);
    Sample->setFont(font);
    QPalette palette = Sample->palette();
    palette.setColor(QPalette::WindowText, ColorValueToQColor(choice.colour));
    Sample->setPalette(palette);
}
