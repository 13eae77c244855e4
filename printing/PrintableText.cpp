#include "printing/PrintableText.h"

#include <algorithm>

namespace {

bool IsControl(QChar c) {
    return c.category() == QChar::Other_Control;
}

bool IsSpacing(QChar c) {
    return c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

} // namespace

QString PrintableText(const QString& text) {
    if (std::none_of(text.begin(), text.end(), IsControl))
        return text;
    QString printable;
    printable.reserve(text.size());
    bool gap = false;
    for (const QChar c : text) {
        if (IsSpacing(c)) {
            gap = true;
            continue;
        }
        if (IsControl(c))
            continue;
        if (gap && !printable.isEmpty() && printable.back() != u' ' && c != u' ')
            printable += u' ';
        gap = false;
        printable += c;
    }
    return printable;
}
