#include "DemoDatabase.h"

#include "Connection.h"
#include "DataError.h"
#include "DatabaseCreator.h"

#include <QSqlError>
#include <QSqlQuery>
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
    int serial = 0;
    for (const Party &p : suppliers) {
        ++serial;
        const QString base = QString::fromUtf8(p.base);
        const QString cnpj = p.company ? cnpjWithDigits(base) : QStringLiteral("00000000000000");
        const QString cpf = p.company ? QStringLiteral("00000000000") : cpfWithDigits(base);
        const QString ie = mtIeWithDigit(QStringLiteral("13%1").arg(4100000 + serial * 7919, 8, 10, QLatin1Char('0')));
        run(c,
            QStringLiteral("INSERT INTO FORNECEDOR (NOMEFORNECEDOR, NOMEFANTASIA, ENDERECO, BAIRRO, CIDADE, CIDADEUF, "
                           "CEP, FONE, FAX, TIPOCLIENTE, CNPJ, INSCESTADUAL, CPF, CONTATO) "
                           "VALUES (?, ?, ?, ?, ?, 'MT', ?, ?, '0000000000', ?, ?, ?, ?, ?)"),
            {QString::fromUtf8(p.name), QString::fromUtf8(p.fantasy), QString::fromUtf8(p.address),
             QString::fromUtf8(p.district), QString::fromUtf8(p.city), QString::fromUtf8(p.cep),
             QString::fromUtf8(p.phone),
             p.company ? QStringLiteral("PESSOA JURÍDICA") : QStringLiteral("PESSOA FÍSICA"), cnpj, ie, cpf,
             QString::fromUtf8(p.contact)});
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
        const QString base = QString::fromUtf8(p.base);
        const QString cnpj = p.company ? cnpjWithDigits(base) : QStringLiteral("00000000000000");
        const QString cpf = p.company ? QStringLiteral("00000000000") : cpfWithDigits(base);
        const QString ie = p.company ? mtIeWithDigit(QStringLiteral("13") + base.mid(0, 8))
                                     : QStringLiteral("00000000000000");
        run(c,
            QStringLiteral("INSERT INTO CREDOR (NOMECREDOR, FANTASIA, ENDERECO, BAIRRO, CIDADE, UF, CEP, FONE, FAX, "
                           "TIPOCLIENTE, CNPJ, IE, CPF, CONTATO) VALUES (?, ?, ?, ?, ?, 'MT', ?, ?, '0000000000', ?, ?, "
                           "?, ?, ?)"),
            {QString::fromUtf8(p.name), QString::fromUtf8(p.fantasy), QString::fromUtf8(p.address),
             QString::fromUtf8(p.district), QString::fromUtf8(p.city), QString::fromUtf8(p.cep),
             QString::fromUtf8(p.phone),
             p.company ? QStringLiteral("2-PESSOA JURÍDICA") : QStringLiteral("1-PESSOA FÍSICA"), cnpj, ie, cpf,
             QString::fromUtf8(p.contact)});
    }
}

} // namespace data
