#pragma once

#include "ui/FixedDialog.h"

class QListWidget;
class ChosenPositions;

// Chooses the positions of a partly used sheet on which labels are printed: one ticked entry
// per position, "Row r, Column c", in the order the sheet is printed.
class TSelectLabelsToPrint : public FixedDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 2001;

    // The dialog over selection for a sheet labelsAcross wide and labelsDown deep. Positions
    // beyond the largest sheet (10 x 30) are neither listed nor stored.
    TSelectLabelsToPrint(ChosenPositions& selection, int labelsAcross, int labelsDown,
                         QWidget* parent = nullptr);

    // The menu command: runs the dialog and, when it closes with OK, restricts printing to
    // the chosen positions. No result of the dialog lifts the restriction.
    static void mnuSelectSpecificLabelsClick(ChosenPositions& selection, int labelsAcross,
                                             int labelsDown);

    QListWidget* LabelsList;
    QPushButton* Okbutton;
    QPushButton* CancelButton;
    QPushButton* Allbutton;
    QPushButton* Nonebutton;

public slots:
    void AllbuttonClick();
    void NonebuttonClick();
    void OkbuttonClick();

private:
    void FormCreate();
    void TickAll(bool ticked);

    ChosenPositions& selection_;
    int across_;
    int down_;
};
