#include "DataSetModel.h"

#include "DataSet.h"

namespace data {

DataSetModel::DataSetModel(DataSet *dataSet, QObject *parent)
    : QAbstractTableModel(parent), m_dataSet(dataSet)
{
    connect(dataSet, &DataSet::dataReset, this, &DataSetModel::reset);
    connect(dataSet, &DataSet::activeChanged, this, &DataSetModel::reset);
    connect(dataSet, &DataSet::fieldChanged, this, [this] {
        const int row = m_dataSet->recNo();
        if (row >= 0 && row < rowCount())
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

void DataSetModel::setColumns(const QStringList &fields, const QStringList &titles)
{
    beginResetModel();
    m_columns = fields;
    m_titles = titles;
    endResetModel();
}

void DataSetModel::setAlignment(int column, Qt::Alignment alignment)
{
    if (alignment)
        m_alignments.insert(column, alignment);
    else
        m_alignments.remove(column);
    if (column < columnCount() && rowCount() > 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::TextAlignmentRole});
}

void DataSetModel::reset()
{
    beginResetModel();
    endResetModel();
}

int DataSetModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_dataSet->isActive())
        return 0;
    return m_dataSet->recordCount();
}

int DataSetModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_columns.isEmpty() ? int(m_dataSet->fields().size()) : int(m_columns.size());
}

int DataSetModel::fieldColumn(int column) const
{
    if (m_columns.isEmpty())
        return column;
    return m_dataSet->fieldIndex(m_columns.value(column));
}

QVariant DataSetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int col = fieldColumn(index.column());
    if (col < 0)
        return {};
    const QVariant v = m_dataSet->valueAt(index.row(), col);
    switch (role) {
    case Qt::DisplayRole:
        return DataSet::formatValue(m_dataSet->fields().at(col), v);
    case Qt::EditRole:
        return v;
    case Qt::TextAlignmentRole: {
        if (m_alignments.contains(index.column()))
            return int(m_alignments.value(index.column()));
        const auto t = m_dataSet->fields().at(col).type;
        if (t == QMetaType::Double || t == QMetaType::Int || t == QMetaType::LongLong)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    default:
        return {};
    }
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < m_titles.size())
        return m_titles[section];
    const int col = fieldColumn(section);
    return col >= 0 && col < m_dataSet->fields().size() ? m_dataSet->fields().at(col).displayLabel : QVariant();
}

QModelIndexList DataSetModel::match(const QModelIndex &start, int role, const QVariant &value, int hits,
                                    Qt::MatchFlags flags) const
{
    const Qt::MatchFlags kind = flags & Qt::MatchTypeMask;
    const int col = fieldColumn(start.column());
    if (role != Qt::DisplayRole || hits != 1 || col < 0 || value.toString().isEmpty()
        || (kind != Qt::MatchStartsWith && kind != Qt::MatchFixedString))
        return QAbstractTableModel::match(start, role, value, hits, flags);
    const QString field = m_dataSet->fields().at(col).name;
    LocateOptions options;
    options.caseInsensitive = !(flags & Qt::MatchCaseSensitive);
    options.partialKey = kind == Qt::MatchStartsWith;
    if (!m_dataSet->locate(field, value.toString(), options))
        return {};
    return {index(m_dataSet->recNo(), start.column())};
}

} // namespace data
