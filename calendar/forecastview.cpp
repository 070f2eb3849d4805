#include "calendar/forecastview.h"

#include <QGuiApplication>
#include <QPalette>

namespace ForecastView {

TmxStyleType luckStyle(int level)
{
    return level >= LuckThreshold ? stLuckyDay : stBadLuck;
}

QString dayKey(const QDate& date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

bool restsBeforeBirth(const QDateTime& birth, const QDate& shown)
{
    return birth.isValid() && birth > shown.startOfDay();
}

void configureCalendar(TmxCalendar& cal)
{
    const QPalette palette = QGuiApplication::palette();
    const QColor window = palette.color(QPalette::Base);
    const QColor windowText = palette.color(QPalette::WindowText);
    const QColor buttonFace = palette.color(QPalette::Button);
    const QColor grey(128, 128, 128);
    const QColor mediumGrey(160, 160, 164);
    const QColor lime(0, 255, 0);
    const auto font = [](const QColor& color, bool bold) {
        QFont f = TmxFont::defaultFont();
        f.setBold(bold);
        return TmxFont(f, color);
    };

    cal.BeginLoading();
    cal.setBorderWidth(1);
    cal.setBevelOuter(bvNone);
    // The date the page was designed on; csSetTodayOnStartup replaces it.
    cal.setYear(2012);
    cal.setMonth(4);
    cal.setDay(28);
    cal.setDateFormat(QStringLiteral("dd.mm.yyyy"));
    cal.setOptions({coFlatButtons, coFlatHeaders, coMonthButtonVisible, csSetTodayOnStartup,
                    coShowNextMonth, coShowPreviousMonth, coShowHeader, coShowWeekDays,
                    coTransparentButtons, coTodayButtonVisible, csUseWeekEndColor, csUseWeekEndFont,
                    coYearButtonVisible});

    cal.setDayColor(window);
    cal.setWeekEndColor(window);
    cal.setSelectedColor(Qt::white);
    cal.setDayNameColor(grey);
    cal.setWeekColor(mediumGrey);
    cal.setTodayColor(window);
    cal.setIndirectColor(buttonFace);
    cal.setBadLuckColor(mediumGrey);
    cal.setLuckyDayColor(lime);
    cal.setHeaderColor(buttonFace);
    cal.setFooterColor(buttonFace);

    cal.setSelectedFont(font(Qt::black, false));
    cal.setDayFont(font(windowText, false));
    cal.setTodayFont(font(Qt::red, true));
    cal.setWeeksFont(font(Qt::white, true));
    cal.setWeekEndFont(font(Qt::black, true));
    cal.setDateLabelFont(font(windowText, true));
    cal.setWeekDaysFont(font(Qt::white, false));
    cal.setIndirectFont(font(windowText, false));
    cal.setBadLuckFont(font(Qt::white, true));
    cal.setLuckyDayFont(font(Qt::white, true));

    TmxMessages& texts = cal.messages();
    TmxHints& hints = texts.hints();
    hints.setNextMonth(QStringLiteral("Go to next month"));
    hints.setPreviousMonth(QStringLiteral("Go to previous month"));
    hints.setNextYear(QStringLiteral("Go to next year"));
    hints.setPreviousYear(QStringLiteral("Go to previous year"));
    hints.setTodayButton(QStringLiteral("Set date to today"));
    hints.setToday(QStringLiteral("This date is today"));
    hints.setClearButton(QStringLiteral("Clear date selection"));
    texts.setWeek(QStringLiteral("CW"));
    const QStringList days{QStringLiteral("Вс"), QStringLiteral("Пн"), QStringLiteral("Вт"),
                           QStringLiteral("Ср"), QStringLiteral("Чт"), QStringLiteral("Пт"),
                           QStringLiteral("Сб")};
    for (int d = 1; d <= 7; ++d)
        texts.setDayName(d, days.at(d - 1));
    const QStringList months{
        QStringLiteral("Январь"),  QStringLiteral("Февраль"), QStringLiteral("Март"),
        QStringLiteral("Апрель"),  QStringLiteral("Май"),     QStringLiteral("Июнь"),
        QStringLiteral("Июль"),    QStringLiteral("Август"),  QStringLiteral("Сентябрь"),
        QStringLiteral("Октябрь"), QStringLiteral("Ноябрь"),  QStringLiteral("Декабрь")};
    for (int m = 1; m <= 12; ++m)
        texts.setMonthName(m, months.at(m - 1));
    cal.Loaded();
}

// A wrap across the year writes the month first, then the year: the
// calendar refreshes twice and the year is clamped like any other write.
void showNextMonth(TmxCustomCalendar& cal)
{
    if (cal.month() < 12) {
        cal.setMonth(cal.month() + 1);
    } else {
        cal.setMonth(1);
        cal.setYear(cal.year() + 1);
    }
}

void showPreviousMonth(TmxCustomCalendar& cal)
{
    if (cal.month() > 1) {
        cal.setMonth(cal.month() - 1);
    } else {
        cal.setMonth(12);
        cal.setYear(cal.year() - 1);
    }
}

void showNextYear(TmxCustomCalendar& cal)
{
    cal.setYear(cal.year() + 1);
}

void showPreviousYear(TmxCustomCalendar& cal)
{
    cal.setYear(cal.year() - 1);
}

} // namespace ForecastView
