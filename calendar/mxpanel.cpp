#include "calendar/mxpanel.h"

#include "calendar/mxfont.h"

#include <QMouseEvent>
#include <QPainter>

TmxPanel::TmxPanel(QWidget* parent) : QWidget(parent)
{
    // The panel paints every pixel itself, so repainting it never asks the
    // parent to paint underneath: the calendar's refresh runs in the
    // calendar's paint and may invalidate cells without a repaint loop.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TmxPanel::setFlat(bool flat)
{
    if (flat == m_flat)
        return;
    m_flat = flat;
    update();
}

void TmxPanel::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

QColor TmxPanel::color() const
{
    return palette().color(QPalette::Window);
}

void TmxPanel::setColor(const QColor& color)
{
    if (color == this->color())
        return;
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QColor TmxPanel::fontColor() const
{
    return palette().color(QPalette::WindowText);
}

void TmxPanel::setFontColor(const QColor& color)
{
    if (color == fontColor())
        return;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void TmxPanel::setCellFont(const TmxFont& font)
{
    setFont(font.font());
    setFontColor(font.color());
}

QRect TmxPanel::innerRect() const
{
    return m_flat ? rect() : rect().adjusted(1, 1, -1, -1);
}

QRect TmxPanel::captionRect() const
{
    QRect r = innerRect();
    const int h = fontMetrics().boundingRect(r, textFlags, m_caption).height();
    if (r.height() <= h)
        return QRect();
    r.setTop(r.top() + (r.height() - h) / 2);
    r.setHeight(h);
    return r;
}

void TmxPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), color());
    if (!m_flat) {
        const QRect r = rect();
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    if (m_caption.isEmpty())
        return;
    const QRect r = captionRect();
    if (r.isEmpty())
        return;
    p.setFont(font());
    p.setPen(fontColor());
    int flags = textFlags;
    if (layoutDirection() == Qt::RightToLeft)
        flags |= Qt::TextForceRightToLeft;
    p.drawText(r, flags, m_caption);
}

void TmxPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    update();
}

// Mouse input stays with the panel: a click on a cell that has no use for it
// must not reach the panel underneath.
void TmxPanel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    emit mouseDown(event->button(), event->buttons());
}

void TmxPanel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void TmxPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    // The second press of a double click is a mouse-down as well, but its
    // release is no further click.
    emit mouseDown(event->button(), event->buttons());
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
