// The appearance of the calendar: colours, options, texts, fonts, formats,
// cursor and frame. Each write that changes something ends in the refresh,
// except those that recolour their parts directly.
#include "calendar/mxcalendar.h"

#include <QLabel>

void TmxCustomCalendar::setDateFormat(const QString& format)
{
    if (format == m_dateFormat)
        return;
    m_dateFormat = format;
    UpdateCalendar();
}

void TmxCustomCalendar::setColor(const QColor& color)
{
    if (color == this->color())
        return;
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

void TmxCustomCalendar::setStyleColor(QColor& field, const QColor& color)
{
    if (color == field)
        return;
    field = color;
    UpdateCalendar();
}

void TmxCustomCalendar::setDayColor(const QColor& color)
{
    if (color == m_dayColor)
        return;
    m_dayColor = color;
    for (int r = 1; r < 7; ++r)
        for (int c = 1; c < 8; ++c)
            m_cells[r][c]->setColor(color);
    UpdateCalendar();
}

void TmxCustomCalendar::setWeekEndColor(const QColor& color)
{
    setStyleColor(m_weekEndColor, color);
}
void TmxCustomCalendar::setSelectedColor(const QColor& color)
{
    setStyleColor(m_selectedColor, color);
}
void TmxCustomCalendar::setTodayColor(const QColor& color)
{
    setStyleColor(m_todayColor, color);
}
void TmxCustomCalendar::setIndirectColor(const QColor& color)
{
    setStyleColor(m_indirectColor, color);
}
void TmxCustomCalendar::setBadLuckColor(const QColor& color)
{
    setStyleColor(m_badLuckColor, color);
}
void TmxCustomCalendar::setLuckyDayColor(const QColor& color)
{
    setStyleColor(m_luckyDayColor, color);
}

void TmxCustomCalendar::setDayNameColor(const QColor& color)
{
    if (color == m_dayNameColor)
        return;
    m_dayNameColor = color;
    for (int c = 1; c < 8; ++c)
        m_cells[0][c]->setColor(color);
}

void TmxCustomCalendar::setWeekColor(const QColor& color)
{
    if (color == m_weekColor)
        return;
    m_weekColor = color;
    for (int r = 0; r < 7; ++r)
        m_cells[r][0]->setColor(color);
}

QColor TmxCustomCalendar::headerColor() const
{
    return m_headerPanel->color();
}
void TmxCustomCalendar::setHeaderColor(const QColor& color)
{
    m_headerPanel->setColor(color);
}
QColor TmxCustomCalendar::footerColor() const
{
    return m_footerPanel->color();
}
void TmxCustomCalendar::setFooterColor(const QColor& color)
{
    m_footerPanel->setColor(color);
}

void TmxCustomCalendar::setOptions(TmxCalendarOptions options)
{
    if (options == m_options)
        return;
    m_options = options;
    m_headerDocked = options.contains(coShowHeader);
    m_footerDocked = options.contains(coShowFooter);
    if (!m_headerDocked)
        m_headerPanel->move(m_headerPanel->x(), -1000);
    if (!m_footerDocked)
        m_footerPanel->move(m_footerPanel->x(), -1000);
    alignPanels();

    const bool flat = options.contains(coFlatButtons);
    const bool transparent = options.contains(coTransparentButtons);
    for (TmxCalendarButton* b : {m_yearPlusBtn, m_yearMinusBtn, m_monthPlusBtn, m_monthMinusBtn}) {
        b->setFlat(flat);
        b->setTransparent(transparent);
    }
    m_todayBtn->setFlat(flat);
    m_yearPlusBtn->setVisible(options.contains(coYearButtonVisible));
    m_yearMinusBtn->setVisible(options.contains(coYearButtonVisible));
    m_monthPlusBtn->setVisible(options.contains(coMonthButtonVisible));
    m_monthMinusBtn->setVisible(options.contains(coMonthButtonVisible));
    m_todayBtn->setVisible(options.contains(coTodayButtonVisible));
    m_clearBtn->setVisible(options.contains(coClearButtonVisible));
    placeDateLabel();

    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 8; ++c) {
            const bool header = r == 0 || c == 0;
            m_cells[r][c]->setFlat(options.contains(header ? coFlatHeaders : csFlatDays));
        }
    }
    UpdateCalendar();
}

void TmxCustomCalendar::setMessages(const TmxMessages& messages)
{
    m_messages.assign(messages);
    UpdateCalendar();
}

TmxFont TmxCustomCalendar::dateLabelFont() const
{
    return TmxFont(m_dateLabel->font(), m_dateLabel->palette().color(QPalette::WindowText));
}

void TmxCustomCalendar::setDateLabelFont(const TmxFont& font)
{
    m_dateLabel->setFont(font.font());
    QPalette p = m_dateLabel->palette();
    p.setColor(QPalette::WindowText, font.color());
    m_dateLabel->setPalette(p);
    placeDateLabel();
}

void TmxCustomCalendar::placeDateLabel()
{
    m_dateLabel->adjustSize();
    // An empty label is one text line high, like one with text.
    if (m_dateLabel->text().isEmpty())
        m_dateLabel->resize(0, m_dateLabel->fontMetrics()
                                   .boundingRect(QRect(), Qt::AlignLeft, QStringLiteral("0"))
                                   .height());
    const int top = m_options.contains(coShowDateLabel)
                        ? (m_footerPanel->height() - m_dateLabel->height()) / 2
                        : -100;
    m_dateLabel->move(m_dateLabel->x(), top);
}

void TmxCustomCalendar::setHeaderFormat(TmxHeaderFormat format)
{
    if (format == m_headerFormat)
        return;
    m_headerFormat = format;
    UpdateCalendar();
}

void TmxCustomCalendar::setFirstDayOfWeek(TmxFirstDayOfWeek first)
{
    if (first == m_firstDayOfWeek)
        return;
    m_firstDayOfWeek = first;
    update(); // the repaint refreshes
}

void TmxCustomCalendar::setCursor(const QCursor& cursor)
{
    const QCursor old = this->cursor();
    if (cursor.shape() == old.shape() && cursor.shape() != Qt::BitmapCursor)
        return;
    QWidget::setCursor(cursor);
    UpdateCalendar();
}

QString TmxCustomCalendar::version() const
{
    return QStringLiteral("%1.%2").arg(m_version >> 8).arg(m_version & 0xFF);
}

void TmxCustomCalendar::setBevelOuter(TmxBevel bevel)
{
    if (bevel == m_bevelOuter)
        return;
    m_bevelOuter = bevel;
    alignPanels();
    update();
}

void TmxCustomCalendar::setBevelInner(TmxBevel bevel)
{
    if (bevel == m_bevelInner)
        return;
    m_bevelInner = bevel;
    alignPanels();
    update();
}

void TmxCustomCalendar::setBevelWidth(int width)
{
    if (width == m_bevelWidth || width < 1)
        return;
    m_bevelWidth = width;
    alignPanels();
    update();
}

void TmxCustomCalendar::setBorderWidth(int width)
{
    if (width == m_borderWidth || width < 0)
        return;
    m_borderWidth = width;
    update();
    UpdateCalendar();
}

void TmxCustomCalendar::setBorderStyle(TmxBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    alignPanels();
    update();
}
