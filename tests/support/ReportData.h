#pragma once

// A small fixed database for the log reports: the company, two suppliers,
// seven clients, log and sawn-wood invoices with their lines and a log
// packing list, written directly.

#include "data/Connection.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>
#include <QtTest>

namespace reportdata {

inline void exec(data::Connection *db, const QString &sql, const QVariantList &values = {})
{
    db->ensureConnected();
    QSqlQuery q(db->database());
    QVERIFY2(q.prepare(sql), qPrintable(q.lastError().text()));
    for (const QVariant &v : values)
        q.addBindValue(v);
    QVERIFY2(q.exec(), qPrintable(sql + QStringLiteral(": ") + q.lastError().text()));
}

inline void addCompany(data::Connection *db)
{
    exec(db, QStringLiteral("INSERT INTO MANUTENCAO (NOMEEMPRESA, INSCESTADUAL, CNPJ) VALUES (?, ?, ?)"),
         {QStringLiteral("MADEIREIRA MODELO LTDA"), QStringLiteral("131234567"), QStringLiteral("11222333000181")});
}

inline void addInvoice(data::Connection *db, const QString &table, int nf, const QDateTime &issued, int supplier,
                       const QString &name, double cgc, const QString &ie)
{
    exec(db, QStringLiteral("INSERT INTO %1 (NF_NUMERO, DATA_EMISSAO, CODIGOFORNECEDOR, RAZAO_SOCIAL, CGC, "
                            "INSC_ESTADUAL) VALUES (?, ?, ?, ?, ?, ?)").arg(table),
         {nf, issued, supplier, name, cgc, ie});
}

inline void addLine(data::Connection *db, const QString &table, int supplier, int nf, const QString &supplierName,
                    const QDate &date, const QString &species, const QString &product, int plate, double quantity,
                    double unitValue)
{
    exec(db, QStringLiteral("INSERT INTO %1 (CODIGOFORNECEDOR, NFNUMERO, FORNECEDOR, DATALANCAMENTO, ESSENCIA, "
                            "ESSENCIATIPO, CODIGOPRODUTO, QUANTIDADE, VALUNITARIO, VALTOTAL, SITUACAO, CPF) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0)").arg(table),
         {supplier, nf, supplierName, QDateTime(date, QTime(0, 0)), species, product, plate, quantity, unitValue,
          quantity * unitValue});
}

inline void addClient(data::Connection *db, const QString &name, const QString &cnpj, const QString &cpf,
                      const QString &city = {}, const QString &phone = {})
{
    exec(db, QStringLiteral("INSERT INTO CREDOR (NOMECREDOR, ENDERECO, BAIRRO, CIDADE, UF, FONE, CNPJ, CPF) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
         {name, QStringLiteral("RUA DAS TORAS, 10"), QStringLiteral("CENTRO"), city, QStringLiteral("MT"), phone, cnpj,
          cpf});
}

inline void addPackingRow(data::Connection *db, int client, int nf, const QDate &date, int plate, const QString &species,
                          double length, double diameter, double volume)
{
    exec(db, QStringLiteral("INSERT INTO ROMANEIO_TORO (CODEMPRESA, NF, DATA, CODPRODUTO, ESSENCIA, COMPRIMENTO, "
                            "LARGURA, TOTALM3, VLUNITARIO, VLTOTAL, UNIDADE) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 100, ?, "
                            "'M/3')"),
         {client, nf, QDateTime(date, QTime(0, 0)), plate, species, length, diameter, volume, volume * 100});
}

// Species, products, sub-products and municipalities for the listings.
inline void fillRegisters(data::Connection *db)
{
    for (const char *name : {"IPE", "CEDRINHO", "ANGELIM PEDRA"})
        exec(db, QStringLiteral("INSERT INTO ESSENCIA (ESSENCIA, ETOROS, TENTRADA, TSAIDA) VALUES (?, 0, 0, 0)"),
             {QString::fromLatin1(name)});
    exec(db, QStringLiteral("INSERT INTO PRODUTO (NOMEGRAU, UNIDADE, FATOR, FATOREXP, TIPOPROD) VALUES (?, ?, ?, ?, ?)"),
         {QStringLiteral("VIGA"), QStringLiteral("M/3"), 1234.5, 1.2, QStringLiteral("SERRADO")});
    exec(db, QStringLiteral("INSERT INTO PRODUTO (NOMEGRAU, UNIDADE, FATOR, FATOREXP, TIPOPROD) VALUES (?, ?, ?, ?, ?)"),
         {QStringLiteral("TABUA"), QStringLiteral("M/3"), 55.0, 1.0, QStringLiteral("SERRADO")});
    for (const char *name : {"SARRAFO", "CAIBRO"})
        exec(db, QStringLiteral("INSERT INTO SUBPRODUTO (NOMEGRAU) VALUES (?)"), {QString::fromLatin1(name)});
    exec(db, QStringLiteral("INSERT INTO MUNICIPIO (COD_MUNIC, NOM_MUNIC, COD_UF, SIG_UF) VALUES (?, ?, ?, ?)"),
         {QStringLiteral("5107909"), QStringLiteral("SINOP"), QStringLiteral("51"), QStringLiteral("MT")});
    exec(db, QStringLiteral("INSERT INTO MUNICIPIO (COD_MUNIC, NOM_MUNIC, COD_UF, SIG_UF) VALUES (?, ?, ?, ?)"),
         {QStringLiteral("5103403"), QStringLiteral("CUIABA"), QStringLiteral("51"), QStringLiteral("MT")});
}

// The whole fixed set.
inline void fill(data::Connection *db, bool withCompany = true)
{
    if (withCompany)
        addCompany(db);
    exec(db, QStringLiteral("INSERT INTO FORNECEDOR (NOMEFORNECEDOR, CNPJ, INSCESTADUAL) VALUES (?, ?, ?)"),
         {QStringLiteral("MADEIRAS SOL NASCENTE LTDA"), QStringLiteral("11222333000181"), QStringLiteral("131000001")});
    exec(db, QStringLiteral("INSERT INTO FORNECEDOR (NOMEFORNECEDOR, CPF, INSCESTADUAL) VALUES (?, ?, ?)"),
         {QStringLiteral("JOAO DA SILVA"), QStringLiteral("11144477735"), QStringLiteral("131000002")});

    const QString logs = QStringLiteral("ENTRADA_TOROS"), logLines = QStringLiteral("ENTRADA_TOROS_DISCRIMINACAO");
    addInvoice(db, logs, 101, QDateTime(QDate(2026, 3, 5), QTime(0, 0)), 1, QStringLiteral("MADEIRAS SOL NASCENTE LTDA"),
               11222333000181.0, QStringLiteral("131000001"));
    // Issued on the last day of March, in the afternoon.
    addInvoice(db, logs, 102, QDateTime(QDate(2026, 3, 31), QTime(15, 30)), 2, QStringLiteral("JOAO DA SILVA"),
               11144477735.0, QStringLiteral("131000002"));
    addInvoice(db, logs, 103, QDateTime(QDate(2026, 4, 1), QTime(0, 0)), 1, QStringLiteral("MADEIRAS SOL NASCENTE LTDA"),
               11222333000181.0, QStringLiteral("131000001"));
    const QDate d101(2026, 3, 5);
    const QString sol = QStringLiteral("MADEIRAS SOL NASCENTE LTDA");
    addLine(db, logLines, 1, 101, sol, d101, QStringLiteral("CEDRINHO"), {}, 12, 2.5, 150);
    addLine(db, logLines, 1, 101, sol, d101, QStringLiteral("ANGELIM PEDRA"), {}, 10, 1.2345, 100);
    addLine(db, logLines, 1, 101, sol, d101, QStringLiteral("ANGELIM PEDRA"), {}, 11, 0.8, 100);
    addLine(db, logLines, 2, 102, QStringLiteral("JOAO DA SILVA"), QDate(2026, 3, 31), QStringLiteral("IPE"), {}, 20,
            1.1, 300);

    const QString sawn = QStringLiteral("ENTRADA_SERRADA"), sawnLines = QStringLiteral("ENTRADA_SERRADA_DISCRIMINACAO");
    addInvoice(db, sawn, 501, QDateTime(QDate(2026, 3, 10), QTime(0, 0)), 1, sol, 11222333000181.0,
               QStringLiteral("131000001"));
    addLine(db, sawnLines, 1, 501, sol, QDate(2026, 3, 10), QStringLiteral("CEDRINHO"), QStringLiteral("TABUA"), 0,
            3.25, 800);
    addLine(db, sawnLines, 1, 501, sol, QDate(2026, 3, 10), QStringLiteral("CEDRINHO"), QStringLiteral("VIGA"), 0,
            1.5, 900);

    // Clients 1 to 7; the seventh is a person whose CNPJ was stored as zeros.
    for (int i = 1; i <= 6; ++i)
        addClient(db, QStringLiteral("CLIENTE %1").arg(i), QStringLiteral("1122233300018%1").arg(i), {});
    addClient(db, QStringLiteral("PEDRO ALVES"), QStringLiteral("00000000000000"), QStringLiteral("52998224725"),
              QStringLiteral("SINOP"), QStringLiteral("6635311234"));
    addPackingRow(db, 7, 5, QDate(2026, 3, 20), 30, QStringLiteral("IPE"), 4, 0.5, 0.7854);
    addPackingRow(db, 7, 5, QDate(2026, 3, 20), 31, QStringLiteral("CEDRINHO"), 5, 0.6, 1.4137);
}

} // namespace reportdata
