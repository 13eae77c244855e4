#pragma once

#include "designer/DropTool.h"

#include <QToolButton>

// One of the nine tool buttons: a 23 x 23 glyph button that never takes the focus. A press
// of any mouse button starts its drag at once (pressed() is emitted; the button does not
// stay down, as the drag takes the release).
class DropToolButton : public QToolButton {
    Q_OBJECT
public:
    DropToolButton(DropTool tool, QWidget* parent = nullptr);

    static constexpr int ButtonSize = 23;

    DropTool Tool() const { return tool_; }

signals:
    void DropButtonDown(DropToolButton* button);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    DropTool tool_;
};
