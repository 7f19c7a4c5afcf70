#include "UnitRepProducao.h"

#include "ReportParts.h"

namespace reports {

ReportDefinition RepProducao(const QVariantMap &params)
{
    ReportDefinition def = periodReport(QStringLiteral("RepProducao"), Paper::A4, QStringLiteral("PRODUCAO"),
                                        QStringLiteral("DATA"), params);
    def.data.order = {orderOf(def.name, params, {QStringLiteral("DATA"), QStringLiteral("ESSENCIA"),
                                                 QStringLiteral("CODPRODUTO")})};
    def.data.key = QStringLiteral("CODLANCAMENTO");

    QVector<Element> extra;
    periodHeading(extra, 0, periodOf(params));
    def.pageHeader = standardPageHeader(def, QStringLiteral("RELATÓRIO DE PRODUÇÃO"), extra, 2 * kLine);
    const Qt::Alignment right = Qt::AlignRight;
    const double xLog = 110, wLog = 40, xSawn = 152, wSawn = 38;
    setColumns(def, {{0, 50, QStringLiteral("ESSÊNCIA")},
                     {52, 30, QStringLiteral("DATA/PRODUÇÃO"), QStringLiteral("DATA")},
                     {84, 24, QStringLiteral("PRODUTO"), QStringLiteral("CODPRODUTO"), QStringLiteral("000000")},
                     {xLog, wLog, QStringLiteral("QTDE/TORA(M/3)"), QStringLiteral("QTORA"), QStringLiteral("0.0000"),
                      right},
                     {xSawn, wSawn, QStringLiteral("QTDE/SERRADA(M/3)"), QStringLiteral("QSERRADA"),
                      QStringLiteral("0.0000"), right}});

    // A group is a run of rows of one species: with another order the same
    // species can head several groups.
    Group species = speciesGroup();
    species.footer.height = 6;
    species.footer.add(sumField(xLog, 0.5, wLog, kLine, QStringLiteral("SUBTORA"), QStringLiteral("#,####0.0000")));
    species.footer.add(
        sumField(xSawn, 0.5, wSawn, kLine, QStringLiteral("SUBSERRADA"), QStringLiteral("#,####0.0000")));
    def.groups = {species};

    def.sums = {{QStringLiteral("SUBTORA"), QStringLiteral("QTORA"), 0},
                {QStringLiteral("SUBSERRADA"), QStringLiteral("QSERRADA"), 0},
                {QStringLiteral("TORA"), QStringLiteral("QTORA"), -1},
                {QStringLiteral("SERRADA"), QStringLiteral("QSERRADA"), -1}};
    totalLine(def.summary, QStringLiteral("TOTAL"), 50,
              {{QStringLiteral("TORA"), xLog, wLog, QStringLiteral("0.0000")},
               {QStringLiteral("SERRADA"), xSawn, wSawn, QStringLiteral("0.0000")}});
    def.pageFooter = standardPageFooter(def);
    return def;
}

ReportEntry repProducaoEntry()
{
    return plainEntry(QStringLiteral("RepProducao"), QStringLiteral("Produção de um período, por essência"),
                      periodParameters(QStringLiteral("DATA (o padrão), ESSENCIA ou CODPRODUTO")), RepProducao);
}

} // namespace reports
