#include "identity/md5.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

class TstMd5 : public QObject
{
    Q_OBJECT
private slots:
    void rfc1321_data();
    void rfc1321();
    void agreesWithQtForEveryLength();
};

static QString md5Hex(const QByteArray& bytes)
{
    return DigestToHex(MD5Digest(bytes));
}

void TstMd5::rfc1321_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("hex");
    QTest::newRow("empty") << QByteArray() << "D41D8CD98F00B204E9800998ECF8427E";
    QTest::newRow("a") << QByteArray("a") << "0CC175B9C0F1B6A831C399E269772661";
    QTest::newRow("abc") << QByteArray("abc") << "900150983CD24FB0D6963F7D28E17F72";
    QTest::newRow("message digest")
        << QByteArray("message digest") << "F96B697D7CB7938D525A2F31AAF161D0";
    QTest::newRow("a-z") << QByteArray("abcdefghijklmnopqrstuvwxyz")
                         << "C3FCD3D76192E4007DFB496CCA67E13B";
    QTest::newRow("A-Za-z0-9")
        << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789")
        << "D174AB98D277D9F5A5611C2C9F419D9F";
    QTest::newRow("80 digits") << QByteArray("1234567890").repeated(8)
                               << "57EDF4A22BE3C955AC49DA2E2107B67A";
}

void TstMd5::rfc1321()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, hex);
    QCOMPARE(md5Hex(input), hex);
}

// Lengths 0 to 200 cross every padding and block boundary (55, 56, 63, 64, 119, 120, 128).
void TstMd5::agreesWithQtForEveryLength()
{
    static const QRegularExpression upperHex(QStringLiteral("^[0-9A-F]{32}$"));
    QRandomGenerator rng(1321);
    for (int length = 0; length <= 200; ++length) {
        QByteArray bytes(length, Qt::Uninitialized);
        for (char& b : bytes)
            b = char(rng.bounded(256));
        const QString hex = md5Hex(bytes);
        QVERIFY2(upperHex.match(hex).hasMatch(), qPrintable(hex));
        QCOMPARE(hex,
                 QString::fromLatin1(
                     QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().toUpper()));
    }
}

QTEST_GUILESS_MAIN(TstMd5)
#include "tst_md5.moc"
