// The control of image items.
#include "controls/ItemControls.h"
#include "controls/TImage.h"
#include "document/LabelItemValue.h"

namespace {

QWidget* create(QWidget* panel, const ItemControlContext& context) {
    auto* image = new TImage(panel);
    image->setShownFile([&context](const QString& name) { return context.ShownFile(name); });
    return image;
}

// Unstretched, the control takes its picture's size. A file that cannot be read leaves the
// placeholder with the box, path and flag as given. The picture is read again only when the
// item names another file (or had none that could be read). With a record shown on the
// panel, the file is the record's.
void apply(QWidget* control, const LabelItemValue& v) {
    auto* image = static_cast<TImage*>(control);
    image->setStretch(v.stretch);
    const QString file = image->ShownFile(v.fileName);
    if (file.isEmpty())
        image->setHint(file);
    else if (image->Hint() != file || !image->HasPicture())
        image->LoadFromFile(file);
}

} // namespace

extern const ItemControlKind ImageItemControl = {&create, &apply};
