#pragma once

#include "document/ItemKinds.h"

#include <QToolButton>

// The tool button of one item kind: a 23 x 23 glyph button. A press of any mouse button starts
// its drag at once (pressed() is emitted; the button does not stay down, as the drag takes the
// release). It takes the focus from the Tab key only, and there Space or Enter asks for its
// item to be placed without a pointer.
class DropToolButton : public QToolButton {
    Q_OBJECT
public:
    DropToolButton(LabelItemKind kind, QWidget* parent = nullptr);

    static constexpr int ButtonSize = 23;

    LabelItemKind Tool() const { return kind_; }

signals:
    void DropButtonDown(DropToolButton* button);
    void PlaceRequested(DropToolButton* button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    LabelItemKind kind_;
};
