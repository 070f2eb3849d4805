#include "journal/journalmodel.h"

#include "store/dataset.h"

namespace {
const char* const FieldNames[] = {"date", "level", "chkbox"};
}

JournalModel::JournalModel(Dataset& dataset, QObject* parent)
    : QAbstractTableModel(parent), m_dataset(dataset)
{
    connect(&m_dataset, &Dataset::aboutToReset, this, &JournalModel::beginResetModel);
    connect(&m_dataset, &Dataset::reset, this, &JournalModel::endResetModel);
}

int JournalModel::rowCount(const QModelIndex& parent) const
{
    // The dataset also serves the count query; only the journal rows are shown.
    if (parent.isValid() || !m_dataset.isOpen() ||
        m_dataset.columnIndex(QStringLiteral("date")) < 0)
        return 0;
    return m_dataset.rowCount();
}

int JournalModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant JournalModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || m_dataset.columnIndex(QLatin1String(FieldNames[index.column()])) < 0)
        return {};
    const QString text = m_dataset.text(index.row(), QLatin1String(FieldNames[index.column()]));
    switch (index.column()) {
    case DateColumn:
        return role == Qt::DisplayRole ? QVariant(text) : QVariant();
    case LevelColumn:
        return role == Qt::DisplayRole ? QVariant(text.toInt()) : QVariant();
    case MarkColumn:
        if (role == Qt::CheckStateRole)
            return text.toInt() == 1 ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    return {};
}

QVariant JournalModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DateColumn:
        return QStringLiteral("Дата");
    case LevelColumn:
        return QStringLiteral("Уровень везения");
    default:
        return QString();
    }
}

Qt::ItemFlags JournalModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == MarkColumn)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool JournalModel::setData(const QModelIndex& index, const QVariant&, int role)
{
    if (role != Qt::CheckStateRole || index.column() != MarkColumn)
        return false;
    emit markClicked(index.row());
    return true;
}
