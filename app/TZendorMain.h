#pragma once

#include <QMainWindow>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QToolButton;
class TCanvasPanel;

// The main window: builds the menus, the two bars, the grey scroll box and the design
// panel, and routes commands to the subsystems that own them.
class TZendorMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TZendorMain(QWidget* parent = nullptr);
    ~TZendorMain() override;

    // What the screen status depends on.
    struct ScreenState {
        bool empty = true;    // the label table has no current record
        bool isNew = false;   // the design on screen is not stored yet
        bool changed = false; // the Save button is visible
    };
    // Shows and enables the panel, tools and commands to match the label's state.
    void UpdateScreenStatus(const ScreenState& state);

    // Menus and commands.
    QMenu* mnuFile = nullptr;
    QAction* mnuSelectLabel = nullptr;
    QAction* mnuNewLabel = nullptr;
    QAction* mnuRebuildIndexes = nullptr;
    QAction* mnuPrintLabels = nullptr;
    QAction* mnuExportPdf = nullptr;
    QAction* mnuPreviewLabels = nullptr;
    QAction* mnuSelectSpecificLabels = nullptr;
    QAction* mnuPrinterSetup = nullptr;
    QAction* mnuExit = nullptr;
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
    QWidget* ScrollBoxArea = nullptr;
    TCanvasPanel* LabelPanel = nullptr;

    // Hidden: the objects text travels through it on save and load.
    QPlainTextEdit* ObjectsHolder = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateMenus();
    void CreatePanel1();
    void CreateToolsPanel();
    void CreateScrollBox();
    void PlaceOnScreen();
};
