#include "identity/cp1251.h"

#include <QStringDecoder>
#include <QtTest>

class TstCp1251 : public QObject
{
    Q_OBJECT
private slots:
    void decodeMatchesSystemConverter();
    void everyByteRoundTrips();
    void encode_data();
    void encode();
};

// Qt's named converter needs ICU; where it is there, it is the independent oracle.
void TstCp1251::decodeMatchesSystemConverter()
{
    QStringDecoder reference("windows-1251");
    if (!reference.isValid())
        QSKIP("Qt has no windows-1251 converter here (built without ICU)");
    int compared = 0;
    for (int b = 0; b < 256; ++b) {
        const QByteArray byte(1, char(b));
        QStringDecoder one("windows-1251");
        const QString expected = one.decode(byte);
        if (one.hasError() || expected == QString(QChar::ReplacementCharacter))
            continue; // a byte the converter leaves undefined
        QCOMPARE(Cp1251::decode(byte), expected);
        ++compared;
    }
    QVERIFY(compared >= 255);
}

void TstCp1251::everyByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(Cp1251::encode(Cp1251::decode(all)), all);
}

void TstCp1251::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("ascii") << QStringLiteral("proxy:8080") << QByteArray("proxy:8080");
    QTest::newRow("cyrillic") << QStringLiteral("Пароль ёЁ")
                              << QByteArray("\xCF\xE0\xF0\xEE\xEB\xFC \xB8\xA8");
    QTest::newRow("punctuation") << QStringLiteral("«№€—»") << QByteArray("\xAB\xB9\x88\x97\xBB");
    QTest::newRow("missing from set") << QStringLiteral("aÄ中b") << QByteArray("a??b");
    QTest::newRow("outside BMP is one char") << QStringLiteral("x😀y") << QByteArray("x?y");
}

void TstCp1251::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Cp1251::encode(text), bytes);
}

QTEST_GUILESS_MAIN(TstCp1251)
#include "tst_cp1251.moc"
