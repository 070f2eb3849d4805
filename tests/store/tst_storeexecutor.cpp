#include "app/apperror.h"
#include "store/schema.h"
#include "store/storeexecutor.h"
#include "testdb.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Reads one value straight from the file, past the program's own layers.
QString scalar(const QString& path, const QString& sql)
{
    return TestDb(path).scalar(sql);
}

QString failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const AppError& e) {
        return e.message();
    }
    return QString();
}

} // namespace

class TestStoreExecutor : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("bl.db"));
        QFile::remove(m_path);
        QDir(m_path).removeRecursively();
    }

    void openCreatesTheFile()
    {
        StoreExecutor store;
        store.open(m_path);
        QVERIFY(QFileInfo::exists(m_path));
        QVERIFY(store.isOpen());
        QVERIFY(!store.inTransaction());
    }

    void openFailsWithThePathAndReason()
    {
        // A folder where the file should be: SQLite cannot open it, even as root.
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("bl.db")));
        StoreExecutor store;
        const QString message = failureOf([&] { store.open(m_path); });
        QCOMPARE(message,
                 QStringLiteral("Failed to open database \"%1\" : unable to open database file")
                     .arg(m_path));
        QVERIFY(!store.isOpen());
        QCOMPARE(failureOf([&] { store.execute(QStringLiteral("SELECT 1;")); }),
                 QStringLiteral("Database is not open"));
    }

    void executeErrors_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("message");
        QTest::newRow("syntax")
            << "SELEC 1;"
            << "Error executing SQL \"SELEC 1;\" : near \"SELEC\": syntax error";
        QTest::newRow("no statement") << "  -- nothing here"
                                      << "Could not prepare SQL statement";
        QTest::newRow("yields a row") << "SELECT 1;"
                                      << "Error executing SQL statement";
        QTest::newRow("constraint") << "INSERT INTO t VALUES (1);"
                                    << "Error executing SQL statement \"INSERT INTO t VALUES "
                                       "(1);\" : UNIQUE constraint failed: t.k";
        QTest::newRow("rollback without transaction")
            << "ROLLBACK;"
            << "Error executing SQL statement \"ROLLBACK;\" : cannot rollback - no transaction is "
               "active";
    }

    void executeErrors()
    {
        QFETCH(QString, statement);
        QFETCH(QString, message);
        StoreExecutor store;
        store.open(m_path);
        store.execute(QStringLiteral("CREATE TABLE t (k INTEGER primary key);"));
        store.execute(QStringLiteral("INSERT INTO t VALUES (1);"));
        QCOMPARE(failureOf([&] { store.execute(statement); }), message);
    }

    void onlyTheFirstStatementRuns()
    {
        StoreExecutor store;
        store.open(m_path);
        store.execute(
            QStringLiteral("CREATE TABLE t (k INTEGER); INSERT INTO t VALUES (1); garbage"));
        QCOMPARE(scalar(m_path, QStringLiteral("SELECT count(*) FROM t")), QStringLiteral("0"));
    }

    void boundParametersAreStoredAsGiven()
    {
        StoreExecutor store;
        store.open(m_path);
        Schema::createMissingTables(store);
        const QString hostile = QStringLiteral("2012-04-28\"); DROP TABLE stat; --");
        store.execute(QStringLiteral("INSERT INTO stat (date, level, chkbox) VALUES (?, ?, 0);"),
                      {hostile, QStringLiteral("75")});
        QCOMPARE(scalar(m_path, QStringLiteral("SELECT date FROM stat")), hostile);
        QCOMPARE(scalar(m_path, QStringLiteral("SELECT typeof(level) FROM stat")),
                 QStringLiteral("integer"));
    }

    void transactions()
    {
        StoreExecutor store;
        store.open(m_path);
        store.execute(QStringLiteral("CREATE TABLE t (k INTEGER);"));
        store.begin();
        QVERIFY(store.inTransaction());
        QCOMPARE(failureOf([&] { store.begin(); }), QStringLiteral("Transaction already open"));
        store.execute(QStringLiteral("INSERT INTO t VALUES (1);"));
        store.rollback();
        QVERIFY(!store.inTransaction());
        store.begin();
        store.execute(QStringLiteral("INSERT INTO t VALUES (2);"));
        store.commit();
        QVERIFY(!store.inTransaction());
        QCOMPARE(scalar(m_path, QStringLiteral("SELECT group_concat(k) FROM t")),
                 QStringLiteral("2"));
    }

    void failedEndKeepsTheFlagWhileSQLiteStillHoldsTheTransaction()
    {
        StoreExecutor store;
        store.open(m_path);
        store.execute(QStringLiteral("CREATE TABLE t (k INTEGER);"));

        // SQLite ended the transaction behind the flag's back: the failing
        // rollback clears it, so the next write can begin.
        store.begin();
        store.execute(QStringLiteral("ROLLBACK;"));
        QVERIFY(!failureOf([&] { store.rollback(); }).isEmpty());
        QVERIFY(!store.inTransaction());
        store.begin();

        // A commit refused while another connection reads keeps the transaction open.
        store.execute(QStringLiteral("INSERT INTO t VALUES (1);"));
        StoreExecutor reader;
        reader.open(m_path);
        reader.begin();
        QCOMPARE(failureOf([&] { reader.execute(QStringLiteral("SELECT count(*) FROM t;")); }),
                 QStringLiteral("Error executing SQL statement"));
        QVERIFY(!failureOf([&] { store.commit(); }).isEmpty());
        QVERIFY(store.inTransaction());
        reader.rollback();
        store.commit();
        QCOMPARE(scalar(m_path, QStringLiteral("SELECT count(*) FROM t")), QStringLiteral("1"));
    }

    void closeRollsBackAnOpenTransaction()
    {
        StoreExecutor store;
        store.open(m_path);
        store.execute(QStringLiteral("CREATE TABLE t (k INTEGER);"));
        store.begin();
        store.execute(QStringLiteral("INSERT INTO t VALUES (1);"));
        store.close();
        QVERIFY(!store.isOpen());
        QCOMPARE(scalar(m_path, QStringLiteral("SELECT count(*) FROM t")), QStringLiteral("0"));
    }

    void lockedFileFailsAtOnceAndRecovers()
    {
        StoreExecutor store;
        store.open(m_path);
        store.execute(QStringLiteral("CREATE TABLE t (k INTEGER);"));
        StoreExecutor other;
        other.open(m_path);
        other.execute(QStringLiteral("BEGIN EXCLUSIVE;"));

        store.begin();
        const QString message =
            failureOf([&] { store.execute(QStringLiteral("INSERT INTO t VALUES (1);")); });
        QVERIFY2(message.endsWith(QStringLiteral(": database is locked")), qPrintable(message));
        store.rollback();
        QVERIFY(!store.inTransaction());

        other.execute(QStringLiteral("ROLLBACK;"));
        store.begin();
        store.execute(QStringLiteral("INSERT INTO t VALUES (1);"));
        store.commit();
    }

    void schemaCreatesOnlyMissingTables_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty file") << QStringList{} << QStringList{"forecast", "stat", "user"};
        QTest::newRow("forecast missing")
            << QStringList{"CREATE TABLE user (x);", "CREATE TABLE stat (y);"}
            << QStringList{"forecast", "stat", "user"};
        QTest::newRow("Stat in other letter case")
            << QStringList{"CREATE TABLE Stat (date VARCHAR);"}
            << QStringList{"Stat", "forecast", "user"};
    }

    void schemaCreatesOnlyMissingTables()
    {
        QFETCH(QStringList, existing);
        QFETCH(QStringList, expected);
        StoreExecutor store;
        store.open(m_path);
        for (const QString& sql : existing)
            store.execute(sql);
        Schema::createMissingTables(store);
        QCOMPARE(scalar(m_path,
                        QStringLiteral(
                            "SELECT group_concat(name) FROM "
                            "(SELECT name FROM sqlite_master WHERE type='table' ORDER BY name)")),
                 expected.join(QLatin1Char(',')));
        // An existing table is used as it is.
        if (!existing.isEmpty())
            QCOMPARE(scalar(m_path, QStringLiteral(
                                        "SELECT sql FROM sqlite_master WHERE lower(name)='stat'")),
                     existing.last().chopped(1));
    }

    void schemaStatementsAreExact()
    {
        StoreExecutor store;
        store.open(m_path);
        Schema::createMissingTables(store);
        QCOMPARE(scalar(m_path, QStringLiteral("SELECT sql FROM sqlite_master WHERE name='user'")),
                 QStringLiteral(
                     "CREATE TABLE user (birthday VARCHAR, gender INTEGER, compatible INTEGER)"));
        QCOMPARE(
            scalar(m_path, QStringLiteral("SELECT sql FROM sqlite_master WHERE name='stat'")),
            QStringLiteral(
                "CREATE TABLE stat (date VARCHAR primary key, level NUMERIC, chkBox NUMERIC)"));
        QCOMPARE(
            scalar(m_path, QStringLiteral("SELECT sql FROM sqlite_master WHERE name='forecast'")),
            QStringLiteral("CREATE TABLE forecast (date VARCHAR primary key, level NUMERIC)"));
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

QTEST_GUILESS_MAIN(TestStoreExecutor)
#include "tst_storeexecutor.moc"
