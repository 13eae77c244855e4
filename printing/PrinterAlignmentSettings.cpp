#include "printing/PrinterAlignmentSettings.h"

#include <QSettings>

namespace {

const char* const kKeys[] = {"OffsetX", "OffsetY", "ScaleX", "ScaleY"};

double* Field(PrinterAlignment& alignment, int index) {
    double* fields[] = {&alignment.OffsetX, &alignment.OffsetY, &alignment.ScaleX,
                        &alignment.ScaleY};
    return fields[index];
}

} // namespace

PrinterAlignmentSettings::PrinterAlignmentSettings(const QString& iniFileName)
    : fileName_(iniFileName) {}

QString PrinterAlignmentSettings::Group(const QString& printerName) {
    QString name = printerName;
    name.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return QStringLiteral("Printers/") + name;
}

PrinterAlignment PrinterAlignmentSettings::Read(const QString& printerName) const {
    PrinterAlignment alignment;
    if (printerName.isEmpty())
        return alignment;
    const QSettings ini(fileName_, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return alignment;
    const QString group = Group(printerName) + QLatin1Char('/');
    for (int i = 0; i < 4; ++i) {
        const QVariant stored = ini.value(group + QLatin1String(kKeys[i]));
        if (!stored.isValid())
            continue;
        bool ok = false;
        const double value = stored.toString().trimmed().toDouble(&ok); // always "."
        if (ok)
            *Field(alignment, i) = value;
    }
    alignment.Clamp();
    return alignment;
}

bool PrinterAlignmentSettings::Write(const QString& printerName,
                                     const PrinterAlignment& alignment) {
    if (printerName.isEmpty())
        return false;
    QSettings ini(fileName_, QSettings::IniFormat);
    const QString group = Group(printerName);
    if (alignment.IsIdentity()) {
        ini.remove(group); // a printer without a correction prints as it always did
    } else {
        PrinterAlignment values = alignment;
        for (int i = 0; i < 4; ++i)
            ini.setValue(group + QLatin1Char('/') + QLatin1String(kKeys[i]),
                         QString::number(*Field(values, i), 'f', 4));
    }
    ini.sync();
    return ini.status() == QSettings::NoError;
}
