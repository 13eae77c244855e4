#include "designer/LabelItems.h"

#include "controls/TBarcode.h"
#include "controls/TCanvasPanel.h"
#include "controls/TCounterLabel.h"
#include "controls/TImage.h"
#include "controls/TPim3DLabel.h"
#include "controls/TSymbol.h"
#include "designer/ItemPrompts.h"
#include "document/MergeFields.h"
#include "document/ObjectsTextReader.h"
#include "document/ObjectsTextSyntax.h"
#include "document/ObjectsTextWriter.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// The property of a control holding the value it was made from.
constexpr char kKeptContent[] = "quorvaneKeptContent";


const QString itemPrefix = QStringLiteral("Special");
constexpr int maxItemNumber = 1000;

// The extension test of the image chooser: the file name's part from its last "." on,
// upper-cased.
bool hasPictureExtension(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extension = dot < 0 ? QString() : name.mid(dot).toUpper();
    return extension == u".BMP" || extension == u".WMF";
}

TShapeType shapeOf(LabelItemKind kind) {
    switch (kind) {
    case LabelItemKind::RoundRectangle:
        return stRoundRect;
    case LabelItemKind::Ellipse:
        return stEllipse;
    default:
        return stRectangle;
    }
}

LabelItemKind kindOfShape(TShapeType shape) {
    switch (shape) {
    case stRoundRect:
    case stRoundSquare:
        return LabelItemKind::RoundRectangle;
    case stEllipse:
    case stCircle:
        return LabelItemKind::Ellipse;
    default:
        return LabelItemKind::Rectangle;
    }
}

// Marks in used[n] every n for which an object under root is named prefix + n, whatever the
// case of the name.
void markUsedNumbers(const QObject* root, const QString& prefix, std::vector<bool>& used) {
    if (!root)
        return;
    for (const QObject* child : root->findChildren<QObject*>()) {
        const QString name = child->objectName();
        if (name.size() <= prefix.size() || !name.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        const QStringView digits = QStringView(name).mid(prefix.size());
        bool ok = false;
        const int n = digits.toInt(&ok);
        if (ok && n >= 1 && n < static_cast<int>(used.size()) && digits == QString::number(n))
            used[static_cast<size_t>(n)] = true;
    }
}

bool isUnder(const QObject* object, const QObject* root) {
    for (; object; object = object->parent()) {
        if (object == root)
            return true;
    }
    return false;
}

} // namespace

LabelItems::LabelItems(TCanvasPanel* panel, QObject* owner, ItemPrompts& prompts, Hooks hooks)
    : panel_(panel), owner_(owner), prompts_(prompts), hooks_(std::move(hooks)) {}

// ---- creation operations ----

void LabelItems::CreateTextItem(const QString& text, int top, int left, int width, int height,
                                int angle, const QString& fontName, int fontSize,
                                ColorValue fontColor, bool bold, bool italic, bool underline) {
    const QString name = takeName();
    if (name.isEmpty())
        return;
    LabelItemValue v;
    v.kind = LabelItemKind::Text;
    v.text = WithoutLineBreaks(text);
    v.top = top, v.left = left, v.width = width, v.height = height;
    v.angle = angle;
    v.fontName = fontName, v.fontSize = fontSize, v.fontColor = fontColor;
    v.bold = bold, v.italic = italic, v.underline = underline;
    createText(name, v);
}

void LabelItems::CreateCounterItem(int top, int left, int width, int height, int angle,
                                   const QString& fontName, int fontSize, ColorValue fontColor,
                                   bool bold, bool italic, bool underline, int startingNumber,
                                   int repeatCount) {
    const QString name = takeName();
    if (name.isEmpty())
        return;
    if (startingNumber == -1) {
        if (AlreadyACounter()) {
            prompts_.ShowInformation(QStringLiteral("There is a limit of one Counter per label"));
            return;
        }
        if (!prompts_.AskNewCounter(startingNumber, repeatCount))
            return;
    }
    LabelItemValue v;
    v.kind = LabelItemKind::Counter;
    v.top = top, v.left = left, v.width = width, v.height = height;
    v.angle = angle;
    v.fontName = fontName, v.fontSize = fontSize, v.fontColor = fontColor;
    v.bold = bold, v.italic = italic, v.underline = underline;
    v.startingNumber = startingNumber;
    v.repeatEach = repeatCount;
    createText(name, v);
}

void LabelItems::CreateSymbolItem(int charCode, int top, int left, int width, int height,
                                  int fontSize, ColorValue fontColor) {
    const QString name = takeName();
    if (name.isEmpty())
        return;
    if (charCode == 0 && !prompts_.AskSymbol(charCode, fontColor))
        return;
    createSymbol(name, charCode, {top, left, width, height}, fontSize, fontColor);
}

void LabelItems::CreateShapeItem(TShapeType shape, int top, int left, int width, int height,
                                 ColorValue brushColor, ColorValue penColor, int penWidth,
                                 int roundPerc, TBrushStyle brushStyle) {
    const QString name = takeName();
    if (name.isEmpty())
        return;
    createShape(name, shape, {top, left, width, height}, brushColor, penColor, penWidth, roundPerc,
                brushStyle);
}

void LabelItems::CreateLineItem(TLineStyle style, int top, int left, int width, int height,
                                ColorValue penColor, int penWidth) {
    const QString name = takeName();
    if (name.isEmpty())
        return;
    createLine(name, style, {top, left, width, height}, penColor, penWidth);
}

void LabelItems::CreateImageItem(int top, int left, int width, int height, const QString& fileName,
                                 bool stretch) {
    const QString name = takeName();
    if (name.isEmpty())
        return;
    const QString path = fileName.isEmpty() ? prompts_.GetImageFile() : fileName;
    if (path.isEmpty())
        return;
    // A line break would end the stored text early and lose every later item.
    if (ContainsLineBreak(path)) {
        prompts_.ShowInformation(
            QStringLiteral("The image file name contains a line break and cannot be used:\n%1")
                .arg(WithoutLineBreaks(path)));
        return;
    }
    if (!QFileInfo(path).isFile() || !hasPictureExtension(path) || Picture::fromFile(path).isNull())
        return;
    createImage(name, {top, left, width, height}, path, stretch);
}

void LabelItems::CreateBarcodeItem(int top, int left, int width, int height,
                                   BarcodeSymbology symbology, const QString& data, bool showText,
                                   ColorValue barColor, ColorValue background) {
    const QString name = takeName();
    if (name.isEmpty())
        return;
    LabelItemValue v;
    v.kind = LabelItemKind::Barcode;
    v.top = top, v.left = left, v.width = width, v.height = height;
    v.symbology = symbology;
    v.barcodeData = WithoutLineBreaks(data);
    v.showText = showText;
    v.brushColor = barColor;
    v.backgroundColor = background;
    createBarcode(name, v);
}

// ---- names, counters, removal ----

QString LabelItems::FindNextAvailable(const QString& prefix) const {
    std::vector<bool> used(maxItemNumber + 1, false);
    markUsedNumbers(owner_, prefix, used);
    if (!isUnder(panel_, owner_))
        markUsedNumbers(panel_, prefix, used);
    for (int n = 1; n <= maxItemNumber; ++n) {
        if (!used[static_cast<size_t>(n)])
            return prefix + QString::number(n);
    }
    return {};
}

bool LabelItems::AlreadyACounter() const {
    return std::any_of(orderList_.crbegin(), orderList_.crend(), [](const QPointer<QWidget>& w) {
        return qobject_cast<TCounterLabel*>(w.data()) != nullptr;
    });
}

void LabelItems::DeleteAllItems() {
    detachSelection();
    kept_.clear();
    for (qsizetype i = orderList_.size() - 1; i >= 0; --i) {
        QWidget* item = orderList_[i];
        if (!item) {
            orderList_.removeAt(i);
        } else if (IsLabelItem(item)) {
            orderList_.removeAt(i);
            discard(item);
        }
    }
}

void LabelItems::DeleteObject(QWidget* item) {
    if (!item)
        return;
    detachSelection();
    reanchorKept(item);
    OrderListDelete(item);
    discard(item);
    triggerChange();
}

// ---- order list ----

void LabelItems::OrderListAdd(QWidget* item) {
    orderList_.append(item);
    triggerChange();
}

void LabelItems::OrderListDelete(QWidget* item) {
    const qsizetype i = indexOf(item);
    if (i >= 0)
        orderList_.removeAt(i);
}

void LabelItems::OrderListBringToFront(QWidget* item) {
    const qsizetype i = indexOf(item);
    if (i >= 0)
        orderList_.move(i, orderList_.size() - 1);
}

void LabelItems::OrderListSendToBack(QWidget* item) {
    const qsizetype i = indexOf(item);
    if (i >= 0)
        orderList_.move(i, 0);
}

// ---- plain values ----

std::optional<LabelItemKind> LabelItems::KindOf(const QObject* item) {
    auto* object = const_cast<QObject*>(item);
    if (qobject_cast<TCounterLabel*>(object))
        return LabelItemKind::Counter;
    if (qobject_cast<TPim3DLabel*>(object))
        return LabelItemKind::Text;
    if (auto* shape = qobject_cast<TPimShape*>(object))
        return kindOfShape(shape->Shape());
    if (auto* line = qobject_cast<TLineShape*>(object))
        return line->LineStyle() == stVertical ? LabelItemKind::VerticalLine
                                               : LabelItemKind::HorizontalLine;
    if (qobject_cast<TImage*>(object))
        return LabelItemKind::Image;
    if (qobject_cast<TSymbol*>(object))
        return LabelItemKind::Symbol;
    if (qobject_cast<TBarcode*>(object))
        return LabelItemKind::Barcode;
    return std::nullopt;
}

bool LabelItems::IsLabelItem(const QObject* item) {
    return item && item->objectName().toUpper().contains(u"SPECIAL");
}

std::vector<LabelItemValue> LabelItems::ItemValues() const {
    return itemValues(nullptr);
}

std::vector<LabelItemValue> LabelItems::itemValues(std::vector<QWidget*>* widgets) const {
    std::vector<LabelItemValue> values;
    values.reserve(static_cast<size_t>(orderList_.size()));
    for (QWidget* item : orderList_) {
        const auto kind = IsLabelItem(item) ? KindOf(item) : std::nullopt;
        if (!kind)
            continue;
        LabelItemValue v;
        v.kind = *kind;
        if (auto* label = qobject_cast<TPim3DLabel*>(item)) {
            // The origin (and the automatic size) are laid out afresh before they are stored.
            const QPoint origin = label->TextOrigin();
            v.relativeX = origin.x(), v.relativeY = origin.y();
            v.fontName = label->FontName(), v.fontSize = label->FontSize();
            v.fontColor = label->FontColor();
            v.bold = label->Bold(), v.italic = label->Italic(), v.underline = label->Underline();
            v.angle = label->Angle();
            if (auto* counter = qobject_cast<TCounterLabel*>(item)) {
                v.startingNumber = counter->Caption().toInt();
                v.repeatEach = counter->Tag();
            } else {
                v.text = label->Caption();
            }
        } else if (auto* symbol = qobject_cast<TSymbol*>(item)) {
            v.asciiChar = symbol->CharCode();
            v.fontSize = symbol->FontSize(), v.fontColor = symbol->FontColor();
        } else if (auto* shape = qobject_cast<TPimShape*>(item)) {
            v.brushStyle = shape->BrushStyle(), v.brushColor = shape->BrushColor();
            v.penWidth = shape->PenWidth(), v.penColor = shape->PenColor();
            v.rounding = shape->RoundPerc();
        } else if (auto* line = qobject_cast<TLineShape*>(item)) {
            v.penWidth = line->PenWidth(), v.penColor = line->PenColor();
        } else if (auto* image = qobject_cast<TImage*>(item)) {
            v.fileName = image->Hint(), v.stretch = image->Stretch();
        } else if (auto* barcode = qobject_cast<TBarcode*>(item)) {
            v.symbology = barcode->Symbology(), v.barcodeData = barcode->Data();
            v.showText = barcode->ShowText();
            v.brushColor = barcode->BarColor(), v.backgroundColor = barcode->BackgroundColor();
        }
        v.top = item->y(), v.left = item->x(), v.width = item->width(), v.height = item->height();
        if (const QVariant kept = item->property(kKeptContent); kept.canConvert<LabelItemValue>()) {
            const LabelItemValue old = kept.value<LabelItemValue>();
            v.textBox = old.textBox, v.fit = old.fit, v.ecc = old.ecc;
            v.quietZones = old.quietZones;
            // The control shows a text's lines run together; unless it was edited since, the
            // item keeps them as lines.
            if (old.text.contains(u'\n') && QString(old.text).remove(u'\n') == v.text)
                v.text = old.text;
        }
        values.push_back(v);
        if (widgets)
            widgets->push_back(item);
    }
    return values;
}

std::vector<KeptItemLines> LabelItems::keptLines(const std::vector<QWidget*>& widgets) const {
    std::vector<KeptItemLines> kept;
    for (const Kept& block : kept_) {
        int after = -1;
        if (!block.atStart) {
            const auto found = std::find(widgets.begin(), widgets.end(), block.after.data());
            // An item that is no label item any more leaves the block at the end.
            after = found == widgets.end() ? int(widgets.size()) - 1 : int(found - widgets.begin());
        }
        kept.push_back({after, block.lines});
    }
    return kept;
}

QString LabelItems::SaveItems() const {
    std::vector<QWidget*> widgets;
    const std::vector<LabelItemValue> values = itemValues(&widgets);
    return WriteObjectsText(values, keptLines(widgets));
}

LabelItems::Snapshot LabelItems::TakeSnapshot() const {
    std::vector<QWidget*> widgets;
    Snapshot snapshot;
    snapshot.values = itemValues(&widgets);
    for (const QWidget* item : widgets)
        snapshot.names << item->objectName();
    snapshot.kept = keptLines(widgets);
    return snapshot;
}

void LabelItems::RestoreSnapshot(const Snapshot& snapshot) {
    DeleteAllItems();
    std::vector<QWidget*> created;
    for (size_t i = 0; i < snapshot.values.size(); ++i) {
        const QString name =
            i < size_t(snapshot.names.size()) ? snapshot.names[qsizetype(i)] : QString();
        // A name of the snapshot is free again: its item has just been removed.
        if (!createNamed(name.isEmpty() ? FindNextAvailable(itemPrefix) : name, snapshot.values[i]))
            break;
        created.push_back(orderList_.last());
    }
    for (const KeptItemLines& block : snapshot.kept) {
        Kept kept;
        if (block.after >= 0 && !created.empty())
            kept.after = created[std::min(size_t(block.after), created.size() - 1)];
        kept.atStart = kept.after.isNull();
        kept.lines = block.lines;
        kept_.push_back(kept);
    }
}

bool LabelItems::CreateItemFromValue(const LabelItemValue& v) {
    return createNamed(FindNextAvailable(itemPrefix), v);
}

bool LabelItems::createNamed(const QString& name, const LabelItemValue& v) {
    if (name.isEmpty())
        return false;
    switch (v.kind) {
    case LabelItemKind::Text:
    case LabelItemKind::Counter:
        createText(name, v);
        break;
    case LabelItemKind::Symbol:
        createSymbol(name, v.asciiChar, boxOf(v), v.fontSize, v.fontColor);
        break;
    case LabelItemKind::Rectangle:
    case LabelItemKind::RoundRectangle:
    case LabelItemKind::Ellipse:
        createShape(name, shapeOf(v.kind), boxOf(v), v.brushColor, v.penColor, v.penWidth,
                    v.rounding, v.brushStyle);
        break;
    case LabelItemKind::HorizontalLine:
    case LabelItemKind::VerticalLine:
        createLine(name, v.kind == LabelItemKind::VerticalLine ? stVertical : stHorizontal,
                   boxOf(v), v.penColor, v.penWidth);
        break;
    case LabelItemKind::Image:
        createImage(name, boxOf(v), v.fileName, v.stretch);
        break;
    case LabelItemKind::Barcode:
        createBarcode(name, v);
        break;
    }
    // The controls do not show a text box's settings, a picture's FIT or a barcode's ECC and
    // quiet zones yet: the item keeps them, so that saving never drops them.
    if (QWidget* control = panel_->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly))
        control->setProperty(kKeptContent, QVariant::fromValue(v));
    return true;
}

void LabelItems::REstoreItems(const QString& objectsText) {
    bool namesRanOut = false;
    ReadObjectsText(
        objectsText,
        [&](const LabelItemValue& v) {
            if (namesRanOut || CreateItemFromValue(v))
                return;
            namesRanOut = true;
            refuseUnnamed();
        },
        [this](const QString& lines) { keep(lines); });
}

void LabelItems::keep(const QString& lines) {
    Kept block;
    for (auto it = orderList_.crbegin(); it != orderList_.crend(); ++it)
        if (*it && IsLabelItem(*it)) {
            block.after = *it;
            break;
        }
    block.atStart = block.after.isNull();
    block.lines = lines;
    kept_.push_back(block);
}

// A block that followed a deleted item follows the item before it.
void LabelItems::reanchorKept(QWidget* deleted) {
    QWidget* before = nullptr;
    for (QWidget* item : orderList_) {
        if (item == deleted)
            break;
        if (item && IsLabelItem(item))
            before = item;
    }
    for (Kept& block : kept_)
        if (!block.atStart && block.after == deleted) {
            block.after = before;
            block.atStart = before == nullptr;
        }
}

// ---- helpers ----

QString LabelItems::takeName() {
    QString name = FindNextAvailable(itemPrefix);
    if (name.isEmpty())
        refuseUnnamed();
    return name;
}

void LabelItems::refuseUnnamed() {
    prompts_.ShowInformation(
        QStringLiteral("A label can hold at most %1 items. Delete an item before adding another.")
            .arg(maxItemNumber));
}

void LabelItems::place(QWidget* control, const QString& name, const Box& box) const {
    control->setObjectName(name);
    control->move(box.left, box.top);
    QSize size = control->size();
    if (box.width > 0)
        size.setWidth(box.width);
    if (box.height > 0)
        size.setHeight(box.height);
    control->resize(size);
}

void LabelItems::finish(QWidget* control, LabelItemKind kind) {
    control->show();
    if (hooks_.ItemCreated)
        hooks_.ItemCreated(control, kind);
    OrderListAdd(control);
}

void LabelItems::createText(const QString& name, const LabelItemValue& v) {
    const bool counter = v.kind == LabelItemKind::Counter;
    TPim3DLabel* label = counter ? new TCounterLabel(panel_) : new TPim3DLabel(panel_);
    place(label, name, boxOf(v));
    label->setTransparent(true);
    label->setAutoSize(true);
    label->setStyle3D(lsLowered3D);
    label->setButtonType(btNone);
    label->setDepth3D(dpNone);
    if (counter) {
        label->setCaption(QString::number(v.startingNumber));
        static_cast<TCounterLabel*>(label)->setTag(v.repeatEach);
    } else {
        label->setCaption(WithoutLineBreaks(v.text));
    }
    label->setFontName(v.fontName);
    label->setFontSize(v.fontSize);
    label->setBold(v.bold);
    label->setItalic(v.italic);
    label->setUnderline(v.underline);
    label->setFontColor(v.fontColor);
    label->setAngle(v.angle);
    finish(label, v.kind);
}

void LabelItems::createSymbol(const QString& name, int charCode, const Box& box, int fontSize,
                              ColorValue fontColor) {
    auto* symbol = new TSymbol(panel_);
    place(symbol, name, box);
    symbol->setCharCode(static_cast<unsigned char>(std::clamp(charCode, 0, 255)));
    symbol->setFontSize(fontSize);
    symbol->setFontColor(fontColor);
    finish(symbol, LabelItemKind::Symbol);
}

void LabelItems::createShape(const QString& name, TShapeType shape, const Box& box,
                             ColorValue brushColor, ColorValue penColor, int penWidth,
                             int roundPerc, TBrushStyle brushStyle) {
    auto* control = new TPimShape(panel_);
    place(control, name, box);
    control->setShape(shape);
    if (shape == stRoundRect)
        control->setRoundPerc(roundPerc);
    control->setPenColor(penColor);
    control->setPenWidth(penWidth);
    control->setBrushColor(brushColor);
    control->setBrushStyle(brushStyle);
    finish(control, kindOfShape(shape));
}

void LabelItems::createLine(const QString& name, TLineStyle style, const Box& box,
                            ColorValue penColor, int penWidth) {
    auto* line = new TLineShape(panel_);
    place(line, name, box);
    line->setLineStyle(style);
    line->setPenWidth(penWidth);
    line->setPenColor(penColor);
    finish(line, style == stVertical ? LabelItemKind::VerticalLine : LabelItemKind::HorizontalLine);
}

void LabelItems::createImage(const QString& name, const Box& box, const QString& fileName,
                             bool stretch) {
    auto* image = new TImage(panel_);
    place(image, name, box);
    image->setStretch(stretch);
    // A file that cannot be read leaves the placeholder with the box, path and flag as given.
    if (fileName.isEmpty())
        image->setHint(fileName);
    else
        image->LoadFromFile(fileName);
    finish(image, LabelItemKind::Image);
}

void LabelItems::createBarcode(const QString& name, const LabelItemValue& v) {
    auto* barcode = new TBarcode(panel_);
    barcode->setSymbology(v.symbology);
    barcode->setData(v.barcodeData);
    barcode->setShowText(v.showText);
    barcode->setBarColor(v.brushColor);
    barcode->setBackgroundColor(v.backgroundColor);
    barcode->setShownData([this](const QString& data) {
        return SubstituteMergeFields(data, [this](const QString& field) -> std::optional<QString> {
            if (field == QStringView(kCounterFieldName))
                return counterShown();
            return std::nullopt;
        });
    });
    Box box = boxOf(v);
    if (box.width <= 0 || box.height <= 0)
        if (const auto natural = barcode->NaturalSize()) {
            box.width = box.width > 0 ? box.width : natural->width();
            box.height = box.height > 0 ? box.height : natural->height();
        }
    place(barcode, name, box);
    finish(barcode, LabelItemKind::Barcode);
}

QString LabelItems::counterShown() const {
    for (QWidget* item : orderList_)
        if (auto* counter = qobject_cast<TCounterLabel*>(item))
            return QString::number(counter->Caption().toInt());
    return QStringLiteral("0");
}

void LabelItems::triggerChange() {
    if (hooks_.TriggerChange)
        hooks_.TriggerChange();
}

void LabelItems::detachSelection() {
    if (hooks_.DetachSelection)
        hooks_.DetachSelection();
}

void LabelItems::discard(QWidget* item) {
    // Freed later, as the item may be deleting itself from one of its own events; without its
    // name it no longer counts as a label item or blocks the name's reuse.
    item->hide();
    item->setObjectName(QString());
    item->deleteLater();
}

qsizetype LabelItems::indexOf(QWidget* item) const {
    for (qsizetype i = 0; i < orderList_.size(); ++i) {
        if (orderList_[i] == item)
            return i;
    }
    return -1;
}
