#pragma once

// Electronic invoices written for the tests: invented parties and figures.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace nfesample {

struct Options
{
    bool envelope = true;
    QString issuerCnpj = QStringLiteral("98765432000198");
    QString issuerCpf;  // used instead of the CNPJ when set
    QString number = QStringLiteral("4521");
    QString version = QStringLiteral("4.00");
    QString model = QStringLiteral("55");
    // Two log items in m3 (18,5 + 11,5) and the freight line in units.
    QString itemUnit = QStringLiteral("M3");
};

inline QByteArray xml(const Options &o = {})
{
    const QString id = o.issuerCpf.isEmpty() ? QStringLiteral("<CNPJ>%1</CNPJ>").arg(o.issuerCnpj)
                                             : QStringLiteral("<CPF>%1</CPF>").arg(o.issuerCpf);
    const QString nfe = QStringLiteral(R"(<NFe xmlns="http://www.portalfiscal.inf.br/nfe">
  <infNFe versao="%1" Id="NFe51261198765432000198550010000045211000045210">
    <ide><cUF>51</cUF><natOp>VENDA DE MADEIRA EM TORA</natOp><mod>%2</mod><serie>1</serie><nNF>%3</nNF>
      <dhEmi>2026-11-10T08:30:00-04:00</dhEmi><dhSaiEnt>2026-11-11T14:45:00-04:00</dhSaiEnt><tpNF>1</tpNF></ide>
    <emit>%4<xNome>SERRARIA FICTICIA DO VALE LTDA</xNome><xFant>FICTICIA</xFant>
      <enderEmit><xLgr>ESTRADA DAS TORAS</xLgr><nro>100</nro><xCpl>KM 7</xCpl><xBairro>ZONA RURAL</xBairro>
        <cMun>5107909</cMun><xMun>SINOP</xMun><UF>MT</UF><CEP>78550000</CEP><fone>6533210000</fone></enderEmit>
      <IE>131234567</IE><CRT>3</CRT></emit>
    <dest><CNPJ>11222333000181</CNPJ><xNome>MADEIREIRA MODELO LTDA</xNome></dest>
    <det nItem="1"><prod><cProd>T1</cProd><xProd>TORA DE IPE</xProd><NCM>44039900</NCM><CFOP>5101</CFOP>
      <uCom>%5</uCom><qCom>18.5000</qCom><vUnCom>300.00</vUnCom><vProd>5550.00</vProd>
      <uTrib>%5</uTrib><qTrib>18.5000</qTrib></prod></det>
    <det nItem="2"><prod><cProd>T2</cProd><xProd>TORA DE CEDRO</xProd><NCM>44039900</NCM><CFOP>5101</CFOP>
      <uCom>m³</uCom><qCom>11.5</qCom><vUnCom>400.00</vUnCom><vProd>4600.00</vProd>
      <uTrib>m³</uTrib><qTrib>11.5</qTrib></prod></det>
    <det nItem="3"><prod><cProd>F1</cProd><xProd>CARREGAMENTO</xProd><CFOP>5101</CFOP>
      <uCom>UN</uCom><qCom>1</qCom><vUnCom>150.00</vUnCom><vProd>150.00</vProd>
      <uTrib>UN</uTrib><qTrib>1</qTrib></prod></det>
    <total><ICMSTot><vBC>10300.00</vBC><vICMS>1236.00</vICMS><vBCST>0.00</vBCST><vST>0.00</vST>
      <vProd>10300.00</vProd><vFrete>250.00</vFrete><vSeg>0.00</vSeg><vOutro>10.00</vOutro><vIPI>0.00</vIPI>
      <vNF>10560.00</vNF></ICMSTot></total>
    <transp><modFrete>1</modFrete>
      <transporta><CNPJ>55566677000183</CNPJ><xNome>TRANSPORTES IMAGINARIOS LTDA</xNome><IE>132222222</IE>
        <xEnder>AV. DOS CAMINHOES, 5</xEnder><xMun>SORRISO</xMun><UF>MT</UF></transporta>
      <veicTransp><placa>QBX1A23</placa><UF>MT</UF></veicTransp>
      <vol><qVol>12</qVol><esp>TORAS</esp><marca>FICTICIA</marca><nVol>12</nVol><pesoL>27000.000</pesoL>
        <pesoB>27500.000</pesoB></vol></transp>
    <infAdic><infCpl>GUIA FLORESTAL 000123</infCpl></infAdic>
  </infNFe>
</NFe>)")
                            .arg(o.version, o.model, o.number, id, o.itemUnit);
    if (!o.envelope)
        return (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") + nfe).toUtf8();
    return (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<nfeProc xmlns=\"http://www.portalfiscal.inf.br/nfe\" versao=\"4.00\">\n")
            + nfe
            + QStringLiteral("\n<protNFe versao=\"4.00\"><infProt><nProt>151260000000001</nProt>"
                             "<xMotivo>Autorizado o uso da NF-e</xMotivo></infProt></protNFe>\n</nfeProc>\n"))
        .toUtf8();
}

inline QString write(const QString &path, const QByteArray &content)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(content);
    return path;
}

} // namespace nfesample
