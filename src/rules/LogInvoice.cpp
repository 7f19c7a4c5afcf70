#include "LogInvoice.h"

namespace rules {

namespace {

InvoiceTables intakeTables(const QString &header)
{
    return {header + QStringLiteral("_DISCRIMINACAO"), QStringLiteral("NFNUMERO"), QStringLiteral("CODIGOFORNECEDOR"),
            QStringLiteral("VALTOTAL"), QStringLiteral("QUANTIDADE"), header, QStringLiteral("CODIGOENTRADA")};
}

} // namespace

const InvoiceTables &logIntakeTables()
{
    static const InvoiceTables tables = intakeTables(QStringLiteral("ENTRADA_TOROS"));
    return tables;
}

const InvoiceTables &sawnIntakeTables()
{
    static const InvoiceTables tables = intakeTables(QStringLiteral("ENTRADA_SERRADA"));
    return tables;
}

int LogInvoice::sawnLogs(const InvoiceKey &key) const
{
    return m_lines.lineCount(key, QStringLiteral("SITUACAO = 1"));
}

bool LogInvoice::remove(const QVariant &headerKey)
{
    // The guard is asked inside the deletion's transaction.
    return m_lines.removeWithLines(headerKey, [this](const InvoiceKey &key) { return sawnLogs(key) > 0; })
        .has_value();
}

} // namespace rules
