#pragma once

#include "calendar/mxcalendarbutton.h"
#include "calendar/mxcalendartypes.h"
#include "calendar/mxdatetime.h"
#include "calendar/mxfont.h"
#include "calendar/mxmessages.h"
#include "calendar/mxpanel.h"

#include <QCursor>
#include <QDate>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;

// A month calendar built of small panels: a header with the title and four
// navigation buttons, a grid of day names, week numbers and 42 days, and a
// footer with a date label and the today and clear buttons.
//
// Every day shown is offered to OnGetItemLuckStyle first; a lucky or unlucky
// day is painted in its luck colour and font ahead of every other style.
//
// The refresh (UpdateCalendar) rebuilds captions, styles, week numbers,
// cursors and the date label. Every property write ends in it (except the few
// that recolour cells directly), and so does every paint of the control. The
// cells paint opaquely, so invalidating them from the refresh never repaints
// the control itself: no repaint loop, however often it runs.
class TmxCustomCalendar : public QWidget
{
    Q_OBJECT
public:
    using GetItemLuckStyleEvent =
        std::function<void(TmxCustomCalendar* sender, const QDate& date, TmxStyleType& style)>;
    using GetItemStyleEvent = std::function<void(TmxCustomCalendar* sender, TmxStyleType style,
                                                 const QDate& date, TmxFont& font, QColor& color)>;
    using GetCursorEvent =
        std::function<void(TmxCustomCalendar* sender, TmxItemType item, QCursor& cursor)>;

    explicit TmxCustomCalendar(QWidget* parent = nullptr);
    ~TmxCustomCalendar() override;

    // While loading, Year, Month and Day are stored without a refresh;
    // Loaded() then applies csSetTodayOnStartup and refreshes once.
    void BeginLoading() { m_loading = true; }
    bool isLoading() const { return m_loading; }
    virtual void Loaded();

    // --- the shown date ---
    int year() const { return m_year; }
    void setYear(int year);
    int month() const { return m_month; }
    void setMonth(int month);
    int day() const { return m_day; }
    void setDay(int day);

    void SetDate(const QDate& date);
    QDate GetDate() const;
    void AssignDate(const QDate& date);

    // --- selection: date-times, 0 and 0 meaning none ---
    mx::DateTime selectionStart() const { return m_selectionStart; }
    mx::DateTime selectionEnd() const { return m_selectionEnd; }
    void SetSelectionStart(mx::DateTime value);
    void SetSelectionEnd(mx::DateTime value);

    // --- arithmetic ---
    int DaysInMonth(int year, int month) const { return mx::daysInMonth(year, month); }
    // Weekday 1 (Sunday) ... 7 (Saturday) to its column 1..7.
    int WeekDayIndex(int weekday) const;
    int FirstWeekOfMonth() const;
    int WeeksInYear(int year) const;

    // --- appearance ---
    QString dateFormat() const { return m_dateFormat; }
    void setDateFormat(const QString& format);

    QColor color() const { return palette().color(QPalette::Window); }
    void setColor(const QColor& color);
    QColor dayColor() const { return m_dayColor; }
    void setDayColor(const QColor& color);
    QColor weekEndColor() const { return m_weekEndColor; }
    void setWeekEndColor(const QColor& color);
    QColor selectedColor() const { return m_selectedColor; }
    void setSelectedColor(const QColor& color);
    QColor dayNameColor() const { return m_dayNameColor; }
    void setDayNameColor(const QColor& color);
    QColor weekColor() const { return m_weekColor; }
    void setWeekColor(const QColor& color);
    QColor todayColor() const { return m_todayColor; }
    void setTodayColor(const QColor& color);
    QColor indirectColor() const { return m_indirectColor; }
    void setIndirectColor(const QColor& color);
    QColor badLuckColor() const { return m_badLuckColor; }
    void setBadLuckColor(const QColor& color);
    QColor luckyDayColor() const { return m_luckyDayColor; }
    void setLuckyDayColor(const QColor& color);
    QColor headerColor() const;
    void setHeaderColor(const QColor& color);
    QColor footerColor() const;
    void setFooterColor(const QColor& color);

    TmxCalendarOptions options() const { return m_options; }
    void setOptions(TmxCalendarOptions options);

    TmxMessages& messages() { return m_messages; }
    void setMessages(const TmxMessages& messages);

    // The style fonts are the control's own; a change of any of their
    // attributes refreshes the control. The setters copy the attributes.
    TmxFont& selectedFont() { return m_selectedFont; }
    void setSelectedFont(const TmxFont& font) { m_selectedFont.assign(font); }
    TmxFont& dayFont() { return m_dayFont; }
    void setDayFont(const TmxFont& font) { m_dayFont.assign(font); }
    TmxFont& todayFont() { return m_todayFont; }
    void setTodayFont(const TmxFont& font) { m_todayFont.assign(font); }
    TmxFont& weeksFont() { return m_weeksFont; }
    void setWeeksFont(const TmxFont& font) { m_weeksFont.assign(font); }
    TmxFont& weekEndFont() { return m_weekEndFont; }
    void setWeekEndFont(const TmxFont& font) { m_weekEndFont.assign(font); }
    TmxFont& weekDaysFont() { return m_weekDaysFont; }
    void setWeekDaysFont(const TmxFont& font) { m_weekDaysFont.assign(font); }
    TmxFont& indirectFont() { return m_indirectFont; }
    void setIndirectFont(const TmxFont& font) { m_indirectFont.assign(font); }
    TmxFont& badLuckFont() { return m_badLuckFont; }
    void setBadLuckFont(const TmxFont& font) { m_badLuckFont.assign(font); }
    TmxFont& luckyDayFont() { return m_luckyDayFont; }
    void setLuckyDayFont(const TmxFont& font) { m_luckyDayFont.assign(font); }
    TmxFont dateLabelFont() const;
    void setDateLabelFont(const TmxFont& font);

    QPixmap clearButtonGlyph() const { return m_clearBtn->glyph(); }
    void setClearButtonGlyph(const QPixmap& glyph) { m_clearBtn->setGlyph(glyph); }
    QPixmap todayButtonGlyph() const { return m_todayBtn->glyph(); }
    void setTodayButtonGlyph(const QPixmap& glyph) { m_todayBtn->setGlyph(glyph); }
    QPixmap yearMinusGlyph() const { return m_yearMinusBtn->glyph(); }
    void setYearMinusGlyph(const QPixmap& glyph) { m_yearMinusBtn->setGlyph(glyph); }
    QPixmap yearPlusGlyph() const { return m_yearPlusBtn->glyph(); }
    void setYearPlusGlyph(const QPixmap& glyph) { m_yearPlusBtn->setGlyph(glyph); }
    QPixmap monthMinusGlyph() const { return m_monthMinusBtn->glyph(); }
    void setMonthMinusGlyph(const QPixmap& glyph) { m_monthMinusBtn->setGlyph(glyph); }
    QPixmap monthPlusGlyph() const { return m_monthPlusBtn->glyph(); }
    void setMonthPlusGlyph(const QPixmap& glyph) { m_monthPlusBtn->setGlyph(glyph); }

    TmxHeaderFormat headerFormat() const { return m_headerFormat; }
    void setHeaderFormat(TmxHeaderFormat format);
    TmxFirstDayOfWeek firstDayOfWeek() const { return m_firstDayOfWeek; }
    void setFirstDayOfWeek(TmxFirstDayOfWeek first);

    // The cursor of every part unless OnGetCursor says otherwise; a change
    // refreshes so that all parts take it.
    void setCursor(const QCursor& cursor);

    QString version() const;
    void setVersion(const QString&) {} // the version is the control's own

    // The panel frame around the parts, as bevels and a border of the control's colour.
    TmxBevel bevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(TmxBevel bevel);
    TmxBevel bevelInner() const { return m_bevelInner; }
    void setBevelInner(TmxBevel bevel);
    int bevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    TmxBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TmxBorderStyle style);
    // The area left inside border and bevels, where the parts are docked.
    QRect clientArea() const;

    // --- events ---
    void setOnGetItemLuckStyle(GetItemLuckStyleEvent handler)
    {
        m_onGetItemLuckStyle = std::move(handler);
    }
    void setOnGetItemStyle(GetItemStyleEvent handler) { m_onGetItemStyle = std::move(handler); }
    void setOnGetCursor(GetCursorEvent handler) { m_onGetCursor = std::move(handler); }

    // --- the parts ---
    TmxPanel* headerPanel() const { return m_headerPanel; }
    TmxPanel* footerPanel() const { return m_footerPanel; }
    TmxPanel* daysPanel() const { return m_daysPanel; }
    QLabel* dateLabel() const { return m_dateLabel; }
    // Row 0 holds the corner and the day names, column 0 the week numbers.
    TmxPanel* cell(int row, int column) const { return m_cells[row][column]; }
    TmxCalendarButton* yearPlusBtn() const { return m_yearPlusBtn; }
    TmxCalendarButton* yearMinusBtn() const { return m_yearMinusBtn; }
    TmxCalendarButton* monthPlusBtn() const { return m_monthPlusBtn; }
    TmxCalendarButton* monthMinusBtn() const { return m_monthMinusBtn; }
    TmxCalendarButton* todayBtn() const { return m_todayBtn; }
    TmxCalendarButton* clearBtn() const { return m_clearBtn; }

    // The refresh; see the class comment.
    virtual void UpdateCalendar();
    void ArrangeControls();
    void UpdateCaptions();

signals:
    // After a navigation button has done its work, and on a click on the
    // header, the footer, the date label, the day area or a day cell.
    void clicked();
    void doubleClicked();

protected:
    virtual void ApplyDayStyle(TmxPanel* cell, int year, int month);
    virtual void DoGetCursor(TmxItemType item, QCursor& cursor);
    virtual void DoGetItemStyle(TmxStyleType style, TmxFont& font, QColor& color,
                                const QDate& date);
    virtual void DoGetItemLuckStyle(TmxStyleType& style, const QDate& date);
    void StyleCell(TmxPanel* cell, TmxStyleType style, mx::DateTime date);

    void Click() { emit clicked(); }
    void DblClick() { emit doubleClicked(); }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createParts();
    void alignPanels();
    void placeDateLabel();
    void setStyleColor(QColor& field, const QColor& color);
    QString dateLabelText() const;
    void dayCellMouseDown(TmxPanel* cell, Qt::MouseButtons buttons);
    void paintFrame(QPainter& painter) const;

    void yearPlusClick();
    void yearMinusClick();
    void monthPlusClick();
    void monthMinusClick();
    void todayClick();
    void clearClick();

    GetItemStyleEvent m_onGetItemStyle;
    GetItemLuckStyleEvent m_onGetItemLuckStyle;
    GetCursorEvent m_onGetCursor;
    int m_year = 0;
    int m_month = 1;
    int m_day = 1;

    QLabel* m_dateLabel = nullptr;
    TmxPanel* m_headerPanel = nullptr;
    TmxPanel* m_footerPanel = nullptr;
    TmxPanel* m_daysPanel = nullptr;
    std::array<std::array<TmxPanel*, 8>, 7> m_cells{};
    TmxCalendarButton* m_yearPlusBtn = nullptr;
    TmxCalendarButton* m_yearMinusBtn = nullptr;
    TmxCalendarButton* m_monthPlusBtn = nullptr;
    TmxCalendarButton* m_monthMinusBtn = nullptr;
    TmxCalendarButton* m_todayBtn = nullptr;
    TmxCalendarButton* m_clearBtn = nullptr;

    QColor m_dayColor, m_selectedColor, m_dayNameColor, m_weekColor, m_todayColor;
    QColor m_indirectColor, m_badLuckColor, m_luckyDayColor, m_weekEndColor;
    QString m_dateFormat;
    TmxCalendarOptions m_options;
    TmxMessages m_messages;
    TmxFirstDayOfWeek m_firstDayOfWeek = fdMonday;
    TmxHeaderFormat m_headerFormat = hfMMMMYYYY;
    quint16 m_version = 0;
    TmxFont m_selectedFont, m_todayFont, m_dayFont, m_indirectFont, m_badLuckFont;
    TmxFont m_luckyDayFont, m_weekDaysFont, m_weeksFont, m_weekEndFont;
    mx::DateTime m_selectionStart = 0;
    mx::DateTime m_selectionEnd = 0;

    TmxBevel m_bevelOuter = bvLowered;
    TmxBevel m_bevelInner = bvNone;
    int m_bevelWidth = 1;
    int m_borderWidth = 1;
    TmxBorderStyle m_borderStyle = bsNone;
    bool m_headerDocked = true;
    bool m_footerDocked = true;
    bool m_loading = false;
    bool m_constructed = false;
    bool m_refreshing = false;
    bool m_dateLabelPressed = false;
};

// The control as forms use it.
class TmxCalendar : public TmxCustomCalendar
{
    Q_OBJECT
    Q_PROPERTY(int Year READ year WRITE setYear)
    Q_PROPERTY(int Month READ month WRITE setMonth)
    Q_PROPERTY(int Day READ day WRITE setDay)
    Q_PROPERTY(QString DateFormat READ dateFormat WRITE setDateFormat)
    Q_PROPERTY(QColor DayColor READ dayColor WRITE setDayColor)
    Q_PROPERTY(QColor WeekEndColor READ weekEndColor WRITE setWeekEndColor)
    Q_PROPERTY(QColor SelectedColor READ selectedColor WRITE setSelectedColor)
    Q_PROPERTY(QColor DayNameColor READ dayNameColor WRITE setDayNameColor)
    Q_PROPERTY(QColor WeekColor READ weekColor WRITE setWeekColor)
    Q_PROPERTY(QColor TodayColor READ todayColor WRITE setTodayColor)
    Q_PROPERTY(QColor IndirectColor READ indirectColor WRITE setIndirectColor)
    Q_PROPERTY(QColor BadLuckColor READ badLuckColor WRITE setBadLuckColor)
    Q_PROPERTY(QColor LuckyDayColor READ luckyDayColor WRITE setLuckyDayColor)
    Q_PROPERTY(QColor HeaderColor READ headerColor WRITE setHeaderColor)
    Q_PROPERTY(QColor FooterColor READ footerColor WRITE setFooterColor)
    Q_PROPERTY(QString Version READ version WRITE setVersion)
public:
    explicit TmxCalendar(QWidget* parent = nullptr) : TmxCustomCalendar(parent) {}
};
