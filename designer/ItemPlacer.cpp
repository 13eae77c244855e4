#include "designer/ItemPlacer.h"

#include "controls/Picture.h"
#include "designer/BarcodeProperties.h"
#include "designer/DesignSteps.h"
#include "designer/DesignerPrompter.h"
#include "designer/DropToolButton.h"
#include "designer/ToolPictures.h"
#include "designer/LabelItems.h"
#include "ui/CommandBoundary.h"
#include "ui/Prompter.h"

#include <QDrag>
#include <QDropEvent>
#include <QFontDatabase>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {
constexpr int FirstButtonLeft = 4;
constexpr int ButtonTop = 4;

std::optional<DropTool> ToolOf(const QMimeData* data) {
    if (!data || !data->hasFormat(ItemPlacer::MimeType))
        return std::nullopt;
    return DropToolFromButtonName(QString::fromLatin1(data->data(ItemPlacer::MimeType)));
}
} // namespace

const QString ItemPlacer::MimeType = QStringLiteral("application/x-quorvane-tool");

ItemPlacer::ItemPlacer(QWidget* designPanel, LabelItems& items, QWidget* toolRow,
                       SelectionControl& selection, QObject* parent)
    : QObject(parent), panel_(designPanel), items_(items), selection_(selection) {
    FontFamilies = [] { return QFontDatabase::families(); };
    RunDrag = [](QDrag& drag) { drag.exec(Qt::CopyAction, Qt::CopyAction); };
    int left = FirstButtonLeft;
    for (DropTool tool : AllDropTools) {
        auto* button = new DropToolButton(tool, toolRow);
        button->move(left, ButtonTop);
        left += DropToolButton::ButtonSize;
        connect(button, &DropToolButton::DropButtonDown, this,
                [this](DropToolButton* pressed) { RunCommand([&] { DropButtonDown(pressed); }); });
        buttons_ << button;
    }
    panel_->setAcceptDrops(true);
    panel_->installEventFilter(this);
}

QMimeData* ItemPlacer::ToolMimeData(DropTool tool) {
    auto* data = new QMimeData;
    data->setData(MimeType, DropToolButtonName(tool).toLatin1());
    return data;
}

DropToolButton* ItemPlacer::Button(DropTool tool) const {
    for (DropToolButton* button : buttons_) {
        if (button->Tool() == tool)
            return button;
    }
    return nullptr;
}

int ItemPlacer::ToolsRight() const {
    return buttons_.isEmpty() ? 0 : buttons_.last()->geometry().right() + 1;
}

void ItemPlacer::AcceptDropsOn(QWidget* item) {
    item->setAcceptDrops(true);
    item->installEventFilter(this);
}

bool ItemPlacer::HasWingdings() const {
    for (const QString& family : FontFamilies()) {
        if (family.toUpper().contains(QStringLiteral("WINGDING")))
            return true;
    }
    return false;
}

void ItemPlacer::DropButtonDown(QObject* sender) {
    auto* button = qobject_cast<DropToolButton*>(sender);
    if (!button || !buttons_.contains(button))
        return;
    if (button->Tool() == DropTool::Symbol && !HasWingdings()) {
        ShowInformation(
            QStringLiteral("This option requires the Windows font WINGDINGS to be installed"));
        return;
    }
    selection_.DetachControl();
    // The picture of the item hangs from the pointer by its top-left corner, which is where
    // the item's top-left will be.
    QPointer<QDrag> drag = new QDrag(button);
    drag->setMimeData(ToolMimeData(button->Tool()));
    drag->setPixmap(ToolPictures::DragPicture(button->Tool()));
    drag->setHotSpot(QPoint(0, 0));
    dragging_ = true;
    RunDrag(*drag);
    dragging_ = false;
    if (drag)
        drag->deleteLater();
    RunPendingDrop();
}

void ItemPlacer::RunPendingDrop() {
    if (!pending_)
        return;
    const PendingDrop drop = *pending_;
    pending_.reset();
    if (drop.target)
        RunCommand([&] { LabelPanelDragDrop(drop.target, drop.tool, drop.point); });
}

bool ItemPlacer::IsDropTarget(QObject* object) const {
    return object == panel_ || (LabelItems::IsLabelItem(object) && object->parent() == panel_);
}

bool ItemPlacer::LabelPanelDragOver(QObject* target, const QMimeData* data) const {
    return IsDropTarget(target) && ToolOf(data).has_value();
}

namespace {
// "Undo Add Text", "Undo Add Rounded Rectangle" …
QString AddStepName(DropTool tool) {
    switch (tool) {
    case DropTool::Text:
        return QStringLiteral("Add Text");
    case DropTool::Rect:
        return QStringLiteral("Add Rectangle");
    case DropTool::Ellipse:
        return QStringLiteral("Add Ellipse");
    case DropTool::RoundRect:
        return QStringLiteral("Add Rounded Rectangle");
    case DropTool::Symbol:
        return QStringLiteral("Add Symbol");
    case DropTool::HLine:
        return QStringLiteral("Add Horizontal Line");
    case DropTool::VLine:
        return QStringLiteral("Add Vertical Line");
    case DropTool::Image:
        return QStringLiteral("Add Image");
    case DropTool::Counter:
        return QStringLiteral("Add Counter");
    case DropTool::Barcode:
        return QStringLiteral("Add Barcode");
    }
    return QStringLiteral("Add Item");
}
} // namespace

void ItemPlacer::LabelPanelDragDrop(QWidget* target, DropTool tool, QPoint point) {
    if (!IsDropTarget(target))
        return;
    if (target != panel_)
        point += target->pos();
    DesignSteps::Scope undoStep(steps_, AddStepName(tool));
    selection_.DetachControl();
    Create(tool, point.x(), point.y());
}

void ItemPlacer::Create(DropTool tool, int x, int y) {
    const QString arial = QStringLiteral("Arial");
    switch (tool) {
    case DropTool::Text: {
        QString text = QStringLiteral("Text");
        if (!EnterText(QStringLiteral("Text"), QStringLiteral("Enter text"), text))
            return; // nothing created, nothing selected
        items_.CreateTextItem(text, y, x, 0, 0, 0, arial, 10, kColorBlack, true, false, false);
        break;
    }
    case DropTool::Counter:
        items_.CreateCounterItem(y, x, 0, 0, 0, arial, 10, kColorBlack, true, false, false, -1, 1);
        break;
    case DropTool::Symbol:
        items_.CreateSymbolItem(0, y, x, 0, 0, 18, kColorBlack);
        break;
    case DropTool::Rect:
        items_.CreateShapeItem(stRectangle, y, x, 0, 0, kColorBlack, kColorBlack, 1, 0, TBrushStyle::Clear);
        break;
    case DropTool::RoundRect:
        items_.CreateShapeItem(stRoundRect, y, x, 0, 0, kColorBlack, kColorBlack, 1, 20, TBrushStyle::Clear);
        break;
    case DropTool::Ellipse:
        items_.CreateShapeItem(stEllipse, y, x, 0, 0, kColorBlack, kColorBlack, 1, 0, TBrushStyle::Clear);
        break;
    case DropTool::Image: {
        // A picture that cannot be read is named, as "Image File" names it.
        const QString path = GetImageFile();
        if (path.isEmpty())
            break;
        QString error;
        if (Picture::fromFile(path, &error).isNull()) {
            ShowRuntimeError(error);
            break;
        }
        items_.CreateImageItem(y, x, 0, 0, path, false);
        break;
    }
    case DropTool::VLine:
        items_.CreateLineItem(stVertical, y, x, 20, 60, kColorBlack, 1);
        break;
    case DropTool::HLine:
        items_.CreateLineItem(stHorizontal, y, x, 60, 20, kColorBlack, 1);
        break;
    case DropTool::Barcode: {
        QString data = QStringLiteral("12345678");
        if (!BarcodeProperties::AskData(BarcodeSymbology::Code128, data))
            return; // nothing created, nothing selected
        items_.CreateBarcodeItem(y, x, 0, 0, BarcodeSymbology::Code128, data, true, kColorBlack,
                                 kColorWhite);
        break;
    }
    }
    // The new item, or after a declined creation the front-most existing one.
    const auto& order = items_.OrderList();
    for (auto it = order.crbegin(); it != order.crend(); ++it) {
        if (*it) {
            selection_.AttachControl(*it);
            break;
        }
    }
}

bool ItemPlacer::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* move = static_cast<QDragMoveEvent*>(event);
        if (LabelPanelDragOver(watched, move->mimeData())) {
            move->setDropAction(Qt::CopyAction);
            move->accept();
        } else {
            move->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const auto tool = ToolOf(drop->mimeData());
        if (!tool || !IsDropTarget(watched)) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // The item is made once the drag has ended: its dialogs must not run while the drag
        // still holds the pointer and keyboard.
        pending_ = PendingDrop{static_cast<QWidget*>(watched), *tool, drop->position().toPoint()};
        if (!dragging_)
            QTimer::singleShot(0, this, [this] { RunPendingDrop(); });
        return true;
    }
    default:
        return false;
    }
}
