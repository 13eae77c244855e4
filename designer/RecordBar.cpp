#include "designer/RecordBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <limits>

namespace {
QToolButton* NewButton(QWidget* parent, const char* name, const QString& text, const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolTip(tip);
    // The glyph means nothing read aloud; the tip says what the button does.
    button->setAccessibleName(tip);
    button->setAutoRaise(true);
    return button;
}
} // namespace

RecordBar::RecordBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("RecordBar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    SourceLabel = new QLabel(this);
    SourceLabel->setObjectName(QStringLiteral("MergeSourceName"));
    FirstButton = NewButton(this, "FirstRecordButton", QStringLiteral("|◀"), tr("First record"));
    PreviousButton =
        NewButton(this, "PreviousRecordButton", QStringLiteral("◀"), tr("Previous record"));
    RecordBox = new QSpinBox(this);
    RecordBox->setObjectName(QStringLiteral("RecordNumberBox"));
    RecordBox->setAccessibleName(tr("Record shown"));
    RecordBox->setToolTip(tr("The record the label shows; type a number to go to it"));
    RecordBox->setKeyboardTracking(false);
    CountLabel = new QLabel(this);
    CountLabel->setObjectName(QStringLiteral("RecordCount"));
    NextButton = NewButton(this, "NextRecordButton", QStringLiteral("▶"), tr("Next record"));
    LastButton = NewButton(this, "LastRecordButton", QStringLiteral("▶|"), tr("Last record"));
    layout->addWidget(SourceLabel);
    layout->addSpacing(12);
    for (QWidget* w : std::initializer_list<QWidget*>{FirstButton, PreviousButton, RecordBox,
                                                      CountLabel, NextButton, LastButton})
        layout->addWidget(w);
    layout->addStretch(1);

    FirstButton->setWhatsThis(tr("Shows the label as the source's first record prints."));
    PreviousButton->setWhatsThis(tr("Shows the label as the record before prints."));
    NextButton->setWhatsThis(tr("Shows the label as the next record prints."));
    LastButton->setWhatsThis(tr("Shows the label as the source's last record prints."));
    RecordBox->setWhatsThis(
        tr("The record of the merge source the label shows: texts, barcodes and pictures as they "
           "print for it. Type a number to go to that record. Saving never depends on it."));
    SourceLabel->setWhatsThis(tr("The merge source chosen for the label (File, Merge)."));

    connect(FirstButton, &QToolButton::clicked, this, [this] { GoTo(1); });
    connect(PreviousButton, &QToolButton::clicked, this, [this] { GoTo(Record() - 1); });
    connect(NextButton, &QToolButton::clicked, this, [this] { GoTo(Record() + 1); });
    connect(LastButton, &QToolButton::clicked, this, [this] { GoTo(records_); });
    connect(RecordBox, &QSpinBox::valueChanged, this, [this](int record) {
        EnableButtons();
        emit RecordChosen(record);
    });
    SetSource(QString(), 0);
}

void RecordBar::SetSource(const QString& name, long long records) {
    records_ = std::max(0LL, records);
    SourceLabel->setText(tr("Merge: %1").arg(name));
    const QSignalBlocker block(RecordBox);
    // A spin box counts in int: a source beyond that shows its first 2^31 - 1 records.
    RecordBox->setRange(records_ > 0 ? 1 : 0,
                        int(std::min<long long>(records_, std::numeric_limits<int>::max())));
    RecordBox->setValue(records_ > 0 ? 1 : 0);
    RecordBox->setEnabled(records_ > 0);
    CountLabel->setText(records_ > 0 ? tr("of %1").arg(records_) : tr("(cannot be read)"));
    EnableButtons();
}

void RecordBar::SetRecord(long long record) {
    const QSignalBlocker block(RecordBox);
    RecordBox->setValue(int(record));
    EnableButtons();
}

long long RecordBar::Record() const {
    return RecordBox->value();
}

void RecordBar::GoTo(long long record) {
    if (records_ <= 0)
        return;
    RecordBox->setValue(int(std::clamp<long long>(record, 1, RecordBox->maximum())));
}

void RecordBar::EnableButtons() {
    const long long at = Record();
    FirstButton->setEnabled(records_ > 0 && at > 1);
    PreviousButton->setEnabled(records_ > 0 && at > 1);
    NextButton->setEnabled(records_ > 0 && at < RecordBox->maximum());
    LastButton->setEnabled(records_ > 0 && at < RecordBox->maximum());
}
