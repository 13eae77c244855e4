#include "printing/SheetRenderer.h"

#include <QFileInfo>

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "document/ColorValue.h"
#include "controls/Picture.h"
#include "controls/RotatedTextPlacement.h"
#include "document/ChosenPositions.h"
#include "document/MergeFields.h"
#include "document/PrintItemsReader.h"
#include "merge/MergeRun.h"
#include "printing/BarcodePrint.h"
#include "printing/PrintableText.h"
#include "printing/TextBoxPrint.h"
#include "printing/SheetJob.h"
#include "printing/SheetJobObserver.h"
#include "printing/SheetMarks.h"
#include "printing/TBaseReport.h"

namespace {

// Releases the item list however the drawing ends.
struct ItemListRelease {
    std::vector<TLabelItemObject>& list;
    std::vector<PrintItemValue>& values;
    ~ItemListRelease() {
        list.clear();
        values.clear();
    }
};

// A relative picture name is looked for beside the merge source's file first.
QStringList PictureFolders(const SheetJob& job) {
    QStringList folders = job.PictureFolders;
    if (job.Merge) {
        const QFileInfo source(job.Merge->SourceFileName());
        if (source.isFile())
            folders.prepend(source.absolutePath());
    }
    return folders;
}

// What a label's problem says of the text it concerns: the text as typed, on one line.
QString Quoted(const QString& typed) {
    QString text = typed;
    text.replace(u'\n', QStringLiteral(" / "));
    return text.size() > 60 ? text.left(57) + QStringLiteral("...") : text;
}

} // namespace

SheetRenderer::SheetRenderer(const SheetJob& job, SheetJobObserver* observer)
    : job_(job), geometry_(job.Label.geometry), merge_(job.Merge), observer_(observer),
      pictures_(PictureFolders(job)) {}

void SheetRenderer::SetUpEngine(TBaseReport& engine) {
    engine.UnitsFactor = 1.0;
    engine.MarginLeft = engine.MarginTop = engine.MarginRight = engine.MarginBottom = 0.5;
    engine.Title = QStringLiteral("Test Report");
    engine.ScaleX = engine.ScaleY = 100;
}

// ---- reading ----

int SheetRenderer::MakeItemsStringList(const QString& memo) {
    const PrintItemsText text = ReadPrintItems(memo);
    items_.clear();
    items_.reserve(text.items.size());
    for (const PrintItemValue& value : text.items)
        items_.push_back(TLabelItemObject::From(value));
    values_ = text.items;
    startingNumber_ = text.startingNumber;
    repeatEach_ = text.repeatEach;
    hasCounter_ = std::any_of(items_.begin(), items_.end(), [](const TLabelItemObject& item) {
        return item.Kind == LabelItemKind::Counter;
    });
    return int(items_.size()) - 1;
}

// ---- the sheets ----

void SheetRenderer::PrintLabels(TBaseReport& report) {
    ItemListRelease release{items_, values_};
    const int lastIndex = MakeItemsStringList(job_.ObjectsText);
    counterValue_ = startingNumber_;
    repeatCount_ = 1;
    labelNumber_ = 0;
    clock_ = job_.Clock.isValid() ? job_.Clock : QDateTime::currentDateTime();
    const ChosenPositions& selection = job_.Selection;
    const int across = geometry_.labelsAcross;
    long long pages = job_.Sheets;
    if (merge_) {
        const QString tooMany = merge_->SheetLimitError(geometry_, selection);
        if (!tooMany.isEmpty())
            throw std::runtime_error(tooMany.toStdString());
        merge_->Start();
        pages = merge_->SheetsFor(MergeRun::PositionsPerSheet(geometry_, selection));
    }
    for (long long page = 1; page <= pages; ++page) {
        if (job_.Options.CropMarks) {
            report.SetOrigin(0, 0);
            report.Home();
            SheetMarks::DrawCropMarks(report, geometry_);
        }
        for (int row = 0; row < geometry_.labelsDown; ++row)
            for (int column = 0; column < across; ++column) {
                if (selection.SpecificLabelsChosen && !selection.isSelected(row * across + column))
                    continue;
                if (merge_ && !merge_->NextPosition())
                    return;
                report.SetOrigin(
                    column * double(geometry_.horizontalPitch) + double(geometry_.leftMargin),
                    row * double(geometry_.verticalPitch) + double(geometry_.topMargin));
                report.Home();
                report.ResetSection();
                PrintSingleLabel(report, lastIndex);
                if (job_.Options.Outlines)
                    SheetMarks::DrawOutline(report, geometry_, 0, 0);
                if (observer_ && !observer_->LabelDrawn())
                    return;
            }
        if (page < pages)
            report.NewPage();
    }
}

void SheetRenderer::PrintSingleLabel(TBaseReport& report, int lastIndex) {
    lastIndex = std::min(lastIndex, int(items_.size()) - 1);
    labelCounterValue_ = counterValue_;
    ++labelNumber_;
    labelWarnings_.clear();
    for (int i = 0; i <= lastIndex; ++i) {
        TLabelItemObject& item = items_[i];
        switch (item.Kind) {
        case LabelItemKind::Counter:
            PrintCounter(report, item);
            break;
        case LabelItemKind::Symbol:
            PrintSymbol(report, item);
            break;
        case LabelItemKind::Rectangle:
        case LabelItemKind::RoundRectangle:
        case LabelItemKind::Ellipse:
            PrintShape(report, item);
            break;
        case LabelItemKind::Image:
            PrintImage(report, values_[i]);
            break;
        case LabelItemKind::VerticalLine:
            SetItemPen(report, item);
            report.MoveTo(item.Left, item.Top);
            report.LineTo(item.Left, item.Top + item.Height);
            break;
        case LabelItemKind::HorizontalLine:
            SetItemPen(report, item);
            report.MoveTo(item.Left, item.Top);
            report.LineTo(item.Left + item.Width, item.Top);
            break;
        case LabelItemKind::Barcode:
            PrintBarcode(report, values_[i]);
            break;
        case LabelItemKind::Text:
            PrintText(report, item, values_[i]);
            break;
        }
    }
}

void SheetRenderer::SetItemFont(TBaseReport& report, const TLabelItemObject& item, int angle) {
    report.SetFont(item.FontName, item.FontSize);
    report.SetBold(item.Bold);
    report.SetItalic(item.Italic);
    report.SetUnderline(item.Underline);
    report.SetFontRotation(angle);
    report.SetFontColor(ColorValueToQColor(item.FontColor));
    report.SetFontPlacement(TVerticalPlacement::Top);
}

// The text starts at its origin inside the box, half a descent below the cell's top
// (less the internal leading); a turned text turns about its cell's corner, as on screen.
void SheetRenderer::PrintText(TBaseReport& report, TLabelItemObject& item,
                              const PrintItemValue& value) {
    if (IsLaidOutText(value)) {
        const QStringList lines =
            FilledTextLines(value, [this](const QString& line) { return Substituted(line); });
        if (!PrintTextLines(report, value, lines) && value.textBox.box)
            WarnLabel(QStringLiteral("the text \"%1\" does not fit its box").arg(Quoted(value.text)));
        return;
    }
    if (item.Angle < 0)
        item.Angle += 360;
    SetItemFont(report, item, item.Angle);
    const double ascent = report.FontAscent();
    const double descent = report.FontDescent();
    const QPointF at = RotatedTextCursor({item.Left + item.RelativeX, item.Top + item.RelativeY},
                                         (ascent + descent) - 0.5 * descent, item.Angle);
    report.GotoXY(at.x(), at.y());
    report.Print(PrintableText(Substituted(item.Text)));
    report.SetFontRotation(0);
}

void SheetRenderer::PrintCounter(TBaseReport& report, const TLabelItemObject& item) {
    SetItemFont(report, item, item.Angle);
    const QPointF at = RotatedTextCursor({item.Left + item.RelativeX, item.Top + item.RelativeY},
                                         report.FontSize(), item.Angle);
    report.PrintXY(at.x(), at.y(), QString::number(counterValue_));
    report.SetFontRotation(0);
    ++repeatCount_;
    if (repeatCount_ > repeatEach_) {
        repeatCount_ = 1;
        ++counterValue_;
    }
}

void SheetRenderer::PrintSymbol(TBaseReport& report, const TLabelItemObject& item) {
    report.SetFont(QStringLiteral("WingDings"), item.FontSize);
    report.SetFontColor(ColorValueToQColor(item.FontColor));
    report.SetFontPlacement(TVerticalPlacement::Top);
    if (item.AsciiChar > 0 && item.AsciiChar < 256)
        report.PrintXY(item.Left, item.Top + report.FontSize(), QString(QChar(item.AsciiChar)));
}

void SheetRenderer::SetItemPen(TBaseReport& report, const TLabelItemObject& item) {
    report.SetPen(ColorValueToQColor(item.LineColor), TPenStyle::Solid, item.PenWidth,
                  TPenMode::Copy);
}

void SheetRenderer::PrintShape(TBaseReport& report, const TLabelItemObject& item) {
    SetItemPen(report, item);
    report.SetBrush(ColorValueToQColor(item.Color), item.BrushStyle);
    const double right = item.Left + item.Width, bottom = item.Top + item.Height;
    if (item.Kind == LabelItemKind::Rectangle) {
        report.Rectangle(item.Left, item.Top, right, bottom);
    } else if (item.Kind == LabelItemKind::RoundRectangle) {
        const double r = item.Rounding * 0.01 * std::max(item.Width, item.Height);
        report.RoundRect(item.Left, item.Top, right, bottom, r, r);
    } else {
        report.Ellipse(item.Left, item.Top, right, bottom);
    }
}

// The file name may hold fields ("photos/{Id}.jpg"); a missing or unreadable picture prints
// a placeholder, the rest of the label prints, and the label's warning names the file.
void SheetRenderer::PrintImage(TBaseReport& report, const PrintItemValue& value) {
    const QString error = pictures_.Draw(report, value, Substituted(value.fileName));
    if (!error.isEmpty())
        WarnLabel(error);
}

BuiltInFieldValues SheetRenderer::BuiltIns() const {
    return {clock_.date(), clock_.time(), hasCounter_ ? labelCounterValue_ : labelNumber_};
}

// With a merge run a text takes the record's fields; without one only the built-in fields
// are filled in and the rest prints as typed.
QString SheetRenderer::Substituted(const QString& text) const {
    if (!text.contains(u'{') && !text.contains(u'}'))
        return text;
    return merge_ ? merge_->Substitute(text, BuiltIns()) : SubstituteBuiltInFields(text, BuiltIns());
}

// A barcode's data takes the fields as a text does, but braces always count: "{{" is one.
void SheetRenderer::PrintBarcode(TBaseReport& report, const PrintItemValue& value) {
    const QString data =
        merge_ ? merge_->Substitute(value.data, BuiltIns())
               : SubstituteFields(value.data, {}, BuiltIns());
    const QString error = BarcodePrint::Draw(report, value, data);
    if (!error.isEmpty())
        WarnLabel(QStringLiteral("barcode not printed: %1 (data \"%2\")").arg(error, data));
}

void SheetRenderer::WarnLabel(const QString& problem) {
    if (labelWarnings_.contains(problem))
        return;
    labelWarnings_.append(problem);
    const QString line = merge_ ? QStringLiteral("Record %1: %2").arg(merge_->CurrentRecord()).arg(problem)
                                : QStringLiteral("Label %1: %2").arg(labelNumber_).arg(problem);
    Warn(line);
    if (observer_)
        observer_->LabelWarning(line);
}

void SheetRenderer::Warn(const QString& warning) {
    if (!warning_.isEmpty())
        return;
    warning_ = warning;
    if (observer_)
        observer_->DrawingWarning(warning);
}
