#pragma once

#include "DataSet.h"

#include <QPair>
#include <QVariantMap>

namespace data {

// The rows of one database table, narrowed by an optional condition with
// bound parameters, in the order of index fields or of a named index.
class Table : public DataSet
{
    Q_OBJECT
public:
    // keyField identifies a row: the integer key, or a unique column for
    // tables that have none.
    Table(Connection *connection, const QString &tableName, const QString &keyField,
          QObject *parent = nullptr);

    QString tableName() const override { return m_tableName; }
    QString keyField() const override { return m_keyField; }
    bool canModify() const override { return true; }

    // A condition such as "NFNUMERO = :nf and CODIGOFORNECEDOR = :forn"; the
    // values are bound, never pasted into the text. Applies while filtered.
    void setFilter(const QString &condition, const QVariantMap &params = {});
    QString filter() const { return m_filter; }
    void setFiltered(bool filtered);
    bool filtered() const { return m_filtered; }

    // "NOMEGRAU" or "NFNUMERO;CODIGOFORNECEDOR"; empty means by key.
    void setIndexFieldNames(const QString &names);
    QString indexFieldNames() const { return m_indexFieldNames; }
    // Orders by the columns (and direction) of a database index.
    void setIndexName(const QString &indexName);
    QString indexName() const { return m_indexName; }

    // Shows only the rows whose detail fields equal the master's current values.
    void setMasterSource(DataSet *master, const QVector<QPair<QString, QString>> &detailToMaster);
    DataSet *masterSource() const { return m_master; }

protected:
    QString fromClause() const override;
    QString whereClause(QVariantList &params) const override;
    QVector<Order> orderTerms() const override;
    void loadFields() override;
    bool knownEmpty() const override;

private:
    void masterMoved();

    QString m_tableName;
    QString m_keyField;
    QString m_filter;
    QVariantMap m_filterParams;
    bool m_filtered = false;
    QString m_indexFieldNames;
    QString m_indexName;
    mutable QVector<Order> m_indexOrder; // resolved columns of m_indexName
    bool uniqueOrder(const QVector<Order> &terms) const;

    DataSet *m_master = nullptr;
    mutable QList<QStringList> m_uniqueIndexes; // column lists of unique indexes
    mutable bool m_uniqueLoaded = false;
    QVector<QPair<QString, QString>> m_masterLinks;
    QVariantList m_masterValues;
};

// A read-only result of a SELECT statement whose text the window sets as a whole.
class Query : public DataSet
{
    Q_OBJECT
public:
    explicit Query(Connection *connection, const QString &sql = {}, QObject *parent = nullptr);

    // Values for ":name" markers are bound, never pasted.
    void setSql(const QString &sql, const QVariantMap &params = {});
    QString sql() const { return m_sql; }
    void clearSql() { setSql(QString()); }

protected:
    void prepareOpen() override;
    QString fromClause() const override;
    QString whereClause(QVariantList &params) const override;
    QVector<Order> orderTerms() const override { return m_simple ? m_order : QVector<Order>(); }
    QString keyField() const override { return m_simple ? m_key : QString(); }
    void loadFields() override {} // the columns come with the first rows
    bool isSequential() const override { return !m_simple; }
    QString statement(QVariantList &params) const override;

private:
    QString m_sql;
    QVariantMap m_params;
    // A plain select of one table, read like a table.
    bool m_simple = false;
    QString m_table, m_where, m_key;
    QVector<Order> m_order;
};

// A named handle on a dataset, as the data-bound controls refer to it.
class DataSource : public QObject
{
    Q_OBJECT
public:
    DataSource(DataSet *dataSet, const QString &name, QObject *parent = nullptr)
        : QObject(parent), m_dataSet(dataSet) { setObjectName(name); }
    DataSet *dataSet() const { return m_dataSet; }

private:
    DataSet *m_dataSet;
};

// Turns ":name" markers into positional ones and lists the values in order.
// Markers inside quoted literals are left alone. Throws on an unknown name.
QString bindNamed(const QString &sql, const QVariantMap &params, QVariantList &values);

} // namespace data
