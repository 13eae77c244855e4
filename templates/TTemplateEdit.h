#pragma once

#include "document/SheetGeometry.h"

#include <QDialog>
#include <QString>

class NumericEntry;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The template editor: the geometry of one label sheet with its description, entered in
// inches or millimetres and always handed back in inches. The caller sets the description
// and the geometry, shows the dialog modally and, on Accepted, reads them back.
class TTemplateEdit : public QDialog {
    Q_OBJECT
public:
    // Messages (information boxes) and the help topic go through the program's prompter.
    explicit TTemplateEdit(QWidget* parent = nullptr);

    // Before showing: the description and the geometry (inches, codes as stored).
    void SetDescription(const QString& description) { description_ = description; }
    void SetGeometry(const SheetGeometry& geometry) { geometry_ = geometry; }
    // After a result of Accepted: what was entered, in inches.
    QString Description() const { return description_; }
    SheetGeometry Geometry() const { return geometry_; }

    static constexpr int HelpTopic = 1011;

    // Handlers, named after the control and the event.
    void FormActivate();
    void InchesbuttonClick();
    void MMButtonClick();
    void elblwidthExit();
    void elblHeightExit();
    void OkButtonClick();
    bool ValidLabel();
    void CancelButtonClick();
    void HelpButtonClick();

    // The controls, in tab order.
    QLineEdit* eUserDesc;
    NumericEntry* elblwidth;
    NumericEntry* elblHeight;
    NumericEntry* eHorizPitch;
    NumericEntry* eVertPitch;
    QSpinBox* enbracross;
    QSpinBox* enbrdown;
    NumericEntry* eleftmarg;
    NumericEntry* etopmarg;
    QComboBox* epapersize;
    // The paper's own size, for "Other (User Defined)" and a label printer's roll (its width
    // and the length of one page); disabled for the papers whose size their name tells.
    NumericEntry* esheetwidth;
    NumericEntry* esheetheight;
    QLabel* SheetWidthLabel;
    QLabel* SheetHeightLabel;
    QRadioButton* Inchesbutton;
    QRadioButton* MMButton;
    QPushButton* HelpButton;
    QPushButton* MouseHelpButton;
    QPushButton* CancelButton;
    QComboBox* eLabelShape;
    QPushButton* OKButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void LayOut();
    NumericEntry* Entry(const char* name);
    void ReadEntriesInto(SheetGeometry& g, double factor) const;
    void SwitchEntries(const QString& pattern, double factor);
    void PaperChanged();

    QString description_ = QStringLiteral("[enter description]");
    SheetGeometry geometry_;
    bool firstActivation_ = true;
    bool inMillimetres_ = false;
};
