#include "templates/TSelectTemplate.h"

#include "storage/TemplateTable.h"
#include "templates/TTemplateEdit.h"
#include "templates/TemplateTableModel.h"
#include "ui/CommandBoundary.h"
#include "ui/Prompter.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace {
constexpr int GridRows = 12; // rows visible without scrolling

// Connects a button to a handler that runs inside the command boundary: an engine failure
// ends the handler with the error box, never the dialog.
void OnClick(QPushButton* button, QObject* context, std::function<void()> handler) {
    QObject::connect(button, &QPushButton::clicked, context,
                     [handler = std::move(handler)] { RunCommand(handler); });
}

// Runs the template editor over `t` with `caption`; on Save `t` holds what was entered.
bool EditTemplate(QWidget* parent, const QString& caption, LabelTemplate& t) {
    TTemplateEdit editor(parent);
    editor.setWindowTitle(caption);
    editor.SetDescription(t.name);
    editor.SetGeometry(t.geometry);
    if (Prompter::Current().RunDialog(editor) != QDialog::Accepted)
        return false;
    t.name = editor.Description();
    t.geometry = editor.Geometry();
    return true;
}

// Writes `t` into the row being appended or edited and posts it.
void WriteAndPost(TemplateTable& table, const LabelTemplate& t) {
    table.PostOrCancel([&] { table.Write(t); });
}
} // namespace

TSelectTemplate::TSelectTemplate(TemplateTable& table, QWidget* parent)
    : QDialog(parent), LabelDefTable(table) {
    setObjectName(QStringLiteral("SelectTemplate"));
    setWindowTitle(QStringLiteral("Select Label Template"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint);
    BuildGrid();
    BuildButtons();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelGrid);
    auto* buttons = new QHBoxLayout;
    for (QWidget* button : std::initializer_list<QWidget*>{
             OkButton, NewButton, EditButton, DeleteButton, HelpButton, MouseHelpButton})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SelectRow(Model->RowOf(LabelDefTable.RecNo()));
}

TSelectTemplate::~TSelectTemplate() = default;

void TSelectTemplate::BuildGrid() {
    Model = new TemplateTableModel(LabelDefTable, this);
    LabelGrid = new QTableView(this);
    LabelGrid->setObjectName(QStringLiteral("LabelGrid"));
    LabelGrid->setModel(Model);
    LabelGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LabelGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    LabelGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    LabelGrid->setTabKeyNavigation(true);
    LabelGrid->setShowGrid(true);
    LabelGrid->setWordWrap(false);
    LabelGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    LabelGrid->horizontalHeader()->setHighlightSections(false);
    LabelGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The row indicator: a narrow blank header that marks the selected row.
    QHeaderView* indicator = LabelGrid->verticalHeader();
    indicator->setSectionResizeMode(QHeaderView::Fixed);
    indicator->setDefaultSectionSize(LabelGrid->fontMetrics().height() + 4);
    indicator->setFixedWidth(14);
    indicator->setDefaultAlignment(Qt::AlignCenter);
    indicator->setHighlightSections(true);

    const int charWidth = LabelGrid->fontMetrics().averageCharWidth();
    int width = indicator->width() + LabelGrid->frameWidth() * 2 + 20; // room for the scroll bar
    for (int column = 0; column < Model->columnCount(); ++column) {
        const int columnWidth = qMax(TemplateTableModel::ColumnChars(column) * charWidth + 8,
                                     LabelGrid->horizontalHeader()->sectionSizeHint(column));
        LabelGrid->setColumnWidth(column, columnWidth);
        width += columnWidth;
    }
    const int height = LabelGrid->horizontalHeader()->sizeHint().height() +
                       GridRows * indicator->defaultSectionSize() + LabelGrid->frameWidth() * 2;
    LabelGrid->setFixedSize(width, height);
    LabelGrid->setWhatsThis(QStringLiteral(
        "The label templates: the size and layout of each sheet of labels. Choose the one "
        "that matches your labels and press OK."));
    LabelGrid->installEventFilter(this);
    connect(LabelGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { RunCommand([this] { GridRowChanged(); }); });
    connect(LabelGrid, &QTableView::doubleClicked, this, [this] { OkButtonClick(); });
}

void TSelectTemplate::BuildButtons() {
    auto button = [this](const char* name, const QString& caption, const QString& help) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setWhatsThis(help);
        return b;
    };
    OkButton = button("OkButton", QStringLiteral("OK"),
                      QStringLiteral("Use the selected template for your label."));
    NewButton = button("NewButton", QStringLiteral("New"),
                       QStringLiteral("Create a template of your own, starting as a copy of the "
                                      "selected one."));
    EditButton = button("EditButton", QStringLiteral("Edit"),
                        QStringLiteral("Change the selected template (your own templates only)."));
    DeleteButton =
        button("DeleteButton", QStringLiteral("Delete"),
               QStringLiteral("Delete the selected template (your own templates only)."));
    HelpButton = button("HelpButton", QStringLiteral("Help"), QStringLiteral("Open the help."));
    CancelButton = button("CancelButton", QStringLiteral("Cancel"),
                          QStringLiteral("Close without choosing a template."));
    OkButton->setDefault(true);
    OkButton->setAutoDefault(true);
    MouseHelpButton = new QToolButton(this);
    MouseHelpButton->setObjectName(QStringLiteral("MouseHelpButton"));
    MouseHelpButton->setText(QStringLiteral("?"));
    MouseHelpButton->setToolTip(QStringLiteral("What's this?"));
    connect(MouseHelpButton, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });

    OnClick(OkButton, this, [this] { OkButtonClick(); });
    OnClick(NewButton, this, [this] { NewLabelClick(); });
    OnClick(EditButton, this, [this] { EditLabelClick(); });
    OnClick(DeleteButton, this, [this] { DeleteLabelClick(); });
    OnClick(HelpButton, this, [this] { HelpButtonClick(); });
    OnClick(CancelButton, this, [this] { CancelButtonClick(); });
}

void TSelectTemplate::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    RunCommand([this] { FormActivate(); });
}

int TSelectTemplate::SelectedRow() const {
    const QModelIndex current = LabelGrid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TSelectTemplate::SelectRow(int row) {
    if (row < 0 || row >= Model->rowCount())
        return;
    const int column = qMax(0, LabelGrid->currentIndex().column());
    LabelGrid->setCurrentIndex(Model->index(row, column));
    LabelGrid->selectRow(row);
    LabelGrid->scrollTo(Model->index(row, column));
    GridRowChanged();
}

void TSelectTemplate::GridRowChanged() {
    Model->SetIndicatorRow(SelectedRow());
    const quint32 record = Model->RecordAt(SelectedRow());
    if (record > 0 && record != LabelDefTable.RecNo())
        LabelDefTable.Go(record);
}

void TSelectTemplate::FormActivate() {
    if (!firstActivation_)
        return;
    firstActivation_ = false;
    // The first row whose name is exactly the one asked for (case and every character
    // count); without one the last row stays selected.
    int row = 0;
    while (row < Model->rowCount() - 1 && Model->index(row, 0).data().toString() != preselect_)
        ++row;
    SelectRow(row);
}

void TSelectTemplate::ShowRecord(quint32 record, int fallbackRow) {
    Model->Reload();
    const int row = Model->RowOf(record);
    SelectRow(row >= 0 ? row : qMin(fallbackRow, Model->rowCount() - 1));
}

void TSelectTemplate::NewLabelClick() {
    LabelTemplate t = LabelDefTable.Current();
    t.name = QStringLiteral("Copy of ") + t.name;
    if (!EditTemplate(this, QStringLiteral("Create Label Template"), t))
        return;
    t.userDefined = true;
    LabelDefTable.Append();
    WriteAndPost(LabelDefTable, t);
    ShowRecord(LabelDefTable.RecNo(), SelectedRow());
}

void TSelectTemplate::EditLabelClick() {
    if (SelectedRow() < 0)
        return;
    LabelTemplate t = LabelDefTable.Current();
    if (!t.userDefined) {
        ShowInformation(QStringLiteral("You may only edit User Defined Templates"));
        return;
    }
    if (!EditTemplate(this, QStringLiteral("Edit Label Template"), t))
        return;
    const quint32 record = LabelDefTable.RecNo();
    LabelDefTable.Edit();
    WriteAndPost(LabelDefTable, t);
    ShowRecord(record, SelectedRow());
}

void TSelectTemplate::DeleteLabelClick() {
    if (SelectedRow() < 0)
        return;
    if (!LabelDefTable.Current().userDefined) {
        ShowInformation(QStringLiteral("You may only delete User Defined Templates"));
        return;
    }
    if (!AskYesNo(QStringLiteral("Delete this Label Template?"), QStringLiteral("Delete")))
        return;
    const int row = SelectedRow();
    LabelDefTable.Delete();
    ShowRecord(0, row);
}

bool TSelectTemplate::LabelGridKeyDown(QKeyEvent* event) {
    // Rows change only through the buttons: Insert would append a row and Ctrl+Delete
    // delete one in a data grid.
    if (event->key() == Qt::Key_Insert)
        return true;
    return event->key() == Qt::Key_Delete && event->modifiers().testFlag(Qt::ControlModifier);
}

bool TSelectTemplate::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LabelGrid && event->type() == QEvent::KeyPress)
        return LabelGridKeyDown(static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

void TSelectTemplate::OkButtonClick() {
    // Without a row there is nothing to apply.
    if (SelectedRow() >= 0)
        accept();
}

void TSelectTemplate::CancelButtonClick() {
    reject();
}

void TSelectTemplate::HelpButtonClick() {
    ShowHelpTopic(HelpTopic);
}
