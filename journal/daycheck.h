#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// The check of a day entered into the journal: it must not lie after today and
// must lie after the birth date. An invalid day or birth date is the null date,
// earlier than every real one. Returns the refusal text, or an empty text when
// the day is accepted.
QString checkJournalDay(const QDate& day, const QDateTime& birth,
                        const QDate& today = QDate::currentDate());
