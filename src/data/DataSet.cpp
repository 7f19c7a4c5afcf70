#include "DataSet.h"
#include "Statement.h"

#include "Connection.h"
#include "DataError.h"
#include "core/EditMask.h"
#include "core/Formats.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimer>

#include <cmath>
#include <limits>

namespace data {

DataSet::DataSet(Connection *connection, QObject *parent)
    : QObject(parent), m_connection(connection), m_settleTimer(new QTimer(this))
{
    // Long enough that typing a search letter by letter settles only once.
    m_settleTimer->setSingleShot(true);
    m_settleTimer->setInterval(300);
    connect(m_settleTimer, &QTimer::timeout, this, [this] {
        try {
            settlePosition();
        } catch (const DataError &) {
            // Nobody to tell from a timer: the row stays estimated and the
            // user's next move settles it again and gets the database's text.
        }
    });
}

void DataSet::setSettleDelay(int ms)
{
    m_settleTimer->setInterval(ms);
}

DataSet::~DataSet() = default;

void DataSet::ensureConnected() const
{
    m_connection->ensureConnected();
}

bool TracedQuery::enabled()
{
    static const bool on = qEnvironmentVariableIntValue("QUELVORA_TRACE_SQL") != 0;
    return on;
}

TracedQuery::TracedQuery(QSqlQuery &&query, const QString &sql, double executeMs)
    : QSqlQuery(std::move(query)), m_sql(sql), m_executeMs(executeMs), m_pending(enabled())
{
}

TracedQuery::TracedQuery(TracedQuery &&other) noexcept
    : QSqlQuery(std::move(other)), m_sql(std::move(other.m_sql)), m_executeMs(other.m_executeMs),
      m_fetchNs(other.m_fetchNs), m_rows(other.m_rows), m_pending(other.m_pending)
{
    other.m_pending = false;
}

TracedQuery::~TracedQuery()
{
    report();
}

bool TracedQuery::next()
{
    if (!m_pending)
        return QSqlQuery::next();
    QElapsedTimer t;
    t.start();
    const bool more = QSqlQuery::next();
    m_fetchNs += t.nsecsElapsed();
    if (more)
        ++m_rows;
    return more;
}

void TracedQuery::finish()
{
    report();
    QSqlQuery::finish();
}

void TracedQuery::report()
{
    if (!m_pending)
        return;
    m_pending = false;
    qInfo("%6.1f ms  (execute %.1f, fetch %.1f, %d rows)  %s", m_executeMs + m_fetchNs / 1e6, m_executeMs,
          m_fetchNs / 1e6, m_rows, qPrintable(m_sql));
}

TracedQuery DataSet::execQuery(const QString &sql, const QVariantList &params) const
{
    QElapsedTimer timer;
    if (TracedQuery::enabled())
        timer.start();
    ensureConnected();
    return TracedQuery(runBound(m_connection, sql, params), sql, TracedQuery::enabled() ? timer.nsecsElapsed() / 1e6 : 0);
}

void DataSet::open()
{
    if (isActive())
        return;
    ensureConnected();
    prepareOpen();
    if (m_fields.isEmpty())
        loadFields();
    invalidate();
    m_state = DataSetState::Browse;
    m_row = -1;
    setCurrent(rowExists(0) ? 0 : -1);
    m_bof = true;
    m_eof = m_row < 0;
    emit activeChanged(true);
    emit stateChanged(m_state);
    emit dataReset();
    emit rowChanged();
}

void DataSet::close()
{
    if (!isActive())
        return;
    invalidate();
    m_buffer.clear();
    m_modified = false;
    m_row = -1;
    m_bof = m_eof = true;
    m_state = DataSetState::Inactive;
    emit activeChanged(false);
    emit stateChanged(m_state);
    emit dataReset();
    emit rowChanged();
}

void DataSet::reload()
{
    if (!isActive())
        return;
    if (isEditing()) {
        m_buffer.clear();
        m_modified = false;
        m_state = DataSetState::Browse;
        emit stateChanged(m_state);
    }
    invalidate();
    setCurrent(rowExists(0) ? 0 : -1);
    m_bof = true;
    m_eof = m_row < 0;
    emit dataReset();
    emit rowChanged();
}

void DataSet::invalidate()
{
    m_stale = false;
    m_pages.clear();
    m_count = -1;
    m_estimated = false;
    m_keyRange = {1, 0};
    m_settleTimer->stop();
    m_cursor.reset();
    m_cursorDone = false;
}

QString DataSet::columnList() const
{
    if (tableName().isEmpty())
        return QStringLiteral("*"); // a query's own column list, duplicates and all
    QStringList names;
    for (const Field &f : m_fields)
        names << f.name;
    if (tracksVersions())
        names << QStringLiteral("RDB$RECORD_VERSION");
    return names.join(QStringLiteral(", "));
}

bool DataSet::tracksVersions() const
{
    return canModify() && !tableName().isEmpty();
}

DataSet::Row DataSet::readRow(const QSqlQuery &q) const
{
    Row r(int(m_fields.size()) + (tracksVersions() ? 1 : 0));
    for (int i = 0; i < r.size(); ++i)
        r[i] = q.value(i);
    return r;
}

QVariant DataSet::versionOf(const Row &row) const
{
    return tracksVersions() ? row.value(m_fields.size()) : QVariant();
}

void DataSet::relocate(const QVariant &keyValue)
{
    invalidate();
    int pos = keyValue.isNull() ? -1 : positionOfKey(keyValue);
    if (pos >= 0)
        loadPageAround(pos, keyValue);
    if (pos < 0)
        pos = qMin(m_row, recordCount() - 1);
    setCurrent(pos);
}

QString DataSet::orderByClause(bool reversed) const
{
    const QVector<Order> terms = orderTerms();
    if (terms.isEmpty())
        return {};
    QStringList parts;
    for (const Order &o : terms)
        parts << o.expression + ((o.descending != reversed) ? QStringLiteral(" DESC") : QString());
    return QStringLiteral(" ORDER BY ") + parts.join(QStringLiteral(", "));
}

int DataSet::recordCount()
{
    if (!isActive())
        return 0;
    if (knownEmpty())
        return 0;
    if (m_count < 0 && isSequential()) {
        // A statement's own result: count it as the database would, or,
        // when it cannot be wrapped (unnamed columns of a SUM), read it all.
        QVariantList params;
        const QString sql = QStringLiteral("SELECT COUNT(*) FROM (") + statement(params) + QStringLiteral(") Q");
        ensureConnected();
        QSqlQuery q(m_connection->database());
        q.setForwardOnly(true);
        bool counted = false;
        if (q.prepare(sql)) {
            for (const QVariant &v : params)
                q.addBindValue(v);
            if (q.exec() && q.next()) {
                m_count = q.value(0).toInt();
                counted = true;
            }
        }
        for (int page = 0; !counted && m_count < 0; ++page)
            rowAt(page * PageSize);
    }
    if (m_count < 0) {
        QVariantList params;
        const QString where = whereClause(params);
        QString sql = QStringLiteral("SELECT COUNT(*) ") + fromClause();
        if (!where.isEmpty())
            sql += QStringLiteral(" WHERE ") + where;
        TracedQuery q = execQuery(sql, params);
        m_count = q.next() ? q.value(0).toInt() : 0;
    }
    return m_count;
}

void DataSet::fetchSequential(int page)
{
    if (!m_cursor) {
        QVariantList params;
        const QString sql = statement(params);
        m_cursor = std::make_unique<TracedQuery>(execQuery(sql, params));
        m_cursorDone = false;
        if (m_fields.isEmpty()) {
            const QSqlRecord rec = m_cursor->record();
            QVector<Field> fields;
            for (int i = 0; i < rec.count(); ++i) {
                Field f;
                f.name = rec.fieldName(i);
                f.type = QMetaType::Type(rec.field(i).metaType().id());
                if (f.type == QMetaType::Float)
                    f.type = QMetaType::Double;
                f.displayLabel = f.name;
                fields << f;
            }
            setFieldsFrom(fields);
        }
    }
    const int n = int(m_fields.size());
    int next = 0;
    while (m_pages.contains(next))
        ++next;
    for (; next <= page && !m_cursorDone; ++next) {
        QVector<Row> rows;
        rows.reserve(PageSize);
        while (rows.size() < PageSize && m_cursor->next()) {
            Row r(n);
            for (int i = 0; i < n; ++i)
                r[i] = m_cursor->value(i);
            rows.push_back(std::move(r));
        }
        if (rows.size() < PageSize) {
            m_cursorDone = true;
            m_count = next * PageSize + int(rows.size());
            m_cursor->finish();
        }
        m_pages.insert(next, rows);
    }
    if (!m_pages.contains(page))
        m_pages.insert(page, {});
}

void DataSet::fetchPage(int page)
{
    if (knownEmpty()) {
        m_count = 0;
        m_pages.insert(page, {});
        return;
    }
    if (isSequential()) {
        fetchSequential(page);
        return;
    }
    QVariantList params;
    const QString where = whereClause(params);
    const int count = m_count;
    const int from = page * PageSize;
    int to = from + PageSize - 1;
    // Pages in the second half are read backwards from the end, so that the
    // last rows of a long table come as fast as the first.
    const bool backwards = count > 0 && !orderTerms().isEmpty() && from > count / 2;
    QString sql = QStringLiteral("SELECT ") + columnList() + QLatin1Char(' ') + fromClause();
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    sql += orderByClause(backwards);
    if (backwards) {
        to = qMin(to, count - 1);
        sql += QStringLiteral(" ROWS %1 TO %2").arg(count - to).arg(count - from);
    } else {
        // One row more than a page tells whether the count is already known.
        sql += QStringLiteral(" ROWS %1 TO %2").arg(from + 1).arg(to + 2);
    }
    TracedQuery q = execQuery(sql, params);
    QVector<Row> rows;
    rows.reserve(PageSize);
    while (q.next())
        rows.push_back(readRow(q));
    if (backwards) {
        std::reverse(rows.begin(), rows.end());
    } else {
        if (rows.size() <= PageSize && m_count < 0)
            m_count = from + int(rows.size());
        if (rows.size() > PageSize)
            rows.resize(PageSize);
    }
    if (m_pages.size() > 256)
        m_pages.clear(); // pages are read again on demand
    m_pages.insert(page, rows);
}

bool DataSet::rowExists(int row)
{
    if (row < 0)
        return false;
    if (m_count >= 0)
        return row < m_count;
    return rowAt(row) != nullptr;
}

const DataSet::Row *DataSet::rowAt(int row)
{
    if (row < 0)
        return nullptr;
    const int page = row / PageSize;
    auto it = m_pages.constFind(page);
    if (it == m_pages.constEnd()) {
        // Pages read from an end would not line up with an estimated page.
        if (m_estimated)
            return nullptr;
        fetchPage(page);
        it = m_pages.constFind(page);
    }
    const int offset = row % PageSize;
    if (offset >= it->size())
        return nullptr;
    return &(*it)[offset];
}

QVariant DataSet::valueAt(int row, int column)
{
    if (!isActive() || column < 0 || column >= m_fields.size())
        return {};
    if (row == m_row && isEditing() && m_state == DataSetState::Edit)
        return m_buffer.value(column);
    const Row *r = rowAt(row);
    return r ? r->value(column) : QVariant();
}

void DataSet::setCurrent(int row)
{
    m_row = row;
    m_buffer.clear();
    if (row >= 0) {
        const Row *r = rowAt(row);
        if (r)
            m_buffer = *r;
        else
            m_row = -1;
    }
}

void DataSet::setState(DataSetState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void DataSet::first()
{
    if (!isActive())
        return;
    leaveRow();
    dropEstimate();
    setCurrent(rowExists(0) ? 0 : -1);
    m_bof = true;
    m_eof = m_row < 0;
    emit rowChanged();
}

void DataSet::last()
{
    if (!isActive())
        return;
    leaveRow();
    dropEstimate();
    setCurrent(recordCount() - 1);
    m_eof = true;
    m_bof = m_row < 0;
    emit rowChanged();
}

void DataSet::next()
{
    if (!isActive())
        return;
    leaveRow();
    if (m_estimated && !inEstimatedPage(m_row + 1))
        settlePosition();
    if (rowExists(m_row + 1)) {
        setCurrent(m_row + 1);
        m_bof = m_eof = false;
        emit rowChanged();
    } else {
        m_eof = true;
    }
}

void DataSet::prior()
{
    if (!isActive())
        return;
    leaveRow();
    if (m_estimated && !inEstimatedPage(m_row - 1))
        settlePosition();
    if (m_row > 0) {
        setCurrent(m_row - 1);
        m_bof = m_eof = false;
        emit rowChanged();
    } else {
        m_bof = true;
    }
}

bool DataSet::moveTo(int row)
{
    if (m_estimated && !inEstimatedPage(row))
        settlePosition();
    if (!isActive() || !rowExists(row))
        return false;
    if (row == m_row && !isEditing())
        return true;
    leaveRow();
    setCurrent(row);
    m_bof = m_eof = false;
    emit rowChanged();
    return true;
}

int DataSet::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Field &DataSet::field(const QString &name)
{
    if (m_fields.isEmpty()) {
        ensureConnected();
        loadFields();
    }
    const int i = fieldIndex(name);
    if (i < 0)
        throw DataError(QStringLiteral("Campo \"%1\" não encontrado em %2.").arg(name, objectName()));
    return m_fields[i];
}

const Field &DataSet::field(const QString &name) const
{
    return const_cast<DataSet *>(this)->field(name);
}

void DataSet::setFieldsFrom(const QVector<Field> &fields)
{
    m_fields = fields;
    for (Field &f : m_fields) {
        const QString key = f.name.toUpper();
        f.displayFormat = m_formats.value(key, f.displayFormat);
        f.editMask = m_masks.value(key, f.editMask);
        f.displayLabel = m_labels.value(key, f.displayLabel);
    }
}

void DataSet::setDisplayFormat(const QString &f, const QString &format)
{
    m_formats.insert(f.toUpper(), format);
    const int i = fieldIndex(f);
    if (i >= 0)
        m_fields[i].displayFormat = format;
}

void DataSet::setEditMask(const QString &f, const QString &mask)
{
    m_masks.insert(f.toUpper(), mask);
    const int i = fieldIndex(f);
    if (i >= 0)
        m_fields[i].editMask = mask;
}

void DataSet::setDisplayLabel(const QString &f, const QString &label)
{
    m_labels.insert(f.toUpper(), label);
    const int i = fieldIndex(f);
    if (i >= 0)
        m_fields[i].displayLabel = label;
}

QVariant DataSet::value(const QString &name) const
{
    const int i = fieldIndex(name);
    if (i < 0) {
        if (m_fields.isEmpty())
            return {};
        throw DataError(QStringLiteral("Campo \"%1\" não encontrado em %2.").arg(name, objectName()));
    }
    return m_buffer.value(i);
}

QString DataSet::asString(const QString &f) const
{
    const QVariant v = value(f);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::Double)
        return core::generalNumber(v.toDouble());
    return v.toString();
}

double DataSet::asDouble(const QString &f) const
{
    return value(f).toDouble();
}

bool DataSet::isNull(const QString &f) const
{
    return value(f).isNull();
}

QVariant DataSet::coerce(const Field &f, const QVariant &value) const
{
    if (!value.isValid() || value.isNull())
        return QVariant(QMetaType(f.type));
    switch (f.type) {
    case QMetaType::Double:
        if (value.typeId() == QMetaType::QString) {
            const QString t = value.toString().trimmed();
            if (t.isEmpty())
                return QVariant(QMetaType(f.type));
            bool ok = false;
            const double d = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            if (!ok)
                throw DataError(QStringLiteral("\"%1\" não é um valor numérico válido.").arg(t));
            return d;
        }
        return value.toDouble();
    case QMetaType::Int:
        if (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty())
            return QVariant(QMetaType(f.type));
        return value.toInt();
    case QMetaType::QDateTime:
        if (value.typeId() == QMetaType::QDate)
            return value.toDate().isValid() ? QVariant(value.toDate().startOfDay())
                                            : QVariant(QMetaType(f.type));
        if (value.typeId() == QMetaType::QTime)
            return QDateTime(QDate(1899, 12, 30), value.toTime());
        return value.toDateTime();
    case QMetaType::QString:
        return value.toString();
    default:
        return value;
    }
}

void DataSet::setValue(const QString &name, const QVariant &v)
{
    if (!isActive())
        throw DataError(QStringLiteral("%1 não está aberto.").arg(objectName()));
    const int i = fieldIndex(name);
    if (i < 0)
        throw DataError(QStringLiteral("Campo \"%1\" não encontrado em %2.").arg(name, objectName()));
    if (!isEditing())
        edit();
    const QVariant coerced = coerce(m_fields[i], v);
    const QVariant old = m_buffer.value(i);
    if (old.isNull() == coerced.isNull() && old == coerced)
        return;
    if (m_buffer.size() < m_fields.size())
        m_buffer.resize(m_fields.size());
    m_buffer[i] = coerced;
    m_modified = true;
    emit fieldChanged(m_fields[i].name);
}

QString DataSet::formatValue(const Field &f, const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return {};
    switch (v.typeId()) {
    case QMetaType::Double:
        return f.displayFormat.isEmpty() ? core::generalNumber(v.toDouble())
                                         : core::formatFloat(f.displayFormat, v.toDouble());
    case QMetaType::Int:
    case QMetaType::LongLong:
        return f.displayFormat.isEmpty() ? v.toString()
                                         : core::formatFloat(f.displayFormat, v.toDouble());
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        if (dt.time() == QTime(0, 0))
            return dt.date().toString(QStringLiteral("dd/MM/yyyy"));
        if (dt.date() == QDate(1899, 12, 30))
            return dt.time().toString(QStringLiteral("HH:mm:ss"));
        return dt.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    }
    default: {
        // A text with an edit mask shows through it ("0930" as "09:30").
        const QString text = v.toString();
        if (f.editMask.isEmpty() || text.isEmpty())
            return text;
        return core::EditMask(f.editMask).display(text);
    }
    }
}

QString DataSet::displayText(const QString &name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        return {};
    return formatValue(m_fields[i], m_buffer.value(i));
}

void DataSet::append()
{
    if (!isActive())
        open();
    if (!canModify())
        throw DataError(QStringLiteral("%1 é somente leitura.").arg(objectName()));
    leaveRow();
    m_buffer = Row(m_fields.size());
    for (int i = 0; i < m_fields.size(); ++i)
        m_buffer[i] = QVariant(QMetaType(m_fields[i].type));
    m_modified = false;
    setState(DataSetState::Insert);
    emit rowChanged();
}

void DataSet::edit()
{
    if (!isActive())
        open();
    if (isEditing())
        return;
    if (!canModify())
        throw DataError(QStringLiteral("%1 é somente leitura.").arg(objectName()));
    settlePosition();
    if (m_row < 0) {
        append();
        return;
    }
    m_modified = false;
    setState(DataSetState::Edit);
}

void DataSet::cancel()
{
    if (!isEditing())
        return;
    m_modified = false;
    setState(DataSetState::Browse);
    if (m_stale) {
        // A change refused because the row changed elsewhere: show the row
        // as it is stored now, or its neighbour when it is gone.
        m_stale = false;
        const Row *orig = m_row >= 0 ? rowAt(m_row) : nullptr;
        relocate(orig ? orig->value(fieldIndex(keyField())) : QVariant());
        emit dataReset();
    } else {
        setCurrent(m_row >= 0 && m_row < recordCount() ? m_row : (recordCount() > 0 ? 0 : -1));
    }
    emit rowChanged();
}

void DataSet::checkBrowseMode()
{
    if (!isEditing())
        return;
    if (m_modified)
        post();
    else
        cancel();
}

void DataSet::leaveRow()
{
    // Only the window's save step posts; a pending change is dropped here.
    cancel();
}

void DataSet::post()
{
    if (!isEditing())
        return;
    const QString key = keyField();
    const int keyIndex = fieldIndex(key);
    QVariant keyValue;
    if (m_state == DataSetState::Insert) {
        QStringList cols, marks;
        QVariantList params;
        for (int i = 0; i < m_fields.size(); ++i) {
            if (m_buffer.value(i).isNull())
                continue;
            cols << m_fields[i].name;
            marks << QStringLiteral("?");
            params << m_buffer[i];
        }
        QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(tableName(), cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
        if (cols.isEmpty())
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tableName());
        sql += QStringLiteral(" RETURNING ") + key;
        TracedQuery q = execQuery(sql, params);
        if (q.next())
            keyValue = q.value(0);
    } else {
        keyValue = m_buffer.value(keyIndex);
        QVariant originalKey = keyValue;
        if (const Row *orig = rowAt(m_row))
            originalKey = orig->value(keyIndex);
        QStringList sets;
        QVariantList params;
        for (int i = 0; i < m_fields.size(); ++i) {
            sets << m_fields[i].name + QStringLiteral(" = ?");
            params << m_buffer.value(i);
        }
        params << originalKey;
        QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                          .arg(tableName(), sets.join(QStringLiteral(", ")), key);
        // Only the version the user saw may be replaced: another
        // workstation's change in between is never silently overwritten.
        const QVariant version = versionOf(m_buffer);
        if (!version.isNull()) {
            sql += QStringLiteral(" AND RDB$RECORD_VERSION = ?");
            params << version;
        }
        if (execQuery(sql, params).numRowsAffected() == 0) {
            m_stale = true;
            throw DataError::changedElsewhere(DataError::Refused::Change);
        }
    }
    m_modified = false;
    m_state = DataSetState::Browse;
    invalidate();
    int pos = keyValue.isNull() ? -1 : positionOfKey(keyValue);
    if (pos >= 0)
        loadPageAround(pos, keyValue);
    if (pos < 0)
        pos = qBound(-1, m_row, recordCount() - 1);
    setCurrent(pos);
    m_bof = m_eof = false;
    emit stateChanged(m_state);
    emit dataReset();
    emit rowChanged();
    emit afterPost();
}

void DataSet::remove()
{
    if (!isActive())
        return;
    if (m_state == DataSetState::Insert) {
        cancel();
        return;
    }
    settlePosition();
    if (m_row < 0)
        throw DataError(QStringLiteral("Não há registro para excluir."));
    const Row *orig = rowAt(m_row);
    const QVariant keyValue = orig ? orig->value(fieldIndex(keyField())) : QVariant();
    const QVariant version = orig ? versionOf(*orig) : QVariant();
    if (version.isNull()) {
        execQuery(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(tableName(), keyField()), {keyValue});
    } else if (execQuery(QStringLiteral("DELETE FROM %1 WHERE %2 = ? AND RDB$RECORD_VERSION = ?")
                             .arg(tableName(), keyField()),
                         {keyValue, version})
                   .numRowsAffected()
               == 0) {
        // Gone already is what was asked; changed since it was read is not
        // deleted unseen: the row is shown as it is now.
        QSqlQuery still = execQuery(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?").arg(tableName(), keyField()),
                                    {keyValue});
        if (still.next()) {
            m_modified = false;
            setState(DataSetState::Browse);
            relocate(keyValue);
            emit dataReset();
            emit rowChanged();
            throw DataError::changedElsewhere(DataError::Refused::Deletion);
        }
    }
    m_modified = false;
    m_state = DataSetState::Browse;
    invalidate();
    setCurrent(qMin(m_row, recordCount() - 1));
    emit stateChanged(m_state);
    emit dataReset();
    emit rowChanged();
    emit afterDelete();
}

void DataSet::refresh()
{
    if (!isActive())
        return;
    leaveRow();
    const int keyIndex = fieldIndex(keyField());
    relocate(keyIndex >= 0 ? m_buffer.value(keyIndex) : QVariant());
    emit dataReset();
    emit rowChanged();
}

namespace {

struct Condition
{
    QString sql;
    QVariantList params;
};

// The rows strictly before (or after) a row whose order values are `vals`,
// as disjoint groups: equal on the first i terms and before (after) it on
// term i. The database sorts NULLs first ascending and last descending.
QVector<Condition> sideOf(const QVector<DataSetOrder> &terms, const QVariantList &vals, bool before)
{
    QVector<Condition> groups;
    for (int i = 0; i < terms.size(); ++i) {
        QStringList equal;
        QVariantList p;
        for (int j = 0; j < i; ++j) {
            if (vals[j].isNull()) {
                equal << terms[j].expression + QStringLiteral(" IS NULL");
            } else {
                equal << terms[j].expression + QStringLiteral(" = ?");
                p << vals[j];
            }
        }
        auto add = [&](const QString &cond, const QVariantList &extra) {
            QStringList all = equal;
            all << cond;
            groups.push_back({all.join(QStringLiteral(" AND ")), p + extra});
        };
        const QString &c = terms[i].expression;
        const QVariant &v = vals[i];
        // Going "up" the sort: smaller ascending, larger descending.
        const bool smaller = terms[i].descending != before;
        if (smaller) {
            // Smaller values, NULL being the smallest.
            if (v.isNull())
                continue;
            add(c + QStringLiteral(" IS NULL"), {});
            add(c + QStringLiteral(" < ?"), {v});
        } else if (v.isNull()) {
            add(c + QStringLiteral(" IS NOT NULL"), {});
        } else {
            add(c + QStringLiteral(" > ?"), {v});
        }
    }
    return groups;
}

// Redundant limits on the first order column for the rows from `from` to
// `to` (in that order), so an index on it reads only that stretch.
QVector<QPair<QString, QVariantList>> stretch(const QVector<DataSetOrder> &terms, const QVariantList &from,
                                              const QVariantList &to)
{
    QVector<QPair<QString, QVariantList>> limits;
    if (terms.isEmpty())
        return limits;
    const QString &c = terms[0].expression;
    // Ascending: NULLs come first, so a non-NULL start bounds both ends.
    // Descending: values fall, NULLs come last.
    const QVariant &low = terms[0].descending ? to[0] : from[0];
    const QVariant &high = terms[0].descending ? from[0] : to[0];
    // A NULL at the start (ascending) or at the end (descending) means the
    // stretch reaches the NULLs, which no comparison bounds.
    if (!terms[0].descending ? from[0].isNull() : to[0].isNull())
        return limits;
    if (!low.isNull())
        limits.push_back({c + QStringLiteral(" >= ?"), {low}});
    if (!high.isNull())
        limits.push_back({c + QStringLiteral(" <= ?"), {high}});
    return limits;
}

Condition anyOf(const QVector<Condition> &groups)
{
    if (groups.isEmpty())
        return {QStringLiteral("1 = 0"), {}};
    QStringList parts;
    QVariantList params;
    for (const Condition &g : groups) {
        parts << QLatin1Char('(') + g.sql + QLatin1Char(')');
        params += g.params;
    }
    return {QLatin1Char('(') + parts.join(QStringLiteral(" OR ")) + QLatin1Char(')'), params};
}

} // namespace

QVariantList DataSet::orderValuesOfKey(const QVariant &keyValue)
{
    QVariantList params;
    const QString where = whereClause(params);
    QStringList exprs;
    for (const Order &o : orderTerms())
        exprs << o.expression;
    QString sql = QStringLiteral("SELECT ") + exprs.join(QStringLiteral(", ")) + QLatin1Char(' ') + fromClause()
                  + QStringLiteral(" WHERE ") + keyField() + QStringLiteral(" = ?");
    QVariantList all = {keyValue};
    if (!where.isEmpty()) {
        sql += QStringLiteral(" AND (") + where + QLatin1Char(')');
        all += params;
    }
    TracedQuery q = execQuery(sql, all);
    if (!q.next())
        return {};
    QVariantList vals;
    for (int i = 0; i < exprs.size(); ++i)
        vals << q.value(i);
    return vals;
}

// Counts the rows matching every condition (and the set's own). With a cap
// the database stops after cap + 1 rows, so a large answer costs little.
int DataSet::countRows(const QVector<QPair<QString, QVariantList>> &conditions, int cap)
{
    QVariantList params;
    const QString where = whereClause(params);
    QStringList parts;
    QVariantList all;
    for (const auto &c : conditions) {
        parts << c.first;
        all += c.second;
    }
    if (!where.isEmpty()) {
        parts << QLatin1Char('(') + where + QLatin1Char(')');
        all += params;
    }
    const QString cond = parts.join(QStringLiteral(" AND "));
    // The capped count walks the order's index and stops at the cap; without
    // the order the engine would first gather every row of the condition.
    const QString sql = cap < 0 ? QStringLiteral("SELECT COUNT(*) ") + fromClause() + QStringLiteral(" WHERE ") + cond
                                : QStringLiteral("SELECT COUNT(*) FROM (SELECT FIRST %1 1 AS X ").arg(cap + 1)
                                      + fromClause() + QStringLiteral(" WHERE ") + cond + orderByClause(false)
                                      + QStringLiteral(") C");
    TracedQuery q = execQuery(sql, all);
    return q.next() ? q.value(0).toInt() : 0;
}

// Position of the row with this key in the current order. Counting is the
// cost (the database visits every row it counts), so the nearest known
// point is used: a row already read, then the end of a counted set, and
// only then the start.
int DataSet::positionOfKey(const QVariant &keyValue, bool allowEstimate, bool *estimated)
{
    if (keyField().isEmpty())
        return -1;
    const QVector<Order> terms = orderTerms();
    const QVariantList target = orderValuesOfKey(keyValue);
    if (target.isEmpty())
        return -1;
    // A locate that may estimate counts only a few pages' worth exactly.
    const int Cap = allowEstimate ? qMin(m_countCap, m_estimateAfter) : m_countCap;
    using Conds = QVector<QPair<QString, QVariantList>>;
    auto pair = [](const Condition &c) { return qMakePair(c.sql, c.params); };

    // From the current row, when its page is at hand and its order values are columns.
    const int keyCol = fieldIndex(keyField());
    if (m_row >= 0 && m_pages.contains(m_row / PageSize)) {
        const Row *anchorRow = rowAt(m_row);
        QVariantList anchor;
        for (const Order &o : terms) {
            const int col = fieldIndex(o.expression);
            if (col < 0 || !anchorRow) {
                anchor.clear();
                break;
            }
            anchor << anchorRow->value(col);
        }
        if (!anchor.isEmpty() && anchorRow) {
            if (anchorRow->value(keyCol) == keyValue)
                return m_row;
            const Condition afterAnchor = anyOf(sideOf(terms, anchor, false));
            const bool targetAfter =
                countRows({pair(afterAnchor), qMakePair(keyField() + QStringLiteral(" = ?"), QVariantList{keyValue})}, -1) > 0;
            Conds between = targetAfter
                ? Conds{pair(afterAnchor), pair(anyOf(sideOf(terms, target, true)))} + stretch(terms, anchor, target)
                : Conds{pair(anyOf(sideOf(terms, target, false))), pair(anyOf(sideOf(terms, anchor, true)))}
                      + stretch(terms, target, anchor);
            const int count = countRows(between, Cap);
            if (count <= Cap)
                return targetAfter ? m_row + 1 + count : m_row - 1 - count;
        }
    }
    // From the end, when the set has been counted.
    if (m_count >= 0) {
        Conds conds{pair(anyOf(sideOf(terms, target, false)))};
        if (!terms[0].descending && !target[0].isNull())
            conds.push_back({terms[0].expression + QStringLiteral(" >= ?"), {target[0]}});
        const int after = countRows(conds, Cap);
        if (after <= Cap)
            return m_count - 1 - after;
    }
    if (allowEstimate) {
        // Near the start it is still cheap to count; further down the row's
        // place is estimated instead of visiting every row before it.
        int before = 0;
        bool more = false;
        for (const Condition &g : sideOf(terms, target, true)) {
            before += countRows(Conds{pair(g)}, m_estimateAfter);
            if ((more = before > m_estimateAfter))
                break;
        }
        if (!more)
            return before;
        const int atMost = m_count >= 0 ? m_count - 1 : std::numeric_limits<int>::max();
        const int guess = estimatePosition(target, before, atMost);
        if (guess >= 0) {
            if (estimated)
                *estimated = true;
            return guess;
        }
    }
    // From the start: each group on its own, so an index can serve it.
    int position = 0;
    for (const Condition &g : sideOf(terms, target, true))
        position += countRows(Conds{pair(g)}, -1);
    return position;
}

// Samples rows spread evenly over the integer key's range: the keys found
// tell how densely the range is filled, and the share of samples that are
// in the set and before the target, times the rows, is its place. A few
// dozen index lookups, whatever the table's size. -1 when the key is not
// an integer.
int DataSet::estimatePosition(const QVariantList &target, int atLeast, int atMost)
{
    const QString key = keyField();
    const int keyCol = fieldIndex(key);
    if (tableName().isEmpty() || keyCol < 0 || atMost < atLeast)
        return -1;
    const QMetaType::Type type = m_fields[keyCol].type;
    if (type != QMetaType::Int && type != QMetaType::LongLong)
        return -1;
    QVariantList whereParams;
    const QString where = whereClause(whereParams);
    QSqlQuery probe(m_connection->database());
    probe.setForwardOnly(true);
    if (!probe.prepare(QStringLiteral("SELECT FIRST 1 %1 %2 WHERE %1 >= ? ORDER BY %1").arg(key, fromClause())))
        throw m_connection->errorFrom(probe.lastError());
    // The first key at or after x, if any.
    auto keyFrom = [&](qint64 x, qint64 *found) {
        probe.bindValue(0, x);
        if (!probe.exec())
            throw m_connection->errorFrom(probe.lastError());
        const bool any = probe.next();
        if (any && found)
            *found = probe.value(0).toLongLong();
        probe.finish();
        return any;
    };
    if (m_keyRange.first > m_keyRange.second) {
        // Found once while the set is open: typing letter by letter reuses it.
        qint64 low = 0;
        if (!keyFrom(std::numeric_limits<qint32>::min(), &low))
            return -1;
        // The highest key: doubling steps, then halving between the last two.
        qint64 step = 1;
        while (step < (qint64(1) << 40) && keyFrom(low + step, nullptr))
            step *= 2;
        qint64 lo = low + step / 2, hi = low + step;
        if (step == 1)
            lo = low;
        while (hi - lo > 1) {
            const qint64 mid = lo + (hi - lo) / 2;
            (keyFrom(mid, nullptr) ? lo : hi) = mid;
        }
        m_keyRange = {low, lo};
    }
    const qint64 low = m_keyRange.first;
    const qint64 span = m_keyRange.second - low + 1;

    const Condition before = anyOf(sideOf(orderTerms(), target, true));
    QSqlQuery sample(m_connection->database());
    sample.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT FIRST 1 %1, IIF(%2, 1, 0), IIF(%3, 1, 0) %4 WHERE %1 >= ? ORDER BY %1")
                            .arg(key, where.isEmpty() ? QStringLiteral("1 = 1") : where, before.sql, fromClause());
    if (!sample.prepare(sql))
        throw m_connection->errorFrom(sample.lastError());
    constexpr int Samples = 48; // a place within about 2% of the set, in a few milliseconds
    int seen = 0, ahead = 0;
    double gaps = 0;
    for (int i = 0; i < Samples; ++i) {
        const qint64 x = low + qint64((2.0 * i + 1) * double(span) / (2.0 * Samples));
        const QVariantList params = whereParams + before.params + QVariantList{x};
        for (int p = 0; p < params.size(); ++p)
            sample.bindValue(p, params[p]);
        if (!sample.exec())
            throw m_connection->errorFrom(sample.lastError());
        if (sample.next()) {
            ++seen;
            gaps += double(sample.value(0).toLongLong() - x + 1);
            if (sample.value(1).toInt() == 1 && sample.value(2).toInt() == 1)
                ++ahead;
        }
        sample.finish();
    }
    if (seen == 0 || gaps <= 0)
        return -1;
    // The mean distance from a point to the next key is one over the density.
    const double rows = double(span) * double(seen) / gaps;
    const double guess = std::round(rows * ahead / seen);
    return int(qBound(double(atLeast), guess, double(atMost)));
}

bool DataSet::inEstimatedPage(int row) const
{
    if (row < 0)
        return false;
    const auto it = m_pages.constFind(row / PageSize);
    return it != m_pages.constEnd() && row % PageSize < it->size();
}

void DataSet::dropEstimate()
{
    if (!m_estimated)
        return;
    m_estimated = false;
    m_settleTimer->stop();
    m_pages.clear();
    emit dataReset();
}

void DataSet::settlePosition()
{
    if (!m_estimated)
        return;
    // The current row may have moved within the estimated page.
    const int keyCol = fieldIndex(keyField());
    const Row *current = keyCol >= 0 ? rowAt(m_row) : nullptr;
    if (current)
        m_estimatedKey = current->value(keyCol);
    const QHash<int, QVector<Row>> shown = m_pages;
    m_estimated = false;
    m_settleTimer->stop();
    m_pages.clear();
    int pos = -1;
    try {
        pos = positionOfKey(m_estimatedKey);
        if (pos >= 0)
            loadPageAround(pos, m_estimatedKey);
    } catch (const DataError &) {
        // The estimated row stays shown; the caller (or the user's next
        // move) gets the database's error.
        m_pages = shown;
        m_estimated = true;
        throw;
    }
    if (pos < 0)
        pos = qMin(m_row, recordCount() - 1); // gone meanwhile
    setCurrent(pos);
    emit dataReset();
    emit rowChanged();
}

bool DataSet::locate(const QString &name, const QVariant &value, LocateOptions options)
{
    if (!isActive() || knownEmpty())
        return false;
    const int col = fieldIndex(name);
    if (col < 0)
        throw DataError(QStringLiteral("Campo \"%1\" não encontrado em %2.").arg(name, objectName()));
    const bool textual = value.typeId() == QMetaType::QString;
    const QString wanted = options.caseInsensitive ? value.toString().toUpper() : value.toString();
    auto matches = [&](const QVariant &v) {
        if (!textual)
            return !v.isNull() && v == coerce(m_fields[col], value);
        QString s = v.toString();
        if (options.caseInsensitive)
            s = s.toUpper();
        return options.partialKey ? s.startsWith(wanted) : s == wanted;
    };
    // Rows already read come first; the database answers for the rest.
    for (int page = 0; !m_estimated && m_pages.contains(page); ++page) {
        const QVector<Row> &rows = m_pages[page];
        for (int i = 0; i < rows.size(); ++i) {
            if (matches(rows[i].value(col))) {
                leaveRow();
                setCurrent(page * PageSize + i);
                m_bof = m_eof = false;
                emit rowChanged();
                return true;
            }
        }
        if (rows.size() < PageSize)
            return false;
    }
    if (keyField().isEmpty()) {
        for (int row = 0; rowExists(row); ++row) {
            const Row *r = rowAt(row);
            if (r && matches(r->value(col)))
                return moveTo(row);
        }
        return false;
    }
    QVariantList params;
    const QString where = whereClause(params);
    QString cond;
    QVariantList condParams;
    if (textual) {
        const QString column = options.caseInsensitive ? QStringLiteral("UPPER(%1)").arg(m_fields[col].name)
                                                       : m_fields[col].name;
        cond = options.partialKey ? column + QStringLiteral(" STARTING WITH ?") : column + QStringLiteral(" = ?");
        condParams << wanted;
    } else {
        cond = m_fields[col].name + QStringLiteral(" = ?");
        condParams << coerce(m_fields[col], value);
    }
    QString sql = QStringLiteral("SELECT FIRST 1 ") + keyField() + QLatin1Char(' ') + fromClause()
                  + QStringLiteral(" WHERE ") + cond;
    if (!where.isEmpty()) {
        sql += QStringLiteral(" AND (") + where + QLatin1Char(')');
        condParams += params;
    }
    sql += orderByClause(false);
    TracedQuery q = execQuery(sql, condParams);
    if (!q.next())
        return false;
    const QVariant keyValue = q.value(0);
    q.finish();
    if (m_estimated) {
        // Counted from a known end, not from the former estimate.
        m_estimated = false;
        m_settleTimer->stop();
        m_pages.clear();
    }
    bool estimated = false;
    int pos = positionOfKey(keyValue, true, &estimated);
    if (pos < 0)
        return false;
    if (estimated) {
        // The row in the middle of its page, so that its neighbours on
        // screen are read with it.
        pos = pos / PageSize * PageSize + PageSize / 2;
        if (m_count >= 0)
            pos = qMin(pos, m_count - 1);
        leaveRow();
        m_pages.clear();
        if (loadPageAround(pos, keyValue)) {
            m_estimated = true;
            m_estimatedKey = keyValue;
            setCurrent(pos);
            m_bof = m_eof = false;
            emit dataReset();
            emit rowChanged();
            if (m_settleTimer->interval() == 0)
                settlePosition();
            else
                m_settleTimer->start();
            return true;
        }
        pos = positionOfKey(keyValue); // near the end of an uncounted set: counted after all
        if (pos < 0)
            return false;
    }
    loadPageAround(pos, keyValue);
    return moveTo(pos);
}

// Reads the page holding the row with this key at `pos` by walking the order
// from that row both ways, instead of skipping `pos` rows from an end: a
// search that lands in the middle of a long list reads one page, not half
// the table. False (and nothing read) when the walk cannot be bounded.
bool DataSet::loadPageAround(int pos, const QVariant &keyValue)
{
    const int page = pos / PageSize;
    if (m_pages.contains(page) || pos < PageSize || isSequential() || keyField().isEmpty())
        return m_pages.contains(page);
    const QVector<Order> terms = orderTerms();
    const QVariantList target = orderValuesOfKey(keyValue);
    if (terms.isEmpty() || target.isEmpty() || target[0].isNull())
        return false;
    const int wantBefore = pos - page * PageSize;
    int wantAfter = PageSize - wantBefore - 1;
    if (m_count >= 0)
        wantAfter = qMin(wantAfter, m_count - pos - 1);

    QVariantList params;
    const QString where = whereClause(params);
    const QString first = terms[0].expression;
    auto readRows = [&](const QVector<Condition> &side, const QString &bound, int n, bool reversed) {
        QVector<Row> rows;
        if (n <= 0)
            return rows;
        const Condition any = anyOf(side);
        QString sql = QStringLiteral("SELECT FIRST %1 ").arg(n) + columnList() + QLatin1Char(' ') + fromClause()
                      + QStringLiteral(" WHERE ") + any.sql + QStringLiteral(" AND ") + first + bound;
        QVariantList all = any.params;
        all << target[0];
        if (!where.isEmpty()) {
            sql += QStringLiteral(" AND (") + where + QLatin1Char(')');
            all += params;
        }
        sql += orderByClause(reversed);
        TracedQuery q = execQuery(sql, all);
        while (q.next())
            rows.push_back(readRow(q));
        return rows;
    };
    // The first order column bounds both walks; NULLs, which it cannot
    // bound, sort first ascending and last descending, outside the page.
    const bool desc = terms[0].descending;
    QVector<Row> before = readRows(sideOf(terms, target, true), desc ? QStringLiteral(" >= ?") : QStringLiteral(" <= ?"),
                                   wantBefore, true);
    if (before.size() < wantBefore)
        return false;
    QVector<Row> after = readRows(sideOf(terms, target, false), desc ? QStringLiteral(" <= ?") : QStringLiteral(" >= ?"),
                                  wantAfter, false);
    if (after.size() < wantAfter || (m_count < 0 && after.size() < PageSize - wantBefore - 1))
        return false;
    TracedQuery q = execQuery(QStringLiteral("SELECT ") + columnList() + QLatin1Char(' ') + fromClause()
                                + QStringLiteral(" WHERE ") + keyField() + QStringLiteral(" = ?"),
                            {keyValue});
    if (!q.next())
        return false;
    const Row self = readRow(q);
    QVector<Row> rows;
    rows.reserve(PageSize);
    for (auto it = before.rbegin(); it != before.rend(); ++it)
        rows.push_back(*it);
    rows.push_back(self);
    rows += after;
    if (m_pages.size() > 256)
        m_pages.clear();
    m_pages.insert(page, rows);
    return true;
}

} // namespace data
