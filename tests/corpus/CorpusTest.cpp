// The label corpus (tests/data/corpus/labels.json: hand-made oddities, the reader fuzzer's
// seeds and generated labels of every kind) loaded into the program and saved again through
// the real load and save path. What the save stores, and what the load showed, must stay
// exactly what tests/data/corpus/saved.json recorded: a change to how the program holds a
// label may not change a single byte of any stored label.
//
// scripts/label-corpus.sh also uses this test to export every corpus label to PDF and to
// compare the pages' pixels at 150 dpi with tests/data/corpus/pixels-150dpi.txt.
//
// QV_CORPUS_RECORD=<file>: writes the results to <file> instead of comparing (run on a
// program known to be right, when the corpus grows). QV_CORPUS_PDF_DIR=<folder>: also exports
// one sheet of every label to <folder>/<number>.pdf, numbered in corpus order from 000.
#include "app/LabelRecords.h"
#include "app/TZendorMain.h"
#include "printing/PrintJobs.h"
#include "storage/LabelRecordStore.h"
#include "storage/LabelTable.h"
#include "support/ScriptedPrompter.h"
#include "support/TestData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

const QString SourceMark = QStringLiteral("@SRC@");

// The checkout's folder, padded with slashes to a length of 2 modulo 4 (as the folder the
// corpus was recorded in): a stored text ends with a filler line when its length is a multiple
// of 4, so the saved bytes of a label naming files under the checkout must not depend on how
// long the checkout's path is.
QString SourceRoot() {
    QString root = QDir(TestDataPath(QStringLiteral("../.."))).canonicalPath();
    while (root.size() % 4 != 2)
        root += u'/';
    return root;
}

struct CorpusLabel {
    CurrentLabel label;
    QString objects;
};

std::vector<CorpusLabel> ReadCorpus() {
    const QJsonArray entries =
        QJsonDocument::fromJson(ReadTestData(QStringLiteral("corpus/labels.json"))).array();
    std::vector<CorpusLabel> corpus;
    for (const QJsonValue& entry : entries) {
        const QJsonObject o = entry.toObject();
        const QJsonObject g = o.value(QStringLiteral("geometry")).toObject();
        CorpusLabel c;
        c.label.description = o.value(QStringLiteral("description")).toString();
        c.label.templateName = o.value(QStringLiteral("templateName")).toString();
        const auto number = [&g](const char* key) {
            return float(g.value(QLatin1String(key)).toDouble());
        };
        c.label.geometry = {number("labelHeight"),
                            number("labelWidth"),
                            int(number("labelsAcross")),
                            int(number("labelsDown")),
                            number("topMargin"),
                            number("leftMargin"),
                            number("horizontalPitch"),
                            number("verticalPitch"),
                            g.value(QStringLiteral("paperSize")).toString(),
                            g.value(QStringLiteral("labelShape")).toString()};
        c.objects = o.value(QStringLiteral("objects")).toString();
        c.objects.replace(SourceMark, SourceRoot());
        corpus.push_back(c);
    }
    return corpus;
}

// What one label left behind: every field of its record after the save, and the messages
// and questions its load and save showed (those from shownBefore on, but for the ones from
// exportFrom to exportTo, which the export for the pixel comparison showed).
QJsonObject Outcome(const LabelTable& table, const ScriptedPrompter& prompts, size_t shownBefore,
                    size_t exportFrom, size_t exportTo) {
    QJsonObject fields;
    for (const dbf::FieldDef& field : LabelTableFields()) {
        const QString name = QString::fromLatin1(field.name.c_str());
        QString value = field.type == 'M' ? table.Memo(name) : table.Text(name);
        fields.insert(name, value.replace(SourceRoot(), SourceMark));
    }
    QJsonArray shown;
    const auto& history = prompts.History();
    for (size_t i = shownBefore; i < history.size(); ++i)
        if (i < exportFrom || i >= exportTo)
            shown.append(history[i].kind + u'|' + history[i].caption + u'|' +
                         QString(history[i].message).replace(SourceRoot(), SourceMark));
    return {{QStringLiteral("fields"), fields}, {QStringLiteral("shown"), shown}};
}

// The writer ends the objects text with a filler line when its length is a multiple of 4, so
// whether a text that names files of the source tree has one depends on where the tree lies
// (the folder's name length): it is left out of the comparison for such texts.
QJsonValue WithoutPathFiller(const QJsonValue& part) {
    QJsonObject fields = part.toObject();
    const QString filler = QStringLiteral("NOTHING=NOTHING\r\n");
    QString objects = fields.value(QStringLiteral("OBJECTS")).toString();
    if (!part.isObject() || !objects.contains(SourceMark) || !objects.endsWith(filler))
        return part;
    objects.chop(filler.size());
    fields.insert(QStringLiteral("OBJECTS"), objects);
    return fields;
}

class LabelCorpusTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        corpus = ReadCorpus();
        ASSERT_GE(corpus.size(), 250u);
        StoreCorpus();
        window = std::make_unique<TZendorMain>(dir.path());
        Prompter::SetMainWindow(window.get());
        // Shown, as a person sees it; the first showing opens the table.
        window->show();
        for (int i = 0; i < 100 && window->Records().FirstActivation(); ++i)
            QCoreApplication::processEvents();
        ASSERT_FALSE(window->Records().FirstActivation());
    }
    void TearDown() override { window.reset(); }

    void StoreCorpus() {
        QString message;
        std::unique_ptr<LabelTable> table = LabelTable::Open(dir.path(), message);
        ASSERT_TRUE(table) << message.toStdString();
        for (const CorpusLabel& c : corpus)
            LabelRecordStore(*table).Write(c.label, c.objects, true);
    }

    QTemporaryDir dir;
    ScriptedPrompter prompts;
    std::vector<CorpusLabel> corpus;
    std::unique_ptr<TZendorMain> window;
};

TEST_F(LabelCorpusTest, EveryLabelLoadsAndSavesExactlyAsRecorded) {
    LabelRecords& records = window->Records();
    LabelTable& table = *records.Table();
    const QString pdfDir = qEnvironmentVariable("QV_CORPUS_PDF_DIR");
    const QString recordFile = qEnvironmentVariable("QV_CORPUS_RECORD");

    QJsonObject results;
    for (size_t i = 0; i < corpus.size(); ++i) {
        const QString description = corpus[i].label.description;
        {
            LabelRecords::SuppressReloadScope quiet(records);
            ASSERT_TRUE(table.Seek(description.toUpper())) << description.toStdString();
        }
        const size_t shownBefore = prompts.History().size();
        records.LoadFromLabelFile();
        ASSERT_EQ(window->Descript->text(), description);
        const size_t exportFrom = prompts.History().size();
        if (!pdfDir.isEmpty()) {
            const QString pdf = QDir(pdfDir).filePath(
                QStringLiteral("%1.pdf").arg(int(i), 3, 10, QLatin1Char('0')));
            // A label whose drawing had problems ends its export with a summary to close.
            prompts.Then(ScriptedPrompter::Answer::Dialog(true));
            EXPECT_EQ(window->Printing().ExportPdf(pdf, 1), PrintJobs::Outcome::Completed)
                << description.toStdString();
            prompts.DropUnanswered();
        }
        const size_t exportTo = prompts.History().size();
        ASSERT_TRUE(records.TriggerChange());
        window->SaveButton->click();
        ASSERT_FALSE(records.Changed()) << description.toStdString();
        results.insert(description, Outcome(table, prompts, shownBefore, exportFrom, exportTo));
    }

    if (!recordFile.isEmpty()) {
        QFile out(recordFile);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(QJsonDocument(results).toJson(QJsonDocument::Indented));
        GTEST_SKIP() << "recorded " << results.size() << " labels to " << recordFile.toStdString();
    }

    const QJsonObject expected =
        QJsonDocument::fromJson(ReadTestData(QStringLiteral("corpus/saved.json"))).object();
    ASSERT_EQ(expected.size(), qsizetype(corpus.size()));
    int differing = 0;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QJsonObject got = results.value(it.key()).toObject();
        const QJsonObject want = it.value().toObject();
        for (const QString& part : {QStringLiteral("fields"), QStringLiteral("shown")}) {
            const QJsonValue a = WithoutPathFiller(got.value(part)),
                             b = WithoutPathFiller(want.value(part));
            if (a == b)
                continue;
            ++differing;
            ADD_FAILURE() << it.key().toStdString() << ": " << part.toStdString()
                          << " differ\n--- saved now:\n"
                          << QJsonDocument(QJsonObject{{part, a}}).toJson().toStdString()
                          << "--- recorded:\n"
                          << QJsonDocument(QJsonObject{{part, b}}).toJson().toStdString();
        }
    }
    EXPECT_EQ(differing, 0);
}

} // namespace
