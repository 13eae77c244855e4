#include "templates/SheetPreview.h"

#include "document/PaperSizes.h"

#include <QPainter>

namespace {
constexpr int Margin = 8;    // pixels around the paper
constexpr int RollPages = 3; // pages of a roll drawn
} // namespace

SheetPreview::SheetPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SheetPreview"));
    setMinimumSize(160, 200);
    setWhatsThis(tr("The selected sheet drawn to scale: the paper and every label "
                    "on it."));
}

void SheetPreview::SetGeometry(const SheetGeometry& geometry) {
    geometry_ = geometry;
    shown_ = true;
    update();
}

void SheetPreview::Clear() {
    shown_ = false;
    update();
}

QRectF SheetPreview::PaperRect() const {
    const QSizeF paper = PaperSizes::Inches(geometry_);
    if (!shown_ || paper.isEmpty())
        return {};
    const bool roll = geometry_.paperSize.trimmed() == QLatin1String(PaperSizes::RollCode);
    const QSizeF drawn(paper.width(), paper.height() * (roll ? RollPages : 1));
    const QRectF room = QRectF(rect()).adjusted(Margin, Margin, -Margin, -Margin);
    const double scale = std::min(room.width() / drawn.width(), room.height() / drawn.height());
    const QSizeF size = drawn * scale;
    return {room.center().x() - size.width() / 2, room.center().y() - size.height() / 2,
            size.width(), size.height()};
}

void SheetPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF paper = PaperRect();
    if (paper.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const SheetGeometry& g = geometry_;
    const bool roll = g.paperSize.trimmed() == QLatin1String(PaperSizes::RollCode);
    const int pages = roll ? RollPages : 1;
    const double scale = paper.width() / PaperSizes::Inches(g).width(); // pixels per inch
    const double pageHeight = paper.height() / pages;

    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(paper);
    painter.setBrush(QColor(214, 230, 250));
    painter.setPen(QPen(QColor(40, 90, 170), 1));
    for (int page = 0; page < pages; ++page) {
        const QPointF origin = paper.topLeft() + QPointF(0, page * pageHeight);
        if (page > 0) {
            painter.save();
            painter.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
            painter.drawLine(origin, origin + QPointF(paper.width(), 0));
            painter.restore();
        }
        for (int row = 0; row < g.labelsDown; ++row)
            for (int column = 0; column < g.labelsAcross; ++column) {
                const QRectF label(origin.x() + (g.leftMargin + column * g.horizontalPitch) * scale,
                                   origin.y() + (g.topMargin + row * g.verticalPitch) * scale,
                                   g.labelWidth * scale, g.labelHeight * scale);
                const QString shape = g.labelShape.trimmed();
                if (shape == u"RE") {
                    painter.drawEllipse(label);
                } else if (shape == u"SR") {
                    painter.drawRect(label);
                } else {
                    const double radius = std::min(label.width(), label.height()) / 8;
                    painter.drawRoundedRect(label, radius, radius);
                }
            }
    }
}
