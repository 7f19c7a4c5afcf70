#include "DBGrid.h"

#include "Prompter.h"
#include "data/DataSetModel.h"
#include "data/Table.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace widgets {

DBGrid::DBGrid(QWidget *parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &i) { emit rowActivated(i.row()); });
}

void DBGrid::setDataSource(data::DataSource *source)
{
    setDataSet(source ? source->dataSet() : nullptr);
}

void DBGrid::setDataSet(data::DataSet *dataSet)
{
    if (m_dataSet)
        disconnect(m_dataSet, nullptr, this, nullptr);
    delete m_model;
    m_model = nullptr;
    m_dataSet = dataSet;
    if (!dataSet)
        return;
    m_model = new data::DataSetModel(dataSet, this);
    setModel(m_model);
    if (!m_columns.isEmpty())
        setColumns(m_columns);
    connect(dataSet, &data::DataSet::rowChanged, this, &DBGrid::followDataSet);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { applyWidths(); followDataSet(); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        if (m_syncing || !current.isValid() || !m_dataSet)
            return;
        guarded(this, [&] { m_dataSet->moveTo(current.row()); });
        followDataSet(); // a refused move puts the selection back
    });
}

void DBGrid::setColumns(const QVector<Column> &columns)
{
    m_columns = columns;
    if (!m_model)
        return;
    QStringList fields, titles;
    for (const Column &c : columns) {
        fields << c.field;
        titles << c.title;
    }
    m_model->setColumns(fields, titles);
    for (int i = 0; i < columns.size(); ++i)
        m_model->setAlignment(i, columns[i].alignment);
    applyWidths();
}

void DBGrid::applyWidths()
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].width > 0)
            setColumnWidth(i, m_columns[i].width);
}

void DBGrid::followDataSet()
{
    if (!m_dataSet || !m_model)
        return;
    m_syncing = true;
    const int row = m_dataSet->recNo();
    if (row >= 0 && row < m_model->rowCount()) {
        const QModelIndex idx = m_model->index(row, qMax(0, currentIndex().column()));
        selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(idx);
    } else {
        selectionModel()->clearSelection();
    }
    m_syncing = false;
}

void DBGrid::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        emit rowActivated(currentIndex().row());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace widgets
