#pragma once

#include <QStyledItemDelegate>

// Paints a journal level as a green bar from 0 to 100 with its number drawn in
// one colour across the whole bar.
class LevelBarDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
