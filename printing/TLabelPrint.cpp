#include "printing/TLabelPrint.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <exception>

#include "controls/ColorValue.h"
#include "controls/Picture.h"
#include "designer/Prompter.h"
#include "document/ChosenPositions.h"
#include "document/MergeFields.h"
#include "document/PrintItemsReader.h"
#include "printing/BarcodePrint.h"
#include "printing/TReportFiler.h"
#include "printing/TReportPrinter.h"

namespace {

// Releases the item list however the drawing ends.
struct ItemListRelease {
    std::vector<TLabelItemObject>& list;
    ~ItemListRelease() { list.clear(); }
};

void SetUpEngine(TBaseReport& report, const QString& statusFormat, QLabel* status) {
    report.StatusFormat = statusFormat;
    report.StatusLabel = status;
    report.UnitsFactor = 1.0;
    report.MarginLeft = report.MarginTop = report.MarginRight = report.MarginBottom = 0.5;
    report.Title = QStringLiteral("Test Report");
    report.ScaleX = report.ScaleY = 100;
}

} // namespace

TLabelPrint::TLabelPrint(const SheetGeometry& geometry, const ChosenPositions& selection,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      geometry_(geometry), selection_(selection) {
    setWindowTitle(QStringLiteral("Print Status Screen"));
    setFixedSize(364, 130);
    QFont bold(QStringLiteral("Arial"));
    bold.setBold(true);

    StatusText = new QLabel(this);
    StatusText->setObjectName(QStringLiteral("StatusText"));
    StatusText->setGeometry(1, 1, 361, 78);
    StatusText->setFrameShape(QFrame::Box);
    StatusText->setAlignment(Qt::AlignCenter);
    StatusText->setFont(bold);

    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
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

    ObjectsMemo = new QPlainTextEdit(this);
    ObjectsMemo->setObjectName(QStringLiteral("ObjectsMemo"));
    ObjectsMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    ObjectsMemo->hide();

    LabelReportPrinter = std::make_unique<TReportPrinter>();
    SetUpEngine(*LabelReportPrinter, QStringLiteral("Printing Page %p"), StatusText);
    LabelReportFiler = std::make_unique<TReportFiler>();
    SetUpEngine(*LabelReportFiler, QStringLiteral("Printing page %p"), StatusText);
    LabelReportFiler->AccuracyMethod = TReportFiler::TAccuracyMethod::Positioning;
    LabelReportFiler->StreamMode = TReportFiler::TStreamMode::User;
    // Each page of the job goes to the device once; the sheets are the copies.
    if (TReportPrinter::PrintersInstalled())
        LabelReportPrinter->SetCopies(1);

    ProcessMessages = [] { QCoreApplication::processEvents(); };
    FormCreate();
}

TLabelPrint::~TLabelPrint() = default;

void TLabelPrint::FormCreate() {
    ObjectsMemo->move(0, height() + 50);
    Cancelled = false;
}

TBaseReport& TLabelPrint::Engine() const {
    if (IsPrinting)
        return *LabelReportPrinter;
    return *LabelReportFiler;
}

// ---- reading ----

int TLabelPrint::MakeItemsStringList(const QString& memo) {
    const PrintItemsText text = ReadPrintItems(memo);
    ItemList.clear();
    ItemList.reserve(text.items.size());
    for (const PrintItemValue& value : text.items)
        ItemList.push_back(TLabelItemObject::From(value));
    StartingNumber = text.startingNumber;
    RepeatEach = text.repeatEach;
    return int(ItemList.size()) - 1;
}

// ---- the sheets ----

void TLabelPrint::PrintLabels(TBaseReport& report) {
    ItemListRelease release{ItemList};
    const int lastIndex = MakeItemsStringList(ObjectsMemo->toPlainText());
    CounterValue = StartingNumber;
    RepeatCount = 1;
    const int across = geometry_.labelsAcross;
    for (int page = 1; page <= PageCount; ++page) {
        for (int row = 0; row < geometry_.labelsDown; ++row)
            for (int column = 0; column < across; ++column) {
                if (selection_.SpecificLabelsChosen &&
                    !selection_.isSelected(row * across + column))
                    continue;
                report.SetOrigin(
                    column * double(geometry_.horizontalPitch) + double(geometry_.leftMargin),
                    row * double(geometry_.verticalPitch) + double(geometry_.topMargin));
                report.Home();
                report.ResetSection();
                PrintSingleLabel(report, lastIndex);
                if (ProcessMessages)
                    ProcessMessages();
                if (Cancelled)
                    return;
            }
        if (page < PageCount)
            report.NewPage();
    }
}

void TLabelPrint::PrintSingleLabel(TBaseReport& report, int lastIndex) {
    lastIndex = std::min(lastIndex, int(ItemList.size()) - 1);
    LabelCounterValue = CounterValue;
    for (int i = 0; i <= lastIndex; ++i) {
        TLabelItemObject& item = ItemList[i];
        switch (item.Kind) {
        case TLabelItemObject::CounterItem:
            PrintCounter(report, item);
            break;
        case TLabelItemObject::SymbolItem:
            PrintSymbol(report, item);
            break;
        case TLabelItemObject::RectangleItem:
        case TLabelItemObject::RoundRectangleItem:
        case TLabelItemObject::EllipseItem:
            PrintShape(report, item);
            break;
        case TLabelItemObject::ImageItem:
            PrintImage(report, item);
            break;
        case TLabelItemObject::VerticalLineItem:
            SetItemPen(report, item);
            report.MoveTo(item.Left, item.Top);
            report.LineTo(item.Left, item.Top + item.Height);
            break;
        case TLabelItemObject::HorizontalLineItem:
            SetItemPen(report, item);
            report.MoveTo(item.Left, item.Top);
            report.LineTo(item.Left + item.Width, item.Top);
            break;
        case TLabelItemObject::BarcodeItem:
            PrintBarcode(report, item);
            break;
        default:
            PrintText(report, item);
            break;
        }
    }
}

void TLabelPrint::SetItemFont(TBaseReport& report, const TLabelItemObject& item, int angle) {
    report.SetFont(item.FontName, item.FontSize);
    report.SetBold(item.Bold);
    report.SetItalic(item.Italic);
    report.SetUnderline(item.Underline);
    report.SetFontRotation(angle);
    report.SetFontColor(ColorValueToQColor(item.FontColor));
    report.SetFontPlacement(TVerticalPlacement::Top);
}

// The text starts at its origin inside the box, half a descent below the cell's top
// (less the internal leading); a turned text turns about that point.
void TLabelPrint::PrintText(TBaseReport& report, TLabelItemObject& item) {
    if (item.Angle < 0)
        item.Angle += 360;
    SetItemFont(report, item, item.Angle);
    const double ascent = report.FontAscent();
    const double descent = report.FontDescent();
    report.GotoXY(item.Left + item.RelativeX,
                  item.Top + item.RelativeY + (ascent + descent) - 0.5 * descent);
    report.Print(item.Text);
    report.SetFontRotation(0);
}

void TLabelPrint::PrintCounter(TBaseReport& report, const TLabelItemObject& item) {
    SetItemFont(report, item, item.Angle);
    report.PrintXY(item.Left + item.RelativeX, item.Top + item.RelativeY + report.FontSize(),
                   QString::number(CounterValue));
    report.SetFontRotation(0);
    ++RepeatCount;
    if (RepeatCount > RepeatEach) {
        RepeatCount = 1;
        ++CounterValue;
    }
}

void TLabelPrint::PrintSymbol(TBaseReport& report, const TLabelItemObject& item) {
    report.SetFont(QStringLiteral("WingDings"), item.FontSize);
    report.SetFontColor(ColorValueToQColor(item.FontColor));
    report.SetFontPlacement(TVerticalPlacement::Top);
    if (item.AsciiChar > 0 && item.AsciiChar < 256)
        report.PrintXY(item.Left, item.Top + report.FontSize(), QString(QChar(item.AsciiChar)));
}

void TLabelPrint::SetItemPen(TBaseReport& report, const TLabelItemObject& item) {
    report.SetPen(ColorValueToQColor(item.LineColor), TPenStyle::Solid, item.PenWidth,
                  TPenMode::Copy);
}

void TLabelPrint::PrintShape(TBaseReport& report, const TLabelItemObject& item) {
    SetItemPen(report, item);
    const auto style = item.BrushStyle <= 7 ? TBrushStyle(item.BrushStyle) : TBrushStyle::Clear;
    report.SetBrush(ColorValueToQColor(item.Color), style);
    const double right = item.Left + item.Width, bottom = item.Top + item.Height;
    if (item.Kind == TLabelItemObject::RectangleItem) {
        report.Rectangle(item.Left, item.Top, right, bottom);
    } else if (item.Kind == TLabelItemObject::RoundRectangleItem) {
        const double r = item.Rounding * 0.01 * std::max(item.Width, item.Height);
        report.RoundRect(item.Left, item.Top, right, bottom, r, r);
    } else {
        report.Ellipse(item.Left, item.Top, right, bottom);
    }
}

// The kind of picture follows the file's extension, as on the screen; a missing or
// unreadable file leaves the image out and the rest of the label prints.
void TLabelPrint::PrintImage(TBaseReport& report, const TLabelItemObject& item) {
    const QString suffix = QFileInfo(item.FileName).suffix().toUpper();
    if (suffix != QLatin1String("BMP") && suffix != QLatin1String("WMF"))
        return;
    try {
        const Picture picture = Picture::fromFile(item.FileName);
        if (picture.isNull())
            return;
        report.StretchDrawPicture(
            report.CreateRect(item.Left, item.Top, item.Left + item.Width, item.Top + item.Height),
            picture);
    } catch (const std::exception&) {
        // A damaged picture is left out like a missing one.
    }
}

void TLabelPrint::PrintBarcode(TBaseReport& report, const TLabelItemObject& item) {
    const FieldLookup fields = [this](const QString& name) -> std::optional<QString> {
        if (name == QStringView(kCounterFieldName))
            return QString::number(LabelCounterValue);
        return std::nullopt;
    };
    const QString data = SubstituteMergeFields(item.Data, fields);
    const QString error = BarcodePrint::Draw(report, item, data);
    if (!error.isEmpty())
        Warn(QStringLiteral("Barcode not printed: %1 (data \"%2\")").arg(error, data));
}

// Only the first warning of a job is shown: one line, however many labels it concerns.
void TLabelPrint::Warn(const QString& warning) {
    if (!warning_.isEmpty())
        return;
    warning_ = warning;
    WarningText->setText(fontMetrics().elidedText(warning, Qt::ElideRight, WarningText->width()));
    WarningText->setToolTip(warning);
    // The window grows by the line; the cancel button moves below it.
    setFixedSize(width(), 150);
    CancelButton->move(CancelButton->x(), 112);
    WarningText->show();
    if (OnWarning)
        OnWarning(warning);
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
    engine.OnPrint = [this](TBaseReport& report) { PrintLabels(report); };
    running_ = true;
    try {
        engine.Execute();
    } catch (const std::exception& error) {
        failed_ = true;
        ShowRuntimeError(QString::fromUtf8(error.what()));
    }
    running_ = false;
    finished_ = true;
    QString line;
    if (failed_ && !engine.Aborted())
        line = IsPrinting ? QStringLiteral("Label Print Failed!")
                          : QStringLiteral("Label Preview Failed!");
    else if (engine.Aborted())
        line = IsPrinting ? QStringLiteral("Label Print Canceled!")
                          : QStringLiteral("Label Preview Canceled!");
    else
        line = IsPrinting ? QStringLiteral("Label Print Completed!")
                          : QStringLiteral("Label Preview Ready!");
    StatusText->setText(QStringLiteral("\n") + line);
    if (closeWhenDone_)
        QDialog::reject();
    else if (!failed_ && !warning_.isEmpty())
        CancelButton->setText(QStringLiteral("Close")); // the warning stays until read
    else if (!failed_)
        QMetaObject::invokeMethod(this, &QDialog::accept, Qt::QueuedConnection);
}

void TLabelPrint::CancelButtonClick() {
    if (finished_ && !failed_ && !warning_.isEmpty()) {
        QDialog::accept();
        return;
    }
    const QString question =
        IsPrinting ? QStringLiteral("Cancel Label Printing?") : QStringLiteral("Cancel Preview?");
    if (AskYesNo(question, QStringLiteral("Cancel"))) {
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
