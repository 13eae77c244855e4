#pragma once

#include "document/ItemKinds.h"

#include <QToolButton>

// The tool button of one item kind: a 23 x 23 glyph button that never takes the focus. A press
// of any mouse button starts its drag at once (pressed() is emitted; the button does not
// stay down, as the drag takes the release).
class DropToolButton : public QToolButton {
    Q_OBJECT
public:
    DropToolButton(LabelItemKind kind, QWidget* parent = nullptr);

    static constexpr int ButtonSize = 23;

    LabelItemKind Tool() const { return kind_; }

signals:
    void DropButtonDown(DropToolButton* button);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    LabelItemKind kind_;
};
