#include "app/links.h"
#include "app/proxysettings.h"
#include "app/tfmmain.h"
#include "app/version.h"
#include "messagerecorder.h"
#include "store/datetimetext.h"
#include "store/schema.h"
#include "testdb.h"
#include "ui_tfmmain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using Kind = Messages::Kind;

namespace {

const QString AgreeMessage =
    QStringLiteral("Необходимо подтверждение согласия с условиями использования программы!");
const QString AccountMessage =
    QStringLiteral("Необходимо создать учетную запись, прежде чем вводить статистику!");

// A program folder of its own for each test: settings file and bl.db.
class ProgramFolder
{
public:
    ProgramFolder() { QVERIFY(m_dir.isValid()); }

    ProgramPaths paths() const { return ProgramPaths::forFolder(m_dir.path() + QLatin1Char('/')); }
    QString database() const { return paths().database(); }

    void writeSettings(const QByteArray& lines) const
    {
        QFile file(paths().settingsFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\r\n" + lines);
    }

    // Runs statements on a bl.db holding the program's tables.
    void seed(const QStringList& statements) const
    {
        StoreExecutor store;
        store.open(database());
        Schema::createMissingTables(store);
        for (const QString& sql : statements)
            store.execute(sql);
    }

    // The birthday in the store's form under the current locale unless given.
    void seedAccount(QString birthday = {}, int compatible = 40) const
    {
        if (birthday.isEmpty())
            birthday = DateTimeText::formatDateTime(QDateTime(QDate(1980, 5, 15), QTime(0, 0)));
        StoreExecutor store;
        store.open(database());
        Schema::createMissingTables(store);
        store.execute(
            QStringLiteral("INSERT INTO user (birthday, gender, compatible) VALUES (?, 0, ?);"),
            {birthday, compatible});
    }

private:
    QTemporaryDir m_dir;
};

QStringList tableNames(const QString& database)
{
    return TestDb(database).rows(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name;"));
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        setVersionSource({});
        Links::setOpener({});
        QLocale::setDefault(QLocale::c());
    }

    void firstRunInAnEmptyFolder()
    {
        ProgramFolder folder;
        MessageRecorder messages;
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        TfmMain window(folder.paths());
        Ui::TfmMain* ui = window.form();

        QCOMPARE(messages.texts(), QStringList());
        QCOMPARE(ui->PageControl1->currentIndex(), 0);
        QVERIFY(!ui->chkAgree->isChecked());
        QVERIFY(!ui->chkProxy->isChecked());
        QVERIFY(!ui->grProxy->isEnabled());
        QCOMPARE(ui->edProxy->text(), QString());
        QCOMPARE(ui->edPort->text(), QStringLiteral("80"));
        QCOMPARE(ui->edLogin->text(), QString());
        QCOMPARE(ui->edPassword->text(), QString());
        // The account-absent state.
        QVERIFY(ui->btCreateAcc->isEnabled());
        QVERIFY(!ui->btDelAcc->isEnabled());
        QVERIFY(ui->grPersonal->isEnabled());
        QCOMPARE(ui->prCompatible->value(), 0);
        QVERIFY(ui->edBD->dateTime() >= before);
        QVERIFY(ui->edBD->dateTime() <= QDateTime::currentDateTime());
        QVERIFY(!ui->btCheckCompatimle->isEnabled());
        QVERIFY(!ui->btUnCompat->isEnabled());

        QCOMPARE(tableNames(folder.database()), (QStringList{"forecast", "stat", "user"}));
        QVERIFY(!QFile::exists(folder.paths().settingsFile));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Электронный Зельвар \"Selvane\" ver. 1.0.11.24"));
    }

    void theWindowHasAFixedClientArea()
    {
        ProgramFolder folder;
        MessageRecorder messages;
        TfmMain window(folder.paths());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(479, 399));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        const QStringList captions{"Информация ", "Регистрация ", "Статистика ", "Прогноз ",
                                   "О программе..."};
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(window.form()->PageControl1->tabText(i), captions.at(i));
    }

    void caption_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("caption");
        QTest::newRow("with version") << "1.0.11.24"
                                      << "Электронный Зельвар \"Selvane\" ver. 1.0.11.24";
        QTest::newRow("without version") << ""
                                         << "Электронный Зельвар \"Selvane\" ver. ";
    }

    void caption()
    {
        QFETCH(QString, version);
        QFETCH(QString, caption);
        setVersionSource([version] { return version; });
        ProgramFolder folder;
        MessageRecorder messages;
        TfmMain window(folder.paths());
        QCOMPARE(window.windowTitle(), caption);

        QStringList opened;
        Links::setOpener([&](const QString& address) {
            opened << address;
            return false;
        });
        window.SpeedButton3Click();
        QCOMPARE(opened,
                 QStringList{QStringLiteral("mailto:") + QLatin1String(Links::AuthorMailAddress) +
                             QStringLiteral("?Subject=About Selvane ver. ") + version});
        QCOMPARE(messages.texts(), QStringList());
    }

    void versionFromTheFileVersionHalves_data()
    {
        QTest::addColumn<quint32>("mostSignificant");
        QTest::addColumn<quint32>("leastSignificant");
        QTest::addColumn<QString>("text");
        QTest::newRow("this build") << 0x00010000u << 0x000B0018u << "1.0.11.24";
        QTest::newRow("each half to its place") << 0x00020003u << 0x00040005u << "2.3.4.5";
        QTest::newRow("16-bit limits") << 0xFFFF0000u << 0x0000FFFFu << "65535.0.0.65535";
    }

    void versionFromTheFileVersionHalves()
    {
        QFETCH(quint32, mostSignificant);
        QFETCH(quint32, leastSignificant);
        QFETCH(QString, text);
        QCOMPARE(versionFromFileVersion(mostSignificant, leastSignificant), text);
    }

    void linkButtonsOpenTheirAddresses()
    {
        ProgramFolder folder;
        MessageRecorder messages;
        TfmMain window(folder.paths());
        QStringList opened;
        Links::setOpener([&](const QString& address) {
            opened << address;
            return false; // no browser: nothing is shown
        });
        QTest::mouseClick(window.form()->SpeedButton1, Qt::LeftButton);
        QTest::mouseClick(window.form()->SpeedButton2, Qt::LeftButton);
        QCOMPARE(opened,
                 (QStringList{QLatin1String(Links::ProductSiteAddress) + "/products/Selvane.htm",
                              QLatin1String(Links::ForumAddress) + "/viewforum.php?f=15"}));
        QCOMPARE(messages.texts(), QStringList());
    }

    void pageGuard_data()
    {
        QTest::addColumn<bool>("agree");
        QTest::addColumn<bool>("account");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("message");
        for (bool agree : {false, true}) {
            for (bool account : {false, true}) {
                for (int target = 1; target <= 4; ++target) {
                    int page = target;
                    QString message;
                    if (target == 4) {
                        // About is always allowed.
                    } else if (!agree) {
                        page = 0;
                        message = AgreeMessage;
                    } else if (target > 1 && !account) {
                        page = 1;
                        message = AccountMessage;
                    }
                    QTest::addRow("agree=%d account=%d page %d", agree, account, target)
                        << agree << account << target << page << message;
                }
            }
        }
    }

    void pageGuard()
    {
        QFETCH(bool, agree);
        QFETCH(bool, account);
        QFETCH(int, target);
        QFETCH(int, page);
        QFETCH(QString, message);
        ProgramFolder folder;
        if (agree)
            folder.writeSettings("Agree=1\r\n");
        if (account)
            folder.seedAccount();
        MessageRecorder messages;
        TfmMain window(folder.paths());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTabBar* tabs = window.form()->PageControl1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(target).center());
        QCOMPARE(window.form()->PageControl1->currentIndex(), page);
        QCOMPARE(messages.texts(Kind::Information),
                 message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(messages.messages().size(), message.isEmpty() ? 0 : 1);
    }

    void agreeIsStoredOnlyWhenTheUserChangesIt()
    {
        ProgramFolder folder;
        folder.writeSettings("Agree=1\r\n");
        const QByteArray before = [&] {
            QFile f(folder.paths().settingsFile);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        MessageRecorder messages;
        TfmMain window(folder.paths());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.form()->chkAgree->isChecked());
        QFile file(folder.paths().settingsFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        file.close();

        QTest::mouseClick(window.form()->chkAgree, Qt::LeftButton, {},
                          QPoint(8, window.form()->chkAgree->height() / 2));
        QVERIFY(!window.form()->chkAgree->isChecked());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll().contains("Agree=0"), "clearing the box is stored at once");
        QCOMPARE(window.form()->PageControl1->currentIndex(), 0);
    }

    void startPage_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("page");
        QTest::newRow("forecast and agreement") << QByteArray("Agree=1\r\n") << 3;
        QTest::newRow("forecast without agreement") << QByteArray("Agree=0\r\n") << 0;
    }

    void startPage()
    {
        QFETCH(QByteArray, settings);
        QFETCH(int, page);
        ProgramFolder folder;
        folder.writeSettings(settings);
        folder.seedAccount();
        folder.seed({QStringLiteral("INSERT INTO forecast VALUES ('2012-04-02', 90);"),
                     QStringLiteral("INSERT INTO forecast VALUES ('2012-04-01', 10);")});
        MessageRecorder messages;
        TfmMain window(folder.paths());
        QCOMPARE(window.form()->PageControl1->currentIndex(), page);
        QCOMPARE(messages.texts(), QStringList());
        QCOMPARE(window.forecastMap().size(), 2);
        QCOMPARE(window.forecastMap().entries().first().date, QStringLiteral("2012-04-02"));
        QCOMPARE(window.forecastMap().lookup(QStringLiteral("2012-04-01")), std::optional<int>(10));
    }

    void accountIsLoaded()
    {
        QLocale::setDefault(QLocale(QStringLiteral("ru_RU")));
        ProgramFolder folder;
        folder.seedAccount(QStringLiteral("15.03.1980 10:30:00"), 73);
        MessageRecorder messages;
        TfmMain window(folder.paths());
        Ui::TfmMain* ui = window.form();
        QCOMPARE(messages.texts(), QStringList());
        QCOMPARE(ui->edBD->dateTime(), QDateTime(QDate(1980, 3, 15), QTime(10, 30)));
        QCOMPARE(ui->prCompatible->value(), 73);
        QVERIFY(!ui->btCreateAcc->isEnabled());
        QVERIFY(ui->btDelAcc->isEnabled());
        QVERIFY(!ui->grPersonal->isEnabled());
    }

    void unparsableBirthdayLeavesTheAccountAbsentState()
    {
        ProgramFolder folder;
        folder.seedAccount(QStringLiteral("not a date"), 55);
        MessageRecorder messages;
        TfmMain window(folder.paths());
        Ui::TfmMain* ui = window.form();
        QCOMPARE(messages.texts(Kind::Error),
                 QStringList{"'not a date' is not a valid date and time"});
        QCOMPARE(ui->prCompatible->value(), 0);
        QVERIFY(ui->btCreateAcc->isEnabled());
        QVERIFY(!ui->btDelAcc->isEnabled());
        QVERIFY(ui->grPersonal->isEnabled());
    }

    void birthdayReadsBackUnderItsLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QTime>("time");
        for (const char* locale : {"ru_RU", "en_US"}) {
            QTest::addRow("%s midnight", locale) << QString::fromLatin1(locale) << QTime(0, 0);
            QTest::addRow("%s 00:00:01", locale) << QString::fromLatin1(locale) << QTime(0, 0, 1);
        }
    }

    void birthdayReadsBackUnderItsLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QTime, time);
        QLocale::setDefault(QLocale(locale));
        const QDateTime birthday(QDate(1980, 5, 15), time);
        ProgramFolder folder;
        folder.seedAccount(DateTimeText::formatDateTime(birthday));
        MessageRecorder messages;
        TfmMain window(folder.paths());
        QCOMPARE(messages.texts(), QStringList());
        QCOMPARE(window.form()->edBD->dateTime(), birthday);
    }

    void storeThatCannotOpen()
    {
        ProgramFolder folder;
        folder.writeSettings("UseProxy=1\r\nProxy=proxy.example.org\r\n");
        QVERIFY(QDir().mkpath(folder.database())); // a folder where bl.db should be
        MessageRecorder messages;
        TfmMain window(folder.paths());
        QCOMPARE(messages.texts(Kind::General),
                 QStringList{
                     QStringLiteral("Failed to open database \"%1\" : unable to open database file")
                         .arg(folder.database())});
        QCOMPARE(window.form()->PageControl1->currentIndex(), 0);
        QVERIFY(window.form()->chkProxy->isChecked());
        QCOMPARE(window.form()->edProxy->text(), QStringLiteral("proxy.example.org"));

        messages.clear();
        window.RefreshJournal();
        QCOMPARE(messages.texts(Kind::Error), QStringList{"Database is not open"});
    }

    void refreshJournalThresholds_data()
    {
        QTest::addColumn<QList<int>>("levels");
        QTest::addColumn<bool>("check");
        QTest::addColumn<bool>("mark");
        QTest::newRow("2 unusual") << QList<int>{0, 100, 25, 50, 75} << false << false;
        QTest::newRow("3 unusual") << QList<int>{0, 100, 100, 25, 75} << true << false;
        QTest::newRow("4 unusual") << QList<int>{0, 0, 100, 100, 50} << true << true;
        QTest::newRow("server levels") << QList<int>{24, 76, 26, 74} << false << false;
    }

    void refreshJournalThresholds()
    {
        QFETCH(QList<int>, levels);
        QFETCH(bool, check);
        QFETCH(bool, mark);
        ProgramFolder folder;
        folder.seedAccount();
        QStringList inserts;
        for (int i = 0; i < levels.size(); ++i)
            inserts << QStringLiteral("INSERT INTO stat VALUES ('2012-04-%1', %2, 0);")
                           .arg(i + 10)
                           .arg(levels.at(i));
        folder.seed(inserts);
        MessageRecorder messages;
        TfmMain window(folder.paths());
        QCOMPARE(window.form()->btCheckCompatimle->isEnabled(), check);
        QCOMPARE(window.form()->btUnCompat->isEnabled(), mark);
        QCOMPARE(window.form()->Grid1->model()->rowCount(), levels.size());
    }

    void journalIsNewestFirstAndKeepsTheCurrentDay()
    {
        ProgramFolder folder;
        folder.seedAccount();
        folder.seed({QStringLiteral("INSERT INTO stat VALUES ('2011-01-05', 0, 0);"),
                     QStringLiteral("INSERT INTO stat VALUES ('2012-04-28', 100, 1);"),
                     QStringLiteral("INSERT INTO stat VALUES ('2011-12-31', 50, 0);")});
        MessageRecorder messages;
        TfmMain window(folder.paths());
        QAbstractItemModel* model = window.form()->Grid1->model();
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("2012-04-28"));
        QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("2011-12-31"));
        QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("2011-01-05"));
        QCOMPARE(model->index(0, 1).data().toInt(), 100);
        QCOMPARE(model->index(0, 2).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(model->index(1, 2).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QCOMPARE(window.form()->Grid1->currentIndex().row(), 0);

        window.form()->Grid1->setCurrentIndex(model->index(1, 0));
        window.RefreshJournal();
        QCOMPARE(window.form()->Grid1->currentIndex().row(), 1);

        // The current day gone: the newest day becomes current.
        window.store().execute(QStringLiteral("DELETE FROM stat WHERE date='2011-12-31';"));
        window.RefreshJournal();
        QCOMPARE(window.form()->Grid1->currentIndex().row(), 0);
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(messages.texts(), QStringList());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
