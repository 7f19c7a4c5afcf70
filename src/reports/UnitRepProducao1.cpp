#include "UnitRepProducao1.h"

#include "ReportParts.h"

namespace reports {

ReportDefinition RepProducao1(const QVariantMap &params)
{
    ReportDefinition def = periodReport(QStringLiteral("RepProducao1"), Paper::Letter, QStringLiteral("PRODUCAO"),
                                        QStringLiteral("DATA"), params);
    def.margins.top = 5;
    def.data.condition += QStringLiteral(" and CODIGOESSENCIA = :essencia");
    def.data.params.insert(QStringLiteral("essencia"), params.value(QStringLiteral("ESSENCIA")).toDouble());
    def.data.order = {orderOf(def.name, params, {QStringLiteral("DATA"), QStringLiteral("CODPRODUTO")})};
    def.data.key = QStringLiteral("CODLANCAMENTO");

    QVector<Element> extra;
    periodHeading(extra, 0, periodOf(params));
    headingLine(extra, 2 * kLine, QStringLiteral("ESSÊNCIA.........:"), 38,
                [](const ReportContext &c) { return c.text(QStringLiteral("ESSENCIA")); }, 100);
    def.pageHeader = standardPageHeader(def, QStringLiteral("RELATÓRIO PRODUÇÃO/DETALHADO"), extra, 3 * kLine);
    const Qt::Alignment right = Qt::AlignRight;
    const double xLog = 64, wLog = 40, xValue = 106, wValue = 40, xSawn = 148, wSawn = 46;
    setColumns(def, {{0, 28, QStringLiteral("PRODUTO"), QStringLiteral("CODPRODUTO"), QStringLiteral("000000")},
                     {30, 32, QStringLiteral("DATA/PRODUÇÃO"), QStringLiteral("DATA")},
                     {xLog, wLog, QStringLiteral("TORA(M/3)"), QStringLiteral("QTORA"), QStringLiteral("0.0000"), right},
                     {xValue, wValue, QStringLiteral("VAL.TORA"), QStringLiteral("VALTORA"), QStringLiteral("0.00"),
                      right},
                     {xSawn, wSawn, QStringLiteral("SERRADA(M/3)"), QStringLiteral("QSERRADA"), QStringLiteral("0.0000"),
                      right}});

    def.sums = {{QStringLiteral("TORA"), QStringLiteral("QTORA"), -1},
                {QStringLiteral("VALOR"), QStringLiteral("VALTORA"), -1},
                {QStringLiteral("SERRADA"), QStringLiteral("QSERRADA"), -1}};
    totalLine(def.summary, QStringLiteral("TOTAL"), 28,
              {{QStringLiteral("TORA"), xLog, wLog, QStringLiteral("0.0000")},
               {QStringLiteral("VALOR"), xValue, wValue, QStringLiteral("0.00")},
               {QStringLiteral("SERRADA"), xSawn, wSawn, QStringLiteral("0.0000")}});
    def.pageFooter = standardPageFooter(def);
    return def;
}

ReportEntry repProducao1Entry()
{
    QVector<ReportParameter> parameters = periodParameters(QStringLiteral("DATA (o padrão) ou CODPRODUTO"));
    parameters.insert(
        2, {QStringLiteral("ESSENCIA"), ReportParameter::Type::Integer, QStringLiteral("código da essência"), true});
    return plainEntry(QStringLiteral("RepProducao1"), QStringLiteral("Produção de um período de uma essência"),
                      parameters, RepProducao1);
}

} // namespace reports
