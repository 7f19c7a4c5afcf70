#pragma once

#include <QPointer>
#include "data/DataSet.h"
#include <QTableView>

namespace data {
class DataSet;
class DataSource;
class DataSetModel;
}

namespace widgets {

// A read-only grid over a dataset: whole-row selection that follows the
// dataset's current row, and moves it when the user picks another row.
class DBGrid : public QTableView
{
    Q_OBJECT
public:
    explicit DBGrid(QWidget *parent = nullptr);

    void setDataSource(data::DataSource *source);
    void setDataSet(data::DataSet *dataSet);
    data::DataSet *dataSet() const { return m_dataSet; }
    data::DataSetModel *dataModel() const { return m_model; }

    struct Column
    {
        QString field;
        QString title;
        int width = 0;
        Qt::Alignment alignment = {}; // of the cells; by the column's type when not given
    };
    void setColumns(const QVector<Column> &columns);

signals:
    // Enter or double click on a row.
    void rowActivated(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void followDataSet();
    void applyWidths();

    QPointer<data::DataSet> m_dataSet;
    data::DataSetModel *m_model = nullptr;
    QVector<Column> m_columns;
    bool m_syncing = false;
};

} // namespace widgets
