#include "UnitRepRomaneioserrada.h"

#include "EntradaReports.h"
#include "ReportError.h"

namespace reports {

namespace {
const double kLine = 4.5; // mm, one printed line
}

ReportDefinition RepRomaneioserrada(data::Connection &connection, const QVariantMap &params)
{
    ReportDefinition def;
    def.name = QStringLiteral("RepRomaneioserrada");
    def.paper = Paper::Letter;
    def.margins.top = 5;
    def.params = params;
    const double client = params.value(QStringLiteral("CLIENTE")).toDouble();
    def.data.table = QStringLiteral("ROMANEIO_SERRADA");
    def.data.condition = QStringLiteral("CODEMPRESA = :cliente and NF = :nota");
    def.data.params = {{QStringLiteral("cliente"), client},
                       {QStringLiteral("nota"), params.value(QStringLiteral("NOTA")).toDouble()}};
    QString order = params.value(QStringLiteral("ORDEM")).toString().trimmed().toUpper();
    if (order.isEmpty())
        order = QStringLiteral("PRODUTO");
    if (order != QLatin1String("PRODUTO") && order != QLatin1String("ESSENCIA"))
        throw ReportError(QStringLiteral("Parâmetro ORDEM do relatório %1: \"%2\" não é PRODUTO nem ESSENCIA.")
                              .arg(def.name, order));
    def.data.order = {order};
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
    def.pageHeader = standardPageHeader(def, QStringLiteral("ROMANEIO DE MADEIRA SERRADA"), extra, 7 * kLine);

    const Qt::Alignment right = Qt::AlignRight;
    struct Col
    {
        double x, w;
        const char *title, *field, *mask;
        bool right, bold;
    };
    const Col cols[] = {
        {0, 34, "PRODUTO", "PRODUTO", "", false, false},
        {35, 34, "ESSÊNCIA", "ESSENCIA", "", false, false},
        {70, 10, "QTDE", "QUANTIDADE", "0", true, false},
        {81, 13, "COMP", "COMPRIMENTO", "0.00", true, false},
        {95, 12, "LARG", "LARGURA", "0.00", true, false},
        {108, 13, "EXP", "EXPESSURA", "0.000", true, false},
        {122, 20, "M/3", "TOTALM3", "0.0000", true, true},
        {143, 22, "Val.Unit", "VLUNITARIO", "0.00", true, false},
        {166, 29, "Val.Total", "VLTOTAL", "0.00", true, false},
    };
    QVector<ColumnTitle> titles;
    def.detail.height = kLine;
    for (const Col &col : cols) {
        const Qt::Alignment a = col.right ? right : Qt::AlignLeft;
        titles.push_back({col.x, col.w, QString::fromUtf8(col.title), a});
        def.detail.add(field(col.x, 0, col.w, kLine, QString::fromLatin1(col.field), QString::fromLatin1(col.mask), a,
                             col.bold));
    }
    def.columnHeader = columnTitles(def, titles);

    def.sums = {{QStringLiteral("TOTALM3"), QStringLiteral("TOTALM3"), -1},
                {QStringLiteral("VLTOTAL"), QStringLiteral("VLTOTAL"), -1}};
    def.summary.add(rule(0.5));
    def.summary.add(label(0, 1.5, 50, kLine, QStringLiteral("TOTAL"), Qt::AlignLeft, true));
    def.summary.add(sumField(122, 1.5, 20, kLine, QStringLiteral("TOTALM3"), QStringLiteral("0.0000")));
    def.summary.add(sumField(166, 1.5, 29, kLine, QStringLiteral("VLTOTAL"), QStringLiteral("0.00")));
    def.summary.add(label(0, 8, 50, kLine, QStringLiteral("Observação"), Qt::AlignLeft, true));
    double y = 8 + kLine;
    const QString remarks = params.value(QStringLiteral("OBSERVACAO")).toString();
    if (!remarks.isEmpty()) {
        for (const QString &line : remarks.split(QLatin1Char('\n'))) {
            def.summary.add(label(0, y, printableWidth(def), kLine, line));
            y += kLine;
        }
    }
    y += kLine;
    def.summary.add(label(0, y, printableWidth(def), kLine,
                          QStringLiteral("Declaro para os devidos fins, que conferi a referida mercadoria acima "
                                         "discriminada e que")));
    def.summary.add(label(0, y + kLine, printableWidth(def), kLine,
                          QStringLiteral("não tenho nada a reclamar sobre a mesma.")));
    y += 3 * kLine;
    def.summary.add(label(0, y, printableWidth(def), kLine, QStringLiteral("Recebi  _______/_______/_______")));
    def.summary.height = y + kLine + 1;
    def.pageFooter = standardPageFooter(def);
    return def;
}

ReportEntry repRomaneioserradaEntry()
{
    return {QStringLiteral("RepRomaneioserrada"), QStringLiteral("Romaneio de madeira serrada de um cliente"),
            {{QStringLiteral("CLIENTE"), ReportParameter::Type::Integer, QStringLiteral("código do cliente"), true},
             {QStringLiteral("NOTA"), ReportParameter::Type::Integer, QStringLiteral("número da nota/controle"), true},
             {QStringLiteral("ORDEM"), ReportParameter::Type::Text, QStringLiteral("PRODUTO (o padrão) ou ESSENCIA"),
              false},
             {QStringLiteral("OBSERVACAO"), ReportParameter::Type::Text, QStringLiteral("observação impressa no fim"),
              false}},
            [](data::Connection &connection, const QVariantMap &params) {
                return RepRomaneioserrada(connection, params);
            }};
}

} // namespace reports
