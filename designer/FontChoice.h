#pragma once

#include <QString>
#include <QtGlobal>

// A text item's font as the font dialog shows and returns it. Sizes are whole points;
// colour is a stored colour value (red in the lowest byte). Items keep no strike-out; the
// dialog offers it and reports it, and callers use what their item can hold.
struct FontChoice {
    QString name;
    int size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    qint32 colour = 0;
};
