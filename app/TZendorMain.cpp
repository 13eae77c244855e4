#include "app/TZendorMain.h"

#include "app/RecordPreview.h"

#include <QAction>
#include <QActionGroup>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "app/CrashRecovery.h"
#include "app/DescriptionValidator.h"
#include "app/DesignUndo.h"
#include "app/DesignUndoStep.h"
#include "app/JournaledLabel.h"
#include "app/LabelFileCommands.h"
#include "app/LabelRecords.h"
#include "app/Preferences.h"
#include "app/RecoveryJournal.h"
#include "app/ScreenLabel.h"
#include "app/TSplashForm.h"
#include "app/UnsavedChanges.h"
#include "app/WindowPlacement.h"
#include "controls/TCanvasPanel.h"
#include "designer/DesignRuler.h"
#include "designer/DesignZoom.h"
#include "designer/DesignerPrompter.h"
#include "designer/ItemArrangement.h"
#include "designer/ItemClipboard.h"
#include "designer/ItemMenus.h"
#include "designer/ItemPlacer.h"
#include "designer/ItemSelection.h"
#include "designer/PropertyBar.h"
#include "designer/RecordBar.h"
#include "designer/SelectionProperties.h"
#include "designer/SelectionToolRow.h"
#include "designer/TStretchHandle.h"
#include "document/Units.h"
#include "merge/MergeCommands.h"
#include "printing/PrintJobs.h"
#include "printing/PrinterAlignmentSettings.h"
#include "templates/TemplateLoader.h"
#include "ui/CommandBoundary.h"
#include "ui/Prompter.h"

#include <QCloseEvent>
#include <QTimer>

#include <type_traits>
#include <utility>

namespace {
constexpr int Panel1Height = 49;
constexpr int ToolsPanelHeight = 31;

QAction* AddCommand(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// Connects a signal to a command that runs inside the command boundary. A command of the
// main window's menus or buttons hands the keys back to the design panel; typing in the
// description keeps them there.
template <typename Sender, typename Signal>
void command(Sender* sender, Signal signal, QObject* context, std::function<void()> body) {
    QObject::connect(sender, signal, context, [context, body = std::move(body)] {
        RunCommand(body);
        if constexpr (!std::is_base_of_v<QLineEdit, Sender>)
            if (auto* window = qobject_cast<TZendorMain*>(context))
                window->KeysToDesign();
    });
}

QPushButton* AddTextButton(QWidget* parent, const char* name, const QString& caption, int left) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 12, 75, 25);
    return button;
}
} // namespace

TZendorMain::TZendorMain(const QString& dataDirectory, QWidget* parent)
    : QMainWindow(parent), dataDirectory_(dataDirectory),
      preferences_(std::make_unique<Preferences>(dataDirectory)) {
    preferences_->RemoveAbandonedLock();
    triggerChange_ = [this] {
        if (records_->TriggerChange() && undo_)
            undo_->Changed();
    };
    setObjectName(QStringLiteral("ZendorMain"));
    setWindowTitle(QStringLiteral("Quorvane"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    CreateMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);
    CreatePanel1();
    CreateToolsPanel();
    CreateScrollBox();
    layout->addWidget(Panel1);
    layout->addWidget(ToolsPanel);
    MergeRecordBar = new RecordBar(central);
    layout->addWidget(MergeRecordBar);
    layout->addWidget(CreateDesignArea(), 1);

    model_ = std::make_unique<LabelModel>();
    model_->AddView(this);
    items_ =
        std::make_unique<LabelItems>(LabelPanel, *model_, static_cast<ItemControlHooks*>(this));
    records_ = std::make_unique<LabelRecords>(static_cast<LabelView&>(*this), *model_);
    unsaved_ = std::make_unique<UnsavedChanges>(*records_, [this] { return Descript->text(); });
    ConnectCommands();
    WireTemplates();
    WireSelection();
    WirePlacing();
    WirePrinting();
    WireMerging();
    WireUndo();
    WireJournal();
    WireEditing();
    WireArranging();
    WireSelectionMenu();
    WireProperties();
    // Under the tool row.
    layout->insertWidget(layout->indexOf(ToolsPanel) + 1, PropertiesBar);
    WireLabelFiles();
    WireView();

    const Preferences* preferences = preferences_.get();
    DesignerPrompter::SetImageFolderStore(
        [preferences] { return preferences->ReadImageFolder(); },
        [preferences](const QString& folder) { preferences->WriteImageFolder(folder); });

    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    RestorePlace();
    records_->UpdateScreenStatus();
}

TZendorMain::~TZendorMain() {
    // Nothing the teardown does is a change of the label.
    journal_.reset();
    DesignerPrompter::SetImageFolderStore({}, {});
    DesignerPrompter::SetMergeFieldSource({});
    DetachControl();
    recordPreview_.reset();
    items_.reset();
    model_->RemoveView(properties_.get());
    model_->RemoveView(this);
    records_->CloseLabelTable();
}

void TZendorMain::ConnectCommands() {
    LabelRecords& records = *records_;
    command(SaveButton, &QPushButton::clicked, this, [&records] { records.SaveButtonClick(); });
    command(CancelButton, &QPushButton::clicked, this, [&records] { records.CancelButtonClick(); });
    command(mnuSaveLabel, &QAction::triggered, this, [&records] {
        if (records.Changed())
            records.SaveButtonClick();
    });
    UnsavedChanges& unsaved = *unsaved_;
    command(mnuSelectLabel, &QAction::triggered, this, [&records, &unsaved] {
        if (unsaved.Resolve())
            records.SelectLabel();
    });
    command(mnuNewLabel, &QAction::triggered, this, [&records, &unsaved] {
        if (unsaved.Resolve())
            records.NewLabel();
    });
    command(mnuCloneLabel, &QAction::triggered, this, [&records] { records.CloneLabel(); });
    command(mnuDeleteLabel, &QAction::triggered, this, [&records] { records.DeleteLabel(); });
    command(mnuRebuildIndexes, &QAction::triggered, this,
            [this, &records] { records.RebuildIndexes(dataDirectory_); });
    command(mnuExit, &QAction::triggered, this, [this] { close(); });
    command(ExitButton, &QPushButton::clicked, this, [this] { close(); });
    command(mnuContents, &QAction::triggered, this, [] { ShowHelpTopic(1001); });
    command(HelpButton, &QPushButton::clicked, this, [] { ShowHelpTopic(1001); });
    command(mnuAbout, &QAction::triggered, this, [this] { mnuAboutClick(); });
    // The box shows the label's description; whatever puts text into it puts it into the
    // label. Typing is a step of its own and marks the label changed.
    connect(Descript, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_->SetDescription(text); });
    command(Descript, &QLineEdit::textEdited, this, [this] {
        DesignSteps::Scope step(undo_.get(), DesignUndoStep::DescriptionStep);
        model_->SetDescription(Descript->text());
        triggerChange_();
    });
}

bool TZendorMain::FormActivate() {
    LabelRecords& records = *records_;
    if (!records.FirstActivation())
        return true;
    const int lastUse = preferences_->ReadLastUse();
    if (!records.OpenLabelTable(dataDirectory_)) {
        closing_ = true;
        close();
        return false;
    }
    // Only the copy that holds the label table gets here: a journal is that table's.
    CrashRecovery recovery(dataDirectory_);
    std::optional<JournalEntry> unsaved = recovery.Find();
    if (unsaved && !recovery.Offer(*unsaved))
        unsaved.reset();
    records.FirstActivate(unsaved && unsaved->record > 0 ? int(unsaved->record) : lastUse);
    if (unsaved)
        RestoreUnsaved(*unsaved);
    if (!startFile_.isEmpty()) {
        const QString path = std::exchange(startFile_, QString());
        RunCommand([this, &path] { labelFiles_->ImportFile(path); });
    }
    KeysToDesign();
    return true;
}

void TZendorMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!activationQueued_) {
        activationQueued_ = true;
        QTimer::singleShot(0, this, [this] { FormActivate(); });
    }
}

void TZendorMain::closeEvent(QCloseEvent* event) {
    if (closing_ || records_->FirstActivation()) {
        event->accept();
        return;
    }
    // With changes on screen the question is whether to keep them; once answered, it is not
    // asked again whether to exit.
    bool goOn = false;
    if (records_->Changed())
        RunCommand([this, &goOn] { goOn = unsaved_->Resolve(); });
    else
        goOn = AskYesNo(tr("Exit program?"), tr("Exit"));
    if (!goOn) {
        event->ignore();
        KeysToDesign();
        return;
    }
    SavePreference();
    KeepPlace();
    event->accept();
}

void TZendorMain::RestorePlace() {
    const std::optional<WindowPlace> kept = preferences_->ReadWindowPlace();
    QList<QRect> screens;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screens << primary->availableGeometry();
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens << screen->availableGeometry();
    setGeometry(
        WindowPlacement::Placed(kept ? std::optional(kept->normal) : std::nullopt, screens));
    if (kept && kept->maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TZendorMain::KeepPlace() {
    // normalGeometry is the place a maximised window goes back to.
    const QRect normal =
        isMaximized() && normalGeometry().isValid() ? normalGeometry() : geometry();
    preferences_->WriteWindowPlace({normal, isMaximized()});
}

void TZendorMain::KeysToDesign() {
    if (std::exchange(descriptionAsked_, false))
        return;
    if (!LabelPanel->isVisible())
        return;
    if (selection_ && !selection_->SelectedItems().isEmpty())
        selection_->Handle().setFocus(Qt::OtherFocusReason);
    else
        LabelPanel->setFocus(Qt::OtherFocusReason);
}

void TZendorMain::SavePreference() {
    LabelTable* table = records_->Table();
    if (table)
        preferences_->WriteLastUse(int(table->RecNo()));
}

void TZendorMain::mnuAboutClick() {
    TSplashForm splash(this);
    splash.ShowOkButton();
    Prompter::Current().RunDialog(splash);
}

QString TZendorMain::SaveItems() const {
    return model_->Design().SaveItems();
}

void TZendorMain::DesignChanged(const LabelDesign& design, const DesignChange& change) {
    // Typing changes the label first; the box then holds the text already, cursor and all.
    if (change.description && Descript->text() != design.description)
        Descript->setText(design.description);
    if (change.layout)
        FitPanel(design.geometry);
}

void TZendorMain::ItemControlCreated(QWidget* control) {
    if (selection_)
        selection_->SetupItem(control);
    Placer->AcceptDropsOn(control);
    Menus->AttachMenu(control);
}

void TZendorMain::ItemControlsRemoving() {
    DetachControl();
}

void TZendorMain::FocusDescription() {
    descriptionAsked_ = true;
    Descript->setFocus();
}

void TZendorMain::ShowSaveButtons(bool shown) {
    SaveButton->setVisible(shown);
    CancelButton->setVisible(shown);
    if (journal_)
        journal_->Follow();
}

void TZendorMain::FitPanel(const SheetGeometry& g) {
    LabelPanel->SetDesignSize(QSize(InchesToPixels(g.labelWidth), InchesToPixels(g.labelHeight)));
    if (g.labelShape == QLatin1String("RR"))
        LabelPanel->setShape(TLabelShapeType::lsRoundRect);
    else if (g.labelShape == QLatin1String("SR"))
        LabelPanel->setShape(TLabelShapeType::lsRectangle);
    else if (g.labelShape == QLatin1String("RE"))
        LabelPanel->setShape(TLabelShapeType::lsEllipse);
    for (DesignRuler* ruler : {TopRuler, LeftRuler})
        if (ruler)
            ruler->SetUnit(LabelUnit::Of(g));
    if (zoom_)
        zoom_->LabelShown();
    FitScrollArea();
    // Another label is seen from its top left corner.
    ScrollBox1->horizontalScrollBar()->setValue(0);
    ScrollBox1->verticalScrollBar()->setValue(0);
}

void TZendorMain::DetachControl() {
    if (selection_)
        selection_->DetachControl();
}

void TZendorMain::CreateMenus() {
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuSelectLabel = AddCommand(mnuFile, "mnuSelectLabel", tr("&Select Label"));
    mnuSelectLabel->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    mnuNewLabel = AddCommand(mnuFile, "mnuNewLabel", tr("&New Label"));
    mnuNewLabel->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    mnuSaveLabel = AddCommand(mnuFile, "mnuSaveLabel", tr("Save La&bel"));
    mnuSaveLabel->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    mnuFile->addSeparator();
    mnuRebuildIndexes = AddCommand(mnuFile, "mnuRebuildIndexes", tr("&Rebuild Indexes"));
    mnuFile->addSeparator();
    mnuPrintLabels = AddCommand(mnuFile, "mnuPrintLabels", tr("&Print Labels"));
    mnuPrintLabels->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    mnuExportPdf = AddCommand(mnuFile, "mnuExportPdf", tr("Export to P&DF…"));
    mnuPreviewLabels = AddCommand(mnuFile, "mnuPreviewLabels", tr("Pre&view Labels"));
    mnuPreviewLabels->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    mnuSelectSpecificLabels =
        AddCommand(mnuFile, "mnuSelectSpecificLabels", tr("Select Specific &Labels"));
    mnuPrinterSetup = AddCommand(mnuFile, "mnuPrinterSetup", tr("P&rinter Setup"));
    mnuPrinterAlignment = AddCommand(mnuFile, "mnuPrinterAlignment", tr("Printer &Alignment…"));
    mnuMerge = AddCommand(mnuFile, "mnuMerge", tr("&Merge…"));
    mnuFile->addSeparator();
    mnuExportLabel = AddCommand(mnuFile, "mnuExportLabel", tr("Expor&t Label…"));
    mnuImportLabel = AddCommand(mnuFile, "mnuImportLabel", tr("&Import Label…"));
    mnuFile->addSeparator();
    mnuExit = AddCommand(mnuFile, "mnuExit", tr("&Exit"));
    mnuExit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));

    mnuEdit = menuBar()->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));

    mnuView = menuBar()->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuZoomIn = AddCommand(mnuView, "mnuZoomIn", tr("Zoom &In"));
    mnuZoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    mnuZoomOut = AddCommand(mnuView, "mnuZoomOut", tr("Zoom &Out"));
    mnuZoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    mnuActualSize = AddCommand(mnuView, "mnuActualSize", tr("&Actual Size"));
    mnuActualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    mnuFitLabel = AddCommand(mnuView, "mnuFitLabel", tr("&Fit Label"));
    mnuView->addSeparator();
    mnuRulers = AddCommand(mnuView, "mnuRulers", tr("&Rulers"));
    mnuSafeArea = AddCommand(mnuView, "mnuSafeArea", tr("&Safe Area Outline"));
    for (QAction* toggle : {mnuRulers, mnuSafeArea})
        toggle->setCheckable(true);

    mnuLabel = menuBar()->addMenu(tr("&Label"));
    mnuLabel->setObjectName(QStringLiteral("mnuLabel"));
    mnuDeleteLabel = AddCommand(mnuLabel, "mnuDeleteLabel", tr("&Delete Label"));
    mnuCloneLabel = AddCommand(mnuLabel, "mnuCloneLabel", tr("&Clone Label"));
    mnuConfigureLabel = AddCommand(mnuLabel, "mnuConfigureLabel", tr("Con&figure Label"));

    mnuGrid = menuBar()->addMenu(tr("&Grid"));
    mnuGrid->setObjectName(QStringLiteral("mnuGrid"));
    mnuNoSnap = AddCommand(mnuGrid, "mnuNoSnap", tr("&No Snap to Grid"));
    mnuSnap2 = AddCommand(mnuGrid, "mnuSnap2", tr("Snap to &2 x 2 Grid"));
    mnuSnap4 = AddCommand(mnuGrid, "mnuSnap4", tr("Snap to &4 x 4 Grid"));
    mnuSnap8 = AddCommand(mnuGrid, "mnuSnap8", tr("Snap to &8 x 8 Grid"));
    auto* grid = new QActionGroup(this);
    for (QAction* action : {mnuNoSnap, mnuSnap2, mnuSnap4, mnuSnap8}) {
        action->setCheckable(true);
        grid->addAction(action);
    }
    mnuNoSnap->setChecked(true);

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuContents = AddCommand(mnuHelp, "mnuContents", tr("&Contents"));
    mnuAbout = AddCommand(mnuHelp, "mnuAbout", tr("&About"));
}

void TZendorMain::CreatePanel1() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(Panel1Height);
    DescriptLabel = new QLabel(tr("Current label description:"), Panel1);
    DescriptLabel->setGeometry(8, 4, 200, 14);
    Descript = new QLineEdit(Panel1);
    Descript->setObjectName(QStringLiteral("Descript"));
    Descript->setAccessibleName(tr("Label description"));
    Descript->setGeometry(8, 19, 209, 21);
    Descript->setValidator(new DescriptionValidator(LabelTable::DescriptionWidth, Descript));
    Descript->setWhatsThis(tr("The description is the label's name. It must be unique."));

    SaveButton = AddTextButton(Panel1, "SaveButton", tr("&Save"), 232);
    CancelButton = AddTextButton(Panel1, "CancelButton", tr("&Cancel"), 312);
    HelpButton = AddTextButton(Panel1, "HelpButton", tr("&Help"), 392);
    SaveButton->hide();
    CancelButton->hide();
    ContextHelpButton = new QToolButton(Panel1);
    ContextHelpButton->setObjectName(QStringLiteral("MouseHelpButton"));
    ContextHelpButton->setText(QStringLiteral("?"));
    ContextHelpButton->setToolTip(tr("What's this?"));
    ContextHelpButton->setWhatsThis(
        tr("Click this button, then click a control to learn what it does."));
    ContextHelpButton->setGeometry(472, 12, 25, 25);
    command(ContextHelpButton, &QToolButton::clicked, this,
            [] { QWhatsThis::enterWhatsThisMode(); });
    ExitButton = AddTextButton(Panel1, "ExitButton", tr("E&xit"), 512);
    SaveButton->setWhatsThis(tr("Stores the label as it is now under its description."));
    CancelButton->setWhatsThis(tr("Forgets the changes and shows the label as last saved."));
    HelpButton->setWhatsThis(tr("Opens the help contents."));
    ExitButton->setWhatsThis(tr("Ends Quorvane. Save or cancel your changes first."));
}

void TZendorMain::CreateToolsPanel() {
    ToolsPanel = new QWidget(this);
    ToolsPanel->setObjectName(QStringLiteral("ToolsPanel"));
    ToolsPanel->setFixedHeight(ToolsPanelHeight);
}

void TZendorMain::CreateScrollBox() {
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setBackgroundRole(QPalette::Window);
    ScrollBox1->setWidgetResizable(false);
    ScrollBoxArea = new QWidget;
    ScrollBoxArea->setObjectName(QStringLiteral("ScrollBoxArea"));
    ScrollBoxArea->setAutoFillBackground(true);
    QPalette grey = ScrollBoxArea->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    ScrollBoxArea->setPalette(grey);
    ScrollBox1->setPalette(grey);
    ScrollBox1->viewport()->setPalette(grey);
    LabelPanel = new TCanvasPanel(ScrollBoxArea);
    LabelPanel->setObjectName(QStringLiteral("LabelPanel"));
    LabelPanel->move(17, 3);
    LabelPanel->setColor(grey.color(QPalette::Window)); // the grey around the label's outline
    // Clicks on the label take the keys from the description.
    LabelPanel->setFocusPolicy(Qt::ClickFocus);
    LabelPanel->setWhatsThis(
        tr("The label at its true size. Drag a tool onto it to place an item; click an item to "
           "select it, right-click it for its properties."));
    ScrollBox1->setWhatsThis(tr("Click the grey area to clear the selection."));
    ScrollBox1->setWidget(ScrollBoxArea);
    ScrollBox1->installEventFilter(this);
}

void TZendorMain::UpdateScreenStatus(const ScreenState& state) {
    const bool idle = !state.isNew && !state.changed;
    LabelPanel->setVisible(!state.empty || state.isNew);
    ToolsPanel->setVisible(!state.empty || state.isNew);
    PropertiesBar->setVisible(!state.empty || state.isNew);
    ExitButton->setVisible(idle);
    // Choosing, deleting, cloning and configuring need a stored label.
    // Choosing or starting another label with changes on screen first asks about them.
    mnuSelectLabel->setEnabled(!state.empty);
    mnuSaveLabel->setEnabled(state.isNew || state.changed);
    mnuLabel->setEnabled(idle);
    mnuLabel->menuAction()->setEnabled(idle);
    for (QAction* action : {mnuDeleteLabel, mnuCloneLabel, mnuConfigureLabel})
        action->setEnabled(idle && !state.empty);
    for (QAction* action : {mnuPrintLabels, mnuExportPdf, mnuPreviewLabels, mnuMerge})
        action->setEnabled(!state.empty);
    mnuRebuildIndexes->setEnabled(!state.changed);
    mnuExportLabel->setEnabled(!state.empty || state.isNew);
    mnuImportLabel->setEnabled(idle);
    // Another label may have another source (or none).
    if (mergeCommands_ && records_->Label().description != markedDescription_)
        ShowMissingFields();
}

void TZendorMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    KeepOnScreen();
    FitScrollArea();
}

bool TZendorMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ScrollBox1 && event->type() == QEvent::Resize)
        FitScrollArea();
    return QMainWindow::eventFilter(watched, event);
}

void TZendorMain::KeepOnScreen() {
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QRect usable = screen->availableGeometry();
    const QRect full = screen->geometry();
    if (isMaximized() && height() > usable.height())
        setGeometry(x(), 0, width(), usable.height());
    else if (width() > full.width())
        setGeometry(0, y(), full.width(), height());
}

void TZendorMain::FitScrollArea() {
    if (zoom_)
        zoom_->Layout();
}

// Choosing a template for a new label, and "Con&figure Label": replacing the current label's
// template while keeping its description and items.
void TZendorMain::WireTemplates() {
    LabelRecords& records = *records_;
    records.LoadTemplate = [this, &records] {
        // The template chosen becomes the label's; the panel follows the label.
        CurrentLabel label = records.Label();
        TemplateLoader loader(
            dataDirectory_,
            {&label, [this, &label] { model_->SetTemplate(label.templateName, label.geometry); },
             triggerChange_});
        return loader.LoadTemplate();
    };
    command(mnuConfigureLabel, &QAction::triggered, this, [this, &records] {
        DesignSteps::Scope step(undo_.get(), tr("Configure Label"));
        records.ConfigureLabel();
    });
}

// ---- selection on the design panel ----

void TZendorMain::WireSelection() {
    // The tool buttons that place items take the left of the tool row.
    constexpr int SelectionToolsLeft = 240;
    selection_ =
        std::make_unique<ItemSelection>(LabelPanel, ScrollBoxArea, *items_, triggerChange_);
    toolRow_ = std::make_unique<SelectionToolRow>(*selection_, ToolsPanel, SelectionToolsLeft);
    selection_->ConnectGridMenu(mnuNoSnap, mnuSnap2, mnuSnap4, mnuSnap8);
}

void TZendorMain::AttachControl(QWidget* item) {
    selection_->AttachControl(item);
}

void TZendorMain::RefreshAttach(QWidget* item) {
    selection_->RefreshAttach(item);
}

void TZendorMain::WirePlacing() {
    ItemSelection& selection = *selection_;
    Placer = new ItemPlacer(LabelPanel, *items_, ToolsPanel, selection, triggerChange_, this);
    Menus = new ItemMenus(LabelPanel, *items_, selection, triggerChange_, this);
    command(toolRow_->PropertiesButton, &QToolButton::clicked, Menus,
            [this] { Menus->PropertiesButtonClick(); });
}

// The print, preview and PDF commands act on the label as it stands on screen.
void TZendorMain::WirePrinting() {
    screenLabel_ = std::make_unique<ScreenLabel>(*records_, *model_);
    printJobs_ = std::make_unique<PrintJobs>(this, *screenLabel_, model_->Positions());
    // Every printer job of the run corrects its drawing by the printer's entry in QV.INI.
    printerAlignments_ = std::make_unique<PrinterAlignmentSettings>(preferences_->FileName());
    printJobs_->UseAlignmentStore(printerAlignments_.get());
    const auto wire = [this](QAction* action, void (PrintJobs::*handler)()) {
        command(action, &QAction::triggered, this, [this, handler] { (*printJobs_.*handler)(); });
    };
    wire(mnuPrintLabels, &PrintJobs::mnuPrintLabelsClick);
    wire(mnuPreviewLabels, &PrintJobs::mnuPreviewLabelsClick);
    wire(mnuPrinterSetup, &PrintJobs::mnuPrinterSetupClick);
    wire(mnuPrinterAlignment, &PrintJobs::mnuPrinterAlignmentClick);
    wire(mnuSelectSpecificLabels, &PrintJobs::mnuSelectSpecificLabelsClick);
    wire(mnuExportPdf, &PrintJobs::mnuExportPdfClick);
}

// "Merge…" keeps a source per label; the print jobs and "Insert Merge Field" use the current
// label's.
void TZendorMain::WireMerging() {
    mergeCommands_ = std::make_unique<MergeCommands>(*screenLabel_, preferences_.get());
    MergeCommands& merging = *mergeCommands_;
    printJobs_->UseMergeSources(&merging);
    recordPreview_ = std::make_unique<RecordPreview>(*MergeRecordBar, *LabelPanel, *items_, merging,
                                                     dataDirectory_);
    Menus->MergeFieldNames = [&merging] { return merging.CurrentFieldNames(); };
    DesignerPrompter::SetMergeFieldSource([&merging] { return merging.CurrentFieldNames(); });
    command(mnuMerge, &QAction::triggered, this, [this, &merging] {
        merging.mnuMergeClick();
        ShowMissingFields();
    });
}

void TZendorMain::ShowMissingFields() {
    markedDescription_ = records_->Label().description;
    recordPreview_->Refresh();
}

// Every design change is one step of the label's undo history, which starts afresh with each
// label shown and whose clean point is the label as saved.
void TZendorMain::WireUndo() {
    undo_ = std::make_unique<DesignUndo>(*records_, *model_, *items_, *selection_);
    DesignUndo& undo = *undo_;
    records_->AnotherLabelShown = [&undo] { undo.Reset(); };
    records_->Saved = [&undo] { undo.MarkSaved(); };
    selection_->SetSteps(&undo);
    Placer->SetSteps(&undo);
    Menus->SetSteps(&undo);
    mnuUndo = undo.CreateUndoAction(this);
    mnuRedo = undo.CreateRedoAction(this);
    mnuEdit->addAction(mnuUndo);
    mnuEdit->addAction(mnuRedo);
}

void TZendorMain::WireJournal() {
    journaledLabel_ =
        std::make_unique<JournaledLabel>(*records_, *model_, *undo_, mergeCommands_.get());
    journal_ = std::make_unique<RecoveryJournal>(dataDirectory_, *journaledLabel_);
    connect(&undo_->Stack(), &QUndoStack::indexChanged, journal_.get(), &RecoveryJournal::Follow);
    // The label last used is named first: what the hook did before may end the journal (a
    // save marks the undo history clean), and a kill just after must reopen this label.
    for (std::function<void()>* hook : {&records_->AnotherLabelShown, &records_->Saved})
        *hook = [this, previous = *hook] {
            RememberLastUse();
            if (previous)
                previous();
        };
}

void TZendorMain::RememberLastUse() {
    if (!records_->IsNew() && !records_->Empty())
        preferences_->WriteLastUse(int(records_->Table()->RecNo()));
}

// The label as the journal kept it, unsaved; its undo history starts there.
void TZendorMain::RestoreUnsaved(const JournalEntry& entry) {
    RunCommand([&] {
        journal_->Adopt();
        records_->ShowRecovered(entry);
        if (entry.mergeSource != mergeCommands_->CurrentFileName())
            mergeCommands_->ChooseCurrentSource(entry.mergeSource);
        undo_->MarkUnsaved();
        ShowMissingFields();
    });
}

// The menu entries act on the items whatever has the keys; their keys reach them only from
// the design panel, since the description box keeps its own Cut, Copy, Paste, Delete and
// Select All for its text.
void TZendorMain::WireEditing() {
    ItemSelection& selection = *selection_;
    const TStretchHandle& handle = selection.Handle();
    clipboard_ = std::make_unique<ItemClipboard>(
        selection, *items_, [&handle] { return QPoint(handle.GridX(), handle.GridY()); },
        triggerChange_);
    clipboard_->SetSteps(undo_.get());
    ItemClipboard& clipboard = *clipboard_;
    mnuEdit->addSeparator();
    const auto add = [this](const char* name, const QString& caption, QKeySequence keys,
                            std::function<void()> body) {
        QAction* action = AddCommand(mnuEdit, name, caption);
        action->setShortcut(keys);
        command(action, &QAction::triggered, this, std::move(body));
        return action;
    };
    mnuCut = add("mnuCut", tr("Cu&t"), QKeySequence::Cut, [&clipboard] { clipboard.Cut(); });
    mnuCopy = add("mnuCopy", tr("&Copy"), QKeySequence::Copy, [&clipboard] { clipboard.Copy(); });
    // Without a label on screen there is nothing to paste onto.
    mnuPaste = add("mnuPaste", tr("&Paste"), QKeySequence::Paste, [this, &clipboard] {
        if (!LabelPanel->isHidden())
            clipboard.Paste();
    });
    mnuDuplicate = add("mnuDuplicate", tr("Dup&licate"), QKeySequence(Qt::CTRL | Qt::Key_D),
                       [&clipboard] { clipboard.Duplicate(); });
    mnuDelete = add("mnuDelete", tr("&Delete"), QKeySequence::Delete,
                    [&selection] { selection.CutObjectButtonClick(); });
    mnuSelectAll = add("mnuSelectAll", tr("Select &All"), QKeySequence::SelectAll,
                       [&selection] { selection.SelectAll(); });
    // The entries show what they can do now; their keys stay live, doing nothing when there
    // is nothing to do.
    connect(mnuEdit, &QMenu::aboutToShow, this, [this] {
        const bool selected = clipboard_->HasSelection();
        for (QAction* action : {mnuCut, mnuCopy, mnuDuplicate, mnuDelete})
            action->setEnabled(selected);
        mnuPaste->setEnabled(ItemClipboard::CanPaste());
        mnuSelectAll->setEnabled(!model_->Design().items.empty());
    });
    connect(mnuEdit, &QMenu::aboutToHide, this, [this] {
        for (QAction* action : {mnuCut, mnuCopy, mnuPaste, mnuDuplicate, mnuDelete, mnuSelectAll})
            action->setEnabled(true);
    });
}

// The Arrange menu, after Edit: stacking, aligning, spreading and sizing the selected items.
void TZendorMain::WireArranging() {
    arrangement_ = std::make_unique<ItemArrangement>(*selection_, *items_, triggerChange_);
    arrangement_->SetSteps(undo_.get());
    ItemArrangement& arrange = *arrangement_;
    mnuArrange = new QMenu(tr("&Arrange"), this);
    mnuArrange->setObjectName(QStringLiteral("mnuArrange"));
    menuBar()->insertMenu(mnuLabel->menuAction(), mnuArrange);
    const auto add = [this](const char* name, const QString& caption, std::function<void()> body) {
        command(AddCommand(mnuArrange, name, caption), &QAction::triggered, this, std::move(body));
    };
    add("mnuBringToFront", tr("Bring to &Front"), [&arrange] { arrange.BringToFront(); });
    add("mnuSendToBack", tr("Send to &Back"), [&arrange] { arrange.SendToBack(); });
    mnuArrange->addSeparator();
    using Edge = ItemArrangement::Edge;
    const std::pair<const char*, Edge> edges[] = {
        {"mnuAlignLeft", Edge::Left},       {"mnuAlignCentres", Edge::Centres},
        {"mnuAlignRight", Edge::Right},     {"mnuAlignTop", Edge::Top},
        {"mnuAlignMiddles", Edge::Middles}, {"mnuAlignBottom", Edge::Bottom}};
    const QString captions[] = {tr("Align &Left"), tr("Align &Centres"), tr("Align &Right"),
                                tr("Align &Top"),  tr("Align &Middles"), tr("Align B&ottom")};
    for (size_t i = 0; i < std::size(edges); ++i) {
        const Edge edge = edges[i].second;
        add(edges[i].first, captions[i], [&arrange, edge] { arrange.Align(edge); });
        if (edge == Edge::Right)
            mnuArrange->addSeparator();
    }
    mnuArrange->addSeparator();
    add("mnuDistributeHorizontally", tr("Distribute &Horizontally"),
        [&arrange] { arrange.Distribute(Qt::Horizontal); });
    add("mnuDistributeVertically", tr("Distribute &Vertically"),
        [&arrange] { arrange.Distribute(Qt::Vertical); });
    mnuArrange->addSeparator();
    add("mnuSameWidth", tr("Same &Width"), [&arrange] { arrange.SameSize(Qt::Horizontal); });
    add("mnuSameHeight", tr("Same H&eight"), [&arrange] { arrange.SameSize(Qt::Vertical); });
    connect(mnuArrange, &QMenu::aboutToShow, this, [this] { ShowArrangeEntries(true); });
    connect(mnuArrange, &QMenu::aboutToHide, this, [this] { ShowArrangeEntries(false); });
}

void TZendorMain::ShowArrangeEntries(bool opening) {
    // What each entry can do with the selection as the menu opens; closed, every key works.
    const qsizetype count = opening ? selection_->SelectedItems().size() : 3;
    for (QAction* action : mnuArrange->actions()) {
        const QString name = action->objectName();
        if (name.startsWith(QLatin1String("mnuDistribute")))
            action->setEnabled(count >= 3);
        else if (name.startsWith(QLatin1String("mnuSame")))
            action->setEnabled(count >= 2);
        else if (!action->isSeparator())
            action->setEnabled(count >= 1);
    }
}

// A right click on an item of a selection of several keeps the selection and offers the Edit
// and Arrange commands, which act on all of them.
void TZendorMain::WireSelectionMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupMenuSelection"));
    menu->addActions({mnuCut, mnuCopy, mnuDuplicate, mnuDelete});
    menu->addSeparator();
    menu->addActions(mnuArrange->actions());
    connect(menu, &QMenu::aboutToShow, this, [this] { ShowArrangeEntries(true); });
    connect(menu, &QMenu::aboutToHide, this, [this] { ShowArrangeEntries(false); });
    Menus->SetSelectionMenu(menu);
}

// The property bar edits the selection through SelectionProperties, which follows the model
// and the selection.
void TZendorMain::WireProperties() {
    properties_ = std::make_unique<SelectionProperties>(*selection_, *items_, triggerChange_);
    properties_->SetSteps(undo_.get());
    model_->AddView(properties_.get());
    connect(selection_.get(), &ItemSelection::SelectionChanged, properties_.get(),
            &SelectionProperties::SelectionChanged);
    PropertiesBar = new PropertyBar(*properties_, this);
    connect(PropertiesBar, &PropertyBar::KeysBack, this, [this] { KeysToDesign(); });
}

// A label as a file: exported with its pictures, imported from our files and gLabels'.
void TZendorMain::WireLabelFiles() {
    labelFiles_ = std::make_unique<LabelFileCommands>(*records_, static_cast<LabelView&>(*this),
                                                      *model_, *screenLabel_, *mergeCommands_,
                                                      preferences_.get(), dataDirectory_);
    LabelFileCommands& files = *labelFiles_;
    command(mnuExportLabel, &QAction::triggered, this, [&files] { files.mnuExportLabelClick(); });
    command(mnuImportLabel, &QAction::triggered, this, [&files] { files.mnuImportLabelClick(); });
}

// ---- the view: zoom, rulers, safe area, status bar ----

QWidget* TZendorMain::CreateDesignArea() {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("DesignArea"));
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    TopRuler = new DesignRuler(Qt::Horizontal, LabelPanel, area);
    LeftRuler = new DesignRuler(Qt::Vertical, LabelPanel, area);
    auto* corner = new QWidget(area);
    corner->setFixedSize(DesignRuler::Thickness, DesignRuler::Thickness);
    grid->addWidget(corner, 0, 0);
    grid->addWidget(TopRuler, 0, 1);
    grid->addWidget(LeftRuler, 1, 0);
    grid->addWidget(ScrollBox1, 1, 1);
    // The corner shows and hides with the rulers.
    corner->setObjectName(QStringLiteral("RulerCorner"));
    return area;
}

void TZendorMain::WireView() {
    zoom_ = new DesignZoom(LabelPanel, ScrollBoxArea, ScrollBox1, this);
    DesignZoom& zoom = *zoom_;
    command(mnuZoomIn, &QAction::triggered, this, [&zoom] { zoom.ZoomIn(); });
    command(mnuZoomOut, &QAction::triggered, this, [&zoom] { zoom.ZoomOut(); });
    command(mnuActualSize, &QAction::triggered, this, [&zoom] { zoom.ActualSize(); });
    command(mnuFitLabel, &QAction::triggered, this, [&zoom] { zoom.FitLabel(); });

    ZoomStatus = new QLabel(this);
    ZoomStatus->setObjectName(QStringLiteral("ZoomStatus"));
    ZoomStatus->setToolTip(tr("The zoom of the label (Ctrl and the wheel to change)"));
    PointerStatus = new QLabel(this);
    PointerStatus->setObjectName(QStringLiteral("PointerStatus"));
    PointerStatus->setToolTip(tr("Where the pointer is on the label, from its top-left corner"));
    statusBar()->addWidget(PointerStatus, 1);
    statusBar()->addPermanentWidget(ZoomStatus);
    const auto showZoom = [this](double value) {
        ZoomStatus->setText(tr("Zoom %1 %").arg(std::lround(value * 100)));
        TopRuler->update();
        LeftRuler->update();
        // The frame follows its item to the new scale.
        if (selection_)
            selection_->RefitHandle(selection_->Selected());
    };
    showZoom(zoom.Zoom());
    connect(&zoom, &DesignZoom::ZoomChanged, this, showZoom);
    connect(&zoom, &DesignZoom::PointerMoved, this,
            [this](std::optional<QPointF> inches) { ShowPointer(inches); });
    for (QScrollBar* bar : {ScrollBox1->horizontalScrollBar(), ScrollBox1->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            TopRuler->update();
            LeftRuler->update();
        });

    const Preferences* preferences = preferences_.get();
    QWidget* corner = findChild<QWidget*>(QStringLiteral("RulerCorner"));
    const auto showRulers = [this, corner](bool on) {
        TopRuler->setVisible(on);
        LeftRuler->setVisible(on);
        corner->setVisible(on);
    };
    mnuRulers->setChecked(preferences->ReadViewSetting(QStringLiteral("Rulers"), true));
    showRulers(mnuRulers->isChecked());
    connect(mnuRulers, &QAction::toggled, this, [showRulers, preferences](bool on) {
        showRulers(on);
        preferences->WriteViewSetting(QStringLiteral("Rulers"), on);
    });
    mnuSafeArea->setChecked(preferences->ReadViewSetting(QStringLiteral("SafeArea"), false));
    LabelPanel->setSafeAreaShown(mnuSafeArea->isChecked());
    connect(mnuSafeArea, &QAction::toggled, this, [this, preferences](bool on) {
        LabelPanel->setSafeAreaShown(on);
        preferences->WriteViewSetting(QStringLiteral("SafeArea"), on);
    });
}

void TZendorMain::ShowPointer(std::optional<QPointF> inches) {
    TopRuler->SetPointer(inches ? std::optional(inches->x()) : std::nullopt);
    LeftRuler->SetPointer(inches ? std::optional(inches->y()) : std::nullopt);
    if (!inches) {
        PointerStatus->clear();
        return;
    }
    const LabelUnit unit = LabelUnit::Of(model_->Design().geometry);
    const QLocale locale;
    PointerStatus->setText(
        QStringLiteral("X %1  Y %2")
            .arg(unit.LocalFormat(inches->x(), locale), unit.LocalFormat(inches->y(), locale)));
}
