#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The symbologies a barcode item offers. Stored by Zint's symbology name without its
// "BARCODE_" prefix, never by Zint's number, which may change between versions.
enum class BarcodeSymbology {
    Code128,
    Code39,
    Ean,
    UpcA,
    Itf14,
    Gs1_128,
    QrCode,
    DataMatrix,
    Pdf417,
    Aztec
};

inline constexpr BarcodeSymbology AllBarcodeSymbologies[] = {
    BarcodeSymbology::Code128, BarcodeSymbology::Code39,     BarcodeSymbology::Ean,
    BarcodeSymbology::UpcA,    BarcodeSymbology::Itf14,      BarcodeSymbology::Gs1_128,
    BarcodeSymbology::QrCode,  BarcodeSymbology::DataMatrix, BarcodeSymbology::Pdf417,
    BarcodeSymbology::Aztec};

// "CODE128" … "AZTEC" and back; nothing for any other name (compared exactly).
QString BarcodeSymbologyName(BarcodeSymbology symbology);
std::optional<BarcodeSymbology> BarcodeSymbologyFromName(QStringView name);
// The menu caption: "Code 128", "EAN-13 / EAN-8", "QR Code" …
QString BarcodeSymbologyCaption(BarcodeSymbology symbology);
