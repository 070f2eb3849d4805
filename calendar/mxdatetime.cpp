#include "calendar/mxdatetime.h"

#include <cmath>

namespace mx {
namespace {

// Days since 1 January 1970 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long daysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + (long long)doe - 719468;
}

void civilFromDays(long long z, int& year, int& month, int& day)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = (long long)yoe + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(y + (month <= 2));
}

constexpr long long serialOffset = 25569; // 1 January 1970 as a serial day

} // namespace

bool isLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int daysInMonth(int year, int month)
{
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
}

int dateSerial(int year, int month, int day)
{
    return int(daysFromCivil(year, unsigned(month), unsigned(day)) + serialOffset);
}

DateTime encodeDate(const QDate& date)
{
    return dateSerial(date.year(), date.month(), date.day());
}

DateTime encodeDateTime(const QDate& date, const QTime& time)
{
    const double fraction = time.msecsSinceStartOfDay() / 86400000.0;
    const double days = encodeDate(date);
    // Before the epoch the fraction still counts forward into the day.
    return days < 0 ? days - fraction : days + fraction;
}

int wholeDays(DateTime value)
{
    return int(std::trunc(value));
}

void decodeDate(DateTime value, int& year, int& month, int& day)
{
    civilFromDays(wholeDays(value) - serialOffset, year, month, day);
}

QDate dateOf(DateTime value)
{
    int y, m, d;
    decodeDate(value, y, m, d);
    return QDate(y, m, d);
}

void decodeTime(DateTime value, int& hour, int& minute, int& second, int& msec)
{
    long long ms = std::llround(std::fabs(value - std::trunc(value)) * 86400000.0);
    if (ms >= 86400000)
        ms = 86399999;
    hour = int(ms / 3600000);
    minute = int(ms / 60000 % 60);
    second = int(ms / 1000 % 60);
    msec = int(ms % 1000);
}

int dayOfWeek(int year, int month, int day)
{
    return dayOfWeek(encodeDate(year, month, day));
}

int dayOfWeek(DateTime value)
{
    // Serial day 0 was a Saturday.
    const long long days = wholeDays(value);
    return int(((days % 7) + 7 + 6) % 7) + 1;
}

namespace {
QDate& pinnedDate()
{
    static QDate date;
    return date;
}
} // namespace

QDate currentDate()
{
    const QDate pinned = pinnedDate();
    return pinned.isValid() ? pinned : QDate::currentDate();
}

void setCurrentDate(const QDate& date)
{
    pinnedDate() = date;
}

DateTime today()
{
    return encodeDate(currentDate());
}

} // namespace mx
