#include "MovementLines.h"

#include "data/DataError.h"
#include "data/Statement.h"
#include "data/Transaction.h"

namespace rules {

namespace {

QVariantMap params(const InvoiceKey &key, const QVariantMap &more = {})
{
    QVariantMap p = more;
    p.insert(QStringLiteral("nf"), key.number);
    p.insert(QStringLiteral("party"), key.supplier);
    return p;
}

} // namespace

QString MovementLines::linesOf(const QString &select, const QString &where) const
{
    QString sql = QStringLiteral("%1 %2 where %3 = :nf and %4 = :party")
                      .arg(select, m_tables.lines, m_tables.number, m_tables.party);
    if (!where.isEmpty())
        sql += QStringLiteral(" and ") + where;
    return sql;
}

int MovementLines::headerCount(const InvoiceKey &key) const
{
    const QString sql = QStringLiteral("select count(*) from %1 where %2 = :nf and %3 = :party")
                            .arg(m_tables.header, m_tables.headerNumber, m_tables.headerParty);
    return data::firstRow(m_connection, sql, params(key)).value(0).toInt();
}

int MovementLines::lineCount(const InvoiceKey &key, const QString &where, const QVariantMap &more) const
{
    return data::firstRow(m_connection, linesOf(QStringLiteral("select count(*) from"), where), params(key, more))
        .value(0)
        .toInt();
}

InvoiceTotals MovementLines::totals(const InvoiceKey &key, const QString &where, const QVariantMap &more) const
{
    const QString select = QStringLiteral("select sum(%1), sum(%2), count(*) from").arg(m_tables.value, m_tables.volume);
    const QVariantList row = data::firstRow(m_connection, linesOf(select, where), params(key, more));
    InvoiceTotals t;
    if (row.size() == 3) {
        t.value = row[0].toDouble();
        t.volume = row[1].toDouble(); // a line without a volume adds nothing
        t.lines = row[2].toInt();
    }
    return t;
}

bool MovementLines::numberTaken(const InvoiceKey &key, const InvoiceKey &ownLines) const
{
    if (headerCount(key) > 0)
        return true;
    if (ownLines.isValid() && ownLines == key)
        return false;
    return lineCount(key) > 0;
}

int MovementLines::moveLines(const InvoiceKey &from, const InvoiceKey &to, const SupplierCopy &party)
{
    if (from == to && party.code.toDouble() == to.supplier.toDouble())
        return 0;
    QVariantMap p = params(from);
    p.insert(QStringLiteral("newnf"), to.number);
    p.insert(QStringLiteral("newparty"), to.supplier);
    p.insert(QStringLiteral("nome"), party.name);
    p.insert(QStringLiteral("cpf"), party.cpf.isNull() || party.cpf.toString().isEmpty() ? QVariant(0) : party.cpf);
    p.insert(QStringLiteral("ie"), party.inscricao);
    const QString update = QStringLiteral("update %1 set %2 = :newnf, %3 = :newparty, FORNECEDOR = :nome, "
                                          "CPF = :cpf, INSCRICAO = :ie where %2 = :nf and %3 = :party")
                               .arg(m_tables.lines, m_tables.number, m_tables.party);
    return data::execute(m_connection, update, p);
}

int MovementLines::removeLines(const InvoiceKey &key)
{
    data::Transaction work(m_connection);
    const int n = data::execute(m_connection, linesOf(QStringLiteral("delete from"), {}), params(key));
    work.commit();
    return n;
}

std::optional<int> MovementLines::removeWithLines(const QVariant &id,
                                                  const std::function<bool(const InvoiceKey &)> &keep)
{
    data::Transaction work(m_connection);
    const QString find = QStringLiteral("select %1, %2 from %3 where %4 = :id")
                             .arg(m_tables.headerNumber, m_tables.headerParty, m_tables.header, m_tables.headerId);
    const QVariantList header = data::firstRow(m_connection, find, {{QStringLiteral("id"), id}});
    if (header.isEmpty())
        throw data::DataError(QStringLiteral("A Nota Fiscal não foi encontrada; talvez já tenha sido excluída."));
    const InvoiceKey key{header[0], header[1]};
    if (keep && keep(key))
        return std::nullopt;
    const int lines = data::execute(m_connection, linesOf(QStringLiteral("delete from"), {}), params(key));
    data::execute(m_connection, QStringLiteral("delete from %1 where %2 = :id").arg(m_tables.header, m_tables.headerId),
                  {{QStringLiteral("id"), id}});
    work.commit();
    return lines;
}

bool MovementLines::noneAtAll() const
{
    return data::firstRow(m_connection, QStringLiteral("select first 1 1 from %1").arg(m_tables.lines)).isEmpty();
}

} // namespace rules
