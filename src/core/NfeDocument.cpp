#include "NfeDocument.h"

#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>

namespace core {

namespace {

const QString kNamespace = QStringLiteral("http://www.portalfiscal.inf.br/nfe");

double number(const QString &text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok ? v : 0;
}

QDateTime dateTime(const QString &text)
{
    // "2026-11-10T08:30:00-04:00"; the date and hour as the issuer wrote
    // them, which is what the invoice shows.
    const QString t = text.trimmed();
    QDateTime dt = QDateTime::fromString(t.left(19), Qt::ISODate);
    if (!dt.isValid())
        dt = QDateTime(QDate::fromString(t.left(10), Qt::ISODate), QTime(0, 0));
    return dt;
}

NfeParty party(const QHash<QString, QString> &v, const QString &at, const QString &address)
{
    NfeParty p;
    auto get = [&](const QString &path) { return v.value(at + QLatin1Char('/') + path).trimmed(); };
    p.cnpj = get(QStringLiteral("CNPJ")).toUpper();
    p.cpf = get(QStringLiteral("CPF"));
    p.name = get(QStringLiteral("xNome"));
    p.tradeName = get(QStringLiteral("xFant"));
    p.stateRegistration = get(QStringLiteral("IE"));
    if (address.isEmpty()) {
        // The carrier's address is one line.
        p.street = get(QStringLiteral("xEnder"));
        p.city = get(QStringLiteral("xMun"));
        p.uf = get(QStringLiteral("UF"));
        return p;
    }
    const QString a = address + QLatin1Char('/');
    p.street = get(a + QStringLiteral("xLgr"));
    p.number = get(a + QStringLiteral("nro"));
    p.complement = get(a + QStringLiteral("xCpl"));
    p.district = get(a + QStringLiteral("xBairro"));
    p.city = get(a + QStringLiteral("xMun"));
    p.uf = get(a + QStringLiteral("UF"));
    p.cep = get(a + QStringLiteral("CEP"));
    p.phone = get(a + QStringLiteral("fone"));
    return p;
}

} // namespace

bool isCubicMetreUnit(const QString &unit)
{
    QString u = unit.trimmed().toUpper();
    u.replace(QStringLiteral("³"), QStringLiteral("3"));
    u.remove(QLatin1Char(' '));
    u.remove(QLatin1Char('.'));
    return u == QLatin1String("M3") || u == QLatin1String("MC") || u == QLatin1String("M3ST")
           || u == QLatin1String("MT3");
}

NfeDocument parseNfe(const QByteArray &xml)
{
    QXmlStreamReader r(xml);
    QStringList stack;              // the open elements
    int infDepth = 0;               // size of the stack inside infNFe; 0 outside
    QHash<QString, QString> values; // first text of each path from infNFe
    QString infVersion, infId;
    bool sawRoot = false, sawNfe = false, sawInf = false, nfeNamespace = false;
    NfeDocument doc;
    QString itemUnit, itemQty, itemTaxUnit, itemTaxQty;
    auto relative = [&] { return stack.mid(infDepth - 1).join(QLatin1Char('/')); };

    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            const QString name = r.name().toString();
            if (!sawRoot) {
                sawRoot = true;
                if (name != QLatin1String("nfeProc") && name != QLatin1String("NFe"))
                    throw NfeError(QStringLiteral("O arquivo não é uma NF-e: o XML começa por <%1>.").arg(name));
            }
            if (name == QLatin1String("NFe") && !sawNfe) {
                sawNfe = true;
                nfeNamespace = r.namespaceUri() == kNamespace;
            }
            const bool startsInf = name == QLatin1String("infNFe") && !sawInf && !stack.isEmpty()
                                   && stack.last() == QLatin1String("NFe");
            stack << name;
            if (startsInf) {
                sawInf = true;
                infDepth = int(stack.size());
                infVersion = r.attributes().value(QStringLiteral("versao")).toString();
                infId = r.attributes().value(QStringLiteral("Id")).toString();
            }
        } else if (r.isEndElement()) {
            if (infDepth > 0 && relative() == QLatin1String("infNFe/det")) {
                ++doc.items;
                if (doc.items == 1)
                    doc.cfop = values.value(QStringLiteral("infNFe/det/prod/CFOP")).trimmed();
                if (isCubicMetreUnit(itemUnit)) {
                    doc.declaredM3 += number(itemQty);
                    ++doc.itemsInM3;
                } else if (isCubicMetreUnit(itemTaxUnit)) {
                    doc.declaredM3 += number(itemTaxQty);
                    ++doc.itemsInM3;
                }
                itemUnit.clear();
                itemQty.clear();
                itemTaxUnit.clear();
                itemTaxQty.clear();
            }
            if (infDepth > 0 && int(stack.size()) == infDepth)
                infDepth = 0;
            if (!stack.isEmpty())
                stack.removeLast();
        } else if (r.isCharacters() && !r.isWhitespace() && infDepth > 0) {
            const QString key = relative();
            const QString text = r.text().toString();
            if (key == QLatin1String("infNFe/det/prod/uCom"))
                itemUnit = text;
            else if (key == QLatin1String("infNFe/det/prod/qCom"))
                itemQty = text;
            else if (key == QLatin1String("infNFe/det/prod/uTrib"))
                itemTaxUnit = text;
            else if (key == QLatin1String("infNFe/det/prod/qTrib"))
                itemTaxQty = text;
            if (!values.contains(key))
                values.insert(key, text);
        }
    }
    if (r.hasError())
        throw NfeError(QStringLiteral("XML inválido na linha %1, coluna %2: %3")
                           .arg(r.lineNumber())
                           .arg(r.columnNumber())
                           .arg(r.errorString()));
    if (!sawNfe || !sawInf || !nfeNamespace)
        throw NfeError(QStringLiteral("O arquivo não é uma NF-e (falta o grupo infNFe da NF-e)."));
    if (infVersion != QLatin1String("4.00"))
        throw NfeError(QStringLiteral("NF-e de leiaute %1: só o leiaute 4.00 é aceito.")
                           .arg(infVersion.isEmpty() ? QStringLiteral("desconhecido") : infVersion));

    auto get = [&](const char *p) { return values.value(QLatin1String("infNFe/") + QLatin1String(p)).trimmed(); };
    doc.accessKey = infId.startsWith(QLatin1String("NFe")) ? infId.mid(3) : infId;
    doc.model = get("ide/mod");
    if (!doc.model.isEmpty() && doc.model != QLatin1String("55"))
        throw NfeError(QStringLiteral("O documento é de modelo %1, não uma NF-e (modelo 55).").arg(doc.model));
    bool ok = false;
    doc.number = get("ide/nNF").toLongLong(&ok);
    if (!ok || doc.number <= 0)
        throw NfeError(QStringLiteral("A NF-e não traz o número da nota."));
    doc.series = get("ide/serie");
    doc.nature = get("ide/natOp");
    doc.issued = dateTime(get("ide/dhEmi"));
    if (!doc.issued.isValid())
        throw NfeError(QStringLiteral("A NF-e não traz a data de emissão."));
    const QString exit = get("ide/dhSaiEnt");
    if (!exit.isEmpty())
        doc.exit = dateTime(exit);

    doc.issuer = party(values, QStringLiteral("infNFe/emit"), QStringLiteral("enderEmit"));
    if (doc.issuer.cnpj.isEmpty() && doc.issuer.cpf.isEmpty())
        throw NfeError(QStringLiteral("A NF-e não traz o CNPJ nem o CPF do emitente."));

    doc.freightMode = get("transp/modFrete");
    doc.carrier = party(values, QStringLiteral("infNFe/transp/transporta"), QString());
    doc.plate = get("transp/veicTransp/placa");
    doc.plateUf = get("transp/veicTransp/UF");
    doc.volumes = number(get("transp/vol/qVol"));
    doc.volumeKind = get("transp/vol/esp");
    doc.volumeBrand = get("transp/vol/marca");
    doc.volumeNumbers = get("transp/vol/nVol");
    doc.netWeight = number(get("transp/vol/pesoL"));
    doc.grossWeight = number(get("transp/vol/pesoB"));

    doc.icmsBase = number(get("total/ICMSTot/vBC"));
    doc.icms = number(get("total/ICMSTot/vICMS"));
    doc.icmsStBase = number(get("total/ICMSTot/vBCST"));
    doc.icmsSt = number(get("total/ICMSTot/vST"));
    doc.products = number(get("total/ICMSTot/vProd"));
    doc.freight = number(get("total/ICMSTot/vFrete"));
    doc.insurance = number(get("total/ICMSTot/vSeg"));
    doc.otherCosts = number(get("total/ICMSTot/vOutro"));
    doc.ipi = number(get("total/ICMSTot/vIPI"));
    doc.total = number(get("total/ICMSTot/vNF"));
    doc.additionalInfo = get("infAdic/infCpl");
    return doc;
}

} // namespace core
