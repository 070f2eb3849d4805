// The forecast page: the calendar's settings, luck styles from the stored
// forecast, the birth-date limit, the popup navigation and the reload.
#include "app/dateedit.h"
#include "app/programpaths.h"
#include "app/tfmmain.h"
#include "calendar/forecastview.h"
#include "calendar/mxdatetime.h"
#include "messagerecorder.h"
#include "testdb.h"
#include "ui_tfmmain.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

const QColor lime(0, 255, 0);
const QColor mediumGrey(160, 160, 164);

class CountingCalendar : public TmxCalendar
{
public:
    int refreshes = 0;
    void UpdateCalendar() override
    {
        ++refreshes;
        TmxCalendar::UpdateCalendar();
    }
};

TmxPanel* cellOf(const TmxCustomCalendar& cal, int month, int day)
{
    for (int r = 1; r < 7; ++r)
        for (int c = 1; c < 8; ++c)
            if (cal.cell(r, c)->month() == month && cal.cell(r, c)->caption().toInt() == day)
                return cal.cell(r, c);
    return nullptr;
}

} // namespace

class TestForecastView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Without the window.
    void luckThreshold_data();
    void luckThreshold();
    void dayKey();
    void birthRule();
    void calendarSettings();
    void nextMonthWraps_data();
    void nextMonthWraps();
    void previousMonthWraps();
    void yearsAreClamped();

    // On the main window.
    void storedForecastColoursDays();
    void emptyForecastDrawsPlainDays();
    void clickKeepsCalendarFromRestingBeforeBirth();
    void popupMenuItems();
    void popupNavigation();
    void rightClickOpensMenuAndSelectsNothing();
    void reloadShowsNewDaysAtOnce();
    void reloadErrorKeepsEntriesReadSoFar();
    void legendMatchesCalendar();

private:
    void openWindow(const QString& birthday = QStringLiteral("15.05.1980 10:30:00"));
    void addForecast(const QString& date, const QString& level);
    TmxCalendar* calendar() const { return ui->calForecast; }
    QAction* action(const char* name) const
    {
        return m_window->findChild<QMenu*>(QStringLiteral("PopupMenu1"))
            ->findChild<QAction*>(QLatin1String(name));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestDb> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<TfmMain> m_window;
    Ui::TfmMain* ui = nullptr;
};

void TestForecastView::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void TestForecastView::init()
{
    mx::setCurrentDate(QDate(2012, 4, 28));
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_messages = std::make_unique<MessageRecorder>();
    QFile settings(m_dir->filePath(QStringLiteral("selvane.ini")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[Settings]\r\nAgree=1\r\n");
    settings.close();
    m_db = std::make_unique<TestDb>(m_dir->filePath(QStringLiteral("bl.db")));
    m_db->exec(QStringLiteral(
        "CREATE TABLE user (birthday VARCHAR, gender INTEGER, compatible INTEGER);"
        "CREATE TABLE stat (date VARCHAR primary key, level NUMERIC, chkBox NUMERIC);"
        "CREATE TABLE forecast (date VARCHAR primary key, level NUMERIC);"));
}

void TestForecastView::cleanup()
{
    m_window.reset();
    m_db.reset();
    m_messages.reset();
    m_dir.reset();
    mx::setCurrentDate(QDate());
}

void TestForecastView::openWindow(const QString& birthday)
{
    m_db->exec(QStringLiteral("INSERT INTO user VALUES ('%1', 1, 95);").arg(birthday));
    m_window = std::make_unique<TfmMain>(ProgramPaths::forFolder(m_dir->path() + QLatin1Char('/')));
    ui = m_window->form();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    ui->PageControl1->setCurrentWidget(ui->tsForecast);
    QCOMPARE(ui->PageControl1->currentWidget(), ui->tsForecast);
    QVERIFY(QTest::qWaitForWindowExposed(calendar()));
}

void TestForecastView::addForecast(const QString& date, const QString& level)
{
    m_db->exec(QStringLiteral("INSERT INTO forecast VALUES ('%1', %2);").arg(date, level));
}

void TestForecastView::luckThreshold_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("style");
    QTest::newRow("100") << 100 << int(stLuckyDay);
    QTest::newRow("85") << 85 << int(stLuckyDay);
    QTest::newRow("84") << 84 << int(stBadLuck);
    QTest::newRow("0") << 0 << int(stBadLuck);
}

void TestForecastView::luckThreshold()
{
    QFETCH(int, level);
    QFETCH(int, style);
    QCOMPARE(int(ForecastView::luckStyle(level)), style);
}

void TestForecastView::dayKey()
{
    QCOMPARE(ForecastView::dayKey(QDate(2012, 4, 8)), QStringLiteral("2012-04-08"));
    QCOMPARE(ForecastView::dayKey(QDate(2101, 12, 31)), QStringLiteral("2101-12-31"));
}

void TestForecastView::birthRule()
{
    const QDateTime birth(QDate(1980, 5, 15), QTime(10, 30));
    QVERIFY(ForecastView::restsBeforeBirth(birth, QDate(1980, 4, 30)));
    QVERIFY(ForecastView::restsBeforeBirth(birth, QDate(1980, 5, 15))); // after midnight
    QVERIFY(!ForecastView::restsBeforeBirth(birth, QDate(1980, 5, 16)));
    QVERIFY(!ForecastView::restsBeforeBirth(QDateTime(), QDate(1000, 1, 1)));
}

void TestForecastView::calendarSettings()
{
    mx::setCurrentDate(QDate(2026, 12, 11));
    TmxCalendar cal;
    ForecastView::configureCalendar(cal);
    QCOMPARE(cal.GetDate(), QDate(2026, 12, 11)); // today's month, not the design date
    QCOMPARE(
        cal.options(),
        (TmxCalendarOptions{coFlatButtons, coFlatHeaders, coMonthButtonVisible, csSetTodayOnStartup,
                            coShowNextMonth, coShowPreviousMonth, coShowHeader, coShowWeekDays,
                            coTransparentButtons, coTodayButtonVisible, csUseWeekEndColor,
                            csUseWeekEndFont, coYearButtonVisible}));
    QCOMPARE(cal.borderWidth(), 1);
    QCOMPARE(cal.bevelOuter(), bvNone);
    QCOMPARE(cal.headerPanel()->caption(), QStringLiteral("Декабрь, 2026"));
    QCOMPARE(cal.cell(0, 1)->caption(), QStringLiteral("Пн"));
    QCOMPARE(cal.cell(0, 7)->caption(), QStringLiteral("Вс"));
    QCOMPARE(cal.cell(0, 0)->caption(), QStringLiteral("CW"));
    QCOMPARE(cal.footerPanel()->y(), -1000);
    QCOMPARE(cal.cell(1, 0)->x(), -100);
    QCOMPARE(cal.dateFormat(), QStringLiteral("dd.mm.yyyy"));
    QCOMPARE(cal.dayNameColor(), QColor(128, 128, 128));
    QCOMPARE(cal.weekColor(), mediumGrey);
    QCOMPARE(cal.badLuckColor(), mediumGrey);
    QCOMPARE(cal.luckyDayColor(), lime);
    QCOMPARE(cal.selectedColor(), QColor(Qt::white));
    QCOMPARE(cal.selectedFont().color(), QColor(Qt::black));
    QCOMPARE(cal.todayFont().color(), QColor(Qt::red));
    QVERIFY(cal.todayFont().bold());
    QVERIFY(cal.weekEndFont().bold());
    QCOMPARE(cal.weekEndFont().color(), QColor(Qt::black));
    QCOMPARE(cal.luckyDayFont().color(), QColor(Qt::white));
    QVERIFY(cal.luckyDayFont().bold());
    QCOMPARE(cal.badLuckFont().color(), QColor(Qt::white));
    QVERIFY(cal.badLuckFont().bold());
    QCOMPARE(cal.dayFont().pixelSize(), 11);
    QCOMPARE(cal.messages().monthName(5), QStringLiteral("Май"));
    QCOMPARE(cal.messages().dayName(1), QStringLiteral("Вс"));

    // Ordinary and weekend days are window-coloured; today has a red bold number.
    const QColor window = QGuiApplication::palette().color(QPalette::Base);
    QCOMPARE(cellOf(cal, 12, 9)->color(), window);
    QCOMPARE(cellOf(cal, 12, 12)->color(), window);
    QVERIFY(cellOf(cal, 12, 12)->font().bold());
    QCOMPARE(cellOf(cal, 12, 11)->color(), window);
    QCOMPARE(cellOf(cal, 12, 11)->fontColor(), QColor(Qt::red));
    QCOMPARE(cellOf(cal, 1, 3)->color(), QGuiApplication::palette().color(QPalette::Button));
}

void TestForecastView::nextMonthWraps_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("April 2012") << QDate(2012, 4, 28) << QDate(2012, 5, 28);
    QTest::newRow("January 31") << QDate(2013, 1, 31) << QDate(2013, 2, 28);
    QTest::newRow("December 2012") << QDate(2012, 12, 10) << QDate(2013, 1, 10);
    QTest::newRow("December 2100") << QDate(2100, 12, 10) << QDate(2100, 1, 10);
}

void TestForecastView::nextMonthWraps()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    CountingCalendar cal;
    cal.SetDate(from);
    const int before = cal.refreshes;
    ForecastView::showNextMonth(cal);
    QCOMPARE(cal.GetDate(), to);
    QCOMPARE(cal.refreshes - before, from.month() == 12 ? 2 : 1);
}

void TestForecastView::previousMonthWraps()
{
    TmxCalendar cal;
    cal.SetDate(QDate(2013, 1, 10));
    ForecastView::showPreviousMonth(cal);
    QCOMPARE(cal.GetDate(), QDate(2012, 12, 10));
    cal.SetDate(QDate(1900, 1, 10));
    ForecastView::showPreviousMonth(cal);
    QCOMPARE(cal.GetDate(), QDate(1900, 12, 10));
    cal.SetDate(QDate(2012, 3, 31));
    ForecastView::showPreviousMonth(cal);
    QCOMPARE(cal.GetDate(), QDate(2012, 2, 29));
}

void TestForecastView::yearsAreClamped()
{
    TmxCalendar cal;
    cal.SetDate(QDate(2100, 6, 1));
    ForecastView::showNextYear(cal);
    QCOMPARE(cal.year(), 2100);
    cal.SetDate(QDate(1900, 6, 1));
    ForecastView::showPreviousYear(cal);
    QCOMPARE(cal.year(), 1900);
    cal.SetDate(QDate(2012, 2, 29));
    ForecastView::showNextYear(cal);
    QCOMPARE(cal.GetDate(), QDate(2013, 2, 28));
}

void TestForecastView::storedForecastColoursDays()
{
    addForecast(QStringLiteral("2012-04-10"), QStringLiteral("85"));
    addForecast(QStringLiteral("2012-04-11"), QStringLiteral("84"));
    addForecast(QStringLiteral("2012-04-12"), QStringLiteral("0"));
    addForecast(QStringLiteral("2012-04-28"), QStringLiteral("97")); // today
    addForecast(QStringLiteral("2012-05-03"), QStringLiteral("90")); // a trailing May cell
    addForecast(QStringLiteral("2012-03-27"), QStringLiteral("20")); // a leading March cell
    openWindow();
    TmxCalendar* cal = calendar();
    QCOMPARE(cal->GetDate(), QDate(2012, 4, 28));
    QCOMPARE(cellOf(*cal, 4, 10)->color(), lime);
    QCOMPARE(cellOf(*cal, 4, 10)->fontColor(), QColor(Qt::white));
    QVERIFY(cellOf(*cal, 4, 10)->font().bold());
    QCOMPARE(cellOf(*cal, 4, 11)->color(), mediumGrey);
    QCOMPARE(cellOf(*cal, 4, 11)->fontColor(), QColor(Qt::white));
    QCOMPARE(cellOf(*cal, 4, 12)->color(), mediumGrey);
    QCOMPARE(cellOf(*cal, 4, 13)->color(), cal->dayColor());
    QCOMPARE(cellOf(*cal, 5, 3)->color(), lime);
    QCOMPARE(cellOf(*cal, 3, 27)->color(), mediumGrey);
    // Lucky today: lime, with today's red bold number.
    QCOMPARE(cellOf(*cal, 4, 28)->color(), lime);
    QCOMPARE(cellOf(*cal, 4, 28)->fontColor(), QColor(Qt::red));
    QVERIFY(cellOf(*cal, 4, 28)->font().bold());
    QVERIFY(m_messages->messages().isEmpty());
}

void TestForecastView::emptyForecastDrawsPlainDays()
{
    openWindow();
    TmxCalendar* cal = calendar();
    for (int r = 1; r < 7; ++r)
        for (int c = 1; c < 8; ++c)
            QVERIFY(cal->cell(r, c)->color() != lime && cal->cell(r, c)->color() != mediumGrey);
    QVERIFY(m_messages->messages().isEmpty());
}

void TestForecastView::clickKeepsCalendarFromRestingBeforeBirth()
{
    openWindow(QStringLiteral("15.05.1980 10:30:00"));
    TmxCalendar* cal = calendar();
    QCOMPARE(ui->edBD->dateTime(), QDateTime(QDate(1980, 5, 15), QTime(10, 30)));

    cal->SetDate(QDate(1980, 4, 10));
    QTest::mouseClick(cellOf(*cal, 4, 20), Qt::LeftButton);
    QCOMPARE(cal->GetDate(), QDate(1980, 5, 15));

    // The header buttons are held back too.
    cal->monthMinusBtn()->click();
    QCOMPARE(cal->GetDate(), QDate(1980, 5, 15));
    cal->yearMinusBtn()->click();
    QCOMPARE(cal->GetDate(), QDate(1980, 5, 15));

    // The popup items fire no click: the calendar stays before the birth date.
    action("MPrevMonth")->trigger();
    QCOMPARE(cal->GetDate(), QDate(1980, 4, 15));

    // After the birth date, clicks go where they are sent.
    cal->SetDate(QDate(1980, 6, 1));
    QTest::mouseClick(cellOf(*cal, 6, 20), Qt::LeftButton);
    QCOMPARE(cal->GetDate(), QDate(1980, 6, 20));
}

void TestForecastView::popupMenuItems()
{
    openWindow();
    auto* menu = m_window->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    QVERIFY(menu);
    QStringList items;
    for (QAction* a : menu->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + ':' + a->text());
    QCOMPARE(items, (QStringList{"MRequest:Запросить прогноз на месяц", "-", "MToday:Сегодня",
                                 "MNextMonth:Следующий месяц", "MPrevMonth:Предыдущий месяц",
                                 "MNextYear:Следующий год", "PrevYear:Предыдущий год"}));
    // The request item and the button share the (still empty) request handler.
    action("MRequest")->trigger();
    QTest::mouseClick(ui->btForecast, Qt::LeftButton);
    QVERIFY(m_messages->messages().isEmpty());
}

void TestForecastView::popupNavigation()
{
    openWindow();
    TmxCalendar* cal = calendar();
    cal->SetDate(QDate(2012, 12, 10));
    action("MNextMonth")->trigger();
    QCOMPARE(cal->GetDate(), QDate(2013, 1, 10));
    QCOMPARE(cal->headerPanel()->caption(), QStringLiteral("Январь, 2013"));
    action("MPrevMonth")->trigger();
    QCOMPARE(cal->GetDate(), QDate(2012, 12, 10));
    cal->SetDate(QDate(2100, 12, 10));
    action("MNextMonth")->trigger();
    QCOMPARE(cal->GetDate(), QDate(2100, 1, 10));
    action("MNextYear")->trigger();
    QCOMPARE(cal->year(), 2100);
    action("PrevYear")->trigger();
    QCOMPARE(cal->year(), 2099);
    action("MToday")->trigger();
    QCOMPARE(cal->GetDate(), QDate(2012, 4, 28));
}

void TestForecastView::rightClickOpensMenuAndSelectsNothing()
{
    openWindow();
    TmxCalendar* cal = calendar();
    TmxPanel* cell = cellOf(*cal, 4, 12);
    QTest::mouseClick(cell, Qt::RightButton);
    QCOMPARE(cal->selectionStart(), 0.0);
    auto* menu = m_window->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            cell->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(cell, &event);
    QTRY_VERIFY(menu->isVisible());
    menu->close();
}

void TestForecastView::reloadShowsNewDaysAtOnce()
{
    addForecast(QStringLiteral("2012-04-10"), QStringLiteral("90"));
    openWindow();
    TmxCalendar* cal = calendar();
    QCOMPARE(cellOf(*cal, 4, 10)->color(), lime);
    m_db->exec(QStringLiteral("DELETE FROM forecast;"));
    addForecast(QStringLiteral("2012-04-16"), QStringLiteral("86"));
    addForecast(QStringLiteral("2012-04-17"), QStringLiteral("40"));
    m_window->ReloadForecast();
    // No event has run since the reload: the repaint itself refreshed.
    QCOMPARE(cellOf(*cal, 4, 16)->color(), lime);
    QCOMPARE(cellOf(*cal, 4, 17)->color(), mediumGrey);
    QCOMPARE(cellOf(*cal, 4, 10)->color(), cal->dayColor());
    QCOMPARE(m_window->forecastMap().size(), 2);
    QVERIFY(m_messages->messages().isEmpty());
}

void TestForecastView::reloadErrorKeepsEntriesReadSoFar()
{
    openWindow();
    addForecast(QStringLiteral("2012-04-16"), QStringLiteral("86"));
    addForecast(QStringLiteral("2012-04-17"), QStringLiteral("'high'"));
    addForecast(QStringLiteral("2012-04-18"), QStringLiteral("90"));
    m_window->ReloadForecast();
    QCOMPARE(m_messages->texts(Messages::Kind::Error),
             QStringList{QStringLiteral("'high' is not a valid integer value")});
    QCOMPARE(m_window->forecastMap().size(), 1);
    QCOMPARE(m_window->forecastMap().lookup(QStringLiteral("2012-04-16")), std::optional<int>(86));
}

void TestForecastView::legendMatchesCalendar()
{
    openWindow();
    QVERIFY(ui->Shape1->styleSheet().contains(calendar()->luckyDayColor().name()));
    QVERIFY(ui->Shape2->styleSheet().contains(calendar()->badLuckColor().name()));
    QCOMPARE(ui->Label9->text(), QStringLiteral("«Везение»"));
    QCOMPARE(ui->Label10->text(), QStringLiteral("«Невезение»"));
}

QTEST_MAIN(TestForecastView)
#include "tst_forecastview.moc"
