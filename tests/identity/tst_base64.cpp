#include "identity/base64.h"

#include <QRandomGenerator>
#include <QtTest>

class TstBase64 : public QObject
{
    Q_OBJECT
private slots:
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void roundTripEveryLength();
};

void TstBase64::encode_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("one byte") << QByteArray("a") << QByteArray("YQ==");
    QTest::newRow("two bytes") << QByteArray("ab") << QByteArray("YWI=");
    QTest::newRow("three bytes") << QByteArray("abc") << QByteArray("YWJj");
    QTest::newRow("high bytes") << QByteArray("\xFF\xFE\x80") << QByteArray("//6A");
    QTest::newRow("account key") << QByteArray("D41D8CD98F00B204E9800998ECF8427E")
                                 << QByteArray("RDQxRDhDRDk4RjAwQjIwNEU5ODAwOTk4RUNGODQyN0U=");
    QTest::newRow("no line breaks") << QByteArray(100, 'x') << QByteArray(100, 'x').toBase64();
}

void TstBase64::encode()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QCOMPARE(Base64Encode(input), expected);
}

void TstBase64::decode_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("padded") << QByteArray("YQ==") << QByteArray("a");
    QTest::newRow("unpadded group dropped") << QByteArray("YQ") << QByteArray();
    QTest::newRow("lone pad") << QByteArray("=") << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("CR LF skipped") << QByteArray("YW\r\nJj") << QByteArray("abc");
    QTest::newRow("other bytes skipped") << QByteArray("Y-W_J\tj\xC0") << QByteArray("abc");
    QTest::newRow("blank is plus") << QByteArray("YW J") << Base64Decode("YW+J");
    QTest::newRow("blank gives three bytes") << QByteArray("YW J") << QByteArray("ao\x89");
    QTest::newRow("stop at pad group") << QByteArray("YQ==YWJj") << QByteArray("a");
    QTest::newRow("pad in place 3") << QByteArray("YQ=A") << QByteArray("a");
    QTest::newRow("four pads") << QByteArray("====") << QByteArray("\xFF");
    QTest::newRow("pad in place 1 goes on") << QByteArray("=AAAYWJj")
                                            << QByteArray("\xFC\x00\x00"
                                                          "abc",
                                                          6);
    QTest::newRow("pad in place 2") << QByteArray("A=AA") << QByteArray("\xFF\xF0\x00", 3);
    QTest::newRow("incomplete tail dropped") << QByteArray("YWJjYW") << QByteArray("abc");
    QTest::newRow("default password") << QByteArray("=") << QByteArray();
}

void TstBase64::decode()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QCOMPARE(Base64Decode(input), expected);
}

void TstBase64::roundTripEveryLength()
{
    QRandomGenerator rng(20240611);
    for (int length = 0; length <= 300; ++length) {
        QByteArray bytes(length, Qt::Uninitialized);
        for (char& b : bytes)
            b = char(rng.bounded(256));
        const QByteArray encoded = Base64Encode(bytes);
        QCOMPARE(encoded.size(), qsizetype((length + 2) / 3 * 4));
        QCOMPARE(encoded, bytes.toBase64());
        QCOMPARE(Base64Decode(encoded), bytes);
    }
}

QTEST_GUILESS_MAIN(TstBase64)
#include "tst_base64.moc"
