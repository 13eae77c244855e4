#include "templates/TSelectTemplate.h"

#include "document/PaperSizes.h"
#include "storage/TemplateTable.h"
#include "templates/SheetPreview.h"
#include "templates/TTemplateEdit.h"
#include "templates/TemplateImport.h"
#include "templates/TemplateSearch.h"
#include "templates/TemplateTableModel.h"
#include "ui/CommandBoundary.h"
#include "ui/Prompter.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

#include <algorithm>

namespace {
constexpr int GridRows = 20;    // rows visible without scrolling
constexpr int DetailLines = 11; // lines of the selected sheet's details under its drawing

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
    setWindowTitle(tr("Select Label Template"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint);
    BuildGrid();
    BuildButtons();
    BuildSearch();

    auto* layout = new QVBoxLayout(this);
    auto* search = new QHBoxLayout;
    auto* searchLabel = new QLabel(tr("&Search:"), this);
    searchLabel->setBuddy(SearchBox);
    auto* paperLabel = new QLabel(tr("&Paper:"), this);
    paperLabel->setBuddy(PaperFilter);
    auto* shapeLabel = new QLabel(tr("S&hape:"), this);
    shapeLabel->setBuddy(ShapeFilter);
    search->addWidget(searchLabel);
    search->addWidget(SearchBox, 1);
    search->addWidget(paperLabel);
    search->addWidget(PaperFilter);
    search->addWidget(shapeLabel);
    search->addWidget(ShapeFilter);
    layout->addLayout(search);
    auto* middle = new QHBoxLayout;
    middle->addWidget(LabelGrid, 0, Qt::AlignTop);
    middle->addWidget(BuildPreview(), 0, Qt::AlignTop);
    layout->addLayout(middle);
    auto* buttons = new QHBoxLayout;
    for (QWidget* button :
         std::initializer_list<QWidget*>{OkButton, NewButton, EditButton, DeleteButton,
                                         ImportButton, HelpButton, MouseHelpButton})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Typing goes to the search box first; the keyboard reaches everything from there.
    setTabOrder(SearchBox, PaperFilter);
    setTabOrder(PaperFilter, ShapeFilter);
    setTabOrder(ShapeFilter, LabelGrid);
    setTabOrder(LabelGrid, OkButton);
    SearchBox->setFocus();

    SelectRow(Model->RowOf(LabelDefTable.RecNo()));
}

TSelectTemplate::~TSelectTemplate() = default;

void TSelectTemplate::BuildGrid() {
    Model = new TemplateTableModel(LabelDefTable, this);
    LabelGrid = new QTableView(this);
    LabelGrid->setObjectName(QStringLiteral("LabelGrid"));
    LabelGrid->setAccessibleName(tr("Label templates"));
    LabelGrid->setModel(Model);
    LabelGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LabelGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    LabelGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the grid for the next control: moving from cell to cell of a read-only
    // list of a thousand rows would keep the keyboard from ever reaching the buttons.
    LabelGrid->setTabKeyNavigation(false);
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
    LabelGrid->setWhatsThis(
        tr("The label templates: the size and layout of each sheet of labels. Choose the one "
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
    OkButton =
        button("OkButton", QStringLiteral("OK"), tr("Use the selected template for your label."));
    NewButton = button("NewButton", tr("New"),
                       tr("Create a template of your own, starting as a copy of the "
                          "selected one."));
    EditButton = button("EditButton", tr("Edit"),
                        tr("Change the selected template (your own templates only)."));
    DeleteButton = button("DeleteButton", tr("Delete"),
                          tr("Delete the selected template (your own templates only)."));
    HelpButton = button("HelpButton", tr("Help"), tr("Open the help."));
    ImportButton = button("ImportButton", tr("&Import Templates\u2026"),
                          tr("Add the templates of a gLabels template file "
                             "(*-templates.xml) or of LibreOffice's labels.xml as "
                             "templates of your own."));
    CancelButton = button("CancelButton", tr("Cancel"), tr("Close without choosing a template."));
    OkButton->setDefault(true);
    OkButton->setAutoDefault(true);
    MouseHelpButton = new QToolButton(this);
    MouseHelpButton->setObjectName(QStringLiteral("MouseHelpButton"));
    MouseHelpButton->setText(QStringLiteral("?"));
    MouseHelpButton->setToolTip(tr("What's this?"));
    connect(MouseHelpButton, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });

    OnClick(OkButton, this, [this] { OkButtonClick(); });
    OnClick(NewButton, this, [this] { NewLabelClick(); });
    OnClick(EditButton, this, [this] { EditLabelClick(); });
    OnClick(DeleteButton, this, [this] { DeleteLabelClick(); });
    OnClick(HelpButton, this, [this] { HelpButtonClick(); });
    OnClick(ImportButton, this, [this] { ImportTemplatesClick(); });
    OnClick(CancelButton, this, [this] { CancelButtonClick(); });
}

void TSelectTemplate::BuildSearch() {
    SearchBox = new QLineEdit(this);
    SearchBox->setObjectName(QStringLiteral("SearchBox"));
    SearchBox->setClearButtonEnabled(true);
    SearchBox->setPlaceholderText(tr("Brand, part number, word or size (2 x 4, 50 x 25 mm)"));
    SearchBox->setMinimumWidth(SearchBox->fontMetrics().averageCharWidth() * 44);
    SearchBox->setWhatsThis(
        tr("Type a maker, a part number (5160, L7163), any word of a template's name (shipping, "
           "round) or a label size such as 2 x 4, 2-5/8 x 1 or 50 x 25 mm, either way round. "
           "The list narrows as you type; Enter takes the selected template, the arrow keys "
           "move through the list."));
    SearchBox->installEventFilter(this);
    connect(SearchBox, &QLineEdit::textChanged, this,
            [this] { RunCommand([this] { SearchChanged(); }); });

    PaperFilter = new QComboBox(this);
    PaperFilter->setObjectName(QStringLiteral("PaperFilter"));
    PaperFilter->addItems(
        {tr("All papers"), tr("Letter"), QStringLiteral("A4"), tr("Other sheets"), tr("Roll")});
    PaperFilter->setWhatsThis(tr("Show only the sheets of one paper, or the rolls "
                                 "of label printers."));
    ShapeFilter = new QComboBox(this);
    ShapeFilter->setObjectName(QStringLiteral("ShapeFilter"));
    ShapeFilter->addItems(
        {tr("All shapes"), tr("Rectangular"), tr("Rounded corners"), tr("Round or oval")});
    ShapeFilter->setWhatsThis(tr("Show only the labels of one shape."));
    for (QComboBox* filter : {PaperFilter, ShapeFilter})
        connect(filter, &QComboBox::currentIndexChanged, this,
                [this] { RunCommand([this] { SearchChanged(); }); });
}

QWidget* TSelectTemplate::BuildPreview() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    Preview = new SheetPreview(box);
    Preview->setFixedSize(230, 300);
    DetailsLabel = new QLabel(box);
    DetailsLabel->setObjectName(QStringLiteral("DetailsLabel"));
    DetailsLabel->setWordWrap(true);
    DetailsLabel->setFixedWidth(230);
    DetailsLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A height of its own, so that the dialog keeps its size (and its place over the main
    // window) whatever the selected sheet's details are.
    DetailsLabel->setFixedHeight(DetailsLabel->fontMetrics().lineSpacing() * DetailLines);
    DetailsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(Preview);
    column->addWidget(DetailsLabel, 1);
    return box;
}

void TSelectTemplate::SetRecent(const QStringList& names) {
    const quint32 record = Model->RecordAt(SelectedRow());
    Model->SetRecent(names);
    ShowRecord(record, 0);
}

void TSelectTemplate::SearchChanged() {
    const quint32 record = Model->RecordAt(SelectedRow());
    Model->SetSearch(TemplateSearch(SearchBox->text(),
                                    TemplateSearch::Paper(PaperFilter->currentIndex()),
                                    TemplateSearch::Shape(ShapeFilter->currentIndex())));
    // The selected template stays selected while it is listed; else the first listed one.
    const int row = Model->RowOf(record);
    if (Model->rowCount() == 0) {
        LabelGrid->setCurrentIndex({});
        GridRowChanged();
        return;
    }
    SelectRow(row >= 0 ? row : 0);
}

void TSelectTemplate::ShowDetails() {
    const LabelTemplate* t = Model->TemplateAt(SelectedRow());
    if (!t) {
        Preview->Clear();
        DetailsLabel->setText(Model->rowCount() == 0 && Model->TemplateCount() > 0
                                  ? tr("No template matches.")
                                  : QString());
        return;
    }
    const SheetGeometry& g = t->geometry;
    Preview->SetGeometry(g);
    // Sizes as the locale writes numbers ("2,625 x 1 in" in German).
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto mm = [&](float inches) { return locale.toString(inches * 25.4, 'f', 1); };
    const auto in = [&](float inches) { return locale.toString(double(inches), 'g', 4); };
    QStringList lines;
    lines << QStringLiteral("<b>%1</b>").arg(t->name.toHtmlEscaped());
    lines << tr("%1 x %2 in (%3 x %4 mm), %5 on a sheet")
                 .arg(in(g.labelWidth), in(g.labelHeight), mm(g.labelWidth), mm(g.labelHeight))
                 .arg(g.labelsAcross * g.labelsDown);
    lines << tr("Paper: %1").arg(PaperSizes::ShownName(g, locale).toHtmlEscaped());
    if (!t->category.isEmpty())
        lines << tr("Kind: %1").arg(t->category.toHtmlEscaped());
    if (!t->equivalents.isEmpty())
        lines << tr("Same sheet: %1").arg(t->equivalents.toHtmlEscaped());
    if (t->userDefined)
        lines << tr("A template of your own");
    DetailsLabel->setText(lines.join(QStringLiteral("<br>")));
}

void TSelectTemplate::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    RunCommand([this] { FormActivate(); });
    SearchBox->setFocus();
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
    ShowDetails();
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
    t.name = tr("Copy of ") + t.name;
    if (!EditTemplate(this, tr("Create Label Template"), t))
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
        ShowInformation(tr("You may only edit User Defined Templates"));
        return;
    }
    if (!EditTemplate(this, tr("Edit Label Template"), t))
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
        ShowInformation(tr("You may only delete User Defined Templates"));
        return;
    }
    if (!AskYesNo(tr("Delete this Label Template?"), tr("Delete")))
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
    // The arrow and page keys in the search box move through the list, so that a person can
    // type, look and pick without leaving the box.
    if (watched == SearchBox && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            const int step = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ? 1 : 10;
            const int direction = key->key() == Qt::Key_Up || key->key() == Qt::Key_PageUp ? -1 : 1;
            const int row =
                std::clamp(SelectedRow() + direction * step, 0, std::max(0, Model->rowCount() - 1));
            RunCommand([this, row] { SelectRow(row); });
            return true;
        }
        default:
            break;
        }
    }
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

void TSelectTemplate::ImportTemplatesClick() {
    QFileDialog files(this, tr("Import Templates"));
    files.setObjectName(QStringLiteral("ImportTemplatesFile"));
    files.setFileMode(QFileDialog::ExistingFile);
    files.setNameFilters(
        {tr("Template files (*-templates.xml labels.xml *.xml)"), tr("All files (*)")});
    if (Prompter::Current().RunDialog(files) != QDialog::Accepted ||
        files.selectedFiles().isEmpty())
        return;
    ImportFile(files.selectedFiles().constFirst());
}

void TSelectTemplate::ImportFile(const QString& path) {
    const quint32 before = LabelDefTable.RecNo();
    const TemplateImport::Outcome outcome = TemplateImport::ImportFile(path, LabelDefTable);
    // The list shows everything again, the first imported template selected.
    SearchBox->blockSignals(true);
    SearchBox->clear();
    SearchBox->blockSignals(false);
    Model->SetSearch(TemplateSearch(QString(), TemplateSearch::Paper(PaperFilter->currentIndex()),
                                    TemplateSearch::Shape(ShapeFilter->currentIndex())));
    quint32 select = before;
    if (!outcome.imported.isEmpty() && LabelDefTable.Seek(outcome.imported.first()))
        select = LabelDefTable.RecNo();
    ShowRecord(select, SelectedRow());
    ShowInformation(outcome.Summary(path));
}
