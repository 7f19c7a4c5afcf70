#include "UnitDM.h"

#include "core/TaxIdText.h"

namespace data {

TDM::TDM(QObject *parent, const QString &connectionName)
    : QObject(parent), IBDatabase1(new Connection(connectionName, this))
{
    IBDatabase1->setObjectName(QStringLiteral("IBDatabase1"));
    setObjectName(QStringLiteral("DM"));
    TEssencia = new Table(IBDatabase1, QStringLiteral("ESSENCIA"), QStringLiteral("CODIGO"), this);
    TEssencia->setObjectName(QStringLiteral("TEssencia"));
    TFornecedor = new Table(IBDatabase1, QStringLiteral("FORNECEDOR"), QStringLiteral("CODIGOFORNECEDOR"), this);
    TFornecedor->setObjectName(QStringLiteral("TFornecedor"));
    TCredor = new Table(IBDatabase1, QStringLiteral("CREDOR"), QStringLiteral("CODIGOCREDOR"), this);
    TCredor->setObjectName(QStringLiteral("TCredor"));
    TMunicipio = new Table(IBDatabase1, QStringLiteral("MUNICIPIO"), QStringLiteral("COD_MUNIC"), this);
    TMunicipio->setObjectName(QStringLiteral("TMunicipio"));
    TProduto = new Table(IBDatabase1, QStringLiteral("PRODUTO"), QStringLiteral("GRAUIND"), this);
    TProduto->setObjectName(QStringLiteral("TProduto"));
    TSUBPRODUTOS = new Table(IBDatabase1, QStringLiteral("SUBPRODUTO"), QStringLiteral("GRAUIND"), this);
    TSUBPRODUTOS->setObjectName(QStringLiteral("TSUBPRODUTOS"));
    TManutencao = new Table(IBDatabase1, QStringLiteral("MANUTENCAO"), QStringLiteral("CODIGOEMPRESA"), this);
    TManutencao->setObjectName(QStringLiteral("TManutencao"));
    TLOGIN = new Table(IBDatabase1, QStringLiteral("LOGIN"), QStringLiteral("CODIGO"), this);
    TLOGIN->setObjectName(QStringLiteral("TLOGIN"));
    TEntrada = new Table(IBDatabase1, QStringLiteral("ENTRADA_TOROS"), QStringLiteral("CODIGOENTRADA"), this);
    TEntrada->setObjectName(QStringLiteral("TEntrada"));
    TEntrada1 = new Table(IBDatabase1, QStringLiteral("ENTRADA_TOROS"), QStringLiteral("CODIGOENTRADA"), this);
    TEntrada1->setObjectName(QStringLiteral("TEntrada1"));
    TESERRADA = new Table(IBDatabase1, QStringLiteral("ENTRADA_SERRADA"), QStringLiteral("CODIGOENTRADA"), this);
    TESERRADA->setObjectName(QStringLiteral("TESERRADA"));
    TSERRADA1 = new Table(IBDatabase1, QStringLiteral("ENTRADA_SERRADA"), QStringLiteral("CODIGOENTRADA"), this);
    TSERRADA1->setObjectName(QStringLiteral("TSERRADA1"));
    TSaida = new Table(IBDatabase1, QStringLiteral("SAIDA_MADEIRAS"), QStringLiteral("CODIGOSAIDA"), this);
    TSaida->setObjectName(QStringLiteral("TSaida"));
    TSaida1 = new Table(IBDatabase1, QStringLiteral("SAIDA_MADEIRAS"), QStringLiteral("CODIGOSAIDA"), this);
    TSaida1->setObjectName(QStringLiteral("TSaida1"));
    TEntrada_discriminacao = new Table(IBDatabase1, QStringLiteral("ENTRADA_TOROS_DISCRIMINACAO"), QStringLiteral("CODDISCRIMINACAO"), this);
    TEntrada_discriminacao->setObjectName(QStringLiteral("TEntrada_discriminacao"));
    TEntradaDiscriminacao1 = new Table(IBDatabase1, QStringLiteral("ENTRADA_TOROS_DISCRIMINACAO"), QStringLiteral("CODDISCRIMINACAO"), this);
    TEntradaDiscriminacao1->setObjectName(QStringLiteral("TEntradaDiscriminacao1"));
    TESDISCRIMINACAO = new Table(IBDatabase1, QStringLiteral("ENTRADA_SERRADA_DISCRIMINACAO"), QStringLiteral("CODDISCRIMINACAO"), this);
    TESDISCRIMINACAO->setObjectName(QStringLiteral("TESDISCRIMINACAO"));
    TESDISCRIMINACAO1 = new Table(IBDatabase1, QStringLiteral("ENTRADA_SERRADA_DISCRIMINACAO"), QStringLiteral("CODDISCRIMINACAO"), this);
    TESDISCRIMINACAO1->setObjectName(QStringLiteral("TESDISCRIMINACAO1"));
    TSaida_Discriminacao = new Table(IBDatabase1, QStringLiteral("SAIDA_MADEIRAS_DISCRIMINACAO"), QStringLiteral("CODDISCRIMINACAO"), this);
    TSaida_Discriminacao->setObjectName(QStringLiteral("TSaida_Discriminacao"));
    TSaida_Discriminacao1 = new Table(IBDatabase1, QStringLiteral("SAIDA_MADEIRAS_DISCRIMINACAO"), QStringLiteral("CODDISCRIMINACAO"), this);
    TSaida_Discriminacao1->setObjectName(QStringLiteral("TSaida_Discriminacao1"));
    TSAIDATOROSDISCRIMINACAO = new Table(IBDatabase1, QStringLiteral("SAIDA_MADEIRAS_DISCRIMINACAO1"), QStringLiteral("CODDISCRIMINACAO"), this);
    TSAIDATOROSDISCRIMINACAO->setObjectName(QStringLiteral("TSAIDATOROSDISCRIMINACAO"));
    TPRODUCAO = new Table(IBDatabase1, QStringLiteral("PRODUCAO"), QStringLiteral("CODLANCAMENTO"), this);
    TPRODUCAO->setObjectName(QStringLiteral("TPRODUCAO"));
    TROMANEIOSERRADA = new Table(IBDatabase1, QStringLiteral("ROMANEIO_SERRADA"), QStringLiteral("CODLANCAMENTO"), this);
    TROMANEIOSERRADA->setObjectName(QStringLiteral("TROMANEIOSERRADA"));
    TROMANEIOTORO = new Table(IBDatabase1, QStringLiteral("ROMANEIO_TORO"), QStringLiteral("CODLANCAMENTO"), this);
    TROMANEIOTORO->setObjectName(QStringLiteral("TROMANEIOTORO"));
    QEssencia = new Query(IBDatabase1, QStringLiteral("select * from ESSENCIA"), this);
    QEssencia->setObjectName(QStringLiteral("QEssencia"));
    QFornecedor = new Query(IBDatabase1, QStringLiteral("select * from FORNECEDOR"), this);
    QFornecedor->setObjectName(QStringLiteral("QFornecedor"));
    QCredor = new Query(IBDatabase1, QStringLiteral("select * from CREDOR order by NOMECREDOR"), this);
    QCredor->setObjectName(QStringLiteral("QCredor"));
    QMunicipio = new Query(IBDatabase1, QStringLiteral("Select * From Municipio"), this);
    QMunicipio->setObjectName(QStringLiteral("QMunicipio"));
    QProduto = new Query(IBDatabase1, QStringLiteral("select * from PRODUTO"), this);
    QProduto->setObjectName(QStringLiteral("QProduto"));
    QSUBPRODUTOS = new Query(IBDatabase1, QStringLiteral("select * from SUBPRODUTO"), this);
    QSUBPRODUTOS->setObjectName(QStringLiteral("QSUBPRODUTOS"));
    QManutencao = new Query(IBDatabase1, QStringLiteral("select * from MANUTENCAO"), this);
    QManutencao->setObjectName(QStringLiteral("QManutencao"));
    QEntrada = new Query(IBDatabase1, QStringLiteral("select * from ENTRADA_TOROS"), this);
    QEntrada->setObjectName(QStringLiteral("QEntrada"));
    QESERRADA = new Query(IBDatabase1, QStringLiteral("select * from ENTRADA_SERRADA"), this);
    QESERRADA->setObjectName(QStringLiteral("QESERRADA"));
    QSaida = new Query(IBDatabase1, QStringLiteral("select * from  SAIDA_MADEIRAS"), this);
    QSaida->setObjectName(QStringLiteral("QSaida"));
    QEntrada_Discriminacao = new Query(IBDatabase1, QStringLiteral("select * from ENTRADA_TOROS_DISCRIMINACAO"), this);
    QEntrada_Discriminacao->setObjectName(QStringLiteral("QEntrada_Discriminacao"));
    QSERRADA_DISCRIMINACAO = new Query(IBDatabase1, QStringLiteral("select * from ENTRADA_SERRADA_DISCRIMINACAO"), this);
    QSERRADA_DISCRIMINACAO->setObjectName(QStringLiteral("QSERRADA_DISCRIMINACAO"));
    QSaida_Discriminacao = new Query(IBDatabase1, QStringLiteral("select * from SAIDA_MADEIRAS_DISCRIMINACAO"), this);
    QSaida_Discriminacao->setObjectName(QStringLiteral("QSaida_Discriminacao"));
    QSAIDATOROS = new Query(IBDatabase1, QStringLiteral("select * from SAIDA_MADEIRAS_DISCRIMINACAO1"), this);
    QSAIDATOROS->setObjectName(QStringLiteral("QSAIDATOROS"));
    QPRODUCAO = new Query(IBDatabase1, QStringLiteral("select * from PRODUCAO"), this);
    QPRODUCAO->setObjectName(QStringLiteral("QPRODUCAO"));
    QROMANEIOSERRADADISC = new Query(IBDatabase1, QStringLiteral("select * from ROMANEIO_SERRADA"), this);
    QROMANEIOSERRADADISC->setObjectName(QStringLiteral("QROMANEIOSERRADADISC"));
    QROMANEIOTORO = new Query(IBDatabase1, QStringLiteral("select * from ROMANEIO_TORO"), this);
    QROMANEIOTORO->setObjectName(QStringLiteral("QROMANEIOTORO"));
    DEssencia = new DataSource(TEssencia, QStringLiteral("DEssencia"), this);
    DFornecedor = new DataSource(TFornecedor, QStringLiteral("DFornecedor"), this);
    DCredor = new DataSource(TCredor, QStringLiteral("DCredor"), this);
    DMunicipio = new DataSource(TMunicipio, QStringLiteral("DMunicipio"), this);
    DProduto = new DataSource(TProduto, QStringLiteral("DProduto"), this);
    DSTSUBPRODUTOS = new DataSource(TSUBPRODUTOS, QStringLiteral("DSTSUBPRODUTOS"), this);
    DManutencao = new DataSource(TManutencao, QStringLiteral("DManutencao"), this);
    DLOGIN = new DataSource(TLOGIN, QStringLiteral("DLOGIN"), this);
    DSEntrada = new DataSource(TEntrada, QStringLiteral("DSEntrada"), this);
    DSEntrada1 = new DataSource(TEntrada1, QStringLiteral("DSEntrada1"), this);
    DESERRADA = new DataSource(TESERRADA, QStringLiteral("DESERRADA"), this);
    DSSERRADA1 = new DataSource(TSERRADA1, QStringLiteral("DSSERRADA1"), this);
    DSSaida = new DataSource(TSaida, QStringLiteral("DSSaida"), this);
    DSaida1 = new DataSource(TSaida1, QStringLiteral("DSaida1"), this);
    DSEntrada_Discriminacao = new DataSource(TEntrada_discriminacao, QStringLiteral("DSEntrada_Discriminacao"), this);
    DSEntradaDiscriminacao1 = new DataSource(TEntradaDiscriminacao1, QStringLiteral("DSEntradaDiscriminacao1"), this);
    DESDISCRIMINACAO = new DataSource(TESDISCRIMINACAO, QStringLiteral("DESDISCRIMINACAO"), this);
    DESDISCRIMINACAO1 = new DataSource(TESDISCRIMINACAO1, QStringLiteral("DESDISCRIMINACAO1"), this);
    DSSaida_Discriminacao = new DataSource(TSaida_Discriminacao, QStringLiteral("DSSaida_Discriminacao"), this);
    DSaidaDiscriminacao1 = new DataSource(TSaida_Discriminacao1, QStringLiteral("DSaidaDiscriminacao1"), this);
    DS_SAIDATOROSDISCRIMINACAO = new DataSource(TSAIDATOROSDISCRIMINACAO, QStringLiteral("DS_SAIDATOROSDISCRIMINACAO"), this);
    DPRODUCAO = new DataSource(TPRODUCAO, QStringLiteral("DPRODUCAO"), this);
    DS_ROMANEIOSERRADA = new DataSource(TROMANEIOSERRADA, QStringLiteral("DS_ROMANEIOSERRADA"), this);
    DS_ROMANEIOTORO = new DataSource(TROMANEIOTORO, QStringLiteral("DS_ROMANEIOTORO"), this);
    DQEssencia = new DataSource(QEssencia, QStringLiteral("DQEssencia"), this);
    DQFornecedor = new DataSource(QFornecedor, QStringLiteral("DQFornecedor"), this);
    DQCredor = new DataSource(QCredor, QStringLiteral("DQCredor"), this);
    DQMunicipio = new DataSource(QMunicipio, QStringLiteral("DQMunicipio"), this);
    DQProduto = new DataSource(QProduto, QStringLiteral("DQProduto"), this);
    DSQSUBPRODUTOS = new DataSource(QSUBPRODUTOS, QStringLiteral("DSQSUBPRODUTOS"), this);
    DQManutencao = new DataSource(QManutencao, QStringLiteral("DQManutencao"), this);
    DSQEntrada = new DataSource(QEntrada, QStringLiteral("DSQEntrada"), this);
    DQESERRADA = new DataSource(QESERRADA, QStringLiteral("DQESERRADA"), this);
    DSQSaida = new DataSource(QSaida, QStringLiteral("DSQSaida"), this);
    DSQEntrada_Discriminacao = new DataSource(QEntrada_Discriminacao, QStringLiteral("DSQEntrada_Discriminacao"), this);
    DQSERRADA_DISCRIMINACAO = new DataSource(QSERRADA_DISCRIMINACAO, QStringLiteral("DQSERRADA_DISCRIMINACAO"), this);
    DQSAIDA_DISCRIMINACAO = new DataSource(QSaida_Discriminacao, QStringLiteral("DQSAIDA_DISCRIMINACAO"), this);
    DSQ_SAIDATOROS = new DataSource(QSAIDATOROS, QStringLiteral("DSQ_SAIDATOROS"), this);
    DQPRODUCAO = new DataSource(QPRODUCAO, QStringLiteral("DQPRODUCAO"), this);
    DS_QROMANEIOSERRADODISC = new DataSource(QROMANEIOSERRADADISC, QStringLiteral("DS_QROMANEIOSERRADODISC"), this);
    DSQ_ROMANEIOTORO = new DataSource(QROMANEIOTORO, QStringLiteral("DSQ_ROMANEIOTORO"), this);

    // The lines of the current invoice of TEntrada1: its number and its
    // supplier, since two suppliers' invoices may share a number.
    TEntradaDiscriminacao1->setIndexFieldNames(QStringLiteral("NFNUMERO"));
    TEntradaDiscriminacao1->setMasterSource(TEntrada1, {{QStringLiteral("NFNUMERO"), QStringLiteral("NF_NUMERO")},
                                                        {QStringLiteral("CODIGOFORNECEDOR"), QStringLiteral("CODIGOFORNECEDOR")}});

    TProduto->setDisplayFormat(QStringLiteral("FATOR"), QStringLiteral("###,#0.00"));
    QProduto->setDisplayFormat(QStringLiteral("FATOR"), QStringLiteral("###,#0.00"));
    TLOGIN->setDisplayFormat(QStringLiteral("CODIGO"), QStringLiteral("000"));
    TEntrada->setDisplayFormat(QStringLiteral("NF_NUMERO"), QStringLiteral("000000"));
    TEntrada1->setDisplayFormat(QStringLiteral("NF_NUMERO"), QStringLiteral("000000"));
    QEntrada->setDisplayFormat(QStringLiteral("NF_NUMERO"), QStringLiteral("000000"));
    TESERRADA->setDisplayFormat(QStringLiteral("NF_NUMERO"), QStringLiteral("000000"));
    TSERRADA1->setDisplayFormat(QStringLiteral("NF_NUMERO"), QStringLiteral("000000"));
    QESERRADA->setDisplayFormat(QStringLiteral("NF_NUMERO"), QStringLiteral("000000"));
    TEntrada->setDisplayFormat(QStringLiteral("ALIQ_FUNRURAL"), QStringLiteral("0.00"));
    TEntrada1->setDisplayFormat(QStringLiteral("ALIQ_FUNRURAL"), QStringLiteral("0.00"));
    QEntrada->setDisplayFormat(QStringLiteral("ALIQ_FUNRURAL"), QStringLiteral("0.00"));
    TESERRADA->setDisplayFormat(QStringLiteral("ALIQ_FUNRURAL"), QStringLiteral("0.00"));
    TSERRADA1->setDisplayFormat(QStringLiteral("ALIQ_FUNRURAL"), QStringLiteral("0.00"));
    QESERRADA->setDisplayFormat(QStringLiteral("ALIQ_FUNRURAL"), QStringLiteral("0.00"));
    TEntrada->setDisplayFormat(QStringLiteral("VALOR_FUNRURAL"), QStringLiteral("0.00"));
    TEntrada1->setDisplayFormat(QStringLiteral("VALOR_FUNRURAL"), QStringLiteral("0.00"));
    QEntrada->setDisplayFormat(QStringLiteral("VALOR_FUNRURAL"), QStringLiteral("0.00"));
    TESERRADA->setDisplayFormat(QStringLiteral("VALOR_FUNRURAL"), QStringLiteral("0.00"));
    TSERRADA1->setDisplayFormat(QStringLiteral("VALOR_FUNRURAL"), QStringLiteral("0.00"));
    QESERRADA->setDisplayFormat(QStringLiteral("VALOR_FUNRURAL"), QStringLiteral("0.00"));
    TEntrada->setDisplayFormat(QStringLiteral("BASE_CALCULO_FUNRURAL"), QStringLiteral("0.00"));
    TEntrada1->setDisplayFormat(QStringLiteral("BASE_CALCULO_FUNRURAL"), QStringLiteral("0.00"));
    QEntrada->setDisplayFormat(QStringLiteral("BASE_CALCULO_FUNRURAL"), QStringLiteral("0.00"));
    TESERRADA->setDisplayFormat(QStringLiteral("BASE_CALCULO_FUNRURAL"), QStringLiteral("0.00"));
    TSERRADA1->setDisplayFormat(QStringLiteral("BASE_CALCULO_FUNRURAL"), QStringLiteral("0.00"));
    QESERRADA->setDisplayFormat(QStringLiteral("BASE_CALCULO_FUNRURAL"), QStringLiteral("0.00"));
    TESERRADA->setDisplayFormat(QStringLiteral("BASE_CALCULO_ICMS"), QStringLiteral("0.00"));
    TSERRADA1->setDisplayFormat(QStringLiteral("BASE_CALCULO_ICMS"), QStringLiteral("0.00"));
    QESERRADA->setDisplayFormat(QStringLiteral("BASE_CALCULO_ICMS"), QStringLiteral("0.00"));
    TESERRADA->setDisplayFormat(QStringLiteral("VALOR_ICMS"), QStringLiteral("0.00"));
    TSERRADA1->setDisplayFormat(QStringLiteral("VALOR_ICMS"), QStringLiteral("0.00"));
    QESERRADA->setDisplayFormat(QStringLiteral("VALOR_ICMS"), QStringLiteral("0.00"));
    TESERRADA->setDisplayFormat(QStringLiteral("BASE_CALCULO_ICMS_SUBST"), QStringLiteral("0.00"));
    TSERRADA1->setDisplayFormat(QStringLiteral("BASE_CALCULO_ICMS_SUBST"), QStringLiteral("0.00"));
    QESERRADA->setDisplayFormat(QStringLiteral("BASE_CALCULO_ICMS_SUBST"), QStringLiteral("0.00"));
    TESERRADA->setDisplayFormat(QStringLiteral("VALOR_ICMS_SUBST"), QStringLiteral("0.00"));
    TSERRADA1->setDisplayFormat(QStringLiteral("VALOR_ICMS_SUBST"), QStringLiteral("0.00"));
    QESERRADA->setDisplayFormat(QStringLiteral("VALOR_ICMS_SUBST"), QStringLiteral("0.00"));
    TESERRADA->setDisplayFormat(QStringLiteral("VALOR_FRETE"), QStringLiteral("0.00"));
    TSERRADA1->setDisplayFormat(QStringLiteral("VALOR_FRETE"), QStringLiteral("0.00"));
    QESERRADA->setDisplayFormat(QStringLiteral("VALOR_FRETE"), QStringLiteral("0.00"));
    TESERRADA->setDisplayFormat(QStringLiteral("VALOR_SEGURO"), QStringLiteral("0.00"));
    TSERRADA1->setDisplayFormat(QStringLiteral("VALOR_SEGURO"), QStringLiteral("0.00"));
    QESERRADA->setDisplayFormat(QStringLiteral("VALOR_SEGURO"), QStringLiteral("0.00"));
    TESERRADA->setDisplayFormat(QStringLiteral("OUTRAS_DESPESAS"), QStringLiteral("0.00"));
    TSERRADA1->setDisplayFormat(QStringLiteral("OUTRAS_DESPESAS"), QStringLiteral("0.00"));
    QESERRADA->setDisplayFormat(QStringLiteral("OUTRAS_DESPESAS"), QStringLiteral("0.00"));
    TESERRADA->setDisplayFormat(QStringLiteral("VALOR_IPI"), QStringLiteral("0.00"));
    TSERRADA1->setDisplayFormat(QStringLiteral("VALOR_IPI"), QStringLiteral("0.00"));
    QESERRADA->setDisplayFormat(QStringLiteral("VALOR_IPI"), QStringLiteral("0.00"));
    TESERRADA->setDisplayFormat(QStringLiteral("VALOR_TOTAL_NOTA"), QStringLiteral("0.00"));
    TSERRADA1->setDisplayFormat(QStringLiteral("VALOR_TOTAL_NOTA"), QStringLiteral("0.00"));
    QESERRADA->setDisplayFormat(QStringLiteral("VALOR_TOTAL_NOTA"), QStringLiteral("0.00"));
    TESERRADA->setDisplayFormat(QStringLiteral("VALOR_TOTAL_PRODUTOS"), QStringLiteral("0.00"));
    TSERRADA1->setDisplayFormat(QStringLiteral("VALOR_TOTAL_PRODUTOS"), QStringLiteral("0.00"));
    QESERRADA->setDisplayFormat(QStringLiteral("VALOR_TOTAL_PRODUTOS"), QStringLiteral("0.00"));
    TESERRADA->setDisplayFormat(QStringLiteral("ALIQ_ICMS"), QStringLiteral("0.00"));
    TSERRADA1->setDisplayFormat(QStringLiteral("ALIQ_ICMS"), QStringLiteral("0.00"));
    QESERRADA->setDisplayFormat(QStringLiteral("ALIQ_ICMS"), QStringLiteral("0.00"));
    TESERRADA->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    TSERRADA1->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    QESERRADA->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    // The invoices found on the log intake's search tab.
    for (const char *money : {"VALOR_ICMS", "VALOR_ICMS_SUBST", "VALOR_TOTAL_NOTA", "VALOR_TOTAL_PRODUTOS", "ALIQ_ICMS"})
        TEntrada1->setDisplayFormat(QString::fromLatin1(money), QStringLiteral("0.00"));
    TEntrada1->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    // A log's plate is typed and shown zero-padded to six digits; grids show it as the edits do.
    for (DataSet *lines : std::initializer_list<DataSet *>{TEntrada_discriminacao, TEntradaDiscriminacao1,
                                                           QEntrada_Discriminacao})
        lines->setDisplayFormat(QStringLiteral("CODIGOPRODUTO"), QStringLiteral("000000"));
    TROMANEIOTORO->setDisplayFormat(QStringLiteral("CODPRODUTO"), QStringLiteral("000000"));
    QROMANEIOTORO->setDisplayFormat(QStringLiteral("CODPRODUTO"), QStringLiteral("000000"));
    TEntrada_discriminacao->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    TEntradaDiscriminacao1->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    QEntrada_Discriminacao->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    TESDISCRIMINACAO->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    TESDISCRIMINACAO1->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    QSERRADA_DISCRIMINACAO->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    TSaida_Discriminacao->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    TSaida_Discriminacao1->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    QSaida_Discriminacao->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    TSAIDATOROSDISCRIMINACAO->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    QSAIDATOROS->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    TEntrada_discriminacao->setDisplayFormat(QStringLiteral("VALUNITARIO"), QStringLiteral("0.00"));
    TEntradaDiscriminacao1->setDisplayFormat(QStringLiteral("VALUNITARIO"), QStringLiteral("0.00"));
    QEntrada_Discriminacao->setDisplayFormat(QStringLiteral("VALUNITARIO"), QStringLiteral("0.00"));
    TESDISCRIMINACAO->setDisplayFormat(QStringLiteral("VALUNITARIO"), QStringLiteral("0.00"));
    TESDISCRIMINACAO1->setDisplayFormat(QStringLiteral("VALUNITARIO"), QStringLiteral("0.00"));
    QSERRADA_DISCRIMINACAO->setDisplayFormat(QStringLiteral("VALUNITARIO"), QStringLiteral("0.00"));
    TSaida_Discriminacao->setDisplayFormat(QStringLiteral("VALUNITARIO"), QStringLiteral("0.00"));
    TSaida_Discriminacao1->setDisplayFormat(QStringLiteral("VALUNITARIO"), QStringLiteral("0.00"));
    QSaida_Discriminacao->setDisplayFormat(QStringLiteral("VALUNITARIO"), QStringLiteral("0.00"));
    TSAIDATOROSDISCRIMINACAO->setDisplayFormat(QStringLiteral("VALUNITARIO"), QStringLiteral("0.00"));
    QSAIDATOROS->setDisplayFormat(QStringLiteral("VALUNITARIO"), QStringLiteral("0.00"));
    TEntrada_discriminacao->setDisplayFormat(QStringLiteral("VALTOTAL"), QStringLiteral("0.00"));
    TEntradaDiscriminacao1->setDisplayFormat(QStringLiteral("VALTOTAL"), QStringLiteral("0.00"));
    QEntrada_Discriminacao->setDisplayFormat(QStringLiteral("VALTOTAL"), QStringLiteral("0.00"));
    TESDISCRIMINACAO->setDisplayFormat(QStringLiteral("VALTOTAL"), QStringLiteral("0.00"));
    TESDISCRIMINACAO1->setDisplayFormat(QStringLiteral("VALTOTAL"), QStringLiteral("0.00"));
    QSERRADA_DISCRIMINACAO->setDisplayFormat(QStringLiteral("VALTOTAL"), QStringLiteral("0.00"));
    TSaida_Discriminacao->setDisplayFormat(QStringLiteral("VALTOTAL"), QStringLiteral("0.00"));
    TSaida_Discriminacao1->setDisplayFormat(QStringLiteral("VALTOTAL"), QStringLiteral("0.00"));
    QSaida_Discriminacao->setDisplayFormat(QStringLiteral("VALTOTAL"), QStringLiteral("0.00"));
    TSAIDATOROSDISCRIMINACAO->setDisplayFormat(QStringLiteral("VALTOTAL"), QStringLiteral("0.00"));
    QSAIDATOROS->setDisplayFormat(QStringLiteral("VALTOTAL"), QStringLiteral("0.00"));
    TEntrada_discriminacao->setDisplayFormat(QStringLiteral("ALIQICMS"), QStringLiteral("0.00%"));
    TEntradaDiscriminacao1->setDisplayFormat(QStringLiteral("ALIQICMS"), QStringLiteral("0.00%"));
    QEntrada_Discriminacao->setDisplayFormat(QStringLiteral("ALIQICMS"), QStringLiteral("0.00%"));
    TSaida_Discriminacao->setDisplayFormat(QStringLiteral("ALIQICMS"), QStringLiteral("0.00%"));
    TSaida_Discriminacao1->setDisplayFormat(QStringLiteral("ALIQICMS"), QStringLiteral("0.00%"));
    QSaida_Discriminacao->setDisplayFormat(QStringLiteral("ALIQICMS"), QStringLiteral("0.00%"));
    TESDISCRIMINACAO->setDisplayFormat(QStringLiteral("ALIQICMS"), QStringLiteral("0.00"));
    TESDISCRIMINACAO1->setDisplayFormat(QStringLiteral("ALIQICMS"), QStringLiteral("0.00"));
    QSERRADA_DISCRIMINACAO->setDisplayFormat(QStringLiteral("ALIQICMS"), QStringLiteral("0.00"));
    TEntrada_discriminacao->setDisplayFormat(QStringLiteral("TOTALPRODUTO"), QStringLiteral("0.00"));
    TEntradaDiscriminacao1->setDisplayFormat(QStringLiteral("TOTALPRODUTO"), QStringLiteral("0.00"));
    QEntrada_Discriminacao->setDisplayFormat(QStringLiteral("TOTALPRODUTO"), QStringLiteral("0.00"));
    TESDISCRIMINACAO->setDisplayFormat(QStringLiteral("NFNUMERO"), QStringLiteral("000000"));
    TESDISCRIMINACAO1->setDisplayFormat(QStringLiteral("NFNUMERO"), QStringLiteral("000000"));
    QSERRADA_DISCRIMINACAO->setDisplayFormat(QStringLiteral("NFNUMERO"), QStringLiteral("000000"));
    TSaida_Discriminacao->setDisplayFormat(QStringLiteral("TOTALM3"), QStringLiteral("0.0000"));
    TSaida_Discriminacao1->setDisplayFormat(QStringLiteral("TOTALM3"), QStringLiteral("0.0000"));
    QSaida_Discriminacao->setDisplayFormat(QStringLiteral("TOTALM3"), QStringLiteral("0.0000"));
    TPRODUCAO->setDisplayFormat(QStringLiteral("QTORA"), QStringLiteral("0.0000"));
    QPRODUCAO->setDisplayFormat(QStringLiteral("QTORA"), QStringLiteral("0.0000"));
    TPRODUCAO->setDisplayFormat(QStringLiteral("QSERRADA"), QStringLiteral("0.0000"));
    QPRODUCAO->setDisplayFormat(QStringLiteral("QSERRADA"), QStringLiteral("0.0000"));
    TPRODUCAO->setDisplayFormat(QStringLiteral("VALTORA"), QStringLiteral("0.00"));
    QPRODUCAO->setDisplayFormat(QStringLiteral("VALTORA"), QStringLiteral("0.00"));
    TROMANEIOSERRADA->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    QROMANEIOSERRADADISC->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"));
    TROMANEIOSERRADA->setDisplayFormat(QStringLiteral("COMPRIMENTO"), QStringLiteral("0.00"));
    QROMANEIOSERRADADISC->setDisplayFormat(QStringLiteral("COMPRIMENTO"), QStringLiteral("0.00"));
    TROMANEIOSERRADA->setDisplayFormat(QStringLiteral("LARGURA"), QStringLiteral("0.00"));
    QROMANEIOSERRADADISC->setDisplayFormat(QStringLiteral("LARGURA"), QStringLiteral("0.00"));
    TROMANEIOSERRADA->setDisplayFormat(QStringLiteral("EXPESSURA"), QStringLiteral("0.00"));
    QROMANEIOSERRADADISC->setDisplayFormat(QStringLiteral("EXPESSURA"), QStringLiteral("0.00"));
    TROMANEIOSERRADA->setDisplayFormat(QStringLiteral("TOTALM3"), QStringLiteral("0.0000"));
    QROMANEIOSERRADADISC->setDisplayFormat(QStringLiteral("TOTALM3"), QStringLiteral("0.0000"));
    TROMANEIOSERRADA->setDisplayFormat(QStringLiteral("VLUNITARIO"), QStringLiteral("0.00"));
    QROMANEIOSERRADADISC->setDisplayFormat(QStringLiteral("VLUNITARIO"), QStringLiteral("0.00"));
    TROMANEIOSERRADA->setDisplayFormat(QStringLiteral("VLTOTAL"), QStringLiteral("0.00"));
    QROMANEIOSERRADADISC->setDisplayFormat(QStringLiteral("VLTOTAL"), QStringLiteral("0.00"));
    TROMANEIOTORO->setDisplayFormat(QStringLiteral("COMPRIMENTO"), QStringLiteral("0.00"));
    QROMANEIOTORO->setDisplayFormat(QStringLiteral("COMPRIMENTO"), QStringLiteral("0.00"));
    TROMANEIOTORO->setDisplayFormat(QStringLiteral("LARGURA"), QStringLiteral("0.00"));
    QROMANEIOTORO->setDisplayFormat(QStringLiteral("LARGURA"), QStringLiteral("0.00"));
    TROMANEIOTORO->setDisplayFormat(QStringLiteral("TOTALM3"), QStringLiteral("0.0000"));
    QROMANEIOTORO->setDisplayFormat(QStringLiteral("TOTALM3"), QStringLiteral("0.0000"));
    TROMANEIOTORO->setDisplayFormat(QStringLiteral("VLUNITARIO"), QStringLiteral("0.00"));
    QROMANEIOTORO->setDisplayFormat(QStringLiteral("VLUNITARIO"), QStringLiteral("0.00"));
    TROMANEIOTORO->setDisplayFormat(QStringLiteral("VLTOTAL"), QStringLiteral("0.00"));
    QROMANEIOTORO->setDisplayFormat(QStringLiteral("VLTOTAL"), QStringLiteral("0.00"));
    TESERRADA->setEditMask(QStringLiteral("HORA_SAIDA"), QStringLiteral("00:00"));
    TSERRADA1->setEditMask(QStringLiteral("HORA_SAIDA"), QStringLiteral("00:00"));
    TEntrada1->setEditMask(QStringLiteral("HORA_SAIDA"), QStringLiteral("00:00;0;_"));
    QCredor->setEditMask(QStringLiteral("CEP"), QStringLiteral("00000\\-9999;0;_"));
    QCredor->setEditMask(QStringLiteral("FONE"), QStringLiteral("!\\(99\\)0000-0000;0;_"));
    QCredor->setEditMask(QStringLiteral("FAX"), QStringLiteral("!\\(99\\)0000-0000;0;_"));
    QCredor->setEditMask(QStringLiteral("CNPJ"), QStringLiteral("!>AA.AAA.AAA/AAAA-00;0;_"));
    QCredor->setEditMask(QStringLiteral("CPF"), QStringLiteral("000.000.000-00;0;_"));
    QManutencao->setEditMask(QStringLiteral("CNPJ"), core::cnpjMask());
    QManutencao->setEditMask(QStringLiteral("INSCESTADUAL"), QStringLiteral("99.999.999-9;0;_"));
}

TDM::~TDM()
{
    closeAll();
}

QList<DataSet *> TDM::dataSets() const
{
    return findChildren<DataSet *>(QString(), Qt::FindDirectChildrenOnly);
}

void TDM::closeAll()
{
    for (DataSet *d : dataSets())
        d->close();
}

} // namespace data
