#pragma once

#include <QList>
#include <QString>

#include <functional>

// A piece of an item's text as the design panel shows it. A marked run is drawn in red: it
// names something the label will not print as typed (a merge field the source lacks).
struct TextRun {
    QString text;
    bool marked = false;
};

// The runs the panel shows for an item's text, or none to show the text as typed. Only the
// screen asks: the stored text and the printed label never change.
using TextMarker = std::function<QList<TextRun>(const QString& text)>;
