// The calendar's building blocks: date arithmetic, the date patterns, the
// text containers, the style font and the panel.
#include "calendar/mxdateformat.h"
#include "calendar/mxdatetime.h"
#include "calendar/mxfont.h"
#include "calendar/mxmessages.h"
#include "calendar/mxpanel.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

// A panel that counts its paints.
class CountingPanel : public TmxPanel
{
public:
    using TmxPanel::TmxPanel;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        ++paints;
        TmxPanel::paintEvent(e);
    }
};

bool hasPixelOf(const QImage& image, const QColor& color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

TmxFormatSettings englishSettings()
{
    return TmxFormatSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}

} // namespace

class TestMxSupport : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { mx::setCurrentDate(QDate()); }

    void daysInMonth_data();
    void daysInMonth();
    void serialDates();
    void dayOfWeek();
    void timeOfDay();

    void format_data();
    void format();
    void formatRejectsUnterminatedQuote();
    void formatRejectsYearOutOfRange();
    void qtPatternsConvert();

    void hintsDefaults();
    void messagesNotifyOnlyOnRealChange();
    void messagesCaseCountsAsChange();
    void messagesHintsShareHandler();
    void messagesAssignCopiesSilently();
    void messagesCutAt255();

    void fontNotifiesOnChangeOnly();
    void fontCopyLeavesHandlerBehind();

    void panelFlatInvalidatesOnlyOnChange();
    void panelCaptionCentredWithOddPixelBelow();
    void panelCaptionThatDoesNotFitIsNotDrawn();
    void panelFrameUnlessFlat();
    void panelColourFollowsParentUntilWritten();
    void panelClickOnLeftReleaseInside();
};

void TestMxSupport::daysInMonth_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("days");
    QTest::newRow("Jan") << 2013 << 1 << 31;
    QTest::newRow("Feb 2012 leap") << 2012 << 2 << 29;
    QTest::newRow("Feb 2013") << 2013 << 2 << 28;
    QTest::newRow("Feb 1900 not leap") << 1900 << 2 << 28;
    QTest::newRow("Feb 2000 leap") << 2000 << 2 << 29;
    QTest::newRow("Apr") << 2012 << 4 << 30;
    QTest::newRow("Dec") << 2012 << 12 << 31;
    QTest::newRow("month 0") << 2012 << 0 << 0;
    QTest::newRow("month 13") << 2012 << 13 << 0;
}

void TestMxSupport::daysInMonth()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, days);
    QCOMPARE(mx::daysInMonth(year, month), days);
}

void TestMxSupport::serialDates()
{
    QCOMPARE(mx::encodeDate(1899, 12, 30), 0.0);
    QCOMPARE(mx::encodeDate(1900, 1, 1), 2.0);
    QCOMPARE(mx::encodeDate(2012, 4, 28), 41027.0);
    QCOMPARE(mx::encodeDate(QDate(1970, 1, 1)), 25569.0);
    QCOMPARE(mx::dateOf(41027.75), QDate(2012, 4, 28));
    int y, m, d;
    mx::decodeDate(mx::encodeDate(2101, 2, 28), y, m, d);
    QCOMPARE(QList<int>({y, m, d}), QList<int>({2101, 2, 28}));
}

void TestMxSupport::dayOfWeek()
{
    QCOMPARE(mx::dayOfWeek(2012, 4, 1), 1);  // Sunday
    QCOMPARE(mx::dayOfWeek(2012, 10, 1), 2); // Monday
    QCOMPARE(mx::dayOfWeek(2012, 9, 1), 7);  // Saturday
    QCOMPARE(mx::dayOfWeek(1899, 12, 30), 7);
    for (QDate d(2011, 12, 20); d < QDate(2013, 1, 10); d = d.addDays(1))
        QCOMPARE(mx::dayOfWeek(d.year(), d.month(), d.day()), d.dayOfWeek() % 7 + 1);
}

void TestMxSupport::timeOfDay()
{
    const mx::DateTime value = mx::encodeDateTime(QDate(2012, 4, 28), QTime(13, 45, 30, 250));
    int h, n, s, z;
    mx::decodeTime(value, h, n, s, z);
    QCOMPARE(QList<int>({h, n, s, z}), QList<int>({13, 45, 30, 250}));
    QCOMPARE(mx::wholeDays(value), 41027);
}

void TestMxSupport::format_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("dd.mm.yyyy") << "dd.mm.yyyy"
                                << "28.04.2012";
    QTest::newRow("yyyy.mm.dd") << "yyyy.mm.dd"
                                << "2012.04.28";
    QTest::newRow("d.m.yy") << "d.m.yy"
                            << "28.4.12";
    QTest::newRow("upper case") << "DD.MM.YYYY"
                                << "28.04.2012";
    QTest::newRow("names") << "ddd dddd mmm mmmm"
                           << "Sat Saturday Apr April";
    QTest::newRow("minutes nn") << "hh:nn:ss"
                                << "09:05:07";
    QTest::newRow("mm after hh is minutes") << "hh:mm"
                                            << "09:05";
    QTest::newRow("mm before hh is month") << "mm hh"
                                           << "04 09";
    QTest::newRow("milliseconds") << "z zzz"
                                  << "8 008";
    QTest::newRow("separators") << "dd/mm/yyyy"
                                << "28/04/2012";
    QTest::newRow("quoted") << "'day' d \"of\" mmmm"
                            << "day 28 of April";
    QTest::newRow("am/pm") << "h am/pm"
                           << "9 am";
    QTest::newRow("A/P") << "h A/P"
                         << "9 A";
    QTest::newRow("other characters") << "[dd]"
                                      << "[28]";
}

void TestMxSupport::format()
{
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    const mx::DateTime value = mx::encodeDateTime(QDate(2012, 4, 28), QTime(9, 5, 7, 8));
    QCOMPARE(mxFormatDateTime(pattern, value, englishSettings()), expected);
}

void TestMxSupport::formatRejectsUnterminatedQuote()
{
    QVERIFY_THROWS_EXCEPTION(TmxDateFormatError,
                             mxFormatDateTime(QStringLiteral("dd 'x"), 41027, englishSettings()));
}

void TestMxSupport::formatRejectsYearOutOfRange()
{
    QVERIFY_THROWS_EXCEPTION(
        TmxDateFormatError,
        mxFormatDateTime(QStringLiteral("dd"), mx::encodeDate(10000, 1, 1), englishSettings()));
}

void TestMxSupport::qtPatternsConvert()
{
    QCOMPARE(mxPatternFromQt(QStringLiteral("dd.MM.yyyy")), QStringLiteral("dd.mm.yyyy"));
    QCOMPARE(mxPatternFromQt(QStringLiteral("HH:mm:ss")), QStringLiteral("hh:nn:ss"));
    QCOMPARE(mxPatternFromQt(QStringLiteral("h:mm AP")), QStringLiteral("h:nn ampm"));
    const TmxFormatSettings ru = TmxFormatSettings::fromLocale(QLocale(QLocale::Russian));
    QCOMPARE(ru.dateSeparator, QChar(u'.'));
    QCOMPARE(mxFormatDateTime(QStringLiteral("ddddd"), 41027, ru), QStringLiteral("28.04.2012"));
}

void TestMxSupport::hintsDefaults()
{
    TmxHints hints;
    QCOMPARE(hints.nextMonth(), QStringLiteral("Go to next month"));
    QCOMPARE(hints.previousMonth(), QStringLiteral("Go to previous month"));
    QCOMPARE(hints.nextYear(), QStringLiteral("Go to next year"));
    QCOMPARE(hints.previousYear(), QStringLiteral("Go to previous year"));
    QCOMPARE(hints.todayButton(), QStringLiteral("Set date to today"));
    QCOMPARE(hints.today(), QStringLiteral("This date is today"));
    QCOMPARE(hints.clearButton(), QStringLiteral("Clear date selection"));
    TmxMessages messages;
    QCOMPARE(messages.week(), QStringLiteral("CW"));
    QVERIFY(!messages.dayName(1).isEmpty());
    QVERIFY(!messages.monthName(12).isEmpty());
}

void TestMxSupport::messagesNotifyOnlyOnRealChange()
{
    TmxMessages messages;
    int notifications = 0;
    messages.setOnChange([&] { ++notifications; });
    messages.setDayName(2, QStringLiteral("Пн"));
    messages.setDayName(2, QStringLiteral("Пн"));
    QCOMPARE(notifications, 1);
    QCOMPARE(messages.dayName(2), QStringLiteral("Пн"));
    messages.setMonthName(4, QStringLiteral("Апрель"));
    messages.setMonthName(4, QStringLiteral("Апрель"));
    messages.setWeek(QStringLiteral("CW"));
    QCOMPARE(notifications, 2);
}

void TestMxSupport::messagesCaseCountsAsChange()
{
    TmxMessages messages;
    messages.setDayName(2, QStringLiteral("Пн"));
    int notifications = 0;
    messages.setOnChange([&] { ++notifications; });
    messages.setDayName(2, QStringLiteral("пн"));
    QCOMPARE(notifications, 1);
}

void TestMxSupport::messagesHintsShareHandler()
{
    TmxMessages messages;
    int notifications = 0;
    messages.setOnChange([&] { ++notifications; });
    messages.hints().setToday(QStringLiteral("Сегодня"));
    messages.hints().setToday(QStringLiteral("Сегодня"));
    QCOMPARE(notifications, 1);
}

void TestMxSupport::messagesAssignCopiesSilently()
{
    TmxMessages source;
    source.setWeek(QStringLiteral("Нед"));
    for (int d = 1; d <= 7; ++d)
        source.setDayName(d, QStringLiteral("D%1").arg(d));
    for (int m = 1; m <= 12; ++m)
        source.setMonthName(m, QStringLiteral("M%1").arg(m));
    source.hints().setClearButton(QStringLiteral("Очистить"));

    TmxMessages target;
    int notifications = 0;
    target.setOnChange([&] { ++notifications; });
    target.assign(source);
    QCOMPARE(notifications, 0);
    QCOMPARE(target.week(), QStringLiteral("Нед"));
    QCOMPARE(target.dayName(7), QStringLiteral("D7"));
    QCOMPARE(target.monthName(12), QStringLiteral("M12"));
    QCOMPARE(target.hints().clearButton(), QStringLiteral("Очистить"));
}

void TestMxSupport::messagesCutAt255()
{
    TmxMessages messages;
    messages.setWeek(QString(300, u'x'));
    QCOMPARE(messages.week().size(), 255);
}

void TestMxSupport::fontNotifiesOnChangeOnly()
{
    TmxFont font;
    int notifications = 0;
    font.setOnChange([&] { ++notifications; });
    font.setBold(true);
    font.setBold(true);
    font.setColor(Qt::red);
    font.setColor(Qt::red);
    QCOMPARE(notifications, 2);
    TmxFont same(font);
    font.assign(same);
    QCOMPARE(notifications, 2);
    same.setItalic(true);
    font = same;
    QCOMPARE(notifications, 3);
    QVERIFY(font.italic());
}

void TestMxSupport::fontCopyLeavesHandlerBehind()
{
    TmxFont font;
    int notifications = 0;
    font.setOnChange([&] { ++notifications; });
    TmxFont copy(font);
    copy.setBold(true);
    QCOMPARE(notifications, 0);
}

void TestMxSupport::panelFlatInvalidatesOnlyOnChange()
{
    CountingPanel panel;
    panel.resize(40, 30);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QTRY_VERIFY(panel.paints > 0);
    QTest::qWait(50);
    const int before = panel.paints;
    panel.setFlat(false);
    QTest::qWait(50);
    QCOMPARE(panel.paints, before);
    panel.setFlat(true);
    QTRY_VERIFY(panel.paints > before);
    QVERIFY(panel.flat());
}

void TestMxSupport::panelCaptionCentredWithOddPixelBelow()
{
    TmxPanel panel;
    panel.setCaption(QStringLiteral("15"));
    const int h = panel.fontMetrics().height();
    // Inside the frame the panel is (height - 2) high; make the spare room odd.
    panel.resize(30, h + 2 + 5);
    const QRect r = panel.captionRect();
    QCOMPARE(r.height(), h);
    QCOMPARE(r.top(), 1 + 2);                           // 2 spare pixels above
    QCOMPARE(panel.height() - 1 - (r.bottom() + 1), 3); // 3 below
}

void TestMxSupport::panelCaptionThatDoesNotFitIsNotDrawn()
{
    TmxPanel panel;
    panel.setCaption(QStringLiteral("88"));
    panel.setColor(Qt::white);
    panel.setFontColor(Qt::black);
    panel.setFlat(true);
    const int h = panel.fontMetrics().height();

    panel.resize(30, h);
    QVERIFY(panel.captionRect().isEmpty());
    QImage small(panel.size(), QImage::Format_RGB32);
    panel.render(&small);
    QVERIFY(!hasPixelOf(small, Qt::black));

    panel.resize(30, h + 1);
    QVERIFY(!panel.captionRect().isEmpty());
    QImage big(panel.size(), QImage::Format_RGB32);
    panel.render(&big);
    QVERIFY(hasPixelOf(big, Qt::black));
}

void TestMxSupport::panelFrameUnlessFlat()
{
    TmxPanel panel;
    panel.setColor(QColor(10, 20, 30));
    panel.resize(20, 20);
    QImage framed(panel.size(), QImage::Format_RGB32);
    panel.render(&framed);
    QCOMPARE(framed.pixel(0, 0), panel.palette().color(QPalette::Light).rgb());
    QCOMPARE(framed.pixel(19, 19), panel.palette().color(QPalette::Dark).rgb());
    QCOMPARE(framed.pixelColor(10, 10), QColor(10, 20, 30));
    panel.setFlat(true);
    QImage flat(panel.size(), QImage::Format_RGB32);
    panel.render(&flat);
    QCOMPARE(flat.pixelColor(0, 0), QColor(10, 20, 30));
}

void TestMxSupport::panelColourFollowsParentUntilWritten()
{
    QWidget parent;
    QPalette p = parent.palette();
    p.setColor(QPalette::Window, Qt::yellow);
    parent.setPalette(p);
    TmxPanel panel(&parent);
    QCOMPARE(panel.color(), QColor(Qt::yellow));
    panel.setColor(Qt::blue);
    p.setColor(QPalette::Window, Qt::green);
    parent.setPalette(p);
    QCOMPARE(panel.color(), QColor(Qt::blue));
}

void TestMxSupport::panelClickOnLeftReleaseInside()
{
    TmxPanel panel;
    panel.resize(30, 30);
    QSignalSpy clicks(&panel, &TmxPanel::clicked);
    QSignalSpy doubles(&panel, &TmxPanel::doubleClicked);
    QSignalSpy downs(&panel, &TmxPanel::mouseDown);
    QTest::mouseClick(&panel, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QTest::mouseClick(&panel, Qt::RightButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(downs.count(), 2);
    QTest::mouseDClick(&panel, Qt::LeftButton);
    QCOMPARE(doubles.count(), 1);
}

QTEST_MAIN(TestMxSupport)
#include "tst_mxsupport.moc"
