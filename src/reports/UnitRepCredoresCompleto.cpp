#include "UnitRepCredoresCompleto.h"

#include "ReportParts.h"

namespace reports {

ReportDefinition RepCredores1()
{
    const double line = 4.5;
    ReportDefinition def;
    def.name = QStringLiteral("RepCredores1");
    def.paper = Paper::A4;
    def.data.table = QStringLiteral("CREDOR");
    def.data.order = {QStringLiteral("NOMECREDOR")};
    def.data.key = QStringLiteral("CODIGOCREDOR");
    def.pageHeader = standardPageHeader(def, QStringLiteral("RELATÓRIO DE CLIENTES/COMPLETO"));

    // One card per client: rows of bold titles over their values.
    struct Cell
    {
        double x;
        double width;
        const char *title;
        const char *column;
    };
    const QVector<QVector<Cell>> rows = {
        {{0, 110, "RAZÃO SOCIAL/NOME", "NOMECREDOR"}, {112, 78, "NOME DE FANTASIA", "FANTASIA"}},
        {{0, 110, "ENDEREÇO", "ENDERECO"}, {112, 78, "BAIRRO", "BAIRRO"}},
        {{0, 70, "CIDADE", "CIDADE"}, {72, 10, "UF", "UF"}, {84, 30, "CEP", "CEP"}, {116, 36, "FONE", "FONE"},
         {154, 36, "FAX", "FAX"}},
        {{0, 50, "CNPJ", "CNPJ"}, {52, 50, "INSC ESTADUAL", "IE"}, {104, 50, "CPF", "CPF"}},
        {{0, 70, "E-MAIL", "EMAIL"}, {72, 70, "WEB", "WEB"}, {144, 46, "CONTATO", "CONTATO"}},
    };
    double y = 1;
    for (const QVector<Cell> &row : rows) {
        for (const Cell &c : row) {
            def.detail.add(label(c.x, y, c.width, line, QString::fromUtf8(c.title), Qt::AlignLeft, true));
            def.detail.add(field(c.x, y + line, c.width, line, QString::fromLatin1(c.column)));
        }
        y += 2 * line + 0.5;
    }
    def.detail.add(rule(y + 0.5));
    def.detail.height = y + 1.5;
    def.pageFooter = standardPageFooter(def);
    return def;
}

ReportEntry repCredores1Entry()
{
    return plainEntry(QStringLiteral("RepCredores1"), QStringLiteral("Listagem completa dos clientes"), RepCredores1);
}

} // namespace reports
