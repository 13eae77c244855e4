#include "document/BarcodeSymbology.h"

#include <QStringList>

#include <mutex>

namespace {

struct SymbologyName {
    BarcodeSymbology symbology;
    QStringView stored;
    QStringView caption;
};

constexpr SymbologyName kNames[] = {
    {BarcodeSymbology::Code128, u"CODE128", u"Code 128"},
    {BarcodeSymbology::Code39, u"CODE39", u"Code 39"},
    {BarcodeSymbology::Ean, u"EANX", u"EAN-13 / EAN-8"},
    {BarcodeSymbology::UpcA, u"UPCA", u"UPC-A"},
    {BarcodeSymbology::Itf14, u"ITF14", u"ITF-14"},
    {BarcodeSymbology::Gs1_128, u"GS1_128", u"GS1-128"},
    {BarcodeSymbology::QrCode, u"QRCODE", u"QR Code"},
    {BarcodeSymbology::DataMatrix, u"DATAMATRIX", u"Data Matrix"},
    {BarcodeSymbology::Pdf417, u"PDF417", u"PDF417"},
    {BarcodeSymbology::Aztec, u"AZTEC", u"Aztec"},
};

constexpr int kNamedCount = int(std::size(kNames));

const SymbologyName* Named(BarcodeSymbology symbology) {
    for (const SymbologyName& names : kNames)
        if (names.symbology == symbology)
            return &names;
    return nullptr;
}

// The names met beyond the ten, in the order first met: value kNamedCount + index. Labels
// are read on more than one thread (the batch, previews), hence the lock.
struct OtherNames {
    std::mutex lock;
    QStringList names;
};

OtherNames& others() {
    static OtherNames table;
    return table;
}

bool WellFormed(QStringView name) {
    if (name.isEmpty() || name.size() > 64 || name.startsWith(u"BARCODE_"))
        return false;
    if (name.front() < u'A' || name.front() > u'Z')
        return false;
    for (QChar c : name)
        if (!((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'))
            return false;
    return true;
}

} // namespace

QString BarcodeSymbologyName(BarcodeSymbology symbology) {
    if (const SymbologyName* names = Named(symbology))
        return names->stored.toString();
    OtherNames& table = others();
    const std::lock_guard guard(table.lock);
    const qsizetype index = qsizetype(symbology) - kNamedCount;
    return index >= 0 && index < table.names.size() ? table.names[index] : kNames[0].stored.toString();
}

std::optional<BarcodeSymbology> BarcodeSymbologyFromName(QStringView name) {
    for (const SymbologyName& names : kNames)
        if (names.stored == name)
            return names.symbology;
    if (!WellFormed(name))
        return std::nullopt;
    OtherNames& table = others();
    const std::lock_guard guard(table.lock);
    qsizetype index = table.names.indexOf(name);
    if (index < 0) {
        index = table.names.size();
        table.names.append(name.toString());
    }
    return BarcodeSymbology(kNamedCount + int(index));
}

QString BarcodeSymbologyCaption(BarcodeSymbology symbology) {
    if (const SymbologyName* names = Named(symbology))
        return names->caption.toString();
    return BarcodeSymbologyName(symbology);
}
