#pragma once

#include <QDateTime>
#include <QWidget>
#include <functional>

class QCalendarWidget;
class QFrame;
class QLineEdit;
class QToolButton;

// A date edit that can also be empty: it holds a date-time or the null date
// (an invalid QDateTime, earlier than every real date), which Qt's own date
// edits cannot. The user types a date or picks one from the drop-down calendar
// with its buttons clear, now and today.
class DateEdit : public QWidget
{
    Q_OBJECT
public:
    // The owner's check of a value the user edited. Setting error refuses the
    // value: errorText is shown and value (which the hook may replace) is kept.
    using ValidationHook = std::function<void(QDateTime& value, QString& errorText, bool& error)>;

    explicit DateEdit(QWidget* parent = nullptr);
    ~DateEdit() override;

    void setShowTime(bool showTime);
    bool showTime() const { return m_showTime; }

    QDateTime dateTime() const { return m_value; }
    void setDateTime(const QDateTime& value);
    QDate date() const { return m_value.date(); }
    void setDate(const QDate& date) { setDateTime(date.startOfDay()); }
    bool isNull() const { return !m_value.isValid(); }
    void clear() { setDateTime(QDateTime()); }

    void setValidationHook(ValidationHook hook) { m_hook = std::move(hook); }

    // The text form of a value: the short date with a four-digit year, and for
    // showTime the time with seconds; empty for the null date.
    QString textFor(const QDateTime& value) const;

    QLineEdit* lineEdit() const { return m_edit; }
    QToolButton* dropDownButton() const { return m_button; }
    QFrame* popup() const { return m_popup; }
    QCalendarWidget* calendar() const { return m_calendar; }

    void showPopup();

signals:
    void dateTimeChanged(const QDateTime& value);
    // The focus has left the edit and the value (if edited) was accepted.
    void exited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Outcome
    {
        Accepted,
        Reverted,
        Refused
    };

    // Validates the text the user has edited; a text that is not a date is
    // reverted to the held value, the owner's hook may refuse the rest.
    Outcome validateEdited();
    void choose(const QDateTime& value);
    QDateTime parse(const QString& text, bool* ok) const;
    QDateTime normalized(const QDateTime& value) const;
    void buildPopup();

    QLineEdit* m_edit;
    QToolButton* m_button;
    QFrame* m_popup = nullptr;
    QCalendarWidget* m_calendar = nullptr;
    QDateTime m_value;
    ValidationHook m_hook;
    bool m_showTime = false;
    bool m_modified = false;
};
