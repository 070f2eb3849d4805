#include "identity/accountkey.h"
#include "identity/base64.h"
#include "identity/machinesource.h"
#include "identity/md5.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

class KnownMachine : public MachineSource
{
public:
    KnownMachine(QByteArray id, std::optional<std::uint32_t> serial, QByteArray bios)
        : m_id(std::move(id)), m_serial(serial), m_bios(std::move(bios))
    {
    }
    QByteArray productId() const override { return m_id; }
    std::optional<std::uint32_t> volumeSerial() const override { return m_serial; }
    QByteArray biosDate() const override { return m_bios; }

private:
    QByteArray m_id;
    std::optional<std::uint32_t> m_serial;
    QByteArray m_bios;
};

} // namespace

using OptionalSerial = std::optional<std::uint32_t>;
Q_DECLARE_METATYPE(OptionalSerial)

class TstAccountKey : public QObject
{
    Q_OBJECT
private slots:
    void fingerprint_data();
    void fingerprint();
    void anyPieceChangesTheKey();
    void thisMachine();
};

void TstAccountKey::fingerprint_data()
{
    QTest::addColumn<QByteArray>("productId");
    QTest::addColumn<OptionalSerial>("serial");
    QTest::addColumn<QByteArray>("bios");
    QTest::addColumn<QByteArray>("fingerprint");
    const QByteArray id("55274-640-1011873-23081");
    QTest::newRow("all pieces") << id << OptionalSerial(1234567) << QByteArray("03/14/05")
                                << QByteArray("55274-640-1011873-23081123456703/14/05");
    QTest::newRow("no BIOS date") << id << OptionalSerial(42) << QByteArray()
                                  << QByteArray("55274-640-1011873-2308142");
    QTest::newRow("no serial") << id << OptionalSerial() << QByteArray("03/14/05")
                               << QByteArray("55274-640-1011873-2308103/14/05");
    QTest::newRow("no product id")
        << QByteArray() << OptionalSerial(0) << QByteArray("x") << QByteArray("0x");
    QTest::newRow("top bit set") << QByteArray() << OptionalSerial(2147483648u) << QByteArray()
                                 << QByteArray("2147483648");
    QTest::newRow("largest serial")
        << QByteArray() << OptionalSerial(4294967295u) << QByteArray() << QByteArray("4294967295");
    QTest::newRow("nothing readable")
        << QByteArray() << OptionalSerial() << QByteArray() << QByteArray();
}

void TstAccountKey::fingerprint()
{
    QFETCH(QByteArray, productId);
    QFETCH(OptionalSerial, serial);
    QFETCH(QByteArray, bios);
    QFETCH(QByteArray, fingerprint);
    const KnownMachine machine(productId, serial, bios);
    QCOMPARE(MachineFingerprint(machine), fingerprint);
    QCOMPARE(MakeAccountKey(machine), DigestToHex(MD5Digest(fingerprint)));
}

void TstAccountKey::anyPieceChangesTheKey()
{
    const QString base = MakeAccountKey(KnownMachine("id", 7, "01/02/03"));
    QVERIFY(MakeAccountKey(KnownMachine("id2", 7, "01/02/03")) != base);
    QVERIFY(MakeAccountKey(KnownMachine("id", 8, "01/02/03")) != base);
    QVERIFY(MakeAccountKey(KnownMachine("id", 7, "01/02/04")) != base);
    QCOMPARE(MakeAccountKey(KnownMachine("", {}, "")),
             QStringLiteral("D41D8CD98F00B204E9800998ECF8427E"));
}

void TstAccountKey::thisMachine()
{
    const QString key = MakeAccountKey();
    QVERIFY2(QRegularExpression(QStringLiteral("^[0-9A-F]{32}$")).match(key).hasMatch(),
             qPrintable(key));
    QCOMPARE(MakeAccountKey(), key);
    const QByteArray uid = Base64Encode(key.toLatin1());
    QCOMPARE(uid.size(), 44);
    QVERIFY(uid.endsWith('='));
}

QTEST_GUILESS_MAIN(TstAccountKey)
#include "tst_accountkey.moc"
