#include "UnitRepEstoque.h"

#include "core/Formats.h"

namespace reports {

ReportDefinition RepEstoque()
{
    ReportDefinition def;
    def.name = QStringLiteral("RepEstoque");
    def.paper = Paper::Letter;
    def.margins = {5, 5, 10, 10};
    def.data.table = QStringLiteral("ENTRADA_TOROS_DISCRIMINACAO");
    def.data.condition = QStringLiteral("SITUACAO = 0");
    def.data.order = {QStringLiteral("ESSENCIA")};
    def.data.key = QStringLiteral("CODDISCRIMINACAO");
    def.data.columns = {QStringLiteral("ESSENCIA"),    QStringLiteral("CODIGOPRODUTO"), QStringLiteral("COMPRIMENTO"),
                        QStringLiteral("DIAMETRO"),    QStringLiteral("DIAMETRO1"),     QStringLiteral("QUANTIDADE")};

    const double w = printableWidth(def); // 195,9 mm
    const Qt::Alignment right = Qt::AlignRight;
    // Columns: species, plate, length, the two diameters, volume.
    const double xPlate = 44, wPlate = 22;
    const double xLen = 70, wLen = 28;
    const double xDx = 102, wDx = 28;
    const double xDy = 134, wDy = 28;
    const double wQty = 30, xQty = w - wQty;

    def.pageHeader = standardPageHeader(def, QStringLiteral("ESTOQUE DO PÁTIO/TORA"));
    def.columnHeader = columnTitles(def, {{0, 42, QStringLiteral("ESSENCIA")},
                                          {xPlate, wPlate, QStringLiteral("PLAQUETA"), right},
                                          {xLen, wLen, QStringLiteral("COMPRIMENTO"), right},
                                          {xDx, wDx, QStringLiteral("DIAMETRO(X)"), right},
                                          {xDy, wDy, QStringLiteral("DIAMETRO(Y)"), right},
                                          {xQty, wQty, QStringLiteral("QUANTIDADE(M/3)"), right}});

    Group species;
    species.key = leftOf(QStringLiteral("ESSENCIA"), 20);
    species.header.height = 5;
    species.header.add(computed(0, 0.5, 60, 4.5,
                                [](const ReportContext &c) { return c.value(QStringLiteral("ESSENCIA")).toString().left(20); },
                                Qt::AlignLeft, true));
    species.header.beforePrint = [](ReportContext &c) { c.setVar(QStringLiteral("SUBTOTAL"), 0.0); };
    species.footer.height = 6;
    Element subRule = rule(0.5, wQty);
    subRule.rect.moveLeft(xQty);
    species.footer.add(subRule);
    species.footer.add(computed(
        xQty, 1, wQty, 4.5,
        [](const ReportContext &c) { return core::formatFloat(QStringLiteral("#,####0.0000"), c.number(QStringLiteral("SUBTOTAL"))); },
        right, true));
    def.groups = {species};

    def.detail.height = 4.5;
    def.detail.add(field(xPlate, 0, wPlate, 4.5, QStringLiteral("CODIGOPRODUTO"), QStringLiteral("000000"), right));
    def.detail.add(field(xLen, 0, wLen, 4.5, QStringLiteral("COMPRIMENTO"), QStringLiteral("0.00"), right));
    def.detail.add(field(xDx, 0, wDx, 4.5, QStringLiteral("DIAMETRO"), QStringLiteral("0.00"), right));
    def.detail.add(field(xDy, 0, wDy, 4.5, QStringLiteral("DIAMETRO1"), QStringLiteral("0.00"), right));
    def.detail.add(field(xQty, 0, wQty, 4.5, QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"), right));
    // The subtotal adds the volume as printed, read back as a number.
    def.detail.beforePrint = [](ReportContext &c) {
        c.addTo(QStringLiteral("SUBTOTAL"), core::editValue(c.text(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"))));
    };

    def.sums = {{QStringLiteral("QUANTIDADE"), QStringLiteral("QUANTIDADE"), -1}};
    def.summary.height = 9;
    def.summary.add(rule(1, w));
    Element total = label(0, 2.5, 40, 5, QStringLiteral("TOTAL"), Qt::AlignLeft, true);
    total.color = Qt::red;
    def.summary.add(total);
    Element sum = sumField(xQty - 10, 2.5, wQty + 10, 5, QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    sum.color = Qt::red;
    def.summary.add(sum);

    def.pageFooter = standardPageFooter(def);
    return def;
}

ReportEntry repEstoqueEntry()
{
    return {QStringLiteral("RepEstoque"), QStringLiteral("Estoque do pátio: toras ainda não serradas, por essência"),
            {},
            [](data::Connection &, const QVariantMap &) { return RepEstoque(); }};
}

} // namespace reports
