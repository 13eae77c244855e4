#pragma once

#include "designer/SelectionProperties.h"

#include <QToolBar>

class QFontComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

// The bar under the tool row that shows and edits the selected items' font, size, styles,
// colours, line thickness, place and size. It is a view of SelectionProperties: it shows what
// the selected items share (blank where they differ, disabled where none has the property),
// and every change goes to all of them as one edit and one undo step.
//
// The place and size are typed in the label's unit ("in" or "mm"), as the locale writes
// numbers; Enter (or leaving the box) applies, Escape puts back what the item holds. Enter and
// Escape in any box of the bar hand the keys back to the label (KeysBack). A face
// the system lacks shows as the family that prints in its place, and the items keep their
// face until the user picks another.
class PropertyBar : public QToolBar {
    Q_OBJECT
public:
    explicit PropertyBar(SelectionProperties& properties, QWidget* parent = nullptr);

    // Shows the selection as it is now (queued after every change, done at once here).
    void Refresh();

    QFontComboBox* FontBox = nullptr;
    QSpinBox* SizeBox = nullptr;
    QToolButton* BoldButton = nullptr;
    QToolButton* ItalicButton = nullptr;
    QToolButton* UnderlineButton = nullptr;
    QToolButton* TextColorButton = nullptr;
    QToolButton* LineColorButton = nullptr;
    QSpinBox* LineWidthBox = nullptr;
    QToolButton* FillColorButton = nullptr;
    QLineEdit* LeftEdit = nullptr;
    QLineEdit* TopEdit = nullptr;
    QLineEdit* WidthEdit = nullptr;
    QLineEdit* HeightEdit = nullptr;
    QLabel* UnitLabel = nullptr;

signals:
    // Enter or Escape ended the typing in a box of the bar: the keys go back to the label.
    void KeysBack();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateFontControls();
    void CreateColourControls();
    void CreateMeasureControls();
    QToolButton* AddStyleButton(const char* name, const QString& caption, const QString& tip,
                                ItemProperty property);
    QToolButton* AddColourButton(const char* name, const QString& tip, ItemProperty property);
    QLineEdit* AddMeasure(const char* name, const QString& caption, const QString& tip,
                          ItemProperty property);
    void QueueRefresh();
    void Apply(ItemProperty property, const QVariant& value);
    void PickFamily(const QString& family);
    void PickColour(ItemProperty property);
    // A typed place or size; a text that is no number puts back the item's.
    void ApplyMeasure(QLineEdit* edit, ItemProperty property);
    void ShowMeasure(QLineEdit* edit, ItemProperty property);
    void ShowColour(QToolButton* button, ItemProperty property);
    void ShowSpin(QSpinBox* box, ItemProperty property);
    // Enter and Escape in the boxes that take typing.
    void WatchKeys(QWidget* box);

    SelectionProperties& properties_;
    bool refreshQueued_ = false;
};
