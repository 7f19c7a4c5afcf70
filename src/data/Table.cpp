#include "Table.h"

#include "Connection.h"
#include "DataError.h"

#include <QSqlQuery>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>

namespace data {

QString bindNamed(const QString &sql, const QVariantMap &params, QVariantList &values)
{
    QString out;
    out.reserve(sql.size());
    bool quoted = false;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            out += c;
            continue;
        }
        if (!quoted && c == QLatin1Char(':') && i + 1 < sql.size()
            && (sql[i + 1].isLetter() || sql[i + 1] == QLatin1Char('_'))) {
            int j = i + 1;
            while (j < sql.size() && (sql[j].isLetterOrNumber() || sql[j] == QLatin1Char('_')))
                ++j;
            const QString name = sql.mid(i + 1, j - i - 1);
            if (!params.contains(name))
                throw DataError(QStringLiteral("Parâmetro \"%1\" sem valor.").arg(name));
            values << params.value(name);
            out += QLatin1Char('?');
            i = j - 1;
            continue;
        }
        out += c;
    }
    return out;
}

QVector<Field> DataSet::readTableFields(const QString &tableName) const
{
    TracedQuery q = execQuery(QStringLiteral(
        "SELECT TRIM(rf.RDB$FIELD_NAME), f.RDB$FIELD_TYPE, COALESCE(f.RDB$CHARACTER_LENGTH, 0), "
        "COALESCE(rf.RDB$NULL_FLAG, f.RDB$NULL_FLAG, 0) "
        "FROM RDB$RELATION_FIELDS rf JOIN RDB$FIELDS f ON f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
        "WHERE rf.RDB$RELATION_NAME = ? ORDER BY rf.RDB$FIELD_POSITION"), {tableName.toUpper()});
    QVector<Field> fields;
    while (q.next()) {
        Field f;
        f.name = q.value(0).toString();
        switch (q.value(1).toInt()) {
        case 7: case 8: f.type = QMetaType::Int; break;
        case 16: f.type = QMetaType::LongLong; break;
        case 10: case 11: case 27: f.type = QMetaType::Double; break;
        case 12: case 13: case 35: f.type = QMetaType::QDateTime; break;
        default: f.type = QMetaType::QString; break;
        }
        f.size = q.value(2).toInt();
        f.required = q.value(3).toInt() == 1;
        f.displayLabel = f.name;
        fields << f;
    }
    if (fields.isEmpty())
        throw DataError(QStringLiteral("A tabela \"%1\" não existe no banco de dados.").arg(tableName));
    return fields;
}


Table::Table(Connection *connection, const QString &tableName, const QString &keyField, QObject *parent)
    : DataSet(connection, parent), m_tableName(tableName), m_keyField(keyField)
{
}

void Table::setFilter(const QString &condition, const QVariantMap &params)
{
    m_filter = condition;
    m_filterParams = params;
    if (m_filtered)
        reload();
}

void Table::setFiltered(bool filtered)
{
    if (m_filtered == filtered)
        return;
    m_filtered = filtered;
    reload();
}

void Table::setIndexFieldNames(const QString &names)
{
    m_indexFieldNames = names;
    m_indexName.clear();
    m_indexOrder.clear();
    reload();
}

void Table::setIndexName(const QString &indexName)
{
    m_indexName = indexName;
    m_indexFieldNames.clear();
    m_indexOrder.clear();
    reload();
}

void Table::setMasterSource(DataSet *master, const QVector<QPair<QString, QString>> &detailToMaster)
{
    if (m_master)
        disconnect(m_master, nullptr, this, nullptr);
    m_master = master;
    m_masterLinks = detailToMaster;
    m_masterValues.clear();
    if (m_master) {
        connect(m_master, &DataSet::rowChanged, this, &Table::masterMoved);
        connect(m_master, &DataSet::dataReset, this, &Table::masterMoved);
        connect(m_master, &DataSet::afterPost, this, &Table::masterMoved);
    }
}

void Table::masterMoved()
{
    QVariantList values;
    for (const auto &link : m_masterLinks)
        values << (m_master->isActive() ? m_master->value(link.second) : QVariant());
    if (values == m_masterValues && isActive())
        return;
    m_masterValues = values;
    reload();
}

bool Table::knownEmpty() const
{
    // A detail whose master has no current row shows nothing; asking the
    // database would have it sort the whole table to return no rows.
    if (!m_master)
        return false;
    for (const auto &link : m_masterLinks)
        if (!m_master->isActive() || m_master->value(link.second).isNull())
            return true;
    return false;
}

QString Table::fromClause() const
{
    return QStringLiteral("FROM ") + m_tableName;
}

QString Table::whereClause(QVariantList &params) const
{
    QStringList parts;
    if (m_filtered && !m_filter.trimmed().isEmpty())
        parts << QLatin1Char('(') + bindNamed(m_filter, m_filterParams, params) + QLatin1Char(')');
    if (m_master) {
        for (int i = 0; i < m_masterLinks.size(); ++i) {
            const QVariant v = m_master->isActive() ? m_master->value(m_masterLinks[i].second) : QVariant();
            if (v.isNull()) {
                parts << QStringLiteral("1 = 0"); // no master row, no details
            } else {
                parts << m_masterLinks[i].first + QStringLiteral(" = ?");
                params << v;
            }
        }
    }
    return parts.join(QStringLiteral(" AND "));
}

QVector<DataSet::Order> Table::orderTerms() const
{
    QVector<Order> terms;
    if (!m_indexName.isEmpty()) {
        if (m_indexOrder.isEmpty()) {
            TracedQuery q = execQuery(QStringLiteral(
                "SELECT TRIM(s.RDB$FIELD_NAME), COALESCE(i.RDB$INDEX_TYPE, 0), i.RDB$EXPRESSION_SOURCE "
                "FROM RDB$INDICES i LEFT JOIN RDB$INDEX_SEGMENTS s ON s.RDB$INDEX_NAME = i.RDB$INDEX_NAME "
                "WHERE i.RDB$INDEX_NAME = ? ORDER BY s.RDB$FIELD_POSITION"), {m_indexName.toUpper()});
            while (q.next()) {
                Order o;
                o.descending = q.value(1).toInt() == 1;
                o.expression = q.value(0).isNull() ? q.value(2).toString().trimmed() : q.value(0).toString();
                if (o.expression.startsWith(QLatin1Char('(')) && o.expression.endsWith(QLatin1Char(')')))
                    o.expression = o.expression.mid(1, o.expression.size() - 2);
                m_indexOrder << o;
            }
            if (m_indexOrder.isEmpty())
                throw DataError(QStringLiteral("Índice \"%1\" não encontrado.").arg(m_indexName));
        }
        terms = m_indexOrder;
    } else if (!m_indexFieldNames.trimmed().isEmpty()) {
        for (const QString &name : m_indexFieldNames.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            terms << Order{name.trimmed(), false};
    }
    bool hasKey = false;
    for (const Order &o : terms)
        hasKey = hasKey || o.expression.compare(m_keyField, Qt::CaseInsensitive) == 0;
    // The key breaks ties, unless a unique index already orders the rows
    // completely: then that index alone can serve the order.
    if (!hasKey && !m_keyField.isEmpty() && !uniqueOrder(terms))
        terms << Order{m_keyField, false};
    return terms;
}

bool Table::uniqueOrder(const QVector<Order> &terms) const
{
    if (terms.isEmpty())
        return false;
    if (!m_uniqueLoaded) {
        TracedQuery q = execQuery(QStringLiteral(
            "SELECT TRIM(i.RDB$INDEX_NAME), TRIM(s.RDB$FIELD_NAME) FROM RDB$INDICES i "
            "JOIN RDB$INDEX_SEGMENTS s ON s.RDB$INDEX_NAME = i.RDB$INDEX_NAME "
            "WHERE i.RDB$RELATION_NAME = ? AND i.RDB$UNIQUE_FLAG = 1 "
            "ORDER BY i.RDB$INDEX_NAME, s.RDB$FIELD_POSITION"), {m_tableName.toUpper()});
        QString current;
        while (q.next()) {
            if (q.value(0).toString() != current) {
                current = q.value(0).toString();
                m_uniqueIndexes << QStringList();
            }
            m_uniqueIndexes.last() << q.value(1).toString();
        }
        m_uniqueLoaded = true;
    }
    QStringList columns;
    for (const Order &o : terms)
        columns << o.expression.toUpper();
    for (const QStringList &unique : m_uniqueIndexes) {
        bool covered = true;
        for (const QString &c : unique)
            covered = covered && columns.contains(c);
        if (covered)
            return true;
    }
    return false;
}

void Table::loadFields()
{
    setFieldsFrom(readTableFields(m_tableName));
}

Query::Query(Connection *connection, const QString &sql, QObject *parent)
    : DataSet(connection, parent), m_sql(sql)
{
}

void Query::setSql(const QString &sql, const QVariantMap &params)
{
    const bool wasActive = isActive();
    if (wasActive)
        close();
    m_sql = sql;
    m_params = params;
    setFieldsFrom({});
    if (wasActive)
        open();
}

// "select * from TABLE [where ...] [order by col [asc|desc], ...]": such a
// statement reads like a table, so it is paged and searched like one.
void Query::prepareOpen()
{
    m_simple = false;
    static const QRegularExpression re(
        QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+([A-Za-z_][A-Za-z0-9_$]*)"
                       "(?:\\s+where\\s+(.+?))?(?:\\s+order\\s+by\\s+(.+?))?\\s*;?\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = re.match(m_sql);
    if (!m.hasMatch())
        return;
    const QString where = m.captured(2);
    if (where.contains(QLatin1String(" order "), Qt::CaseInsensitive)
        || where.contains(QLatin1String("group"), Qt::CaseInsensitive))
        return;
    QVector<Order> order;
    static const QRegularExpression term(QStringLiteral("^([A-Za-z_][A-Za-z0-9_$]*)(?:\\s+(asc|desc)(?:ending)?)?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    if (!m.captured(3).isEmpty()) {
        for (const QString &part : m.captured(3).split(QLatin1Char(','))) {
            const QRegularExpressionMatch t = term.match(part.trimmed());
            if (!t.hasMatch())
                return;
            order << Order{t.captured(1).toUpper(), t.captured(2).compare(QLatin1String("desc"), Qt::CaseInsensitive) == 0};
        }
    }
    const QString table = m.captured(1).toUpper();
    // The row's identity: a column with a unique index of its own.
    TracedQuery q = execQuery(QStringLiteral(
        "SELECT TRIM(s.RDB$FIELD_NAME), (SELECT COUNT(*) FROM RDB$INDEX_SEGMENTS x WHERE x.RDB$INDEX_NAME = i.RDB$INDEX_NAME) "
        "FROM RDB$INDICES i JOIN RDB$INDEX_SEGMENTS s ON s.RDB$INDEX_NAME = i.RDB$INDEX_NAME "
        "WHERE i.RDB$RELATION_NAME = ? AND i.RDB$UNIQUE_FLAG = 1"), {table});
    QStringList unique;
    while (q.next())
        if (q.value(1).toInt() == 1)
            unique << q.value(0).toString();
    if (unique.isEmpty())
        return;
    const QVector<Field> fields = readTableFields(table);
    // An integer key when there is one, else the first unique column.
    QString key;
    for (const Field &f : fields)
        if (key.isEmpty() && unique.contains(f.name) && f.type == QMetaType::Int)
            key = f.name;
    for (const Field &f : fields)
        if (key.isEmpty() && unique.contains(f.name))
            key = f.name;
    bool ordersByUnique = false;
    for (const Order &o : order)
        ordersByUnique = ordersByUnique || unique.contains(o.expression);
    if (!ordersByUnique)
        order << Order{key, false};
    m_simple = true;
    m_table = table;
    m_where = where;
    m_key = key;
    m_order = order;
    setFieldsFrom(fields);
}

QString Query::fromClause() const
{
    if (m_simple)
        return QStringLiteral("FROM ") + m_table;
    QVariantList unused;
    return QStringLiteral("FROM (") + bindNamed(m_sql, m_params, unused) + QStringLiteral(") Q");
}

QString Query::whereClause(QVariantList &params) const
{
    if (m_simple)
        return m_where.isEmpty() ? QString() : QLatin1Char('(') + bindNamed(m_where, m_params, params) + QLatin1Char(')');
    // The statement's own markers, in the order they appear in the FROM part.
    bindNamed(m_sql, m_params, params);
    return {};
}

QString Query::statement(QVariantList &params) const
{
    if (m_sql.trimmed().isEmpty())
        throw DataError(QStringLiteral("%1 não tem comando SQL.").arg(objectName()));
    return bindNamed(m_sql, m_params, params);
}

} // namespace data
