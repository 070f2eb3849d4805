#include "calendar/mxcalendar.h"
#include "calendar/mxdateformat.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Colours written as 0x00BBGGRR numbers, the way the classic defaults are known.
QColor bgr(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

double fraction(mx::DateTime value)
{
    return value - std::trunc(value);
}

} // namespace

TmxCustomCalendar::TmxCustomCalendar(QWidget* parent) : QWidget(parent)
{
    resize(250, 230);
    setFont(TmxFont::defaultFont());

    m_dayColor = bgr(0xFFFF);
    m_weekEndColor = bgr(0xFFFF00);
    m_selectedColor = bgr(0x800000);
    m_dayNameColor = bgr(0xFF8000);
    m_weekColor = bgr(0xFF8000);
    m_todayColor = bgr(0x4080FF);
    m_indirectColor = color();
    m_badLuckColor = bgr(0xA4A0A0);
    m_luckyDayColor = bgr(0xFF00);
    m_options = mxDefaultCalendarOptions;

    const auto refresh = [this] { UpdateCalendar(); };
    m_messages.setOnChange(refresh);

    m_selectedFont.setColor(Qt::white);
    m_weeksFont.setColor(Qt::white);
    m_weekEndFont.setColor(Qt::black);
    m_weekDaysFont.setColor(Qt::white);
    for (TmxFont* font :
         {&m_selectedFont, &m_todayFont, &m_dayFont, &m_indirectFont, &m_badLuckFont,
          &m_luckyDayFont, &m_weekDaysFont, &m_weeksFont, &m_weekEndFont})
        font->setOnChange(refresh);

    m_firstDayOfWeek = fdMonday;
    m_headerFormat = hfMMMMYYYY;
    m_dateFormat = QStringLiteral("dd.mm.yyyy");
    createParts();
    m_selectionStart = 0;
    m_selectionEnd = 0;
    AssignDate(mx::currentDate());
    m_version = (2 << 8) | 11;
    m_constructed = true;
}

TmxCustomCalendar::~TmxCustomCalendar()
{
    // The parts go with the widget tree; the handlers must not outlive the
    // members they would reach while children are destroyed.
    m_messages.setOnChange({});
    for (TmxFont* font :
         {&m_selectedFont, &m_todayFont, &m_dayFont, &m_indirectFont, &m_badLuckFont,
          &m_luckyDayFont, &m_weekDaysFont, &m_weeksFont, &m_weekEndFont})
        font->setOnChange({});
}

void TmxCustomCalendar::createParts()
{
    auto forward = [this](TmxPanel* panel) {
        connect(panel, &TmxPanel::clicked, this, &TmxCustomCalendar::Click);
        connect(panel, &TmxPanel::doubleClicked, this, &TmxCustomCalendar::DblClick);
    };
    QFont bold;
    bold.setBold(true);

    m_headerPanel = new TmxPanel(this);
    m_headerPanel->setObjectName(QStringLiteral("HeaderPanel"));
    m_headerPanel->resize(width(), 26);
    m_headerPanel->setFont(bold);
    forward(m_headerPanel);

    m_footerPanel = new TmxPanel(this);
    m_footerPanel->setObjectName(QStringLiteral("FooterPanel"));
    m_footerPanel->resize(width(), 26);
    forward(m_footerPanel);

    m_dateLabel = new QLabel(m_footerPanel);
    m_dateLabel->setObjectName(QStringLiteral("DateLabel"));
    m_dateLabel->move(3, 0);
    m_dateLabel->setFont(bold);
    m_dateLabel->installEventFilter(this);
    placeDateLabel();

    m_daysPanel = new TmxPanel(this);
    m_daysPanel->setObjectName(QStringLiteral("DaysPanel"));
    forward(m_daysPanel);

    auto button = [](const char* name, const QString& caption, QWidget* parent) {
        auto* b = new TmxCalendarButton(caption, parent);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(0, 2, 23, 22);
        return b;
    };
    m_yearPlusBtn = button("YearPlusBtn", QStringLiteral(">>"), m_headerPanel);
    m_yearMinusBtn = button("YearMinusBtn", QStringLiteral("<<"), m_headerPanel);
    m_monthPlusBtn = button("MonthPlusBtn", QStringLiteral(">"), m_headerPanel);
    m_monthMinusBtn = button("MonthMinusBtn", QStringLiteral("<"), m_headerPanel);
    m_todayBtn = button("TodayBtn", QStringLiteral("T"), m_footerPanel);
    m_clearBtn = button("ClearBtn", QStringLiteral("C"), m_footerPanel);
    m_clearBtn->hide();
    connect(m_yearPlusBtn, &QToolButton::clicked, this, &TmxCustomCalendar::yearPlusClick);
    connect(m_yearMinusBtn, &QToolButton::clicked, this, &TmxCustomCalendar::yearMinusClick);
    connect(m_monthPlusBtn, &QToolButton::clicked, this, &TmxCustomCalendar::monthPlusClick);
    connect(m_monthMinusBtn, &QToolButton::clicked, this, &TmxCustomCalendar::monthMinusClick);
    connect(m_todayBtn, &QToolButton::clicked, this, &TmxCustomCalendar::todayClick);
    connect(m_clearBtn, &QToolButton::clicked, this, &TmxCustomCalendar::clearClick);

    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 8; ++c) {
            auto* cell = new TmxPanel(m_daysPanel);
            cell->setObjectName(QStringLiteral("Cell_%1_%2").arg(r).arg(c));
            m_cells[r][c] = cell;
            if (c == 0) {
                cell->setColor(m_weekColor);
            } else if (r == 0) {
                cell->setColor(m_dayNameColor);
            } else {
                cell->setColor(m_dayColor);
                connect(cell, &TmxPanel::mouseDown, this,
                        [this, cell](Qt::MouseButton, Qt::MouseButtons buttons) {
                            dayCellMouseDown(cell, buttons);
                        });
                forward(cell);
            }
        }
    }
    alignPanels();
}

void TmxCustomCalendar::Loaded()
{
    m_loading = false;
    setClearButtonGlyph(clearButtonGlyph());
    setTodayButtonGlyph(todayButtonGlyph());
    setYearMinusGlyph(yearMinusGlyph());
    setYearPlusGlyph(yearPlusGlyph());
    setMonthMinusGlyph(monthMinusGlyph());
    setMonthPlusGlyph(monthPlusGlyph());
    if (m_options.contains(csSetTodayOnStartup))
        AssignDate(mx::currentDate());
    UpdateCalendar();
}

// --- the shown date ---

void TmxCustomCalendar::setYear(int year)
{
    if (year == m_year)
        return;
    m_year = std::clamp(year, 1900, 2100);
    if (!m_loading)
        UpdateCalendar();
}

void TmxCustomCalendar::setMonth(int month)
{
    if (month == m_month)
        return;
    m_month = std::clamp(month, 1, 12);
    m_day = std::min(m_day, DaysInMonth(m_year, m_month));
    if (!m_loading)
        UpdateCalendar();
}

void TmxCustomCalendar::setDay(int day)
{
    if (day == m_day)
        return;
    m_day = std::clamp(day, 1, DaysInMonth(m_year, m_month));
    if (!m_loading)
        UpdateCalendar();
}

void TmxCustomCalendar::SetDate(const QDate& date)
{
    AssignDate(date);
    UpdateCalendar();
}

QDate TmxCustomCalendar::GetDate() const
{
    return QDate(m_year, m_month, m_day);
}

void TmxCustomCalendar::AssignDate(const QDate& date)
{
    m_year = date.year();
    m_month = date.month();
    m_day = date.day();
}

// --- selection ---

void TmxCustomCalendar::SetSelectionStart(mx::DateTime value)
{
    if (value == m_selectionStart)
        return;
    m_selectionStart = value;
    if (m_selectionStart > m_selectionEnd ||
        (!m_options.contains(csSelectionEnabled) && m_selectionStart != m_selectionEnd))
        SetSelectionEnd(m_selectionStart);
    AssignDate(mx::dateOf(value));
    UpdateCalendar();
}

void TmxCustomCalendar::SetSelectionEnd(mx::DateTime value)
{
    if (value == m_selectionEnd)
        return;
    m_selectionEnd = value;
    if (m_selectionEnd < m_selectionStart ||
        (!m_options.contains(csSelectionEnabled) && m_selectionStart != m_selectionEnd))
        SetSelectionStart(m_selectionEnd);
    UpdateCalendar();
}

void TmxCustomCalendar::dayCellMouseDown(TmxPanel* cell, Qt::MouseButtons buttons)
{
    const int cellMonth = cell->month();
    if (cellMonth == 0) // never styled yet: the cell shows no day
        return;
    int cellYear = m_year;
    if (cellMonth == 12 && m_month == 1)
        --cellYear;
    else if (cellMonth == 1 && m_month == 12)
        ++cellYear;
    const mx::DateTime date = mx::encodeDate(cellYear, cellMonth, cell->caption().toInt());
    // The time of day of the old start and end survives the new date.
    if (buttons & Qt::LeftButton)
        SetSelectionStart(date + fraction(m_selectionStart));
    if ((buttons & Qt::RightButton) && m_options.contains(csSelectionEnabled))
        SetSelectionEnd(date + fraction(m_selectionEnd));
}

// --- navigation: the buttons change the fields directly, without the year clamp ---

void TmxCustomCalendar::yearPlusClick()
{
    ++m_year;
    UpdateCalendar();
    Click();
}

void TmxCustomCalendar::yearMinusClick()
{
    --m_year;
    UpdateCalendar();
    Click();
}

void TmxCustomCalendar::monthPlusClick()
{
    if (m_month == 12) {
        ++m_year;
        m_month = 1;
    } else {
        ++m_month;
    }
    UpdateCalendar();
    Click();
}

void TmxCustomCalendar::monthMinusClick()
{
    if (m_month == 1) {
        --m_year;
        m_month = 12;
    } else {
        --m_month;
    }
    UpdateCalendar();
    Click();
}

void TmxCustomCalendar::todayClick()
{
    SetDate(mx::currentDate());
    Click();
}

void TmxCustomCalendar::clearClick()
{
    m_selectionStart = 0;
    m_selectionEnd = 0;
    UpdateCalendar();
    Click();
}

// --- events ---

void TmxCustomCalendar::DoGetCursor(TmxItemType item, QCursor& cursor)
{
    if (m_onGetCursor)
        m_onGetCursor(this, item, cursor);
}

void TmxCustomCalendar::DoGetItemStyle(TmxStyleType style, TmxFont& font, QColor& color,
                                       const QDate& date)
{
    if (m_onGetItemStyle)
        m_onGetItemStyle(this, style, date, font, color);
}

void TmxCustomCalendar::DoGetItemLuckStyle(TmxStyleType& style, const QDate& date)
{
    if (m_onGetItemLuckStyle)
        m_onGetItemLuckStyle(this, date, style);
}

// --- the widget ---

QRect TmxCustomCalendar::clientArea() const
{
    int inset = m_borderWidth;
    if (m_borderStyle == bsSingle)
        inset += 2;
    if (m_bevelOuter != bvNone)
        inset += m_bevelWidth;
    if (m_bevelInner != bvNone)
        inset += m_bevelWidth;
    return rect().adjusted(inset, inset, -inset, -inset);
}

// Docks the header at the top and the footer at the bottom of the client
// area (when their options keep them docked) and gives the rest to the days.
void TmxCustomCalendar::alignPanels()
{
    const QRect area = clientArea();
    int top = area.top();
    int bottom = area.bottom() + 1;
    if (m_headerDocked) {
        m_headerPanel->setGeometry(area.left(), top, area.width(), m_headerPanel->height());
        top += m_headerPanel->height();
    }
    if (m_footerDocked) {
        const int h = m_footerPanel->height();
        m_footerPanel->setGeometry(area.left(), bottom - h, area.width(), h);
        bottom -= h;
    }
    m_daysPanel->setGeometry(area.left(), top, area.width(), std::max(0, bottom - top));
}

void TmxCustomCalendar::paintFrame(QPainter& p) const
{
    p.fillRect(rect(), color());
    QRect r = rect();
    auto edge = [&](const QColor& topLeft, const QColor& bottomRight, int width) {
        for (int i = 0; i < width; ++i) {
            p.setPen(topLeft);
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(bottomRight);
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
            r.adjust(1, 1, -1, -1);
        }
    };
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    if (m_borderStyle == bsSingle)
        edge(dark, light, 2);
    if (m_bevelOuter != bvNone)
        edge(m_bevelOuter == bvLowered ? dark : light, m_bevelOuter == bvLowered ? light : dark,
             m_bevelWidth);
    r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    if (m_bevelInner != bvNone)
        edge(m_bevelInner == bvLowered ? dark : light, m_bevelInner == bvLowered ? light : dark,
             m_bevelWidth);
}

void TmxCustomCalendar::paintEvent(QPaintEvent*)
{
    {
        QPainter p(this);
        paintFrame(p);
    }
    // A handler that opens a dialog inside the refresh lets the event loop
    // paint again: that paint does not start a second refresh.
    if (m_refreshing)
        return;
    try {
        UpdateCalendar();
    } catch (const TmxDateFormatError& e) {
        // Only the date label, the last step, can fail; it keeps its text.
        qWarning("TmxCalendar: %s", e.what());
    }
}

void TmxCustomCalendar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (width() < 98) {
        resize(108, height());
        return;
    }
    ArrangeControls();
}

void TmxCustomCalendar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (!m_constructed)
        return;
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::FontChange:
        UpdateCalendar();
        break;
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
}

bool TmxCustomCalendar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_dateLabel) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_dateLabelPressed = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
            return true;
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(event);
            const bool click = m_dateLabelPressed && me->button() == Qt::LeftButton &&
                               m_dateLabel->rect().contains(me->position().toPoint());
            m_dateLabelPressed = false;
            if (click)
                Click();
            return true;
        }
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                DblClick();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
