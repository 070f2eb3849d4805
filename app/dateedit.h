#pragma once

#include <QDateTime>
#include <QWidget>

class QLineEdit;

// Placeholder date edit holding a date-time or the null date (an invalid QDateTime).
class DateEdit : public QWidget
{
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr);

    void setShowTime(bool showTime);
    bool showTime() const { return m_showTime; }

    QDateTime dateTime() const { return m_value; }
    void setDateTime(const QDateTime& value);
    QDate date() const { return m_value.date(); }
    void setDate(const QDate& date) { setDateTime(date.startOfDay()); }
    bool isNull() const { return !m_value.isValid(); }
    void clear() { setDateTime(QDateTime()); }

    QLineEdit* lineEdit() const { return m_edit; }

signals:
    void dateTimeChanged(const QDateTime& value);

private:
    QLineEdit* m_edit;
    QDateTime m_value;
    bool m_showTime = false;
};
