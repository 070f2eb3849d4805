#pragma once

#include <QPixmap>
#include <QToolButton>

// A navigation button of the calendar: a flat tool button that shows its glyph
// when it has one and its short text only while the glyph is empty.
class TmxCalendarButton : public QToolButton
{
    Q_OBJECT
public:
    explicit TmxCalendarButton(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }

    QPixmap glyph() const { return m_glyph; }
    void setGlyph(const QPixmap& glyph);

    bool flat() const { return autoRaise(); }
    void setFlat(bool flat) { setAutoRaise(flat); }

    // A transparent button lets its parent's background show around its face.
    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);

private:
    QString m_caption;
    QPixmap m_glyph;
    bool m_transparent = false;
};
