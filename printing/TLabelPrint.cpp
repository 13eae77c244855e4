#include "printing/TLabelPrint.h"

#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include <exception>

#include "printing/SheetJob.h"
#include "printing/SheetRenderer.h"
#include "printing/TReportFiler.h"
#include "printing/TReportPrinter.h"
#include "storage/TableErrorText.h"
#include "ui/Prompter.h"

namespace {

// A job engine that shows its progress in the status text.
void SetUpStatusEngine(TBaseReport& report, const QString& statusFormat, QLabel* status) {
    SheetRenderer::SetUpEngine(report);
    report.StatusFormat = statusFormat;
    report.StatusLabel = status;
}

} // namespace

TLabelPrint::TLabelPrint(const SheetJob& job, bool printing, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      IsPrinting(printing), job_(job) {
    setWindowTitle(tr("Print Status Screen"));
    setFixedSize(364, 130);
    QFont bold(QStringLiteral("Arial"));
    bold.setBold(true);

    StatusText = new QLabel(this);
    StatusText->setObjectName(QStringLiteral("StatusText"));
    StatusText->setGeometry(1, 1, 361, 78);
    StatusText->setFrameShape(QFrame::Box);
    StatusText->setAlignment(Qt::AlignCenter);
    StatusText->setFont(bold);

    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(144, 92, 75, 25);
    CancelButton->setFont(bold);
    connect(CancelButton, &QPushButton::clicked, this, &TLabelPrint::CancelButtonClick);

    WarningText = new QLabel(this);
    WarningText->setObjectName(QStringLiteral("WarningText"));
    WarningText->setGeometry(4, 82, 356, 18);
    WarningText->setAlignment(Qt::AlignCenter);
    WarningText->setStyleSheet(QStringLiteral("color: #a00000"));
    WarningText->hide();

    LabelReportPrinter = std::make_unique<TReportPrinter>();
    SetUpStatusEngine(*LabelReportPrinter, tr("Printing Page %p"), StatusText);
    LabelReportFiler = std::make_unique<TReportFiler>();
    SetUpStatusEngine(*LabelReportFiler, tr("Printing page %p"), StatusText);
    LabelReportFiler->AccuracyMethod = TReportFiler::TAccuracyMethod::Positioning;
    LabelReportFiler->StreamMode = TReportFiler::TStreamMode::User;
    // Each page of the job goes to the device once; the sheets are the copies.
    if (TReportPrinter::PrintersInstalled())
        LabelReportPrinter->SetCopies(1);

    job_.Prepare(Engine());
    ProcessMessages = [] { QCoreApplication::processEvents(); };
    FormCreate();
}

TLabelPrint::~TLabelPrint() = default;

void TLabelPrint::FormCreate() {
    Cancelled = false;
}

TBaseReport& TLabelPrint::Engine() const {
    if (IsPrinting)
        return *LabelReportPrinter;
    return *LabelReportFiler;
}

bool TLabelPrint::LabelDrawn() {
    if (ProcessMessages)
        ProcessMessages();
    return !Cancelled;
}

// The window grows by the line; the cancel button moves below it.
void TLabelPrint::DrawingWarning(const QString& warning) {
    drawingWarning_ = warning;
    WarningText->setText(fontMetrics().elidedText(warning, Qt::ElideRight, WarningText->width()));
    WarningText->setToolTip(warning);
    setFixedSize(width(), 150);
    CancelButton->move(CancelButton->x(), 112);
    WarningText->show();
}

// ---- the window ----

void TLabelPrint::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        // Let the window paint before the job takes over.
        QTimer::singleShot(0, this, &TLabelPrint::FormActivate);
    }
}

void TLabelPrint::FormActivate() {
    TBaseReport& engine = Engine();
    running_ = true;
    try {
        job_.Run(engine, this);
    } catch (const std::exception& error) {
        failed_ = true;
        ShowRuntimeError(TableErrorText::Of(error));
    }
    running_ = false;
    finished_ = true;
    QString line;
    if (failed_ && !engine.Aborted())
        line = IsPrinting ? tr("Label Print Failed!") : tr("Label Preview Failed!");
    else if (engine.Aborted())
        line = IsPrinting ? tr("Label Print Canceled!") : tr("Label Preview Canceled!");
    else
        line = IsPrinting ? tr("Label Print Completed!") : tr("Label Preview Ready!");
    if (!Warning.isEmpty() && !failed_ && !engine.Aborted()) {
        line += QStringLiteral("\n") + Warning;
        CancelButton->setText(tr("Close"));
    }
    StatusText->setText(QStringLiteral("\n") + line);
    if (closeWhenDone_)
        QDialog::reject();
    else if (!failed_ && !engine.Aborted() && !DrawingWarning().isEmpty())
        CancelButton->setText(tr("Close")); // the warning stays until read
    else if (!failed_ && Warning.isEmpty())
        QMetaObject::invokeMethod(this, &QDialog::accept, Qt::QueuedConnection);
}

void TLabelPrint::CancelButtonClick() {
    // A finished job that left a warning to read closes without a question.
    if (finished_ && !failed_ && (!Warning.isEmpty() || !DrawingWarning().isEmpty())) {
        QDialog::accept();
        return;
    }
    const QString question = IsPrinting ? tr("Cancel Label Printing?") : tr("Cancel Preview?");
    if (AskYesNo(question, tr("Cancel"))) {
        Cancelled = true;
        if (IsPrinting)
            LabelReportPrinter->AbandonNow();
        Engine().Abort();
    }
    // The button closes the window, once the run has returned.
    if (running_)
        closeWhenDone_ = true;
    else
        QDialog::reject();
}

// Esc is the cancel button.
void TLabelPrint::reject() {
    CancelButtonClick();
}
