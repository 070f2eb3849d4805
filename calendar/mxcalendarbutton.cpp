#include "calendar/mxcalendarbutton.h"

TmxCalendarButton::TmxCalendarButton(const QString& caption, QWidget* parent)
    : QToolButton(parent), m_caption(caption)
{
    setText(caption);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void TmxCalendarButton::setGlyph(const QPixmap& glyph)
{
    m_glyph = glyph;
    setIcon(QIcon(glyph));
    if (!glyph.isNull())
        setIconSize(glyph.size());
    setToolButtonStyle(glyph.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    setText(glyph.isNull() ? m_caption : QString());
}

void TmxCalendarButton::setTransparent(bool transparent)
{
    m_transparent = transparent;
    setAutoFillBackground(!transparent);
}
