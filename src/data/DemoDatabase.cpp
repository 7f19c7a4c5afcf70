#include "DemoDatabase.h"

#include "Connection.h"
#include "DataError.h"
#include "DatabaseCreator.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QDateTime>
#include <QVariantList>

namespace data {

namespace {

int digitAt(const QString &s, int i)
{
    return s.at(i).digitValue();
}

int mod11Digit(const QString &base, const QVector<int> &weights)
{
    int sum = 0;
    for (int i = 0; i < weights.size(); ++i)
        sum += digitAt(base, i) * weights[i];
    const int r = sum % 11;
    return r < 2 ? 0 : 11 - r;
}

void run(Connection *c, const QString &sql, const QVariantList &values)
{
    QSqlQuery q(c->database());
    if (!q.prepare(sql))
        throw DataError(q.lastError().text());
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw DataError(q.lastError().text());
}

QVariant codeOf(Connection *c, const QString &sql, const QVariant &name)
{
    QSqlQuery q(c->database());
    if (!q.prepare(sql))
        throw DataError(q.lastError().text());
    q.addBindValue(name);
    if (!q.exec())
        throw DataError(q.lastError().text());
    return q.next() ? q.value(0) : QVariant();
}

} // namespace

QString DemoDatabase::cpfWithDigits(const QString &nineDigits)
{
    QString s = nineDigits;
    s += QString::number(mod11Digit(s, {10, 9, 8, 7, 6, 5, 4, 3, 2}));
    s += QString::number(mod11Digit(s, {11, 10, 9, 8, 7, 6, 5, 4, 3, 2}));
    return s;
}

QString DemoDatabase::cnpjWithDigits(const QString &twelveDigits)
{
    QString s = twelveDigits;
    s += QString::number(mod11Digit(s, {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
    s += QString::number(mod11Digit(s, {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
    return s;
}

QString DemoDatabase::mtIeWithDigit(const QString &tenDigits)
{
    return tenDigits + QString::number(mod11Digit(tenDigits, {3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
}

void DemoDatabase::create(const QString &path)
{
    DatabaseCreator::create(path);
    Connection c(QStringLiteral("quelvora_demo"));
    c.setDatabaseName(path);
    c.open();
    fill(&c);
    c.close();
}

void DemoDatabase::fill(Connection *c)
{
    c->ensureConnected();

    run(c,
        QStringLiteral("INSERT INTO MANUTENCAO (NOMEEMPRESA, NOMEFANTASIA, LOGRADOURO, ENDERECO, NUMERO, BAIRRO, CEP, "
                       "CIDADE, CIDADEUF, FONE, FAX, EMAIL, WEB, CNPJ, INSCESTADUAL, REGIBAMA, CNAE, CNAEDESCRICAO, "
                       "NATESTABELECIMENTO, RESPONSAVELEMPRESA, CPFRESPONSAVEL) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {QStringLiteral("MADEIREIRA TELES PIRES LTDA"), QStringLiteral("MADEIREIRA TELES PIRES"),
         QStringLiteral("AVENIDA"), QStringLiteral("DOS INGAS"), QStringLiteral("001250"),
         QStringLiteral("SETOR INDUSTRIAL"), QStringLiteral("78550000"), QStringLiteral("SINOP"),
         QStringLiteral("MT"), QStringLiteral("6635311200"), QStringLiteral("6635311201"),
         QStringLiteral("contato@telespires.com.br"), QStringLiteral("www.telespires.com.br"),
         cnpjWithDigits(QStringLiteral("037184590001")), mtIeWithDigit(QStringLiteral("1320458712")),
         QStringLiteral("5123987"), QStringLiteral("1610201"),
         QStringLiteral("SERRARIAS COM DESDOBRAMENTO DE MADEIRA EM BRUTO"),
         QStringLiteral("206-2 SOCIEDADE EMPRESÁRIA LTDA"), QStringLiteral("JOÃO CARLOS DE ALMEIDA"),
         cpfWithDigits(QStringLiteral("284617395"))});

    const QVector<QPair<const char *, const char *>> towns = {
        {"5103403", "CUIABÁ"},          {"5108402", "VÁRZEA GRANDE"},     {"5107909", "SINOP"},
        {"5107925", "SORRISO"},         {"5107602", "RONDONÓPOLIS"},      {"5100250", "ALTA FLORESTA"},
        {"5105150", "JUÍNA"},           {"5101407", "ARIPUANÃ"},          {"5103254", "COLNIZA"},
        {"5105101", "JUARA"},           {"5103379", "COTRIGUAÇU"},        {"5105580", "MARCELÂNDIA"},
        {"5103056", "CLÁUDIA"},         {"5108501", "VERA"},              {"5104104", "GUARANTÃ DO NORTE"},
        {"5106422", "PEIXOTO DE AZEVEDO"}, {"5107958", "TANGARÁ DA SERRA"}, {"5105259", "LUCAS DO RIO VERDE"},
        {"5102504", "CÁCERES"},         {"5101803", "BARRA DO GARÇAS"},
    };
    for (const auto &t : towns)
        run(c, QStringLiteral("INSERT INTO MUNICIPIO (COD_MUNIC, NOM_MUNIC, COD_UF, SIG_UF) VALUES (?, ?, '51', 'MT')"),
            {QString::fromUtf8(t.first), QString::fromUtf8(t.second)});

    for (const char *s : {"ANGELIM PEDRA", "CAMBARÁ", "CEDRINHO", "CUMARU", "CUPIÚBA", "GARAPEIRA", "IPÊ",
                          "ITAÚBA", "JATOBÁ", "MAÇARANDUBA", "PEROBA MICA", "TAUARI"})
        run(c,
            QStringLiteral("INSERT INTO ESSENCIA (ESSENCIA, ETOROS, TENTRADA, TSAIDA, ESERRADA, EINICIAL) "
                           "VALUES (?, 0, 0, 0, 0, 0)"),
            {QString::fromUtf8(s)});

    const QVector<QPair<const char *, double>> products = {
        {"PRANCHA", 48.0}, {"VIGA", 52.5}, {"CAIBRO", 45.0}, {"TÁBUA", 42.0},
        {"RIPA", 38.5},    {"SARRAFO", 40.0}, {"PRANCHÃO", 55.0}, {"DECK", 35.0},
    };
    for (const auto &p : products)
        run(c, QStringLiteral("INSERT INTO PRODUTO (NOMEGRAU, UNIDADE, FATOR) VALUES (?, 'M3', ?)"),
            {QString::fromUtf8(p.first), p.second});

    for (const char *s : {"ASSOALHO", "BATENTE", "FORRO", "LAMBRI", "RODAPÉ", "TÁBUA APARELHADA", "VIGOTA"})
        run(c, QStringLiteral("INSERT INTO SUBPRODUTO (NOMEGRAU) VALUES (?)"), {QString::fromUtf8(s)});

    struct Party
    {
        const char *name, *fantasy, *address, *district, *city, *cep, *phone;
        bool company;
        const char *base; // 12 digits for a CNPJ, 9 for a CPF
        const char *contact;
    };
    const Party suppliers[] = {
        {"AGROFLORESTAL JURUENA LTDA", "AGROJURUENA", "RODOVIA MT 170 KM 12", "ZONA RURAL", "COTRIGUAÇU", "78330000",
         "6635551020", true, "084512370001", "MARCOS TEIXEIRA"},
        {"MANEJO FLORESTAL ARIPUANÃ S/A", "MANEJO ARIPUANÃ", "AVENIDA BRASIL 980", "CENTRO", "ARIPUANÃ", "78325000",
         "6635651144", true, "112093460001", "ANA PAULA RIBEIRO"},
        {"JOSÉ APARECIDO DOS SANTOS", "FAZENDA SANTA LUZIA", "ESTRADA DA LINHA 8", "ZONA RURAL", "COLNIZA",
         "78335000", "6635741207", false, "315720468", "JOSÉ APARECIDO"},
        {"MADEIRAS NORTÃO COMÉRCIO LTDA", "MADEIRAS NORTÃO", "RUA DAS CASTANHEIRAS 455", "JARDIM BOTÂNICO", "SINOP",
         "78550200", "6635327788", true, "205638140001", "ROBERTO LIMA"},
        {"MARIA DAS GRAÇAS FERREIRA", "SÍTIO BOA ESPERANÇA", "ESTRADA JUARA-PORTO DOS GAÚCHOS", "ZONA RURAL",
         "JUARA", "78575000", "6635561390", false, "472913586", "MARIA DAS GRAÇAS"},
        {"TORAS DO VALE INDÚSTRIA LTDA", "TORAS DO VALE", "AVENIDA DOS JACARANDÁS 77", "DISTRITO INDUSTRIAL",
         "MARCELÂNDIA", "78535000", "6635361455", true, "331087550001", "CLÁUDIO MENDES"},
        {"PEDRO HENRIQUE KLEIN", "FAZENDA RIO ARINOS", "ESTRADA DO ARINOS KM 40", "ZONA RURAL", "JUÍNA", "78320000",
         "6635661812", false, "508264137", "PEDRO KLEIN"},
        {"FLORESTA VIVA MANEJO SUSTENTÁVEL LTDA", "FLORESTA VIVA", "RUA DOS PIONEIROS 1200", "CENTRO",
         "ALTA FLORESTA", "78580000", "6635213340", true, "417320980001", "LUCIANA ARAÚJO"},
        {"ANTÔNIO CARLOS BORGES", "FAZENDA PARAÍSO", "ESTRADA DA GLEBA MERCEDES", "ZONA RURAL", "CLÁUDIA",
         "78540000", "6635461066", false, "629437518", "ANTÔNIO BORGES"},
        {"SERRARIA VERA CRUZ LTDA", "SERRARIA VERA CRUZ", "AVENIDA MATO GROSSO 310", "CENTRO", "VERA", "78880000",
         "6635831922", true, "560912730001", "FERNANDO ROCHA"},
    };
    // One party row: the insert names its table's columns in the order
    // name, fantasy, address, district, city, UF, CEP, phone, fax, kind,
    // CNPJ, state registration, CPF, contact.
    auto insertParty = [&](const QString &insert, const Party &p, const QString &kind, const QString &ie) {
        const QString base = QString::fromUtf8(p.base);
        const QString cnpj = p.company ? cnpjWithDigits(base) : QStringLiteral("00000000000000");
        const QString cpf = p.company ? QStringLiteral("00000000000") : cpfWithDigits(base);
        run(c, insert,
            {QString::fromUtf8(p.name), QString::fromUtf8(p.fantasy), QString::fromUtf8(p.address),
             QString::fromUtf8(p.district), QString::fromUtf8(p.city), QString::fromUtf8(p.cep),
             QString::fromUtf8(p.phone), kind, cnpj, ie, cpf, QString::fromUtf8(p.contact)});
    };
    int serial = 0;
    for (const Party &p : suppliers) {
        ++serial;
        insertParty(QStringLiteral("INSERT INTO FORNECEDOR (NOMEFORNECEDOR, NOMEFANTASIA, ENDERECO, BAIRRO, CIDADE, "
                                   "CIDADEUF, CEP, FONE, FAX, TIPOCLIENTE, CNPJ, INSCESTADUAL, CPF, CONTATO) "
                                   "VALUES (?, ?, ?, ?, ?, 'MT', ?, ?, '0000000000', ?, ?, ?, ?, ?)"),
                    p, p.company ? QStringLiteral("PESSOA JURÍDICA") : QStringLiteral("PESSOA FÍSICA"),
                    mtIeWithDigit(QStringLiteral("13%1").arg(4100000 + serial * 7919, 8, 10, QLatin1Char('0'))));
    }

    const Party clients[] = {
        {"CONSTRUTORA PANTANAL LTDA", "PANTANAL OBRAS", "AVENIDA HISTORIADOR RUBENS DE MENDONÇA 2100", "BOSQUE DA SAÚDE",
         "CUIABÁ", "78050000", "6536241100", true, "150284930001", "RICARDO NUNES"},
        {"DEPÓSITO DE MADEIRAS VÁRZEA GRANDE LTDA", "MADEIRAS VG", "AVENIDA FILINTO MÜLLER 845", "CENTRO NORTE",
         "VÁRZEA GRANDE", "78110000", "6536824477", true, "263917450001", "SILVANA COSTA"},
        {"CARLOS EDUARDO MARTINS", "", "RUA DAS ORQUÍDEAS 56", "JARDIM PARAÍSO", "SORRISO", "78890000",
         "6635447712", false, "731806254", "CARLOS EDUARDO"},
        {"MÓVEIS RONDON INDÚSTRIA LTDA", "MÓVEIS RONDON", "RUA DOM PEDRO II 1500", "VILA AURORA", "RONDONÓPOLIS",
         "78740000", "6634237788", true, "372640180001", "MARCELO DIAS"},
        {"TELHADOS E ESTRUTURAS LUCAS LTDA", "TELHADOS LUCAS", "AVENIDA DAS AMÉRICAS 930", "CENTRO",
         "LUCAS DO RIO VERDE", "78455000", "6535491230", true, "489135620001", "JULIANA PRADO"},
        {"FERNANDA LOPES DE OLIVEIRA", "", "RUA TIRADENTES 220", "CENTRO", "TANGARÁ DA SERRA", "78300000",
         "6533261540", false, "846120937", "FERNANDA LOPES"},
        {"CASA DO CONSTRUTOR CÁCERES LTDA", "CASA DO CONSTRUTOR", "AVENIDA SÃO LUIZ 1010", "CAVALHADA", "CÁCERES",
         "78200000", "6532235566", true, "594018370001", "WILSON BARROS"},
        {"ARAGUAIA PISOS DE MADEIRA LTDA", "ARAGUAIA PISOS", "AVENIDA MINISTRO JOÃO ALBERTO 400", "CENTRO",
         "BARRA DO GARÇAS", "78600000", "6634014433", true, "615273840001", "TATIANE MOURA"},
    };
    for (const Party &p : clients) {
        insertParty(QStringLiteral("INSERT INTO CREDOR (NOMECREDOR, FANTASIA, ENDERECO, BAIRRO, CIDADE, UF, CEP, FONE, "
                                   "FAX, TIPOCLIENTE, CNPJ, IE, CPF, CONTATO) "
                                   "VALUES (?, ?, ?, ?, ?, 'MT', ?, ?, '0000000000', ?, ?, ?, ?, ?)"),
                    p, p.company ? QStringLiteral("2-PESSOA JURÍDICA") : QStringLiteral("1-PESSOA FÍSICA"),
                    p.company ? mtIeWithDigit(QStringLiteral("13") + QString::fromUtf8(p.base).mid(0, 8))
                              : QStringLiteral("00000000000000"));
    }

    fillMovements(c);
}

// Logs bought and sawn, sawn wood bought and sold, and a sawn-wood packing
// list, so that every query and report has something to show. Sales stay
// within what came in and was sawn, so no balance goes below zero.
void DemoDatabase::fillMovements(Connection *c)
{
    auto species = [&](const char *name) {
        return codeOf(c, QStringLiteral("SELECT CODIGO FROM ESSENCIA WHERE ESSENCIA = ?"), QString::fromUtf8(name));
    };
    auto subProduct = [&](const char *name) {
        return codeOf(c, QStringLiteral("SELECT GRAUIND FROM SUBPRODUTO WHERE NOMEGRAU = ?"), QString::fromUtf8(name));
    };
    struct PartyRow
    {
        QVariant code;
        QString name, ie;
        double taxId;
    };
    // A party's code, name, state registration and tax id (CNPJ, or CPF for a person).
    auto party = [&](const QString &sql, const char *name) {
        QSqlQuery q(c->database());
        q.prepare(sql);
        q.addBindValue(QString::fromUtf8(name));
        if (!q.exec() || !q.next())
            throw DataError(q.lastError().text());
        const QString cnpj = q.value(3).toString();
        const QString tax = cnpj == QLatin1String("00000000000000") ? q.value(4).toString() : cnpj;
        return PartyRow{q.value(0), q.value(1).toString(), q.value(2).toString(), tax.toDouble()};
    };
    auto supplier = [&](const char *name) {
        return party(QStringLiteral("SELECT CODIGOFORNECEDOR, NOMEFORNECEDOR, INSCESTADUAL, CNPJ, CPF FROM FORNECEDOR "
                                    "WHERE NOMEFORNECEDOR = ?"),
                     name);
    };
    auto client = [&](const char *name) {
        return party(QStringLiteral("SELECT CODIGOCREDOR, NOMECREDOR, IE, CNPJ, CPF FROM CREDOR WHERE NOMECREDOR = ?"),
                     name);
    };
    auto day = [](int d, int m) { return QDateTime(QDate(2026, m, d), QTime(0, 0)); };
    auto header = [&](const QString &table, int nf, const QDateTime &issued, const PartyRow &p, double products) {
        run(c,
            QStringLiteral("INSERT INTO %1 (NF_NUMERO, NATUREZA_OPERACAO, CFOP, DATA_EMISSAO, DATA_SAIDA, HORA_SAIDA, "
                           "CODIGOFORNECEDOR, RAZAO_SOCIAL, CGC, INSC_ESTADUAL, UF, VALOR_TOTAL_PRODUTOS, "
                           "VALOR_TOTAL_NOTA) VALUES (?, ?, ?, ?, ?, '08:00', ?, ?, ?, ?, 'MT', ?, ?)")
                .arg(table),
            {nf, table == QLatin1String("SAIDA_MADEIRAS") ? QStringLiteral("VENDA") : QStringLiteral("COMPRA"),
             table == QLatin1String("SAIDA_MADEIRAS") ? 5101 : 1101, issued, issued, p.code, p.name, p.taxId, p.ie,
             products, products});
    };

    // Logs: three invoices; plates 1001 on.
    struct Log
    {
        int plate;
        const char *species;
        double length, d1, d2, volume, price;
    };
    struct LogInvoice
    {
        int nf;
        const char *supplier;
        QDateTime issued;
        QVector<Log> logs;
    };
    const QVector<LogInvoice> logInvoices = {
        {1201, "AGROFLORESTAL JURUENA LTDA", day(3, 2),
         {{1001, "CEDRINHO", 5.0, 0.62, 0.58, 1.4130, 210},
          {1002, "CEDRINHO", 4.5, 0.55, 0.53, 1.0306, 210},
          {1003, "IPÊ", 6.0, 0.70, 0.66, 2.1790, 480},
          {1004, "IPÊ", 5.5, 0.64, 0.60, 1.6623, 480}}},
        {1202, "JOSÉ APARECIDO DOS SANTOS", day(17, 2),
         {{1005, "JATOBÁ", 5.0, 0.60, 0.56, 1.3212, 390},
          {1006, "CUMARU", 4.8, 0.58, 0.54, 1.1820, 360},
          {1007, "CEDRINHO", 5.2, 0.66, 0.60, 1.6223, 210}}},
        {1203, "TORAS DO VALE INDÚSTRIA LTDA", day(9, 3),
         {{1008, "ANGELIM PEDRA", 6.2, 0.72, 0.70, 2.4546, 300},
          {1009, "ITAÚBA", 5.0, 0.60, 0.58, 1.3666, 330},
          {1010, "CEDRINHO", 4.0, 0.50, 0.48, 0.7540, 210}}},
    };
    // Logs sawn: plate, product (a name shared by PRODUTO and SUBPRODUTO),
    // transformation index, day.
    struct Sawing
    {
        int plate;
        const char *product;
        double index;
        QDateTime date;
    };
    const QVector<Sawing> sawings = {
        {1001, "VIGA", 2.0, day(10, 2)},    {1002, "PRANCHA", 2.5, day(10, 2)},
        {1003, "VIGA", 2.0, day(24, 2)},    {1005, "CAIBRO", 2.2, day(3, 3)},
        {1007, "PRANCHA", 2.5, day(3, 3)},  {1008, "VIGA", 2.0, day(16, 3)},
    };
    for (const LogInvoice &inv : logInvoices) {
        const PartyRow p = supplier(inv.supplier);
        double total = 0;
        for (const Log &l : inv.logs)
            total += l.volume * l.price;
        header(QStringLiteral("ENTRADA_TOROS"), inv.nf, inv.issued, p, total);
        for (const Log &l : inv.logs) {
            bool sawn = false;
            for (const Sawing &s : sawings)
                sawn = sawn || s.plate == l.plate;
            run(c,
                QStringLiteral("INSERT INTO ENTRADA_TOROS_DISCRIMINACAO (CODIGOPRODUTO, NFNUMERO, CODIGOFORNECEDOR, "
                               "FORNECEDOR, INSCRICAO, DATALANCAMENTO, ESSENCIA, CODIGOESSENCIA, UNIDADE, COMPRIMENTO, "
                               "DIAMETRO, DIAMETRO1, QUANTIDADE, VALUNITARIO, VALTOTAL, SITUACAO, CPF) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 'M/3', ?, ?, ?, ?, ?, ?, ?, ?)"),
                {l.plate, inv.nf, p.code, p.name, p.ie, inv.issued, QString::fromUtf8(l.species),
                 species(l.species), l.length, l.d1, l.d2, l.volume, l.price, l.volume * l.price, sawn ? 1 : 0,
                 p.taxId});
        }
    }
    for (const char *s : {"VIGA", "PRANCHA", "CAIBRO"})
        run(c, QStringLiteral("INSERT INTO SUBPRODUTO (NOMEGRAU) VALUES (?)"), {QString::fromUtf8(s)});
    for (const Sawing &s : sawings) {
        QSqlQuery q(c->database());
        q.prepare(QStringLiteral("SELECT ESSENCIA, CODIGOESSENCIA, QUANTIDADE, VALTOTAL FROM "
                                 "ENTRADA_TOROS_DISCRIMINACAO WHERE CODIGOPRODUTO = ?"));
        q.addBindValue(s.plate);
        if (!q.exec() || !q.next())
            throw DataError(q.lastError().text());
        const double log = q.value(2).toDouble();
        // The sawn volume of a production: log volume / index / 10.
        run(c,
            QStringLiteral("INSERT INTO PRODUCAO (CODPRODUTO, ESSENCIA, CODIGOESSENCIA, PRODUTO, DATA, QTORA, "
                           "QSERRADA, RESULTADO, VALTORA) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {s.plate, q.value(0), q.value(1), QString::fromUtf8(s.product), s.date, log, log / s.index / 10, s.index,
             q.value(3)});
    }

    // Sawn wood bought: two invoices, the number stored in the header.
    struct SawnLine
    {
        const char *species, *product;
        double volume, price;
    };
    struct SawnInvoice
    {
        int nf;
        const char *party;
        QDateTime issued;
        QVector<SawnLine> lines;
    };
    const QVector<SawnInvoice> sawnIn = {
        {3301, "MADEIRAS NORTÃO COMÉRCIO LTDA", day(12, 2),
         {{"CEDRINHO", "VIGA", 6.5, 950}, {"CEDRINHO", "TÁBUA APARELHADA", 4.25, 1100}, {"IPÊ", "ASSOALHO", 3.0, 2800}}},
        {3302, "SERRARIA VERA CRUZ LTDA", day(5, 3),
         {{"JATOBÁ", "BATENTE", 2.4, 2300}, {"CEDRINHO", "PRANCHA", 5.0, 900}}},
    };
    for (const SawnInvoice &inv : sawnIn) {
        const PartyRow p = supplier(inv.party);
        double total = 0;
        for (const SawnLine &l : inv.lines)
            total += l.volume * l.price;
        header(QStringLiteral("ENTRADA_SERRADA"), inv.nf, inv.issued, p, total);
        for (const SawnLine &l : inv.lines)
            run(c,
                QStringLiteral("INSERT INTO ENTRADA_SERRADA_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, FORNECEDOR, "
                               "INSCRICAO, DATALANCAMENTO, ESSENCIA, CODIGOESSENCIA, ESSENCIATIPO, CODIGOPRODUTO, "
                               "UNIDADE, QUANTIDADE, VALUNITARIO, VALTOTAL, CPF) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 'M/3', ?, ?, ?, ?)"),
                {inv.nf, p.code, p.name, p.ie, inv.issued, QString::fromUtf8(l.species), species(l.species),
                 QString::fromUtf8(l.product), subProduct(l.product), l.volume, l.price, l.volume * l.price,
                 p.taxId});
    }

    // Sawn wood sold, each line with its client's code; every volume within
    // the balance of its species and product (intake + production - sales).
    struct SaleLine
    {
        const char *species, *product;
        int pieces;
        double length, width, thickness, price; // price per m³
    };
    struct Sale
    {
        int nf;
        const char *client;
        QDateTime issued;
        QVector<SaleLine> lines;
    };
    const QVector<Sale> sales = {
        {5501, "CONSTRUTORA PANTANAL LTDA", day(20, 2),
         {{"CEDRINHO", "VIGA", 20, 4.0, 0.15, 0.06, 1500}, {"IPÊ", "ASSOALHO", 40, 3.0, 0.10, 0.02, 4200}}},
        {5502, "CARLOS EDUARDO MARTINS", day(11, 3), {{"CEDRINHO", "PRANCHA", 10, 4.0, 0.30, 0.05, 1350}}},
        {5503, "MÓVEIS RONDON INDÚSTRIA LTDA", day(18, 3),
         {{"JATOBÁ", "BATENTE", 30, 2.2, 0.14, 0.04, 3300}, {"CEDRINHO", "TÁBUA APARELHADA", 50, 3.0, 0.20, 0.025,
                                                             1600}}},
    };
    for (const Sale &sale : sales) {
        const PartyRow p = client(sale.client);
        double total = 0;
        for (const SaleLine &l : sale.lines)
            total += l.pieces * l.length * l.width * l.thickness * l.price;
        header(QStringLiteral("SAIDA_MADEIRAS"), sale.nf, sale.issued, p, total);
        for (const SaleLine &l : sale.lines) {
            const double m3 = l.pieces * l.length * l.width * l.thickness;
            run(c,
                QStringLiteral("INSERT INTO SAIDA_MADEIRAS_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, FORNECEDOR, "
                               "INSCRICAO, DATALANCAMENTO, ESSENCIA, CODIGOESSENCIA, ESSENCIATIPO, CODIGOPRODUTO, "
                               "UNIDADE, QUANTIDADE, COMPRIMENTO, LARGURA, EXPESSURA, TOTALM3, VALUNITARIO, "
                               "VALTOTAL, CPF) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 'M/3', ?, ?, ?, ?, ?, ?, ?, ?)"),
                {sale.nf, p.code, p.name, p.ie, sale.issued, QString::fromUtf8(l.species), species(l.species),
                 QString::fromUtf8(l.product), subProduct(l.product), l.pieces, l.length, l.width, l.thickness, m3,
                 l.price, m3 * l.price, p.taxId});
        }
    }

    // The packing list that went with the first sale.
    const PartyRow pantanal = client("CONSTRUTORA PANTANAL LTDA");
    for (const SaleLine &l : sales.first().lines) {
        const double m3 = l.pieces * l.length * l.width * l.thickness;
        run(c,
            QStringLiteral("INSERT INTO ROMANEIO_SERRADA (CODEMPRESA, NF, DATA, PRODUTO, ESSENCIA, QUANTIDADE, "
                           "COMPRIMENTO, LARGURA, EXPESSURA, TOTALM3, VLUNITARIO, VLTOTAL, CODESSENCIA, "
                           "CODSUBPRODUTO, UNIDADE) VALUES (?, 5501, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'M/3')"),
            {pantanal.code, sales.first().issued, QString::fromUtf8(l.product), QString::fromUtf8(l.species),
             l.pieces, l.length, l.width, l.thickness, m3, l.price, m3 * l.price, species(l.species),
             subProduct(l.product)});
    }
}

} // namespace data
