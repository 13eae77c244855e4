#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "document/SheetGeometry.h"
#include "printing/TLabelItemObject.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class ChosenPositions;
class TBaseReport;
class TReportFiler;
class TReportPrinter;

// The status window of a print or preview job, and the drawing of its sheets: it reads the
// label's objects text into print item records, visits every position of every sheet and
// draws the label there through the report engine it is given.
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

    // The counter: 64-bit, so that no starting number overflows.
    qint64 StartingNumber = 0;
    qint64 RepeatEach = 0;
    qint64 CounterValue = 0;
    qint64 RepeatCount = 1;
    // The counter's value for the label being drawn, which "{#}" stands for: taken before
    // the label's counter item (wherever it lies) advances the counter.
    qint64 LabelCounterValue = 0;
    std::vector<TLabelItemObject> ItemList;

    // Draws every sheet of the job: the engine's OnPrint handler.
    void PrintLabels(TBaseReport& report);
    // Draws records 0..lastIndex at the engine's current origin.
    void PrintSingleLabel(TBaseReport& report, int lastIndex);
    // Reads memo into ItemList (and the counter settings); the index of the last record.
    int MakeItemsStringList(const QString& memo);

    // The window.
    QLabel* StatusText;
    QPushButton* CancelButton;
    // One line under the status: the first problem met while drawing (a barcode whose data
    // cannot be encoded); hidden until there is one.
    QLabel* WarningText;
    QString Warning() const { return warning_; }
    // Called with the warning when it is first shown (the batch renderer reports it).
    std::function<void(const QString&)> OnWarning;
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
    void PrintText(TBaseReport& report, TLabelItemObject& item);
    void PrintCounter(TBaseReport& report, const TLabelItemObject& item);
    void PrintSymbol(TBaseReport& report, const TLabelItemObject& item);
    void PrintShape(TBaseReport& report, const TLabelItemObject& item);
    void PrintImage(TBaseReport& report, const TLabelItemObject& item);
    void SetItemPen(TBaseReport& report, const TLabelItemObject& item);
    void SetItemFont(TBaseReport& report, const TLabelItemObject& item, int angle);
    void PrintBarcode(TBaseReport& report, const TLabelItemObject& item);
    void Warn(const QString& warning);

    SheetGeometry geometry_;
    const ChosenPositions& selection_;
    bool activated_ = false;
    bool running_ = false;
    bool finished_ = false;
    bool failed_ = false;
    bool closeWhenDone_ = false;
    QString warning_;
};
