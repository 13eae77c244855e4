#include "printing/TSelectLabelsToPrint.h"

#include <QListWidget>
#include <QPushButton>

#include <algorithm>

#include "document/ChosenPositions.h"
#include "ui/Prompter.h"

TSelectLabelsToPrint::TSelectLabelsToPrint(ChosenPositions& selection, int labelsAcross,
                                           int labelsDown, QWidget* parent)
    : FixedDialog(tr("Select Specific Labels"), QSize(290, 258), parent), selection_(selection),
      across_(std::max(0, labelsAcross)), down_(std::max(0, labelsDown)) {
    setObjectName(QStringLiteral("SelectLabelsToPrint"));
    LabelsList = new QListWidget(this);
    LabelsList->setObjectName(QStringLiteral("LabelsList"));
    LabelsList->setAccessibleName(tr("Positions on the sheet"));
    LabelsList->setGeometry(8, 8, 177, 242);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    LabelsList->setFont(font);
    LabelsList->setStyleSheet(QStringLiteral("QListWidget { background: silver; }"));
    LabelsList->setUniformItemSizes(true);
    LabelsList->setWhatsThis(
        tr("Tick the positions of the sheet on which labels are to be printed."));

    Okbutton = AddButton(QStringLiteral("OK"), QRect(200, 8, 80, 25), "Okbutton");
    Okbutton->setDefault(true);
    CancelButton = AddCancelButton(tr("Cancel"), QRect(200, 40, 80, 25), "CancelButton");
    Allbutton = AddButton(tr("All"), QRect(200, 88, 80, 25), "Allbutton");
    Nonebutton = AddButton(tr("None"), QRect(200, 120, 80, 25), "Nonebutton");
    Allbutton->setAutoDefault(false);
    Nonebutton->setAutoDefault(false);
    AddHelpButton(kHelpTopic, QRect(200, 192, 80, 25));
    AddMouseHelpButton(QRect(200, 225, 80, 25));

    connect(Okbutton, &QPushButton::clicked, this, &TSelectLabelsToPrint::OkbuttonClick);
    connect(Allbutton, &QPushButton::clicked, this, &TSelectLabelsToPrint::AllbuttonClick);
    connect(Nonebutton, &QPushButton::clicked, this, &TSelectLabelsToPrint::NonebuttonClick);
    FormCreate();
}

void TSelectLabelsToPrint::FormCreate() {
    for (int row = 1; row <= down_; ++row)
        for (int column = 1; column <= across_; ++column) {
            const int position = (row - 1) * across_ + (column - 1);
            if (position >= ChosenPositions::MaxPositions)
                return;
            auto* entry =
                new QListWidgetItem(tr("Row %1, Column %2").arg(row).arg(column), LabelsList);
            entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
            entry->setCheckState(selection_.isSelected(position) ? Qt::Checked : Qt::Unchecked);
            entry->setSizeHint(QSize(0, 16));
        }
}

void TSelectLabelsToPrint::TickAll(bool ticked) {
    for (int i = 0; i < LabelsList->count(); ++i)
        LabelsList->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void TSelectLabelsToPrint::AllbuttonClick() {
    TickAll(true);
}

void TSelectLabelsToPrint::NonebuttonClick() {
    TickAll(false);
}

// Nothing ticked keeps the dialog open. Every position ticked closes it with Cancel: every
// position prints either way, so the restriction is left as it was.
void TSelectLabelsToPrint::OkbuttonClick() {
    int ticked = 0;
    for (int i = 0; i < LabelsList->count(); ++i)
        ticked += LabelsList->item(i)->checkState() == Qt::Checked;
    if (ticked == 0) {
        ShowInformation(tr("No labels selected"));
        return;
    }
    for (int i = 0; i < LabelsList->count() && i < ChosenPositions::MaxPositions; ++i)
        selection_.SelectedPositions[i] = LabelsList->item(i)->checkState() == Qt::Checked;
    if (ticked == LabelsList->count())
        reject();
    else
        accept();
}

void TSelectLabelsToPrint::mnuSelectSpecificLabelsClick(ChosenPositions& selection,
                                                        int labelsAcross, int labelsDown) {
    TSelectLabelsToPrint dialog(selection, labelsAcross, labelsDown, Prompter::MainWindow());
    CentreOnMainWindow(&dialog);
    if (Prompter::Current().RunDialog(dialog) == QDialog::Accepted &&
        dialog.result() == QDialog::Accepted)
        selection.SpecificLabelsChosen = true;
}
