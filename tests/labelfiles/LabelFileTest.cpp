#include "labelfiles/LabelExport.h"
#include "labelfiles/LabelFile.h"
#include "document/ObjectsTextReader.h"
#include "document/ObjectsTextWriter.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The label file: what it writes, that it reads back exactly, and that damaged or hostile
// files are refused with a reason before anything of them is used.

namespace {

// One item of every kind the objects text knows, as the writer writes them.
const char* const kEveryKind =
    "LABELITEM=TEXT\r\nTEXT=Welcome {Name}\r\nTOP=0.104\r\nLEFT=0.208\r\nWIDTH=0.417\r\n"
    "HEIGHT=0.167\r\nFONTNAME=Arial\r\nFONTCOLOR=255\r\nFONTSIZE=10\r\nFONTBOLD=Y\r\n"
    "FONTITALIC=N\r\nFONTUNDER=N\r\nANGLE=270\r\nRELATIVEX=0.000\r\nRELATIVEY=0.000\r\n"
    "LABELITEM=COUNTER\r\nTOP=0.5\r\nLEFT=0.1\r\nWIDTH=0.3\r\nHEIGHT=0.2\r\nRELATIVEX=0.000\r\n"
    "RELATIVEY=0.000\r\nSTARTINGNUMBER=-3\r\nREPEATEACH=2\r\nFONTNAME=Arial\r\nFONTSIZE=9\r\n"
    "FONTCOLOR=0\r\nFONTBOLD=N\r\nFONTITALIC=Y\r\nFONTUNDER=Y\r\nANGLE=-90\r\n"
    "LABELITEM=SYMBOL\r\nTOP=0.1\r\nLEFT=0.1\r\nWIDTH=0.2\r\nHEIGHT=0.2\r\nFONTSIZE=12\r\n"
    "FONTCOLOR=0\r\nASCIICHAR=74\r\n"
    "LABELITEM=RECTANGLE\r\nTOP=0.500\r\nLEFT=0.250\r\nWIDTH=0.260\r\nHEIGHT=0.260\r\n"
    "BRUSHSTYLE=CROSS\r\nCOLOR=65280\r\nLINETHICKNESS=2\r\nLINECOLOR=0\r\n"
    "LABELITEM=ROUNDRECTANGLE\r\nTOP=0.1\r\nLEFT=0.1\r\nWIDTH=0.5\r\nHEIGHT=0.5\r\n"
    "BRUSHSTYLE=SOLID\r\nCOLOR=0\r\nLINETHICKNESS=1\r\nLINECOLOR=0\r\nROUNDING=20\r\n"
    "LABELITEM=ELLIPSE\r\nTOP=0.1\r\nLEFT=0.1\r\nWIDTH=0.5\r\nHEIGHT=0.5\r\nBRUSHSTYLE=CLEAR\r\n"
    "COLOR=0\r\nLINETHICKNESS=1\r\nLINECOLOR=-2147483640\r\n"
    "LABELITEM=HORIZONTALLINE\r\nTOP=0.1\r\nLEFT=0.1\r\nWIDTH=1.0\r\nHEIGHT=0.02\r\n"
    "ORIENTATION=H\r\nLINETHICKNESS=1\r\nLINECOLOR=0\r\n"
    "LABELITEM=VERTICALLINE\r\nTOP=0.1\r\nLEFT=0.1\r\nWIDTH=0.02\r\nHEIGHT=0.8\r\n"
    "ORIENTATION=V\r\nLINETHICKNESS=3\r\nLINECOLOR=0\r\n"
    "LABELITEM=IMAGE\r\nTOP=0.1\r\nLEFT=0.1\r\nWIDTH=0.5\r\nHEIGHT=0.5\r\nSTRETCH=Y\r\n"
    "FILENAMEANDPATH=/somewhere/logo.bmp\r\n"
    "LABELITEM=BARCODE\r\nTOP=0.1\r\nLEFT=0.1\r\nWIDTH=1.5\r\nHEIGHT=0.5\r\nSYMBOLOGY=QRCODE\r\n"
    "DATA={Id}=x\r\nSHOWTEXT=N\r\nCOLOR=0\r\nBACKGROUND=16777215\r\n"
    "LABELITEM=STAR\r\nPOINTS=5\r\n"
    "NOTHING=NOTHING\r\n";

LabelFile Sample() {
    LabelFile file;
    file.label.description = QStringLiteral("Name badges ü");
    file.label.templateName = QStringLiteral("Avery 5395 Name Badge");
    // Values as the table gives them (three decimals in single precision), and a four-decimal
    // template value as a new label holds it before it is saved.
    file.label.geometry = {2.333f, 3.375f, 2, 4, 0.667f, 0.1875f, 4.0f, 2.333f, "USER", "RR",
                           8.5f, 11.0f};
    file.objectsText = QString::fromLatin1(kEveryKind);
    file.mergeSource = QStringLiteral("/home/ann/guests.csv");
    file.pictures.push_back({QStringLiteral("/somewhere/logo.bmp"), QStringLiteral("logo.bmp"),
                             QByteArray("BM\x00\x01\xff", 5)});
    return file;
}

QJsonObject Json(const QByteArray& bytes) {
    return QJsonDocument::fromJson(bytes).object();
}

QByteArray Bytes(const QJsonObject& object) {
    return QJsonDocument(object).toJson();
}

QString ErrorOf(const QByteArray& bytes) {
    const LabelFileRead read = LabelFile::FromBytes(bytes);
    EXPECT_FALSE(read.file) << bytes.left(200).toStdString();
    EXPECT_FALSE(read.error.isEmpty());
    return read.error;
}

} // namespace

TEST(LabelFile, EveryKindAndEveryValueReadsBackExactlyAndWritesTheSameBytes) {
    const LabelFile file = Sample();
    const QByteArray bytes = file.Write();
    const LabelFileRead read = LabelFile::FromBytes(bytes);
    ASSERT_TRUE(read.file) << read.error.toStdString();
    EXPECT_EQ(read.file->objectsText, file.objectsText);
    EXPECT_EQ(read.file->label, file.label);
    EXPECT_EQ(read.file->mergeSource, file.mergeSource);
    EXPECT_EQ(read.file->pictures, file.pictures);
    EXPECT_EQ(read.file->Write(), bytes);
}

// A text box, a fitted picture and a barcode with its options: every key a later version
// added, each away from its default, so that each is written.
const char* const kNewerKeys =
    "LABELITEM=TEXT\r\nTEXT={Name}\r\nTOP=0.104\r\nLEFT=0.208\r\nWIDTH=1.500\r\n"
    "HEIGHT=0.600\r\nFONTNAME=Arial\r\nFONTCOLOR=255\r\nFONTSIZE=10\r\nFONTBOLD=Y\r\n"
    "FONTITALIC=N\r\nFONTUNDER=N\r\nANGLE=90\r\nRELATIVEX=0.000\r\nRELATIVEY=0.000\r\n"
    "TEXTLINE={Street}\r\nTEXTLINE=\r\nTEXTLINE={City} {Zip}\r\nBOX=Y\r\nALIGN=C\r\n"
    "VALIGN=B\r\nWRAP=Y\r\nSHRINK=Y\r\nMINFONTSIZE=6.5\r\nLINESPACING=1.250\r\n"
    "SKIPBLANK=Y\r\n"
    "LABELITEM=TEXT\r\nTEXT=Right\r\nTOP=0.800\r\nLEFT=0.100\r\nWIDTH=1.000\r\n"
    "HEIGHT=0.200\r\nFONTNAME=Arial\r\nFONTCOLOR=0\r\nFONTSIZE=8\r\nFONTBOLD=N\r\n"
    "FONTITALIC=N\r\nFONTUNDER=N\r\nANGLE=0\r\nRELATIVEX=0.000\r\nRELATIVEY=0.000\r\n"
    "ALIGN=R\r\nVALIGN=M\r\n"
    "LABELITEM=IMAGE\r\nTOP=0.100\r\nLEFT=1.200\r\nWIDTH=0.500\r\nHEIGHT=0.500\r\n"
    "STRETCH=N\r\nFILENAMEANDPATH=photos/{Id}.jpg\r\nFIT=Y\r\n"
    "LABELITEM=BARCODE\r\nTOP=0.300\r\nLEFT=1.200\r\nWIDTH=0.600\r\nHEIGHT=0.600\r\n"
    "SYMBOLOGY=QRCODE\r\nDATA={Id}\r\nSHOWTEXT=N\r\nCOLOR=0\r\nBACKGROUND=16777215\r\n"
    "ECC=3\r\nQUIET=N\r\n"
    "NOTHING=NOTHING\r\n";

// Written from the design, the newer keys pass through a label file unchanged: the file
// writes the same bytes again, and the design read back from it is the design written.
TEST(LabelFile, EveryNewerKeyReadsBackIntoTheSameDesignAndTheSameBytes) {
    const DesignItems design = ReadDesignItems(QString::fromLatin1(kNewerKeys));
    ASSERT_FALSE(design.error);
    ASSERT_EQ(design.items.size(), 4u);
    const LabelItemValue& text = design.items[0];
    EXPECT_EQ(text.text, "{Name}\n{Street}\n\n{City} {Zip}");
    EXPECT_TRUE(text.textBox.box && text.textBox.wrap && text.textBox.shrink &&
                text.textBox.skipBlank);
    EXPECT_EQ(text.textBox.align, TextAlign::Centre);
    EXPECT_EQ(text.textBox.valign, TextVAlign::Bottom);
    EXPECT_DOUBLE_EQ(text.textBox.minFontSize, 6.5);
    EXPECT_DOUBLE_EQ(text.textBox.lineSpacing, 1.25);
    EXPECT_FALSE(design.items[1].textBox.box) << "box options never carry over";
    EXPECT_EQ(design.items[1].textBox.align, TextAlign::Right);
    EXPECT_TRUE(design.items[2].fit);
    EXPECT_EQ(design.items[3].ecc, 3);
    EXPECT_FALSE(design.items[3].quietZones);

    LabelFile file = Sample();
    file.objectsText = WriteObjectsText(design.items);
    for (const char* key : {"TEXTLINE={Street}", "TEXTLINE=\r", "BOX=Y", "ALIGN=C", "ALIGN=R",
                            "VALIGN=B", "VALIGN=M", "WRAP=Y", "SHRINK=Y", "MINFONTSIZE=6.5",
                            "LINESPACING=1.250", "SKIPBLANK=Y", "FIT=Y", "ECC=3", "QUIET=N"})
        EXPECT_TRUE(file.objectsText.contains(QLatin1String(key))) << key;
    const QByteArray bytes = file.Write();
    const LabelFileRead read = LabelFile::FromBytes(bytes);
    ASSERT_TRUE(read.file) << read.error.toStdString();
    EXPECT_EQ(read.file->objectsText, file.objectsText);
    EXPECT_EQ(read.file->Write(), bytes);
    const DesignItems back = ReadDesignItems(read.file->objectsText);
    ASSERT_FALSE(back.error);
    EXPECT_EQ(back.items, design.items);
    EXPECT_EQ(WriteObjectsText(back.items), file.objectsText);
}

TEST(LabelFile, IsPlainJsonWithTheGeometryInItsShortestForm) {
    const QByteArray bytes = Sample().Write();
    // Another tool reads numbers as written: 0.667, never 0.66699999570846558.
    EXPECT_TRUE(bytes.contains("\"topMargin\": 0.667")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("\"leftMargin\": 0.1875"));
    EXPECT_TRUE(bytes.contains("\"labelsAcross\": 2,"));
    const QJsonObject root = Json(bytes);
    EXPECT_EQ(root.value("format").toString(), "quorvane-label");
    EXPECT_EQ(root.value("version").toInt(), 1);
    const QJsonArray lines = root.value("objects").toArray();
    EXPECT_EQ(lines.first().toString(), "LABELITEM=TEXT");
    EXPECT_EQ(lines.last().toString(), "NOTHING=NOTHING");
    EXPECT_EQ(root.value("pictures").toArray().first().toObject().value("data").toString(),
              "Qk0AAf8=");
}

TEST(LabelFile, KeysAFileOfALaterVersionDoesNotKnowArePassedOver) {
    QJsonObject root = Json(Sample().Write());
    root.insert("layers", QJsonArray{1, 2});
    QJsonObject t = root.value("template").toObject();
    t.insert("gap", 0.1);
    root.insert("template", t);
    const LabelFileRead read = LabelFile::FromBytes(Bytes(root));
    ASSERT_TRUE(read.file) << read.error.toStdString();
    EXPECT_EQ(read.file->label, Sample().label);
}

TEST(LabelFile, DamagedAndHostileFilesAreRefusedWithTheirReason) {
    const QByteArray good = Sample().Write();
    EXPECT_TRUE(ErrorOf(good.left(good.size() / 2)).contains("damaged"));
    EXPECT_TRUE(ErrorOf("[1,2]").contains("not a Quorvane label file"));
    EXPECT_TRUE(ErrorOf(QByteArray(100000, '[') + QByteArray(100000, ']')).contains("damaged"));

    const auto with = [&](const char* key, const QJsonValue& value) {
        QJsonObject root = Json(good);
        root.insert(key, value);
        return Bytes(root);
    };
    const auto withTemplate = [&](const char* key, const QJsonValue& value) {
        QJsonObject root = Json(good);
        QJsonObject t = root.value("template").toObject();
        t.insert(key, value);
        root.insert("template", t);
        return Bytes(root);
    };
    EXPECT_TRUE(ErrorOf(with("format", "something-else")).contains("not a Quorvane"));
    EXPECT_TRUE(ErrorOf(with("version", 2)).contains("newer version"));
    EXPECT_TRUE(ErrorOf(with("version", 1.5)).contains("version"));
    EXPECT_TRUE(ErrorOf(with("description", "   ")).contains("no description"));
    EXPECT_TRUE(ErrorOf(with("description", 7)).contains("description"));
    EXPECT_TRUE(ErrorOf(withTemplate("labelWidth", 0)).contains("no size"));
    EXPECT_TRUE(ErrorOf(withTemplate("labelWidth", 1e300)).contains("labelWidth"));
    EXPECT_TRUE(ErrorOf(withTemplate("topMargin", "1in")).contains("topMargin"));
    EXPECT_TRUE(ErrorOf(withTemplate("labelsAcross", 100)).contains("labelsAcross"));
    EXPECT_TRUE(ErrorOf(withTemplate("labelsDown", 2.5)).contains("labelsDown"));
    EXPECT_TRUE(ErrorOf(withTemplate("paperSize", "B0")).contains("B0"));
    EXPECT_TRUE(ErrorOf(withTemplate("labelShape", "XX")).contains("XX"));
    EXPECT_TRUE(ErrorOf(with("objects", QJsonArray{"TEXT=a\r\nTOP=1"})).contains("line break"));
    EXPECT_TRUE(ErrorOf(with("objects", QJsonArray{3})).contains("objects"));
    EXPECT_TRUE(ErrorOf(with("objects", "LABELITEM=TEXT")).contains("objects"));

    const auto picture = [&](const QString& name, const QString& data) {
        return with("pictures", QJsonArray{QJsonObject{{"path", "/x/logo.bmp"},
                                                       {"name", name},
                                                       {"data", data}}});
    };
    // A name that would place the picture anywhere but in the pictures folder.
    for (const char* name : {"../../.bashrc", "/etc/passwd", "sub/logo.bmp", "..\\logo.bmp",
                             ".hidden", "..", "C:logo.bmp", "logo\n.bmp", ""})
        EXPECT_TRUE(ErrorOf(picture(QString::fromLatin1(name), "Qk0=")).contains("picture"))
            << name;
    EXPECT_TRUE(ErrorOf(picture("logo.bmp", "not base64!")).contains("base64"));
    EXPECT_TRUE(ErrorOf(with("pictures",
                             QJsonArray{QJsonObject{{"path", "/a"}, {"name", "a.bmp"}, {"data", ""}},
                                        QJsonObject{{"path", "/b"}, {"name", "A.BMP"}, {"data", ""}}}))
                    .contains("Two pictures"));
    QByteArray huge(LabelFile::MaxFileBytes + 1, ' ');
    EXPECT_TRUE(ErrorOf(huge).contains("larger than"));
}

TEST(LabelExport, EmbedsEachPictureOnceAndTellsApartNamesFromTwoFolders) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath("a");
    QDir(dir.path()).mkpath("b");
    const auto write = [&](const QString& relative, const QByteArray& bytes) {
        QFile f(dir.filePath(relative));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return dir.filePath(relative);
    };
    const QString first = write("a/logo.bmp", "one");
    const QString second = write("b/logo.bmp", "two");
    const QString missing = dir.filePath("c/gone.bmp");
    const auto image = [](const QString& path) {
        return QStringLiteral("LABELITEM=IMAGE\r\nTOP=0\r\nLEFT=0\r\nWIDTH=1\r\nHEIGHT=1\r\n"
                              "STRETCH=N\r\nFILENAMEANDPATH=%1\r\n")
            .arg(path);
    };
    const QString objects = image(first) + image(second) + image(first) + image(missing);
    const LabelExport::Built built = LabelExport::Build({}, objects, QString());
    ASSERT_EQ(built.file.pictures.size(), 2u);
    EXPECT_EQ(built.file.pictures[0].name, "logo.bmp");
    EXPECT_EQ(built.file.pictures[0].data, "one");
    EXPECT_EQ(built.file.pictures[1].name, "logo (2).bmp");
    EXPECT_EQ(built.file.pictures[1].path, second);
    ASSERT_EQ(built.missing.size(), 1);
    EXPECT_TRUE(built.missing[0].startsWith(missing));
    EXPECT_EQ(built.file.objectsText, objects);
}
