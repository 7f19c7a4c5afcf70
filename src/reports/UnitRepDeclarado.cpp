#include "UnitRepDeclarado.h"

#include "ReportParts.h"

#include "core/DeclaredVolume.h"
#include "data/SchemaUpgrade.h"

namespace reports {

namespace {

// The imported invoices with their measured volume, inside the period's
// markers (and the supplier's when one is given).
QString source(bool oneSupplier)
{
    return QStringLiteral(
               "(select N.CODIGOFORNECEDOR, coalesce(E.RAZAO_SOCIAL, '') as RAZAO_SOCIAL, N.NF_NUMERO, "
               "E.DATA_EMISSAO, N.VOLUME_DECLARADO, "
               "(select coalesce(sum(D.QUANTIDADE), 0) from ENTRADA_TOROS_DISCRIMINACAO D "
               " where D.NFNUMERO = N.NF_NUMERO and D.CODIGOFORNECEDOR = N.CODIGOFORNECEDOR) as MEDIDO, "
               "cast(N.CODIGOFORNECEDOR as varchar(30)) || '|' || cast(N.NF_NUMERO as varchar(30)) as CHAVE "
               "from NFE_TOROS N join ENTRADA_TOROS E on E.NF_NUMERO = N.NF_NUMERO "
               "and E.CODIGOFORNECEDOR = N.CODIGOFORNECEDOR "
               "where E.DATA_EMISSAO >= :inicio and E.DATA_EMISSAO < :depois%1) DECLARADO")
        .arg(oneSupplier ? QStringLiteral(" and N.CODIGOFORNECEDOR = :forn") : QString());
}

QString difference(double declared, double measured)
{
    return core::formatVolume3(core::declaredDifference(declared, measured), true);
}

QString percent(double declared, double measured)
{
    return core::formatSignedPercent(core::declaredDifferencePercent(declared, measured));
}

} // namespace

ReportDefinition RepDeclarado(const QVariantMap &params)
{
    ReportDefinition def;
    def.name = QStringLiteral("RepDeclarado");
    def.paper = Paper::A4;
    def.params = params;
    const Period period = periodOf(params);
    const QVariant supplier = params.value(QStringLiteral("FORNECEDOR"));
    def.data.table = source(!supplier.isNull());
    periodParams(def.data.params, period);
    if (!supplier.isNull())
        def.data.params.insert(QStringLiteral("forn"), supplier);
    def.data.order = {QStringLiteral("RAZAO_SOCIAL"), QStringLiteral("CODIGOFORNECEDOR"), QStringLiteral("DATA_EMISSAO"),
                      QStringLiteral("NF_NUMERO")};
    def.data.key = QStringLiteral("CHAVE");
    orderOf(def.name, params, {QStringLiteral("RAZAO_SOCIAL")});

    QVector<Element> extra;
    periodHeading(extra, 0, period);
    def.pageHeader = standardPageHeader(def, QStringLiteral("VOLUME DECLARADO NA NF-e X VOLUME MEDIDO"), extra, 2 * kLine);
    const Qt::Alignment right = Qt::AlignRight;
    const double xDecl = 56, wDecl = 32, xMeas = 90, wMeas = 32, xDiff = 124, wDiff = 34, xPct = 160, wPct = 30;
    auto number = [](const ReportContext &c, const char *column) {
        return c.value(QString::fromLatin1(column)).toDouble();
    };
    setColumns(def, {{0, 22, QStringLiteral("NOTA"), QStringLiteral("NF_NUMERO"), QStringLiteral("000000")},
                     {26, 26, QStringLiteral("EMISSÃO"), QStringLiteral("DATA_EMISSAO")},
                     {xDecl, wDecl, QStringLiteral("DECLARADO(M/3)"), {}, {}, right, false,
                      [number](const ReportContext &c) { return core::formatVolume3(number(c, "VOLUME_DECLARADO")); }},
                     {xMeas, wMeas, QStringLiteral("MEDIDO(M/3)"), {}, {}, right, false,
                      [number](const ReportContext &c) { return core::formatVolume3(number(c, "MEDIDO")); }},
                     {xDiff, wDiff, QStringLiteral("DIFERENÇA(M/3)"), {}, {}, right, false,
                      [number](const ReportContext &c) {
                          return difference(number(c, "VOLUME_DECLARADO"), number(c, "MEDIDO"));
                      }},
                     {xPct, wPct, QStringLiteral("DIFERENÇA %"), {}, {}, right, false,
                      [number](const ReportContext &c) {
                          return percent(number(c, "VOLUME_DECLARADO"), number(c, "MEDIDO"));
                      }}});

    Group group = headedGroup([](const ReportContext &c) { return c.value(QStringLiteral("CODIGOFORNECEDOR")); },
                              QStringLiteral("RAZAO_SOCIAL"), 150);
    group.footer.height = 6.5;
    group.footer.add(ruleAt(xDecl, 0.5, xPct + wPct - xDecl));
    group.footer.add(label(0, 1.5, 50, kLine, QStringLiteral("Total do Fornecedor"), Qt::AlignLeft, true));
    auto volume = [](const QString &sum) {
        return [sum](const ReportContext &c) { return core::formatVolume3(c.sum(sum)); };
    };
    auto totals = [&](Band &band, double y, const QString &decl, const QString &meas) {
        band.add(computed(xDecl, y, wDecl, kLine, volume(decl), right, true));
        band.add(computed(xMeas, y, wMeas, kLine, volume(meas), right, true));
        band.add(computed(xDiff, y, wDiff, kLine,
                          [decl, meas](const ReportContext &c) { return difference(c.sum(decl), c.sum(meas)); }, right,
                          true));
        band.add(computed(xPct, y, wPct, kLine,
                          [decl, meas](const ReportContext &c) { return percent(c.sum(decl), c.sum(meas)); }, right,
                          true));
    };
    totals(group.footer, 1.5, QStringLiteral("SUBDECL"), QStringLiteral("SUBMED"));
    def.groups = {group};

    def.sums = {{QStringLiteral("SUBDECL"), QStringLiteral("VOLUME_DECLARADO"), 0},
                {QStringLiteral("SUBMED"), QStringLiteral("MEDIDO"), 0},
                {QStringLiteral("DECL"), QStringLiteral("VOLUME_DECLARADO"), -1},
                {QStringLiteral("MED"), QStringLiteral("MEDIDO"), -1}};
    totalLine(def.summary, QStringLiteral("TOTAL GERAL"), 50);
    totals(def.summary, 1.5, QStringLiteral("DECL"), QStringLiteral("MED"));
    def.pageFooter = standardPageFooter(def);
    return def;
}

ReportEntry repDeclaradoEntry()
{
    QVector<ReportParameter> parameters = periodParameters(QStringLiteral("RAZAO_SOCIAL (a única)"));
    parameters.insert(2, {QStringLiteral("FORNECEDOR"), ReportParameter::Type::Integer,
                          QStringLiteral("código do fornecedor (todos quando não dado)"), false});
    return {QStringLiteral("RepDeclarado"),
            QStringLiteral("Volume declarado nas NF-e importadas contra o volume medido, por fornecedor"),
            parameters,
            [](data::Connection &connection, const QVariantMap &params) {
                // A database made before the declared volumes' table gets it here too.
                data::SchemaUpgrade::ensureInstalled(&connection, {data::SchemaUpgrade::AddedTables});
                return RepDeclarado(params);
            }};
}

} // namespace reports
