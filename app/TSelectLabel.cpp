#include "app/TSelectLabel.h"

#include "app/LabelTableModel.h"
#include "storage/DataTable.h"
#include "ui/FixedDialog.h"
#include "ui/Prompter.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int HelpTopic = 1023;
}

TSelectLabel::TSelectLabel(DataTable& table, QWidget* parent) : QDialog(parent), table_(table) {
    setObjectName(QStringLiteral("SelectLabel"));
    setWindowTitle(tr("Select Label"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint);
    model_ = new LabelTableModel(table, this);

    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("LabelGrid"));
    Grid->setAccessibleName(tr("Stored labels"));
    Grid->setModel(model_);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->verticalHeader()->setDefaultSectionSize(Grid->fontMetrics().height() + 4);
    const int charWidth = Grid->fontMetrics().averageCharWidth();
    int gridWidth = Grid->verticalHeader()->sizeHint().width() + 24;
    for (int column = 0; column < model_->columnCount(); ++column) {
        const int width = qMax(LabelTableModel::ColumnChars(column) * charWidth + 8,
                               Grid->horizontalHeader()->sectionSizeHint(column));
        Grid->setColumnWidth(column, width);
        gridWidth += width;
    }
    Grid->setMinimumSize(gridWidth, 220);
    Grid->setWhatsThis(tr("Your stored labels by description. Choose one and press OK."));

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(tr("Cancel"), this);
    HelpButton = new QPushButton(tr("Help"), this);
    MouseHelpButton = FixedDialog::NewMouseHelpButton(this);
    OkButton->setWhatsThis(tr("Shows the chosen label on the design panel."));
    CancelButton->setWhatsThis(tr("Keeps the label shown now."));
    HelpButton->setWhatsThis(tr("Opens the help on choosing a label."));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, [] { ShowHelpTopic(HelpTopic); });
    connect(Grid, &QTableView::doubleClicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    buttons->addWidget(HelpButton);
    buttons->addWidget(MouseHelpButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Grid);
    layout->addLayout(buttons);

    const int row = model_->RowOf(table_.RecNo());
    if (row >= 0)
        Grid->selectRow(row);
    connect(Grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { GridRowChanged(); });
}

void TSelectLabel::GridRowChanged() {
    const quint32 record = model_->RecordAt(Grid->currentIndex().row());
    if (record > 0)
        table_.Go(record);
}
