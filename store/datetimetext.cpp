#include "store/datetimetext.h"

#include "app/apperror.h"

#include <QRegularExpression>

namespace DateTimeText {

QString shortDateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(twoDigitYear, QStringLiteral("yyyy"));
    return format;
}

QString longTimeFormat(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    // Qt's long format carries the zone ("t"); the stored text never did.
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    format.replace(zone, QStringLiteral(" "));
    return format.trimmed();
}

QString formatDate(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, shortDateFormat(locale));
}

QString formatDateTime(const QDateTime& value, const QLocale& locale)
{
    QString text = formatDate(value.date(), locale);
    if (value.time() != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(value.time(), longTimeFormat(locale));
    return text;
}

QDate parseDate(const QString& text, const QLocale& locale)
{
    return locale.toDate(text.trimmed(), shortDateFormat(locale));
}

QDateTime parseDateTime(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (const QDate date = parseDate(trimmed, locale); date.isValid())
        return date.startOfDay();
    return locale.toDateTime(trimmed,
                             shortDateFormat(locale) + QLatin1Char(' ') + longTimeFormat(locale));
}

QDateTime toDateTime(const QString& text, const QLocale& locale)
{
    const QDateTime value = parseDateTime(text, locale);
    if (!value.isValid())
        throw AppError(QStringLiteral("'%1' is not a valid date and time").arg(text));
    return value;
}

} // namespace DateTimeText
