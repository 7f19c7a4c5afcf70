#include "FigureTable.h"

#include <QHeaderView>
#include <QTableWidget>

namespace widgets {

void setUpFigureTable(QTableWidget *table, const QStringList &titles)
{
    table->setColumnCount(int(titles.size()));
    table->setHorizontalHeaderLabels(titles);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void appendFigureRow(QTableWidget *table, const QStringList &texts, const QVector<bool> &numeric, bool bold)
{
    const int r = table->rowCount();
    table->insertRow(r);
    for (int c = 0; c < texts.size() && c < table->columnCount(); ++c) {
        auto *item = new QTableWidgetItem(texts[c]);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment((numeric.value(c) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        if (bold) {
            QFont f = item->font();
            f.setBold(true);
            item->setFont(f);
        }
        table->setItem(r, c, item);
    }
}

} // namespace widgets
