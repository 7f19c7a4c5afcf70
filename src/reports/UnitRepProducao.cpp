#include "UnitRepProducao.h"

#include "ProducaoReports.h"

namespace reports {

namespace {
const double kLine = 4.5; // mm, one printed line
}

ReportDefinition RepProducao(const QVariantMap &params)
{
    ReportDefinition def;
    def.name = QStringLiteral("RepProducao");
    def.paper = Paper::A4;
    def.params = params;
    const Period period = periodOf(params);
    def.data.table = QStringLiteral("PRODUCAO");
    periodCondition(def.data, QStringLiteral("DATA"), period);
    def.data.order = {orderOf(def.name, params, {QStringLiteral("DATA"), QStringLiteral("ESSENCIA"),
                                                 QStringLiteral("CODPRODUTO")})};
    def.data.key = QStringLiteral("CODLANCAMENTO");

    QVector<Element> extra;
    periodHeading(extra, 0, period);
    def.pageHeader = standardPageHeader(def, QStringLiteral("RELATÓRIO DE PRODUÇÃO"), extra, 2 * kLine);
    const Qt::Alignment right = Qt::AlignRight;
    const double xDate = 52, wDate = 30, xPlate = 84, wPlate = 24, xLog = 110, wLog = 40, xSawn = 152, wSawn = 38;
    def.columnHeader = columnTitles(def, {{0, 50, QStringLiteral("ESSÊNCIA")},
                                          {xDate, wDate, QStringLiteral("DATA/PRODUÇÃO")},
                                          {xPlate, wPlate, QStringLiteral("PRODUTO")},
                                          {xLog, wLog, QStringLiteral("QTDE/TORA(M/3)"), right},
                                          {xSawn, wSawn, QStringLiteral("QTDE/SERRADA(M/3)"), right}});

    // A group is a run of rows of one species: with another order the same
    // species can head several groups.
    Group species;
    species.key = leftOf(QStringLiteral("ESSENCIA"), 20);
    species.header.height = 5;
    species.header.add(computed(0, 0.5, 50, kLine,
                                [](const ReportContext &c) {
                                    return c.value(QStringLiteral("ESSENCIA")).toString().left(20);
                                },
                                Qt::AlignLeft, true));
    species.footer.height = 6;
    species.footer.add(sumField(xLog, 0.5, wLog, kLine, QStringLiteral("SUBTORA"), QStringLiteral("#,####0.0000")));
    species.footer.add(
        sumField(xSawn, 0.5, wSawn, kLine, QStringLiteral("SUBSERRADA"), QStringLiteral("#,####0.0000")));
    def.groups = {species};

    def.detail.height = kLine;
    def.detail.add(field(xDate, 0, wDate, kLine, QStringLiteral("DATA")));
    def.detail.add(field(xPlate, 0, wPlate, kLine, QStringLiteral("CODPRODUTO"), QStringLiteral("000000")));
    def.detail.add(field(xLog, 0, wLog, kLine, QStringLiteral("QTORA"), QStringLiteral("0.0000"), right));
    def.detail.add(field(xSawn, 0, wSawn, kLine, QStringLiteral("QSERRADA"), QStringLiteral("0.0000"), right));

    def.sums = {{QStringLiteral("SUBTORA"), QStringLiteral("QTORA"), 0},
                {QStringLiteral("SUBSERRADA"), QStringLiteral("QSERRADA"), 0},
                {QStringLiteral("TORA"), QStringLiteral("QTORA"), -1},
                {QStringLiteral("SERRADA"), QStringLiteral("QSERRADA"), -1}};
    def.summary.height = 7;
    def.summary.add(rule(0.5));
    def.summary.add(label(0, 1.5, 50, kLine, QStringLiteral("TOTAL"), Qt::AlignLeft, true));
    def.summary.add(sumField(xLog, 1.5, wLog, kLine, QStringLiteral("TORA"), QStringLiteral("0.0000")));
    def.summary.add(sumField(xSawn, 1.5, wSawn, kLine, QStringLiteral("SERRADA"), QStringLiteral("0.0000")));
    def.pageFooter = standardPageFooter(def);
    return def;
}

ReportEntry repProducaoEntry()
{
    return {QStringLiteral("RepProducao"), QStringLiteral("Produção de um período, por essência"),
            productionPeriodParameters(QStringLiteral("DATA (o padrão), ESSENCIA ou CODPRODUTO")),
            [](data::Connection &, const QVariantMap &params) { return RepProducao(params); }};
}

} // namespace reports
