#pragma once

#include <QtGlobal>
#include <initializer_list>

enum TmxStyleType
{
    stSelected,
    stToday,
    stDay,
    stWeekEnd,
    stIndirect,
    stBadLuck,
    stLuckyDay
};

// Which part of the calendar a cursor is asked for: the header, the footer,
// the corner cell, a day-name cell, a week-number cell, a day cell.
enum TmxItemType
{
    itHeader,
    itFooter,
    itCW,
    itWeek,
    itDay,
    itCalendar
};

enum TmxFirstDayOfWeek
{
    fdSunday,
    fdMonday
};

enum TmxHeaderFormat
{
    hfMMMMYYYY,
    hfYYYYMMMM,
    hfMMYYYY,
    hfYYYYMM
};

enum TmxBevel
{
    bvNone,
    bvLowered,
    bvRaised
};

enum TmxBorderStyle
{
    bsNone,
    bsSingle
};

// Option n is bit n of the stored set.
enum TmxCalendarOption
{
    coClearButtonVisible,
    coFlatButtons,
    csFlatDays,
    coFlatHeaders,
    coMonthButtonVisible,
    csSelectionEnabled,
    csSetTodayOnStartup,
    coShowDateLabel,
    coShowFooter,
    coShowNextMonth,
    coShowPreviousMonth,
    coShowHeader,
    coShowWeekDays,
    coShowWeeks,
    coTransparentButtons,
    coTodayButtonVisible,
    csUseWeekEndColor,
    csUseWeekEndFont,
    coYearButtonVisible,
};

class TmxCalendarOptions
{
public:
    constexpr TmxCalendarOptions() = default;
    constexpr TmxCalendarOptions(std::initializer_list<TmxCalendarOption> options)
    {
        for (TmxCalendarOption o : options)
            m_mask |= bit(o);
    }
    static constexpr TmxCalendarOptions fromMask(quint32 mask)
    {
        TmxCalendarOptions o;
        o.m_mask = mask & 0x7FFFF;
        return o;
    }

    constexpr quint32 mask() const { return m_mask; }
    constexpr bool contains(TmxCalendarOption o) const { return (m_mask & bit(o)) != 0; }
    constexpr TmxCalendarOptions with(TmxCalendarOption o) const
    {
        return fromMask(m_mask | bit(o));
    }
    constexpr TmxCalendarOptions without(TmxCalendarOption o) const
    {
        return fromMask(m_mask & ~bit(o));
    }
    constexpr bool operator==(const TmxCalendarOptions&) const = default;

private:
    static constexpr quint32 bit(TmxCalendarOption o) { return quint32(1) << int(o); }
    quint32 m_mask = 0;
};

inline constexpr TmxCalendarOptions mxDefaultCalendarOptions =
    TmxCalendarOptions::fromMask(0x7FF92);
