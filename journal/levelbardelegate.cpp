#include "journal/levelbardelegate.h"

#include <QPainter>

void LevelBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    QStyledItemDelegate::paint(painter, background, QModelIndex());

    const int level = std::clamp(index.data(Qt::DisplayRole).toInt(), 0, 100);
    const QRect frame = option.rect.adjusted(2, 2, -3, -3);
    painter->save();
    painter->setPen(QColor(128, 128, 128));
    painter->setBrush(Qt::white);
    painter->drawRect(frame);
    const QRect inner = frame.adjusted(1, 1, 0, 0);
    painter->fillRect(QRect(inner.topLeft(), QSize(inner.width() * level / 100, inner.height())),
                      QColor(0, 128, 0));
    painter->setPen(Qt::black);
    painter->drawText(frame, Qt::AlignCenter, QStringLiteral("%1%").arg(level));
    painter->restore();
}
