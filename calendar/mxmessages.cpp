#include "calendar/mxmessages.h"

#include <QLocale>

namespace {

constexpr qsizetype maxTextLength = 255;

// Stores the text cut to its length limit; true when it changed the stored one.
bool storeText(QString& stored, const QString& value)
{
    const QString cut = value.left(maxTextLength);
    if (cut == stored)
        return false;
    stored = cut;
    return true;
}

} // namespace

TmxHints::TmxHints()
    : m_texts{QStringLiteral("Go to next month"),    QStringLiteral("Go to previous month"),
              QStringLiteral("Go to next year"),     QStringLiteral("Go to previous year"),
              QStringLiteral("Set date to today"),   QStringLiteral("This date is today"),
              QStringLiteral("Clear date selection")}
{
}

void TmxHints::setText(Index index, const QString& value)
{
    if (storeText(m_texts[index], value))
        changed();
}

void TmxHints::assign(const TmxHints& source)
{
    if (&source != this)
        m_texts = source.m_texts;
}

void TmxHints::changed()
{
    if (m_onChange)
        m_onChange();
}

TmxMessages::TmxMessages()
{
    const QLocale locale = QLocale::system();
    m_texts[0] = QStringLiteral("CW");
    for (int day = 1; day <= 7; ++day) {
        const int qtDay = day == 1 ? 7 : day - 1; // Qt counts from Monday
        m_texts[day] = locale.standaloneDayName(qtDay, QLocale::ShortFormat).left(maxTextLength);
    }
    for (int month = 1; month <= 12; ++month)
        m_months[month] =
            locale.standaloneMonthName(month, QLocale::LongFormat).left(maxTextLength);
}

QString TmxMessages::dayName(int day) const
{
    return day >= 1 && day <= 7 ? m_texts[day] : QString();
}

void TmxMessages::setDayName(int day, const QString& value)
{
    if (day >= 1 && day <= 7)
        setText(day, value);
}

QString TmxMessages::monthName(int month) const
{
    return month >= 1 && month <= 12 ? m_months[month] : QString();
}

void TmxMessages::setMonthName(int month, const QString& value)
{
    if (month >= 1 && month <= 12 && storeText(m_months[month], value))
        changed();
}

void TmxMessages::setText(int index, const QString& value)
{
    if (storeText(m_texts[index], value))
        changed();
}

void TmxMessages::assign(const TmxMessages& source)
{
    if (&source == this)
        return;
    m_texts = source.m_texts;
    m_months = source.m_months;
    m_hints.assign(source.m_hints);
}

void TmxMessages::setOnChange(ChangeHandler handler)
{
    m_onChange = handler;
    m_hints.setOnChange(std::move(handler));
}

void TmxMessages::changed()
{
    if (m_onChange)
        m_onChange();
}
