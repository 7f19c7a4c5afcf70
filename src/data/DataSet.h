#pragma once

#include <QHash>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <memory>

#include <QSqlQuery>

class QTimer;

namespace data {

// The result of a dataset's statement. With QUELVORA_TRACE_SQL=1 it prints,
// when done with, the time to prepare and execute the statement and the time
// spent fetching its rows: the engine does most of a sort or a count while
// the first row is fetched, so execution alone says little.
class TracedQuery : public QSqlQuery
{
public:
    TracedQuery(QSqlQuery &&query, const QString &sql, double executeMs);
    TracedQuery(TracedQuery &&other) noexcept;
    TracedQuery(const TracedQuery &) = delete;
    TracedQuery &operator=(const TracedQuery &) = delete;
    ~TracedQuery();
    bool next();
    void finish();

    static bool enabled();

private:
    void report();
    QString m_sql;
    double m_executeMs = 0;
    qint64 m_fetchNs = 0;
    int m_rows = 0;
    bool m_pending = false;
};

class Connection;

struct DataSetOrder
{
    QString expression;
    bool descending = false;
};

enum class DataSetState { Inactive, Browse, Edit, Insert };

struct Field
{
    QString name;
    QMetaType::Type type = QMetaType::UnknownType; // Int, Double, QString or QDateTime
    int size = 0;                                   // characters, for text columns
    bool required = false;                          // NOT NULL in the database
    QString displayFormat;                          // number pattern such as "#0.0000"
    QString editMask;                               // text mask such as "00:00;0;_"
    QString displayLabel;                           // caption in grids
};

struct LocateOptions
{
    bool caseInsensitive = true;
    bool partialKey = true; // the column's text begins with the value
};

// A scrollable, editable view over rows of the database, with a current row.
// Rows are read a page at a time on demand, counts are asked of the database,
// and every post and delete commits at once. Table and Query say where the
// rows come from; everything else is shared here.
class DataSet : public QObject
{
    Q_OBJECT
public:
    explicit DataSet(Connection *connection, QObject *parent = nullptr);
    ~DataSet() override;

    Connection *connection() const { return m_connection; }

    // Opening connects first when the connection is closed. Opening an open
    // dataset changes nothing.
    void open();
    void close();
    void setActive(bool active) { active ? open() : close(); }
    bool isActive() const { return m_state != DataSetState::Inactive; }
    DataSetState state() const { return m_state; }
    bool isEditing() const { return m_state == DataSetState::Edit || m_state == DataSetState::Insert; }

    int recordCount();
    bool isEmpty() { return recordCount() == 0; }

    // Navigation. Leaving a row that is being edited (moving, locating,
    // appending, refreshing) discards its pending change: only post() stores it.
    void first();
    void prior();
    void next();
    void last();
    bool moveTo(int row);
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    int recNo() const { return m_row; } // 0-based; -1 with no current row

    const QVector<Field> &fields() const { return m_fields; }
    int fieldIndex(const QString &name) const;
    bool hasField(const QString &name) const { return fieldIndex(name) >= 0; }
    Field &field(const QString &name);
    const Field &field(const QString &name) const;
    void setDisplayFormat(const QString &field, const QString &format);
    void setEditMask(const QString &field, const QString &mask);
    void setDisplayLabel(const QString &field, const QString &label);

    // Values of the current row (the edit buffer while editing).
    QVariant value(const QString &field) const;
    QString asString(const QString &field) const;
    double asDouble(const QString &field) const;
    bool isNull(const QString &field) const;
    // Writing into a browsed table row starts editing it.
    void setValue(const QString &field, const QVariant &value);
    // Value of any row, for grids; fetches its page when needed.
    QVariant valueAt(int row, int column);
    // The value as the data module formats it for display.
    QString displayText(const QString &field) const;
    static QString formatValue(const Field &field, const QVariant &value);

    virtual bool canModify() const { return false; }
    void append();
    void insert() { append(); }
    void edit();
    // Throws DataError with the database's text; the row stays in edit state.
    void post();
    void cancel();
    void remove();
    void refresh();
    bool isModified() const { return m_modified; }
    // Posts a pending change; a row left unchanged is simply cancelled.
    void checkBrowseMode();

    // Moves to the first row, in the current order, whose column matches;
    // with no match the current row stays where it is.
    bool locate(const QString &field, const QVariant &value, LocateOptions options = {});

    // How many rows a search for a row's place may count from a near point
    // before it counts from the start instead.
    void setCountCap(int cap) { m_countCap = cap; }

    // A row located far down a long list is shown at once at an estimated
    // place; its exact place is counted a moment later (or as soon as the
    // user moves off its page), and dataReset and rowChanged tell the grid.
    bool isPositionEstimated() const { return m_estimated; }
    void settlePosition();
    // How long after a locate the exact place is counted; 0 counts it at once.
    void setSettleDelay(int ms);
    // How many rows before a located row are counted before its place is estimated.
    void setEstimateAfter(int rows) { m_estimateAfter = rows; }

signals:
    void activeChanged(bool active);
    void stateChanged(data::DataSetState state);
    void rowChanged();                       // current row moved, or its values were reloaded
    void fieldChanged(const QString &field); // a value of the edit buffer changed
    void dataReset();                        // the set of rows was read again
    void afterPost();
    void afterDelete();

protected:
    using Order = DataSetOrder;
    // The statement parts that Table and Query supply.
    virtual void prepareOpen() {}
    virtual QString fromClause() const = 0;      // "FROM X" or "FROM (select ...) Q"
    virtual QString whereClause(QVariantList &params) const = 0; // without WHERE; may be empty
    virtual QVector<Order> orderTerms() const = 0; // complete and stable where possible
    virtual QString keyField() const { return {}; }
    // True when the set is empty without asking (a detail with no master row).
    virtual bool knownEmpty() const { return false; }
    // Rows that can only be read in order from one run of the statement.
    virtual bool isSequential() const { return false; }
    virtual QString statement(QVariantList &params) const { Q_UNUSED(params) return {}; }
    virtual QString tableName() const { return {}; }
    virtual void loadFields() = 0;

    // Reopens keeping nothing: for a change of condition or order.
    void reload();
    // Installs the columns read from the database, with the formats, masks and
    // labels the data module set before they were known.
    void setFieldsFrom(const QVector<Field> &fields);
    // The columns of a table, with types, sizes and NOT NULL, from the catalogue.
    QVector<Field> readTableFields(const QString &tableName) const;
    TracedQuery execQuery(const QString &sql, const QVariantList &params) const;
    void ensureConnected() const;

private:
    using Row = QVector<QVariant>;
    static constexpr int PageSize = 128;

    const Row *rowAt(int row);
    // Whether the row exists, without counting the whole set when a page tells.
    bool rowExists(int row);
    void fetchPage(int page);
    void fetchSequential(int page);
    void invalidate();
    QString columnList() const;
    QString orderByClause(bool reversed) const;
    // The exact place, or with allowEstimate an estimate when counting
    // would visit more than the cap (then *estimated is set).
    int positionOfKey(const QVariant &key, bool allowEstimate = false, bool *estimated = nullptr);
    int estimatePosition(const QVariantList &target, int atLeast, int atMost);
    // Drops the estimated page without counting (the set is read again from an end).
    void dropEstimate();
    bool inEstimatedPage(int row) const;
    QVariantList orderValuesOfKey(const QVariant &key);
    bool loadPageAround(int pos, const QVariant &key);
    int countRows(const QVector<QPair<QString, QVariantList>> &conditions, int cap);
    void setCurrent(int row);
    // Reads the rows again and makes the row with this key current.
    void relocate(const QVariant &keyValue);
    // A table's rows carry the version of each row after their columns, so
    // that a change or deletion applies only to the version that was read.
    bool tracksVersions() const;
    Row readRow(const QSqlQuery &q) const;
    QVariant versionOf(const Row &row) const;
    void leaveRow();
    void setState(DataSetState state);
    QVariant coerce(const Field &field, const QVariant &value) const;

    Connection *m_connection;
    QVector<Field> m_fields;
    QHash<int, QVector<Row>> m_pages;
    int m_count = -1;
    int m_row = -1;
    bool m_bof = true;
    bool m_eof = true;
    DataSetState m_state = DataSetState::Inactive;
    Row m_buffer;
    bool m_modified = false;
    bool m_stale = false; // a post was refused: the cached rows are out of date
    QHash<QString, QString> m_formats, m_masks, m_labels; // by upper-case column name
    std::unique_ptr<TracedQuery> m_cursor; // the running statement of a sequential set
    bool m_cursorDone = false;
    int m_countCap = 5000;
    int m_estimateAfter = 512;
    bool m_estimated = false;
    QVariant m_estimatedKey;
    QPair<qint64, qint64> m_keyRange{1, 0}; // lowest and highest key; empty until sampled
    QTimer *m_settleTimer = nullptr;
};

} // namespace data
