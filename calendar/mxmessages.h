#pragma once

#include <QString>
#include <array>
#include <functional>

// The calendar's texts. Every text is at most 255 characters. A write raises
// the change notification only when the text really changes (letter case
// counts); Assign copies without a notification.
class TmxHints
{
public:
    enum Index
    {
        NextMonth,
        PreviousMonth,
        NextYear,
        PreviousYear,
        TodayButton,
        Today,
        ClearButton
    };
    using ChangeHandler = std::function<void()>;

    TmxHints();
    virtual ~TmxHints() = default;
    TmxHints(const TmxHints&) = delete;
    TmxHints& operator=(const TmxHints&) = delete;

    QString text(Index index) const { return m_texts[index]; }
    void setText(Index index, const QString& value);

    QString nextMonth() const { return text(NextMonth); }
    QString previousMonth() const { return text(PreviousMonth); }
    QString nextYear() const { return text(NextYear); }
    QString previousYear() const { return text(PreviousYear); }
    QString todayButton() const { return text(TodayButton); }
    QString today() const { return text(Today); }
    QString clearButton() const { return text(ClearButton); }
    void setNextMonth(const QString& v) { setText(NextMonth, v); }
    void setPreviousMonth(const QString& v) { setText(PreviousMonth, v); }
    void setNextYear(const QString& v) { setText(NextYear, v); }
    void setPreviousYear(const QString& v) { setText(PreviousYear, v); }
    void setTodayButton(const QString& v) { setText(TodayButton, v); }
    void setToday(const QString& v) { setText(Today, v); }
    void setClearButton(const QString& v) { setText(ClearButton, v); }

    void assign(const TmxHints& source);
    void setOnChange(ChangeHandler handler) { m_onChange = std::move(handler); }

protected:
    virtual void changed();

private:
    std::array<QString, 7> m_texts;
    ChangeHandler m_onChange;
};

class TmxMessages
{
public:
    using ChangeHandler = std::function<void()>;

    // Day names of the system's regional settings (short) and month names (long).
    TmxMessages();
    TmxMessages(const TmxMessages&) = delete;
    TmxMessages& operator=(const TmxMessages&) = delete;
    virtual ~TmxMessages() = default;

    QString week() const { return m_texts[0]; }
    void setWeek(const QString& value) { setText(0, value); }
    // 1 = Sunday ... 7 = Saturday.
    QString dayName(int day) const;
    void setDayName(int day, const QString& value);
    // 1 = January ... 12 = December.
    QString monthName(int month) const;
    void setMonthName(int month, const QString& value);

    TmxHints& hints() { return m_hints; }
    const TmxHints& hints() const { return m_hints; }

    void assign(const TmxMessages& source);
    // The handler serves the hints too, so that any text change reaches it.
    void setOnChange(ChangeHandler handler);

protected:
    virtual void changed();

private:
    void setText(int index, const QString& value);

    std::array<QString, 13> m_months; // index 0 unused
    std::array<QString, 8> m_texts;   // week caption, Sunday ... Saturday
    TmxHints m_hints;
    ChangeHandler m_onChange;
};
