#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

namespace data {

class DataSet;

// Grid model over a dataset: as many rows as the database counts, each read
// only when a view asks for it, values shown with the columns' formats.
class DataSetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit DataSetModel(DataSet *dataSet, QObject *parent = nullptr);

    // Columns to show, with their titles; empty shows every column.
    void setColumns(const QStringList &fields, const QStringList &titles = {});
    QStringList columns() const { return m_columns; }
    // Cell alignment of shown column COLUMN; by the column's type when not set.
    void setAlignment(int column, Qt::Alignment alignment);
    DataSet *dataSet() const { return m_dataSet; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Type-ahead in views: the first row whose text begins with the value is
    // found by the database (moving the dataset there), not by reading rows.
    QModelIndexList match(const QModelIndex &start, int role, const QVariant &value, int hits = 1,
                          Qt::MatchFlags flags = Qt::MatchFlags(Qt::MatchStartsWith | Qt::MatchWrap)) const override;

private:
    void reset();
    int fieldColumn(int column) const;

    DataSet *m_dataSet;
    QStringList m_columns;
    QStringList m_titles;
    QHash<int, Qt::Alignment> m_alignments;
};

} // namespace data
