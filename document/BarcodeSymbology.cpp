#include "document/BarcodeSymbology.h"

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

const SymbologyName& Names(BarcodeSymbology symbology) {
    for (const SymbologyName& names : kNames)
        if (names.symbology == symbology)
            return names;
    return kNames[0];
}

} // namespace

QString BarcodeSymbologyName(BarcodeSymbology symbology) {
    return Names(symbology).stored.toString();
}

std::optional<BarcodeSymbology> BarcodeSymbologyFromName(QStringView name) {
    for (const SymbologyName& names : kNames)
        if (names.stored == name)
            return names.symbology;
    return std::nullopt;
}

QString BarcodeSymbologyCaption(BarcodeSymbology symbology) {
    return Names(symbology).caption.toString();
}
