#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "document/SheetGeometry.h"
#include "printing/SheetRenderer.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class ChosenPositions;
class MergeRun;
class TBaseReport;
class TReportFiler;
class TReportPrinter;

// The status window of a print or preview job: it owns the job's two engines and runs the
// chosen one over its sheet renderer, showing the progress and offering to cancel.
class TLabelPrint : public QDialog {
    Q_OBJECT
public:
    TLabelPrint(const SheetGeometry& geometry, const ChosenPositions& selection,
                QWidget* parent = nullptr);
    ~TLabelPrint() override;

    // The job.
    QPlainTextEdit* ObjectsMemo; // the label's objects text, written just before the job
    int PageCount = 1;           // sheets to produce
    bool IsPrinting = false;     // printer (true) or preview (false)
    bool Cancelled = false;
    // Lets pending window messages through after each label; replaceable for tests.
    std::function<void()> ProcessMessages;
    // With a merge run, each drawn position takes the run's next record, texts are drawn
    // through its fields and the run decides the number of sheets.
    MergeRun* Merge = nullptr;
    // A line shown under the final status; the window then stays open until closed.
    QString Warning;

    // The drawing of the sheets, given the memo's text, the sheets and the cancel state when
    // the run starts.
    SheetRenderer Renderer;

    // The window.
    QLabel* StatusText;
    QPushButton* CancelButton;
    std::unique_ptr<TReportPrinter> LabelReportPrinter;
    std::unique_ptr<TReportFiler> LabelReportFiler;
    TBaseReport& Engine() const;
    // How the run ended, once it has: normally, aborted, or by an error.
    bool RunFailed() const { return failed_; }
    bool RunFinished() const { return finished_; }

public slots:
    void FormActivate();
    void CancelButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void FormCreate();
    bool activated_ = false;
    bool running_ = false;
    bool finished_ = false;
    bool failed_ = false;
    bool closeWhenDone_ = false;
};
