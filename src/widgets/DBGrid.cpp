#include "DBGrid.h"
#include "SheetSaving.h"

#include "Prompter.h"
#include "data/DataSetModel.h"
#include "data/Table.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QStyledItemDelegate>

namespace widgets {

namespace {

// A column drawn in its own weight and colour (a document number in bold red).
class ColumnLook : public QStyledItemDelegate
{
public:
    ColumnLook(bool bold, const QColor &color, QObject *parent)
        : QStyledItemDelegate(parent), m_bold(bold), m_color(color)
    {
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font.setBold(m_bold || option->font.bold());
        if (m_color.isValid()) {
            option->palette.setColor(QPalette::Text, m_color);
            option->palette.setColor(QPalette::HighlightedText, m_color.lighter(180));
        }
    }

private:
    bool m_bold;
    QColor m_color;
};

} // namespace

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
    addSheetAction(this);
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
    if (!dataSet) {
        if (!m_columns.isEmpty())
            setColumns(m_columns);
        return;
    }
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
    QStringList fields, titles;
    for (const Column &c : columns) {
        fields << c.field;
        titles << c.title;
    }
    if (m_model) {
        m_model->setColumns(fields, titles);
        for (int i = 0; i < columns.size(); ++i)
            m_model->setAlignment(i, columns[i].alignment);
    } else {
        if (!m_titlesOnly)
            m_titlesOnly = new QStandardItemModel(this);
        m_titlesOnly->clear();
        m_titlesOnly->setHorizontalHeaderLabels(titles);
        setModel(m_titlesOnly);
    }
    applyWidths();
    applyLooks();
}

void DBGrid::applyLooks()
{
    for (int i = 0; i < m_looks.size(); ++i)
        if (m_looks[i])
            setItemDelegateForColumn(i, nullptr);
    qDeleteAll(m_looks);
    m_looks.clear();
    for (int i = 0; i < m_columns.size(); ++i) {
        const Column &c = m_columns[i];
        QAbstractItemDelegate *look = nullptr;
        if (c.bold || c.color.isValid()) {
            look = new ColumnLook(c.bold, c.color, this);
            setItemDelegateForColumn(i, look);
        }
        m_looks << look;
    }
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

QVector<DBGrid::Column> DBGrid::columnsOf(const QStringList &entries)
{
    QVector<DBGrid::Column> columns;
    for (const QString &entry : entries) {
        const QStringList parts = entry.split(QLatin1Char('|'));
        DBGrid::Column c;
        c.field = parts.value(0);
        c.title = parts.value(1, c.field);
        c.width = parts.value(2).toInt();
        const QString align = parts.value(3).trimmed().toLower();
        if (align == QLatin1String("left"))
            c.alignment = Qt::AlignLeft | Qt::AlignVCenter;
        else if (align == QLatin1String("center"))
            c.alignment = Qt::AlignCenter;
        else if (align == QLatin1String("right"))
            c.alignment = Qt::AlignRight | Qt::AlignVCenter;
        for (const QString &word : parts.value(4).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (word.compare(QLatin1String("bold"), Qt::CaseInsensitive) == 0)
                c.bold = true;
            else
                c.color = QColor(word);
        }
        columns.append(c);
    }
    return columns;
}

} // namespace widgets
