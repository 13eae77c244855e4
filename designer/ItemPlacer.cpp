#include "designer/ItemPlacer.h"
#include "designer/ZoomMapping.h"

#include "controls/Picture.h"
#include "designer/DesignSteps.h"
#include "designer/DropToolButton.h"
#include "designer/ItemTools.h"
#include "designer/LabelItems.h"
#include "designer/ToolPictures.h"
#include "document/ObjectsTextSyntax.h"
#include "ui/CommandBoundary.h"
#include "ui/Prompter.h"

#include <QDrag>
#include <QDropEvent>
#include <QFontDatabase>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {
constexpr int FirstButtonLeft = 4;
constexpr int ButtonTop = 4;

std::optional<LabelItemKind> ToolOf(const QMimeData* data) {
    if (!data || !data->hasFormat(ItemPlacer::MimeType))
        return std::nullopt;
    return ItemKindOfTool(QString::fromLatin1(data->data(ItemPlacer::MimeType)));
}
} // namespace

const QString ItemPlacer::MimeType = QStringLiteral("application/x-quorvane-tool");

ItemPlacer::ItemPlacer(QWidget* designPanel, LabelItems& items, QWidget* toolRow,
                       SelectionControl& selection, std::function<void()> changed, QObject* parent)
    : QObject(parent), panel_(designPanel), items_(items), selection_(selection),
      changed_(std::move(changed)) {
    FontFamilies = [] { return QFontDatabase::families(); };
    RunDrag = [](QDrag& drag) { drag.exec(Qt::CopyAction, Qt::CopyAction); };
    int left = FirstButtonLeft;
    for (LabelItemKind kind : AllItemKinds) {
        auto* button = new DropToolButton(kind, toolRow);
        button->move(left, ButtonTop);
        left += DropToolButton::ButtonSize;
        connect(button, &DropToolButton::DropButtonDown, this,
                [this](DropToolButton* pressed) { RunCommand([&] { DropButtonDown(pressed); }); });
        connect(button, &DropToolButton::PlaceRequested, this, [this](DropToolButton* pressed) {
            RunCommand([&] { PlaceFromKeyboard(pressed); });
        });
        buttons_ << button;
    }
    panel_->setAcceptDrops(true);
    panel_->installEventFilter(this);
}

QMimeData* ItemPlacer::ToolMimeData(LabelItemKind kind) {
    auto* data = new QMimeData;
    data->setData(MimeType, ItemTool(kind).buttonName.toLatin1());
    return data;
}

DropToolButton* ItemPlacer::Button(LabelItemKind kind) const {
    for (DropToolButton* button : buttons_) {
        if (button->Tool() == kind)
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

bool ItemPlacer::HasFont(QStringView family) const {
    for (const QString& installed : FontFamilies()) {
        if (installed.toUpper().contains(family))
            return true;
    }
    return false;
}

void ItemPlacer::DropButtonDown(QObject* sender) {
    auto* button = qobject_cast<DropToolButton*>(sender);
    if (!CanPlace(button))
        return;
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

// Whether button is one of ours whose item can be made here; says why not when its font
// is missing.
bool ItemPlacer::CanPlace(DropToolButton* button) const {
    if (!button || !buttons_.contains(button))
        return false;
    const ItemToolKind& tool = ItemTool(button->Tool());
    if (!tool.requiredFont.isEmpty() && !HasFont(tool.requiredFont)) {
        ShowInformation(ItemToolText(tool.missingFontMessage));
        return false;
    }
    return true;
}

void ItemPlacer::PlaceFromKeyboard(DropToolButton* button) {
    if (!CanPlace(button))
        return;
    LabelPanelDragDrop(panel_, button->Tool(), QPoint(0, 0));
}

void ItemPlacer::RunPendingDrop() {
    if (!pending_)
        return;
    const PendingDrop drop = *pending_;
    pending_.reset();
    if (drop.target)
        RunCommand([&] { LabelPanelDragDrop(drop.target, drop.kind, drop.point); });
}

bool ItemPlacer::IsDropTarget(QObject* object) const {
    return object == panel_ || (LabelItems::IsLabelItem(object) && object->parent() == panel_);
}

bool ItemPlacer::LabelPanelDragOver(QObject* target, const QMimeData* data) const {
    return IsDropTarget(target) && (ToolOf(data).has_value() || !PictureFileOf(data).isEmpty());
}

QString ItemPlacer::PictureFileOf(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && Picture::HasPictureExtension(url.toLocalFile()))
            return url.toLocalFile();
    return {};
}

void ItemPlacer::PlacePictureFile(const QString& path, QPoint point) {
    DesignSteps::Scope undoStep(steps_, ItemTool(LabelItemKind::Image).addStep.toString());
    if (items_.Design().FreeName().isEmpty()) {
        ShowInformation(LabelItems::TooManyItemsMessage());
        return;
    }
    QString error;
    if (Picture::fromFile(path, &error).isNull()) {
        ShowRuntimeError(error);
        return;
    }
    if (ContainsLineBreak(path)) {
        ShowInformation(tr("The image file name contains a line break and cannot be used:\n%1")
                            .arg(WithoutLineBreaks(path)));
        return;
    }
    LabelItemValue value = ItemKind(LabelItemKind::Image).newItem();
    value.left = point.x();
    value.top = point.y();
    value.fileName = path;
    selection_.DetachControl();
    const QString name = items_.Model().CreateItemFromValue(value);
    if (changed_)
        changed_();
    if (QWidget* control = items_.Control(name))
        selection_.AttachControl(control);
}

void ItemPlacer::LabelPanelDragDrop(QWidget* target, LabelItemKind kind, QPoint point) {
    if (!IsDropTarget(target))
        return;
    if (target != panel_)
        point += target->pos();
    point = ZoomMapping::Of(panel_).ToDesign(point);
    // "Undo Add Text", "Undo Add Rounded Rectangle" …
    DesignSteps::Scope undoStep(steps_, ItemTool(kind).addStep.toString());
    selection_.DetachControl();
    Create(kind, point.x(), point.y());
}

void ItemPlacer::Create(LabelItemKind kind, int x, int y) {
    LabelItemValue value = ItemKind(kind).newItem();
    value.left = x;
    value.top = y;
    const LabelDesign& design = items_.Design();
    NewItemAnswer answer = NewItemAnswer::Declined;
    if (design.FreeName().isEmpty())
        ShowInformation(LabelItems::TooManyItemsMessage());
    else
        answer = ItemTool(kind).askNew(value, design);
    if (answer == NewItemAnswer::Cancelled)
        return; // nothing created, nothing selected
    if (answer == NewItemAnswer::Place) {
        items_.Model().CreateItemFromValue(value);
        if (changed_)
            changed_();
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
        const QString picture = PictureFileOf(drop->mimeData());
        if (!tool && !picture.isEmpty() && IsDropTarget(watched)) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            QPoint point = drop->position().toPoint();
            if (watched != panel_)
                point += static_cast<QWidget*>(watched)->pos();
            point = ZoomMapping::Of(panel_).ToDesign(point);
            // Placed once the drag has ended, as a tool's item is.
            QTimer::singleShot(0, this, [this, picture, point] {
                RunCommand([&] { PlacePictureFile(picture, point); });
            });
            return true;
        }
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
