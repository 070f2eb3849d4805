#include "app/programpaths.h"
#include "app/proxysettings.h"
#include "app/tfmmain.h"
#include "identity/base64.h"
#include "identity/cp1251.h"
#include "messagerecorder.h"
#include "testfiles.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray passwordValue(const QString& password)
{
    return Base64Encode(Cp1251::encode(password));
}

// The main window on the account page, active, so focus behaves as for the user.
class Window
{
public:
    explicit Window(const ProgramPaths& paths) : m_window(paths)
    {
        m_window.show();
        m_window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_window));
        if (auto* pages = child<QTabWidget>("PageControl1"); check<QCheckBox>("chkAgree"))
            pages->setCurrentIndex(1);
    }
    template <typename T> T* child(const char* name)
    {
        auto* widget = m_window.findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    template <typename T> bool check(const char* name) { return child<T>(name)->isChecked(); }
    TfmMain& window() { return m_window; }

    // Focuses the edit as a click would, then types one character at a time:
    // keyClicks cannot send Cyrillic.
    void type(const char* editName, const QString& text, const std::function<void()>& afterEach)
    {
        auto* edit = child<QLineEdit>(editName);
        QTest::mouseClick(edit, Qt::LeftButton);
        QVERIFY(edit->hasFocus());
        for (const QChar ch : text) {
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            afterEach();
        }
    }

private:
    TfmMain m_window;
};

} // namespace

class TstProxyControls : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void noSettingsFile();
    void startupReadsAndNeverWrites_data();
    void startupReadsAndNeverWrites();
    void typedPasswordStoresAllKeysEachKeystroke();
    void clearingCheckBoxKeepsOtherKeys();
    void unwritableFileIsReportedAndRunGoesOn();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MessageRecorder> m_messages;
    ProgramPaths m_paths;
};

void TstProxyControls::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_paths = ProgramPaths::forFolder(m_dir->path() + QLatin1Char('/'));
    m_messages = std::make_unique<MessageRecorder>();
}

void TstProxyControls::cleanup()
{
    m_messages.reset();
    m_dir.reset();
}

void TstProxyControls::noSettingsFile()
{
    Window w(m_paths);
    QVERIFY(!w.check<QCheckBox>("chkProxy"));
    QVERIFY(!w.child<QGroupBox>("grProxy")->isEnabled());
    QCOMPARE(w.child<QLineEdit>("edProxy")->text(), QString());
    QCOMPARE(w.child<QLineEdit>("edPort")->text(), QStringLiteral("80"));
    QCOMPARE(w.child<QLineEdit>("edLogin")->text(), QString());
    QCOMPARE(w.child<QLineEdit>("edPassword")->text(), QString());
    QVERIFY(!w.check<QCheckBox>("chkAgree"));
    QVERIFY(!QFile::exists(m_paths.settingsFile));
    QCOMPARE(m_messages->texts(), QStringList());
}

void TstProxyControls::startupReadsAndNeverWrites_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("useProxy");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("password");
    QTest::newRow("UseProxy=1")
        << QByteArray("[Settings]\r\nUseProxy=1\r\nProxy=gate\r\nProxyPort=8080\r\n") << true
        << "gate"
        << "8080"
        << "";
    QTest::newRow("older copy's file")
        << QByteArray("[other]\r\nx=1\r\n[settings]\r\nuseproxy=0x0\r\nPROXYPORT=port\r\n"
                      "ProxyPassword=" +
                      passwordValue(QStringLiteral("Секрет")) + "\r\n")
        << false << ""
        << "port" << QStringLiteral("Секрет");
    // Any write would turn 0x01 into 1 and the bare LF into CR LF.
    QTest::newRow("hexadecimal true, LF lines")
        << QByteArray("[Settings]\nUseProxy=0x01\nProxyPort=3128\n") << true << ""
        << "3128"
        << "";
    QTest::newRow("non-numeric boolean")
        << QByteArray("[Settings]\nUseProxy=on\nAgree=1\n") << false << ""
        << "80"
        << "";
}

void TstProxyControls::startupReadsAndNeverWrites()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, useProxy);
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(QString, password);
    writeBytes(m_paths.settingsFile, file);
    Window w(m_paths);
    QCOMPARE(w.check<QCheckBox>("chkProxy"), useProxy);
    QCOMPARE(w.child<QGroupBox>("grProxy")->isEnabled(), useProxy);
    const ProxySettings proxy = w.window().proxySettings();
    QCOMPARE(proxy.useProxy, useProxy);
    QCOMPARE(proxy.host, host);
    QCOMPARE(proxy.port, port);
    QCOMPARE(proxy.password, password);
    QCOMPARE(readBytes(m_paths.settingsFile), file);
}

void TstProxyControls::typedPasswordStoresAllKeysEachKeystroke()
{
    writeBytes(m_paths.settingsFile, "[Settings]\r\nAgree=1\r\nUseProxy=1\r\nProxy=gate\r\n"
                                     "ProxyPort=8080\r\nProxyLogin=\xE8\xE2\xE0\xED\r\n");
    const QString password = QStringLiteral("Пар0ль");
    {
        Window w(m_paths);
        QString typed;
        w.type("edPassword", password, [&] {
            typed += password.at(typed.size());
            QCOMPARE(readBytes(m_paths.settingsFile),
                     "[Settings]\r\nAgree=1\r\nUseProxy=1\r\nProxy=gate\r\nProxyPort=8080\r\n"
                     "ProxyLogin=\xE8\xE2\xE0\xED\r\nProxyPassword=" +
                         passwordValue(typed) + "\r\n");
        });
        QCOMPARE(w.window().proxySettings().password, password);
    }
    Window again(m_paths);
    QCOMPARE(again.child<QLineEdit>("edPassword")->text(), password);
    QCOMPARE(again.child<QLineEdit>("edLogin")->text(), QStringLiteral("иван"));
    QCOMPARE(m_messages->texts(), QStringList());
}

void TstProxyControls::clearingCheckBoxKeepsOtherKeys()
{
    const QByteArray before = "[Settings]\r\nAgree=1\r\nUseProxy=1\r\nProxy=gate\r\n"
                              "ProxyPort=8080\r\nProxyLogin=me\r\nProxyPassword=cHc=\r\n";
    writeBytes(m_paths.settingsFile, before);
    Window w(m_paths);
    auto* box = w.child<QCheckBox>("chkProxy");
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!box->isChecked());
    QVERIFY(!w.child<QGroupBox>("grProxy")->isEnabled());
    QByteArray expected = before;
    expected.replace("UseProxy=1", "UseProxy=0");
    QCOMPARE(readBytes(m_paths.settingsFile), expected);

    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(w.child<QGroupBox>("grProxy")->isEnabled());
    QCOMPARE(readBytes(m_paths.settingsFile), before);
}

void TstProxyControls::unwritableFileIsReportedAndRunGoesOn()
{
    // The settings file's folder is missing: reads give defaults, writes fail.
    ProgramPaths paths = m_paths;
    paths.settingsFile = m_dir->filePath(QStringLiteral("gone/selvane.ini"));
    Window w(paths);
    w.child<QTabWidget>("PageControl1")->setCurrentIndex(0);
    QTest::mouseClick(w.child<QCheckBox>("chkProxy"), Qt::LeftButton);
    QVERIFY(w.check<QCheckBox>("chkProxy"));
    QVERIFY(w.child<QGroupBox>("grProxy")->isEnabled());
    w.type("edProxy", QStringLiteral("gw"), [] {});
    QCOMPARE(w.child<QLineEdit>("edProxy")->text(), QStringLiteral("gw"));
    QCOMPARE(w.window().proxySettings().host, QStringLiteral("gw"));

    const QString text = QStringLiteral("Unable to write to ") + paths.settingsFile;
    QCOMPARE(m_messages->texts(Messages::Kind::General), QStringList({text, text, text}));
    QVERIFY(!QFile::exists(paths.settingsFile));
}

QTEST_MAIN(TstProxyControls)
#include "tst_proxycontrols.moc"
