// The month calendar: the model, the navigation, the grid and its styling.
#include "calendar/mxcalendar.h"
#include "calendar/mxdateformat.h"

#include <QLabel>
#include <QtTest>

namespace {

// Counts the refreshes; the control runs the refresh through this virtual.
class CountingCalendar : public TmxCalendar
{
public:
    using TmxCalendar::TmxCalendar;
    int refreshes = 0;
    void UpdateCalendar() override
    {
        ++refreshes;
        TmxCalendar::UpdateCalendar();
    }
};

const QStringList ruDays{"Вс", "Пн", "Вт", "Ср", "Чт", "Пт", "Сб"};
const QStringList ruMonths{"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                           "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};

void useRussianNames(TmxCustomCalendar& cal)
{
    for (int d = 1; d <= 7; ++d)
        cal.messages().setDayName(d, ruDays.at(d - 1));
    for (int m = 1; m <= 12; ++m)
        cal.messages().setMonthName(m, ruMonths.at(m - 1));
}

// The 42 day numbers, row by row.
QStringList dayCaptions(const TmxCustomCalendar& cal)
{
    QStringList out;
    for (int r = 1; r < 7; ++r)
        for (int c = 1; c < 8; ++c)
            out << cal.cell(r, c)->caption();
    return out;
}

QStringList weekCaptions(const TmxCustomCalendar& cal)
{
    QStringList out;
    for (int r = 1; r < 7; ++r)
        out << cal.cell(r, 0)->caption();
    return out;
}

QStringList dayNameCaptions(const TmxCustomCalendar& cal)
{
    QStringList out;
    for (int c = 1; c < 8; ++c)
        out << cal.cell(0, c)->caption();
    return out;
}

// The cell that shows the given day of the given month.
TmxPanel* cellOf(const TmxCustomCalendar& cal, int month, int day)
{
    for (int r = 1; r < 7; ++r)
        for (int c = 1; c < 8; ++c)
            if (cal.cell(r, c)->month() == month && cal.cell(r, c)->caption().toInt() == day)
                return cal.cell(r, c);
    return nullptr;
}

QStringList numbers(int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QString::number(i);
    return out;
}

mx::DateTime dt(int y, int m, int d)
{
    return mx::encodeDate(y, m, d);
}

} // namespace

class TestMxCalendar : public QObject
{
    Q_OBJECT
private slots:
    void init() { mx::setCurrentDate(QDate(2012, 4, 28)); }
    void cleanup() { mx::setCurrentDate(QDate()); }

    void constructionDefaults();
    void versionIsFixed();
    void weekDayIndex();

    void gridApril2012();
    void gridOctober2012StartsOnMonday();
    void weekNumbers_data();
    void weekNumbers();
    void weeksInYear_data();
    void weeksInYear();
    void gridSundayFirst();
    void firstDayOfWeekRepaintRefreshes();

    void clampYear();
    void clampMonthAndDay();
    void loadingDefersRefreshAndSetsToday();
    void yearButtonsDoNotClamp();
    void yearPlusOnLeapDay();
    void monthButtonsWrap();
    void todayButtonKeepsSelection();
    void clearButtonKeepsMonth();
    void clickFromTheNamedPartsOnly();

    void selectionWithoutRanges();
    void selectionWithRanges();
    void leftClickSelectsKeepingTimeOfDay();
    void rightClickSelectsEndOnlyWithRanges();
    void clickOnTrailingNextMonthDay();
    void clickOnJanuaryDayUnderDecember();

    void stylesOfPlainDays();
    void luckyTodayKeepsTodayFont();
    void selectedUnluckyDayIsGrey();
    void selectedBeatsToday();
    void luckStyleAppliesToNeighbourMonths();
    void hiddenNeighbourNumbers();
    void todayAmongNextMonthDays();
    void weekendWithSundayFirst();
    void itemStyleHookChangesFontAndColour();
    void cursorHook();

    void titleFormats_data();
    void titleFormats();
    void dateLabel();
    void dateLabelFallback();

    void optionsHideParts();
    void cellArithmetic_data();
    void cellArithmetic();
    void buttonPlacement();

    void refreshDiscipline();
    void fontChangesRefresh();
    void textChangesRefreshOnce();
    void glyphsReplaceTexts();

    void everyPaintRefreshesWithoutLoop();
    void refreshInsideRefreshIsSkippedByPaint();
};

void TestMxCalendar::constructionDefaults()
{
    TmxCalendar cal;
    QCOMPARE(cal.size(), QSize(250, 230));
    QCOMPARE(cal.GetDate(), QDate(2012, 4, 28));
    QCOMPARE(cal.options().mask(), 0x7FF92u);
    QCOMPARE(cal.dayColor(), QColor(255, 255, 0));
    QCOMPARE(cal.weekEndColor(), QColor(0, 255, 255));
    QCOMPARE(cal.selectedColor(), QColor(0, 0, 128));
    QCOMPARE(cal.dayNameColor(), QColor(0, 128, 255));
    QCOMPARE(cal.weekColor(), QColor(0, 128, 255));
    QCOMPARE(cal.todayColor(), QColor(255, 128, 64));
    QCOMPARE(cal.indirectColor(), cal.color());
    QCOMPARE(cal.badLuckColor(), QColor(160, 160, 164));
    QCOMPARE(cal.luckyDayColor(), QColor(0, 255, 0));
    QCOMPARE(cal.selectedFont().color(), QColor(Qt::white));
    QCOMPARE(cal.weeksFont().color(), QColor(Qt::white));
    QCOMPARE(cal.weekDaysFont().color(), QColor(Qt::white));
    QCOMPARE(cal.weekEndFont().color(), QColor(Qt::black));
    QVERIFY(cal.dateLabelFont().bold());
    QCOMPARE(cal.dateFormat(), QStringLiteral("dd.mm.yyyy"));
    QCOMPARE(cal.firstDayOfWeek(), fdMonday);
    QCOMPARE(cal.headerFormat(), hfMMMMYYYY);
    QCOMPARE(cal.selectionStart(), 0.0);
    QCOMPARE(cal.selectionEnd(), 0.0);
    QVERIFY(cal.clearBtn()->isHidden());
    QVERIFY(!cal.todayBtn()->isHidden());
    QCOMPARE(cal.headerPanel()->height(), 26);
    QCOMPARE(cal.footerPanel()->height(), 26);
    QCOMPARE(cal.yearPlusBtn()->text(), QStringLiteral(">>"));
    QCOMPARE(cal.monthMinusBtn()->text(), QStringLiteral("<"));
    QCOMPARE(cal.todayBtn()->text(), QStringLiteral("T"));
    QCOMPARE(cal.clearBtn()->text(), QStringLiteral("C"));
    QCOMPARE(cal.yearPlusBtn()->size(), QSize(23, 22));
    QCOMPARE(cal.yearPlusBtn()->y(), 2);
    // The header is docked inside the lowered bevel and the border.
    QCOMPARE(cal.headerPanel()->geometry(), QRect(2, 2, 246, 26));
    QCOMPARE(cal.footerPanel()->geometry(), QRect(2, 202, 246, 26));
    QCOMPARE(cal.daysPanel()->geometry(), QRect(2, 28, 246, 174));
}

void TestMxCalendar::versionIsFixed()
{
    TmxCalendar cal;
    QCOMPARE(cal.version(), QStringLiteral("2.11"));
    cal.setVersion(QStringLiteral("3.0"));
    QCOMPARE(cal.version(), QStringLiteral("2.11"));
    cal.setProperty("Version", QStringLiteral("9.9"));
    QCOMPARE(cal.property("Version").toString(), QStringLiteral("2.11"));
}

void TestMxCalendar::weekDayIndex()
{
    TmxCalendar cal;
    QCOMPARE(cal.WeekDayIndex(1), 7);
    QCOMPARE(cal.WeekDayIndex(2), 1);
    QCOMPARE(cal.WeekDayIndex(7), 6);
    cal.setFirstDayOfWeek(fdSunday);
    QCOMPARE(cal.WeekDayIndex(1), 1);
    QCOMPARE(cal.WeekDayIndex(7), 7);
}

void TestMxCalendar::gridApril2012()
{
    TmxCalendar cal;
    useRussianNames(cal);
    cal.SetDate(QDate(2012, 4, 28));
    const QStringList expected =
        QStringList{"26", "27", "28", "29", "30", "31"} + numbers(1, 30) + numbers(1, 6);
    QCOMPARE(dayCaptions(cal), expected);
    QCOMPARE(cal.cell(1, 7)->caption(), QStringLiteral("1"));
    QCOMPARE(cal.cell(1, 7)->month(), 4);
    QCOMPARE(cal.cell(1, 1)->month(), 3);
    QCOMPARE(cal.cell(6, 7)->caption(), QStringLiteral("6"));
    QCOMPARE(cal.cell(6, 7)->month(), 5);
    QCOMPARE(weekCaptions(cal), numbers(14, 19));
    QCOMPARE(dayNameCaptions(cal), (QStringList{"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"}));
    QCOMPARE(cal.cell(0, 0)->caption(), QStringLiteral("CW"));
    QCOMPARE(cal.headerPanel()->caption(), QStringLiteral("Апрель, 2012"));
    QCOMPARE(cal.WeeksInYear(2012), 52);
}

void TestMxCalendar::gridOctober2012StartsOnMonday()
{
    TmxCalendar cal;
    cal.SetDate(QDate(2012, 10, 15));
    QCOMPARE(dayCaptions(cal), numbers(1, 31) + numbers(1, 11));
    QCOMPARE(cal.cell(1, 1)->month(), 10);
    QCOMPARE(cal.cell(6, 7)->month(), 11);
}

void TestMxCalendar::weekNumbers_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("weeks");
    QTest::newRow("December 2012")
        << QDate(2012, 12, 1) << QStringList{"48", "49", "50", "51", "52", "1"};
    QTest::newRow("December 2015")
        << QDate(2015, 12, 1) << QStringList{"49", "50", "51", "52", "53", "1"};
    QTest::newRow("January 2016") << QDate(2016, 1, 1) << numbers(1, 6);
    QTest::newRow("April 2012") << QDate(2012, 4, 1) << numbers(14, 19);
}

void TestMxCalendar::weekNumbers()
{
    QFETCH(QDate, date);
    QFETCH(QStringList, weeks);
    TmxCalendar cal;
    cal.SetDate(date);
    QCOMPARE(weekCaptions(cal), weeks);
}

void TestMxCalendar::weeksInYear_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("weeks");
    QTest::newRow("2012") << 2012 << 52;
    QTest::newRow("2013") << 2013 << 52;
    QTest::newRow("2015") << 2015 << 53;
    QTest::newRow("2016") << 2016 << 52;
    QTest::newRow("2020") << 2020 << 53;
    QTest::newRow("2021") << 2021 << 52;
}

void TestMxCalendar::weeksInYear()
{
    QFETCH(int, year);
    QFETCH(int, weeks);
    TmxCalendar cal;
    QCOMPARE(cal.WeeksInYear(year), weeks);
}

void TestMxCalendar::gridSundayFirst()
{
    TmxCalendar cal;
    useRussianNames(cal);
    cal.setFirstDayOfWeek(fdSunday);
    cal.SetDate(QDate(2012, 4, 10));
    QCOMPARE(dayNameCaptions(cal), ruDays);
    QCOMPARE(dayCaptions(cal), numbers(1, 30) + numbers(1, 12));
    QCOMPARE(weekCaptions(cal), numbers(14, 19));

    // 1 September 2012 is a Saturday: it ends the first row.
    cal.SetDate(QDate(2012, 9, 10));
    QCOMPARE(cal.cell(1, 7)->caption(), QStringLiteral("1"));
    QCOMPARE(cal.cell(1, 7)->month(), 9);
    QCOMPARE(cal.cell(1, 1)->caption(), QStringLiteral("26"));
    QCOMPARE(weekCaptions(cal), numbers(34, 39));
}

void TestMxCalendar::firstDayOfWeekRepaintRefreshes()
{
    CountingCalendar cal;
    useRussianNames(cal);
    cal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cal));
    QTRY_COMPARE(dayNameCaptions(cal).first(), QStringLiteral("Пн"));
    const int before = cal.refreshes;
    cal.setFirstDayOfWeek(fdSunday);
    QCOMPARE(cal.refreshes, before);                                  // no refresh of its own...
    QTRY_COMPARE(dayNameCaptions(cal).first(), QStringLiteral("Вс")); // ...the repaint does it
}

void TestMxCalendar::clampYear()
{
    TmxCalendar cal;
    cal.setYear(1850);
    QCOMPARE(cal.year(), 1900);
    cal.setYear(2500);
    QCOMPARE(cal.year(), 2100);
    cal.setYear(2012);
    QCOMPARE(cal.year(), 2012);
}

void TestMxCalendar::clampMonthAndDay()
{
    CountingCalendar cal;
    cal.SetDate(QDate(2012, 12, 5));
    const int before = cal.refreshes;
    // The request is compared before clamping: 13 differs from 12, so it
    // refreshes, and ends as 12.
    cal.setMonth(13);
    QCOMPARE(cal.month(), 12);
    QCOMPARE(cal.refreshes, before + 1);
    cal.setMonth(0);
    QCOMPARE(cal.month(), 1);

    cal.SetDate(QDate(2012, 3, 31));
    cal.setMonth(4);
    QCOMPARE(cal.GetDate(), QDate(2012, 4, 30));
    cal.setDay(0);
    QCOMPARE(cal.day(), 1);
    cal.setDay(45);
    QCOMPARE(cal.day(), 30);
    cal.setMonth(2);
    QCOMPARE(cal.day(), 29);
}

void TestMxCalendar::loadingDefersRefreshAndSetsToday()
{
    mx::setCurrentDate(QDate(2026, 12, 11));
    CountingCalendar cal;
    cal.BeginLoading();
    const int before = cal.refreshes;
    cal.setYear(2012);
    cal.setMonth(4);
    cal.setDay(28);
    QCOMPARE(cal.refreshes, before);
    QCOMPARE(cal.GetDate(), QDate(2012, 4, 28));
    cal.setOptions(cal.options().with(csSetTodayOnStartup));
    cal.Loaded();
    QCOMPARE(cal.GetDate(), QDate(2026, 12, 11));
    QCOMPARE(cal.headerPanel()->caption().right(4), QStringLiteral("2026"));

    CountingCalendar plain;
    plain.BeginLoading();
    plain.setYear(2012);
    plain.setMonth(4);
    plain.setDay(28);
    plain.Loaded();
    QCOMPARE(plain.GetDate(), QDate(2012, 4, 28));
}

void TestMxCalendar::yearButtonsDoNotClamp()
{
    TmxCalendar cal;
    QSignalSpy clicks(&cal, &TmxCustomCalendar::clicked);
    cal.SetDate(QDate(2100, 6, 15));
    cal.yearPlusBtn()->click();
    QCOMPARE(cal.year(), 2101);
    QCOMPARE(cal.headerPanel()->caption().right(4), QStringLiteral("2101"));
    cal.SetDate(QDate(1900, 6, 15));
    cal.yearMinusBtn()->click();
    QCOMPARE(cal.year(), 1899);
    QCOMPARE(clicks.count(), 2);
}

void TestMxCalendar::yearPlusOnLeapDay()
{
    TmxCalendar cal;
    cal.SetDate(QDate(2012, 2, 29));
    cal.yearPlusBtn()->click();
    QCOMPARE(cal.GetDate(), QDate(2013, 2, 28));
}

void TestMxCalendar::monthButtonsWrap()
{
    TmxCalendar cal;
    QSignalSpy clicks(&cal, &TmxCustomCalendar::clicked);
    cal.SetDate(QDate(2012, 12, 31));
    cal.monthPlusBtn()->click();
    QCOMPARE(cal.GetDate(), QDate(2013, 1, 31));
    cal.monthMinusBtn()->click();
    QCOMPARE(cal.GetDate(), QDate(2012, 12, 31));
    cal.monthMinusBtn()->click();
    QCOMPARE(cal.GetDate(), QDate(2012, 11, 30));
    QCOMPARE(clicks.count(), 3);
}

void TestMxCalendar::todayButtonKeepsSelection()
{
    TmxCalendar cal;
    cal.SetSelectionStart(dt(2011, 7, 3));
    QSignalSpy clicks(&cal, &TmxCustomCalendar::clicked);
    cal.todayBtn()->click();
    QCOMPARE(cal.GetDate(), QDate(2012, 4, 28));
    QCOMPARE(cal.selectionStart(), dt(2011, 7, 3));
    QCOMPARE(cal.selectionEnd(), dt(2011, 7, 3));
    QCOMPARE(clicks.count(), 1);
}

void TestMxCalendar::clearButtonKeepsMonth()
{
    TmxCalendar cal;
    cal.setOptions(cal.options().with(coClearButtonVisible));
    cal.SetSelectionStart(dt(2012, 4, 10));
    cal.SetDate(QDate(2012, 6, 5));
    QCOMPARE(cal.dateLabel()->text(), QStringLiteral("10.04.2012"));
    QSignalSpy clicks(&cal, &TmxCustomCalendar::clicked);
    cal.clearBtn()->click();
    QCOMPARE(cal.selectionStart(), 0.0);
    QCOMPARE(cal.selectionEnd(), 0.0);
    QCOMPARE(cal.GetDate(), QDate(2012, 6, 5));
    QCOMPARE(cal.dateLabel()->text(), QStringLiteral("05.06.2012"));
    QCOMPARE(clicks.count(), 1);
}

void TestMxCalendar::clickFromTheNamedPartsOnly()
{
    TmxCalendar cal;
    cal.SetDate(QDate(2012, 4, 28));
    QSignalSpy clicks(&cal, &TmxCustomCalendar::clicked);
    QSignalSpy doubles(&cal, &TmxCustomCalendar::doubleClicked);
    QTest::mouseClick(cal.headerPanel(), Qt::LeftButton, {}, QPoint(120, 13));
    QTest::mouseClick(cal.footerPanel(), Qt::LeftButton, {}, QPoint(120, 13));
    QTest::mouseClick(cal.dateLabel(), Qt::LeftButton);
    QTest::mouseClick(cal.daysPanel(), Qt::LeftButton, {}, QPoint(0, 0));
    QTest::mouseClick(cal.cell(3, 3), Qt::LeftButton);
    QCOMPARE(clicks.count(), 5);
    // Day names, week numbers and the corner stay silent.
    QTest::mouseClick(cal.cell(0, 3), Qt::LeftButton);
    QTest::mouseClick(cal.cell(3, 0), Qt::LeftButton);
    QTest::mouseClick(cal.cell(0, 0), Qt::LeftButton);
    QCOMPARE(clicks.count(), 5);
    QTest::mouseDClick(cal.cell(0, 3), Qt::LeftButton);
    QCOMPARE(doubles.count(), 0);
    QTest::mouseDClick(cal.cell(3, 3), Qt::LeftButton);
    QTest::mouseDClick(cal.headerPanel(), Qt::LeftButton, {}, QPoint(120, 13));
    QTest::mouseDClick(cal.dateLabel(), Qt::LeftButton);
    QCOMPARE(doubles.count(), 3);
}

void TestMxCalendar::selectionWithoutRanges()
{
    TmxCalendar cal;
    cal.SetSelectionStart(dt(2012, 4, 10));
    QCOMPARE(cal.selectionEnd(), dt(2012, 4, 10));
    cal.SetSelectionEnd(dt(2012, 6, 20));
    QCOMPARE(cal.selectionStart(), dt(2012, 6, 20));
    QCOMPARE(cal.GetDate(), QDate(2012, 6, 20)); // the start moved the view
    cal.SetSelectionEnd(dt(2012, 1, 2));
    QCOMPARE(cal.selectionStart(), dt(2012, 1, 2));
    QCOMPARE(cal.selectionEnd(), dt(2012, 1, 2));
}

void TestMxCalendar::selectionWithRanges()
{
    TmxCalendar cal;
    cal.setOptions(cal.options().with(csSelectionEnabled));
    cal.SetSelectionStart(dt(2012, 4, 10));
    QCOMPARE(cal.selectionEnd(), dt(2012, 4, 10)); // the end was before the start
    cal.SetSelectionEnd(dt(2012, 4, 20));
    QCOMPARE(cal.selectionStart(), dt(2012, 4, 10));
    QCOMPARE(cal.selectionEnd(), dt(2012, 4, 20));
    QCOMPARE(cal.dateLabel()->text(), QStringLiteral("10.04.2012-20.04.2012"));
    // The range is painted selected.
    QCOMPARE(cellOf(cal, 4, 15)->color(), cal.selectedColor());
    QCOMPARE(cellOf(cal, 4, 24)->color(), cal.dayColor());

    cal.SetDate(QDate(2012, 8, 1));
    cal.SetSelectionEnd(dt(2012, 4, 5)); // before the start: the start follows
    QCOMPARE(cal.selectionStart(), dt(2012, 4, 5));
    QCOMPARE(cal.GetDate(), QDate(2012, 4, 5));
    cal.SetSelectionStart(dt(2012, 4, 25)); // after the end: the end follows
    QCOMPARE(cal.selectionEnd(), dt(2012, 4, 25));
}

void TestMxCalendar::leftClickSelectsKeepingTimeOfDay()
{
    TmxCalendar cal;
    cal.SetSelectionStart(dt(2012, 4, 10) + 0.25);
    QTest::mouseClick(cellOf(cal, 4, 17), Qt::LeftButton);
    QCOMPARE(cal.selectionStart(), dt(2012, 4, 17) + 0.25);
    QCOMPARE(cal.selectionEnd(), cal.selectionStart());
    QCOMPARE(cellOf(cal, 4, 17)->color(), cal.selectedColor());
}

void TestMxCalendar::rightClickSelectsEndOnlyWithRanges()
{
    TmxCalendar cal;
    cal.SetDate(QDate(2012, 4, 28));
    QTest::mouseClick(cellOf(cal, 4, 12), Qt::RightButton);
    QCOMPARE(cal.selectionStart(), 0.0);
    QCOMPARE(cal.selectionEnd(), 0.0);

    cal.setOptions(cal.options().with(csSelectionEnabled));
    QTest::mouseClick(cellOf(cal, 4, 3), Qt::LeftButton);
    QTest::mouseClick(cellOf(cal, 4, 12), Qt::RightButton);
    QCOMPARE(cal.selectionStart(), dt(2012, 4, 3));
    QCOMPARE(cal.selectionEnd(), dt(2012, 4, 12));
}

void TestMxCalendar::clickOnTrailingNextMonthDay()
{
    TmxCalendar cal;
    cal.SetDate(QDate(2012, 4, 28));
    QSignalSpy clicks(&cal, &TmxCustomCalendar::clicked);
    TmxPanel* may1 = cal.cell(6, 2);
    QCOMPARE(may1->caption(), QStringLiteral("1"));
    QTest::mouseClick(may1, Qt::LeftButton);
    QCOMPARE(cal.selectionStart(), dt(2012, 5, 1));
    QCOMPARE(cal.GetDate(), QDate(2012, 5, 1));
    QCOMPARE(cal.headerPanel()->caption().right(4), QStringLiteral("2012"));
    QCOMPARE(clicks.count(), 1); // after the selection changed
}

void TestMxCalendar::clickOnJanuaryDayUnderDecember()
{
    TmxCalendar cal;
    cal.SetDate(QDate(2012, 12, 10));
    TmxPanel* jan6 = cal.cell(6, 7);
    QCOMPARE(jan6->caption(), QStringLiteral("6"));
    QCOMPARE(jan6->month(), 1);
    QTest::mouseClick(jan6, Qt::LeftButton);
    QCOMPARE(cal.selectionStart(), dt(2013, 1, 6));
    QCOMPARE(cal.GetDate(), QDate(2013, 1, 6));

    // And a December day shown under January belongs to the year before.
    TmxPanel* dec31 = cal.cell(1, 1);
    QCOMPARE(dec31->caption(), QStringLiteral("31"));
    QTest::mouseClick(dec31, Qt::LeftButton);
    QCOMPARE(cal.selectionStart(), dt(2012, 12, 31));
}

void TestMxCalendar::stylesOfPlainDays()
{
    TmxCalendar cal;
    cal.SetDate(QDate(2012, 4, 28)); // today
    TmxPanel* today = cellOf(cal, 4, 28);
    QCOMPARE(today->color(), cal.todayColor());
    QCOMPARE(today->font(), cal.todayFont().font());
    QCOMPARE(today->toolTip(), QStringLiteral("This date is today"));
    TmxPanel* weekday = cellOf(cal, 4, 24); // Tuesday
    QCOMPARE(weekday->color(), cal.dayColor());
    QCOMPARE(weekday->fontColor(), cal.dayFont().color());
    QVERIFY(weekday->toolTip().isEmpty());
    TmxPanel* sunday = cellOf(cal, 4, 22);
    QCOMPARE(sunday->color(), cal.weekEndColor());
    QCOMPARE(sunday->fontColor(), cal.weekEndFont().color());
    TmxPanel* march = cellOf(cal, 3, 26);
    QCOMPARE(march->color(), cal.indirectColor());

    cal.setOptions(cal.options().without(csUseWeekEndColor).without(csUseWeekEndFont));
    QCOMPARE(sunday->color(), cal.dayColor());
    QCOMPARE(sunday->fontColor(), cal.dayFont().color());
}

void TestMxCalendar::luckyTodayKeepsTodayFont()
{
    TmxCalendar cal;
    cal.todayFont().setColor(Qt::red);
    cal.todayFont().setBold(true);
    cal.luckyDayFont().setColor(Qt::white);
    cal.setOnGetItemLuckStyle([](TmxCustomCalendar*, const QDate& date, TmxStyleType& style) {
        QCOMPARE(style, stDay);
        if (date == QDate(2012, 4, 28) || date == QDate(2012, 4, 27))
            style = stLuckyDay;
    });
    cal.SetDate(QDate(2012, 4, 1));
    TmxPanel* today = cellOf(cal, 4, 28);
    QCOMPARE(today->color(), cal.luckyDayColor());
    QCOMPARE(today->fontColor(), QColor(Qt::red));
    QVERIFY(today->font().bold());
    TmxPanel* lucky = cellOf(cal, 4, 27);
    QCOMPARE(lucky->color(), cal.luckyDayColor());
    QCOMPARE(lucky->fontColor(), QColor(Qt::white));
}

void TestMxCalendar::selectedUnluckyDayIsGrey()
{
    TmxCalendar cal;
    cal.setOnGetItemLuckStyle([](TmxCustomCalendar*, const QDate& date, TmxStyleType& style) {
        if (date == QDate(2012, 4, 12))
            style = stBadLuck;
    });
    cal.SetSelectionStart(dt(2012, 4, 12));
    TmxPanel* cell = cellOf(cal, 4, 12);
    QCOMPARE(cell->color(), QColor(160, 160, 164));
    QCOMPARE(cell->fontColor(), cal.badLuckFont().color());
}

void TestMxCalendar::selectedBeatsToday()
{
    TmxCalendar cal;
    cal.SetSelectionStart(dt(2012, 4, 28));
    TmxPanel* cell = cellOf(cal, 4, 28);
    QCOMPARE(cell->color(), cal.selectedColor());
    QCOMPARE(cell->font(), cal.todayFont().font()); // but keeps today's font
    QVERIFY(cell->toolTip().isEmpty());
}

void TestMxCalendar::luckStyleAppliesToNeighbourMonths()
{
    TmxCalendar cal;
    QList<QDate> asked;
    cal.setOnGetItemLuckStyle([&](TmxCustomCalendar*, const QDate& date, TmxStyleType& style) {
        asked << date;
        if (date == QDate(2012, 5, 3))
            style = stBadLuck;
        if (date == QDate(2012, 3, 27))
            style = stLuckyDay;
        if (date == QDate(2012, 4, 5))
            style = stSelected; // not a luck style: ignored
    });
    cal.SetDate(QDate(2012, 4, 20));
    QCOMPARE(asked.size(), 42);
    QCOMPARE(asked.first(), QDate(2012, 3, 26));
    QCOMPARE(asked.last(), QDate(2012, 5, 6));
    QCOMPARE(cellOf(cal, 5, 3)->color(), cal.badLuckColor());
    QCOMPARE(cellOf(cal, 3, 27)->color(), cal.luckyDayColor());
    QCOMPARE(cellOf(cal, 4, 5)->color(), cal.dayColor());
}

void TestMxCalendar::hiddenNeighbourNumbers()
{
    TmxCalendar cal;
    cal.SetDate(QDate(2012, 4, 20));
    QVERIFY(cellOf(cal, 5, 3)->fontColor() != cellOf(cal, 5, 3)->color());
    cal.setOptions(cal.options().without(coShowNextMonth));
    QCOMPARE(cellOf(cal, 5, 3)->fontColor(), cellOf(cal, 5, 3)->color());
    QVERIFY(cellOf(cal, 3, 27)->fontColor() != cellOf(cal, 3, 27)->color());
    cal.setOptions(cal.options().without(coShowPreviousMonth));
    QCOMPARE(cellOf(cal, 3, 27)->fontColor(), cellOf(cal, 3, 27)->color());

    // Hidden numbers still take clicks.
    QTest::mouseClick(cellOf(cal, 5, 3), Qt::LeftButton);
    QCOMPARE(cal.selectionStart(), dt(2012, 5, 3));
}

void TestMxCalendar::todayAmongNextMonthDays()
{
    mx::setCurrentDate(QDate(2012, 5, 3));
    TmxCalendar cal;
    cal.setOptions(cal.options().without(coShowNextMonth));
    cal.SetDate(QDate(2012, 4, 20));
    TmxPanel* today = cellOf(cal, 5, 3);
    QCOMPARE(today->color(), cal.todayColor());
    QVERIFY(today->fontColor() != today->color());
}

void TestMxCalendar::weekendWithSundayFirst()
{
    TmxCalendar cal;
    cal.setFirstDayOfWeek(fdSunday);
    cal.SetDate(QDate(2012, 4, 10));
    QCOMPARE(cal.cell(2, 1)->caption(), QStringLiteral("8")); // Sunday
    QCOMPARE(cal.cell(2, 1)->color(), cal.weekEndColor());
    QCOMPARE(cal.cell(2, 7)->color(), cal.weekEndColor()); // Saturday
    QCOMPARE(cal.cell(2, 2)->color(), cal.dayColor());
}

void TestMxCalendar::itemStyleHookChangesFontAndColour()
{
    TmxCalendar cal;
    int calls = 0;
    cal.setOnGetItemStyle([&](TmxCustomCalendar*, TmxStyleType style, const QDate& date,
                              TmxFont& font, QColor& color) {
        ++calls;
        if (date == QDate(2012, 4, 28))
            QCOMPARE(style, stToday);
        if (date == QDate(2012, 4, 11)) {
            QCOMPARE(style, stDay);
            font.setItalic(true);
            font.setColor(Qt::darkGreen);
            color = Qt::magenta;
        }
    });
    cal.SetDate(QDate(2012, 4, 28));
    QCOMPARE(calls, 42);
    TmxPanel* cell = cellOf(cal, 4, 11);
    QCOMPARE(cell->color(), QColor(Qt::magenta));
    QCOMPARE(cell->fontColor(), QColor(Qt::darkGreen));
    QVERIFY(cell->font().italic());
    QVERIFY(!cal.dayFont().italic()); // the hook got a copy
}

void TestMxCalendar::cursorHook()
{
    TmxCalendar cal;
    QMap<TmxItemType, int> asked;
    cal.setOnGetCursor([&](TmxCustomCalendar*, TmxItemType item, QCursor& cursor) {
        QCOMPARE(cursor.shape(), Qt::CrossCursor);
        ++asked[item];
        if (item == itCalendar)
            cursor = QCursor(Qt::PointingHandCursor);
    });
    cal.setCursor(QCursor(Qt::CrossCursor)); // refreshes
    QCOMPARE(asked.value(itHeader), 1);
    QCOMPARE(asked.value(itFooter), 1);
    QCOMPARE(asked.value(itCW), 1);
    QCOMPARE(asked.value(itWeek), 7);
    QCOMPARE(asked.value(itDay), 6);
    QCOMPARE(asked.value(itCalendar), 42);
    QCOMPARE(cal.cell(3, 3)->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(cal.cell(0, 3)->cursor().shape(), Qt::CrossCursor);
    QCOMPARE(cal.daysPanel()->cursor().shape(), Qt::CrossCursor);
    QCOMPARE(cal.headerPanel()->cursor().shape(), Qt::CrossCursor);
}

void TestMxCalendar::titleFormats_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("title");
    QTest::newRow("MMMMYYYY") << int(hfMMMMYYYY) << QDate(2012, 4, 1) << "Апрель, 2012";
    QTest::newRow("YYYYMMMM") << int(hfYYYYMMMM) << QDate(2012, 4, 1) << "2012, Апрель";
    QTest::newRow("MMYYYY") << int(hfMMYYYY) << QDate(2012, 4, 1) << "04.2012";
    QTest::newRow("YYYYMM") << int(hfYYYYMM) << QDate(2012, 4, 1) << "2012.04";
    QTest::newRow("MMYYYY January") << int(hfMMYYYY) << QDate(2013, 1, 1) << "01.2013";
    QTest::newRow("YYYYMM December") << int(hfYYYYMM) << QDate(2013, 12, 1) << "2013.12";
}

void TestMxCalendar::titleFormats()
{
    QFETCH(int, format);
    QFETCH(QDate, date);
    QFETCH(QString, title);
    TmxCalendar cal;
    useRussianNames(cal);
    cal.setHeaderFormat(TmxHeaderFormat(format));
    cal.SetDate(date);
    QCOMPARE(cal.headerPanel()->caption(), title);
}

void TestMxCalendar::dateLabel()
{
    TmxCalendar cal;
    cal.SetDate(QDate(2012, 4, 28));
    QCOMPARE(cal.dateLabel()->text(), QStringLiteral("28.04.2012"));
    cal.setDateFormat(QStringLiteral("yyyy-mm-dd"));
    QCOMPARE(cal.dateLabel()->text(), QStringLiteral("2012-04-28"));
    cal.SetSelectionStart(dt(2012, 4, 3));
    QCOMPARE(cal.dateLabel()->text(), QStringLiteral("2012-04-03"));
    // Centred in the footer.
    QCOMPARE(cal.dateLabel()->x(), 3);
    QCOMPARE(cal.dateLabel()->y(), (26 - cal.dateLabel()->height()) / 2);
}

void TestMxCalendar::dateLabelFallback()
{
    TmxCalendar cal;
    cal.setOptions(cal.options().with(csSelectionEnabled));
    cal.SetSelectionStart(dt(2012, 4, 28));
    cal.setDateFormat(QStringLiteral("dd 'x"));
    QCOMPARE(cal.dateLabel()->text(), QStringLiteral("2012.04.28"));
    cal.SetSelectionEnd(dt(2012, 5, 2));
    QCOMPARE(cal.dateLabel()->text(), QStringLiteral("2012.04.28-2012.05.02"));

    // Without a selection the failure reaches the caller.
    cal.setDateFormat(QStringLiteral("dd.mm.yyyy"));
    cal.clearBtn()->click();
    QVERIFY_THROWS_EXCEPTION(TmxDateFormatError, cal.setDateFormat(QStringLiteral("dd 'x")));
}

void TestMxCalendar::optionsHideParts()
{
    TmxCalendar cal;
    cal.resize(354, 300);
    cal.setOptions(cal.options().without(coShowHeader).without(coShowFooter));
    QCOMPARE(cal.headerPanel()->y(), -1000);
    QCOMPARE(cal.footerPanel()->y(), -1000);
    QCOMPARE(cal.daysPanel()->geometry(), cal.clientArea());

    cal.setOptions(cal.options().without(coShowWeeks).without(coShowWeekDays));
    for (int r = 0; r < 7; ++r)
        QCOMPARE(cal.cell(r, 0)->x(), -100);
    for (int c = 0; c < 8; ++c)
        QCOMPARE(cal.cell(0, c)->y(), -100);
    // 296 pixels in 6 rows: 49 high, 2 left over, one of them on top.
    QCOMPARE(cal.cell(1, 1)->geometry(), QRect(0, 1, 50, 49));

    cal.setOptions(
        cal.options().with(coShowHeader).with(coShowFooter).with(coShowWeeks).with(coShowWeekDays));
    QCOMPARE(cal.headerPanel()->geometry(), QRect(2, 2, 350, 26));
    QCOMPARE(cal.footerPanel()->geometry(), QRect(2, 272, 350, 26));
    QCOMPARE(cal.cell(0, 0)->x(), 3); // 350 = 8 * 43 + 6
    QCOMPARE(cal.cell(0, 0)->y(), 3); // 244 = 7 * 34 + 6
    QCOMPARE(cal.cell(0, 0)->size(), QSize(43, 34));

    cal.setOptions(cal.options().without(coShowDateLabel));
    QCOMPARE(cal.dateLabel()->y(), -100);
    cal.setOptions(cal.options().with(coShowDateLabel));
    QVERIFY(cal.dateLabel()->y() >= 0);
}

void TestMxCalendar::cellArithmetic_data()
{
    QTest::addColumn<int>("daysWidth");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("left");
    QTest::newRow("350") << 350 << 50 << 0;
    QTest::newRow("352") << 352 << 50 << 1;
    QTest::newRow("356") << 356 << 50 << 3;
}

void TestMxCalendar::cellArithmetic()
{
    QFETCH(int, daysWidth);
    QFETCH(int, width);
    QFETCH(int, left);
    TmxCalendar cal;
    cal.setOptions(cal.options().without(coShowWeeks));
    cal.resize(daysWidth + 4, 300); // inside a one-pixel bevel and a one-pixel border
    cal.UpdateCalendar();
    QCOMPARE(cal.daysPanel()->width(), daysWidth);
    for (int c = 1; c < 8; ++c) {
        QCOMPARE(cal.cell(1, c)->width(), width);
        QCOMPARE(cal.cell(1, c)->x(), left + (c - 1) * width);
    }
}

void TestMxCalendar::buttonPlacement()
{
    TmxCalendar cal;
    cal.UpdateCalendar();
    const int header = cal.headerPanel()->width();
    QCOMPARE(cal.yearPlusBtn()->x(), header - 26);
    QCOMPARE(cal.monthPlusBtn()->x(), header - 26 - 25);
    QCOMPARE(cal.yearMinusBtn()->x(), 3);
    QCOMPARE(cal.monthMinusBtn()->x(), 28);
    QCOMPARE(cal.todayBtn()->x(), cal.footerPanel()->width() - 26);
    QCOMPARE(cal.clearBtn()->x(), -100);

    cal.setOptions(cal.options().without(coYearButtonVisible).with(coClearButtonVisible));
    QCOMPARE(cal.yearPlusBtn()->x(), -100);
    QCOMPARE(cal.monthPlusBtn()->x(), header - 26);
    QCOMPARE(cal.monthMinusBtn()->x(), 3);
    QCOMPARE(cal.clearBtn()->x(), cal.todayBtn()->x() - 26);

    cal.setOptions(cal.options().without(coTodayButtonVisible));
    QCOMPARE(cal.todayBtn()->x(), -100);
    QCOMPARE(cal.clearBtn()->x(), cal.footerPanel()->width() - 26);
}

void TestMxCalendar::refreshDiscipline()
{
    CountingCalendar cal;
    int n = cal.refreshes;
    cal.setDayColor(Qt::white);
    cal.setDayColor(Qt::white);
    QCOMPARE(cal.refreshes, n + 1);
    QCOMPARE(cal.cell(3, 3)->color(), QColor(Qt::white));

    n = cal.refreshes;
    cal.setDayNameColor(Qt::darkRed);
    QCOMPARE(cal.refreshes, n);
    for (int c = 1; c < 8; ++c)
        QCOMPARE(cal.cell(0, c)->color(), QColor(Qt::darkRed));
    cal.setWeekColor(Qt::darkBlue);
    QCOMPARE(cal.refreshes, n);
    for (int r = 0; r < 7; ++r)
        QCOMPARE(cal.cell(r, 0)->color(), QColor(Qt::darkBlue));
    cal.setHeaderColor(Qt::gray);
    cal.setFooterColor(Qt::gray);
    QCOMPARE(cal.headerColor(), QColor(Qt::gray));
    cal.setVersion(QStringLiteral("1.0"));
    cal.setYearPlusGlyph(QPixmap(8, 8));
    QCOMPARE(cal.refreshes, n);

    for (auto write : std::initializer_list<std::function<void()>>{
             [&] { cal.setWeekEndColor(Qt::red); }, [&] { cal.setSelectedColor(Qt::red); },
             [&] { cal.setTodayColor(Qt::red); }, [&] { cal.setIndirectColor(Qt::red); },
             [&] { cal.setBadLuckColor(Qt::red); }, [&] { cal.setLuckyDayColor(Qt::red); },
             [&] { cal.setDateFormat(QStringLiteral("d.m.yy")); },
             [&] { cal.setHeaderFormat(hfYYYYMM); }, [&] { cal.setCursor(Qt::IBeamCursor); },
             [&] { cal.setOptions(cal.options().with(csFlatDays)); }}) {
        n = cal.refreshes;
        write();
        write();
        QCOMPARE(cal.refreshes, n + 1);
    }
    // Header and footer colours follow the control until written.
    TmxCalendar other;
    other.setColor(Qt::darkCyan);
    QCOMPARE(other.headerColor(), QColor(Qt::darkCyan));
    QCOMPARE(other.daysPanel()->color(), QColor(Qt::darkCyan));
}

void TestMxCalendar::fontChangesRefresh()
{
    CountingCalendar cal;
    for (TmxFont* font : {&cal.selectedFont(), &cal.dayFont(), &cal.todayFont(), &cal.weeksFont(),
                          &cal.weekEndFont(), &cal.weekDaysFont(), &cal.indirectFont(),
                          &cal.badLuckFont(), &cal.luckyDayFont()}) {
        const int n = cal.refreshes;
        font->setBold(!font->bold());
        QCOMPARE(cal.refreshes, n + 1);
        TmxFont same(*font);
        *font = same;
        QCOMPARE(cal.refreshes, n + 1);
    }
    cal.weeksFont().setColor(Qt::yellow);
    QCOMPARE(cal.cell(2, 0)->fontColor(), QColor(Qt::yellow));
    cal.weekDaysFont().setItalic(true);
    QVERIFY(cal.cell(0, 2)->font().italic());

    TmxFont label = cal.dateLabelFont();
    label.setPixelSize(16);
    cal.setDateLabelFont(label);
    QCOMPARE(cal.dateLabel()->font().pixelSize(), 16);
    QCOMPARE(cal.dateLabel()->y(), (26 - cal.dateLabel()->height()) / 2);
}

void TestMxCalendar::textChangesRefreshOnce()
{
    CountingCalendar cal;
    const int n = cal.refreshes;
    cal.messages().setDayName(2, QStringLiteral("Пн"));
    cal.messages().setDayName(2, QStringLiteral("Пн"));
    QCOMPARE(cal.refreshes, n + 1);
    QCOMPARE(cal.cell(0, 1)->caption(), QStringLiteral("Пн"));
    cal.messages().hints().setNextYear(QStringLiteral("Следующий год"));
    QCOMPARE(cal.refreshes, n + 2);
    QCOMPARE(cal.yearPlusBtn()->toolTip(), QStringLiteral("Следующий год"));
    cal.messages().setWeek(QStringLiteral("Нед"));
    QCOMPARE(cal.cell(0, 0)->caption(), QStringLiteral("Нед"));
}

void TestMxCalendar::glyphsReplaceTexts()
{
    TmxCalendar cal;
    QPixmap arrow(8, 8);
    arrow.fill(Qt::black);
    cal.setMonthPlusGlyph(arrow);
    QVERIFY(cal.monthPlusBtn()->text().isEmpty());
    QCOMPARE(cal.monthPlusGlyph().size(), QSize(8, 8));
    cal.setMonthPlusGlyph(QPixmap());
    QCOMPARE(cal.monthPlusBtn()->text(), QStringLiteral(">"));
    cal.setClearButtonGlyph(arrow);
    cal.Loaded();
    QVERIFY(cal.clearBtn()->text().isEmpty());
    QCOMPARE(cal.todayBtn()->text(), QStringLiteral("T"));
}

void TestMxCalendar::everyPaintRefreshesWithoutLoop()
{
    TmxCalendar cal;
    int asked = 0;
    cal.setOnGetItemLuckStyle([&](TmxCustomCalendar*, const QDate&, TmxStyleType&) { ++asked; });
    cal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cal));
    QTRY_VERIFY(asked >= 42);
    QTest::qWait(100);
    // A repaint loop would ask thousands of times; one stray repaint asks 42.
    asked = 0;
    QTest::qWait(300);
    QVERIFY2(asked <= 42, qPrintable(QString::number(asked)));

    asked = 0;
    cal.update();
    QTRY_VERIFY(asked >= 42);
    QTest::qWait(300);
    QVERIFY2(asked <= 84, qPrintable(QString::number(asked)));

    // Repainting a cell (the refresh does it all the time) does not repaint the control.
    asked = 0;
    cal.cell(3, 3)->update();
    cal.headerPanel()->update();
    QTest::qWait(200);
    QVERIFY2(asked <= 42, qPrintable(QString::number(asked)));
}

void TestMxCalendar::refreshInsideRefreshIsSkippedByPaint()
{
    TmxCalendar cal;
    int depth = 0;
    int deepest = 0;
    bool spin = false;
    cal.setOnGetItemLuckStyle([&](TmxCustomCalendar* sender, const QDate&, TmxStyleType&) {
        ++depth;
        deepest = std::max(deepest, depth);
        if (spin) {
            // A handler that opens a dialog runs the event loop inside the refresh.
            spin = false;
            sender->update();
            QTest::qWait(50);
        }
        --depth;
    });
    cal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cal));
    QTest::qWait(50);
    spin = true;
    cal.UpdateCalendar();
    QCOMPARE(deepest, 1);
}

QTEST_MAIN(TestMxCalendar)
#include "tst_mxcalendar.moc"
