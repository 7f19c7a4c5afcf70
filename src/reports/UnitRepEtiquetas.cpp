#include "UnitRepEtiquetas.h"

#include "LabelLayouts.h"
#include "ReportError.h"

#include "data/Statement.h"

#include <QDate>
#include <QDateTime>

#include <algorithm>

namespace reports {

namespace {

const QString kPlate = QStringLiteral("CODIGOPRODUTO");
const QString kIssued = QStringLiteral("EMISSAO");

// Points of a font whose line fills `mm` millimetres.
double pointsFor(double mm)
{
    return std::clamp(mm / 0.3528 / 1.3, 5.0, 18.0);
}

QString layoutKeys()
{
    QStringList keys;
    for (const LabelLayout &l : labelLayouts())
        keys << l.key;
    return keys.join(QStringLiteral(", "));
}

Element sized(Element e, double points)
{
    e.font.pointSize = points;
    return e;
}

// The plate number as the labels print and encode it.
QString plateText(const QVariant &plate)
{
    return formatValue(plate, QStringLiteral("000000"));
}

// The label's contents placed for a layout, the same for every label.
Band labelBand(const LabelLayout &layout)
{
    // Within the label a small margin, then from the top: the species, the
    // bars, the plate in digits, the volume with the invoice.
    const double pad = std::min(2.0, layout.height * 0.06) + 0.5;
    const double w = layout.width - 2 * pad;
    const double h = layout.height - 2 * pad;
    const double line = h * 0.17, bars = h * 0.42, digits = h * 0.22;
    // The bottom line ("0,0000 m³" and "NF 000000 de 00/00/0000" with a gap,
    // some 38 characters) must fit the width too.
    const double small = std::min(pointsFor(line), w / (38 * 0.55 * 0.3528));
    double y = pad;

    Band b;
    b.height = layout.pitchY;
    b.add(sized(field(pad, y, w, line, QStringLiteral("ESSENCIA"), {}, Qt::AlignLeft | Qt::AlignVCenter, true), small));
    y += line;
    b.add(barcode(pad, y, w, bars, [](const ReportContext &c) { return plateText(c.value(kPlate)); }));
    y += bars;
    b.add(sized(computed(pad, y, w, digits, [](const ReportContext &c) { return plateText(c.value(kPlate)); },
                         Qt::AlignHCenter | Qt::AlignVCenter, true),
                pointsFor(digits)));
    y += digits;
    b.add(sized(computed(pad, y, w, line,
                         [](const ReportContext &c) {
                             return formatValue(c.value(QStringLiteral("QUANTIDADE")), QStringLiteral("#0.0000"))
                                    + QStringLiteral(" m³");
                         },
                         Qt::AlignLeft | Qt::AlignVCenter),
                small));
    b.add(sized(computed(pad, y, w, line,
                         [](const ReportContext &c) {
                             return QStringLiteral("NF %1 de %2")
                                 .arg(formatValue(c.value(QStringLiteral("NFNUMERO")), QStringLiteral("000000")),
                                      formatValue(c.param(kIssued)));
                         },
                         Qt::AlignRight | Qt::AlignVCenter),
                small));
    return b;
}

} // namespace

ReportDefinition RepEtiquetas(data::Connection &connection, const QVariantMap &params)
{
    const QString key = params.value(QStringLiteral("MODELO")).toString();
    const LabelLayout *layout = key.isEmpty() ? &labelLayouts().constFirst() : findLabelLayout(key);
    if (!layout) {
        throw ReportError(QStringLiteral("Modelo de etiqueta \"%1\" desconhecido (modelos: %2).").arg(key, layoutKeys()));
    }
    const int first = params.value(QStringLiteral("INICIO"), 1).toInt();
    if (first < 1 || first > layout->labelsPerPage())
        throw ReportError(QStringLiteral("A etiqueta inicial deve estar entre 1 e %1 neste modelo.")
                              .arg(layout->labelsPerPage()));

    const QVariantMap invoice{{QStringLiteral("nota"), params.value(QStringLiteral("NOTA")).toDouble()},
                              {QStringLiteral("fornecedor"), params.value(QStringLiteral("FORNECEDOR")).toDouble()}};
    const QVariantList header = data::firstRow(
        &connection,
        QStringLiteral("select DATA_EMISSAO from ENTRADA_TOROS where NF_NUMERO = :nota and CODIGOFORNECEDOR = :fornecedor"),
        invoice);
    if (header.isEmpty())
        throw ReportError(QStringLiteral("Nota Fiscal %1 do fornecedor %2 não encontrada.")
                              .arg(formatValue(params.value(QStringLiteral("NOTA")), QStringLiteral("000000")),
                                   params.value(QStringLiteral("FORNECEDOR")).toString()));

    ReportDefinition def;
    def.name = QStringLiteral("RepEtiquetas");
    def.title = QStringLiteral("Etiquetas dos Toros");
    def.paper = layout->paper;
    def.customPaper = layout->customPaper;
    def.margins = {layout->top, 0, layout->left, 0};
    def.font = {QStringLiteral("DejaVu Sans"), 8, false, false};
    def.params = params;
    def.params.insert(QStringLiteral("MODELO"), layout->key);
    def.params.insert(kIssued, header.value(0).toDateTime().date());
    def.data.table = QStringLiteral("ENTRADA_TOROS_DISCRIMINACAO");
    def.data.condition = QStringLiteral("NFNUMERO = :nota and CODIGOFORNECEDOR = :fornecedor");
    def.data.params = invoice;
    // A plate lost or torn in the yard: its label alone.
    if (params.contains(QStringLiteral("PLAQUETA"))) {
        def.data.condition += QStringLiteral(" and CODIGOPRODUTO = :plaqueta");
        def.data.params.insert(QStringLiteral("plaqueta"), params.value(QStringLiteral("PLAQUETA")).toDouble());
    }
    def.data.order = {kPlate};
    def.data.key = QStringLiteral("CODDISCRIMINACAO");
    def.data.columns = {kPlate, QStringLiteral("ESSENCIA"), QStringLiteral("QUANTIDADE"), QStringLiteral("NFNUMERO")};
    def.detail = labelBand(*layout);
    def.detailColumns = layout->columns;
    def.detailColumnPitch = layout->pitchX;
    def.detailSkip = first - 1;
    def.keepGroupHeaderWithDetail = false;
    return def;
}

ReportEntry repEtiquetasEntry()
{
    using Type = ReportParameter::Type;
    return {QStringLiteral("RepEtiquetas"), QStringLiteral("Etiquetas com código de barras dos toros de uma nota fiscal"),
            {{QStringLiteral("NOTA"), Type::Integer, QStringLiteral("número da nota fiscal de entrada de toros")},
             {QStringLiteral("FORNECEDOR"), Type::Integer, QStringLiteral("código do fornecedor")},
             {QStringLiteral("MODELO"), Type::Text,
              QStringLiteral("modelo da folha (%1)").arg(layoutKeys()), false},
             {QStringLiteral("INICIO"), Type::Integer, QStringLiteral("primeira etiqueta livre da folha"), false},
             {QStringLiteral("PLAQUETA"), Type::Integer, QStringLiteral("só a etiqueta desta plaqueta"), false}},
            RepEtiquetas};
}

} // namespace reports
