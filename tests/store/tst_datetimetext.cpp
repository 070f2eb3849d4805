#include "app/apperror.h"
#include "store/datetimetext.h"

#include <QtTest>

class TestDateTimeText : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDateTime>("value");
        QTest::addColumn<QString>("text");
        const QDateTime midnight(QDate(1980, 3, 15), QTime(0, 0));
        const QDateTime oneSecond(QDate(1980, 3, 15), QTime(0, 0, 1));
        const QDateTime morning(QDate(1980, 3, 15), QTime(10, 30));
        QTest::newRow("ru midnight") << "ru_RU" << midnight << "15.03.1980";
        QTest::newRow("ru 00:00:01") << "ru_RU" << oneSecond << "15.03.1980 0:00:01";
        QTest::newRow("ru 10:30") << "ru_RU" << morning << "15.03.1980 10:30:00";
        QTest::newRow("en midnight") << "en_US" << midnight << "3/15/1980";
        QTest::newRow("en 00:00:01") << "en_US" << oneSecond << "3/15/1980 12:00:01\u202fAM";
        QTest::newRow("en 2020s") << "en_US" << QDateTime(QDate(2023, 12, 1), QTime(23, 59, 59))
                                  << "12/1/2023 11:59:59\u202fPM";
    }

    void roundTrip()
    {
        QFETCH(QString, locale);
        QFETCH(QDateTime, value);
        QFETCH(QString, text);
        const QLocale l(locale);
        const QString written = DateTimeText::formatDateTime(value, l);
        // The exact separators are the locale's; what matters is no zone,
        // four-digit years, no time at midnight, and reading back equal.
        QVERIFY2(!written.contains(QStringLiteral("UTC")) &&
                     written.contains(QStringLiteral("1980")) == (value.date().year() == 1980),
                 qPrintable(written));
        QCOMPARE(written.contains(QLatin1Char(' ')), value.time() != QTime(0, 0));
        QCOMPARE(DateTimeText::parseDateTime(written, l), value);
        if (locale == QLatin1String("ru_RU") && value.time() == QTime(0, 0))
            QCOMPARE(written, text);
    }

    void twoDigitYearPatternsAreWidened()
    {
        const QLocale us(QStringLiteral("en_US"));
        QVERIFY(us.dateFormat(QLocale::ShortFormat).contains(QStringLiteral("yy")));
        QVERIFY(DateTimeText::shortDateFormat(us).contains(QStringLiteral("yyyy")));
        QVERIFY(!DateTimeText::shortDateFormat(us).contains(QStringLiteral("yyyyyy")));
        QCOMPARE(DateTimeText::parseDate(DateTimeText::formatDate(QDate(1880, 1, 2), us), us),
                 QDate(1880, 1, 2));
    }

    void unparsableTextFailsWithItsText()
    {
        try {
            DateTimeText::toDateTime(QStringLiteral("1980-03-15"),
                                     QLocale(QStringLiteral("ru_RU")));
            QFAIL("parsed a text of another form");
        } catch (const AppError& e) {
            QCOMPARE(e.message(), QStringLiteral("'1980-03-15' is not a valid date and time"));
        }
    }
};

QTEST_GUILESS_MAIN(TestDateTimeText)
#include "tst_datetimetext.moc"
