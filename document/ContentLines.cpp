#include "document/ContentLines.h"

TextAlign StoredTextAlign(QStringView value) {
    if (value.startsWith(u'C'))
        return TextAlign::Centre;
    if (value.startsWith(u'R'))
        return TextAlign::Right;
    return TextAlign::Left;
}

TextVAlign StoredTextVAlign(QStringView value) {
    if (value.startsWith(u'M'))
        return TextVAlign::Middle;
    if (value.startsWith(u'B'))
        return TextVAlign::Bottom;
    return TextVAlign::Top;
}

QString TextAlignLetter(TextAlign align) {
    switch (align) {
    case TextAlign::Centre:
        return QStringLiteral("C");
    case TextAlign::Right:
        return QStringLiteral("R");
    case TextAlign::Left:
        break;
    }
    return QStringLiteral("L");
}

QString TextVAlignLetter(TextVAlign align) {
    switch (align) {
    case TextVAlign::Middle:
        return QStringLiteral("M");
    case TextVAlign::Bottom:
        return QStringLiteral("B");
    case TextVAlign::Top:
        break;
    }
    return QStringLiteral("T");
}
