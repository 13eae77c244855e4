#include "document/ItemTransfer.h"

#include "document/LabelDesign.h"

#include <QMimeData>
#include <QStringList>

const QString ItemTransfer::MimeType = QStringLiteral("application/x-quorvane-items");

QString ItemTransfer::ObjectsText(const std::vector<LabelItemValue>& values) {
    LabelDesign design;
    int number = 0;
    for (const LabelItemValue& value : values)
        design.items.push_back({QStringLiteral("Special%1").arg(++number), value});
    return design.SaveItems();
}

QString ItemTransfer::PlainText(const std::vector<LabelItemValue>& values) {
    QStringList texts;
    for (const LabelItemValue& value : values)
        if (value.kind == LabelItemKind::Text && !value.text.isEmpty())
            texts << value.text;
    return texts.join(u'\n');
}

QMimeData* ItemTransfer::ToMimeData(const std::vector<LabelItemValue>& values) {
    auto* data = new QMimeData;
    data->setData(MimeType, ObjectsText(values).toUtf8());
    const QString plain = PlainText(values);
    if (!plain.isEmpty())
        data->setText(plain);
    return data;
}

std::vector<LabelItemValue> ItemTransfer::ItemsFrom(const QMimeData& data) {
    if (!data.hasFormat(MimeType))
        return {};
    LabelDesign design;
    design.REstoreItems(QString::fromUtf8(data.data(MimeType)));
    return design.ItemValues();
}
