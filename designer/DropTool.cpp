#include "designer/DropTool.h"

QString DropToolButtonName(DropTool tool) {
    switch (tool) {
    case DropTool::Text:
        return QStringLiteral("DropTextButton");
    case DropTool::Rect:
        return QStringLiteral("DropRectButton");
    case DropTool::Ellipse:
        return QStringLiteral("DropEllipseButton");
    case DropTool::RoundRect:
        return QStringLiteral("DropRoundRectButton");
    case DropTool::Symbol:
        return QStringLiteral("DropSymbolButton");
    case DropTool::HLine:
        return QStringLiteral("DropHLineButton");
    case DropTool::VLine:
        return QStringLiteral("DropVLineButton");
    case DropTool::Image:
        return QStringLiteral("DropImageButton");
    case DropTool::Counter:
        return QStringLiteral("DropCounterButton");
    case DropTool::Barcode:
        return QStringLiteral("DropBarcodeButton");
    }
    return {};
}

std::optional<DropTool> DropToolFromButtonName(const QString& name) {
    for (DropTool tool : AllDropTools) {
        if (DropToolButtonName(tool) == name)
            return tool;
    }
    return std::nullopt;
}

QString DropToolHint(DropTool tool) {
    switch (tool) {
    case DropTool::Text:
        return QStringLiteral("Drag to place a text");
    case DropTool::Rect:
        return QStringLiteral("Drag to place a rectangle");
    case DropTool::Ellipse:
        return QStringLiteral("Drag to place an ellipse");
    case DropTool::RoundRect:
        return QStringLiteral("Drag to place a rounded rectangle");
    case DropTool::Symbol:
        return QStringLiteral("Drag to place a symbol");
    case DropTool::HLine:
        return QStringLiteral("Drag to place a horizontal line");
    case DropTool::VLine:
        return QStringLiteral("Drag to place a vertical line");
    case DropTool::Image:
        return QStringLiteral("Drag to place an image");
    case DropTool::Counter:
        return QStringLiteral("Drag to place the counter");
    case DropTool::Barcode:
        return QStringLiteral("Drag to place a barcode");
    }
    return {};
}
