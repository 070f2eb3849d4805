#pragma once

#include <QWidget>

class TmxFont;

// The light panel the calendar is built of: header, footer, day area and each
// grid cell. It fills itself with its colour, draws a raised one-pixel frame
// unless Flat, and writes its caption centred both ways in its font and font
// colour; a caption taller than the space inside the frame is not drawn.
// Colour and font colour follow the parent until written.
class TmxPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TmxPanel(QWidget* parent = nullptr);

    bool flat() const { return m_flat; }
    void setFlat(bool flat);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    QColor color() const;
    void setColor(const QColor& color);
    QColor fontColor() const;
    void setFontColor(const QColor& color);
    // The font and its colour in one.
    void setCellFont(const TmxFont& font);

    // The month of the day the cell shows, as the day styling last recorded it.
    int month() const { return m_month; }
    void setMonth(int month) { m_month = month; }

    // Where the caption goes; empty when it does not fit.
    QRect captionRect() const;

signals:
    void mouseDown(Qt::MouseButton button, Qt::MouseButtons buttons);
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QRect innerRect() const;
    static constexpr int textFlags = Qt::AlignHCenter | Qt::TextExpandTabs;

    QString m_caption;
    bool m_flat = false;
    bool m_pressed = false;
    int m_month = 0;
};
