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
#include "printing/SheetJob.h"
#include "printing/SheetJobObserver.h"
#include "printing/SheetMarks.h"
#include "printing/TBaseReport.h"

namespace {

// Releases the item list however the drawing ends.
struct ItemListRelease {
    std::vector<TLabelItemObject>& list;
    ~ItemListRelease() { list.clear(); }
};

} // namespace

SheetRenderer::SheetRenderer(const SheetJob& job, SheetJobObserver* observer)
    : job_(job), geometry_(job.Label.geometry), merge_(job.Merge), observer_(observer) {}

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
    startingNumber_ = text.startingNumber;
    repeatEach_ = text.repeatEach;
    hasCounter_ = std::any_of(items_.begin(), items_.end(), [](const TLabelItemObject& item) {
        return item.Kind == LabelItemKind::Counter;
    });
    return int(items_.size()) - 1;
}

// ---- the sheets ----

void SheetRenderer::PrintLabels(TBaseReport& report) {
    ItemListRelease release{items_};
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
            PrintImage(report, item);
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
            PrintBarcode(report, item);
            break;
        case LabelItemKind::Text:
            PrintText(report, item);
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
void SheetRenderer::PrintText(TBaseReport& report, TLabelItemObject& item) {
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

// The kind of picture follows the file's extension, as on the screen; a missing or
// unreadable file leaves the image out and the rest of the label prints.
void SheetRenderer::PrintImage(TBaseReport& report, const TLabelItemObject& item) {
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
void SheetRenderer::PrintBarcode(TBaseReport& report, const TLabelItemObject& item) {
    const QString data =
        merge_ ? merge_->Substitute(item.Data, BuiltIns())
               : SubstituteFields(item.Data, {}, BuiltIns());
    const QString error = BarcodePrint::Draw(report, item, data);
    if (!error.isEmpty())
        Warn(QStringLiteral("Barcode not printed: %1 (data \"%2\")").arg(error, data));
}

void SheetRenderer::Warn(const QString& warning) {
    if (!warning_.isEmpty())
        return;
    warning_ = warning;
    if (observer_)
        observer_->DrawingWarning(warning);
}
