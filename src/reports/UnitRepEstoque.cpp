#include "UnitRepEstoque.h"

#include "ReportParts.h"

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
    setColumns(def, {{0, 42, QStringLiteral("ESSENCIA")},
                     {xPlate, wPlate, QStringLiteral("PLAQUETA"), QStringLiteral("CODIGOPRODUTO"),
                      QStringLiteral("000000"), right},
                     {xLen, wLen, QStringLiteral("COMPRIMENTO"), QStringLiteral("COMPRIMENTO"), QStringLiteral("0.00"),
                      right},
                     {xDx, wDx, QStringLiteral("DIAMETRO(X)"), QStringLiteral("DIAMETRO"), QStringLiteral("0.00"), right},
                     {xDy, wDy, QStringLiteral("DIAMETRO(Y)"), QStringLiteral("DIAMETRO1"), QStringLiteral("0.00"), right},
                     {xQty, wQty, QStringLiteral("QUANTIDADE(M/3)"), QStringLiteral("QUANTIDADE"),
                      QStringLiteral("0.0000"), right}});

    Group species = speciesGroup(60);
    species.header.beforePrint = [](ReportContext &c) { c.setVar(QStringLiteral("SUBTOTAL"), 0.0); };
    species.footer.height = 6;
    species.footer.add(ruleAt(xQty, 0.5, wQty));
    species.footer.add(computed(
        xQty, 1, wQty, kLine,
        [](const ReportContext &c) { return core::formatFloat(QStringLiteral("#,####0.0000"), c.number(QStringLiteral("SUBTOTAL"))); },
        right, true));
    def.groups = {species};

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
    return plainEntry(QStringLiteral("RepEstoque"),
                      QStringLiteral("Estoque do pátio: toras ainda não serradas, por essência"), RepEstoque);
}

} // namespace reports
