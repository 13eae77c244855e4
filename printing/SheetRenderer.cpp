#include "printing/SheetRenderer.h"

#include <QFileInfo>

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "document/ChosenPositions.h"
#include "document/MergeFields.h"
#include "document/PrintItemsReader.h"
#include "merge/MergeRun.h"
#include "printing/SheetJob.h"
#include "printing/SheetJobObserver.h"
#include "printing/SheetMarks.h"
#include "printing/TBaseReport.h"
#include <QCoreApplication>

namespace {

// Releases the item list however the drawing ends.
struct ItemListRelease {
    std::vector<PrintItemValue>& list;
    ~ItemListRelease() { list.clear(); }
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

} // namespace

SheetRenderer::SheetRenderer(const SheetJob& job, SheetJobObserver* observer)
    : job_(job), geometry_(job.Label.geometry), merge_(job.Merge), observer_(observer),
      pictures_(PictureFolders(job)) {}

void SheetRenderer::SetUpEngine(TBaseReport& engine) {
    engine.UnitsFactor = 1.0;
    engine.MarginLeft = engine.MarginTop = engine.MarginRight = engine.MarginBottom = 0.5;
    engine.Title = QCoreApplication::translate("SheetRenderer", "Test Report");
    engine.ScaleX = engine.ScaleY = 100;
}

// ---- reading ----

int SheetRenderer::MakeItemsStringList(const QString& memo) {
    PrintItemsText text = ReadPrintItems(memo);
    items_ = std::move(text.items);
    startingNumber_ = text.startingNumber;
    repeatEach_ = text.repeatEach;
    hasCounter_ = std::any_of(items_.begin(), items_.end(), [](const PrintItemValue& item) {
        return item.kind == LabelItemKind::Counter;
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

// Each item is drawn by its kind's printing part.
void SheetRenderer::PrintSingleLabel(TBaseReport& report, int lastIndex) {
    lastIndex = std::min(lastIndex, int(items_.size()) - 1);
    labelCounterValue_ = counterValue_;
    ++labelNumber_;
    labelWarnings_.clear();
    for (int i = 0; i <= lastIndex; ++i) {
        const PrintItemValue& item = items_[size_t(i)];
        ItemPrint(item.kind).draw(report, item, *this);
    }
}

BuiltInFieldValues SheetRenderer::BuiltIns() const {
    return {clock_.date(), clock_.time(), hasCounter_ ? labelCounterValue_ : labelNumber_};
}

// With a merge run a text takes the record's fields; without one only the built-in fields
// are filled in and the rest prints as typed.
QString SheetRenderer::TextOf(const QString& text) {
    if (!text.contains(u'{') && !text.contains(u'}'))
        return text;
    return merge_ ? merge_->Substitute(text, BuiltIns())
                  : SubstituteBuiltInFields(text, BuiltIns());
}

// A barcode's data takes the fields as a text does, but braces always count: "{{" is one.
QString SheetRenderer::DataOf(const QString& data) {
    return merge_ ? merge_->Substitute(data, BuiltIns()) : SubstituteFields(data, {}, BuiltIns());
}

void SheetRenderer::AdvanceCounter() {
    ++repeatCount_;
    if (repeatCount_ > repeatEach_) {
        repeatCount_ = 1;
        ++counterValue_;
    }
}

// Each label's problem once, as a line naming its record; the job's first problem is also
// its one-line warning.
void SheetRenderer::Warn(const QString& problem) {
    if (labelWarnings_.contains(problem))
        return;
    const QString subject =
        merge_
            ? QCoreApplication::translate("SheetRenderer", "Record %1").arg(merge_->CurrentRecord())
            : QCoreApplication::translate("SheetRenderer", "Label %1").arg(labelNumber_);
    if (observer_ && labelWarnings_.isEmpty())
        observer_->WarnedLabel(subject);
    labelWarnings_.append(problem);
    const QString line = subject + QStringLiteral(": ") + problem;
    if (observer_)
        observer_->LabelWarning(line);
    if (!warning_.isEmpty())
        return;
    warning_ = line;
    if (observer_)
        observer_->DrawingWarning(line);
}
