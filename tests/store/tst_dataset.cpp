#include "app/apperror.h"
#include "store/dataset.h"
#include "store/forecastmap.h"
#include "store/schema.h"
#include "store/storeexecutor.h"

#include <QTemporaryDir>
#include <QtTest>

class TestDataset : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(m_dir.filePath(QStringLiteral("bl.db")));
    }

    void connectNeedsAnExistingFile()
    {
        SqliteConnection db;
        db.setDefaultFolder(m_dir.path() + QLatin1Char('/'));
        db.setDatabaseName(QStringLiteral("bl.db"));
        try {
            db.connect();
            QFAIL("connected to a missing file");
        } catch (const AppError& e) {
            QCOMPARE(e.message(),
                     QStringLiteral("Database %1/bl.db does not exist").arg(m_dir.path()));
        }
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("bl.db"))));
    }

    void readsWholeResultsAndSeesChangesOnlyWhenReopened()
    {
        StoreExecutor store;
        store.open(m_dir.filePath(QStringLiteral("bl.db")));
        Schema::createMissingTables(store);
        store.execute(
            QStringLiteral("INSERT INTO stat (date, level, chkbox) VALUES ('2012-04-28', 75, 1);"));
        store.execute(
            QStringLiteral("INSERT INTO stat (date, level, chkbox) VALUES ('2012-04-29', 0, 0);"));

        SqliteConnection db;
        db.setDefaultFolder(m_dir.path() + QLatin1Char('/'));
        db.setDatabaseName(QStringLiteral("bl.db"));
        db.connect();
        Dataset query;
        query.setConnection(&db);
        query.setSql(QStringLiteral("SELECT * FROM stat ORDER BY date DESC;"));
        query.open();
        QCOMPARE(query.rowCount(), 2);
        QCOMPARE(query.fieldText(QStringLiteral("DATE")), QStringLiteral("2012-04-29"));
        QCOMPARE(query.fieldInt(QStringLiteral("chkbox")), 0);
        QVERIFY(query.locate(QStringLiteral("date"), QStringLiteral("2012-04-28")));
        QCOMPARE(query.fieldInt(QStringLiteral("level")), 75);
        QVERIFY(!query.locate(QStringLiteral("date"), QStringLiteral("2012-04-30")));
        QCOMPARE(query.currentRow(), 1);
        query.next();
        QVERIFY(query.eof());

        // The dataset holds no lock: the executor writes while it is open.
        store.begin();
        store.execute(QStringLiteral("DELETE FROM stat;"));
        store.commit();
        QCOMPARE(query.rowCount(), 2);
        query.close();
        query.open();
        QVERIFY(query.isEmpty());
    }

    void conversionAndFieldErrors()
    {
        StoreExecutor store;
        store.open(m_dir.filePath(QStringLiteral("bl.db")));
        store.execute(QStringLiteral("CREATE TABLE t (level NUMERIC);"));
        store.execute(QStringLiteral("INSERT INTO t VALUES ('high');"));
        SqliteConnection db;
        db.setDefaultFolder(m_dir.path() + QLatin1Char('/'));
        db.setDatabaseName(QStringLiteral("bl.db"));
        db.connect();
        Dataset query;
        query.setConnection(&db);
        query.setSql(QStringLiteral("SELECT * FROM t;"));
        query.open();
        QVERIFY_THROWS_EXCEPTION(AppError, query.fieldInt(QStringLiteral("level")));
        QVERIFY_THROWS_EXCEPTION(AppError, query.fieldText(QStringLiteral("missing")));
        query.setSql(QStringLiteral("SELECT * FROM nowhere;"));
        QVERIFY_THROWS_EXCEPTION(AppError, query.open());
    }

    void forecastMapFindsTheFirstEntryOfADate()
    {
        ForecastMap map;
        map.append(QStringLiteral("2012-04-01"), 90);
        map.append(QStringLiteral("2012-04-02"), 10);
        map.append(QStringLiteral("2012-04-01"), 20);
        QCOMPARE(map.size(), 3);
        QCOMPARE(map.lookup(QStringLiteral("2012-04-01")), std::optional<int>(90));
        QCOMPARE(map.lookup(QStringLiteral("2012-04-02")), std::optional<int>(10));
        QCOMPARE(map.lookup(QStringLiteral("2012-04-03")), std::nullopt);
        map.clear();
        QCOMPARE(map.lookup(QStringLiteral("2012-04-01")), std::nullopt);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestDataset)
#include "tst_dataset.moc"
