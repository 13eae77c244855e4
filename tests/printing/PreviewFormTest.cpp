#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QToolButton>
#include <gtest/gtest.h>

#include "RenderProbe.h"
#include "ReportRendering.h"
#include "printing/TFilePreview.h"
#include "printing/TPreviewForm.h"
#include "support/ScriptedPrompter.h"

namespace {

// Letter pages with a 3 x 2 sheet of labels on each.
void Sheets(TBaseReport& report, int pages) {
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            report.NewPage();
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column) {
                report.SetOrigin(0.1875 + column * 2.75, 0.5 + row * 1.0);
                report.SetPen(QColor(0, 0, 128), TPenStyle::Solid, -2);
                report.SetBrush(QColor(255, 255, 200), TReportBrushStyle::Solid);
                report.RoundRect(0.05, 0.05, 2.55, 0.95, 0.3, 0.3);
                report.SetBrush(QColor(200, 0, 0), TReportBrushStyle::FDiagonal);
                report.Rectangle(1.9, 0.2, 2.4, 0.7);
                report.SetFont(QStringLiteral("Arial"), 14);
                report.SetBold(true);
                report.SetFontPlacement(TVerticalPlacement::Top);
                report.PrintXY(0.2, 0.2, QStringLiteral("Page %1").arg(page));
                report.SetFont(QStringLiteral("Arial"), 10);
                report.SetFontPlacement(TVerticalPlacement::Top);
                report.PrintXY(0.2, 0.5,
                               QStringLiteral("Row %1, Column %2").arg(row + 1).arg(column + 1));
            }
    }
}

struct PreviewFixture {
    explicit PreviewFixture(int pages) {
        bytes = ReportRendering::ToStream(
            600, [pages](TBaseReport& r) { Sheets(r, pages); }, 1);
        buffer.setBuffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        form.FilePreview1->Stream = &buffer;
        form.setWindowTitle(QStringLiteral("Preview Labels"));
        form.show();
    }
    QByteArray bytes;
    QBuffer buffer;
    TPreviewForm form;
};

void SaveShot(QWidget& widget, const QString& name) {
    const QString dir = qEnvironmentVariable("QV_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        widget.grab().save(QDir(dir).filePath(name));
}

} // namespace

TEST(PreviewForm, OnePageShowsPageOneOfOneWithoutPagingButtons) {
    PreviewFixture preview(1);
    EXPECT_EQ(preview.form.PageLabel->text(), QStringLiteral("Page 1 of 1"));
    EXPECT_TRUE(preview.form.sbPrevPage->isHidden());
    EXPECT_TRUE(preview.form.sbNextPage->isHidden());
    EXPECT_EQ(preview.form.FilePreview1->ZoomFactor(), 100);
    EXPECT_EQ(preview.form.size(), QSize(608, 424));
    EXPECT_EQ(preview.form.sbZoomPage->geometry(), QRect(93, 8, 25, 25));
    EXPECT_TRUE(preview.form.CloseButton->isDefault());
    SaveShot(preview.form, QStringLiteral("preview-100.png"));

    // The page as shown: letter at 96 pixels per inch, label ink where the stream put it.
    const QImage page = preview.form.FilePreview1->PageImage();
    EXPECT_EQ(page.size(), QSize(816, 1056));
    const QRect firstLabel = RenderProbe::InkBox(page, QRect(0, 0, 270, 150));
    EXPECT_NEAR(firstLabel.left(), qRound((0.1875 + 0.05) * 96), 2);
    EXPECT_NEAR(firstLabel.top(), qRound((0.5 + 0.05) * 96), 2);
}

TEST(PreviewForm, PagingButtonsWalkThePagesAndStopAtTheEnds) {
    PreviewFixture preview(3);
    TPreviewForm& form = preview.form;
    EXPECT_FALSE(form.sbPrevPage->isHidden());
    EXPECT_EQ(form.PageLabel->text(), QStringLiteral("Page 1 of 3"));
    form.SBPrevPageClick();
    EXPECT_EQ(form.PageLabel->text(), QStringLiteral("Page 1 of 3"));
    form.sbNextPage->click();
    EXPECT_EQ(form.PageLabel->text(), QStringLiteral("Page 2 of 3"));
    form.sbNextPageClick();
    form.sbNextPageClick();
    EXPECT_EQ(form.PageLabel->text(), QStringLiteral("Page 3 of 3"));
    form.sbPrevPage->click();
    EXPECT_EQ(form.FilePreview1->CurrentPage(), 2);
}

TEST(PreviewForm, ZoomStepsByTenBetweenTenAndTwoHundred) {
    PreviewFixture preview(1);
    TPreviewForm& form = preview.form;
    for (int i = 0; i < 15; ++i)
        form.sbZoomIn->click();
    EXPECT_EQ(form.FilePreview1->ZoomFactor(), 200);
    EXPECT_EQ(form.FilePreview1->PageImage().width(), 1632);
    form.FilePreview1->SetZoomFactor(100);
    for (int i = 0; i < 12; ++i)
        form.SBZoomOutClick();
    EXPECT_EQ(form.FilePreview1->ZoomFactor(), 10);
    form.FilePreview1->SetZoomFactor(5);
    EXPECT_EQ(form.FilePreview1->ZoomFactor(), 10);
    form.FilePreview1->SetZoomFactor(1000);
    EXPECT_EQ(form.FilePreview1->ZoomFactor(), 200);
}

TEST(PreviewForm, PageWidthFillsTheBoxAndZoomInAddsTenToIt) {
    PreviewFixture preview(1);
    TPreviewForm& form = preview.form;
    form.sbZoomPageWidth->click();
    const double width = form.FilePreview1->ZoomFactor();
    QScrollArea* box = form.ScrollBox1;
    const int bar = box->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int available = box->width() - 2 * box->frameWidth() - bar; // the page is taller
    EXPECT_NEAR(form.FilePreview1->width(), available, 2);
    EXPECT_NEAR(width, 100.0 * available / (8.5 * 96 * 1.05), 0.01);
    form.SBZoomInClick();
    EXPECT_NEAR(form.FilePreview1->ZoomFactor(), width + 10, 1e-9);
    SaveShot(form, QStringLiteral("preview-width.png"));

    form.sbZoomPage->click();
    const double whole = form.FilePreview1->ZoomFactor();
    const int height = box->height() - 2 * box->frameWidth();
    EXPECT_NEAR(whole, 100.0 * height / ((11 + 2 * 8.5 * 0.025) * 96), 0.01);
    EXPECT_LE(form.FilePreview1->height(), height + 1);
    SaveShot(form, QStringLiteral("preview-page.png"));
}

TEST(PreviewForm, ClosingFinishesThePreviewAndHelpAsksForItsTopic) {
    PreviewFixture preview(2);
    ScriptedPrompter prompter;
    preview.form.HelpButton->click();
    ASSERT_EQ(prompter.History().size(), 1u);
    EXPECT_EQ(prompter.History()[0].kind, QStringLiteral("Help"));
    EXPECT_EQ(prompter.History()[0].caption, QStringLiteral("1021"));
    preview.form.CloseButton->click();
    EXPECT_FALSE(preview.form.isVisible());
    EXPECT_FALSE(preview.form.FilePreview1->Active());
}

TEST(PreviewForm, UnreadableStreamIsSaidNotShown) {
    QByteArray bytes("garbage");
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TPreviewForm form;
    form.FilePreview1->Stream = &buffer;
    form.show();
    EXPECT_FALSE(form.FilePreview1->Active());
    EXPECT_TRUE(form.PageLabel->text().contains(QStringLiteral("preview")));
}
