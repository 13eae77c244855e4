#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class SheetPreview;
class QTableView;
class QToolButton;
class TemplateTable;
class TemplateTableModel;

// "Select Label Template": the catalogue of label templates. The user finds a sheet by
// typing into the search box (maker, part number, any word, or a size such as "2 x 4" or
// "50 x 25 mm"), narrows it by paper and shape, sees the selected sheet drawn to scale, and
// picks it (Enter or OK); the templates used lately come first. Stock templates can be
// picked and copied; the user's own (USERDEF true) can be edited and deleted too; "Import
// Templates..." adds the templates of a gLabels or LibreOffice file as the user's own. The
// grid's row is the table's current record; on Accepted the caller reads the table's current
// row. The table is opened (and closed) by the caller.
class TSelectTemplate : public QDialog {
    Q_OBJECT
public:
    explicit TSelectTemplate(TemplateTable& table, QWidget* parent = nullptr);
    ~TSelectTemplate() override;

    static constexpr int HelpTopic = 1015;

    // The name of the template to select when the dialog first shows (the current label's).
    void SetPreselect(const QString& name) { preselect_ = name; }
    // The templates used lately, the latest first: listed before the others.
    void SetRecent(const QStringList& names);
    // The row the grid shows as selected (-1 when the table is empty).
    int SelectedRow() const;
    void SelectRow(int row);

    // Handlers, named after the control and the event.
    void FormActivate();
    void NewLabelClick();
    void EditLabelClick();
    void DeleteLabelClick();
    // True when the key is swallowed (Insert: the grid never adds rows by itself).
    bool LabelGridKeyDown(QKeyEvent* event);
    void OkButtonClick();
    void CancelButtonClick();
    void HelpButtonClick();
    void ImportTemplatesClick();
    // Imports the templates of `path` and tells the person what came of it.
    void ImportFile(const QString& path);
    // Narrows the list to what the search box and the filters ask for.
    void SearchChanged();

    TemplateTable& LabelDefTable;
    TemplateTableModel* Model = nullptr;
    QTableView* LabelGrid = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* NewButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QToolButton* MouseHelpButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* ImportButton = nullptr;
    QLineEdit* SearchBox = nullptr;
    QComboBox* PaperFilter = nullptr;
    QComboBox* ShapeFilter = nullptr;
    SheetPreview* Preview = nullptr;
    QLabel* DetailsLabel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildGrid();
    void BuildButtons();
    void BuildSearch();
    QWidget* BuildPreview();
    void ShowDetails();
    void GridRowChanged();
    // Reads the rows afresh and selects the row of `record` (or the nearest row).
    void ShowRecord(quint32 record, int fallbackRow);

    QString preselect_;
    bool firstActivation_ = true;
};
