#pragma once

#include "Connection.h"
#include "Table.h"

#include <QObject>

namespace data {

// The data module: the one connection and every shared table, query and data
// source object, under the names the windows know them by. Windows receive it
// from the application and open what they need.
class TDM : public QObject
{
    Q_OBJECT
public:
    // A second data module in one process (a second workstation in the
    // server tests) needs a connection name of its own.
    explicit TDM(QObject *parent = nullptr, const QString &connectionName = QStringLiteral("IBDatabase1"));
    ~TDM() override;

    Connection *IBDatabase1;

    Table *TEssencia;
    Table *TFornecedor;
    Table *TCredor;
    Table *TMunicipio;
    Table *TProduto;
    Table *TSUBPRODUTOS;
    Table *TManutencao;
    Table *TLOGIN;
    Table *TEntrada;
    Table *TEntrada1;
    Table *TESERRADA;
    Table *TSERRADA1;
    Table *TSaida;
    Table *TSaida1;
    Table *TEntrada_discriminacao;
    Table *TEntradaDiscriminacao1;
    Table *TESDISCRIMINACAO;
    Table *TESDISCRIMINACAO1;
    Table *TSaida_Discriminacao;
    Table *TSaida_Discriminacao1;
    Table *TSAIDATOROSDISCRIMINACAO;
    Table *TPRODUCAO;
    Table *TROMANEIOSERRADA;
    Table *TROMANEIOTORO;

    Query *QEssencia;
    Query *QFornecedor;
    Query *QCredor;
    Query *QMunicipio;
    Query *QProduto;
    Query *QSUBPRODUTOS;
    Query *QManutencao;
    Query *QEntrada;
    Query *QESERRADA;
    Query *QSaida;
    Query *QEntrada_Discriminacao;
    Query *QSERRADA_DISCRIMINACAO;
    Query *QSaida_Discriminacao;
    Query *QSAIDATOROS;
    Query *QPRODUCAO;
    Query *QROMANEIOSERRADADISC;
    Query *QROMANEIOTORO;

    DataSource *DEssencia;
    DataSource *DFornecedor;
    DataSource *DCredor;
    DataSource *DMunicipio;
    DataSource *DProduto;
    DataSource *DSTSUBPRODUTOS;
    DataSource *DManutencao;
    DataSource *DLOGIN;
    DataSource *DSEntrada;
    DataSource *DSEntrada1;
    DataSource *DESERRADA;
    DataSource *DSSERRADA1;
    DataSource *DSSaida;
    DataSource *DSaida1;
    DataSource *DSEntrada_Discriminacao;
    DataSource *DSEntradaDiscriminacao1;
    DataSource *DESDISCRIMINACAO;
    DataSource *DESDISCRIMINACAO1;
    DataSource *DSSaida_Discriminacao;
    DataSource *DSaidaDiscriminacao1;
    DataSource *DS_SAIDATOROSDISCRIMINACAO;
    DataSource *DPRODUCAO;
    DataSource *DS_ROMANEIOSERRADA;
    DataSource *DS_ROMANEIOTORO;
    DataSource *DQEssencia;
    DataSource *DQFornecedor;
    DataSource *DQCredor;
    DataSource *DQMunicipio;
    DataSource *DQProduto;
    DataSource *DSQSUBPRODUTOS;
    DataSource *DQManutencao;
    DataSource *DSQEntrada;
    DataSource *DQESERRADA;
    DataSource *DSQSaida;
    DataSource *DSQEntrada_Discriminacao;
    DataSource *DQSERRADA_DISCRIMINACAO;
    DataSource *DQSAIDA_DISCRIMINACAO;
    DataSource *DSQ_SAIDATOROS;
    DataSource *DQPRODUCAO;
    DataSource *DS_QROMANEIOSERRADODISC;
    DataSource *DSQ_ROMANEIOTORO;

    // Every table and query object, for closing them all at once.
    QList<DataSet *> dataSets() const;
    void closeAll();
};

} // namespace data
