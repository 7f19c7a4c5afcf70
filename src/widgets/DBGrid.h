#pragma once

#include <QColor>
#include <QPointer>
#include "data/DataSet.h"
#include <QTableView>

class QStandardItemModel;

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
        bool bold = false;
        QColor color; // the text's colour, when not the grid's own
    };
    // The columns shown, with their titles; a grid with no dataset still
    // shows the titles.
    void setColumns(const QVector<Column> &columns);
    // Columns written as strings "FIELD|Title|width|align|look" (align left,
    // center or right; look "bold" and a colour name), as forms and
    // descriptions give them.
    static QVector<Column> columnsOf(const QStringList &entries);

signals:
    // Enter or double click on a row.
    void rowActivated(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void followDataSet();
    void applyWidths();
    void applyLooks();

    QPointer<data::DataSet> m_dataSet;
    data::DataSetModel *m_model = nullptr;
    QStandardItemModel *m_titlesOnly = nullptr;
    QVector<QAbstractItemDelegate *> m_looks;
    QVector<Column> m_columns;
    bool m_syncing = false;
};

} // namespace widgets
