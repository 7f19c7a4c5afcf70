#include "UnitRepProducao1.h"

#include "EntradaReports.h"
#include "ProducaoReports.h"

namespace reports {

namespace {
const double kLine = 4.5; // mm, one printed line
}

ReportDefinition RepProducao1(const QVariantMap &params)
{
    ReportDefinition def;
    def.name = QStringLiteral("RepProducao1");
    def.paper = Paper::Letter;
    def.margins.top = 5;
    def.params = params;
    const Period period = periodOf(params);
    def.data.table = QStringLiteral("PRODUCAO");
    periodCondition(def.data, QStringLiteral("DATA"), period);
    def.data.condition += QStringLiteral(" and CODIGOESSENCIA = :essencia");
    def.data.params.insert(QStringLiteral("essencia"), params.value(QStringLiteral("ESSENCIA")).toDouble());
    def.data.order = {orderOf(def.name, params, {QStringLiteral("DATA"), QStringLiteral("CODPRODUTO")})};
    def.data.key = QStringLiteral("CODLANCAMENTO");

    QVector<Element> extra;
    periodHeading(extra, 0, period);
    headingLine(extra, 2 * kLine, QStringLiteral("ESSÊNCIA.........:"), 38,
                [](const ReportContext &c) { return c.text(QStringLiteral("ESSENCIA")); }, 100);
    def.pageHeader = standardPageHeader(def, QStringLiteral("RELATÓRIO PRODUÇÃO/DETALHADO"), extra, 3 * kLine);
    const Qt::Alignment right = Qt::AlignRight;
    const double xDate = 30, wDate = 32, xLog = 64, wLog = 40, xValue = 106, wValue = 40, xSawn = 148, wSawn = 46;
    def.columnHeader = columnTitles(def, {{0, 28, QStringLiteral("PRODUTO")},
                                          {xDate, wDate, QStringLiteral("DATA/PRODUÇÃO")},
                                          {xLog, wLog, QStringLiteral("TORA(M/3)"), right},
                                          {xValue, wValue, QStringLiteral("VAL.TORA"), right},
                                          {xSawn, wSawn, QStringLiteral("SERRADA(M/3)"), right}});
    def.detail.height = kLine;
    def.detail.add(field(0, 0, 28, kLine, QStringLiteral("CODPRODUTO"), QStringLiteral("000000")));
    def.detail.add(field(xDate, 0, wDate, kLine, QStringLiteral("DATA")));
    def.detail.add(field(xLog, 0, wLog, kLine, QStringLiteral("QTORA"), QStringLiteral("0.0000"), right));
    def.detail.add(field(xValue, 0, wValue, kLine, QStringLiteral("VALTORA"), QStringLiteral("0.00"), right));
    def.detail.add(field(xSawn, 0, wSawn, kLine, QStringLiteral("QSERRADA"), QStringLiteral("0.0000"), right));

    def.sums = {{QStringLiteral("TORA"), QStringLiteral("QTORA"), -1},
                {QStringLiteral("VALOR"), QStringLiteral("VALTORA"), -1},
                {QStringLiteral("SERRADA"), QStringLiteral("QSERRADA"), -1}};
    def.summary.height = 7;
    def.summary.add(rule(0.5));
    def.summary.add(label(0, 1.5, 28, kLine, QStringLiteral("TOTAL"), Qt::AlignLeft, true));
    def.summary.add(sumField(xLog, 1.5, wLog, kLine, QStringLiteral("TORA"), QStringLiteral("0.0000")));
    def.summary.add(sumField(xValue, 1.5, wValue, kLine, QStringLiteral("VALOR"), QStringLiteral("0.00")));
    def.summary.add(sumField(xSawn, 1.5, wSawn, kLine, QStringLiteral("SERRADA"), QStringLiteral("0.0000")));
    def.pageFooter = standardPageFooter(def);
    return def;
}

ReportEntry repProducao1Entry()
{
    QVector<ReportParameter> parameters = productionPeriodParameters(QStringLiteral("DATA (o padrão) ou CODPRODUTO"));
    parameters.insert(2, {QStringLiteral("ESSENCIA"), ReportParameter::Type::Integer,
                          QStringLiteral("código da essência"), true});
    return {QStringLiteral("RepProducao1"), QStringLiteral("Produção de um período de uma essência"), parameters,
            [](data::Connection &, const QVariantMap &params) { return RepProducao1(params); }};
}

} // namespace reports
