#include "journal/daycheck.h"

QString checkJournalDay(const QDate& day, const QDateTime& birth, const QDate& today)
{
    if (day.isValid() && day > today)
        return QStringLiteral("Дата не может быть больше текущего дня!");
    // The birth day itself is refused whatever the time of birth: the day is
    // taken at midnight and a birth at that very moment counts as not earlier.
    const bool birthNotEarlier = !day.isValid() || (birth.isValid() && birth >= day.startOfDay());
    if (birthNotEarlier)
        return QStringLiteral("Дата не может быть меньше даты рождения!");
    return {};
}
