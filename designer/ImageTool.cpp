// The designer part of image items.
#include "controls/Picture.h"
#include "designer/DesignerPrompter.h"
#include "designer/ItemTools.h"
#include "designer/TImageBrowse.h"
#include "document/ObjectsTextSyntax.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPolygonF>

namespace {

void drawLandscape(QPainter& painter, const QRect& frame) {
    const QRect box = frame.adjusted(0, 2, 0, -2);
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    painter.setBrush(QColor(170, 210, 255));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    const int w = box.width(), h = box.height();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 200, 0));
    painter.drawEllipse(QRectF(box.left() + w * 0.6, box.top() + h * 0.15, w * 0.25, h * 0.25));
    QPolygonF hills;
    hills << QPointF(box.left() + 1, box.bottom())
          << QPointF(box.left() + w * 0.35, box.top() + h * 0.4)
          << QPointF(box.left() + w * 0.6, box.top() + h * 0.7)
          << QPointF(box.left() + w * 0.8, box.top() + h * 0.5)
          << QPointF(box.right(), box.bottom());
    painter.setBrush(QColor(0, 128, 0));
    painter.drawPolygon(hills);
}

// The picture comes from the image chooser. A picture that cannot be read is named in the
// error box; a name with a line break cannot be stored and is refused with a message; a
// missing file or another extension than ".BMP" or ".WMF" places nothing, silently.
NewItemAnswer askImage(LabelItemValue& value, const LabelDesign&) {
    const QString path = GetImageFile();
    if (path.isEmpty())
        return NewItemAnswer::Declined;
    QString error;
    if (Picture::fromFile(path, &error).isNull()) {
        ShowRuntimeError(error);
        return NewItemAnswer::Declined;
    }
    if (ContainsLineBreak(path)) {
        ShowInformation(
            QCoreApplication::translate(
                "ImageTool", "The image file name contains a line break and cannot be used:\n%1")
                .arg(WithoutLineBreaks(path)));
        return NewItemAnswer::Declined;
    }
    if (!QFileInfo(path).isFile() || !TImageBrowse::HasPictureExtension(path))
        return NewItemAnswer::Declined;
    value.fileName = path;
    return NewItemAnswer::Place;
}

void buildImageMenu(ItemMenus::MenuBuilder& menu) {
    ItemProperties& p = menu.Properties();
    const QString prefix = menu.Prefix();
    menu.Add(prefix + QStringLiteral("ImageFile"),
             QCoreApplication::translate("ImageTool", "Image File"),
             [&p](QWidget* item) { p.PropImage(item); });
    QAction* stretch = menu.AddCheck(prefix + QStringLiteral("StretchToFit"),
                                     QCoreApplication::translate("ImageTool", "Stretch to Fit"),
                                     [&p](QWidget* item) { return p.ToggleStretch(item); });
    menu.OnOpen([stretch](const LabelItemValue& value) { stretch->setChecked(value.stretch); });
    menu.Separator();
    menu.AddStackingAndPlacing("SendToBack", "BringToFront",
                               QCoreApplication::translate("ImageTool", "Center"));
}

} // namespace

extern const ItemToolKind ImageItemTool = {
    u"DropImageButton", u"Drag to place an image", u"Add Image",   &drawLandscape, false,
    &askImage,          u"PopupMenuImage",         &buildImageMenu};
