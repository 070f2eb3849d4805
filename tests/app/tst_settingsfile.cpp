#include "app/apperror.h"
#include "app/settingsfile.h"
#include "identity/cp1251.h"
#include "testfiles.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {

// A file as an older copy of the program left it: cp1251, CR LF, other
// sections and keys, names in other letter case, hexadecimal booleans.
QByteArray originalFile()
{
    return "; written by hand\r\n"
           "[Other]\r\n"
           "UseProxy=0\r\n"
           "\r\n"
           "[SETTINGS]\r\n"
           "useproxy=0x1\r\n"
           "PROXY = proxy.example \r\n"
           "ProxyPort=8080\r\n"
           "Agree=yes\r\n"
           "ProxyLogin=\xE8\xE2\xE0\xED\r\n"
           "Long=" +
           QByteArray(3000, 'L') +
           "\r\n"
           "Quoted=\"a b\"\r\n"
           "\r\n"
           "[Tail]\r\n"
           "Key=Value\r\n";
}

} // namespace

class TstSettingsFile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void missingFileGivesDefaults();
    void readsOriginalFile();
    void writeKeepsOtherContent();
    void firstWriteCreatesFile();
    void newKeyGoesToEndOfSection();
    void readBool_data();
    void readBool();
    void dates_data();
    void dates();
    void cyrillicTextIsStoredAsCp1251();
    void lineBreakCannotStartAKey();
    void unwritablePlace_data();
    void unwritablePlace();
    void pathForExecutable_data();
    void pathForExecutable();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TstSettingsFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("selvane.ini"));
}

void TstSettingsFile::cleanup()
{
    QLocale::setDefault(QLocale::c());
    m_dir.reset();
}

void TstSettingsFile::missingFileGivesDefaults()
{
    const SettingsFile settings(m_path);
    QCOMPARE(settings.readBool(QStringLiteral("UseProxy"), false), false);
    QCOMPARE(settings.readString(QStringLiteral("ProxyPort"), QStringLiteral("80")),
             QStringLiteral("80"));
    QCOMPARE(settings.readString(QStringLiteral("ProxyPassword"), QStringLiteral("=")),
             QStringLiteral("="));
    QCOMPARE(settings.readDate(QStringLiteral("LastDate"), QDate(2001, 2, 3)), QDate(2001, 2, 3));
    QVERIFY(!QFile::exists(m_path));
}

void TstSettingsFile::readsOriginalFile()
{
    writeBytes(m_path, originalFile());
    const SettingsFile settings(m_path);
    QCOMPARE(settings.readBool(QStringLiteral("UseProxy"), false), true);
    QCOMPARE(settings.readString(QStringLiteral("Proxy"), QString()),
             QStringLiteral("proxy.example"));
    QCOMPARE(settings.readString(QStringLiteral("ProxyPort"), QString()), QStringLiteral("8080"));
    QCOMPARE(settings.readString(QStringLiteral("ProxyLogin"), QString()), QStringLiteral("иван"));
    QCOMPARE(settings.readBool(QStringLiteral("Agree"), false), false);
    QCOMPARE(settings.readBool(QStringLiteral("Agree"), true), true);
    QCOMPARE(settings.readString(QStringLiteral("Long"), QString()), QString(2047, u'L'));
    QCOMPARE(settings.readString(QStringLiteral("Quoted"), QString()), QStringLiteral("a b"));
    QCOMPARE(settings.readString(QStringLiteral("Key"), QStringLiteral("none")),
             QStringLiteral("none"));
    QCOMPARE(readBytes(m_path), originalFile());
}

void TstSettingsFile::writeKeepsOtherContent()
{
    writeBytes(m_path, originalFile());
    SettingsFile settings(m_path);
    settings.writeStrings({{QStringLiteral("UseProxy"), QStringLiteral("0")},
                           {QStringLiteral("Proxy"), QStringLiteral("p2")}});
    QByteArray expected = originalFile();
    expected.replace("useproxy=0x1\r\n", "useproxy=0\r\n");
    expected.replace("PROXY = proxy.example \r\n", "PROXY=p2\r\n");
    QCOMPARE(readBytes(m_path), expected);
}

void TstSettingsFile::firstWriteCreatesFile()
{
    SettingsFile settings(m_path);
    settings.writeBool(QStringLiteral("UseProxy"), true);
    QCOMPARE(readBytes(m_path), QByteArray("[Settings]\r\nUseProxy=1\r\n"));
    settings.writeBool(QStringLiteral("UseProxy"), false);
    QCOMPARE(readBytes(m_path), QByteArray("[Settings]\r\nUseProxy=0\r\n"));
}

void TstSettingsFile::newKeyGoesToEndOfSection()
{
    writeBytes(m_path, "[Settings]\nAgree=1\n\n[Tail]\nKey=1");
    SettingsFile settings(m_path);
    settings.writeStrings({{QStringLiteral("Proxy"), QStringLiteral("h")},
                           {QStringLiteral("ProxyPort"), QStringLiteral("81")}});
    QCOMPARE(
        readBytes(m_path),
        QByteArray("[Settings]\r\nAgree=1\r\nProxy=h\r\nProxyPort=81\r\n\r\n[Tail]\r\nKey=1\r\n"));
}

void TstSettingsFile::readBool_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");
    QTest::newRow("1") << QByteArray("1") << false << true;
    QTest::newRow("0") << QByteArray("0") << true << false;
    QTest::newRow("other number") << QByteArray("7") << false << true;
    QTest::newRow("negative") << QByteArray("-1") << false << true;
    QTest::newRow("hex one") << QByteArray("0x1") << false << true;
    QTest::newRow("hex zero upper X") << QByteArray("0X0") << true << false;
    QTest::newRow("hex letters") << QByteArray("0xfF") << false << true;
    QTest::newRow("blanks around") << QByteArray("  1  ") << false << true;
    QTest::newRow("word, default false") << QByteArray("yes") << false << false;
    QTest::newRow("word, default true") << QByteArray("no") << true << true;
    QTest::newRow("number then text") << QByteArray("1abc") << false << false;
    QTest::newRow("bare 0x") << QByteArray("0x") << true << true;
    QTest::newRow("hex with sign") << QByteArray("0x-1") << false << false;
    QTest::newRow("too large") << QByteArray("99999999999") << false << false;
    QTest::newRow("empty") << QByteArray("") << true << true;
}

void TstSettingsFile::readBool()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    writeBytes(m_path, "[Settings]\r\nUseProxy=" + value + "\r\n");
    QCOMPARE(SettingsFile(m_path).readBool(QStringLiteral("UseProxy"), defaultValue), expected);
}

void TstSettingsFile::dates_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("ru") << "ru_RU" << QByteArray("14.03.2005");
    QTest::newRow("two-digit year widened") << "en_US" << QByteArray("3/14/2005");
    QTest::newRow("de") << "de_DE" << QByteArray("14.03.2005");
}

void TstSettingsFile::dates()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, stored);
    QLocale::setDefault(QLocale(locale));
    SettingsFile settings(m_path);
    settings.writeDate(QStringLiteral("LastDate"), QDate(2005, 3, 14));
    QCOMPARE(readBytes(m_path), "[Settings]\r\nLastDate=" + stored + "\r\n");
    QCOMPARE(settings.readDate(QStringLiteral("LastDate"), QDate()), QDate(2005, 3, 14));

    const QDate fallback(2020, 1, 1);
    settings.writeString(QStringLiteral("LastDate"), QStringLiteral("2005-03-14x"));
    QCOMPARE(settings.readDate(QStringLiteral("LastDate"), fallback), fallback);
    settings.writeString(QStringLiteral("LastDate"), QStringLiteral("31.02.2005"));
    QCOMPARE(settings.readDate(QStringLiteral("LastDate"), fallback), fallback);
}

void TstSettingsFile::cyrillicTextIsStoredAsCp1251()
{
    SettingsFile settings(m_path);
    settings.writeString(QStringLiteral("ProxyLogin"), QStringLiteral("Пётр"));
    QCOMPARE(readBytes(m_path), QByteArray("[Settings]\r\nProxyLogin=\xCF\xB8\xF2\xF0\r\n"));
    QCOMPARE(settings.readString(QStringLiteral("ProxyLogin"), QString()), QStringLiteral("Пётр"));
}

// A value is one line: a line break in it must not smuggle in another key.
void TstSettingsFile::lineBreakCannotStartAKey()
{
    SettingsFile settings(m_path);
    settings.writeString(QStringLiteral("Proxy"), QStringLiteral("host\r\nAgree=1"));
    QCOMPARE(readBytes(m_path), QByteArray("[Settings]\r\nProxy=host\r\n"));
    QCOMPARE(settings.readBool(QStringLiteral("Agree"), false), false);
}

void TstSettingsFile::unwritablePlace_data()
{
    QTest::addColumn<QString>("place");
    QTest::newRow("folder does not exist") << "missing";
    QTest::newRow("read-only folder") << "readonly";
    QTest::newRow("file is unreadable") << "unreadable";
}

void TstSettingsFile::unwritablePlace()
{
    QFETCH(QString, place);
    QString path = m_path;
    QByteArray before = "[Settings]\r\nAgree=1\r\n";
    if (place == QLatin1String("missing")) {
        path = m_dir->filePath(QStringLiteral("missing/selvane.ini"));
        before.clear();
    } else {
        if (geteuid() == 0)
            QSKIP("file permissions do not bind root");
        writeBytes(path, before);
        if (place == QLatin1String("readonly"))
            QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner);
        else
            QFile::setPermissions(path, QFile::WriteOwner);
    }
    SettingsFile settings(path);
    try {
        settings.writeBool(QStringLiteral("UseProxy"), true);
        QFAIL("the write did not fail");
    } catch (const AppError& e) {
        QCOMPARE(e.message(), QStringLiteral("Unable to write to ") + path);
    }
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(readBytes(path), before);
}

void TstSettingsFile::pathForExecutable_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("ini");
    QTest::newRow("windows program") << "/opt/app/Selvane.exe"
                                     << "/opt/app/Selvane.ini";
    QTest::newRow("no extension") << "/usr/bin/selvane"
                                  << "/usr/bin/selvane.ini";
    QTest::newRow("dots in folder") << "/opt/v1.2/selvane"
                                    << "/opt/v1.2/selvane.ini";
    QTest::newRow("last extension only") << "/opt/my.prog.exe"
                                         << "/opt/my.prog.ini";
}

void TstSettingsFile::pathForExecutable()
{
    QFETCH(QString, executable);
    QFETCH(QString, ini);
    QCOMPARE(SettingsFile::pathForExecutable(executable), ini);
}

QTEST_GUILESS_MAIN(TstSettingsFile)
#include "tst_settingsfile.moc"
