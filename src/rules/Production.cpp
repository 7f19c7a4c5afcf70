#include "Production.h"

#include "core/Formats.h"
#include "data/Statement.h"
#include "data/Transaction.h"

namespace rules {

double Production::sawnVolume(double logVolume, qint64 indexTenThousandths)
{
    const double index = double(indexTenThousandths) / 10000.0;
    return core::editValue(core::generalNumber(logVolume / index / 10));
}

Production::Refusal Production::save(const ProductionRow &row)
{
    data::Transaction work(m_connection);
    // Only a log still in the yard is taken; the row count says whether it was.
    const int marked = data::execute(m_connection,
                                     QStringLiteral("update ENTRADA_TOROS_DISCRIMINACAO set SITUACAO = 1 "
                                                    "where CODIGOPRODUTO = :log and SITUACAO = 0"),
                                     {{QStringLiteral("log"), row.log}});
    if (marked != 1) {
        work.rollback();
        const QVariantList found = data::firstRow(
            m_connection, QStringLiteral("select count(*) from ENTRADA_TOROS_DISCRIMINACAO where CODIGOPRODUTO = :log"),
            {{QStringLiteral("log"), row.log}});
        return found.value(0).toInt() == 0 ? Refusal::LogMissing : Refusal::LogAlreadySawn;
    }
    data::execute(m_connection,
                  QStringLiteral("insert into PRODUCAO (DATA, PRODUTO, CODPRODUTO, ESSENCIA, CODIGOESSENCIA, QTORA, "
                                 "VALTORA, QSERRADA) values (:data, :produto, :log, :essencia, :codessencia, "
                                 ":qtora, :valtora, :qserrada)"),
                  {{QStringLiteral("data"), row.date.startOfDay()},
                   {QStringLiteral("produto"), row.product.left(30)},
                   {QStringLiteral("log"), row.log},
                   {QStringLiteral("essencia"), row.species.left(30)},
                   {QStringLiteral("codessencia"), row.speciesCode},
                   {QStringLiteral("qtora"), row.logVolume},
                   {QStringLiteral("valtora"), row.logValue},
                   {QStringLiteral("qserrada"), row.sawnVolume}});
    work.commit();
    return Refusal::None;
}

bool Production::remove(const QVariant &codLancamento)
{
    data::Transaction work(m_connection);
    const QVariantList row = data::firstRow(
        m_connection, QStringLiteral("select CODPRODUTO from PRODUCAO where CODLANCAMENTO = :id"),
        {{QStringLiteral("id"), codLancamento}});
    if (row.isEmpty())
        return false;
    data::execute(m_connection,
                  QStringLiteral("update ENTRADA_TOROS_DISCRIMINACAO set SITUACAO = 0 where CODIGOPRODUTO = :log"),
                  {{QStringLiteral("log"), row.value(0)}});
    data::execute(m_connection, QStringLiteral("delete from PRODUCAO where CODLANCAMENTO = :id"),
                  {{QStringLiteral("id"), codLancamento}});
    work.commit();
    return true;
}

} // namespace rules
