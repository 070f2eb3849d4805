#include "app/dateedit.h"

#include "app/messages.h"
#include "store/datetimetext.h"

#include <QCalendarWidget>
#include <QFocusEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Typing "1.2.2012" for "01.02.2012" is fine: parse with one-letter day,
// month and hour fields, which accept one or two digits.
QString relaxed(QString format)
{
    // Only exact two-letter fields: "MMM" (a month name) must stay as it is.
    static const QRegularExpression twoDigitField(
        QStringLiteral("(?<![dMHh])([dMHh])\\1(?![dMHh])"));
    return format.replace(twoDigitField, QStringLiteral("\\1"));
}

} // namespace

DateEdit::DateEdit(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_button(new QToolButton(this))
{
    m_edit->setObjectName(QStringLiteral("dateText"));
    m_button->setObjectName(QStringLiteral("dropDownButton"));
    m_button->setArrowType(Qt::DownArrow);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setFixedWidth(17);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_button);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_edit);

    m_edit->installEventFilter(this);
    connect(m_edit, &QLineEdit::textEdited, this, [this] { m_modified = true; });
    connect(m_button, &QToolButton::clicked, this, &DateEdit::showPopup);
}

// The filter would otherwise see the focus leave while this object is half destroyed.
DateEdit::~DateEdit()
{
    m_edit->removeEventFilter(this);
}

void DateEdit::setShowTime(bool showTime)
{
    m_showTime = showTime;
    setDateTime(m_value);
}

QDateTime DateEdit::normalized(const QDateTime& value) const
{
    if (!value.isValid())
        return {};
    // A date-only edit keeps no time of day.
    return m_showTime ? value : value.date().startOfDay();
}

void DateEdit::setDateTime(const QDateTime& value)
{
    m_value = normalized(value);
    m_edit->setText(textFor(m_value));
    m_modified = false;
    emit dateTimeChanged(m_value);
}

QString DateEdit::textFor(const QDateTime& value) const
{
    if (!value.isValid())
        return {};
    const QLocale locale;
    QString text = locale.toString(value.date(), DateTimeText::shortDateFormat(locale));
    if (m_showTime)
        text +=
            QLatin1Char(' ') + locale.toString(value.time(), DateTimeText::longTimeFormat(locale));
    return text;
}

QDateTime DateEdit::parse(const QString& text, bool* ok) const
{
    const QString trimmed = text.trimmed();
    *ok = true;
    if (trimmed.isEmpty())
        return {};
    const QLocale locale;
    const QString dateFormat = relaxed(DateTimeText::shortDateFormat(locale));
    if (m_showTime) {
        const QDateTime value = locale.toDateTime(
            trimmed, dateFormat + QLatin1Char(' ') + relaxed(DateTimeText::longTimeFormat(locale)));
        if (value.isValid())
            return value;
    }
    const QDate date = locale.toDate(trimmed, dateFormat);
    *ok = date.isValid();
    return date.isValid() ? date.startOfDay() : QDateTime();
}

DateEdit::Outcome DateEdit::validateEdited()
{
    if (!m_modified)
        return Outcome::Accepted;
    m_modified = false;
    bool ok = false;
    QDateTime value = parse(m_edit->text(), &ok);
    if (!ok) {
        setDateTime(m_value);
        return Outcome::Reverted;
    }
    QString errorText;
    bool error = false;
    if (m_hook)
        m_hook(value, errorText, error);
    setDateTime(value);
    if (!error)
        return Outcome::Accepted;
    m_edit->setFocus(Qt::OtherFocusReason);
    m_edit->selectAll();
    Messages::error(errorText);
    m_edit->selectAll();
    return Outcome::Refused;
}

void DateEdit::choose(const QDateTime& value)
{
    if (m_popup)
        m_popup->hide();
    m_edit->setFocus(Qt::PopupFocusReason);
    m_edit->setText(textFor(normalized(value)));
    m_modified = true;
    validateEdited();
}

bool DateEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // A refused value keeps the key from pressing the window's default button.
            if (validateEdited() != Outcome::Accepted)
                return true;
        } else if (key->key() == Qt::Key_F4 ||
                   (key->key() == Qt::Key_Down && key->modifiers() & Qt::AltModifier)) {
            showPopup();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Our own popup or another window taking the focus is not leaving the edit.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            !(m_popup && m_popup->isVisible())) {
            const Outcome outcome = validateEdited();
            // The refused edit has taken the focus back; this stale focus-out
            // would only clear the selection it just made.
            if (outcome == Outcome::Refused)
                return true;
            emit exited();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DateEdit::buildPopup()
{
    m_popup = new QFrame(this, Qt::Popup);
    m_popup->setObjectName(QStringLiteral("datePopup"));
    m_popup->setFrameShape(QFrame::StyledPanel);
    m_calendar = new QCalendarWidget(m_popup);
    m_calendar->setObjectName(QStringLiteral("popupCalendar"));
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);

    auto* clearButton = new QPushButton(QStringLiteral("Очистить"), m_popup);
    auto* nowButton = new QPushButton(QStringLiteral("Сейчас"), m_popup);
    auto* todayButton = new QPushButton(QStringLiteral("Сегодня"), m_popup);
    clearButton->setObjectName(QStringLiteral("clearButton"));
    nowButton->setObjectName(QStringLiteral("nowButton"));
    todayButton->setObjectName(QStringLiteral("todayButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clearButton);
    buttons->addWidget(nowButton);
    buttons->addWidget(todayButton);
    auto* layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_calendar);
    layout->addLayout(buttons);

    connect(m_calendar, &QCalendarWidget::clicked, this, [this](QDate date) {
        choose(QDateTime(date, m_value.isValid() ? m_value.time() : QTime(0, 0)));
    });
    connect(m_calendar, &QCalendarWidget::activated, this, [this](QDate date) {
        choose(QDateTime(date, m_value.isValid() ? m_value.time() : QTime(0, 0)));
    });
    connect(clearButton, &QPushButton::clicked, this, [this] { choose({}); });
    connect(nowButton, &QPushButton::clicked, this,
            [this] { choose(QDateTime::currentDateTime()); });
    connect(todayButton, &QPushButton::clicked, this,
            [this] { choose(QDate::currentDate().startOfDay()); });
}

void DateEdit::showPopup()
{
    if (!m_popup)
        buildPopup();
    // Whatever the user typed so far counts as the value the popup starts from.
    bool ok = false;
    const QDateTime typed = parse(m_edit->text(), &ok);
    const QDate shown = ok && typed.isValid() ? typed.date() : QDate::currentDate();
    m_calendar->setSelectedDate(shown);
    m_popup->adjustSize();
    m_popup->move(mapToGlobal(QPoint(0, height())));
    m_popup->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
}
