#include "printing/TPreviewForm.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QWhatsThis>

#include "printing/TFilePreview.h"
#include "ui/Prompter.h"

namespace {

constexpr int kClientWidth = 608;
constexpr int kClientHeight = 424;
constexpr int kPanelHeight = 41;

// The speed buttons' glyphs, drawn rather than shipped as files.
enum class Glyph { ZoomIn, ZoomOut, PageWidth, WholePage, Previous, Next };

QIcon MakeIcon(Glyph glyph) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen ink(QColor(30, 30, 30), 1.5);
    p.setPen(ink);
    switch (glyph) {
    case Glyph::ZoomIn:
    case Glyph::ZoomOut:
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
        p.setPen(QPen(QColor(30, 30, 30), 2.5));
        p.drawLine(QPointF(9.5, 9.5), QPointF(14.5, 14.5));
        p.setPen(ink);
        p.drawLine(QPointF(3.5, 6), QPointF(8.5, 6));
        if (glyph == Glyph::ZoomIn)
            p.drawLine(QPointF(6, 3.5), QPointF(6, 8.5));
        break;
    case Glyph::PageWidth:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 1.5, 9, 13));
        p.drawLine(QPointF(0.5, 8), QPointF(15.5, 8));
        p.drawLine(QPointF(0.5, 8), QPointF(2.5, 6));
        p.drawLine(QPointF(0.5, 8), QPointF(2.5, 10));
        p.drawLine(QPointF(15.5, 8), QPointF(13.5, 6));
        p.drawLine(QPointF(15.5, 8), QPointF(13.5, 10));
        break;
    case Glyph::WholePage:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 1.5, 9, 13));
        p.drawLine(QPointF(5.5, 5), QPointF(10.5, 5));
        p.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
        p.drawLine(QPointF(5.5, 11), QPointF(9, 11));
        break;
    case Glyph::Previous:
    case Glyph::Next: {
        QPainterPath arrow;
        const bool left = glyph == Glyph::Previous;
        arrow.moveTo(left ? 11 : 5, 3);
        arrow.lineTo(left ? 4 : 12, 8);
        arrow.lineTo(left ? 11 : 5, 13);
        arrow.closeSubpath();
        p.fillPath(arrow, QColor(30, 30, 30));
        break;
    }
    }
    return QIcon(pixmap);
}

} // namespace

TPreviewForm::TPreviewForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(tr("Label Preview"));
    setFixedSize(kClientWidth, kClientHeight);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(0, 0, kClientWidth, kClientHeight - kPanelHeight);
    ScrollBox1->setBackgroundRole(QPalette::Dark);

    BottomPanel = new QFrame(this);
    BottomPanel->setObjectName(QStringLiteral("BottomPanel"));
    BottomPanel->setGeometry(0, kClientHeight - kPanelHeight, kClientWidth, kPanelHeight);
    BottomPanel->setFrameShape(QFrame::Panel);
    BottomPanel->setFrameShadow(QFrame::Raised);

    sbZoomIn = SpeedButton(12, tr("Zoom in"), MakeIcon(Glyph::ZoomIn));
    sbZoomOut = SpeedButton(39, tr("Zoom out"), MakeIcon(Glyph::ZoomOut));
    sbZoomPageWidth = SpeedButton(66, tr("Zoom to page width"), MakeIcon(Glyph::PageWidth));
    sbZoomPage = SpeedButton(93, tr("Zoom to whole page"), MakeIcon(Glyph::WholePage));
    sbPrevPage = SpeedButton(120, tr("Previous page"), MakeIcon(Glyph::Previous));
    sbNextPage = SpeedButton(147, tr("Next page"), MakeIcon(Glyph::Next));
    sbZoomIn->setObjectName(QStringLiteral("sbZoomIn"));
    sbZoomOut->setObjectName(QStringLiteral("sbZoomOut"));
    sbZoomPageWidth->setObjectName(QStringLiteral("sbZoomPageWidth"));
    sbZoomPage->setObjectName(QStringLiteral("sbZoomPage"));
    sbPrevPage->setObjectName(QStringLiteral("sbPrevPage"));
    sbNextPage->setObjectName(QStringLiteral("sbNextPage"));

    PageLabel = new QLabel(tr("Page 1 of 1"), BottomPanel);
    PageLabel->setObjectName(QStringLiteral("PageLabel"));
    PageLabel->setGeometry(184, 12, 200, 17);

    HelpButton = new QPushButton(tr("Help"), BottomPanel);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    HelpButton->setGeometry(392, 8, 75, 25);
    HelpButton->setAutoDefault(false);

    ContextHelpButton = new QToolButton(BottomPanel);
    ContextHelpButton->setObjectName(QStringLiteral("ContextHelpButton"));
    ContextHelpButton->setText(QStringLiteral("?"));
    ContextHelpButton->setToolTip(tr("What's this?"));
    ContextHelpButton->setGeometry(475, 8, 25, 25);

    CloseButton = new QPushButton(tr("Close"), BottomPanel);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setGeometry(521, 8, 75, 25);
    CloseButton->setDefault(true);

    FilePreview1 = new TFilePreview;
    FilePreview1->setObjectName(QStringLiteral("FilePreview1"));
    FilePreview1->SetScrollBox(ScrollBox1);
    FilePreview1->SetZoomFactor(100);
    FilePreview1->ZoomInc = 10;
    FilePreview1->MarginPercent = 2.5;
    FilePreview1->ShadowDepth = 0;
    FilePreview1->StreamMode = TFilePreview::TStreamMode::User;

    connect(sbZoomIn, &QToolButton::clicked, this, &TPreviewForm::SBZoomInClick);
    connect(sbZoomOut, &QToolButton::clicked, this, &TPreviewForm::SBZoomOutClick);
    connect(sbZoomPageWidth, &QToolButton::clicked, this, &TPreviewForm::SBZoomPageWidthClick);
    connect(sbZoomPage, &QToolButton::clicked, this, &TPreviewForm::SBZoomPageClick);
    connect(sbPrevPage, &QToolButton::clicked, this, &TPreviewForm::SBPrevPageClick);
    connect(sbNextPage, &QToolButton::clicked, this, &TPreviewForm::sbNextPageClick);
    connect(FilePreview1, &TFilePreview::OnPageChange, this, &TPreviewForm::FilePreview1PageChange);
    connect(CloseButton, &QPushButton::clicked, this, &TPreviewForm::CloseButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TPreviewForm::HelpButtonClick);
    connect(ContextHelpButton, &QToolButton::clicked, this,
            [] { QWhatsThis::enterWhatsThisMode(); });
    FormCreate();
}

QToolButton* TPreviewForm::SpeedButton(int x, const QString& hint, const QIcon& icon) {
    auto* button = new QToolButton(BottomPanel);
    button->setGeometry(x, 8, 25, 25);
    button->setIcon(icon);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void TPreviewForm::FormCreate() {
    firstActivation_ = true;
}

void TPreviewForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TPreviewForm::FormActivate() {
    if (!firstActivation_)
        return;
    firstActivation_ = false;
    if (!FilePreview1->Start()) {
        // The reason takes the room of the page buttons it hides, and a second line when
        // it needs one: a German one is longer than the page count's place.
        PageLabel->setText(FilePreview1->Error());
        PageLabel->setWordWrap(true);
        PageLabel->setGeometry(120, 4, 268, 33);
        sbPrevPage->hide();
        sbNextPage->hide();
        return;
    }
    if (FilePreview1->Pages() < 2) {
        sbPrevPage->hide();
        sbNextPage->hide();
    }
}

void TPreviewForm::SBZoomInClick() {
    FilePreview1->ZoomIn();
}

void TPreviewForm::SBZoomOutClick() {
    FilePreview1->ZoomOut();
}

void TPreviewForm::SBZoomPageWidthClick() {
    FilePreview1->SetZoomFactor(FilePreview1->ZoomPageWidthFactor());
}

void TPreviewForm::SBZoomPageClick() {
    FilePreview1->SetZoomFactor(FilePreview1->ZoomPageFactor());
}

void TPreviewForm::SBPrevPageClick() {
    FilePreview1->PrevPage();
}

void TPreviewForm::sbNextPageClick() {
    FilePreview1->NextPage();
}

void TPreviewForm::FilePreview1PageChange() {
    PageLabel->setText(tr("Page %1 of %2")
                           .arg(FilePreview1->CurrentPage() - FilePreview1->FirstPage() + 1)
                           .arg(FilePreview1->Pages()));
}

void TPreviewForm::CloseButtonClick() {
    close();
}

void TPreviewForm::HelpButtonClick() {
    ShowHelpTopic(kHelpTopic);
}

void TPreviewForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TPreviewForm::FormClose() {
    if (FilePreview1->Active())
        FilePreview1->Finish();
}
