#include "translations/Translations.h"
#include "controls/BarcodeSymbol.h"
#include "document/PaperSizes.h"
#include "document/SheetGeometry.h"
#include "merge/CsvMergeSource.h"
#include "merge/MergeSource.h"
#include "merge/MergeSourceAddress.h"
#include "merge/MergeSourceError.h"
#include "merge/sql/DatabaseConnection.h"
#include "merge/sql/DatabaseError.h"
#include "merge/sql/DatabaseReader.h"
#include "merge/sql/QueryCheck.h"
#include "printing/JobWarnings.h"
#include "storage/LabelTable.h"
#include "storage/LabelTemplate.h"
#include "storage/dbf/Table.h"
#include "templates/TemplateSearch.h"
#include "ui/TInputQueryForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>
#include <set>

// The program's texts in the locale's language: German where it is German, English
// otherwise; Qt's own texts (standard buttons) follow only when the program's do.

namespace {

// Puts English back for the tests after this one, whatever it did.
class TranslationsTest : public ::testing::Test {
protected:
    void TearDown() override { Translations::Install(QLocale::c()); }
};

// Keeps a picture for people to look at when QV_PICTURE_DIR names a folder.
void Keep(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("QV_PICTURE_DIR");
    if (!folder.isEmpty())
        widget.grab().save(QDir(folder).filePath(name));
}

// A .ts file's messages: context -> source texts; `unfinished` gets those not translated.
std::map<QString, std::set<QString>> Messages(const QString& path,
                                              std::set<QString>* unfinished = nullptr) {
    std::map<QString, std::set<QString>> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            // Texts the code no longer has are kept by lupdate, marked, and not shipped.
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                continue;
            messages[context].insert(source);
            const QString translation = xml.readElementText();
            if (unfinished && (type == QLatin1String("unfinished") || translation.isEmpty()))
                unfinished->insert(context + QStringLiteral(": ") + source);
        }
    }
    return messages;
}

} // namespace

TEST_F(TranslationsTest, GermanLocaleGivesGermanTextsAndGermanStandardButtons) {
    EXPECT_EQ(Translations::Install(QLocale(QStringLiteral("de_DE"))), QStringLiteral("de"));
    TInputQueryForm form;
    EXPECT_EQ(form.BitBtn2->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(form.BitBtn1->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.MouseHelpButton->toolTip(), QStringLiteral("Direkthilfe"));
    EXPECT_EQ(QCoreApplication::translate("THelpWindow", "Quorvane Help"),
              QStringLiteral("Quorvane-Hilfe"));
    // Qt's own buttons, as every message box shows them.
    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Ja"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Nein"));
    form.SetText(QStringLiteral("Quorvane"));
    Keep(form, QStringLiteral("german-text-entry.png"));
    box.setText(QStringLiteral("Exit program?"));
    Keep(box, QStringLiteral("german-question.png"));

    // Installing again replaces the translators: English comes back whole.
    EXPECT_EQ(Translations::Install(QLocale::c()), QString());
    TInputQueryForm english;
    EXPECT_EQ(english.BitBtn2->text(), QStringLiteral("Cancel"));
    QMessageBox englishBox(QMessageBox::Question, QString(), QString(), QMessageBox::Yes);
    EXPECT_EQ(englishBox.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')),
              QStringLiteral("Yes"));
}

// Texts put together from parts read whole in German; what the code reads from them (what a
// symbology takes, whether a warned label was a record) stays English underneath.
TEST_F(TranslationsTest, GermanMessagesMadeOfPartsAndWhatTheCodeReadsFromThem) {
    ASSERT_EQ(Translations::Install(QLocale(QStringLiteral("de_DE"))), QStringLiteral("de"));
    const QString letters = BarcodeSymbol::Validate(BarcodeSymbology::Ean, "590123412345A");
    EXPECT_TRUE(letters.startsWith(QStringLiteral("EAN-13 / EAN-8 nimmt 7, 8, 12 oder 13 Ziffern")))
        << letters.toStdString();
    EXPECT_TRUE(letters.endsWith(QStringLiteral("enthält Buchstaben"))) << letters.toStdString();
    EXPECT_TRUE(BarcodeSymbol::Validate(BarcodeSymbology::Code128, QString())
                    .endsWith(QStringLiteral("die Daten sind leer")));

    // The renderer names a merged label "Datensatz 3" in German; it still counts as a record.
    JobWarnings warnings;
    warnings.WarnedLabel(QCoreApplication::translate("SheetRenderer", "Record %1").arg(3));
    warnings.WarnedLabel(QCoreApplication::translate("SheetRenderer", "Record %1").arg(4));
    EXPECT_EQ(warnings.Summary(), QStringLiteral("2 Datensätze haben Warnungen"));
}

// Why a spreadsheet or a database is refused reads German too; what the database itself says
// would follow as it gives it.
TEST_F(TranslationsTest, SpreadsheetAndDatabaseRefusalsReadGerman) {
    ASSERT_EQ(Translations::Install(QLocale(QStringLiteral("de_DE"))), QStringLiteral("de"));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString notes = dir.filePath(QStringLiteral("notes.xlsx"));
    QFile file(notes);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Name,City\n");
    file.close();
    QString fault;
    try {
        MergeSourceAddress::Parse(notes).Open(nullptr)->Validate();
    } catch (const MergeSourceError& error) {
        fault = error.Message();
    }
    EXPECT_TRUE(fault.startsWith(notes + QStringLiteral(": die Datei ist kein "
                                                        "Tabellenkalkulationspaket (")))
        << fault.toStdString();

    EXPECT_EQ(QueryCheck::Refusal(QStringLiteral("DELETE FROM stock")),
              QStringLiteral("es werden nur SELECT-Anweisungen ausgeführt; diese beginnt mit "
                             "DELETE"));
    const QString missing = dir.filePath(QStringLiteral("shop.db"));
    try {
        DatabaseReader reader(DatabaseConnection::FromUrl(QStringLiteral("sqlite://") + missing),
                              QString());
        ADD_FAILURE() << "a missing database was opened";
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("die SQLite-Datenbank %1 gibt es nicht")
                                       .arg(QDir::toNativeSeparators(missing)));
    }
    EXPECT_FALSE(QFile::exists(missing)) << "nothing was made of the missing file";
}

// A damaged label table and a quote never closed in a comma-separated file are explained in
// German; with English the words are those the engines put in their what(), as ever.
TEST_F(TranslationsTest, TableAndCsvFaultsReadGermanAndStayTheEnginesWordsInEnglish) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString table = LabelTable::PathIn(dir.path());
    const QString csv = dir.filePath(QStringLiteral("addresses.csv"));
    for (const auto& [path, bytes] : {std::pair{table, QByteArray("\x30\x7A\x0C\x09")},
                                      std::pair{csv, QByteArray("Name,City\n\"Ann,Bonn\n")}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    struct Faults {
        QString message, detail, csv;
    };
    auto faults = [&] {
        Faults shown;
        EXPECT_EQ(LabelTable::Open(dir.path(), shown.message, &shown.detail), nullptr);
        try {
            CsvMergeSource source(csv);
            while (source.Next()) {
            }
        } catch (const MergeSourceError& error) {
            shown.csv = error.Message();
        }
        return shown;
    };
    const QString shownTable = QDir::toNativeSeparators(table);
    const QString shownCsv = QDir::toNativeSeparators(csv);

    ASSERT_EQ(Translations::Install(QLocale(QStringLiteral("de_DE"))), QStringLiteral("de"));
    const Faults german = faults();
    EXPECT_EQ(german.message,
              QStringLiteral("Die Etikettendatei konnte nicht geöffnet werden: QVLBLS.DBF"));
    EXPECT_EQ(german.detail,
              QStringLiteral("Die Tabelle %1 ist beschädigt (kürzer als ein Tabellenkopf)")
                  .arg(shownTable));
    EXPECT_EQ(german.csv,
              shownCsv + QStringLiteral(", Zeile 2 (Datensatz 1): ein Anführungszeichen, das nie "
                                        "geschlossen wird"));

    ASSERT_EQ(Translations::Install(QLocale::c()), QString());
    const Faults english = faults();
    EXPECT_EQ(english.message, QLatin1String(LabelTable::OpenFailedMessage));
    EXPECT_EQ(
        english.detail,
        QStringLiteral("The table %1 is damaged (shorter than a table header)").arg(shownTable));
    EXPECT_EQ(english.csv, shownCsv + QStringLiteral(", line 2 (record 1): a quote that is "
                                                     "never closed"));
    try {
        dbf::Table::open(QFile::encodeName(table).toStdString(), dbf::Mode::ReadOnly);
        ADD_FAILURE() << "the damaged table opened";
    } catch (const dbf::Error& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()), english.detail);
    }
    EXPECT_TRUE(QFile::exists(table)) << "the damaged table stays for the user to save";
}

// Papers are named in German where the catalogue and the template editor show them, with
// German numbers; the English name stays what the search also finds.
TEST_F(TranslationsTest, PaperNamesReadGermanAndAreFoundEitherWay) {
    ASSERT_EQ(Translations::Install(QLocale(QStringLiteral("de_DE"))), QStringLiteral("de"));
    const QLocale german(QLocale::German, QLocale::Germany);
    LabelTemplate roll;
    roll.geometry.paperSize = QStringLiteral("ROLL");
    roll.geometry.sheetWidth = 2.25f;
    roll.geometry.sheetHeight = 1.0f;
    EXPECT_EQ(PaperSizes::ShownName(roll.geometry, german), QStringLiteral("Rolle 2,25 in"));
    EXPECT_EQ(PaperSizes::ShortName(roll.geometry), QStringLiteral("Roll 2.25 in"));
    SheetGeometry landscape;
    landscape.paperSize = QStringLiteral("A4L");
    EXPECT_EQ(PaperSizes::ShownName(landscape, german), QStringLiteral("A4 quer"));
    EXPECT_EQ(PaperSizes::ShownEntries().at(PaperSizes::IndexOf(QStringLiteral("USER"))),
              QStringLiteral("Andere (benutzerdefiniert)"));
    // What is stored and what picks the unit stay English.
    EXPECT_EQ(PaperSizes::Entries().at(1), QStringLiteral("Letter Landscape (11 x 8.5\")"));
    for (const char* word : {"rolle", "roll"})
        EXPECT_TRUE(TemplateSearch(QString::fromLatin1(word)).Matches(roll)) << word;
}

TEST_F(TranslationsTest, OtherLanguagesGiveEnglishThroughout) {
    for (const char* name : {"en_US", "en_GB", "fr_FR", "C"}) {
        EXPECT_EQ(Translations::Install(QLocale(QString::fromLatin1(name))), QString()) << name;
        TInputQueryForm form;
        EXPECT_EQ(form.BitBtn2->text(), QStringLiteral("Cancel")) << name;
        // A French desktop gets no French buttons beside English texts.
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')),
                  QStringLiteral("Yes"))
            << name;
    }
    // A German speaker who put English first reads English.
    EXPECT_EQ(Translations::Install(QLocale(QStringLiteral("en_DE"))), QString());
}

// The German file translates every text the code marks for translation, and holds every
// one of them: a text wrapped in tr() after the last `update_translations` fails here.
TEST(TranslationFiles, GermanIsCompleteAndUpToDateWithTheCode) {
    std::set<QString> unfinished;
    const auto german = Messages(QStringLiteral(QV_GERMAN_TS), &unfinished);
    ASSERT_FALSE(german.empty());
    EXPECT_TRUE(unfinished.empty()) << "untranslated: " << unfinished.begin()->toStdString();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fresh = dir.filePath(QStringLiteral("fresh_de.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(QV_LUPDATE),
                  {QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("@" QV_TRANSLATED_SOURCES_LIST), QStringLiteral("-ts"), fresh});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();
    const auto fromCode = Messages(fresh);
    ASSERT_FALSE(fromCode.empty());
    EXPECT_EQ(fromCode, german) << "run: cmake --build build --target update_translations";
}
