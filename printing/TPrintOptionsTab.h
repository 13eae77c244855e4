#pragma once

#include <QWidget>

#include "printing/PrintOptions.h"

class QCheckBox;

// The print dialog's "Labels" tab: outlines, crop marks and mirror for the job about to
// print (the dialog's own Collate box gives the merge's collation).
class TPrintOptionsTab : public QWidget {
    Q_OBJECT
public:
    explicit TPrintOptionsTab(const PrintOptions& options, QWidget* parent = nullptr);

    // The boxes as they stand; Collate is left as given.
    PrintOptions Options() const;

    QCheckBox* OutlinesBox;
    QCheckBox* CropMarksBox;
    QCheckBox* MirrorBox;

private:
    PrintOptions given_;
};
