#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "merge/MergeCommands.h"
#include "merge/MergeSource.h"
#include "merge/MergeSourceError.h"
#include "merge/MergeSourceMemory.h"
#include "merge/MergedLabel.h"
#include "merge/TDatabaseSourceDialog.h"
#include "merge/TMergeSourceDialog.h"
#include "support/ScriptedPrompter.h"

using Answer = ScriptedPrompter::Answer;

namespace {

class Badge : public MergedLabel {
public:
    QString MergedLabelDescription() const override { return QStringLiteral("Badges"); }
};

// QV.INI's [Merge] section, kept in memory: what the commands write is what the file would get.
class KeptSources : public MergeSourceMemory {
public:
    QString ReadMergeSource(const QString& description) const override {
        return lines.value(description.toUpper());
    }
    bool WriteMergeSource(const QString& description, const QString& fileName) const override {
        lines[description.toUpper()] = fileName;
        return true;
    }
    mutable QHash<QString, QString> lines;
};

// The password dialog: types password and checks what the dialog says before it.
Answer TypePassword(const QString& password, const QString& saying) {
    return Answer::Dialog(true, [password, saying](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Database Password"));
        QString shown;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            shown += label->text();
        EXPECT_TRUE(shown.contains(saying)) << shown.toStdString();
        dialog.findChild<QLineEdit*>(QStringLiteral("PasswordEdit"))->setText(password);
    });
}

// Against the throw-away cluster CTest starts (pg-cluster.sh), with no password of the
// driver's own to find: the window must ask.
class DatabaseMergeWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile state(QStringLiteral(QV_PG_STATE));
        if (!state.open(QIODevice::ReadOnly))
            GTEST_SKIP() << "no PostgreSQL cluster: run under CTest";
        folder = QString::fromUtf8(state.readAll()).trimmed();
        QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "roster-writer");
        db.setHostName(folder);
        db.setDatabaseName("labels");
        db.setUserName("quorvane");
        db.setPassword("secret");
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("CREATE TABLE IF NOT EXISTS roster (name TEXT, form TEXT)"));
        ASSERT_TRUE(q.exec("DELETE FROM roster"));
        ASSERT_TRUE(q.exec("INSERT INTO roster VALUES ('Ada', '4B'), ('Grace', '5A'), "
                           "('Hedy', '5A')"));
        qputenv("PGPASSFILE", QFile::encodeName(QDir::temp().filePath("quorvane-no-pgpass")));
        qunsetenv("PGPASSWORD");
    }
    void TearDown() override {
        qunsetenv("PGPASSFILE");
        QSqlDatabase::database("roster-writer", false).close();
        QSqlDatabase::removeDatabase("roster-writer");
    }
    // The Database dialog filled in for the cluster, connected, the roster chosen and tested.
    Answer FillDatabaseDialog() {
        return Answer::Dialog(true, [this](QDialog& shown) {
            auto& dialog = dynamic_cast<TDatabaseSourceDialog&>(shown);
            dialog.KindBox->setCurrentIndex(dialog.KindBox->findText("PostgreSQL"));
            dialog.HostEdit->setText(folder);
            dialog.DatabaseEdit->setText("labels");
            dialog.UserEdit->setText("quorvane");
            ASSERT_TRUE(dialog.ConnectButtonClick());
            EXPECT_GE(dialog.TableBox->findText("roster"), 0);
            dialog.TableBox->setCurrentText("roster");
            ASSERT_TRUE(dialog.TestButtonClick());
            EXPECT_EQ(dialog.ResultLabel->text(), "3 records");
            EXPECT_EQ(dialog.ResultGrid->item(2, 0)->text(), "Hedy");
        });
    }
    QString folder;
    Badge label;
    KeptSources memory;
};

} // namespace

// Merge, Database…: a wrong password is refused in the database's own words and asked for
// again; the right one serves the rest of the run without asking; QV.INI keeps the source's
// line and never the password, so the next run asks again.
TEST_F(DatabaseMergeWindowTest, PasswordIsAskedForKeptForTheRunAndNeverWritten) {
    ScriptedPrompter prompts;
    prompts
        .Then(Answer::Dialog(false)) // the file dialog the Merge dialog opens with
        .Then(Answer::Dialog(true,
                             [](QDialog& shown) {
                                 auto& dialog = dynamic_cast<TMergeSourceDialog&>(shown);
                                 dialog.DatabaseButton->click();
                                 EXPECT_EQ(dialog.FieldsGrid->columnCount(), 2);
                                 EXPECT_EQ(dialog.FieldsGrid->rowCount(), 3);
                                 dialog.RememberBox->setChecked(true);
                             }))
        .Then(FillDatabaseDialog())
        .Then(TypePassword("wrong", "The password of \"quorvane\" for"))
        .Then(TypePassword("secret", "password authentication failed for user \"quorvane\""));
    {
        MergeCommands commands(label, &memory);
        commands.mnuMergeClick();
        EXPECT_EQ(prompts.Unanswered(), 0u);
        const QString kept = memory.ReadMergeSource("Badges");
        // The cluster's socket folder is the host, given as an option.
        EXPECT_TRUE(kept.startsWith("postgresql:///labels?host=" + folder + "&user=quorvane"))
            << kept.toStdString();
        EXPECT_TRUE(kept.endsWith("table=roster")) << kept.toStdString();
        EXPECT_FALSE(kept.contains("secret")) << kept.toStdString();
        EXPECT_FALSE(kept.contains("wrong")) << kept.toStdString();

        // Printing reads the source with the password given once.
        const std::size_t asked = prompts.History().size();
        MergeSource* source = commands.CurrentSource();
        ASSERT_NE(source, nullptr);
        EXPECT_EQ(source->Validate(), 3);
        EXPECT_EQ(prompts.History().size(), asked);
    }

    // Another run: the line from QV.INI, and the password asked for afresh; cancelled, the
    // source is not read and the database's reason is given.
    MergeCommands later(label, &memory);
    prompts.Then(Answer::Dialog(false));
    try {
        later.CurrentSource();
        FAIL() << "a database that wants a password was read without one";
    } catch (const MergeSourceError& error) {
        EXPECT_TRUE(error.Message().contains("no password supplied")) << error.what();
    }
    EXPECT_EQ(prompts.History().back().caption, QStringLiteral("Database Password"));
    EXPECT_EQ(prompts.Unanswered(), 0u);
}
