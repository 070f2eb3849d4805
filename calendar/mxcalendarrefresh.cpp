// Layout, refresh and day styling of the calendar.
#include "calendar/mxcalendar.h"
#include "calendar/mxdateformat.h"

#include <QLabel>
#include <cmath>

namespace {

class RefreshFlag
{
public:
    explicit RefreshFlag(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~RefreshFlag() { m_flag = m_old; }

private:
    bool& m_flag;
    bool m_old;
};

constexpr int outOfSight = -100;

} // namespace

int TmxCustomCalendar::WeekDayIndex(int weekday) const
{
    if (m_firstDayOfWeek == fdMonday)
        return weekday == 1 ? 7 : weekday - 1;
    return weekday;
}

// The week number of the first grid row, counted the way the week column
// always has: a year's first week is the one holding its first Thursday
// (Monday first), and a January never shows the previous year's last week.
int TmxCustomCalendar::FirstWeekOfMonth() const
{
    int s = 0;
    for (int m = 1; m < m_month; ++m)
        s += DaysInMonth(m_year, m);
    const int d1 = WeekDayIndex(mx::dayOfWeek(m_year, 1, 1));
    if (d1 > 4)
        s -= 7 - d1;
    else
        s += d1 - 1;
    int w = s / 7 + 1;
    if (m_firstDayOfWeek == fdSunday && mx::dayOfWeek(m_year, m_month, 1) == 7)
        --w;
    return w;
}

int TmxCustomCalendar::WeeksInYear(int year) const
{
    int n = mx::isLeapYear(year) ? 366 : 365;
    const int d1 = WeekDayIndex(mx::dayOfWeek(year, 1, 1));
    if (d1 > 4)
        n -= d1;
    else
        n += 7 - d1;
    const int d2 = WeekDayIndex(mx::dayOfWeek(year, 12, 31));
    if (d2 > 3)
        n += 7 - d2;
    else
        n -= d2;
    const int w = n / 7;
    return w == 51 ? 52 : w;
}

void TmxCustomCalendar::ArrangeControls()
{
    alignPanels();

    auto place = [](TmxCalendarButton* button, int left) {
        button->move(button->isHidden() ? outOfSight : left, button->y());
    };
    const int footerWidth = m_footerPanel->width();
    const int headerWidth = m_headerPanel->width();

    place(m_todayBtn, footerWidth - m_todayBtn->width() - 3);
    place(m_clearBtn, !m_todayBtn->isHidden() ? m_todayBtn->x() - m_clearBtn->width() - 3
                                              : footerWidth - m_clearBtn->width() - 3);
    place(m_yearPlusBtn, headerWidth - m_yearPlusBtn->width() - 3);
    place(m_yearMinusBtn, 3);
    place(m_monthPlusBtn, !m_yearPlusBtn->isHidden()
                              ? m_yearPlusBtn->x() - m_monthPlusBtn->width() - 2
                              : headerWidth - m_monthPlusBtn->width() - 3);
    place(m_monthMinusBtn,
          !m_yearMinusBtn->isHidden() ? m_yearMinusBtn->x() + m_yearMinusBtn->width() + 2 : 3);

    const bool weeks = m_options.contains(coShowWeeks);
    const bool weekDays = m_options.contains(coShowWeekDays);
    const int rows = weekDays ? 7 : 6;
    const int columns = weeks ? 8 : 7;
    const int w = m_daysPanel->width();
    const int h = m_daysPanel->height();
    const int cellWidth = w / columns;
    const int cellHeight = h / rows;
    // The leftover pixels are split, the smaller half left and top.
    const int offsetX = (w % columns) / 2;
    const int offsetY = (h % rows) / 2;
    for (int r = 0; r < 7; ++r) {
        const int top = weekDays ? offsetY + r * cellHeight
                        : r >= 1 ? offsetY + (r - 1) * cellHeight
                                 : outOfSight;
        for (int c = 0; c < 8; ++c) {
            const int left = weeks    ? offsetX + c * cellWidth
                             : c >= 1 ? offsetX + (c - 1) * cellWidth
                                      : outOfSight;
            m_cells[r][c]->setGeometry(left, top, cellWidth, cellHeight);
        }
    }
}

void TmxCustomCalendar::UpdateCaptions()
{
    m_cells[0][0]->setCaption(m_messages.week());
    for (int r = 0; r < 7; ++r)
        m_cells[r][0]->setCellFont(m_weeksFont);
    for (int c = 1; c < 8; ++c) {
        // Day names are kept Sunday first; with Monday first Sunday ends the row.
        const int day = m_firstDayOfWeek == fdMonday ? c % 7 + 1 : c;
        m_cells[0][c]->setCaption(m_messages.dayName(day));
        m_cells[0][c]->setCellFont(m_weekDaysFont);
    }
    const TmxHints& hints = m_messages.hints();
    m_monthMinusBtn->setToolTip(hints.previousMonth());
    m_monthPlusBtn->setToolTip(hints.nextMonth());
    m_yearMinusBtn->setToolTip(hints.previousYear());
    m_yearPlusBtn->setToolTip(hints.nextYear());
    m_todayBtn->setToolTip(hints.todayButton());
    m_clearBtn->setToolTip(hints.clearButton());
}

void TmxCustomCalendar::UpdateCalendar()
{
    if (!m_constructed)
        return;
    RefreshFlag refreshing(m_refreshing);
    ArrangeControls();
    UpdateCaptions();

    const int firstColumn = WeekDayIndex(mx::dayOfWeek(m_year, m_month, 1));
    const int length = DaysInMonth(m_year, m_month);
    if (m_day > length)
        m_day = length;

    const int prevYear = m_month == 1 ? m_year - 1 : m_year;
    const int prevMonth = m_month == 1 ? 12 : m_month - 1;
    const int nextYear = m_month == 12 ? m_year + 1 : m_year;
    const int nextMonth = m_month == 12 ? 1 : m_month + 1;
    int n = 1;
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 7; ++c) {
            TmxPanel* cell = m_cells[r + 1][c + 1];
            if (r == 0 && c + 1 < firstColumn) {
                cell->setCaption(
                    QString::number(DaysInMonth(prevYear, prevMonth) - firstColumn + c + 2));
                ApplyDayStyle(cell, prevYear, prevMonth);
            } else if (n > length) {
                cell->setCaption(QString::number(n - length));
                ApplyDayStyle(cell, nextYear, nextMonth);
                ++n;
            } else {
                cell->setCaption(QString::number(n));
                ApplyDayStyle(cell, m_year, m_month);
                ++n;
            }
        }
    }

    const QString monthNumber = QStringLiteral("%1").arg(m_month, 2, 10, QLatin1Char('0'));
    QString title;
    switch (m_headerFormat) {
    case hfMMMMYYYY:
        title = QStringLiteral("%1, %2").arg(m_messages.monthName(m_month)).arg(m_year);
        break;
    case hfYYYYMMMM:
        title = QStringLiteral("%1, %2").arg(m_year).arg(m_messages.monthName(m_month));
        break;
    case hfMMYYYY:
        title = QStringLiteral("%1.%2").arg(monthNumber).arg(m_year);
        break;
    case hfYYYYMM:
        title = QStringLiteral("%1.%2").arg(m_year).arg(monthNumber);
        break;
    }
    m_headerPanel->setCaption(title);
    m_headerPanel->update();

    const int firstWeek = FirstWeekOfMonth();
    const int weeksInYear = WeeksInYear(m_year);
    for (int r = 0; r < 6; ++r) {
        int w = firstWeek + r;
        if (w > weeksInYear)
            w -= weeksInYear;
        m_cells[r + 1][0]->setCaption(QString::number(w));
    }

    auto cursorFor = [this](TmxItemType item) {
        QCursor c = cursor();
        DoGetCursor(item, c);
        return c;
    };
    m_headerPanel->setCursor(cursorFor(itHeader));
    m_footerPanel->setCursor(cursorFor(itFooter));
    m_daysPanel->setCursor(cursor());
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 8; ++c) {
            const TmxItemType item = r == 0 && c == 0 ? itCW
                                     : r == 0         ? itWeek
                                     : c == 0         ? itDay
                                                      : itCalendar;
            m_cells[r][c]->setCursor(cursorFor(item));
        }
    }

    m_dateLabel->setText(dateLabelText());
    m_dateLabel->adjustSize();
}

QString TmxCustomCalendar::dateLabelText() const
{
    if (m_selectionStart == 0)
        return mxFormatDateTime(m_dateFormat, mx::encodeDate(m_year, m_month, m_day));
    const QString fallback = QStringLiteral("yyyy.mm.dd");
    if (m_selectionStart == m_selectionEnd) {
        try {
            return mxFormatDateTime(m_dateFormat, m_selectionStart);
        } catch (const TmxDateFormatError&) {
            return mxFormatDateTime(fallback, m_selectionStart);
        }
    }
    try {
        return mxFormatDateTime(m_dateFormat, m_selectionStart) + QLatin1Char('-') +
               mxFormatDateTime(m_dateFormat, m_selectionEnd);
    } catch (const TmxDateFormatError&) {
        return mxFormatDateTime(fallback, m_selectionStart) + QLatin1Char('-') +
               mxFormatDateTime(fallback, m_selectionEnd);
    }
}

void TmxCustomCalendar::ApplyDayStyle(TmxPanel* cell, int year, int month)
{
    cell->setMonth(month);
    const mx::DateTime date = mx::encodeDate(year, month, cell->caption().toInt());
    const bool hasSelection = !(m_selectionStart == 0 && m_selectionEnd == 0);
    const bool selected =
        hasSelection && std::trunc(m_selectionStart) <= date && date <= m_selectionEnd;

    TmxStyleType style = stDay;
    DoGetItemLuckStyle(style, mx::dateOf(date));
    cell->setToolTip(QString());

    if (style == stLuckyDay) {
        StyleCell(cell, stLuckyDay, date);
    } else if (style == stBadLuck) {
        StyleCell(cell, stBadLuck, date);
    } else if (selected) {
        StyleCell(cell, stSelected, date);
    } else if (date == mx::today()) {
        StyleCell(cell, stToday, date);
        cell->setToolTip(m_messages.hints().today());
    } else if (month == m_month) {
        // The weekend is Saturday and Sunday whichever day starts the week.
        const int weekday = mx::dayOfWeek(date);
        StyleCell(cell, weekday == 1 || weekday == 7 ? stWeekEnd : stDay, date);
    } else {
        StyleCell(cell, stIndirect, date);
        const bool nextMonth = month == m_month % 12 + 1;
        const bool prevMonth = month == (m_month == 1 ? 12 : m_month - 1);
        if ((nextMonth && !m_options.contains(coShowNextMonth)) ||
            (prevMonth && !m_options.contains(coShowPreviousMonth)))
            cell->setFontColor(cell->color());
    }
    cell->update();
}

void TmxCustomCalendar::StyleCell(TmxPanel* cell, TmxStyleType style, mx::DateTime date)
{
    TmxFont font;
    QColor color;
    switch (style) {
    case stSelected:
        font = m_selectedFont;
        color = m_selectedColor;
        break;
    case stToday:
        font = m_todayFont;
        color = m_todayColor;
        break;
    case stDay:
        font = m_dayFont;
        color = m_dayColor;
        break;
    case stWeekEnd:
        font = m_options.contains(csUseWeekEndFont) ? m_weekEndFont : m_dayFont;
        color = m_options.contains(csUseWeekEndColor) ? m_weekEndColor : m_dayColor;
        break;
    case stIndirect:
        font = m_indirectFont;
        color = m_indirectColor;
        break;
    case stBadLuck:
        font = m_badLuckFont;
        color = m_badLuckColor;
        break;
    case stLuckyDay:
        font = m_luckyDayFont;
        color = m_luckyDayColor;
        break;
    }
    // Today keeps its font under any style, so it stays recognisable when lucky,
    // unlucky or selected.
    if (date == mx::today())
        font = m_todayFont;
    DoGetItemStyle(style, font, color, mx::dateOf(date));
    cell->setCellFont(font);
    cell->setColor(color);
}
