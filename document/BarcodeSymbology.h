#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A barcode item's kind of symbol. Stored by Zint's symbology name without its "BARCODE_"
// prefix, never by Zint's number, which may change between versions. The ten named here are
// the ones every version offered; any other well-formed name ("CODE93", "DBAR_OMN", or one
// only a newer Zint knows) is a value above them, the same value for the same name for the
// whole run, so that a label keeps it whether or not the installed Zint makes it.
enum class BarcodeSymbology : int {
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

// The stored name and back. A name is well formed when it is a capital letter followed by
// capitals, digits and underscores, without Zint's "BARCODE_" prefix; nothing for any other
// (compared exactly, so "qrcode" is none).
QString BarcodeSymbologyName(BarcodeSymbology symbology);
std::optional<BarcodeSymbology> BarcodeSymbologyFromName(QStringView name);
// The caption of one of the ten: "Code 128", "EAN-13 / EAN-8", "QR Code" …; any other
// symbology's stored name (controls/BarcodeCatalogue has the captions of those Zint makes).
QString BarcodeSymbologyCaption(BarcodeSymbology symbology);
