#pragma once

#include "calendar/mxdatetime.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <stdexcept>

// Date-time patterns as the calendar's DateFormat property takes them: the
// classic Windows/Delphi letters, where "mm" is the month and "nn" the minutes
// ("dd.mm.yyyy" gives 28.04.2012; "hh:mm" still gives minutes after an hour).
//
//   d dd ddd dddd ddddd dddddd   day, short/long day name, short/long date
//   m mm mmm mmmm                month, short/long month name (minutes after h)
//   yy yyyy                      year
//   h hh n nn s ss z zzz         time; am/pm, a/p, ampm switch to 12 hours
//   c t tt                       short date + long time, short/long time
//   / :                          date and time separators
//   "..." '...'                  literal text
//
// A pattern with an unterminated quote, or a date outside the years 1..9999,
// is rejected with TmxDateFormatError.
struct TmxFormatSettings
{
    QChar dateSeparator = QLatin1Char('/');
    QChar timeSeparator = QLatin1Char(':');
    QString shortDateFormat = QStringLiteral("dd/mm/yyyy");
    QString longDateFormat = QStringLiteral("dddd, d mmmm yyyy");
    QString shortTimeFormat = QStringLiteral("hh:nn");
    QString longTimeFormat = QStringLiteral("hh:nn:ss");
    QString timeAMString = QStringLiteral("AM");
    QString timePMString = QStringLiteral("PM");
    QStringList shortMonthNames; // January first
    QStringList longMonthNames;
    QStringList shortDayNames; // Sunday first
    QStringList longDayNames;

    static TmxFormatSettings fromLocale(const QLocale& locale);
    // The regional settings of the system, read once.
    static const TmxFormatSettings& system();
};

class TmxDateFormatError : public std::runtime_error
{
public:
    explicit TmxDateFormatError(const QString& message) : std::runtime_error(message.toStdString())
    {
    }
};

QString mxFormatDateTime(const QString& format, mx::DateTime value,
                         const TmxFormatSettings& settings = TmxFormatSettings::system());

// Turns a Qt date or time pattern of the locale into the pattern letters above.
QString mxPatternFromQt(const QString& qtFormat);
