#include "journal/daycheck.h"

#include <QTest>

class TestDayCheck : public QObject
{
    Q_OBJECT
private slots:
    void check_data();
    void check();
};

namespace {
const QDate today(2024, 6, 15);
const QString future = QStringLiteral("Дата не может быть больше текущего дня!");
const QString beforeBirth = QStringLiteral("Дата не может быть меньше даты рождения!");
} // namespace

void TestDayCheck::check_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QDateTime>("birth");
    QTest::addColumn<QString>("expected");

    const QDateTime birth(QDate(1990, 5, 10), QTime(13, 45));
    const QDateTime birthAtMidnight(QDate(1990, 5, 10), QTime(0, 0));
    QTest::newRow("today") << today << birth << QString();
    QTest::newRow("tomorrow") << today.addDays(1) << birth << future;
    QTest::newRow("birth day, born in the afternoon") << birth.date() << birth << beforeBirth;
    QTest::newRow("birth day, born at midnight") << birth.date() << birthAtMidnight << beforeBirth;
    QTest::newRow("day after birth") << birth.date().addDays(1) << birth << QString();
    QTest::newRow("day before birth") << birth.date().addDays(-1) << birth << beforeBirth;
    QTest::newRow("null day") << QDate() << birth << beforeBirth;
    QTest::newRow("null day, no birth date") << QDate() << QDateTime() << beforeBirth;
    QTest::newRow("no birth date") << QDate(1900, 1, 1) << QDateTime() << QString();
    // The future test comes first, even when the birth date lies after the day.
    QTest::newRow("future day before a future birth")
        << today.addDays(2) << QDateTime(today.addDays(5), QTime(8, 0)) << future;
}

void TestDayCheck::check()
{
    QFETCH(QDate, day);
    QFETCH(QDateTime, birth);
    QFETCH(QString, expected);
    QCOMPARE(checkJournalDay(day, birth, today), expected);
}

QTEST_GUILESS_MAIN(TestDayCheck)
#include "tst_daycheck.moc"
