#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "support/StoredLabels.h"

namespace {

// quorvane-batch against the throw-away PostgreSQL cluster (pg-cluster.sh), which holds the
// tables DatabaseReaderTest fills; skipped outside CTest without one.
class DatabaseBatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile state(QStringLiteral(QV_PG_STATE));
        if (!state.open(QIODevice::ReadOnly))
            GTEST_SKIP() << "no PostgreSQL cluster: run under CTest";
        folder = QString::fromUtf8(state.readAll()).trimmed();
        QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "monitor");
        db.setHostName(folder);
        db.setDatabaseName("labels");
        db.setUserName("quorvane");
        db.setPassword("secret");
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("CREATE TABLE IF NOT EXISTS shelf (n INTEGER, name TEXT, born DATE, "
                           "price NUMERIC(8,2))"));
        ASSERT_TRUE(q.exec("SELECT count(*) FROM shelf") && q.next());
        if (q.value(0).toInt() == 0) {
            ASSERT_TRUE(q.exec("INSERT INTO shelf SELECT n, 'Name ' || n, DATE '2000-01-01' + n, "
                               "n * 1.5 FROM generate_series(1, 10000) AS n"));
        }
        WriteStoredLabel(dir.path(), "Shelf",
                         TextItem("{name}", 0.1) + TextItem("{born} {price}", 0.4));
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PGPASSWORD", "secret"); // the driver's own way to a password
        url = "postgresql:///labels?host=" + folder + "&user=quorvane";
    }
    void TearDown() override {
        QSqlDatabase::database("monitor", false).close();
        QSqlDatabase::removeDatabase("monitor");
    }
    BatchResult Merge(const QStringList& source, const QString& pdf) {
        return RunBatch(QStringList{"--dir", dir.path(), "--label", "Shelf", "--pdf", pdf} + source,
                        environment);
    }
    static void Cluster(const char* command) {
        QProcess script;
        script.start("bash", {QV_PG_CLUSTER, command, QV_PG_STATE});
        ASSERT_TRUE(script.waitForFinished(120000));
        ASSERT_EQ(script.exitCode(), 0) << script.readAllStandardError().toStdString();
    }
    QTemporaryDir dir;
    QString folder;
    QString url;
    QProcessEnvironment environment;
};

TEST_F(DatabaseBatchTest, MergesATableOfTenThousandRowsAndAJoin) {
    const QString pdf = dir.filePath("shelf.pdf");
    const BatchResult run = Merge({"--merge-db", url, "--table", "shelf"}, pdf);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(PdfPages(pdf), 334); // 10,000 labels, 30 a sheet
    const QString text = PdfText(pdf).simplified();
    EXPECT_TRUE(text.contains("Name 1 Name 2 Name 3 2000-01-02 1.50 2000-01-03 3.00"));
    EXPECT_TRUE(text.contains("Name 10000 2027-05-19 15000.00"));

    const QString joined = dir.filePath("joined.pdf");
    const BatchResult join = Merge(
        {"--merge-db", url, "--query",
         "SELECT s.name, s.born, s.price FROM shelf s JOIN generate_series(1, 10000, 1000) AS "
         "g(n) ON g.n = s.n ORDER BY s.n DESC",
         "--copies", "2"},
        joined);
    ASSERT_EQ(join.exitCode, 0) << join.err.toStdString();
    EXPECT_TRUE(PdfText(joined).simplified().startsWith("Name 9001 Name 9001 Name 8001"))
        << PdfText(joined).toStdString();
}

TEST_F(DatabaseBatchTest, RefusesWrongPasswordsAndWritingStatements) {
    const QString pdf = dir.filePath("never.pdf");
    environment.insert("PGPASSWORD", "wrong");
    const BatchResult wrong = Merge({"--merge-db", url, "--table", "shelf"}, pdf);
    EXPECT_EQ(wrong.exitCode, 3);
    // The database named once, then its refusal in its own words.
    EXPECT_TRUE(wrong.err.contains("quorvane-batch: the PostgreSQL database \"labels\" on " +
                                   folder + ": refused the login: "))
        << wrong.err.toStdString();
    EXPECT_TRUE(wrong.err.contains("password authentication failed for user \"quorvane\""))
        << wrong.err.toStdString();
    environment.insert("PGPASSWORD", "secret");
    const BatchResult writing = Merge({"--merge-db", url, "--query", "DELETE FROM shelf"}, pdf);
    EXPECT_EQ(writing.exitCode, 3);
    EXPECT_TRUE(writing.err.contains("only SELECT statements are run; this one begins with DELETE"))
        << writing.err.toStdString();
    const BatchResult sneaky =
        Merge({"--merge-db", url, "--query",
               "WITH gone AS (DELETE FROM shelf RETURNING *) SELECT count(*) AS name FROM gone"},
              pdf);
    EXPECT_EQ(sneaky.exitCode, 3);
    EXPECT_TRUE(sneaky.err.contains("read-only transaction")) << sneaky.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    QSqlQuery q(QSqlDatabase::database("monitor"));
    ASSERT_TRUE(q.exec("SELECT count(*) FROM shelf") && q.next());
    EXPECT_EQ(q.value(0).toInt(), 10000);
    EXPECT_EQ(Merge({"--merge-db", url}, pdf).exitCode, 2); // neither table nor query
}

// The server stops while the labels are being drawn: the run ends with the database's
// reason, exit 3, and leaves no PDF behind.
TEST_F(DatabaseBatchTest, ServerGoingAwayLeavesNoPartialOutput) {
    const QString pdf = dir.filePath("partial.pdf");
    QProcess batch;
    batch.setProcessEnvironment(environment);
    batch.start(QCoreApplication::applicationDirPath() + "/../../app/quorvane-batch",
                {"--dir", dir.path(), "--label", "Shelf", "--pdf", pdf, "--merge-db", url,
                 "--query",
                 "SELECT n, 'Name ' || n AS name, pg_sleep(0.001) FROM "
                 "generate_series(1, 3000) AS n"});
    ASSERT_TRUE(batch.waitForStarted());
    // The batch reads the rows through once, then again as it draws: wait for the second
    // reading to begin (a new query start on the server), then stop the server.
    QSqlQuery activity(QSqlDatabase::database("monitor"));
    QString firstStart;
    QElapsedTimer waited;
    waited.start();
    bool drawing = false;
    while (!drawing && waited.elapsed() < 60000 && batch.state() == QProcess::Running) {
        if (activity.exec("SELECT query_start::text FROM pg_stat_activity WHERE query LIKE "
                          "'%pg_sleep(0.001)%' AND pid <> pg_backend_pid()") &&
            activity.next()) {
            const QString start = activity.value(0).toString();
            if (firstStart.isEmpty())
                firstStart = start;
            drawing = start != firstStart;
        }
        QThread::msleep(20);
    }
    ASSERT_TRUE(drawing) << "the batch never began drawing: "
                         << batch.readAllStandardError().toStdString();
    QThread::msleep(500);
    Cluster("kill");
    ASSERT_TRUE(batch.waitForFinished(60000));
    Cluster("revive");
    const QString err = QString::fromUtf8(batch.readAllStandardError());
    EXPECT_EQ(batch.exitCode(), 3) << err.toStdString();
    EXPECT_TRUE(err.contains("stopped answering after record")) << err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(
        QDir(dir.path()).entryList({"*.pdf*", ".*pdf*"}, QDir::Files | QDir::Hidden).isEmpty());
}

} // namespace
