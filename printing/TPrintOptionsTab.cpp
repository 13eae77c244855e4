#include "printing/TPrintOptionsTab.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QCheckBox* AddBox(QVBoxLayout* layout, const char* name, const QString& caption, bool checked,
                  const QString& help) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    box->setWhatsThis(help);
    layout->addWidget(box);
    return box;
}

} // namespace

TPrintOptionsTab::TPrintOptionsTab(const PrintOptions& options, QWidget* parent)
    : QWidget(parent), given_(options) {
    setObjectName(QStringLiteral("PrintOptionsTab"));
    setWindowTitle(tr("Labels"));
    auto* layout = new QVBoxLayout(this);
    OutlinesBox = AddBox(layout, "OutlinesBox", tr("Print label &outlines"), options.Outlines,
                         tr("Draws the outline of every label printed, in a thin "
                            "grey line: for a trial print on plain paper."));
    CropMarksBox = AddBox(layout, "CropMarksBox", tr("Print &crop marks"), options.CropMarks,
                          tr("Draws short lines in the sheet's margins in line with "
                             "the labels' edges, to cut plain paper by."));
    MirrorBox = AddBox(layout, "MirrorBox", tr("&Mirror (print reversed)"), options.Mirror,
                       tr("Prints every sheet reversed left to right, to be read "
                          "through clear film printed on its back."));
    auto* note = new QLabel(tr("With a merge source, Collate prints the records "
                               "once per copy; otherwise each record's copies "
                               "stand together."));
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch(1);
}

PrintOptions TPrintOptionsTab::Options() const {
    PrintOptions options = given_;
    options.Outlines = OutlinesBox->isChecked();
    options.CropMarks = CropMarksBox->isChecked();
    options.Mirror = MirrorBox->isChecked();
    return options;
}
