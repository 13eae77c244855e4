#pragma once

#include <QMainWindow>

#include "app/LabelView.h"
#include "designer/LabelItems.h"
#include "document/LabelModel.h"

#include <QPointF>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolButton;
class DesignUndo;
class JournaledLabel;
class RecoveryJournal;
struct JournalEntry;
class ItemArrangement;
class ItemClipboard;
class ItemSelection;
class PropertyBar;
class SelectionProperties;
class LabelFileCommands;
class LabelRecords;
class ItemMenus;
class ItemPlacer;
class MergeCommands;
class RecordBar;
class RecordPreview;
class Preferences;
class PrinterAlignmentSettings;
class PrintJobs;
class ScreenLabel;
class SelectionToolRow;
class TCanvasPanel;
class DesignRuler;
class DesignZoom;
class UnsavedChanges;

// The main window: builds the menus, the two bars, the grey scroll box and the design
// panel, and routes commands to the subsystems that own them.
class TZendorMain : public QMainWindow,
                    public LabelView,
                    private DesignView,
                    private ItemControlHooks {
    Q_OBJECT
public:
    // dataDirectory holds the label table, the template table and QV.INI.
    explicit TZendorMain(const QString& dataDirectory, QWidget* parent = nullptr);
    ~TZendorMain() override;

    // The label being designed, its items on the design panel and the label's life.
    LabelModel& Model() { return *model_; }
    LabelItems& Items() { return *items_; }
    LabelRecords& Records() { return *records_; }
    PrintJobs& Printing() { return *printJobs_; }
    MergeCommands& Merging() { return *mergeCommands_; }
    DesignUndo& Undo() { return *undo_; }
    RecoveryJournal& Journal() { return *journal_; }
    LabelFileCommands& LabelFiles() { return *labelFiles_; }
    // A label document to import once the label table is open (the file named on the
    // command line).
    void ImportOnStart(const QString& path) { startFile_ = path; }
    QString DataDirectory() const { return dataDirectory_; }

    // Start-up's second half, run on the first activation: opens the label table and shows
    // the label last used. Returns false when the table could not be opened (the window
    // then closes).
    bool FormActivate();
    // The objects text of the label as it stands, as Save would store it.
    QString SaveItems() const;
    // Selection on the design panel.
    void DetachControl() override;
    // Makes the grey area cover the panel and the visible part of the scroll box.
    void FitScrollArea();
    // After a command the keys go to the design panel (to the selected item, when there is
    // one), unless the command itself sent the user to the description.
    void KeysToDesign();

    // The current label's view.
    void FocusDescription() override;
    void ShowSaveButtons(bool shown) override;
    void FitPanel(const SheetGeometry& geometry) override;
    void UpdateScreenStatus(const ScreenState& state) override;
    QWidget* DialogParent() override { return this; }

    // Menus and commands.
    QMenu* mnuFile = nullptr;
    QAction* mnuSelectLabel = nullptr;
    QAction* mnuNewLabel = nullptr;
    QAction* mnuSaveLabel = nullptr;
    QAction* mnuRebuildIndexes = nullptr;
    QAction* mnuPrintLabels = nullptr;
    QAction* mnuExportPdf = nullptr;
    QAction* mnuPreviewLabels = nullptr;
    QAction* mnuSelectSpecificLabels = nullptr;
    QAction* mnuPrinterSetup = nullptr;
    QAction* mnuPrinterAlignment = nullptr;
    QAction* mnuMerge = nullptr;
    QAction* mnuExportLabel = nullptr;
    QAction* mnuImportLabel = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuZoomIn = nullptr;
    QAction* mnuZoomOut = nullptr;
    QAction* mnuActualSize = nullptr;
    QAction* mnuFitLabel = nullptr;
    QAction* mnuRulers = nullptr;
    QAction* mnuSafeArea = nullptr;
    QAction* mnuCut = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuPaste = nullptr;
    QAction* mnuDuplicate = nullptr;
    QAction* mnuDelete = nullptr;
    QAction* mnuSelectAll = nullptr;
    QMenu* mnuArrange = nullptr;
    QMenu* mnuLabel = nullptr;
    QAction* mnuDeleteLabel = nullptr;
    QAction* mnuCloneLabel = nullptr;
    QAction* mnuConfigureLabel = nullptr;
    QMenu* mnuGrid = nullptr;
    QAction* mnuNoSnap = nullptr;
    QAction* mnuSnap2 = nullptr;
    QAction* mnuSnap4 = nullptr;
    QAction* mnuSnap8 = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuAbout = nullptr;

    // Panel1: the description and the text buttons.
    QWidget* Panel1 = nullptr;
    QLabel* DescriptLabel = nullptr;
    QLineEdit* Descript = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QToolButton* ContextHelpButton = nullptr;
    QPushButton* ExitButton = nullptr;

    // The designer's tool row, the grey scroll box and the design panel.
    QWidget* ToolsPanel = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    // Over the panel while the label has a merge source: which record the panel shows.
    RecordBar* MergeRecordBar = nullptr;
    QWidget* ScrollBoxArea = nullptr;
    TCanvasPanel* LabelPanel = nullptr;
    // The rulers along the design area and the status bar's zoom and pointer position.
    DesignRuler* TopRuler = nullptr;
    DesignRuler* LeftRuler = nullptr;
    QLabel* ZoomStatus = nullptr;
    QLabel* PointerStatus = nullptr;
    DesignZoom& Zoom() { return *zoom_; }

    // Selection on the design panel: the stretch handle, nudging, centring, the snap grid.
    ItemSelection& Selection() { return *selection_; }
    SelectionToolRow& ToolRow() { return *toolRow_; }
    void AttachControl(QWidget* item);
    void RefreshAttach(QWidget* item);
    void WireSelection();

    // The selection's font, colours, place and size, under the tool row.
    PropertyBar* PropertiesBar = nullptr;
    SelectionProperties& Properties() { return *properties_; }

    // Placing items from the tool row, and the items' context menus and properties.
    ItemPlacer* Placer = nullptr;
    ItemMenus* Menus = nullptr;
    void WirePlacing();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The scroll box's own resizes (the tool row shown or hidden) refit its grey area.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectCommands();
    void WireTemplates();
    void WirePrinting();
    void WireMerging();
    void WireUndo();
    // The recovery journal follows every step and the label's unsaved state; QV.INI names
    // the label on screen as soon as it is shown or saved.
    void WireJournal();
    void RememberLastUse();
    void RestoreUnsaved(const JournalEntry& entry);
    // The Edit menu's commands on the label's items, after Undo and Redo.
    void WireEditing();
    void WireArranging();
    // Enables the Arrange entries for the selection (opening) or all of them (closed).
    void ShowArrangeEntries(bool opening);
    void WireSelectionMenu();
    void WireProperties();
    void WireLabelFiles();
    void WireView();
    void ShowPointer(std::optional<QPointF> inches);
    // Marks on the panel the references to fields the current label's source lacks.
    void ShowMissingFields();
    void SavePreference();
    // The window's place in QV.INI: restored when it opens, kept when it closes.
    void RestorePlace();
    void KeepPlace();
    void mnuAboutClick();

    void CreateMenus();
    void CreatePanel1();
    void CreateToolsPanel();
    void CreateScrollBox();
    // The scroll box with the rulers along its top and left.
    QWidget* CreateDesignArea();
    // A maximised window no taller than the usable screen, a window no wider than the screen.
    void KeepOnScreen();

    QString dataDirectory_;
    // The one way an edit marks the current label changed, handed to every subsystem.
    std::function<void()> triggerChange_;
    std::unique_ptr<Preferences> preferences_;
    std::unique_ptr<PrinterAlignmentSettings> printerAlignments_;
    // The description box and the panel's size follow the label; items' controls are wired.
    void DesignChanged(const LabelDesign& design, const DesignChange& change) override;
    void ItemControlCreated(QWidget* control) override;
    void ItemControlsRemoving() override;

    std::unique_ptr<LabelModel> model_;
    std::unique_ptr<LabelItems> items_;
    std::unique_ptr<LabelRecords> records_;
    std::unique_ptr<ScreenLabel> screenLabel_;
    std::unique_ptr<PrintJobs> printJobs_;
    std::unique_ptr<MergeCommands> mergeCommands_;
    std::unique_ptr<RecordPreview> recordPreview_;
    QString markedDescription_; // the label whose source the panel's marks follow
    bool activationQueued_ = false;
    bool closing_ = false;
    std::unique_ptr<ItemSelection> selection_;
    std::unique_ptr<SelectionToolRow> toolRow_;
    std::unique_ptr<DesignUndo> undo_;
    std::unique_ptr<JournaledLabel> journaledLabel_;
    std::unique_ptr<RecoveryJournal> journal_;
    std::unique_ptr<UnsavedChanges> unsaved_;
    bool descriptionAsked_ = false; // a command sent the user to the description
    std::unique_ptr<LabelFileCommands> labelFiles_;
    DesignZoom* zoom_ = nullptr;
    std::unique_ptr<ItemClipboard> clipboard_;
    std::unique_ptr<ItemArrangement> arrangement_;
    std::unique_ptr<SelectionProperties> properties_;
    QString startFile_;
};
