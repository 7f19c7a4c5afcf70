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

namespace {

const double kLine = 4.5; // mm, one printed line

} // namespace

void headingLine(QVector<Element> &extra, double y, const QString &caption, double valueX,
                 std::function<QString(const ReportContext &)> value, double valueWidth)
{
    extra << label(0, y, valueX - 1, kLine, caption);
    extra << computed(valueX, y, valueWidth, kLine, std::move(value), Qt::AlignLeft, true);
}

QVector<ReportParameter> invoiceListParameters()
{
    return {{QStringLiteral("INICIO"), ReportParameter::Type::Date, QStringLiteral("primeiro dia do período"), true},
            {QStringLiteral("FIM"), ReportParameter::Type::Date, QStringLiteral("último dia do período"), true},
            {QStringLiteral("ORDEM"), ReportParameter::Type::Text,
             QStringLiteral("DATA_EMISSAO, RAZAO_SOCIAL ou NF_NUMERO (o padrão)"), false}};
}

QVector<ReportParameter> invoiceDetailParameters()
{
    return {{QStringLiteral("FORNECEDOR"), ReportParameter::Type::Integer, QStringLiteral("código do fornecedor"), true},
            {QStringLiteral("NOTA"), ReportParameter::Type::Integer, QStringLiteral("número da nota fiscal"), true}};
}

ReportDefinition invoiceListReport(const QString &name, const QString &table, const QString &title,
                                   bool maskedTaxId, const QVariantMap &params)
{
    ReportDefinition def;
    def.name = name;
    def.paper = Paper::A4;
    def.params = params;
    const QDate from = params.value(QStringLiteral("INICIO")).toDate();
    const QDate to = params.value(QStringLiteral("FIM")).toDate();
    QString order = params.value(QStringLiteral("ORDEM")).toString().trimmed().toUpper();
    if (order.isEmpty())
        order = QStringLiteral("NF_NUMERO");
    if (order != QLatin1String("DATA_EMISSAO") && order != QLatin1String("RAZAO_SOCIAL")
        && order != QLatin1String("NF_NUMERO"))
        throw ReportError(QStringLiteral("Parâmetro ORDEM do relatório %1: \"%2\" não é DATA_EMISSAO, "
                                         "RAZAO_SOCIAL nem NF_NUMERO.").arg(name, order));
    def.data.table = table;
    // Dates are bound as dates; the final day counts whole, whatever time
    // of day an issue date carries.
    def.data.condition = QStringLiteral("DATA_EMISSAO >= :inicio and DATA_EMISSAO < :depois");
    def.data.params = {{QStringLiteral("inicio"), QDateTime(from, QTime(0, 0))},
                       {QStringLiteral("depois"), QDateTime(to.addDays(1), QTime(0, 0))}};
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
    const QString fromText = from.toString(QStringLiteral("dd/MM/yyyy"));
    const QString toText = to.toString(QStringLiteral("dd/MM/yyyy"));
    headingLine(extra, 0, QStringLiteral("Período Inicial..:"), 38,
                [fromText](const ReportContext &) { return fromText; }, 30);
    headingLine(extra, kLine, QStringLiteral("Período Final....:"), 38,
                [toText](const ReportContext &) { return toText; }, 30);
    def.pageHeader = standardPageHeader(def, title, extra, 2 * kLine);
    def.columnHeader = columnTitles(def, {{0, 16, QStringLiteral("NF")},
                                          {18, 22, QStringLiteral("Emissão")},
                                          {42, 76, QStringLiteral("Fornecedor")},
                                          {120, 40, QStringLiteral("CNPJ")},
                                          {162, 28, QStringLiteral("Insc.Estadual")}});
    def.detail.height = kLine;
    def.detail.add(field(0, 0, 16, kLine, QStringLiteral("NF_NUMERO"), QStringLiteral("000000")));
    def.detail.add(field(18, 0, 22, kLine, QStringLiteral("DATA_EMISSAO")));
    def.detail.add(field(42, 0, 76, kLine, QStringLiteral("RAZAO_SOCIAL")));
    def.detail.add(computed(120, 0, 40, kLine, [maskedTaxId, lettersKept](const ReportContext &c) {
        QVariant cgc = c.value(QStringLiteral("CGC"));
        if (cgc.isNull() && lettersKept)
            cgc = c.value(QStringLiteral("CNPJ_LETRAS"));
        return maskedTaxId ? core::taxIdText(cgc) : core::taxIdDigits(cgc);
    }));
    def.detail.add(field(162, 0, 28, kLine, QStringLiteral("INSC_ESTADUAL")));
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
    const double xQty = 84, wQty = 36, xUnit = 122, wUnit = 34, xValue = 158, wValue = 38;
    def.columnHeader = columnTitles(def, {{0, 50, QStringLiteral("ESSÊNCIA")},
                                          {52, 30, secondTitle},
                                          {xQty, wQty, QStringLiteral("QUANTIDADE[M/3]"), right},
                                          {xUnit, wUnit, QStringLiteral("VALOR UNITÁRIO"), right},
                                          {xValue, wValue, QStringLiteral("VALOR TOTAL"), right}});

    Group species;
    species.key = leftOf(QStringLiteral("ESSENCIA"), 20);
    species.header.height = 5;
    species.header.add(computed(0, 0.5, 50, kLine,
                                [](const ReportContext &c) {
                                    return c.value(QStringLiteral("ESSENCIA")).toString().left(20);
                                },
                                Qt::AlignLeft, true));
    species.header.beforePrint = [](ReportContext &c) {
        c.setVar(QStringLiteral("SUBVOLUME"), 0.0);
        c.setVar(QStringLiteral("SUBVALOR"), 0.0);
    };
    species.footer.height = 6;
    species.footer.add(computed(xQty, 0.5, wQty, kLine,
                                [](const ReportContext &c) {
                                    return formatValue(c.number(QStringLiteral("SUBVOLUME")),
                                                       QStringLiteral("#,####0.0000"));
                                },
                                right, true));
    species.footer.add(computed(xValue, 0.5, wValue, kLine,
                                [](const ReportContext &c) {
                                    return formatValue(c.number(QStringLiteral("SUBVALOR")),
                                                       QStringLiteral("#,####0.00"));
                                },
                                right, true));
    def.groups = {species};

    def.detail.height = kLine;
    def.detail.add(field(52, 0, 30, kLine, secondColumn, secondMask));
    def.detail.add(field(xQty, 0, wQty, kLine, volumeColumn, QStringLiteral("0.0000"), right));
    def.detail.add(field(xUnit, 0, wUnit, kLine, QStringLiteral("VALUNITARIO"), QStringLiteral("0.00"), right));
    def.detail.add(field(xValue, 0, wValue, kLine, QStringLiteral("VALTOTAL"), QStringLiteral("0.00"), right));
    def.detail.beforePrint = [volumeColumn](ReportContext &c) {
        c.addTo(QStringLiteral("SUBVOLUME"), c.value(volumeColumn).toDouble());
        c.addTo(QStringLiteral("SUBVALOR"), c.value(QStringLiteral("VALTOTAL")).toDouble());
    };

    def.sums = {{QStringLiteral("VOLUME"), volumeColumn, -1},
                {QStringLiteral("VALOR"), QStringLiteral("VALTOTAL"), -1}};
    def.summary.height = 7;
    def.summary.add(rule(0.5));
    def.summary.add(label(0, 1.5, 50, kLine, QStringLiteral("TOTAL"), Qt::AlignLeft, true));
    def.summary.add(sumField(xQty, 1.5, wQty, kLine, QStringLiteral("VOLUME"), QStringLiteral("0.0000")));
    def.summary.add(sumField(xValue, 1.5, wValue, kLine, QStringLiteral("VALOR"), QStringLiteral("0.00")));
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

} // namespace reports
