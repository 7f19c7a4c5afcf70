#include "EntradaReports.h"

#include "ReportError.h"
#include "ReportRegistry.h"

#include "core/TaxIdText.h"
#include "data/Connection.h"
#include "data/DataError.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>

namespace reports {

QVector<ReportParameter> invoiceListParameters()
{
    return periodParameters(QStringLiteral("DATA_EMISSAO, RAZAO_SOCIAL ou NF_NUMERO (o padrão)"));
}

QVector<ReportParameter> invoiceDetailParameters()
{
    return {{QStringLiteral("FORNECEDOR"), ReportParameter::Type::Integer, QStringLiteral("código do fornecedor"), true},
            {QStringLiteral("NOTA"), ReportParameter::Type::Integer, QStringLiteral("número da nota fiscal"), true}};
}

QVector<ReportParameter> packingListParameters()
{
    return {{QStringLiteral("CLIENTE"), ReportParameter::Type::Integer, QStringLiteral("código do cliente"), true},
            {QStringLiteral("NOTA"), ReportParameter::Type::Integer, QStringLiteral("número da nota/controle"), true},
            {QStringLiteral("OBSERVACAO"), ReportParameter::Type::Text, QStringLiteral("observação impressa no fim"),
             false}};
}

ReportDefinition invoiceListReport(const QString &name, const QString &table, const QString &title,
                                   bool maskedTaxId, const QVariantMap &params)
{
    ReportDefinition def = periodReport(name, Paper::A4, table, QStringLiteral("DATA_EMISSAO"), params);
    QString order = params.value(QStringLiteral("ORDEM")).toString().trimmed().toUpper();
    if (order.isEmpty())
        order = QStringLiteral("NF_NUMERO");
    if (order != QLatin1String("DATA_EMISSAO") && order != QLatin1String("RAZAO_SOCIAL")
        && order != QLatin1String("NF_NUMERO"))
        throw ReportError(QStringLiteral("Parâmetro ORDEM do relatório %1: \"%2\" não é DATA_EMISSAO, "
                                         "RAZAO_SOCIAL nem NF_NUMERO.").arg(name, order));
    def.data.order = {order};
    def.data.key = QStringLiteral("CODIGOENTRADA");
    // A CNPJ with letters is kept beside its header, CGC left empty.
    const bool lettersKept = table == QLatin1String("ENTRADA_SERRADA") || table == QLatin1String("SAIDA_MADEIRAS");
    if (lettersKept) {
        const QString key = table == QLatin1String("SAIDA_MADEIRAS") ? QStringLiteral("CODIGOSAIDA")
                                                                     : QStringLiteral("CODIGOENTRADA");
        def.data.columns = {table + QStringLiteral(".*"),
                            QStringLiteral("(select X.CNPJ from %1_CNPJ X where X.%2 = %1.%2) as CNPJ_LETRAS")
                                .arg(table, key)};
    }

    QVector<Element> extra;
    periodHeading(extra, 0, periodOf(params));
    def.pageHeader = standardPageHeader(def, title, extra, 2 * kLine);
    auto taxId = [maskedTaxId, lettersKept](const ReportContext &c) {
        QVariant cgc = c.value(QStringLiteral("CGC"));
        if (cgc.isNull() && lettersKept)
            cgc = c.value(QStringLiteral("CNPJ_LETRAS"));
        return maskedTaxId ? core::taxIdText(cgc) : core::taxIdDigits(cgc);
    };
    setColumns(def, {{0, 16, QStringLiteral("NF"), QStringLiteral("NF_NUMERO"), QStringLiteral("000000")},
                     {18, 22, QStringLiteral("Emissão"), QStringLiteral("DATA_EMISSAO")},
                     {42, 76, QStringLiteral("Fornecedor"), QStringLiteral("RAZAO_SOCIAL")},
                     {120, 40, QStringLiteral("CNPJ"), {}, {}, Qt::AlignLeft, false, taxId},
                     {162, 28, QStringLiteral("Insc.Estadual"), QStringLiteral("INSC_ESTADUAL")}});
    def.pageFooter = standardPageFooter(def);
    return def;
}

ReportDefinition invoiceDetailReport(const QString &name, const QString &table, const QString &title,
                                     const QString &secondTitle, const QString &secondColumn,
                                     const QString &secondMask, const QVariantMap &params,
                                     const QString &volumeColumn)
{
    ReportDefinition def;
    def.name = name;
    def.paper = Paper::Letter;
    def.params = params;
    def.data.table = table;
    def.data.condition = QStringLiteral("CODIGOFORNECEDOR = :fornecedor and NFNUMERO = :nota");
    def.data.params = {{QStringLiteral("fornecedor"), params.value(QStringLiteral("FORNECEDOR")).toDouble()},
                       {QStringLiteral("nota"), params.value(QStringLiteral("NOTA")).toDouble()}};
    def.data.order = {QStringLiteral("ESSENCIA")};
    def.data.key = QStringLiteral("CODDISCRIMINACAO");

    // Supplier, number and date are those of the lines the page starts with.
    QVector<Element> extra;
    headingLine(extra, 0, QStringLiteral("Empresa......:"), 30,
                [](const ReportContext &c) { return c.text(QStringLiteral("FORNECEDOR")); }, 160);
    headingLine(extra, kLine, QStringLiteral("NOTA FISCAL..:"), 30,
                [](const ReportContext &c) { return c.text(QStringLiteral("NFNUMERO"), QStringLiteral("000000")); }, 60);
    headingLine(extra, 2 * kLine, QStringLiteral("DATA EMISSÃO.:"), 30,
                [](const ReportContext &c) { return c.text(QStringLiteral("DATALANCAMENTO")); }, 60);
    def.pageHeader = standardPageHeader(def, title, extra, 3 * kLine);
    const Qt::Alignment right = Qt::AlignRight;
    const double xQty = 84, wQty = 36, xValue = 158, wValue = 38;
    setColumns(def, {{0, 50, QStringLiteral("ESSÊNCIA")},
                     {52, 30, secondTitle, secondColumn, secondMask},
                     {xQty, wQty, QStringLiteral("QUANTIDADE[M/3]"), volumeColumn, QStringLiteral("0.0000"), right},
                     {122, 34, QStringLiteral("VALOR UNITÁRIO"), QStringLiteral("VALUNITARIO"), QStringLiteral("0.00"),
                      right},
                     {xValue, wValue, QStringLiteral("VALOR TOTAL"), QStringLiteral("VALTOTAL"), QStringLiteral("0.00"),
                      right}});

    // The subtotals are kept by the detail's hook, as the lines print.
    Group species = speciesGroup();
    species.header.beforePrint = [](ReportContext &c) {
        c.setVar(QStringLiteral("SUBVOLUME"), 0.0);
        c.setVar(QStringLiteral("SUBVALOR"), 0.0);
    };
    auto subtotal = [](const QString &var, const QString &mask) {
        return [var, mask](const ReportContext &c) { return formatValue(c.number(var), mask); };
    };
    species.footer.height = 6;
    species.footer.add(computed(xQty, 0.5, wQty, kLine,
                                subtotal(QStringLiteral("SUBVOLUME"), QStringLiteral("#,####0.0000")), right, true));
    species.footer.add(computed(xValue, 0.5, wValue, kLine,
                                subtotal(QStringLiteral("SUBVALOR"), QStringLiteral("#,####0.00")), right, true));
    def.groups = {species};
    def.detail.beforePrint = [volumeColumn](ReportContext &c) {
        c.addTo(QStringLiteral("SUBVOLUME"), c.value(volumeColumn).toDouble());
        c.addTo(QStringLiteral("SUBVALOR"), c.value(QStringLiteral("VALTOTAL")).toDouble());
    };

    def.sums = {{QStringLiteral("VOLUME"), volumeColumn, -1},
                {QStringLiteral("VALOR"), QStringLiteral("VALTOTAL"), -1}};
    totalLine(def.summary, QStringLiteral("TOTAL"), 50,
              {{QStringLiteral("VOLUME"), xQty, wQty, QStringLiteral("0.0000")},
               {QStringLiteral("VALOR"), xValue, wValue, QStringLiteral("0.00")}});
    def.pageFooter = standardPageFooter(def);
    return def;
}

PackingClient packingClient(data::Connection &connection, double code)
{
    connection.ensureConnected();
    QSqlQuery q(connection.database());
    if (!q.prepare(QStringLiteral("select NOMECREDOR, ENDERECO, BAIRRO, CIDADE, UF, FONE, CNPJ, CPF from CREDOR "
                                  "where CODIGOCREDOR = ?")))
        throw data::DataError(q.lastError().text());
    q.addBindValue(code);
    if (!q.exec())
        throw data::DataError(q.lastError().text());
    PackingClient c;
    if (!q.next())
        return c;
    c.name = q.value(0).toString();
    c.address = q.value(1).toString();
    c.district = q.value(2).toString();
    c.city = q.value(3).toString() + QLatin1Char('-') + q.value(4).toString();
    c.phone = q.value(5).toString();
    c.taxId = q.value(6).toString();
    // A person's CNPJ is stored as zeros (or left empty): the CPF is printed.
    if (c.taxId.trimmed().isEmpty() || c.taxId.trimmed() == QLatin1String("00000000000000"))
        c.taxId = q.value(7).toString();
    return c;
}

ReportDefinition packingListReport(data::Connection &connection, const QString &name, const QString &table,
                                   const QString &title, const QVariantMap &params)
{
    ReportDefinition def;
    def.name = name;
    def.paper = Paper::Letter;
    def.params = params;
    const double client = params.value(QStringLiteral("CLIENTE")).toDouble();
    def.data.table = table;
    def.data.condition = QStringLiteral("CODEMPRESA = :cliente and NF = :nota");
    def.data.params = {{QStringLiteral("cliente"), client},
                       {QStringLiteral("nota"), params.value(QStringLiteral("NOTA")).toDouble()}};
    def.data.key = QStringLiteral("CODLANCAMENTO");

    const PackingClient c = packingClient(connection, client);
    QVector<Element> extra;
    headingLine(extra, 0, QStringLiteral("NOTA....:"), 22,
                [](const ReportContext &r) { return r.text(QStringLiteral("NF"), QStringLiteral("000000")); }, 30);
    extra << label(60, 0, 21, kLine, QStringLiteral("EMISSAO..:"));
    extra << computed(82, 0, 40, kLine, [](const ReportContext &r) { return r.text(QStringLiteral("DATA")); },
                      Qt::AlignLeft, true);
    const double w = printableWidth(def) - 22;
    headingLine(extra, kLine, QStringLiteral("CLIENTE.:"), 22, fixedText(c.name), w);
    headingLine(extra, 2 * kLine, QStringLiteral("CNPJ/CPF.:"), 22, fixedText(c.taxId), w);
    headingLine(extra, 3 * kLine, QStringLiteral("ENDEREÇO:"), 22, fixedText(c.address), w);
    headingLine(extra, 4 * kLine, QStringLiteral("BAIRRO...:"), 22, fixedText(c.district), w);
    headingLine(extra, 5 * kLine, QStringLiteral("CIDADE..:"), 22, fixedText(c.city), w);
    headingLine(extra, 6 * kLine, QStringLiteral("FONE.....:"), 22, fixedText(c.phone), w);
    def.pageHeader = standardPageHeader(def, title, extra, 7 * kLine);
    def.pageFooter = standardPageFooter(def);
    return def;
}

double packingSummary(ReportDefinition &def, const QVector<SumAt> &sums)
{
    for (const SumAt &s : sums)
        def.sums.push_back({s.sum, s.sum, -1});
    totalLine(def.summary, QStringLiteral("TOTAL"), 50, sums);
    double y = 8;
    def.summary.add(label(0, y, 50, kLine, QStringLiteral("Observação"), Qt::AlignLeft, true));
    y += kLine;
    const QString remarks = def.params.value(QStringLiteral("OBSERVACAO")).toString();
    if (!remarks.isEmpty()) {
        for (const QString &line : remarks.split(QLatin1Char('\n'))) {
            def.summary.add(label(0, y, printableWidth(def), kLine, line));
            y += kLine;
        }
    }
    return y;
}

} // namespace reports
