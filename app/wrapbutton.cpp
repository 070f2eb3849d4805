#include "app/wrapbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect textRect = style()
                               ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
                               .adjusted(2, 2, -2, -2);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, text());
}
