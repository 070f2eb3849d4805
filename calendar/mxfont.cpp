#include "calendar/mxfont.h"

#include <QGuiApplication>
#include <QPalette>

TmxFont::TmxFont()
    : m_font(defaultFont()), m_color(QGuiApplication::palette().color(QPalette::WindowText))
{
}

TmxFont::TmxFont(const QFont& font, const QColor& color) : m_font(font), m_color(color) {}

TmxFont& TmxFont::operator=(const TmxFont& other)
{
    assign(other);
    return *this;
}

QFont TmxFont::defaultFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    return font;
}

void TmxFont::changed()
{
    if (m_onChange)
        m_onChange();
}

void TmxFont::setFont(const QFont& font)
{
    if (font == m_font)
        return;
    m_font = font;
    changed();
}

void TmxFont::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    changed();
}

void TmxFont::setFamily(const QString& family)
{
    QFont f = m_font;
    f.setFamily(family);
    setFont(f);
}

void TmxFont::setPixelSize(int pixels)
{
    QFont f = m_font;
    f.setPixelSize(pixels);
    setFont(f);
}

void TmxFont::setBold(bool bold)
{
    QFont f = m_font;
    f.setBold(bold);
    setFont(f);
}

void TmxFont::setItalic(bool italic)
{
    QFont f = m_font;
    f.setItalic(italic);
    setFont(f);
}

void TmxFont::setUnderline(bool underline)
{
    QFont f = m_font;
    f.setUnderline(underline);
    setFont(f);
}

void TmxFont::assign(const TmxFont& other)
{
    if (other == *this)
        return;
    m_font = other.m_font;
    m_color = other.m_color;
    changed();
}
