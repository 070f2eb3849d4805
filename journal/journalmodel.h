#pragma once

#include <QAbstractTableModel>

class Dataset;

// The journal grid's view of the journal dataset: date, level, mark. The mark
// column is checkable, but a click only reports the row; the handler stores the
// toggled mark and reopens the dataset, which then shows the stored value.
class JournalModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        DateColumn,
        LevelColumn,
        MarkColumn,
        ColumnCount
    };

    explicit JournalModel(Dataset& dataset, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void markClicked(int row);

private:
    Dataset& m_dataset;
};
