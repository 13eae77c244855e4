#include "storage/LabelRecordStore.h"

#include "document/Units.h"
#include "storage/DataTable.h"

namespace {
QString Cut(const QString& text, int maxChars) {
    return text.left(maxChars);
}

QString TrimRight(const QString& text) {
    int end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}
} // namespace

CurrentLabel LabelRecordStore::Read() const {
    CurrentLabel label;
    label.description = Cut(table_.Text(QStringLiteral("DESCRIPT")), 60);
    label.templateName = Cut(table_.Text(QStringLiteral("TEMPLATE")), 60);
    SheetGeometry& g = label.geometry;
    g.labelHeight = float(table_.Float(QStringLiteral("LBLHEIGHT")));
    g.labelWidth = float(table_.Float(QStringLiteral("LBLWIDTH")));
    g.topMargin = float(table_.Float(QStringLiteral("TOPMARG")));
    g.leftMargin = float(table_.Float(QStringLiteral("LEFTMARG")));
    g.horizontalPitch = float(table_.Float(QStringLiteral("HORIZPITCH")));
    g.verticalPitch = float(table_.Float(QStringLiteral("VERTPITCH")));
    g.labelsAcross = table_.Integer(QStringLiteral("NBRACROSS"));
    g.labelsDown = table_.Integer(QStringLiteral("NBRDOWN"));
    g.paperSize = Cut(table_.Text(QStringLiteral("PAPERSIZE")), 5);
    g.labelShape = Cut(table_.Text(QStringLiteral("LBLSHAPE")), 2);
    return label;
}

QString LabelRecordStore::ReadObjects() const {
    return table_.Memo(QStringLiteral("OBJECTS"));
}

void LabelRecordStore::Write(const CurrentLabel& label, const QString& objectsText, bool append) {
    if (append)
        table_.Append();
    else
        table_.Edit();
    try {
        const SheetGeometry& g = label.geometry;
        table_.SetMemo(QStringLiteral("OBJECTS"), objectsText);
        table_.SetText(QStringLiteral("DESCRIPT"), label.description);
        table_.SetText(QStringLiteral("TEMPLATE"), label.templateName);
        table_.SetFloat(QStringLiteral("LBLHEIGHT"), FloatToDBF(g.labelHeight));
        table_.SetFloat(QStringLiteral("LBLWIDTH"), FloatToDBF(g.labelWidth));
        table_.SetFloat(QStringLiteral("TOPMARG"), FloatToDBF(g.topMargin));
        table_.SetFloat(QStringLiteral("LEFTMARG"), FloatToDBF(g.leftMargin));
        table_.SetFloat(QStringLiteral("HORIZPITCH"), FloatToDBF(g.horizontalPitch));
        table_.SetFloat(QStringLiteral("VERTPITCH"), FloatToDBF(g.verticalPitch));
        table_.SetInteger(QStringLiteral("NBRACROSS"), g.labelsAcross);
        table_.SetInteger(QStringLiteral("NBRDOWN"), g.labelsDown);
        table_.SetText(QStringLiteral("PAPERSIZE"), g.paperSize);
        table_.SetText(QStringLiteral("LBLSHAPE"), g.labelShape);
        table_.Post();
    } catch (...) {
        table_.Cancel();
        throw;
    }
}

QString LabelRecordStore::ComparableName(const QString& description) const {
    return TrimRight(table_.FitToField(QStringLiteral("DESCRIPT"), description)).toUpper();
}

bool LabelRecordStore::IsDuplicate(const QString& description, quint32 ownRecord) {
    const QString wanted = ComparableName(description);
    bool duplicate = false;
    // The index orders by the upper-cased description: every candidate lies in one run.
    for (bool found = table_.Seek(wanted); found && !table_.Eof(); table_.Next()) {
        const QString stored = ComparableName(table_.Text(QStringLiteral("DESCRIPT")));
        if (stored != wanted) {
            if (!stored.startsWith(wanted))
                break;
            continue;
        }
        if (ownRecord == 0 || table_.RecNo() != ownRecord) {
            duplicate = true;
            break;
        }
    }
    if (ownRecord > 0)
        table_.Go(ownRecord);
    return duplicate;
}
