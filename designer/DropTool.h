#pragma once

#include <QString>

#include <optional>

// The ten tools of the tool row, left to right, each creating one kind of label item.
enum class DropTool {
    Text,
    Rect,
    Ellipse,
    RoundRect,
    Symbol,
    HLine,
    VLine,
    Image,
    Counter,
    Barcode
};

inline constexpr DropTool AllDropTools[] = {
    DropTool::Text,  DropTool::Rect,  DropTool::Ellipse, DropTool::RoundRect, DropTool::Symbol,
    DropTool::HLine, DropTool::VLine, DropTool::Image,   DropTool::Counter,   DropTool::Barcode};

// The tool button's component name ("DropTextButton" ...) and the tool a name stands for.
QString DropToolButtonName(DropTool tool);
std::optional<DropTool> DropToolFromButtonName(const QString& name);
// A short description for the button's tooltip.
QString DropToolHint(DropTool tool);
