// The control of image items.
#include "controls/ItemControls.h"
#include "controls/TImage.h"
#include "document/LabelItemValue.h"

namespace {

QWidget* create(QWidget* panel, const ItemControlContext&) {
    return new TImage(panel);
}

// Unstretched, the control takes its picture's size. A file that cannot be read leaves the
// placeholder with the box, path and flag as given. The picture is read again only when the
// item names another file (or had none that could be read).
void apply(QWidget* control, const LabelItemValue& v) {
    auto* image = static_cast<TImage*>(control);
    image->setStretch(v.stretch);
    if (v.fileName.isEmpty())
        image->setHint(v.fileName);
    else if (image->Hint() != v.fileName || !image->HasPicture())
        image->LoadFromFile(v.fileName);
}

} // namespace

extern const ItemControlKind ImageItemControl = {&create, &apply};
