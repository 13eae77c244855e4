#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "printing/SheetJobObserver.h"

class QLabel;
class QPushButton;
struct SheetJob;
class TBaseReport;
class TReportFiler;
class TReportPrinter;

// The status window of a print or preview job: a view of the sheet job it runs on one of its
// two engines (the printer or the preview stream), showing the progress and offering to
// cancel. The drawing itself is the job's own runner, as for every other output.
class TLabelPrint : public QDialog, private SheetJobObserver {
    Q_OBJECT
public:
    // job is read when the window runs it and must outlive the window; printing chooses the
    // printer (true) or the preview stream (false), which is prepared for the job here.
    TLabelPrint(const SheetJob& job, bool printing, QWidget* parent = nullptr);
    ~TLabelPrint() override;

    // The job the window runs.
    const SheetJob& Job() const { return job_; }
    bool IsPrinting = false; // printer (true) or preview (false)
    bool Cancelled = false;
    // Lets pending window messages through after each label; replaceable for tests.
    std::function<void()> ProcessMessages;
    // A line shown under the final status; the window then stays open until closed, as it
    // does after a drawing warning.
    QString Warning;

    // The window.
    QLabel* StatusText;
    QPushButton* CancelButton;
    // One line under the status: the renderer's first drawing problem (a barcode whose data
    // cannot be encoded); hidden until there is one.
    QLabel* WarningText;
    QString DrawingWarning() const { return drawingWarning_; }
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
    // The job's observer: messages through after each label, the warning line shown.
    bool LabelDrawn() override;
    void DrawingWarning(const QString& warning) override;

    const SheetJob& job_;
    QString drawingWarning_;
    bool activated_ = false;
    bool running_ = false;
    bool finished_ = false;
    bool failed_ = false;
    bool closeWhenDone_ = false;
};
