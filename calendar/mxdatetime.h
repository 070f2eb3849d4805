#pragma once

#include <QDate>
#include <QTime>

// The calendar keeps its selection as a date-time number: days since
// 30 December 1899, the time of day as the fraction. 0 means "no selection",
// so the number is kept as it is rather than as a QDateTime. The arithmetic
// here is proleptic Gregorian for any year, also where QDate has no value
// (the navigation buttons do not clamp the year).
namespace mx {

using DateTime = double;

bool isLeapYear(int year);
// 0 for a month outside 1..12.
int daysInMonth(int year, int month);

// Whole days since 30 December 1899 of a calendar date.
int dateSerial(int year, int month, int day);
inline DateTime encodeDate(int year, int month, int day)
{
    return dateSerial(year, month, day);
}
DateTime encodeDate(const QDate& date);
DateTime encodeDateTime(const QDate& date, const QTime& time);

// The whole-day part (truncated toward zero) and the calendar date of it.
int wholeDays(DateTime value);
void decodeDate(DateTime value, int& year, int& month, int& day);
QDate dateOf(DateTime value);
// Hours, minutes, seconds and milliseconds of the fraction.
void decodeTime(DateTime value, int& hour, int& minute, int& second, int& msec);

// 1 = Sunday ... 7 = Saturday.
int dayOfWeek(int year, int month, int day);
int dayOfWeek(DateTime value);

// Today's date. Tests pin it with setCurrentDate; a null date returns to the
// system clock.
QDate currentDate();
void setCurrentDate(const QDate& date);
DateTime today();

} // namespace mx
