#pragma once

#include "calendar/mxcalendar.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// The forecast page's use of the month calendar, apart from the main window:
// its settings, the luck decision, the birth-date rule and the menu navigation.
namespace ForecastView {

// A forecast day is lucky from this level up; any other forecast day is unlucky.
inline constexpr int LuckThreshold = 85;

TmxStyleType luckStyle(int level);

// The key of a day in the stored forecast: "YYYY-MM-DD".
QString dayKey(const QDate& date);

// True when the calendar rests on a day before the birth date (a null birth
// date is earlier than every day).
bool restsBeforeBirth(const QDateTime& birth, const QDate& shown);

// The forecast page's calendar: Monday first, Russian names, no week column
// and no footer, window-coloured days, lime and grey luck days, today's month
// once set up.
void configureCalendar(TmxCalendar& calendar);

// The popup menu's moves, through the calendar's clamped properties.
void showNextMonth(TmxCustomCalendar& calendar);
void showPreviousMonth(TmxCustomCalendar& calendar);
void showNextYear(TmxCustomCalendar& calendar);
void showPreviousYear(TmxCustomCalendar& calendar);

} // namespace ForecastView
