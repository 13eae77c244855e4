#include "controls/BarcodeCatalogue.h"

#include <zint.h>

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace {

using G = BarcodeGroup;

// What this program knows of a symbology besides what Zint says of it. The order is the
// menu's order within each group: the common ones first.
struct Known {
    const char* name;
    const char* caption;
    BarcodeGroup group;
    bool evenScale;
    bool gs1;
    int eccLowest;
    int eccHighest;
    const char* takes;
};

constexpr const char* kGs1Data =
    QT_TRANSLATE_NOOP("BarcodeCatalogue", "GS1 data such as (01)09501101530003(10)ABC");
constexpr const char* kComposite = QT_TRANSLATE_NOOP(
    "BarcodeCatalogue",
    "the linear symbol's data, then | and GS1 data such as (99)1234 for the part above");
constexpr const char* kAnyText = QT_TRANSLATE_NOOP("BarcodeCatalogue", "any text");
constexpr const char* kCode39Text =
    QT_TRANSLATE_NOOP("BarcodeCatalogue", "capital letters, digits, space and - . $ / + %");

constexpr Known kKnown[] = {
    // Linear
    {"CODE128", "Code 128", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "letters, digits and signs")},
    {"CODE39", "Code 39", G::Linear, false, false, 0, 0, kCode39Text},
    {"EANX", "EAN-13 / EAN-8", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "7, 8, 12 or 13 digits (an add-on of 2 or 5 after +)")},
    {"UPCA", "UPC-A", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "11 or 12 digits")},
    {"UPCE", "UPC-E", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "6, 7 or 8 digits")},
    {"CODE93", "Code 93", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "ASCII characters")},
    {"CODABAR", "Codabar", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP(
         "BarcodeCatalogue",
         "digits and - $ : / . + between the start and stop letters A to D, as A40156B")},
    {"C25INTER", "Interleaved 2 of 5", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "digits")},
    {"EXCODE39", "Code 39 Extended", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "ASCII characters")},
    {"CODE128B", "Code 128 (Subset B)", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "letters, digits and signs")},
    {"ISBNX", "ISBN", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "an ISBN of 9, 10 or 13 digits")},
    {"CODE11", "Code 11", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "digits and -")},
    {"C25STANDARD", "Standard 2 of 5", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "digits")},
    {"C25IATA", "IATA 2 of 5", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "digits")},
    {"C25LOGIC", "Data Logic 2 of 5", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "digits")},
    {"C25IND", "Industrial 2 of 5", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "digits")},
    {"LOGMARS", "LOGMARS", G::Linear, false, false, 0, 0, kCode39Text},
    {"MSI_PLESSEY", "MSI Plessey", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "digits")},
    {"PLESSEY", "UK Plessey", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "digits and the letters A to F")},
    {"TELEPEN", "Telepen", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "ASCII characters")},
    {"TELEPEN_NUM", "Telepen Numeric", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "digits")},
    {"PZN", "Pharmazentralnummer (PZN)", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "up to 7 digits")},
    {"CODE32", "Code 32 (Italian Pharmacode)", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "up to 8 digits")},
    {"PHARMA", "Pharmacode", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "a number from 3 to 131070")},
    {"PHARMA_TWO", "Pharmacode Two-Track", G::Linear, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "a number from 4 to 64570080")},
    {"HIBC_128", "HIBC Code 128", G::Linear, false, false, 0, 0, kCode39Text},
    {"HIBC_39", "HIBC Code 39", G::Linear, false, false, 0, 0, kCode39Text},
    {"VIN", "Vehicle Identification Number", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "17 capital letters and digits")},
    {"CHANNEL", "Channel Code", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "a number of up to 7 digits")},
    {"BC412", "BC412", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "4 to 18 capital letters and digits")},
    {"DPD", "DPD Code", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "27 or 28 capital letters and digits")},
    {"FLAT", "Flattermarken", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "digits")},
    {"EANX_CHK", "EAN-13 / EAN-8 with check digit", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "8 or 13 digits, the last the check digit")},
    {"UPCA_CHK", "UPC-A with check digit", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "12 digits, the last the check digit")},
    {"UPCE_CHK", "UPC-E with check digit", G::Linear, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "7 or 8 digits, the last the check digit")},
    // GS1
    {"GS1_128", "GS1-128", G::Gs1, false, true, 0, 0, kGs1Data},
    {"ITF14", "ITF-14", G::Gs1, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "13 or 14 digits")},
    {"EAN14", "EAN-14", G::Gs1, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "up to 13 digits")},
    {"NVE18", "NVE-18 (SSCC-18)", G::Gs1, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "up to 17 digits")},
    {"DBAR_OMN", "GS1 DataBar Omnidirectional", G::Gs1, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "a GTIN of up to 13 digits, without its check digit")},
    {"DBAR_LTD", "GS1 DataBar Limited", G::Gs1, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "a GTIN of up to 13 digits, the first 0 or 1")},
    {"DBAR_EXP", "GS1 DataBar Expanded", G::Gs1, false, true, 0, 0, kGs1Data},
    {"DBAR_STK", "GS1 DataBar Stacked", G::Gs1, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "a GTIN of up to 13 digits, without its check digit")},
    {"DBAR_OMNSTK", "GS1 DataBar Stacked Omnidirectional", G::Gs1, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "a GTIN of up to 13 digits, without its check digit")},
    {"DBAR_EXPSTK", "GS1 DataBar Expanded Stacked", G::Gs1, true, true, 0, 0, kGs1Data},
    {"GS1_128_CC", "GS1-128 Composite", G::Gs1, true, true, 0, 0, kComposite},
    {"EANX_CC", "EAN Composite", G::Gs1, true, true, 0, 0, kComposite},
    {"UPCA_CC", "UPC-A Composite", G::Gs1, true, true, 0, 0, kComposite},
    {"UPCE_CC", "UPC-E Composite", G::Gs1, true, true, 0, 0, kComposite},
    {"DBAR_OMN_CC", "GS1 DataBar Omnidirectional Composite", G::Gs1, true, true, 0, 0, kComposite},
    {"DBAR_LTD_CC", "GS1 DataBar Limited Composite", G::Gs1, true, true, 0, 0, kComposite},
    {"DBAR_EXP_CC", "GS1 DataBar Expanded Composite", G::Gs1, true, true, 0, 0, kComposite},
    {"DBAR_STK_CC", "GS1 DataBar Stacked Composite", G::Gs1, true, true, 0, 0, kComposite},
    {"DBAR_OMNSTK_CC", "GS1 DataBar Stacked Omnidirectional Composite", G::Gs1, true, true, 0, 0,
     kComposite},
    {"DBAR_EXPSTK_CC", "GS1 DataBar Expanded Stacked Composite", G::Gs1, true, true, 0, 0,
     kComposite},
    // 2D
    {"QRCODE", "QR Code", G::TwoD, true, false, 1, 4, kAnyText},
    {"DATAMATRIX", "Data Matrix", G::TwoD, true, false, 0, 0, kAnyText},
    {"PDF417", "PDF417", G::TwoD, true, false, 0, 8, kAnyText},
    {"AZTEC", "Aztec Code", G::TwoD, true, false, 1, 4, kAnyText},
    {"MICROQR", "Micro QR Code", G::TwoD, true, false, 1, 3,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "up to 35 digits or 21 letters and digits")},
    {"RMQR", "Rectangular Micro QR (rMQR)", G::TwoD, true, false, 0, 0, kAnyText},
    {"PDF417COMP", "Compact PDF417", G::TwoD, true, false, 0, 8, kAnyText},
    {"MICROPDF417", "MicroPDF417", G::TwoD, true, false, 0, 0, kAnyText},
    {"MAXICODE", "MaxiCode", G::TwoD, true, false, 0, 0, kAnyText},
    {"HANXIN", "Han Xin Code", G::TwoD, true, false, 1, 4, kAnyText},
    {"DOTCODE", "DotCode", G::TwoD, true, false, 0, 0, kAnyText},
    {"CODEONE", "Code One", G::TwoD, true, false, 0, 0, kAnyText},
    {"GRIDMATRIX", "Grid Matrix", G::TwoD, true, false, 0, 0, kAnyText},
    {"ULTRA", "Ultracode", G::TwoD, true, false, 0, 0, kAnyText},
    {"UPNQR", "UPNQR (Slovenian payment slip)", G::TwoD, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "the payment slip's text")},
    {"AZRUNE", "Aztec Runes", G::TwoD, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "a number from 0 to 255")},
    {"CODE16K", "Code 16K", G::TwoD, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "ASCII characters")},
    {"CODE49", "Code 49", G::TwoD, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "ASCII characters")},
    {"CODABLOCKF", "Codablock-F", G::TwoD, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "ASCII characters")},
    {"HIBC_DM", "HIBC Data Matrix", G::TwoD, true, false, 0, 0, kCode39Text},
    {"HIBC_QR", "HIBC QR Code", G::TwoD, true, false, 1, 4, kCode39Text},
    {"HIBC_PDF", "HIBC PDF417", G::TwoD, true, false, 0, 8, kCode39Text},
    {"HIBC_MICPDF", "HIBC MicroPDF417", G::TwoD, true, false, 0, 0, kCode39Text},
    {"HIBC_BLOCKF", "HIBC Codablock-F", G::TwoD, true, false, 0, 0, kCode39Text},
    {"HIBC_AZTEC", "HIBC Aztec Code", G::TwoD, true, false, 1, 4, kCode39Text},
    // Postal
    {"POSTNET", "USPS POSTNET", G::Postal, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "5, 9 or 11 digits")},
    {"USPS_IMAIL", "USPS Intelligent Mail", G::Postal, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue",
                       "20 digits, then - and a ZIP code of 5, 9 or 11 digits")},
    {"PLANET", "USPS PLANET", G::Postal, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "11 or 13 digits")},
    {"FIM", "USPS Facing Identification Mark", G::Postal, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "one letter A to E")},
    {"RM4SCC", "Royal Mail 4-State (RM4SCC)", G::Postal, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "capital letters and digits")},
    {"MAILMARK", "Royal Mail Mailmark", G::Postal, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "22 to 26 characters of Mailmark data")},
    {"KIX", "Dutch Post KIX Code", G::Postal, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "capital letters and digits")},
    {"AUSPOST", "Australia Post Standard Customer", G::Postal, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "8, 13, 16, 18 or 23 characters")},
    {"AUSREPLY", "Australia Post Reply Paid", G::Postal, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "8 digits")},
    {"AUSROUTE", "Australia Post Routing", G::Postal, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "8 digits")},
    {"AUSREDIRECT", "Australia Post Redirection", G::Postal, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "8 digits")},
    {"JAPANPOST", "Japan Post", G::Postal, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "digits, capital letters and -")},
    {"KOREAPOST", "Korea Post", G::Postal, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "up to 6 digits")},
    {"CEPNET", "Brazilian CEPNet", G::Postal, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "8 digits")},
    {"DPLEIT", "Deutsche Post Leitcode", G::Postal, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "up to 13 digits")},
    {"DPIDENT", "Deutsche Post Identcode", G::Postal, false, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "up to 11 digits")},
    {"DAFT", "DAFT Code", G::Postal, true, false, 0, 0,
     QT_TRANSLATE_NOOP("BarcodeCatalogue", "the letters D, A, F and T")},
};

// A symbology this program does not know by name, grouped by what Zint says of it.
BarcodeType Unknown(int zint, const QString& name) {
    BarcodeType type;
    type.zint = zint;
    type.name = name;
    type.caption = name;
    const bool gs1 = ZBarcode_Cap(zint, ZINT_CAP_GS1) != 0;
    const bool stacked = ZBarcode_Cap(zint, ZINT_CAP_STACKABLE) == 0;
    const bool fixedRatio = ZBarcode_Cap(zint, ZINT_CAP_FIXED_RATIO) != 0;
    type.group = fixedRatio || (stacked && gs1) ? G::TwoD : gs1 ? G::Gs1 : G::Linear;
    type.evenScale = fixedRatio || stacked;
    type.takes = QString::fromLatin1(
        QT_TRANSLATE_NOOP("BarcodeCatalogue", "data this kind of symbol holds"));
    return type;
}

QList<BarcodeType> Build() {
    QList<BarcodeType> types;
    QList<BarcodeType> unknown;
    std::array<BarcodeType, std::size(kKnown)> known{};
    for (int zint = 1; zint <= 255; ++zint) {
        if (!ZBarcode_ValidID(zint))
            continue;
        char buffer[32] = {};
        if (ZBarcode_BarcodeName(zint, buffer) != 0)
            continue;
        QString name = QString::fromLatin1(buffer);
        if (name.startsWith(QLatin1String("BARCODE_")))
            name = name.mid(8);
        const auto row = std::find_if(std::begin(kKnown), std::end(kKnown), [&](const Known& k) {
            return name == QLatin1String(k.name);
        });
        BarcodeType type = Unknown(zint, name);
        if (row != std::end(kKnown)) {
            type.caption = QString::fromUtf8(row->caption);
            type.group = row->group;
            type.evenScale = row->evenScale;
            type.gs1 = row->gs1;
            type.composite = name.endsWith(QLatin1String("_CC"));
            type.eccLowest = row->eccLowest;
            type.eccHighest = row->eccHighest;
            type.takes = QString::fromUtf8(row->takes);
        }
        type.hasText = ZBarcode_Cap(zint, ZINT_CAP_HRT) != 0;
        if (row != std::end(kKnown))
            known[size_t(row - std::begin(kKnown))] = type;
        else
            unknown.append(type);
    }
    for (const G group : {G::Linear, G::Gs1, G::TwoD, G::Postal}) {
        for (const BarcodeType& type : known)
            if (type.zint != 0 && type.group == group)
                types.append(type);
        for (const BarcodeType& type : unknown)
            if (type.group == group)
                types.append(type);
    }
    return types;
}

} // namespace

const QList<BarcodeType>& BarcodeCatalogue::All() {
    static const QList<BarcodeType> types = Build();
    return types;
}

const BarcodeType* BarcodeCatalogue::FromName(QStringView name) {
    for (const BarcodeType& type : All())
        if (type.name == name)
            return &type;
    return nullptr;
}

const BarcodeType* BarcodeCatalogue::FromZint(int zint) {
    for (const BarcodeType& type : All())
        if (type.zint == zint)
            return &type;
    return nullptr;
}

QString BarcodeCatalogue::GroupCaption(BarcodeGroup group) {
    switch (group) {
    case G::Linear:
        return QCoreApplication::translate("BarcodeCatalogue", "Linear");
    case G::Gs1:
        return QStringLiteral("GS1");
    case G::TwoD:
        return QStringLiteral("2D");
    case G::Postal:
        return QCoreApplication::translate("BarcodeCatalogue", "Postal");
    }
    return {};
}
