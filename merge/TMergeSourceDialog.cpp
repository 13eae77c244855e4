#include "merge/TMergeSourceDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>

#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "merge/MergeSource.h"
#include "merge/MergeSourceAddress.h"
#include "merge/MergeSourceError.h"
#include "merge/MergeSourceRegistry.h"
#include "merge/SpreadsheetMergeSource.h"
#include "merge/TDatabaseSourceDialog.h"
#include "ui/FixedDialog.h"
#include "ui/Prompter.h"

namespace {

QPushButton* AddButton(QHBoxLayout* row, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    row->addWidget(button);
    return button;
}

} // namespace

TMergeSourceDialog::TMergeSourceDialog(QWidget* parent, DatabasePasswords* passwords)
    : QDialog(parent), passwords_(passwords) {
    setObjectName(QStringLiteral("MergeSourceDialog"));
    setWindowTitle(tr("Merge"));
    resize(520, 320);
    auto* layout = new QVBoxLayout(this);
    FileLabel = new QLabel(tr("No merge source: every label prints alike."));
    FileLabel->setObjectName(QStringLiteral("FileLabel"));
    FileLabel->setWordWrap(true);
    layout->addWidget(FileLabel);
    auto* sheetRow = new QHBoxLayout;
    SheetLabel = new QLabel(tr("&Sheet:"));
    sheetRow->addWidget(SheetLabel);
    SheetBox = new QComboBox;
    SheetBox->setObjectName(QStringLiteral("SheetBox"));
    SheetLabel->setBuddy(SheetBox);
    sheetRow->addWidget(SheetBox, 1);
    layout->addLayout(sheetRow);
    SheetLabel->hide();
    SheetBox->hide();
    FieldsGrid = new QTableWidget(0, 0);
    FieldsGrid->setObjectName(QStringLiteral("FieldsGrid"));
    FieldsGrid->setAccessibleName(tr("Fields and first records"));
    FieldsGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FieldsGrid->verticalHeader()->setDefaultSectionSize(18);
    layout->addWidget(FieldsGrid, 1);
    auto* rangeRow = new QHBoxLayout;
    RecordsLabel = new QLabel;
    RecordsLabel->setObjectName(QStringLiteral("RecordsLabel"));
    rangeRow->addWidget(RecordsLabel);
    rangeRow->addSpacing(16);
    auto* fromLabel = new QLabel(tr("&Print records"));
    rangeRow->addWidget(fromLabel);
    FromRecordBox = new QSpinBox;
    FromRecordBox->setObjectName(QStringLiteral("FromRecordBox"));
    fromLabel->setBuddy(FromRecordBox);
    rangeRow->addWidget(FromRecordBox);
    rangeRow->addWidget(new QLabel(tr("to")));
    ToRecordBox = new QSpinBox;
    ToRecordBox->setObjectName(QStringLiteral("ToRecordBox"));
    ToRecordBox->setAccessibleName(tr("Last record printed"));
    rangeRow->addWidget(ToRecordBox);
    rangeRow->addStretch(1);
    layout->addLayout(rangeRow);
    FromRecordBox->setWhatsThis(
        tr("The first record printed; with the last, a part of the source prints."));
    ToRecordBox->setWhatsThis(tr("The last record printed."));
    // The two ends never cross: moving one past the other takes the other along.
    connect(FromRecordBox, &QSpinBox::valueChanged, this, [this](int from) {
        if (ToRecordBox->value() < from)
            ToRecordBox->setValue(from);
    });
    connect(ToRecordBox, &QSpinBox::valueChanged, this, [this](int to) {
        if (FromRecordBox->value() > to)
            FromRecordBox->setValue(to);
    });
    RememberBox = new QCheckBox(tr("&Remember this source for the label"));
    RememberBox->setObjectName(QStringLiteral("RememberBox"));
    layout->addWidget(RememberBox);
    auto* buttons = new QHBoxLayout;
    ChooseButton = AddButton(buttons, "ChooseButton", tr("&Choose File…"));
    DatabaseButton = AddButton(buttons, "DatabaseButton", tr("&Database…"));
    NoMergeButton = AddButton(buttons, "NoMergeButton", tr("&No Merge"));
    buttons->addStretch(1);
    OkButton = AddButton(buttons, "OkButton", QStringLiteral("OK"));
    CancelButton = AddButton(buttons, "CancelButton", tr("Cancel"));
    MouseHelpButton = FixedDialog::NewMouseHelpButton(this);
    buttons->addWidget(MouseHelpButton);
    OkButton->setDefault(true);
    layout->addLayout(buttons);
    connect(ChooseButton, &QPushButton::clicked, this, &TMergeSourceDialog::ChooseButtonClick);
    connect(DatabaseButton, &QPushButton::clicked, this, &TMergeSourceDialog::DatabaseButtonClick);
    connect(SheetBox, &QComboBox::activated, this, &TMergeSourceDialog::SheetBoxChanged);
    connect(NoMergeButton, &QPushButton::clicked, this, &TMergeSourceDialog::NoMergeButtonClick);
    connect(OkButton, &QPushButton::clicked, this, &TMergeSourceDialog::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TMergeSourceDialog::~TMergeSourceDialog() = default;

bool TMergeSourceDialog::ShowSource(const QString& fileName) {
    MergeSourceAddress address;
    try {
        address = MergeSourceAddress::Parse(fileName);
        std::unique_ptr<MergeSource> source = address.Open(passwords_);
        FillSheets(*source);
        FillGrid(*source);
    } catch (const MergeSourceError& error) {
        ShowInformation(error.Message());
        return false;
    }
    if (fileName != fileName_)
        range_ = {}; // another source prints whole unless told otherwise
    fileName_ = fileName;
    FileLabel->setText(tr("Merge source: %1").arg(address.Display()));
    ShowRange();
    return true;
}

void TMergeSourceDialog::SetRange(const MergeRun::Range& range) {
    range_ = range;
    ShowRange();
}

MergeRun::Range TMergeSourceDialog::Range() const {
    if (records_ <= 0 || !FromRecordBox->isEnabled())
        return range_;
    MergeRun::Range range;
    range.first = FromRecordBox->value();
    // The last record of the source is "to the end": records added later print too.
    range.last = ToRecordBox->value() >= records_ ? 0 : ToRecordBox->value();
    return range;
}

// The count and the range boxes for the source shown.
void TMergeSourceDialog::ShowRange() {
    const bool known = !fileName_.isEmpty() && records_ > 0;
    RecordsLabel->setText(fileName_.isEmpty() ? QString()
                          : records_ < 0      ? tr("Records: cannot be counted")
                          : records_ == 1     ? tr("1 record")
                                              : tr("%1 records").arg(records_));
    FromRecordBox->setEnabled(known);
    ToRecordBox->setEnabled(known);
    if (!known)
        return;
    const int most = int(std::min<long long>(records_, std::numeric_limits<int>::max()));
    FromRecordBox->setRange(1, most);
    ToRecordBox->setRange(1, most);
    const long long last = range_.last > 0 ? range_.last : records_;
    ToRecordBox->setValue(int(std::clamp<long long>(last, 1, most)));
    FromRecordBox->setValue(int(std::clamp<long long>(range_.first, 1, most)));
}

// A spreadsheet's sheets in the box, the one shown chosen; the box hidden for other sources.
void TMergeSourceDialog::FillSheets(MergeSource& source) {
    const auto* sheet = dynamic_cast<SpreadsheetMergeSource*>(&source);
    SheetLabel->setVisible(sheet);
    SheetBox->setVisible(sheet);
    SheetBox->clear();
    if (!sheet)
        return;
    SheetBox->addItems(sheet->SheetNames());
    SheetBox->setCurrentText(sheet->SheetName());
}

void TMergeSourceDialog::SheetBoxChanged(int index) {
    MergeSourceAddress address = MergeSourceAddress::Parse(fileName_);
    // The first sheet is what a file without a sheet reads: its address stays a plain path.
    address.sheet = index <= 0 ? QString() : SheetBox->itemText(index);
    if (!ShowSource(address.ToText()))
        ShowSource(fileName_); // back to the sheet that could be read
}

void TMergeSourceDialog::DatabaseButtonClick() {
    TDatabaseSourceDialog database(MergeSourceAddress::Parse(fileName_), passwords_, this);
    if (Prompter::Current().RunDialog(database) == QDialog::Accepted)
        ShowSource(database.Address().ToText());
}

// The fields and the first records; a bad record among them ends the rows with a note.
void TMergeSourceDialog::FillGrid(MergeSource& source) {
    const QStringList names = source.FieldNames();
    QList<QStringList> rows;
    QString fault;
    records_ = 0;
    try {
        while (rows.size() < ShownRecords && source.Next())
            rows.append(source.Values());
        // The rest is only counted, a record at a time.
        records_ = rows.size();
        while (source.Next())
            ++records_;
    } catch (const MergeSourceError& error) {
        fault = error.Message();
        records_ = -1;
    }
    FieldsGrid->clear();
    FieldsGrid->setColumnCount(int(names.size()));
    FieldsGrid->setHorizontalHeaderLabels(names);
    FieldsGrid->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < rows[row].size(); ++column)
            FieldsGrid->setItem(row, column, new QTableWidgetItem(rows[row][column]));
    if (!fault.isEmpty())
        ShowInformation(fault);
}

void TMergeSourceDialog::ChooseButtonClick() {
    QFileDialog files(this, tr("Choose Merge Source"));
    files.setObjectName(QStringLiteral("MergeFileDialog"));
    files.setFileMode(QFileDialog::ExistingFile);
    files.setNameFilters(MergeSourceRegistry::FileFilters());
    const MergeSourceAddress shown = MergeSourceAddress::Parse(fileName_);
    if (!shown.IsDatabase() && !shown.fileName.isEmpty())
        files.selectFile(shown.fileName);
    if (Prompter::Current().RunDialog(files) != QDialog::Accepted ||
        files.selectedFiles().isEmpty())
        return;
    ShowSource(files.selectedFiles().constFirst());
}

void TMergeSourceDialog::NoMergeButtonClick() {
    fileName_.clear();
    SheetLabel->hide();
    SheetBox->hide();
    FieldsGrid->clear();
    FieldsGrid->setRowCount(0);
    FieldsGrid->setColumnCount(0);
    FileLabel->setText(tr("No merge source: every label prints alike."));
    records_ = 0;
    range_ = {};
    ShowRange();
}

void TMergeSourceDialog::OkButtonClick() {
    if (!fileName_.isEmpty()) {
        try {
            MergeSourceAddress::Parse(fileName_).Open(passwords_)->Validate();
        } catch (const MergeSourceError& error) {
            ShowInformation(error.Message());
            return;
        }
    }
    accept();
}
