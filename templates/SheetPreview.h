#pragma once

#include "document/SheetGeometry.h"

#include <QWidget>

// A drawing of a whole sheet to scale: the paper, and every label on it in its shape. A roll
// shows three of its pages one after another. Blank when the paper's size is not known.
class SheetPreview : public QWidget {
    Q_OBJECT
public:
    explicit SheetPreview(QWidget* parent = nullptr);

    void SetGeometry(const SheetGeometry& geometry);
    void Clear();
    const SheetGeometry& Geometry() const { return geometry_; }
    bool HasSheet() const { return shown_; }

    // The rectangle the paper takes in the widget, pixels (empty when nothing is drawn).
    QRectF PaperRect() const;

    QSize sizeHint() const override { return {220, 280}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SheetGeometry geometry_;
    bool shown_ = false;
};
