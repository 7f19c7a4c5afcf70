#include "UnitEntradaToros.h"

#include "UnitEntradaTorosProdutos.h"
#include "UnitEtiquetas.h"

#include "core/Amount.h"
#include "core/Formats.h"
#include "core/LogVolume.h"
#include "data/Transaction.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/FieldWidth.h"
#include "widgets/LookupCombo.h"
#include "widgets/MaskedFieldPair.h"
#include "widgets/MovementWindow.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"
#include "widgets/WindowRegistry.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShowEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace widgets;

namespace {

const QString kLancamento = QStringLiteral("Lançamento");

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

TfrmEntradaToros::TfrmEntradaToros(data::TDM *dm_, QWidget *parent)
    : MovementHeaderWindow(parent), nfeIntake(dm_->IBDatabase1), dm(dm_), m_invoices(dm_->IBDatabase1)
{
    setObjectName(QStringLiteral("TfrmEntradaToros"));
    setWindowTitle(QStringLiteral("Entrada/Toros"));
    setMovementWindowFlags(this);
    buildUi();
    setLines(dm->TEntrada_discriminacao, QStringLiteral("NFNUMERO"), QStringLiteral("CODIGOFORNECEDOR"));
    setOwnedDataSets({dm->TEntrada, dm->TEntrada_discriminacao, dm->TEntrada1, dm->TEntradaDiscriminacao1,
                      dm->QFornecedor, dm->QEssencia, dm->QMunicipio});
    setReturnButton(BitBtn3);
    setIdleState({{BitBtn4, BitBtn2, BitBtn1, BitBtn5, BitBtn6, BitBtn3},
                  {BitBtn12, BitBtn9, BitBtn10, BitBtn11},
                  {BitBtn13, BitBtn7}});
    setTotalsDisplay(quantidade, QStringLiteral("#0.000"), totalproduto, QStringLiteral("#0.00"));
    setLinesGrids(DBGrid2, DBGrid3);
}

QWidget *TfrmEntradaToros::buildEntryTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);

    // DADOS FORNECEDOR
    auto *supplier = new QGroupBox(QStringLiteral("DADOS FORNECEDOR"));
    auto *sg = new QGridLayout(supplier);
    fornecedor = new DBEdit(dm->DSEntrada, QStringLiteral("RAZAO_SOCIAL"));
    fornecedor->setObjectName(QStringLiteral("fornecedor"));
    inscricao = new DBEdit(dm->DSEntrada, QStringLiteral("INSC_ESTADUAL"));
    inscricao->setObjectName(QStringLiteral("inscricao"));
    for (DBEdit *e : {fornecedor, inscricao}) {
        e->setEnabled(false);
        styleShown(e, "blue", true);
    }
    DBEDIT6 = new DBEdit(dm->DSEntrada, QStringLiteral("CODIGOFORNECEDOR"));
    DBEDIT6->setObjectName(QStringLiteral("DBEDIT6"));
    DBEdit1 = new DBEdit(dm->DSEntrada, QStringLiteral("CGC"));
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    DBEDIT6->hide();
    DBEdit1->hide();
    nota = new ZeroPadEdit(nullptr, 6);
    nota->setObjectName(QStringLiteral("nota"));
    nota->setDataSource(dm->DSEntrada);
    nota->setDataField(QStringLiteral("NF_NUMERO"));
    data = new DateEdit;
    data->setObjectName(QStringLiteral("data"));
    data->setDataSource(dm->DSEntrada);
    data->setDataField(QStringLiteral("DATA_EMISSAO"));
    saida = new DateEdit;
    saida->setObjectName(QStringLiteral("saida"));
    saida->setDataSource(dm->DSEntrada);
    saida->setDataField(QStringLiteral("DATA_SAIDA"));
    maskedit1 = new QLineEdit;
    maskedit1->setObjectName(QStringLiteral("maskedit1"));
    maskedit1->setMaxLength(5);
    hora = new DBEdit(dm->DSEntrada, QStringLiteral("HORA_SAIDA"));
    hora->setObjectName(QStringLiteral("hora"));
    hora->hide();
    new MaskedFieldPair(maskedit1, hora, QStringLiteral("99:99;0;_"), this);
    addPair(sg, 0, 0, QStringLiteral("Fornecedor"), fornecedor, 5);
    addPair(sg, 0, 7, QStringLiteral("Inscrição Estadual"), inscricao);
    addPair(sg, 1, 0, QStringLiteral("Nota Fiscal"), nota);
    addPair(sg, 1, 2, QStringLiteral("Data de Emissão"), data);
    addPair(sg, 1, 4, QStringLiteral("Data Saida"), saida);
    addPair(sg, 1, 7, QStringLiteral("Hora Saida"), maskedit1);
    sg->addWidget(DBEDIT6, 2, 0);
    sg->addWidget(DBEdit1, 2, 1);
    layout->addWidget(supplier);

    // TRANSPORTADOR/VOLUMES TRANSPORTADOS
    auto *carrier = new QGroupBox(QStringLiteral("TRANSPORTADOR/VOLUMES TRANSPORTADOS"));
    auto *cg = new QGridLayout(carrier);
    auto textEdit = [this](const QString &column) {
        auto *e = new DBEdit(dm->DSEntrada, column);
        e->setObjectName(column);
        e->setCharCase(CharCase::Upper);
        return e;
    };
    auto numberEdit = [this](const QString &column, int decimals) {
        auto *e = new NumericEdit(nullptr, decimals);
        e->setObjectName(column);
        e->setDataSource(dm->DSEntrada);
        e->setDataField(column);
        return e;
    };
    NOME_TRANSPORTADOR = textEdit(QStringLiteral("NOME_TRANSPORTADOR"));
    FRETE = new DBComboBox;
    FRETE->setObjectName(QStringLiteral("FRETE"));
    FRETE->addItems({QStringLiteral("DESTINATÁRIO"), QStringLiteral("EMITENTE")});
    FRETE->setCurrentIndex(-1);
    FRETE->setDataSource(dm->DSEntrada);
    FRETE->setDataField(QStringLiteral("FRETE"));
    PLACA = textEdit(QStringLiteral("PLACA"));
    PLACA_UF = new DBComboBox;
    PLACA_UF->setObjectName(QStringLiteral("PLACA_UF"));
    PLACA_UF->addItem(QStringLiteral(" "));
    PLACA_UF->addItems({"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA",
                        "PB", "PE", "PI", "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"});
    PLACA_UF->setCurrentIndex(-1);
    PLACA_UF->setDataSource(dm->DSEntrada);
    PLACA_UF->setDataField(QStringLiteral("PLACA_UF"));
    CNPJ_CPF = textEdit(QStringLiteral("CNPJ_CPF"));
    ENDERECO_TRANSPORTADOR = textEdit(QStringLiteral("ENDERECO_TRANSPORTADOR"));
    MUNICIPIO_TRANSPORTADOR = new DBLookupComboBox;
    MUNICIPIO_TRANSPORTADOR->setObjectName(QStringLiteral("MUNICIPIO_TRANSPORTADOR"));
    MUNICIPIO_TRANSPORTADOR->setListSource(dm->QMunicipio, QStringLiteral("NOM_MUNIC"), QStringLiteral("NOM_MUNIC"));
    MUNICIPIO_TRANSPORTADOR->setDataSource(dm->DSEntrada);
    MUNICIPIO_TRANSPORTADOR->setDataField(QStringLiteral("MUNICIPIO_TRANSPORTADOR"));
    UF_TRANSPORTADOR = textEdit(QStringLiteral("UF_TRANSPORTADOR"));
    UF_TRANSPORTADOR->setEnabled(false);
    IE_TRANSPORTADOR = textEdit(QStringLiteral("IE_TRANSPORTADOR"));
    ESPECIE = textEdit(QStringLiteral("ESPECIE"));
    MARCA = textEdit(QStringLiteral("MARCA"));
    NUMERO = numberEdit(QStringLiteral("NUMERO"), 0);
    PESO_BRUTO = numberEdit(QStringLiteral("PESO_BRUTO"), 2);
    PESO_LIQUIDO = numberEdit(QStringLiteral("PESO_LIQUIDO"), 2);
    // Wide enough for the longest value of each column, even on a small screen.
    const QString registration = QStringLiteral("000.000.000.000");
    const QList<QPair<QWidget *, QString>> longest = {
        {inscricao, registration},
        {NOME_TRANSPORTADOR, QStringLiteral("TRANSPORTADORA RODOVIARIA DE CARGAS DO NORTE LTDA")},
        {PLACA, QStringLiteral("QBX-1A23")},
        {CNPJ_CPF, QStringLiteral("00.000.000/0000-00")},
        {ENDERECO_TRANSPORTADOR, QStringLiteral("AVENIDA PRESIDENTE GETULIO VARGAS, 1234")},
        {MUNICIPIO_TRANSPORTADOR, QStringLiteral("NOSSA SENHORA DO LIVRAMENTO")},
        {IE_TRANSPORTADOR, registration},
        {ESPECIE, QStringLiteral("MADEIRA EM TORO ROLO")},
        {MARCA, QStringLiteral("SERRARIA SANTA MARIA")},
        {NUMERO, QStringLiteral("9.999.999")},
        {PESO_BRUTO, QStringLiteral("9.999.999,99")},
        {PESO_LIQUIDO, QStringLiteral("9.999.999,99")}};
    for (const auto &field : longest)
        fitWidthTo(field.first, field.second);
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

    // DADOS DOS PRODUTOS
    auto *products = new QGroupBox(QStringLiteral("DADOS DOS PRODUTOS"));
    auto *pl = new QHBoxLayout(products);
    const QVector<DBGrid::Column> lineColumns = {
        {QStringLiteral("CODIGOPRODUTO"), QStringLiteral("Plaqueta"), 70},
        {QStringLiteral("ESSENCIA"), QStringLiteral("Essência"), 130},
        {QStringLiteral("QUANTIDADE"), QStringLiteral("Quantidade"), 80},
        {QStringLiteral("VALUNITARIO"), QStringLiteral("Val Unitário"), 80},
        {QStringLiteral("VALTOTAL"), QStringLiteral("Val. Total"), 80}};
    DBGrid2 = new DBGrid;
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DBGrid2->setDataSource(dm->DSEntrada_Discriminacao);
    DBGrid2->setColumns(lineColumns);
    DBGrid2->hide();
    DBGrid3 = new DBGrid;
    DBGrid3->setObjectName(QStringLiteral("DBGrid3"));
    DBGrid3->setColumns(lineColumns);
    for (DBGrid *g : {DBGrid2, DBGrid3}) {
        g->setMinimumHeight(110);
        g->setMinimumWidth(330); // plate, species and most of the amounts
        g->setFocusPolicy(Qt::ClickFocus);
    }
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

    auto *middle = new QHBoxLayout;
    middle->addWidget(carrier, 3);
    middle->addWidget(products, 2);
    layout->addLayout(middle);

    // CÁLCULO DO IMPOSTO
    auto *taxes = new QGroupBox(QStringLiteral("CÁLCULO DO IMPOSTO"));
    auto *tg = new QGridLayout(taxes);
    auto taxEdit = [&](const QString &name, const QString &column, int decimals) {
        auto *e = numberEdit(column, decimals);
        e->setObjectName(name);
        return e;
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

    // Tab order: "Nota Fiscal" first, then the header as written.
    QWidget *order[] = {nota, data, saida, maskedit1, NOME_TRANSPORTADOR, FRETE, PLACA, PLACA_UF, CNPJ_CPF,
                        ENDERECO_TRANSPORTADOR, MUNICIPIO_TRANSPORTADOR, IE_TRANSPORTADOR, ESPECIE, MARCA,
                        NUMERO, PESO_BRUTO, PESO_LIQUIDO, totalnota, bcicms, aliqicms,
                        BASE_CALCULO_ICMS_SUBST, bcfunrural, aliqfunrural, VALOR_FRETE, VALOR_SEGURO,
                        OUTRAS_DESPESAS};
    for (size_t i = 1; i < sizeof(order) / sizeof(order[0]); ++i)
        setTabOrder(order[i - 1], order[i]);
    return page;
}

QWidget *TfrmEntradaToros::buildSearchTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *box = new QGroupBox(QStringLiteral("Pesquisa Nota Fiscal"));
    auto *bg = new QGridLayout(box);
    nota1 = new QSpinBox;
    nota1->setObjectName(QStringLiteral("nota1"));
    // One digit more than allowed can be typed, so that it can be refused.
    nota1->setRange(0, 9999999);
    nota1->setAlignment(Qt::AlignCenter);
    fornecedor1 = new DBLookupComboBox;
    fornecedor1->setObjectName(QStringLiteral("fornecedor1"));
    fornecedor1->setListSource(dm->QFornecedor, QStringLiteral("NOMEFORNECEDOR"), QStringLiteral("NOMEFORNECEDOR"));
    BitBtn8 = new QPushButton(QStringLiteral("Pesquisar"));
    BitBtn8->setObjectName(QStringLiteral("BitBtn8"));
    addPair(bg, 0, 0, QStringLiteral("Nota Fiscal"), nota1);
    fitWidthTo(fornecedor1, QStringLiteral("MADEIREIRA E SERRARIA NOSSA SENHORA APARECIDA LTDA"));
    addPair(bg, 0, 2, QStringLiteral("Fornecedor (Digite o Nome do Fornecedor para agilizar a pesquisa.)"), fornecedor1);
    bg->addWidget(BitBtn8, 0, 4);
    BitBtnEtiquetas = new QPushButton(QStringLiteral("Etiquetas"));
    BitBtnEtiquetas->setObjectName(QStringLiteral("BitBtnEtiquetas"));
    bg->addWidget(BitBtnEtiquetas, 0, 5);
    bg->setColumnStretch(3, 1);
    layout->addWidget(box);

    auto grid = [](const QString &name, data::DataSource *source, const QVector<DBGrid::Column> &columns) {
        auto *g = new DBGrid;
        g->setObjectName(name);
        g->setDataSource(source);
        g->setColumns(columns);
        return g;
    };
    DBGrid1 = grid(QStringLiteral("DBGrid1"), dm->DSEntrada1,
                   {{QStringLiteral("NF_NUMERO"), QStringLiteral("Nota Fiscal"), 80, {}, true, Qt::red},
                    {QStringLiteral("DATA_EMISSAO"), QStringLiteral("Emissão"), 85},
                    {QStringLiteral("DATA_SAIDA"), QStringLiteral("Saída"), 85},
                    {QStringLiteral("HORA_SAIDA"), QStringLiteral("Hora"), 55}});
    DBGrid6 = grid(QStringLiteral("DBGrid6"), dm->DSEntrada1,
                   {{QStringLiteral("RAZAO_SOCIAL"), QStringLiteral("Razão Social/Nome"), 320}});
    DBGrid4 = grid(QStringLiteral("DBGrid4"), dm->DSEntradaDiscriminacao1,
                   {{QStringLiteral("CODIGOPRODUTO"), QStringLiteral("Cód Produto"), 80},
                    {QStringLiteral("ESSENCIA"), QStringLiteral("Discriminação"), 160},
                    {QStringLiteral("SITUACAO_TRIBUTARIA"), QStringLiteral("Sit. Tributária"), 90},
                    {QStringLiteral("UNIDADE"), QStringLiteral("Unidade"), 60},
                    {QStringLiteral("QUANTIDADE"), QStringLiteral("Quantidade"), 80},
                    {QStringLiteral("VALUNITARIO"), QStringLiteral("Val. Unitário"), 85},
                    {QStringLiteral("VALTOTAL"), QStringLiteral("Val. Total"), 85},
                    {QStringLiteral("ALIQICMS"), QStringLiteral("Aliq. ICMS"), 75}});
    DBGrid5 = grid(QStringLiteral("DBGrid5"), dm->DSEntrada1,
                   {{QStringLiteral("QUANTIDADE"), QStringLiteral("Quantidade"), 85},
                    {QStringLiteral("VALOR_TOTAL_NOTA"), QStringLiteral("Val. Nota"), 90},
                    {QStringLiteral("VALOR_FUNRURAL"), QStringLiteral("Val. FunRural"), 90},
                    {QStringLiteral("VALOR_ICMS"), QStringLiteral("VAl. ICMS"), 85},
                    {QStringLiteral("VALOR_ICMS_SUBST"), QStringLiteral("Val.ICMS Subst."), 100}});
    DBGrid5->setStyleSheet(QStringLiteral("QTableView { font-weight: bold; color: red; }"));
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
    top->addLayout(titled(QStringLiteral("FORNECEDOR"), DBGrid6), 1);
    layout->addLayout(top);
    layout->addLayout(titled(QStringLiteral("PRODUTOS"), DBGrid4));
    layout->addLayout(titled(QStringLiteral("CÁLCULO DO IMPOSTO"), DBGrid5));
    DBEdit2 = new DBEdit(dm->DSEntrada1, QStringLiteral("NF_NUMERO"));
    DBEdit2->setObjectName(QStringLiteral("DBEdit2"));
    DBEdit2->hide();
    layout->addWidget(DBEdit2);
    return page;
}

void TfrmEntradaToros::buildUi()
{
    auto *layout = new QVBoxLayout(this);
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);
    PageControl1->addTab(buildEntryTab(), QStringLiteral("Lançamento"));
    PageControl1->addTab(buildSearchTab(), QStringLiteral("Pesquisa"));
    layout->addWidget(PageControl1);

    auto *bar = new QHBoxLayout;
    const QVector<QPushButton *> nav = navigator(bar, dm->TEntrada1);
    NavFirst = nav[0];
    NavPrior = nav[1];
    NavNext = nav[2];
    NavLast = nav[3];
    BitBtn4 = barButton(QStringLiteral("&Incluir"), QStringLiteral("BitBtn4"));
    BitBtn2 = barButton(QStringLiteral("&Cancelar"), QStringLiteral("BitBtn2"), QStringLiteral("Cancelar Cadastro"));
    BitBtn1 = barButton(QStringLiteral("&Gravar"), QStringLiteral("BitBtn1"), QStringLiteral("Gravar Cadastro"));
    BitBtn5 = barButton(QStringLiteral("E&xcluir"), QStringLiteral("BitBtn5"));
    BitBtn13 = barButton(QStringLiteral("&Confirma"), QStringLiteral("BitBtn13"));
    BitBtn6 = barButton(QStringLiteral("&Pesquisar"), QStringLiteral("BitBtn6"), QStringLiteral("Ir para Pesquisa"));
    BitBtn7 = barButton(QStringLiteral("Ca&dastro"), QStringLiteral("BitBtn7"), QStringLiteral("Ir para Cadastro"));
    BitBtn3 = barButton(QStringLiteral("&Retornar"), QStringLiteral("BitBtn3"), QStringLiteral("Retornar ao Menu Principal"));
    bar->addStretch();
    for (QPushButton *b : {BitBtn4, BitBtn2, BitBtn1, BitBtn5, BitBtn13, BitBtn6, BitBtn7, BitBtn3})
        bar->addWidget(b);
    ImportarNFe = barButton(QStringLiteral("Importar NF-e"), QStringLiteral("ImportarNFe"));
    bar->insertWidget(bar->indexOf(BitBtn4) + 1, ImportarNFe);
    BitBtn13->hide();
    BitBtn7->hide();
    layout->addLayout(bar);

    auto click = [this](QPushButton *b, void (TfrmEntradaToros::*handler)()) {
        onClick(b, [this, handler] { (this->*handler)(); });
    };
    click(BitBtn4, &TfrmEntradaToros::BitBtn4Click);
    click(BitBtn1, &TfrmEntradaToros::BitBtn1Click);
    click(BitBtn2, &TfrmEntradaToros::BitBtn2Click);
    click(BitBtn3, &TfrmEntradaToros::BitBtn3Click);
    click(BitBtn5, &TfrmEntradaToros::BitBtn5Click);
    click(BitBtn6, &TfrmEntradaToros::BitBtn6Click);
    click(BitBtn7, &TfrmEntradaToros::BitBtn7Click);
    click(BitBtn8, &TfrmEntradaToros::BitBtn8Click);
    click(BitBtn9, &TfrmEntradaToros::BitBtn9Click);
    click(BitBtn10, &TfrmEntradaToros::BitBtn10Click);
    click(BitBtn11, &TfrmEntradaToros::BitBtn11Click);
    click(BitBtn12, &TfrmEntradaToros::BitBtn12Click);
    click(BitBtn13, &TfrmEntradaToros::BitBtn13Click);
    click(ImportarNFe, &TfrmEntradaToros::ImportarNFeClick);
    click(BitBtnEtiquetas, &TfrmEntradaToros::BitBtnEtiquetasClick);

    onEnter(nota, [this] { notaEnter(); });
    onEnter(data, [this] { dataEnter(); });
    onEnter(saida, [this] { saidaEnter(); });
    onExit(maskedit1, [this] { maskedit1Exit(); });
    onExit(MUNICIPIO_TRANSPORTADOR, [this] { MUNICIPIO_TRANSPORTADORExit(); });
    onExit(PESO_LIQUIDO, [this] { PESO_LIQUIDOExit(); });
    for (NumericEdit *e : {totalnota, bcicms, bcfunrural})
        onEnter(e, [this, e] { takeProductsTotal(e); });
    onExit(aliqicms, [this] { aliqicmsExit(); });
    onExit(aliqfunrural, [this] { aliqfunruralExit(); });
    onExit(OUTRAS_DESPESAS, [this] { OUTRAS_DESPESASExit(); });
    connect(nota1, &QSpinBox::textChanged, this, &TfrmEntradaToros::nota1Changed);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_switchingTab)
            return;
        guarded(this, [&] { index == 1 ? TabPesquisaSelected() : TabLancamentoSelected(); });
    });
}

// Shown -------------------------------------------------------------------

void TfrmEntradaToros::FormShow()
{
    dm->TEntrada->close();
    m_switchingTab = true;
    PageControl1->setCurrentIndex(0);
    m_switchingTab = false;
    BitBtn7->hide();
    BitBtn6->show();
    NOME_TRANSPORTADOR->setFocus();
}

// Header -------------------------------------------------------------------

TfrmEntradaToros::InvoiceFields TfrmEntradaToros::invoiceFields() const
{
    InvoiceFields f;
    if (dm->TEntrada->isActive()) {
        f.codigoFornecedor = dm->TEntrada->value(QStringLiteral("CODIGOFORNECEDOR"));
        f.fornecedor = dm->TEntrada->asString(QStringLiteral("RAZAO_SOCIAL"));
        f.cpf = dm->TEntrada->value(QStringLiteral("CGC"));
        f.inscricao = dm->TEntrada->asString(QStringLiteral("INSC_ESTADUAL"));
    }
    f.nota = nota->text();
    f.nfNumero = nota->value();
    f.dataEmissao = data->text();
    // New lines join the ones already saved for this header.
    if (m_linesKey.isValid()) {
        f.nfNumero = m_linesKey.number;
        f.codigoFornecedor = m_linesKey.supplier;
    }
    return f;
}

rules::InvoiceKey TfrmEntradaToros::headerKey() const
{
    rules::InvoiceKey key;
    key.number = nota->value();
    if (dm->TEntrada->isActive())
        key.supplier = dm->TEntrada->value(QStringLiteral("CODIGOFORNECEDOR"));
    return key;
}

rules::InvoiceKey TfrmEntradaToros::linesKey() const
{
    return m_linesKey.isValid() ? m_linesKey : headerKey();
}

QString TfrmEntradaToros::data_text() const
{
    return data->text();
}

void TfrmEntradaToros::BitBtn4Click()
{
    if (!partiesExist(dm->QFornecedor, QStringLiteral("Não há Fornecedor(es) Cadastrado(s), Verifíque!"),
                      QStringLiteral("Entrada")))
        return;
    for (QPushButton *b : {BitBtn4, BitBtn3, BitBtn6, BitBtn5})
        b->setEnabled(false);
    dm->TEntrada->open();
    dm->TEntrada->append();
    m_linesKey = {};
    dm->QMunicipio->open();
    chooseSupplier();
}

// A new invoice filled from the supplier's NF-e instead of the picker.
void TfrmEntradaToros::ImportarNFeClick()
{
    nfeIntake.start(dm->TEntrada, [this] {
        for (QPushButton *b : {BitBtn4, BitBtn3, BitBtn6, BitBtn5, ImportarNFe})
            b->setEnabled(false);
        dm->TEntrada->open();
        dm->TEntrada->append();
        m_linesKey = {};
        dm->QMunicipio->open();
    }, this);
    nota->setFocus();
}

// The supplier's CPF goes into the invoice's CGC; closed without a choice,
// the header stays as it was.
void TfrmEntradaToros::chooseSupplier()
{
    const std::optional<PickedRow> row = m_supplierPicker.choose();
    if (!row)
        return;
    if (!row->isEmpty()) {
        writeInto(fornecedor, row->value(QStringLiteral("NOMEFORNECEDOR")));
        writeInto(DBEdit1, row->value(QStringLiteral("CPF")));
        writeInto(inscricao, row->value(QStringLiteral("INSCESTADUAL")));
        writeInto(DBEDIT6, row->value(QStringLiteral("CODIGOFORNECEDOR")));
    }
    nota->setFocus();
}

void TfrmEntradaToros::notaEnter()
{
    if (!fornecedor->text().isEmpty())
        BitBtn12->setEnabled(true);
    else
        setLineButtons(false, false);
}

void TfrmEntradaToros::dataEnter()
{
    data->setDate(QDate::currentDate());
}

void TfrmEntradaToros::saidaEnter()
{
    saida->setText(data->text());
    saida->setDate(saida->date());
}

void TfrmEntradaToros::maskedit1Exit()
{
    const QString digits = hora->text();
    if (!digits.isEmpty() || maskedit1->text().contains(QRegularExpression(QStringLiteral("[0-9]")))) {
        if (digits.size() < 4) {
            error(QStringLiteral("Hora Informada Inválida, Verifique!"), QStringLiteral("Informação"), this);
            maskedit1->setFocus();
            maskedit1->clear();
            if (dm->TEntrada->isEditing())
                dm->TEntrada->setValue(QStringLiteral("HORA_SAIDA"), QVariant());
        }
    }
}

void TfrmEntradaToros::MUNICIPIO_TRANSPORTADORExit()
{
    if (!dm->TEntrada->isEditing())
        return;
    const QVariant uf = MUNICIPIO_TRANSPORTADOR->hasSelection()
                            ? MUNICIPIO_TRANSPORTADOR->listValue(QStringLiteral("SIG_UF")) : QVariant();
    dm->TEntrada->setValue(QStringLiteral("UF_TRANSPORTADOR"), uf.toString());
}

void TfrmEntradaToros::PESO_LIQUIDOExit()
{
    if (fornecedor->text().isEmpty())
        return;
    if (nota->text() == QStringLiteral("000000")) {
        inform(QStringLiteral("Numero da Nota Fiscal deve ser informada!"), kLancamento, this);
        nota->setFocus();
        return;
    }
    if (ask(QStringLiteral("Deseja Inserir Produtos Agora?"), QStringLiteral("Confirmação"), this))
        BitBtn12Click();
    else
        totalnota->setFocus();
}

void TfrmEntradaToros::takeProductsTotal(NumericEdit *edit)
{
    if (!dm->TEntrada->isEditing())
        return;
    const double total = core::editValue(totalproduto->text());
    dm->TEntrada->setValue(edit->link()->dataField(), total);
    edit->setValue(total);
}

void TfrmEntradaToros::writeResult(NumericEdit *edit, const QString &column, double value)
{
    // Written back as text in the general number format: the column keeps
    // every digit, the edit shows the text as written.
    const QString text = core::generalNumber(value);
    if (dm->TEntrada->isEditing())
        dm->TEntrada->setValue(column, core::editValue(text));
    edit->setText(text);
}

void TfrmEntradaToros::aliqicmsExit()
{
    writeResult(valicms, QStringLiteral("VALOR_ICMS"),
                core::percentOf(core::editValue(bcicms->text()), core::editValue(aliqicms->text())));
}

void TfrmEntradaToros::aliqfunruralExit()
{
    writeResult(valfunrural, QStringLiteral("VALOR_FUNRURAL"),
                core::percentOf(core::editValue(bcfunrural->text()), core::editValue(aliqfunrural->text())));
}

void TfrmEntradaToros::OUTRAS_DESPESASExit()
{
    restrictLines();
    if (dm->TEntrada_discriminacao->isEmpty()) {
        error(QStringLiteral("Deve-se informar pelo menos 01(um) produto para esta Nota Fiscal!"),
              QStringLiteral("Informação"), this);
        return;
    }
    BitBtn1Click();
}

// Lines --------------------------------------------------------------------

void TfrmEntradaToros::restrictLines()
{
    const rules::InvoiceKey key = linesKey();
    filterLines(key.number, key.supplier);
}

bool TfrmEntradaToros::invoiceNumberTaken() const
{
    // Lines left without a header hold their number too; only this header's
    // own lines do not count against it.
    return m_invoices.numberTaken(headerKey(), m_linesKey);
}

void TfrmEntradaToros::setLineButtons(bool include, bool others)
{
    BitBtn12->setEnabled(include);
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn11})
        b->setEnabled(others);
}

void TfrmEntradaToros::BitBtn12Click()
{
    if (lineWindowBusy())
        return;
    // Lines need an invoice that is not already recorded for this supplier.
    if (nota->text() == QStringLiteral("000000")) {
        inform(QStringLiteral("Numero da Nota Fiscal deve ser informada!"), kLancamento, this);
        nota->setFocus();
        return;
    }
    if (invoiceNumberTaken()) {
        inform(QStringLiteral("Nota Fiscal %1 já lançada para este Fornecedor, Verifíque!").arg(nota->text()),
               kLancamento, this);
        nota->setFocus();
        return;
    }
    if (!m_linesKey.isValid())
        m_linesKey = headerKey();
    dm->QProduto->open();
    restrictLines();
    dm->TEntrada_discriminacao->append();
    auto *w = lineWindow<TfrmEntradaTorosProdutos>(dm);
    w->setHeader(this);
    w->fillInvoiceFields();
    openLineWindow(w, w->DBEDIT1);
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn11})
        b->setEnabled(false);
}

void TfrmEntradaToros::lineWindowClosed()
{
    if (!dm->TEntrada->isActive())
        return;
    restrictLines();
    if (dm->TEntrada_discriminacao->isEmpty())
        return;
    showLinesGrid(true);
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn11})
        b->setEnabled(true);
    recalculateTotals();
}

LineTotals TfrmEntradaToros::lineTotals()
{
    const rules::InvoiceTotals totals = m_invoices.totals(linesKey());
    return {totals.volume, totals.value, totals.lines};
}

void TfrmEntradaToros::recalculateTotals()
{
    restrictLines();
    const LineTotals totals = lineTotals();
    // The header stores the totals as they are shown.
    if (dm->TEntrada->isEditing()) {
        dm->TEntrada->setValue(QStringLiteral("VALOR_TOTAL_PRODUTOS"),
                               core::editValue(core::formatAmount(totals.value, QStringLiteral("#0.00"))));
        dm->TEntrada->setValue(QStringLiteral("QUANTIDADE"),
                               core::editValue(core::formatAmount(totals.volume, QStringLiteral("#0.000"))));
    }
    showTotals(totals);
}

void TfrmEntradaToros::BitBtn9Click()
{
    deleteLine();
}

void TfrmEntradaToros::linesChanged()
{
    restrictLines();
    recalculateTotals();
}

void TfrmEntradaToros::BitBtn10Click()
{
    stepLines(&data::DataSet::next);
}

void TfrmEntradaToros::BitBtn11Click()
{
    stepLines(&data::DataSet::prior);
}

// Save, cancel, return -------------------------------------------------------

void TfrmEntradaToros::BitBtn1Click()
{
    // Not while one of its lines is still being typed: that line would be
    // saved after the header, under what the header said before.
    if (lineWindowBusy())
        return;
    MovementSave save;
    save.checks = {
        {[this] { return fornecedor->text().isEmpty(); }, QStringLiteral("Fornecedor deve ser informado!"), nullptr},
        {[this] { return nota->text() == QStringLiteral("000000"); },
         QStringLiteral("Numero da Nota Fiscal deve ser informado!"), nota},
        {[this] { return invoiceNumberTaken(); },
         QStringLiteral("Nota Fiscal %1 já lançada para este Fornecedor, Verifíque!").arg(nota->text()), nota},
        {[this] { return !data->isValidDate(); }, QStringLiteral("Data de Emissão deve ser informada!"), data},
        {[this] { return !saida->isValidDate(); }, QStringLiteral("Data da Saida deve ser informada!"), saida},
        {[this] { return NOME_TRANSPORTADOR->text().trimmed().isEmpty(); },
         QStringLiteral("Transportador deve ser informado!"), NOME_TRANSPORTADOR},
        {[this] { return totalproduto->isZero(); }, QStringLiteral("Valor Total dos Produtos deve ser informado!"),
         totalproduto},
        {[this] { return totalnota->isZero(); }, QStringLiteral("Valor Total da Nota deve ser informada!"), totalnota},
    };
    save.confirmText = QStringLiteral("Confirma a Inclusão?");
    save.declined = [this] { nota->setFocus(); };
    save.post = [this] {
        // Lines saved before the number (or supplier) changed go with the
        // header: both or neither.
        data::Transaction work(dm->IBDatabase1);
        if (m_linesKey.isValid()) {
            const InvoiceFields f = invoiceFields();
            m_invoices.moveLines(m_linesKey, headerKey(),
                                 {headerKey().supplier, f.fornecedor, f.cpf, f.inscricao});
        }
        dm->TEntrada->post();
        nfeIntake.headerPosted(headerKey());
        work.commit();
        nfeIntake.clear();
        m_linesKey = {};
    };
    save.continueText = QStringLiteral("Continua Lançamento?");
    save.another = [this] {
        setLineButtons(false, false);
        dm->TEntrada->append();
        showLinesGrid(false);
        dm->TEntrada_discriminacao->close();
        chooseSupplier();
        nota->setFocus();
    };
    save.finished = [this] {
        closeOwnedDataSets();
        for (QPushButton *b : {BitBtn3, BitBtn4, BitBtn5, BitBtn6, ImportarNFe})
            b->setEnabled(true);
        closeWindow(QDialog::Accepted);
    };
    runMovementSave(this, save);
}

void TfrmEntradaToros::BitBtn2Click()
{
    if (lineWindowBusy())
        return;
    if (dm->TEntrada_discriminacao->isActive() && !dm->TEntrada_discriminacao->isEmpty()) {
        error(QStringLiteral("Para cancelamento deste lançamento, exclua primeiro o(s) produto(s) informado(s)!"),
              kLancamento, this);
        BitBtn9->setFocus();
        return;
    }
    dm->TEntrada->cancel();
    dm->TEntrada->close();
    dm->TEntrada_discriminacao->cancel();
    dm->TEntrada_discriminacao->close();
    m_linesKey = {};
    dm->QFornecedor->close();
    dm->QMunicipio->close();
    setIdleButtons();
    NOME_TRANSPORTADOR->setFocus();
    data->clearDate();
    showLinesGrid(false);
}

void TfrmEntradaToros::setIdleButtons()
{
    for (QPushButton *b : {BitBtn4, BitBtn3, BitBtn5, BitBtn6, ImportarNFe})
        b->setEnabled(true);
    nfeIntake.clear();
    setLineButtons(false, false);
}

void TfrmEntradaToros::BitBtn3Click()
{
    nfeIntake.clear();
    ImportarNFe->setEnabled(true);
    nota1->setValue(0);
    dm->TEntrada->cancel();
    dm->TEntrada_discriminacao->cancel();
    m_linesKey = {};
    closeOwnedDataSets();
    for (QPushButton *b : {BitBtn4, BitBtn5, BitBtn6})
        b->setEnabled(true);
    showLinesGrid(false);
    closeWindow(QDialog::Rejected);
}

// Search and delete ----------------------------------------------------------

void TfrmEntradaToros::BitBtn5Click()
{
    dm->QEntrada->open();
    if (dm->QEntrada->isEmpty()) {
        dm->QEntrada->close();
        inform(QStringLiteral("Não há Lançamento(s) para ser(em) Excluido(s)!"), QStringLiteral("Exclusão"), this);
        return;
    }
    dm->QEntrada->close();
    BitBtn6Click();
}

void TfrmEntradaToros::BitBtn6Click()
{
    dm->QEntrada->open();
    if (dm->QEntrada->isEmpty()) {
        dm->QEntrada->close();
        inform(QStringLiteral("Não há Lançamento(s) para ser(em) pesquisado(s)!"), QStringLiteral("Pesquisa"), this);
        return;
    }
    dm->QEntrada->close();
    m_switchingTab = true;
    PageControl1->setCurrentIndex(1);
    m_switchingTab = false;
    TabPesquisaSelected();
    fornecedor1->setFocus();
}

void TfrmEntradaToros::BitBtn7Click()
{
    m_switchingTab = true;
    PageControl1->setCurrentIndex(0);
    m_switchingTab = false;
    TabLancamentoSelected();
}

void TfrmEntradaToros::TabPesquisaSelected()
{
    nota1->setValue(0);
    BitBtn6->hide();
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn4, BitBtn5})
        b->setEnabled(false);
    BitBtn7->show();
    dm->QFornecedor->setSql(QStringLiteral("Select * from Fornecedor Order by NOMEFORNECEDOR"));
    dm->QFornecedor->open();
}

void TfrmEntradaToros::TabLancamentoSelected()
{
    BitBtn7->hide();
    BitBtn13->hide();
    BitBtn6->show();
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn4, BitBtn5})
        b->setEnabled(true);
    dm->QFornecedor->close();
    dm->TEntrada1->close();
    dm->TEntradaDiscriminacao1->close();
    NOME_TRANSPORTADOR->setFocus();
}

void TfrmEntradaToros::nota1Changed(const QString &text)
{
    if (text.trimmed().size() > 6) {
        error(QStringLiteral("Quantidade de digitos informados excedeu o permitindo, Verifique!"),
              QStringLiteral("Informação"), this);
        nota1->setFocus();
        // Cleared once the key that overflowed it has been taken in.
        QMetaObject::invokeMethod(nota1, [this] { nota1->setValue(0); nota1->selectAll(); }, Qt::QueuedConnection);
    }
}

void TfrmEntradaToros::BitBtn8Click()
{
    if (!fornecedor1->hasSelection()) {
        inform(QStringLiteral("Fornecedor deve ser informado!"), QStringLiteral("Informação"), this);
        fornecedor1->setFocus();
        return;
    }
    const QString supplier = fornecedor1->listText();
    auto *invoices = dm->TEntrada1;
    invoices->close();
    if (nota1->value() > 0)
        invoices->setFilter(QStringLiteral("RAZAO_SOCIAL = :nome and NF_NUMERO = :nf"),
                            {{QStringLiteral("nome"), supplier}, {QStringLiteral("nf"), nota1->value()}});
    else
        invoices->setFilter(QStringLiteral("RAZAO_SOCIAL = :nome"), {{QStringLiteral("nome"), supplier}});
    invoices->setFiltered(true);
    invoices->setIndexFieldNames(QStringLiteral("NF_NUMERO"));
    invoices->open();
    BitBtn13->show();
    if (!invoices->isEmpty()) {
        // The lines follow the invoice under the cursor (number and supplier).
        dm->TEntradaDiscriminacao1->open();
        return;
    }
    invoices->close();
    dm->TEntradaDiscriminacao1->close();
    error(QStringLiteral("Não há Nota Fiscal para vizualizar com os critérios informados!"),
          QStringLiteral("Informação"), this);
    fornecedor1->setFocus();
    BitBtn13->hide();
}

void TfrmEntradaToros::BitBtn13Click()
{
    auto *invoices = dm->TEntrada1;
    auto *lines = dm->TEntradaDiscriminacao1;
    if (!invoices->isActive() || invoices->isEmpty()) {
        error(QStringLiteral("Não há Lançamento(s) para ser(em) excluído(s)!"), QStringLiteral("Pesquisa"), this);
        BitBtn3->setFocus();
        return;
    }
    // A sawn log has a production row that points at it: keep the invoice.
    const rules::InvoiceKey key{invoices->value(QStringLiteral("NF_NUMERO")),
                                invoices->value(QStringLiteral("CODIGOFORNECEDOR"))};
    auto refuseSawn = [&](int sawn) {
        error(QStringLiteral("A Nota Fiscal %1 possui %2 toro(s) já serrado(s) na Produção e não pode ser "
                             "excluída, Verifíque!").arg(invoices->displayText(QStringLiteral("NF_NUMERO"))).arg(sawn),
              QStringLiteral("Exclusão"), this);
        DBGrid1->setFocus();
    };
    if (const int sawn = m_invoices.sawnLogs(key); sawn > 0) {
        refuseSawn(sawn);
        return;
    }
    if (!ask(QStringLiteral("Confirma Exclusão?"), QStringLiteral("Confirmação"), this))
        return;
    // Lines and header go together or not at all.
    if (!m_invoices.remove(invoices->value(QStringLiteral("CODIGOENTRADA")))) {
        refuseSawn(m_invoices.sawnLogs(key));
        return;
    }
    invoices->refresh();
    lines->refresh();
    if (invoices->isEmpty() || lines->isEmpty())
        DBGrid1->setFocus();
}

void TfrmEntradaToros::BitBtnEtiquetasClick()
{
    if (!m_labels)
        m_labels = new TfrmEtiquetas(dm, this);
    m_labels->showFor(dm->TEntrada1);
}
