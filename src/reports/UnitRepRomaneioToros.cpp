#include "UnitRepRomaneioToros.h"

#include "EntradaReports.h"

#include "data/Connection.h"
#include "data/DataError.h"

#include <QSqlError>
#include <QSqlQuery>

namespace reports {

namespace {

const double kLine = 4.5; // mm, one printed line

} // namespace

ReportDefinition RepRomaneioToros(data::Connection &connection, const QVariantMap &params)
{
    ReportDefinition def;
    def.name = QStringLiteral("RepRomaneioToros");
    def.paper = Paper::Letter;
    def.params = params;
    const double client = params.value(QStringLiteral("CLIENTE")).toDouble();
    def.data.table = QStringLiteral("ROMANEIO_TORO");
    def.data.condition = QStringLiteral("CODEMPRESA = :cliente and NF = :nota");
    def.data.params = {{QStringLiteral("cliente"), client},
                       {QStringLiteral("nota"), params.value(QStringLiteral("NOTA")).toDouble()}};
    def.data.order = {QStringLiteral("ESSENCIA")};
    def.data.key = QStringLiteral("CODLANCAMENTO");

    const PackingClient c = packingClient(connection, client);
    auto fixed = [](const QString &text) { return [text](const ReportContext &) { return text; }; };
    QVector<Element> extra;
    headingLine(extra, 0, QStringLiteral("NOTA....:"), 22,
                [](const ReportContext &r) { return r.text(QStringLiteral("NF"), QStringLiteral("000000")); }, 30);
    extra << label(60, 0, 21, kLine, QStringLiteral("EMISSAO..:"));
    extra << computed(82, 0, 40, kLine, [](const ReportContext &r) { return r.text(QStringLiteral("DATA")); },
                      Qt::AlignLeft, true);
    const double w = printableWidth(def) - 22;
    headingLine(extra, kLine, QStringLiteral("CLIENTE.:"), 22, fixed(c.name), w);
    headingLine(extra, 2 * kLine, QStringLiteral("CNPJ/CPF.:"), 22, fixed(c.taxId), w);
    headingLine(extra, 3 * kLine, QStringLiteral("ENDEREÇO:"), 22, fixed(c.address), w);
    headingLine(extra, 4 * kLine, QStringLiteral("BAIRRO...:"), 22, fixed(c.district), w);
    headingLine(extra, 5 * kLine, QStringLiteral("CIDADE..:"), 22, fixed(c.city), w);
    headingLine(extra, 6 * kLine, QStringLiteral("FONE.....:"), 22, fixed(c.phone), w);
    def.pageHeader = standardPageHeader(def, QStringLiteral("ROMANEIO DE TOROS"), extra, 7 * kLine);
    const Qt::Alignment right = Qt::AlignRight;
    def.columnHeader = columnTitles(def, {{0, 22, QStringLiteral("PRODUTO")},
                                          {24, 60, QStringLiteral("ESSÊNCIA")},
                                          {86, 34, QStringLiteral("COMPRIMENTO"), right},
                                          {122, 32, QStringLiteral("DIAMETRO"), right},
                                          {156, 40, QStringLiteral("TOTAL M3"), right}});
    def.detail.height = kLine;
    def.detail.add(field(0, 0, 22, kLine, QStringLiteral("CODPRODUTO"), QStringLiteral("000000")));
    def.detail.add(field(24, 0, 60, kLine, QStringLiteral("ESSENCIA")));
    def.detail.add(field(86, 0, 34, kLine, QStringLiteral("COMPRIMENTO"), QStringLiteral("0.0000"), right));
    def.detail.add(field(122, 0, 32, kLine, QStringLiteral("LARGURA"), QStringLiteral("0.00"), right));
    def.detail.add(field(156, 0, 40, kLine, QStringLiteral("TOTALM3"), QStringLiteral("0.0000"), right));

    def.sums = {{QStringLiteral("TOTALM3"), QStringLiteral("TOTALM3"), -1}};
    def.summary.add(rule(0.5));
    def.summary.add(label(0, 1.5, 50, kLine, QStringLiteral("TOTAL"), Qt::AlignLeft, true));
    def.summary.add(sumField(156, 1.5, 40, kLine, QStringLiteral("TOTALM3"), QStringLiteral("0.0000")));
    def.summary.add(label(0, 8, 50, kLine, QStringLiteral("Observação"), Qt::AlignLeft, true));
    double y = 8 + kLine;
    const QString remarks = params.value(QStringLiteral("OBSERVACAO")).toString();
    if (!remarks.isEmpty()) {
        for (const QString &line : remarks.split(QLatin1Char('\n'))) {
            def.summary.add(label(0, y, printableWidth(def), kLine, line));
            y += kLine;
        }
    }
    def.summary.height = y + 1;
    def.pageFooter = standardPageFooter(def);
    return def;
}

ReportEntry repRomaneioTorosEntry()
{
    return {QStringLiteral("RepRomaneioToros"), QStringLiteral("Romaneio de toras de um cliente"),
            {{QStringLiteral("CLIENTE"), ReportParameter::Type::Integer, QStringLiteral("código do cliente"), true},
             {QStringLiteral("NOTA"), ReportParameter::Type::Integer, QStringLiteral("número da nota/controle"), true},
             {QStringLiteral("OBSERVACAO"), ReportParameter::Type::Text, QStringLiteral("observação impressa no fim"),
              false}},
            [](data::Connection &connection, const QVariantMap &params) {
                return RepRomaneioToros(connection, params);
            }};
}

} // namespace reports
