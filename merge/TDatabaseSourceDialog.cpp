#include "merge/TDatabaseSourceDialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "merge/DatabaseMergeSource.h"
#include "merge/MergeSourceError.h"
#include "ui/Prompter.h"

namespace {

using Kind = DatabaseConnection::Kind;

constexpr Kind kKinds[] = {Kind::PostgreSQL, Kind::MySQL, Kind::SQLite, Kind::ODBC};

QPushButton* NewButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

TDatabaseSourceDialog::TDatabaseSourceDialog(const MergeSourceAddress& address,
                                             DatabasePasswords* passwords, QWidget* parent)
    : QDialog(parent), passwords_(passwords) {
    setObjectName(QStringLiteral("DatabaseSourceDialog"));
    setWindowTitle(tr("Database"));
    resize(560, 560);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    KindBox = new QComboBox;
    KindBox->setObjectName(QStringLiteral("KindBox"));
    for (Kind kind : kKinds)
        KindBox->addItem(kind == Kind::MySQL ? tr("MySQL or MariaDB")
                                             : DatabaseConnection::KindName(kind),
                         int(kind));
    form->addRow(tr("&Kind:"), KindBox);
    HostEdit = new QLineEdit;
    HostEdit->setObjectName(QStringLiteral("HostEdit"));
    HostEdit->setPlaceholderText(QStringLiteral("localhost"));
    form->addRow(tr("&Host:"), HostEdit);
    PortBox = new QSpinBox;
    PortBox->setObjectName(QStringLiteral("PortBox"));
    PortBox->setRange(0, 65535);
    PortBox->setSpecialValueText(tr("the driver's"));
    form->addRow(tr("&Port:"), PortBox);
    auto* databaseRow = new QHBoxLayout;
    DatabaseEdit = new QLineEdit;
    DatabaseEdit->setObjectName(QStringLiteral("DatabaseEdit"));
    databaseRow->addWidget(DatabaseEdit, 1);
    BrowseButton = NewButton("BrowseButton", tr("&Browse…"));
    databaseRow->addWidget(BrowseButton);
    auto* databaseLabel = new QLabel(tr("&Database:"));
    databaseLabel->setBuddy(DatabaseEdit);
    form->addRow(databaseLabel, databaseRow);
    UserEdit = new QLineEdit;
    UserEdit->setObjectName(QStringLiteral("UserEdit"));
    form->addRow(tr("&User:"), UserEdit);
    layout->addLayout(form);
    auto* connectRow = new QHBoxLayout;
    auto* note = new QLabel(tr("The password is asked for when the database wants "
                               "one, and never stored."));
    note->setWordWrap(true);
    connectRow->addWidget(note, 1);
    ConnectButton = NewButton("ConnectButton", tr("&Connect"));
    connectRow->addWidget(ConnectButton);
    layout->addLayout(connectRow);

    auto* tableRow = new QHBoxLayout;
    TableButton = new QRadioButton(tr("&Table:"));
    TableButton->setObjectName(QStringLiteral("TableButton"));
    tableRow->addWidget(TableButton);
    TableBox = new QComboBox;
    TableBox->setObjectName(QStringLiteral("TableBox"));
    TableBox->setAccessibleName(tr("Table"));
    TableBox->setEditable(true);
    tableRow->addWidget(TableBox, 1);
    layout->addLayout(tableRow);
    QueryButton = new QRadioButton(tr("&Query (one SELECT statement):"));
    QueryButton->setObjectName(QStringLiteral("QueryButton"));
    layout->addWidget(QueryButton);
    QueryEdit = new QPlainTextEdit;
    QueryEdit->setObjectName(QStringLiteral("QueryEdit"));
    QueryEdit->setAccessibleName(tr("Query"));
    QueryEdit->setMaximumHeight(90);
    layout->addWidget(QueryEdit);

    auto* testRow = new QHBoxLayout;
    TestButton = NewButton("TestButton", tr("T&est"));
    testRow->addWidget(TestButton);
    ResultLabel = new QLabel;
    ResultLabel->setObjectName(QStringLiteral("ResultLabel"));
    ResultLabel->setWordWrap(true);
    testRow->addWidget(ResultLabel, 1);
    layout->addLayout(testRow);
    ResultGrid = new QTableWidget(0, 0);
    ResultGrid->setObjectName(QStringLiteral("ResultGrid"));
    ResultGrid->setAccessibleName(tr("First records"));
    ResultGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ResultGrid->verticalHeader()->setDefaultSectionSize(18);
    layout->addWidget(ResultGrid, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OkButton = NewButton("OkButton", QStringLiteral("OK"));
    OkButton->setDefault(true);
    buttons->addWidget(OkButton);
    CancelButton = NewButton("CancelButton", tr("Cancel"));
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);

    if (address.IsDatabase()) {
        const DatabaseConnection& c = address.database;
        KindBox->setCurrentIndex(KindBox->findData(int(c.kind)));
        HostEdit->setText(c.host);
        PortBox->setValue(c.port);
        DatabaseEdit->setText(c.database);
        UserEdit->setText(c.user);
        TableBox->setCurrentText(address.table);
        QueryEdit->setPlainText(address.query);
    }
    (address.IsDatabase() && address.table.isEmpty() ? QueryButton : TableButton)->setChecked(true);
    KindChanged();
    connect(KindBox, &QComboBox::currentIndexChanged, this, &TDatabaseSourceDialog::KindChanged);
    connect(BrowseButton, &QPushButton::clicked, this, &TDatabaseSourceDialog::BrowseButtonClick);
    connect(ConnectButton, &QPushButton::clicked, this, &TDatabaseSourceDialog::ConnectButtonClick);
    connect(TestButton, &QPushButton::clicked, this, &TDatabaseSourceDialog::TestButtonClick);
    connect(OkButton, &QPushButton::clicked, this, &TDatabaseSourceDialog::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(TableBox, &QComboBox::activated, this, [this] { TableButton->setChecked(true); });
    connect(QueryEdit, &QPlainTextEdit::textChanged, this, [this] {
        if (QueryEdit->hasFocus())
            QueryButton->setChecked(true);
    });
}

TDatabaseSourceDialog::~TDatabaseSourceDialog() = default;

// An SQLite database is a file: no host, port or user.
void TDatabaseSourceDialog::KindChanged() {
    const bool file = Kind(KindBox->currentData().toInt()) == Kind::SQLite;
    const bool dsn = Kind(KindBox->currentData().toInt()) == Kind::ODBC;
    HostEdit->setEnabled(!file && !dsn);
    PortBox->setEnabled(!file && !dsn);
    UserEdit->setEnabled(!file);
    BrowseButton->setVisible(file);
    DatabaseEdit->setPlaceholderText(file  ? tr("the database file")
                                     : dsn ? tr("the data source's name")
                                           : tr("the database's name"));
}

MergeSourceAddress TDatabaseSourceDialog::Address() const {
    MergeSourceAddress address;
    DatabaseConnection& c = address.database;
    c.kind = Kind(KindBox->currentData().toInt());
    c.database = DatabaseEdit->text().trimmed();
    if (c.kind != Kind::SQLite)
        c.user = UserEdit->text().trimmed();
    if (c.kind != Kind::SQLite && c.kind != Kind::ODBC) {
        c.host = HostEdit->text().trimmed();
        c.port = PortBox->value();
    }
    if (TableButton->isChecked())
        address.table = TableBox->currentText().trimmed();
    else
        address.query = QueryEdit->toPlainText().trimmed();
    return address;
}

bool TDatabaseSourceDialog::ConnectButtonClick() {
    MergeSourceAddress address = Address();
    try {
        // Any table will do to connect; the list comes from the connection.
        address.table.clear();
        address.query = QStringLiteral("SELECT 1");
        const DatabaseMergeSource source(address.database, {}, address.query, passwords_);
        const QString current = TableBox->currentText();
        TableBox->clear();
        TableBox->addItems(source.Tables());
        TableBox->setCurrentText(current.isEmpty() && TableBox->count() > 0 ? TableBox->itemText(0)
                                                                            : current);
    } catch (const MergeSourceError& error) {
        ShowInformation(error.Message());
        return false;
    }
    return true;
}

bool TDatabaseSourceDialog::TestButtonClick() {
    ResultGrid->clear();
    ResultGrid->setRowCount(0);
    ResultGrid->setColumnCount(0);
    ResultLabel->clear();
    try {
        const std::unique_ptr<MergeSource> source = Address().Open(passwords_);
        const long long records = source->Validate();
        ResultGrid->setColumnCount(int(source->FieldNames().size()));
        ResultGrid->setHorizontalHeaderLabels(source->FieldNames());
        for (int row = 0; row < ShownRecords && source->Next(); ++row) {
            ResultGrid->insertRow(row);
            for (int column = 0; column < source->Values().size(); ++column)
                ResultGrid->setItem(row, column, new QTableWidgetItem(source->Values()[column]));
        }
        ResultLabel->setText(records == 1 ? tr("1 record") : tr("%1 records").arg(records));
    } catch (const MergeSourceError& error) {
        ResultLabel->setText(error.Message());
        return false;
    }
    return true;
}

void TDatabaseSourceDialog::BrowseButtonClick() {
    QFileDialog files(this, tr("Choose SQLite Database"));
    files.setObjectName(QStringLiteral("DatabaseFileDialog"));
    files.setFileMode(QFileDialog::ExistingFile);
    files.setNameFilters(
        {tr("SQLite databases (*.db *.sqlite *.sqlite3 *.db3)"), tr("All files (*)")});
    if (Prompter::Current().RunDialog(files) == QDialog::Accepted &&
        !files.selectedFiles().isEmpty())
        DatabaseEdit->setText(files.selectedFiles().constFirst());
}

void TDatabaseSourceDialog::OkButtonClick() {
    try {
        Address().Open(passwords_);
    } catch (const MergeSourceError& error) {
        ShowInformation(error.Message());
        return;
    }
    accept();
}
