#include "RowReader.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Table.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>

namespace reports {

RowReader::RowReader(data::Connection *connection, const RowSource &source)
    : m_connection(connection), m_source(source)
{
    for (const QString &o : source.order)
        m_order << o.trimmed().toUpper();
    if (!source.key.isEmpty() && !m_order.contains(source.key.toUpper()))
        m_order << source.key.toUpper();
}

QString RowReader::selectText(const QString &extraCondition, int limit) const
{
    QString columns = QStringLiteral("*");
    if (!m_source.columns.isEmpty()) {
        QStringList cols;
        bool wholeRow = false; // "TABLE.*" reads the order columns already
        for (const QString &c : m_source.columns) {
            cols << c.trimmed().toUpper();
            wholeRow = wholeRow || cols.last().endsWith(QLatin1String(".*"));
        }
        for (const QString &o : m_order)
            if (!wholeRow && !cols.contains(o))
                cols << o;
        columns = cols.join(QStringLiteral(", "));
    }
    QString sql = QStringLiteral("SELECT ");
    if (limit >= 0)
        sql += QStringLiteral("FIRST %1 ").arg(limit);
    sql += columns + QStringLiteral(" FROM ") + m_source.table;
    QStringList where;
    if (!m_source.condition.trimmed().isEmpty())
        where << QLatin1Char('(') + m_source.condition + QLatin1Char(')');
    if (!extraCondition.isEmpty())
        where << extraCondition;
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    if (!m_order.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + m_order.join(QStringLiteral(", "));
    return sql;
}

void RowReader::run(const QString &sql, const QVariantList &extraValues)
{
    static const bool trace = qEnvironmentVariableIntValue("QUELVORA_TRACE_SQL") != 0;
    if (trace)
        qInfo("report: %s", qPrintable(sql));
    m_connection->ensureConnected();
    QVariantList values;
    // Markers of the report's own condition come first in the text.
    const QString text = data::bindNamed(sql, m_source.params, values);
    values += extraValues;
    m_query = std::make_unique<QSqlQuery>(m_connection->database());
    m_query->setForwardOnly(true);
    if (!m_query->prepare(text))
        throw data::DataError(m_query->lastError().text());
    for (const QVariant &v : values)
        m_query->addBindValue(v);
    if (!m_query->exec())
        throw data::DataError(m_query->lastError().text());
    const QSqlRecord rec = m_query->record();
    m_width = rec.count();
    if (m_columns.isEmpty())
        for (int i = 0; i < rec.count(); ++i)
            m_columns.insert(rec.fieldName(i).toUpper(), i);
}

void RowReader::openAll()
{
    m_parts.clear();
    m_limit = -1;
    run(selectText(QString(), -1), {});
}

void RowReader::openAfter(const QVector<QVariant> &row, int limit)
{
    // The rows after `row`, in order: first those equal to it on every order
    // term but the last and after it on the last, then those equal on all
    // but the last two and after it on the one before, and so on. Each part
    // is a range of an index on the order columns. NULLs sort first.
    m_parts.clear();
    m_limit = limit;
    for (int i = m_order.size() - 1; i >= 0; --i) {
        QStringList parts;
        QVariantList values;
        // Column K against the row's value: OP with a value, NULL_TEST without.
        auto term = [&](int k, const char *op, const char *nullTest) {
            const QVariant v = row.value(m_columns.value(m_order[k], -1));
            parts << m_order[k] + QLatin1String(v.isNull() ? nullTest : op);
            if (!v.isNull())
                values << v;
        };
        for (int j = 0; j < i; ++j)
            term(j, " = ?", " IS NULL");
        term(i, " > ?", " IS NOT NULL");
        m_parts.push_back({parts.join(QStringLiteral(" AND ")), values});
    }
    m_query.reset();
    startNextPart();
}

bool RowReader::startNextPart()
{
    if (m_parts.isEmpty() || m_limit == 0)
        return false;
    const auto part = m_parts.takeFirst();
    run(selectText(part.first, m_limit), part.second);
    return true;
}

bool RowReader::next(QVector<QVariant> &row)
{
    if (m_limit == 0)
        return false;
    while (!m_query || !m_query->next()) {
        if (!startNextPart())
            return false;
    }
    row.resize(m_width);
    for (int i = 0; i < m_width; ++i)
        row[i] = m_query->value(i);
    if (m_limit > 0)
        --m_limit;
    return true;
}

void RowReader::close()
{
    if (m_query)
        m_query->finish();
    m_query.reset();
}

} // namespace reports
