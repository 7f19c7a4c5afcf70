#pragma once

#include "ReportDefinition.h"

#include <QHash>
#include <QSqlQuery>

#include <memory>

namespace data { class Connection; }

namespace reports {

// Reads a report's rows in its order, one at a time, from the start or from
// just after a given row (by the values of its order columns and key, so
// that a page in the middle of a long report costs no more than the first).
class RowReader
{
public:
    RowReader(data::Connection *connection, const RowSource &source);

    // All rows, in order.
    void openAll();
    // At most `limit` rows after `row` (a row this reader read before).
    void openAfter(const QVector<QVariant> &row, int limit);
    bool next(QVector<QVariant> &row);
    void close();

    // Column positions by upper-case name, known once a statement ran.
    const QHash<QString, int> &columns() const { return m_columns; }
    // Positions learnt by another reader of the same report.
    void setColumns(const QHash<QString, int> &columns) { m_columns = columns; }

private:
    QString selectText(const QString &extraCondition, int limit) const;
    void run(const QString &sql, const QVariantList &values);
    bool startNextPart();

    data::Connection *m_connection;
    RowSource m_source;
    QStringList m_order; // order columns and the key
    std::unique_ptr<QSqlQuery> m_query;
    // Rows after a given one come as a series of statements, each a plain
    // range that an index on the order columns can serve.
    QVector<QPair<QString, QVariantList>> m_parts;
    int m_limit = -1; // rows still wanted; -1 for all
    QHash<QString, int> m_columns;
    int m_width = 0;
};

} // namespace reports
