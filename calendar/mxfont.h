#pragma once

#include <QColor>
#include <QFont>
#include <functional>

// A font together with its colour, the way the calendar's style fonts carry
// both. Each write that changes an attribute raises the change notification;
// a write of an equal value raises nothing. Copies take the attributes, never
// the change handler.
class TmxFont
{
public:
    using ChangeHandler = std::function<void()>;

    TmxFont();
    TmxFont(const QFont& font, const QColor& color);
    TmxFont(const TmxFont& other) : m_font(other.m_font), m_color(other.m_color) {}
    // Assignment copies the attributes (notifying when they differ).
    TmxFont& operator=(const TmxFont& other);

    const QFont& font() const { return m_font; }
    QColor color() const { return m_color; }
    QString family() const { return m_font.family(); }
    int pixelSize() const { return m_font.pixelSize(); }
    bool bold() const { return m_font.bold(); }
    bool italic() const { return m_font.italic(); }

    void setFont(const QFont& font);
    void setColor(const QColor& color);
    void setFamily(const QString& family);
    void setPixelSize(int pixels);
    void setBold(bool bold);
    void setItalic(bool italic);
    void setUnderline(bool underline);
    void assign(const TmxFont& other);

    void setOnChange(ChangeHandler handler) { m_onChange = std::move(handler); }

    bool operator==(const TmxFont& other) const
    {
        return m_font == other.m_font && m_color == other.m_color;
    }

    // Liberation Sans 11 pixels: the nearest match of the classic dialog font.
    static QFont defaultFont();

private:
    void changed();

    QFont m_font;
    QColor m_color;
    ChangeHandler m_onChange;
};
