#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The regional date and time text forms the program stores and shows. They
// follow the default locale (the system's unless a test sets another).
namespace DateTimeText {

// The short date format with a two-digit year widened to four digits, so a
// 1980 birthday cannot come back as 2080.
QString shortDateFormat(const QLocale& locale = QLocale());
// The time with seconds and without a time zone.
QString longTimeFormat(const QLocale& locale = QLocale());

QString formatDate(const QDate& date, const QLocale& locale = QLocale());
// The store's date-time form: the short date, then, unless the time is exactly
// midnight, a blank and the time with seconds.
QString formatDateTime(const QDateTime& value, const QLocale& locale = QLocale());

// Read back exactly what the formatters wrote under the same locale; an
// invalid result when the text does not parse.
QDate parseDate(const QString& text, const QLocale& locale = QLocale());
QDateTime parseDateTime(const QString& text, const QLocale& locale = QLocale());
// As parseDateTime, failing with "'<text>' is not a valid date and time".
QDateTime toDateTime(const QString& text, const QLocale& locale = QLocale());

} // namespace DateTimeText
