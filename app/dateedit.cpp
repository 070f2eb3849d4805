#include "app/dateedit.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>

DateEdit::DateEdit(QWidget* parent) : QWidget(parent), m_edit(new QLineEdit(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);
}

void DateEdit::setShowTime(bool showTime)
{
    m_showTime = showTime;
    setDateTime(m_value);
}

void DateEdit::setDateTime(const QDateTime& value)
{
    m_value = value;
    const QLocale locale;
    m_edit->setText(!value.isValid() ? QString()
                    : m_showTime     ? locale.toString(value, QLocale::ShortFormat)
                                     : locale.toString(value.date(), QLocale::ShortFormat));
    emit dateTimeChanged(value);
}
