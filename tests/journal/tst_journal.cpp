#include "app/dateedit.h"
#include "app/programpaths.h"
#include "app/tfmmain.h"
#include "journal/badday.h"
#include "messagerecorder.h"
#include "testdb.h"
#include "ui_tfmmain.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using Kind = Messages::Kind;

namespace {

const QString birthText = QStringLiteral("10.05.1990 13:45:00");
const QDate birthDay(1990, 5, 10);

QString iso(const QDate& day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}
QString regional(const QDate& day)
{
    return day.toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace

class TestJournal : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void addDayStoresLevelOfTrack_data();
    void addDayStoresLevelOfTrack();
    void addExistingDateReplacesItsRow();
    void presetIsTodayFirstThenLastStoredDate();
    void cancelStoresNothingButRefreshes();
    void uneditedBadPresetStoresToday();
    void failedLastDateWriteStillRefreshes();
    void markCheckBoxTogglesStoredMark();
    void deleteRemovesMarkedDaysAndResetsCompatibility_data();
    void deleteRemovesMarkedDaysAndResetsCompatibility();
    void storeStatDayReplacesDay();
    void markStatDay_data();
    void markStatDay();
    void lockedDatabase_data();
    void lockedDatabase();

private:
    void writeSettings(const QByteArray& lines);
    void openWindow();
    // Presses "Добавить дату" and drives the modal dialog while it runs.
    void addDate(const std::function<void(TfmBadDay*)>& drive);
    void clickMark(int row);
    QStringList journal()
    {
        return m_db->rows(QStringLiteral("SELECT * FROM stat ORDER BY date DESC;"));
    }
    QString settingsText() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestDb> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<TfmMain> m_window;
    Ui::TfmMain* ui = nullptr;
};

void TestJournal::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void TestJournal::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_messages = std::make_unique<MessageRecorder>();
    writeSettings("Agree=1\r\n");
    m_db = std::make_unique<TestDb>(m_dir->filePath(QStringLiteral("bl.db")));
    m_db->exec(QStringLiteral(
        "CREATE TABLE user (birthday VARCHAR, gender INTEGER, compatible INTEGER);"
        "CREATE TABLE stat (date VARCHAR primary key, level NUMERIC, chkBox NUMERIC);"
        "CREATE TABLE forecast (date VARCHAR primary key, level NUMERIC);"));
    m_db->exec(QStringLiteral("INSERT INTO user VALUES ('%1', 1, 77);").arg(birthText));
}

void TestJournal::cleanup()
{
    m_window.reset();
    m_db.reset();
    m_messages.reset();
    m_dir.reset();
}

void TestJournal::writeSettings(const QByteArray& lines)
{
    QFile file(m_dir->filePath(QStringLiteral("selvane.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\r\n" + lines);
}

QString TestJournal::settingsText() const
{
    QFile file(m_dir->filePath(QStringLiteral("selvane.ini")));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

void TestJournal::openWindow()
{
    m_window = std::make_unique<TfmMain>(ProgramPaths::forFolder(m_dir->path() + QLatin1Char('/')));
    ui = m_window->form();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    ui->PageControl1->setCurrentIndex(2);
    QCOMPARE(ui->PageControl1->currentIndex(), 2);
    QCOMPARE(ui->edBD->dateTime(), QDateTime(birthDay, QTime(13, 45)));
    QVERIFY(m_messages->messages().isEmpty());
}

void TestJournal::addDate(const std::function<void(TfmBadDay*)>& drive)
{
    bool driven = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<TfmBadDay*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        driven = true;
        // The date edit has the focus once the dialog is active, as for the user.
        if (QTest::qWaitForWindowActive(dialog) &&
            QTest::qWaitFor([&] { return dialog->edBadDay()->lineEdit()->hasFocus(); }))
            drive(dialog);
        // A dialog the driver left open would block the test for good.
        if (dialog->isVisible())
            dialog->done(QDialog::Rejected);
    });
    QTest::mouseClick(ui->btAddDate, Qt::LeftButton);
    QVERIFY(driven);
}

void TestJournal::clickMark(int row)
{
    // The check box sits at the cell's left; a click on it toggles the editor's value.
    QTableView* grid = ui->Grid1;
    const QRect cell = grid->visualRect(grid->model()->index(row, 2));
    QStyleOptionViewItem option;
    option.initFrom(grid->viewport());
    option.rect = cell;
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box =
        grid->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, grid);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, box.center());
}

void TestJournal::addDayStoresLevelOfTrack_data()
{
    QTest::addColumn<double>("where"); // click height on the track, or none below 0
    QTest::addColumn<int>("level");
    QTest::newRow("top") << 0.02 << 0;
    QTest::newRow("untouched") << -1.0 << 50;
    QTest::newRow("bottom") << 0.98 << 100;
}

void TestJournal::addDayStoresLevelOfTrack()
{
    QFETCH(double, where);
    QFETCH(int, level);
    openWindow();
    addDate([&](TfmBadDay* dialog) {
        QCOMPARE(dialog->tbLevel()->value(), 2);
        QSlider* track = dialog->tbLevel();
        if (where >= 0)
            QTest::mouseClick(track, Qt::LeftButton, {},
                              QPoint(track->width() / 2, int(track->height() * where)));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btOK")), Qt::LeftButton);
    });
    const QDate today = QDate::currentDate();
    QCOMPARE(journal(), QStringList{QStringLiteral("%1|%2|0").arg(iso(today)).arg(level)});
    QVERIFY(settingsText().contains(QStringLiteral("LastDate=") + regional(today)));
    QCOMPARE(ui->Grid1->model()->rowCount(), 1);
    QCOMPARE(m_window->unusualDayCount(), level == 50 ? 0 : 1);
    QVERIFY(m_messages->messages().isEmpty());
}

void TestJournal::addExistingDateReplacesItsRow()
{
    const QDate day(2011, 3, 8);
    m_db->exec(QStringLiteral("INSERT INTO stat VALUES ('%1', 100, 1), ('2011-03-09', 25, 1);")
                   .arg(iso(day)));
    writeSettings("Agree=1\r\nLastDate=" + regional(day).toLatin1() + "\r\n");
    openWindow();
    addDate([&](TfmBadDay* dialog) {
        QCOMPARE(dialog->edBadDay()->date(), day);
        QSlider* track = dialog->tbLevel();
        QTest::mouseClick(track, Qt::LeftButton, {}, QPoint(track->width() / 2, 3));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btOK")), Qt::LeftButton);
    });
    QCOMPARE(journal(), QStringList({"2011-03-09|25|1", "2011-03-08|0|0"}));
}

void TestJournal::presetIsTodayFirstThenLastStoredDate()
{
    openWindow();
    QDate opened;
    addDate([&](TfmBadDay* dialog) {
        opened = dialog->edBadDay()->date();
        QLineEdit* edit = dialog->edBadDay()->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("01.03.2005"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    QCOMPARE(opened, QDate::currentDate());
    QCOMPARE(journal(), QStringList{QStringLiteral("2005-03-01|50|0")});

    addDate([&](TfmBadDay* dialog) {
        opened = dialog->edBadDay()->date();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Button2")),
                          Qt::LeftButton);
    });
    QCOMPARE(opened, QDate(2005, 3, 1));
}

void TestJournal::cancelStoresNothingButRefreshes()
{
    writeSettings("Agree=1\r\nLastDate=08.03.2011\r\n");
    openWindow();
    const QString settingsBefore = settingsText();
    // Written behind the program's back: only a refresh shows it.
    m_db->exec(QStringLiteral("INSERT INTO stat VALUES ('2001-01-01', 0, 0);"));
    QCOMPARE(ui->Grid1->model()->rowCount(), 0);

    addDate([&](TfmBadDay* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Button2")),
                          Qt::LeftButton);
    });
    QCOMPARE(journal(), QStringList{QStringLiteral("2001-01-01|0|0")});
    QCOMPARE(settingsText(), settingsBefore);
    QCOMPARE(ui->Grid1->model()->rowCount(), 1);
}

void TestJournal::uneditedBadPresetStoresToday()
{
    writeSettings("Agree=1\r\nLastDate=" + regional(birthDay).toLatin1() + "\r\n");
    openWindow();
    addDate([&](TfmBadDay* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btOK")), Qt::LeftButton);
    });
    QCOMPARE(m_messages->texts(Kind::Warning),
             QStringList{QStringLiteral("Дата не может быть меньше даты рождения!")});
    QCOMPARE(journal(), QStringList{iso(QDate::currentDate()) + QStringLiteral("|50|0")});
}

void TestJournal::failedLastDateWriteStillRefreshes()
{
    openWindow();
    // A folder where the settings file should be: nothing can be written there.
    QVERIFY(QFile::remove(m_dir->filePath(QStringLiteral("selvane.ini"))));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("selvane.ini")));
    addDate([&](TfmBadDay* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btOK")), Qt::LeftButton);
    });
    const QStringList errors = m_messages->texts(Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().startsWith(QStringLiteral("Unable to write to")),
             qPrintable(errors.first()));
    QCOMPARE(journal().size(), 1);
    QCOMPARE(ui->Grid1->model()->rowCount(), 1);
}

void TestJournal::markCheckBoxTogglesStoredMark()
{
    m_db->exec(QStringLiteral("INSERT INTO stat VALUES ('2010-01-03', 0, 0), ('2010-01-02', 50, "
                              "0), ('2010-01-01', 100, 0);"));
    openWindow();
    QCOMPARE(ui->Grid1->model()->rowCount(), 3);

    for (const char* stored : {"1", "0"}) {
        clickMark(1);
        QCOMPARE(m_db->rows(QStringLiteral("SELECT chkBox FROM stat WHERE date='2010-01-02';")),
                 QStringList{QLatin1String(stored)});
        QCOMPARE(ui->Grid1->currentIndex().row(), 1);
        QCOMPARE(ui->Grid1->model()->index(1, 2).data(Qt::CheckStateRole).toInt(),
                 QLatin1String(stored) == QLatin1String("1") ? int(Qt::Checked)
                                                             : int(Qt::Unchecked));
    }
    QCOMPARE(m_db->rows(QStringLiteral("SELECT sum(chkBox) FROM stat;")), QStringList{"0"});
    QVERIFY(m_messages->messages().isEmpty());
}

void TestJournal::deleteRemovesMarkedDaysAndResetsCompatibility_data()
{
    QTest::addColumn<QString>("marked"); // dates to mark, comma-separated
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<bool>("checkEnabled");
    QTest::addColumn<bool>("markEnabled");
    QTest::newRow("nothing marked")
        << QString() << QStringList({"2010-01-04", "2010-01-03", "2010-01-02", "2010-01-01"})
        << true << true;
    QTest::newRow("one marked") << "2010-01-04"
                                << QStringList({"2010-01-03", "2010-01-02", "2010-01-01"}) << true
                                << false;
    QTest::newRow("two marked") << "2010-01-04,2010-01-01"
                                << QStringList({"2010-01-03", "2010-01-02"}) << false << false;
}

void TestJournal::deleteRemovesMarkedDaysAndResetsCompatibility()
{
    QFETCH(QString, marked);
    QFETCH(QStringList, remaining);
    QFETCH(bool, checkEnabled);
    QFETCH(bool, markEnabled);
    m_db->exec(QStringLiteral("INSERT INTO stat VALUES ('2010-01-04', 0, 0), ('2010-01-03', 100, "
                              "0), ('2010-01-02', 0, 0), ('2010-01-01', 100, 0);"));
    for (const QString& date : marked.split(QLatin1Char(','), Qt::SkipEmptyParts))
        m_db->exec(QStringLiteral("UPDATE stat SET chkBox=1 WHERE date='%1';").arg(date));
    openWindow();
    QVERIFY(ui->btCheckCompatimle->isEnabled() && ui->btUnCompat->isEnabled());

    QTest::mouseClick(ui->btDelChecked, Qt::LeftButton);
    QCOMPARE(m_db->rows(QStringLiteral("SELECT date FROM stat ORDER BY date DESC;")), remaining);
    QCOMPARE(m_db->rows(QStringLiteral("SELECT compatible FROM user;")), QStringList{"0"});
    QCOMPARE(ui->Grid1->model()->rowCount(), remaining.size());
    QCOMPARE(ui->btCheckCompatimle->isEnabled(), checkEnabled);
    QCOMPARE(ui->btUnCompat->isEnabled(), markEnabled);
    QVERIFY(m_messages->messages().isEmpty());
}

void TestJournal::storeStatDayReplacesDay()
{
    m_db->exec(QStringLiteral("INSERT INTO stat VALUES ('2010-01-04', 0, 1);"));
    openWindow();
    m_window->StoreStatDay(QStringLiteral("2010-01-04"), QStringLiteral("75"));
    m_window->StoreStatDay(QStringLiteral("2010-01-05"), QStringLiteral("12"));
    QCOMPARE(journal(), QStringList({"2010-01-05|12|0", "2010-01-04|75|0"}));
    QCOMPARE(m_db->rows(QStringLiteral("SELECT typeof(level) FROM stat;")),
             QStringList({"integer", "integer"}));
    QVERIFY(m_messages->messages().isEmpty());
}

void TestJournal::markStatDay_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("present") << "2010-01-03" << QStringList({"2010-01-04|0|0", "2010-01-03|100|1"});
    QTest::newRow("absent") << "2010-01-05" << QStringList({"2010-01-04|0|0", "2010-01-03|100|0"});
    QTest::newRow("quote in the date")
        << "2010\"-01-03" << QStringList({"2010-01-04|0|0", "2010-01-03|100|0"});
}

void TestJournal::markStatDay()
{
    QFETCH(QString, date);
    QFETCH(QStringList, expected);
    m_db->exec(
        QStringLiteral("INSERT INTO stat VALUES ('2010-01-04', 0, 0), ('2010-01-03', 100, 0);"));
    openWindow();
    m_window->MarkStatDay(date);
    QCOMPARE(journal(), expected);
    QVERIFY(m_messages->messages().isEmpty());
    // The refresh shows the stored mark.
    QCOMPARE(ui->Grid1->model()->index(1, 2).data(Qt::CheckStateRole).toInt(),
             expected.last().endsWith(QLatin1String("|1")) ? int(Qt::Checked) : int(Qt::Unchecked));
}

void TestJournal::lockedDatabase_data()
{
    QTest::addColumn<QString>("operation");
    for (const char* operation : {"add", "store", "mark", "toggle", "delete"})
        QTest::newRow(operation) << QString::fromLatin1(operation);
}

void TestJournal::lockedDatabase()
{
    QFETCH(QString, operation);
    m_db->exec(
        QStringLiteral("INSERT INTO stat VALUES ('2010-01-04', 0, 1), ('2010-01-03', 100, 0);"));
    openWindow();
    const QStringList before = journal();
    const QString settingsBefore = settingsText();
    const auto run = [&] {
        if (operation == QLatin1String("add"))
            addDate([](TfmBadDay* dialog) {
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btOK")),
                                  Qt::LeftButton);
            });
        else if (operation == QLatin1String("store"))
            m_window->StoreStatDay(QStringLiteral("2010-01-04"), QStringLiteral("100"));
        else if (operation == QLatin1String("mark"))
            m_window->MarkStatDay(QStringLiteral("2010-01-03"));
        else if (operation == QLatin1String("toggle"))
            clickMark(0);
        else
            QTest::mouseClick(ui->btDelChecked, Qt::LeftButton);
    };

    // Another program holds the write lock; reading stays possible.
    TestDb other(m_dir->filePath(QStringLiteral("bl.db")));
    other.exec(QStringLiteral("BEGIN IMMEDIATE;"));
    run();
    const QStringList errors = m_messages->texts(Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(QStringLiteral("database is locked")),
             qPrintable(errors.first()));
    other.exec(QStringLiteral("ROLLBACK;"));
    QCOMPARE(journal(), before);
    QCOMPARE(settingsText(), settingsBefore);
    QVERIFY(!m_window->store().inTransaction());

    // The failed write left no transaction behind: the next one works.
    m_messages->clear();
    run();
    QVERIFY2(m_messages->messages().isEmpty(), qPrintable(m_messages->texts().join('\n')));
    QVERIFY(journal() != before);
}

QTEST_MAIN(TestJournal)
#include "tst_journal.moc"
