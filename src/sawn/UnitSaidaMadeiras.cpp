#include "UnitSaidaMadeiras.h"

#include "UnitSaidaMadeirasProdutos.h"

#include "core/Amount.h"
#include "core/Formats.h"
#include "core/LogVolume.h"
#include "core/TaxIdText.h"
#include "data/Transaction.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/FieldWidth.h"
#include "widgets/LookupCombo.h"
#include "widgets/MaskedFieldPair.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace widgets;

namespace {

const QString kLancamento = QStringLiteral("Lançamento");
const QString kInformacao = QStringLiteral("Informação");
const QString kNoNumber = QStringLiteral("000000");

void addPair(QGridLayout *grid, int row, int col, const QString &caption, QWidget *field, int span = 1)
{
    auto *label = new QLabel(caption);
    label->setBuddy(field);
    grid->addWidget(label, row, col);
    grid->addWidget(field, row, col + 1, 1, span);
}

void styleShown(QWidget *w, const char *color, bool pale)
{
    w->setStyleSheet(QStringLiteral("font-weight: bold; color: %1;%2")
                         .arg(QLatin1String(color), pale ? QStringLiteral(" background: #FFFFE1;") : QString()));
}

} // namespace

TfrmSaidaMadeiras::TfrmSaidaMadeiras(data::TDM *dm_, QWidget *parent)
    : MovementHeaderWindow(parent), dm(dm_), m_sale(dm_->IBDatabase1)
{
    setObjectName(QStringLiteral("TfrmSaidaMadeiras"));
    setWindowTitle(QStringLiteral("Saída"));
    setMovementWindowFlags(this);

    auto *layout = new QVBoxLayout(this);
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);
    PageControl1->addTab(buildEntryTab(), QStringLiteral("Lançamento"));
    PageControl1->addTab(buildSearchTab(), QStringLiteral("Pesquisa"));
    layout->addWidget(PageControl1);
    buildBar(layout);

    setLines(dm->TSaida_Discriminacao, QStringLiteral("NFNUMERO"), QStringLiteral("CODIGOFORNECEDOR"));
    setOwnedDataSets({dm->TSaida, dm->TSaida_Discriminacao, dm->TSaida1, dm->TSaida_Discriminacao1, dm->QCredor,
                      dm->QEssencia, dm->QMunicipio});
    setReturnButton(BitBtn3);
    setIdleState({{BitBtn4, BitBtn2, BitBtn1, BitBtn5, BitBtn6, BitBtn3},
                  {BitBtn12, BitBtn9, BitBtn10, BitBtn11},
                  {BitBtn13, BitBtn7}});
    setTotalsDisplay(quantidade, QStringLiteral("#0.000"), totalproduto, QStringLiteral("#0.00"));
    setLinesGrids(DBGrid2, DBGrid3);

    onEnter(nota, [this] { notaEnter(); });
    onExit(nota, [this] { notaExit(); });
    onEnter(data, [this] { dataEnter(); });
    onEnter(saida, [this] { saidaEnter(); });
    onExit(maskedit1, [this] { maskedit1Exit(); });
    onExit(MUNICIPIO_TRANSPORTADOR, [this] { MUNICIPIO_TRANSPORTADORExit(); });
    onExit(PESO_LIQUIDO, [this] { PESO_LIQUIDOExit(); });
    for (NumericEdit *e : {totalnota, bcicms})
        onEnter(e, [this, e] { takeProductsTotal(e); });
    onExit(aliqicms, [this] { aliqicmsExit(); });
    onExit(aliqfunrural, [this] { aliqfunruralExit(); });
    onExit(OUTRAS_DESPESAS, [this] { OUTRAS_DESPESASExit(); });
    onExit(DBGrid1, [this] { fornecedor1->setFocus(); });
    connect(nota1, &QSpinBox::textChanged, this, &TfrmSaidaMadeiras::nota1Changed);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_switchingTab)
            guarded(this, [&] { index == 1 ? TabPesquisaSelected() : TabLancamentoSelected(); });
    });
}

QWidget *TfrmSaidaMadeiras::buildEntryTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    data::DataSource *header = dm->DSSaida;

    auto *client = new QGroupBox(QStringLiteral("DADOS CLIENTE"));
    auto *sg = new QGridLayout(client);
    fornecedor = new DBEdit(header, QStringLiteral("RAZAO_SOCIAL"));
    fornecedor->setObjectName(QStringLiteral("fornecedor"));
    inscricao = new DBEdit(header, QStringLiteral("INSC_ESTADUAL"));
    inscricao->setObjectName(QStringLiteral("inscricao"));
    for (DBEdit *e : {fornecedor, inscricao}) {
        e->setEnabled(false);
        styleShown(e, "blue", true);
    }
    DBEdit1 = new DBEdit(header, QStringLiteral("CGC"));
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    DBEDIT6 = new DBEdit(header, QStringLiteral("CODIGOFORNECEDOR"));
    DBEDIT6->setObjectName(QStringLiteral("DBEDIT6"));
    DBEdit1->hide();
    DBEDIT6->hide();
    nota = new ZeroPadEdit(nullptr, 6);
    nota->setObjectName(QStringLiteral("nota"));
    nota->setDataSource(header);
    nota->setDataField(QStringLiteral("NF_NUMERO"));
    data = new DateEdit;
    data->setObjectName(QStringLiteral("data"));
    data->setDataSource(header);
    data->setDataField(QStringLiteral("DATA_EMISSAO"));
    saida = new DateEdit;
    saida->setObjectName(QStringLiteral("saida"));
    saida->setDataSource(header);
    saida->setDataField(QStringLiteral("DATA_SAIDA"));
    maskedit1 = new QLineEdit;
    maskedit1->setObjectName(QStringLiteral("maskedit1"));
    maskedit1->setMaxLength(5);
    hora = new DBEdit(header, QStringLiteral("HORA_SAIDA"));
    hora->setObjectName(QStringLiteral("hora"));
    hora->hide();
    new MaskedFieldPair(maskedit1, hora, QStringLiteral("99:99;0;_"), this);
    addPair(sg, 0, 0, QStringLiteral("Cliente"), fornecedor, 5);
    addPair(sg, 0, 7, QStringLiteral("Inscrição Estadual"), inscricao);
    addPair(sg, 1, 0, QStringLiteral("Nota Fiscal"), nota);
    addPair(sg, 1, 2, QStringLiteral("Data de Emissão"), data);
    addPair(sg, 1, 4, QStringLiteral("Data Saida"), saida);
    addPair(sg, 1, 7, QStringLiteral("Hora Saida"), maskedit1);
    sg->addWidget(DBEdit1, 2, 0);
    sg->addWidget(DBEDIT6, 2, 1);
    layout->addWidget(client);

    auto *carrier = new QGroupBox(QStringLiteral("TRANSPORTADOR/VOLUMES TRANSPORTADOS"));
    auto *cg = new QGridLayout(carrier);
    auto textEdit = [header](const QString &column) {
        auto *e = new DBEdit(header, column);
        e->setObjectName(column);
        e->setCharCase(CharCase::Upper);
        return e;
    };
    auto numberEdit = [header](const QString &name, const QString &column, int decimals) {
        return makeNumericEdit(name, header, column, decimals);
    };
    NOME_TRANSPORTADOR = textEdit(QStringLiteral("NOME_TRANSPORTADOR"));
    FRETE = new DBComboBox;
    FRETE->setObjectName(QStringLiteral("FRETE"));
    FRETE->addItems({QStringLiteral("DESTINATÁRIO"), QStringLiteral("EMITENTE")});
    FRETE->setCurrentIndex(-1);
    FRETE->setDataSource(header);
    FRETE->setDataField(QStringLiteral("FRETE"));
    PLACA = textEdit(QStringLiteral("PLACA"));
    PLACA_UF = new DBComboBox;
    PLACA_UF->setObjectName(QStringLiteral("PLACA_UF"));
    PLACA_UF->addItem(QStringLiteral(" "));
    PLACA_UF->addItems({"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA",
                        "PB", "PE", "PI", "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"});
    PLACA_UF->setCurrentIndex(-1);
    PLACA_UF->setDataSource(header);
    PLACA_UF->setDataField(QStringLiteral("PLACA_UF"));
    CNPJ_CPF = textEdit(QStringLiteral("CNPJ_CPF"));
    ENDERECO_TRANSPORTADOR = textEdit(QStringLiteral("ENDERECO_TRANSPORTADOR"));
    MUNICIPIO_TRANSPORTADOR = new DBLookupComboBox;
    MUNICIPIO_TRANSPORTADOR->setObjectName(QStringLiteral("MUNICIPIO_TRANSPORTADOR"));
    MUNICIPIO_TRANSPORTADOR->setListSource(dm->QMunicipio, QStringLiteral("NOM_MUNIC"), QStringLiteral("NOM_MUNIC"));
    MUNICIPIO_TRANSPORTADOR->setDataSource(header);
    MUNICIPIO_TRANSPORTADOR->setDataField(QStringLiteral("MUNICIPIO_TRANSPORTADOR"));
    UF_TRANSPORTADOR = textEdit(QStringLiteral("UF_TRANSPORTADOR"));
    UF_TRANSPORTADOR->setEnabled(false);
    IE_TRANSPORTADOR = textEdit(QStringLiteral("IE_TRANSPORTADOR"));
    ESPECIE = textEdit(QStringLiteral("ESPECIE"));
    MARCA = textEdit(QStringLiteral("MARCA"));
    NUMERO = numberEdit(QStringLiteral("NUMERO"), QStringLiteral("NUMERO"), 0);
    NUMERO->setZeroPadding(6);
    PESO_BRUTO = numberEdit(QStringLiteral("PESO_BRUTO"), QStringLiteral("PESO_BRUTO"), 2);
    PESO_LIQUIDO = numberEdit(QStringLiteral("PESO_LIQUIDO"), QStringLiteral("PESO_LIQUIDO"), 2);
    fitWidthTo(NOME_TRANSPORTADOR, QStringLiteral("TRANSPORTADORA RODOVIARIA DE CARGAS DO NORTE LTDA"));
    fitWidthTo(MUNICIPIO_TRANSPORTADOR, QStringLiteral("NOSSA SENHORA DO LIVRAMENTO"));
    addPair(cg, 0, 0, QStringLiteral("Transportador"), NOME_TRANSPORTADOR, 3);
    addPair(cg, 0, 4, QStringLiteral("Frete p/Conta"), FRETE);
    addPair(cg, 1, 0, QStringLiteral("Placa Veiculo"), PLACA);
    addPair(cg, 1, 2, QStringLiteral("UF"), PLACA_UF);
    addPair(cg, 1, 4, QStringLiteral("CNPJ/CPF"), CNPJ_CPF);
    addPair(cg, 2, 0, QStringLiteral("Endereço"), ENDERECO_TRANSPORTADOR, 3);
    addPair(cg, 2, 4, QStringLiteral("Município"), MUNICIPIO_TRANSPORTADOR);
    addPair(cg, 3, 0, QStringLiteral("UF"), UF_TRANSPORTADOR);
    addPair(cg, 3, 2, QStringLiteral("Inscrição Estadual"), IE_TRANSPORTADOR);
    addPair(cg, 3, 4, QStringLiteral("Espécie"), ESPECIE);
    addPair(cg, 4, 0, QStringLiteral("Marca"), MARCA);
    addPair(cg, 4, 2, QStringLiteral("Numero"), NUMERO);
    addPair(cg, 4, 4, QStringLiteral("Peso Bruto"), PESO_BRUTO);
    addPair(cg, 5, 4, QStringLiteral("Peso Liquido"), PESO_LIQUIDO);

    auto *products = new QGroupBox(QStringLiteral("DADOS DOS PRODUTOS"));
    auto *pl = new QHBoxLayout(products);
    auto linesGrid = [](const QString &name, const QString &code) {
        auto *g = new DBGrid;
        g->setObjectName(name);
        g->setColumns({{QStringLiteral("CODDISCRIMINACAO"), code, 52},
                       {QStringLiteral("ESSENCIA"), QStringLiteral("Essência"), 130},
                       {QStringLiteral("TOTALM3"), QStringLiteral("Quantidade"), 96},
                       {QStringLiteral("VALUNITARIO"), QStringLiteral("Val Unitário"), 82},
                       {QStringLiteral("VALTOTAL"), QStringLiteral("Val. Total"), 121}});
        g->setMinimumHeight(110);
        g->setFocusPolicy(Qt::ClickFocus);
        return g;
    };
    DBGrid2 = linesGrid(QStringLiteral("DBGrid2"), QStringLiteral("Cód Prod"));
    DBGrid2->setDataSource(dm->DSSaida_Discriminacao);
    DBGrid2->hide();
    DBGrid3 = linesGrid(QStringLiteral("DBGrid3"), QStringLiteral("Cód Lcto"));
    auto *grids = new QVBoxLayout;
    grids->addWidget(DBGrid2);
    grids->addWidget(DBGrid3);
    pl->addLayout(grids, 1);
    auto *lineButtons = new QVBoxLayout;
    BitBtn12 = lineButton(QStringLiteral("Incluir"), QStringLiteral("BitBtn12"), false);
    BitBtn9 = lineButton(QStringLiteral("Excluir"), QStringLiteral("BitBtn9"), false);
    BitBtn10 = lineButton(QStringLiteral("Proximo"), QStringLiteral("BitBtn10"), false);
    BitBtn11 = lineButton(QStringLiteral("Anterior"), QStringLiteral("BitBtn11"), false);
    for (QPushButton *b : {BitBtn12, BitBtn9, BitBtn10, BitBtn11})
        lineButtons->addWidget(b);
    lineButtons->addStretch();
    pl->addLayout(lineButtons);
    onClick(BitBtn12, [this] { BitBtn12Click(); });
    onClick(BitBtn9, [this] { deleteLine(); });
    onClick(BitBtn10, [this] { stepLines(&data::DataSet::next); });
    onClick(BitBtn11, [this] { stepLines(&data::DataSet::prior); });

    auto *middle = new QHBoxLayout;
    middle->addWidget(carrier, 3);
    middle->addWidget(products, 2);
    layout->addLayout(middle);

    auto *taxes = new QGroupBox(QStringLiteral("CÁLCULO DO IMPOSTO"));
    auto *tg = new QGridLayout(taxes);
    auto taxEdit = [&](const QString &name, const QString &column, int decimals) {
        return numberEdit(name, column, decimals);
    };
    quantidade = taxEdit(QStringLiteral("quantidade"), QStringLiteral("QUANTIDADE"), 4);
    totalproduto = taxEdit(QStringLiteral("totalproduto"), QStringLiteral("VALOR_TOTAL_PRODUTOS"), 2);
    totalnota = taxEdit(QStringLiteral("totalnota"), QStringLiteral("VALOR_TOTAL_NOTA"), 2);
    bcicms = taxEdit(QStringLiteral("bcicms"), QStringLiteral("BASE_CALCULO_ICMS"), 2);
    aliqicms = taxEdit(QStringLiteral("aliqicms"), QStringLiteral("ALIQ_ICMS"), 2);
    BASE_CALCULO_ICMS_SUBST = taxEdit(QStringLiteral("BASE_CALCULO_ICMS_SUBST"), QStringLiteral("BASE_CALCULO_ICMS_SUBST"), 2);
    bcfunrural = taxEdit(QStringLiteral("bcfunrural"), QStringLiteral("BASE_CALCULO_FUNRURAL"), 2);
    aliqfunrural = taxEdit(QStringLiteral("aliqfunrural"), QStringLiteral("ALIQ_FUNRURAL"), 1);
    VALOR_FRETE = taxEdit(QStringLiteral("VALOR_FRETE"), QStringLiteral("VALOR_FRETE"), 2);
    VALOR_SEGURO = taxEdit(QStringLiteral("VALOR_SEGURO"), QStringLiteral("VALOR_SEGURO"), 2);
    OUTRAS_DESPESAS = taxEdit(QStringLiteral("OUTRAS_DESPESAS"), QStringLiteral("OUTRAS_DESPESAS"), 2);
    valicms = taxEdit(QStringLiteral("valicms"), QStringLiteral("VALOR_ICMS"), 2);
    VALOR_ICMS_SUBST = taxEdit(QStringLiteral("VALOR_ICMS_SUBST"), QStringLiteral("VALOR_ICMS_SUBST"), 2);
    valfunrural = taxEdit(QStringLiteral("valfunrural"), QStringLiteral("VALOR_FUNRURAL"), 2);
    VALOR_IPI = taxEdit(QStringLiteral("VALOR_IPI"), QStringLiteral("VALOR_IPI"), 2);
    for (NumericEdit *e : {quantidade, totalproduto}) {
        styleShown(e, "blue", false);
        e->setFocusPolicy(Qt::ClickFocus);
    }
    for (NumericEdit *e : {valicms, VALOR_ICMS_SUBST, valfunrural, VALOR_IPI}) {
        styleShown(e, "red", false);
        e->setFocusPolicy(Qt::ClickFocus);
    }
    addPair(tg, 0, 0, QStringLiteral("Quantidade"), quantidade);
    addPair(tg, 0, 2, QStringLiteral("Val Total Produtos"), totalproduto);
    addPair(tg, 0, 4, QStringLiteral("Val Total da Nota"), totalnota);
    addPair(tg, 0, 6, QStringLiteral("B.C. ICMS"), bcicms);
    addPair(tg, 1, 0, QStringLiteral("Aliq ICMS"), aliqicms);
    addPair(tg, 1, 2, QStringLiteral("B.C. ICMS Sub."), BASE_CALCULO_ICMS_SUBST);
    addPair(tg, 1, 4, QStringLiteral("Base Fun Rural"), bcfunrural);
    addPair(tg, 1, 6, QStringLiteral("Aliq Fun Rural"), aliqfunrural);
    addPair(tg, 2, 0, QStringLiteral("Valor do Frete"), VALOR_FRETE);
    addPair(tg, 2, 2, QStringLiteral("Valor do Seguro"), VALOR_SEGURO);
    addPair(tg, 2, 4, QStringLiteral("Outras Despesas"), OUTRAS_DESPESAS);
    auto *heading = new QLabel(QStringLiteral("VALOR DO(S) IMPOSTO(S)"));
    heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
    tg->addWidget(heading, 3, 0, 1, 2);
    addPair(tg, 4, 0, QStringLiteral("Val do ICMS"), valicms);
    addPair(tg, 4, 2, QStringLiteral("Val ICMS Subst"), VALOR_ICMS_SUBST);
    addPair(tg, 4, 4, QStringLiteral("Val Fun Rural"), valfunrural);
    addPair(tg, 4, 6, QStringLiteral("Valor Total IPI"), VALOR_IPI);
    layout->addWidget(taxes);

    QWidget *order[] = {nota, data, saida, maskedit1, NOME_TRANSPORTADOR, FRETE, PLACA, PLACA_UF, CNPJ_CPF,
                        ENDERECO_TRANSPORTADOR, MUNICIPIO_TRANSPORTADOR, IE_TRANSPORTADOR, ESPECIE, MARCA,
                        NUMERO, PESO_BRUTO, PESO_LIQUIDO, totalnota, bcicms, aliqicms,
                        BASE_CALCULO_ICMS_SUBST, bcfunrural, aliqfunrural, VALOR_FRETE, VALOR_SEGURO,
                        OUTRAS_DESPESAS};
    for (size_t i = 1; i < sizeof(order) / sizeof(order[0]); ++i)
        setTabOrder(order[i - 1], order[i]);
    return page;
}

QWidget *TfrmSaidaMadeiras::buildSearchTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *box = new QGroupBox(QStringLiteral("Pesquisa Nota Fiscal"));
    auto *bg = new QGridLayout(box);
    fornecedor1 = new DBLookupComboBox;
    fornecedor1->setObjectName(QStringLiteral("fornecedor1"));
    fornecedor1->setListSource(dm->QCredor, QStringLiteral("NOMECREDOR"), QStringLiteral("NOMECREDOR"));
    fitWidthTo(fornecedor1, QStringLiteral("MADEIREIRA E SERRARIA NOSSA SENHORA APARECIDA LTDA"));
    nota1 = new QSpinBox;
    nota1->setObjectName(QStringLiteral("nota1"));
    // One digit more than allowed can be typed, so that it can be refused.
    nota1->setRange(0, 9999999);
    nota1->setAlignment(Qt::AlignCenter);
    BitBtn8 = new QPushButton(QStringLiteral("Pesquisar"));
    BitBtn8->setObjectName(QStringLiteral("BitBtn8"));
    BitBtn8->setAutoDefault(false);
    addPair(bg, 0, 0, QStringLiteral("Cliente (Digite o Nome do Cliente para agilizar a pesquisa.)"), fornecedor1);
    addPair(bg, 0, 2, QStringLiteral("Nota Fiscal"), nota1);
    bg->addWidget(BitBtn8, 0, 4);
    bg->setColumnStretch(1, 1);
    layout->addWidget(box);
    onClick(BitBtn8, [this] { BitBtn8Click(); });

    auto grid = [](const QString &name, data::DataSource *source, const QVector<DBGrid::Column> &columns) {
        auto *g = new DBGrid;
        g->setObjectName(name);
        g->setDataSource(source);
        g->setColumns(columns);
        return g;
    };
    DBGrid1 = grid(QStringLiteral("DBGrid1"), dm->DSaida1,
                   {{QStringLiteral("NF_NUMERO"), QStringLiteral("Nota Fiscal"), 90},
                    {QStringLiteral("DATA_EMISSAO"), QStringLiteral("Emissão"), 102, Qt::AlignCenter},
                    {QStringLiteral("DATA_SAIDA"), QStringLiteral("Saída"), 96, Qt::AlignCenter},
                    {QStringLiteral("HORA_SAIDA"), QStringLiteral("Hora"), 66, Qt::AlignCenter}});
    DBGrid6 = grid(QStringLiteral("DBGrid6"), dm->DSaida1,
                   {{QStringLiteral("RAZAO_SOCIAL"), QStringLiteral("Razão Social/Nome"), 320}});
    DBGrid5 = grid(QStringLiteral("DBGrid5"), dm->DSaida1,
                   {{QStringLiteral("QUANTIDADE"), QStringLiteral("Quantidade"), 85},
                    {QStringLiteral("VALOR_TOTAL_NOTA"), QStringLiteral("Valor Nota"), 90},
                    {QStringLiteral("VALOR_FUNRURAL"), QStringLiteral("Val. FunRural"), 90},
                    {QStringLiteral("VALOR_ICMS"), QStringLiteral("VAl. ICMS"), 85},
                    {QStringLiteral("VALOR_ICMS_SUBST"), QStringLiteral("Val.ICMS Subst."), 100}});
    DBGrid4 = grid(QStringLiteral("DBGrid4"), dm->DSaidaDiscriminacao1,
                   {{QStringLiteral("ESSENCIATIPO"), QStringLiteral("Produto"), 120},
                    {QStringLiteral("ESSENCIA"), QStringLiteral("Essência"), 120},
                    {QStringLiteral("COMPRIMENTO"), QStringLiteral("Comp"), 60},
                    {QStringLiteral("LARGURA"), QStringLiteral("Larg"), 60},
                    {QStringLiteral("EXPESSURA"), QStringLiteral("Exp"), 60},
                    {QStringLiteral("TOTALM3"), QStringLiteral("Quantidade"), 85},
                    {QStringLiteral("VALUNITARIO"), QStringLiteral("Val. Unitário"), 85},
                    {QStringLiteral("VALTOTAL"), QStringLiteral("Val. Total"), 85}});
    auto titled = [](const QString &title, QWidget *w) {
        auto *v = new QVBoxLayout;
        auto *l = new QLabel(title);
        l->setStyleSheet(QStringLiteral("font-weight: bold;"));
        v->addWidget(l);
        v->addWidget(w);
        return v;
    };
    auto *top = new QHBoxLayout;
    top->addLayout(titled(QStringLiteral("NOTA FISCAL"), DBGrid1), 1);
    top->addLayout(titled(QStringLiteral("CLIENTE"), DBGrid6), 1);
    layout->addLayout(top);
    layout->addLayout(titled(QStringLiteral("CÁLCULO DO IMPOSTO"), DBGrid5));
    layout->addLayout(titled(QStringLiteral("PRODUTOS"), DBGrid4));
    return page;
}

void TfrmSaidaMadeiras::buildBar(QLayout *layout)
{
    auto *bar = new QHBoxLayout;
    navigator(bar, dm->TSaida1, {QStringLiteral("Primeiro Cliente"), QStringLiteral("Cliente Anterior"),
                                 QStringLiteral("Proximo Cliente"), QStringLiteral("Ultimo Cliente")});
    BitBtn4 = barButton(QStringLiteral("&Incluir"), QStringLiteral("BitBtn4"), QStringLiteral("Incluir Cliente"));
    BitBtn5 = barButton(QStringLiteral("E&xcluir"), QStringLiteral("BitBtn5"), QStringLiteral("Excluir Cliente"));
    BitBtn6 = barButton(QStringLiteral("&Pesquisar"), QStringLiteral("BitBtn6"), QStringLiteral("Ir para Pesquisa"));
    BitBtn7 = barButton(QStringLiteral("Ca&dastro"), QStringLiteral("BitBtn7"), QStringLiteral("Ir para Cadastro"));
    BitBtn13 = barButton(QStringLiteral("&Confirma"), QStringLiteral("BitBtn13"));
    BitBtn2 = barButton(QStringLiteral("&Cancelar"), QStringLiteral("BitBtn2"), QStringLiteral("Cancelar Cadastro"));
    BitBtn1 = barButton(QStringLiteral("&Gravar"), QStringLiteral("BitBtn1"), QStringLiteral("Gravar Cadastro"));
    BitBtn3 = barButton(QStringLiteral("&Retornar"), QStringLiteral("BitBtn3"), QStringLiteral("Retornar ao Menu Principal"));
    bar->addStretch();
    for (QPushButton *b : {BitBtn4, BitBtn5, BitBtn6, BitBtn7, BitBtn13, BitBtn2, BitBtn1, BitBtn3})
        bar->addWidget(b);
    BitBtn13->hide();
    BitBtn7->hide();
    static_cast<QVBoxLayout *>(layout)->addLayout(bar);
    onClick(BitBtn4, [this] { BitBtn4Click(); });
    onClick(BitBtn1, [this] { BitBtn1Click(); });
    onClick(BitBtn2, [this] { BitBtn2Click(); });
    onClick(BitBtn3, [this] { BitBtn3Click(); });
    onClick(BitBtn5, [this] { BitBtn5Click(); });
    onClick(BitBtn6, [this] { BitBtn6Click(); });
    onClick(BitBtn7, [this] { BitBtn7Click(); });
    onClick(BitBtn13, [this] { BitBtn13Click(); });
}

// Shown and the header -------------------------------------------------------

void TfrmSaidaMadeiras::FormShow()
{
    dm->TSaida->close();
    m_linesKey = {};
    showPage(0);
    BitBtn7->hide();
    BitBtn6->show();
    NOME_TRANSPORTADOR->setFocus();
}

void TfrmSaidaMadeiras::showPage(int index)
{
    m_switchingTab = true;
    PageControl1->setCurrentIndex(index);
    m_switchingTab = false;
}

rules::InvoiceKey TfrmSaidaMadeiras::headerKey() const
{
    rules::InvoiceKey key;
    key.number = nota->value();
    if (dm->TSaida->isActive())
        key.supplier = dm->TSaida->value(QStringLiteral("CODIGOFORNECEDOR"));
    return key;
}

rules::InvoiceKey TfrmSaidaMadeiras::linesKey() const
{
    return m_linesKey.isValid() ? m_linesKey : headerKey();
}

SaleLineInvoice TfrmSaidaMadeiras::lineInvoice() const
{
    SaleLineInvoice f;
    const rules::InvoiceKey key = linesKey();
    f.number = key.number;
    f.client = key.supplier;
    if (dm->TSaida->isActive()) {
        f.clientName = dm->TSaida->asString(QStringLiteral("RAZAO_SOCIAL"));
        f.cpf = dm->TSaida->value(QStringLiteral("CGC"));
        f.inscricao = dm->TSaida->asString(QStringLiteral("INSC_ESTADUAL"));
    }
    f.emission = data->date();
    return f;
}

QString TfrmSaidaMadeiras::numberRefusal() const
{
    const rules::InvoiceKey key = headerKey();
    if (m_sale.numberTaken(key, m_linesKey))
        return QStringLiteral("Nota Fiscal %1 já lançada para este Cliente, Verifíque!").arg(nota->text());
    // The header table keeps each number once, whoever the client.
    if (m_sale.numberHeldByOtherClient(key))
        return QStringLiteral("Nota Fiscal %1 já lançada para outro Cliente, Verifíque!").arg(nota->text());
    return {};
}

void TfrmSaidaMadeiras::BitBtn4Click()
{
    if (!partiesExist(dm->QCredor, QStringLiteral("Não há Cliente(s) Cadastrado(s), Verifíque!"), QStringLiteral("Saída")))
        return;
    for (QPushButton *b : {BitBtn4, BitBtn3, BitBtn6, BitBtn5})
        b->setEnabled(false);
    dm->TSaida->open();
    dm->TSaida->append();
    m_linesKey = {};
    dm->QMunicipio->open();
    chooseClient();
}

// Closed without a choice the client stays as it was (empty on a new
// invoice, which the save then refuses).
void TfrmSaidaMadeiras::chooseClient()
{
    const std::optional<PickedRow> row = m_clientPicker.choose();
    if (!row)
        return;
    if (!row->isEmpty()) {
        writeInto(fornecedor, row->value(QStringLiteral("NOMECREDOR")));
        writeInto(inscricao, row->value(QStringLiteral("IE")));
        writeInto(DBEdit1, core::taxIdNumber(row->value(QStringLiteral("CNPJ"))));
        writeInto(DBEDIT6, row->value(QStringLiteral("CODIGOCREDOR")));
    }
    activateWindow();
    nota->setFocus();
}

void TfrmSaidaMadeiras::notaEnter()
{
    if (!fornecedor->text().isEmpty())
        BitBtn12->setEnabled(true);
    else
        setLineButtons(false, false);
}

void TfrmSaidaMadeiras::notaExit()
{
    if (!dm->TSaida->isEditing() || lineWindowBusy())
        return;
    restrictLines();
    if (lines()->isEmpty())
        return;
    showLinesGrid(true);
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn11})
        b->setEnabled(true);
    recalculateTotals();
}

void TfrmSaidaMadeiras::dataEnter()
{
    data->setDate(QDate::currentDate());
}

void TfrmSaidaMadeiras::saidaEnter()
{
    saida->setDate(data->date());
}

void TfrmSaidaMadeiras::maskedit1Exit()
{
    const QString digits = hora->text();
    if (digits.isEmpty() && !maskedit1->text().contains(QRegularExpression(QStringLiteral("[0-9]"))))
        return;
    if (digits.size() < 4) {
        error(QStringLiteral("Hora Informada Inválida, Verifique!"), kInformacao, this);
        maskedit1->setFocus();
        maskedit1->clear();
        if (dm->TSaida->isEditing())
            dm->TSaida->setValue(QStringLiteral("HORA_SAIDA"), QVariant());
    }
}

void TfrmSaidaMadeiras::MUNICIPIO_TRANSPORTADORExit()
{
    if (!dm->TSaida->isEditing())
        return;
    const QVariant uf = MUNICIPIO_TRANSPORTADOR->hasSelection()
                            ? MUNICIPIO_TRANSPORTADOR->listValue(QStringLiteral("SIG_UF")) : QVariant();
    dm->TSaida->setValue(QStringLiteral("UF_TRANSPORTADOR"), uf.toString());
}

void TfrmSaidaMadeiras::PESO_LIQUIDOExit()
{
    if (fornecedor->text().isEmpty())
        return;
    if (nota->text() == kNoNumber) {
        inform(QStringLiteral("Numero da Nota Fiscal deve ser informada!"), kLancamento, this);
        nota->setFocus();
        return;
    }
    if (ask(QStringLiteral("Deseja Inserir Produtos Agora?"), QStringLiteral("Confirmação"), this))
        BitBtn12Click();
    else
        totalnota->setFocus();
}

void TfrmSaidaMadeiras::takeProductsTotal(NumericEdit *edit)
{
    if (!dm->TSaida->isEditing())
        return;
    const double total = core::editValue(totalproduto->text());
    dm->TSaida->setValue(edit->link()->dataField(), total);
    edit->setValue(total);
}

void TfrmSaidaMadeiras::writeResult(NumericEdit *edit, const QString &column, double value)
{
    // Written as the general number text: the column keeps every digit.
    const QString text = core::generalNumber(value);
    if (dm->TSaida->isEditing())
        dm->TSaida->setValue(column, core::editValue(text));
    edit->setText(text);
}

void TfrmSaidaMadeiras::aliqicmsExit()
{
    writeResult(valicms, QStringLiteral("VALOR_ICMS"),
                core::percentOf(core::editValue(bcicms->text()), core::editValue(aliqicms->text())));
}

void TfrmSaidaMadeiras::aliqfunruralExit()
{
    writeResult(valfunrural, QStringLiteral("VALOR_FUNRURAL"),
                core::percentOf(core::editValue(bcfunrural->text()), core::editValue(aliqfunrural->text())));
}

void TfrmSaidaMadeiras::OUTRAS_DESPESASExit()
{
    if (!dm->TSaida->isEditing())
        return;
    restrictLines();
    if (lines()->isEmpty()) {
        error(QStringLiteral("Deve-se informar pelo menos 01(um) produto para esta Nota Fiscal!"), kInformacao, this);
        return;
    }
    BitBtn1Click();
}

// Lines ------------------------------------------------------------------------

void TfrmSaidaMadeiras::restrictLines()
{
    const rules::InvoiceKey key = linesKey();
    filterLines(key.number, key.supplier);
}

void TfrmSaidaMadeiras::setLineButtons(bool include, bool others)
{
    BitBtn12->setEnabled(include);
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn11})
        b->setEnabled(others);
}

void TfrmSaidaMadeiras::BitBtn12Click()
{
    if (lineWindowBusy() || !dm->TSaida->isEditing())
        return;
    // Lines need an invoice whose number is free for this client.
    if (nota->text() == kNoNumber) {
        inform(QStringLiteral("Numero da Nota Fiscal deve ser informada!"), kLancamento, this);
        nota->setFocus();
        return;
    }
    if (const QString refusal = numberRefusal(); !refusal.isEmpty()) {
        inform(refusal, kLancamento, this);
        nota->setFocus();
        return;
    }
    if (!m_linesKey.isValid())
        m_linesKey = headerKey();
    dm->QProduto->open();
    auto *w = lineWindow<TfrmSaidaMadeirasProdutos>(dm);
    w->startLine(lineInvoice());
    openLineWindow(w, w->CODIGOPRODUTO);
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn11})
        b->setEnabled(false);
}

void TfrmSaidaMadeiras::lineWindowClosed()
{
    if (!dm->TSaida->isActive())
        return;
    restrictLines();
    if (lines()->isEmpty())
        return;
    showLinesGrid(true);
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn11})
        b->setEnabled(true);
    recalculateTotals();
    activateWindow();
    totalnota->setFocus();
}

LineTotals TfrmSaidaMadeiras::lineTotals()
{
    const rules::InvoiceTotals totals = m_sale.totals(linesKey());
    return {totals.volume, totals.value, totals.lines};
}

void TfrmSaidaMadeiras::recalculateTotals()
{
    const LineTotals totals = lineTotals();
    // The header stores the totals as they are shown: 1,23456 m3 as 1,235.
    if (dm->TSaida->isEditing()) {
        dm->TSaida->setValue(QStringLiteral("VALOR_TOTAL_PRODUTOS"),
                             core::editValue(core::formatAmount(totals.value, QStringLiteral("#0.00"))));
        dm->TSaida->setValue(QStringLiteral("QUANTIDADE"),
                             core::editValue(core::formatAmount(totals.volume, QStringLiteral("#0.000"))));
    }
    showTotals(totals);
}

void TfrmSaidaMadeiras::linesChanged()
{
    restrictLines();
    const bool any = !lines()->isEmpty();
    showLinesGrid(any);
    if (!any)
        setLineButtons(BitBtn12->isEnabled(), false);
    recalculateTotals();
}

// Save, cancel, return -----------------------------------------------------------

void TfrmSaidaMadeiras::BitBtn1Click()
{
    // Not while one of its lines is still being typed.
    if (lineWindowBusy() || !dm->TSaida->isEditing())
        return;
    MovementSave save;
    save.checks = {
        {[this] { return fornecedor->text().isEmpty(); }, QStringLiteral("Fornecedor deve ser informado!"), nullptr},
        {[this] { return nota->text() == kNoNumber; }, QStringLiteral("Numero da Nota Fiscal deve ser informado!"), nota},
        {[this] { return !numberRefusal().isEmpty(); }, QString(), nota},
        {[this] { return !data->isValidDate(); }, QStringLiteral("Data de Emissão deve ser informada!"), data},
        {[this] { return !saida->isValidDate(); }, QStringLiteral("Data da Saida deve ser informada!"), saida},
        {[this] { return NOME_TRANSPORTADOR->text().trimmed().isEmpty(); },
         QStringLiteral("Transportador deve ser informado!"), NOME_TRANSPORTADOR},
        {[this] { return totalproduto->isZero(); }, QStringLiteral("Valor Total dos Produtos deve ser informado!"),
         totalproduto},
        {[this] { return totalnota->isZero(); }, QStringLiteral("Valor Total da Nota deve ser informada!"), totalnota},
    };
    save.checks[2].message = numberRefusal();
    // Without a client the picker is shown again.
    if (fornecedor->text().isEmpty()) {
        passChecks({save.checks.first()}, this);
        chooseClient();
        return;
    }
    save.confirmText = QStringLiteral("Confirma a Inclusão?");
    save.declined = [this] { nota->setFocus(); };
    save.post = [this] {
        // Lines saved before the number or client changed go with the
        // header: both or neither.
        data::Transaction work(dm->IBDatabase1);
        if (m_linesKey.isValid()) {
            const SaleLineInvoice f = lineInvoice();
            m_sale.moveLines(m_linesKey, headerKey(), {headerKey().supplier, f.clientName, f.cpf, f.inscricao});
        }
        dm->TSaida->post();
        work.commit();
        m_linesKey = {};
    };
    save.continueText = QStringLiteral("Continua Lançamento?");
    save.another = [this] {
        setLineButtons(false, false);
        dm->TSaida->append();
        showLinesGrid(false);
        lines()->close();
        chooseClient();
    };
    save.finished = [this] {
        closeOwnedDataSets();
        for (QPushButton *b : {BitBtn3, BitBtn4, BitBtn5, BitBtn6})
            b->setEnabled(true);
        closeWindow(QDialog::Accepted);
    };
    runMovementSave(this, save);
}

void TfrmSaidaMadeiras::BitBtn2Click()
{
    if (lineWindowBusy())
        return;
    if (lines()->isActive() && !lines()->isEmpty()) {
        error(QStringLiteral("Para cancelamento deste lançamento, exclua primeiro o(s) produto(s) informado(s)!"),
              kLancamento, this);
        BitBtn9->setFocus();
        return;
    }
    dm->TSaida->cancel();
    dm->TSaida->close();
    lines()->cancel();
    lines()->close();
    m_linesKey = {};
    dm->QCredor->close();
    dm->QMunicipio->close();
    for (QPushButton *b : {BitBtn4, BitBtn3, BitBtn5, BitBtn6})
        b->setEnabled(true);
    setLineButtons(false, false);
    NOME_TRANSPORTADOR->setFocus();
    data->clearDate();
    showLinesGrid(false);
}

void TfrmSaidaMadeiras::BitBtn3Click()
{
    nota1->setValue(0);
    dm->TSaida->cancel();
    lines()->cancel();
    m_linesKey = {};
    dm->TSaida_Discriminacao1->setMasterSource(nullptr, {});
    closeOwnedDataSets();
    for (QPushButton *b : {BitBtn4, BitBtn5, BitBtn6})
        b->setEnabled(true);
    showLinesGrid(false);
    closeWindow(QDialog::Rejected);
}

// Search and delete ---------------------------------------------------------------

void TfrmSaidaMadeiras::BitBtn5Click()
{
    dm->QSaida->open();
    const bool none = dm->QSaida->isEmpty();
    dm->QSaida->close();
    if (none) {
        inform(QStringLiteral("Não há Lançamento(s) para ser(em) Excluido(s)!"), QStringLiteral("Exclusão"), this);
        return;
    }
    showPage(1);
    TabPesquisaSelected();
    fornecedor1->setFocus();
}

void TfrmSaidaMadeiras::BitBtn6Click()
{
    dm->QSaida->open();
    const bool none = dm->QSaida->isEmpty();
    dm->QSaida->close();
    if (none) {
        inform(QStringLiteral("Não há Lançamento(s) para ser(em) pesquisado(s)!"), QStringLiteral("Pesquisa"), this);
        return;
    }
    showPage(1);
    TabPesquisaSelected();
    fornecedor1->setFocus();
}

void TfrmSaidaMadeiras::BitBtn7Click()
{
    showPage(0);
    TabLancamentoSelected();
}

void TfrmSaidaMadeiras::TabPesquisaSelected()
{
    nota1->setValue(0);
    BitBtn6->hide();
    BitBtn7->show();
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn4, BitBtn5})
        b->setEnabled(false);
    dm->QCredor->close();
    dm->QCredor->setSql(QStringLiteral("Select * from Credor Order by NOMECREDOR"));
    dm->QCredor->open();
    // The lines shown follow the invoice under the cursor: its number and client.
    dm->TSaida_Discriminacao1->setMasterSource(dm->TSaida1,
                                               {{QStringLiteral("NFNUMERO"), QStringLiteral("NF_NUMERO")},
                                                {QStringLiteral("CODIGOFORNECEDOR"), QStringLiteral("CODIGOFORNECEDOR")}});
}

void TfrmSaidaMadeiras::TabLancamentoSelected()
{
    BitBtn7->hide();
    BitBtn13->hide();
    BitBtn6->show();
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn4, BitBtn5})
        b->setEnabled(true);
    dm->TSaida1->close();
    dm->TSaida_Discriminacao1->close();
    dm->TSaida_Discriminacao1->setMasterSource(nullptr, {});
    NOME_TRANSPORTADOR->setFocus();
}

void TfrmSaidaMadeiras::nota1Changed(const QString &text)
{
    if (text.trimmed().size() > 6) {
        error(QStringLiteral("Quantidade de digitos informados excedeu o permitindo, Verifique!"), kInformacao, this);
        nota1->setFocus();
        // Cleared once the key that overflowed it has been taken in.
        QMetaObject::invokeMethod(nota1, [this] { nota1->setValue(0); nota1->selectAll(); }, Qt::QueuedConnection);
    }
}

void TfrmSaidaMadeiras::BitBtn8Click()
{
    if (!fornecedor1->hasSelection()) {
        inform(QStringLiteral("Fornecedor deve ser informado!"), kInformacao, this);
        fornecedor1->setFocus();
        return;
    }
    const QString client = fornecedor1->listText();
    auto *invoices = dm->TSaida1;
    invoices->close();
    if (nota1->value() > 0)
        invoices->setFilter(QStringLiteral("RAZAO_SOCIAL = :nome and NF_NUMERO = :nf"),
                            {{QStringLiteral("nome"), client}, {QStringLiteral("nf"), nota1->value()}});
    else
        invoices->setFilter(QStringLiteral("RAZAO_SOCIAL = :nome"), {{QStringLiteral("nome"), client}});
    invoices->setFiltered(true);
    invoices->setIndexFieldNames(QStringLiteral("NF_NUMERO"));
    invoices->open();
    BitBtn13->show();
    if (!invoices->isEmpty()) {
        dm->TSaida_Discriminacao1->open();
        return;
    }
    invoices->close();
    dm->TSaida_Discriminacao1->close();
    error(QStringLiteral("Não há Nota Fiscal para vizualizar com os critérios informados!"), kInformacao, this);
    fornecedor1->setFocus();
    BitBtn13->hide();
}

void TfrmSaidaMadeiras::BitBtn13Click()
{
    auto *invoices = dm->TSaida1;
    if (!invoices->isActive() || invoices->isEmpty()) {
        error(QStringLiteral("Não há Lançamento(s) para ser(em) excluído(s)!"), QStringLiteral("Pesquisa"), this);
        BitBtn3->setFocus();
        return;
    }
    if (!ask(QStringLiteral("Confirma Exclusão?"), QStringLiteral("Confirmação"), this))
        return;
    // The invoice and its lines (its number and client) go together.
    m_sale.remove(invoices->value(QStringLiteral("CODIGOSAIDA")));
    invoices->refresh();
    dm->TSaida_Discriminacao1->refresh();
    DBGrid1->setFocus();
}
