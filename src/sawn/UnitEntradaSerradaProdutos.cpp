#include "UnitEntradaSerradaProdutos.h"

#include "UnitEntradaSerrada.h"

#include "core/LogVolume.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace widgets;

TfrmEntradaSerradaProdutos::TfrmEntradaSerradaProdutos(data::TDM *dm_, QWidget *parent)
    : MovementLineWindow(parent), dm(dm_)
{
    setObjectName(QStringLiteral("TfrmEntradaSerradaProdutos"));
    setWindowTitle(QStringLiteral("Produtos"));
    data::DataSource *lines = dm->DESDISCRIMINACAO;
    auto hidden = [&](const QString &column) {
        auto *e = new DBEdit(lines, column);
        e->setObjectName(column);
        e->hide();
        return e;
    };
    DBEDIT1 = new ZeroPadEdit(nullptr, 6);
    DBEDIT1->setObjectName(QStringLiteral("DBEDIT1"));
    DBEDIT1->setDataSource(lines);
    DBEDIT1->setDataField(QStringLiteral("CODIGOPRODUTO"));
    ESSENCIA = new DBLookupComboBox;
    ESSENCIA->setObjectName(QStringLiteral("ESSENCIA"));
    ESSENCIA->setListSource(dm->QEssencia, QStringLiteral("ESSENCIA"), QStringLiteral("ESSENCIA"));
    ESSENCIA->setDataSource(lines);
    ESSENCIA->setDataField(QStringLiteral("ESSENCIA"));
    ESSENCIA->setDropDownOnEnter(true);
    ESSENCIATIPO = new DBLookupComboBox;
    ESSENCIATIPO->setObjectName(QStringLiteral("ESSENCIATIPO"));
    ESSENCIATIPO->setListSource(dm->QSUBPRODUTOS, QStringLiteral("NOMEGRAU"), QStringLiteral("NOMEGRAU"));
    ESSENCIATIPO->setDataSource(lines);
    ESSENCIATIPO->setDataField(QStringLiteral("ESSENCIATIPO"));
    QUANTIDADE = makeNumericEdit(QStringLiteral("QUANTIDADE"), lines, QStringLiteral("QUANTIDADE"), 4);
    VALUNITARIO = makeNumericEdit(QStringLiteral("VALUNITARIO"), lines, QStringLiteral("VALUNITARIO"), 2);
    VALTOTAL = makeNumericEdit(QStringLiteral("VALTOTAL"), lines, QStringLiteral("VALTOTAL"), 2);
    VALTOTAL->setFocusPolicy(Qt::ClickFocus); // computed: no tab stop
    VALTOTAL->setStyleSheet(QStringLiteral("background: #FFFFE1;"));
    CODIGOESSENCIA = hidden(QStringLiteral("CODIGOESSENCIA"));
    SITUACAO = hidden(QStringLiteral("SITUACAO"));
    DATALANCAMENTO = hidden(QStringLiteral("DATALANCAMENTO"));
    CODIGOFORNECEDOR = hidden(QStringLiteral("CODIGOFORNECEDOR"));
    NFNUMERO = hidden(QStringLiteral("NFNUMERO"));
    FORNECEDOR = hidden(QStringLiteral("FORNECEDOR"));
    CPF = hidden(QStringLiteral("CPF"));
    INSCRICAO = hidden(QStringLiteral("INSCRICAO"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleBanner(QStringLiteral("Lançamento de Produtos")));
    auto *grid = new QGridLayout;
    int row = 0;
    for (const auto &[caption, field] :
         std::initializer_list<std::pair<QString, QWidget *>>{{QStringLiteral("Código do Produto"), DBEDIT1},
                                                               {QStringLiteral("Essência"), ESSENCIA},
                                                               {QStringLiteral("Produto"), ESSENCIATIPO},
                                                               {QStringLiteral("Quantidade"), QUANTIDADE},
                                                               {QStringLiteral("Valor Unitário"), VALUNITARIO},
                                                               {QStringLiteral("Valor Total"), VALTOTAL}}) {
        grid->addWidget(captionPanel(caption, field), row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    grid->setColumnMinimumWidth(1, 220);
    layout->addLayout(grid);
    auto *hiddenRow = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{CODIGOESSENCIA, SITUACAO, DATALANCAMENTO, CODIGOFORNECEDOR,
                                                       NFNUMERO, FORNECEDOR, CPF, INSCRICAO})
        hiddenRow->addWidget(w);
    layout->addLayout(hiddenRow);
    layout->addLayout(saveReturnButtons(BitBtn1, BitBtn3));
    setTabOrder(DBEDIT1, ESSENCIA);
    setTabOrder(ESSENCIA, ESSENCIATIPO);
    setTabOrder(ESSENCIATIPO, QUANTIDADE);
    setTabOrder(QUANTIDADE, VALUNITARIO);

    setUpLines(dm->TESDISCRIMINACAO, DBEDIT1, BitBtn1, BitBtn3);
    writesCode(ESSENCIA, QStringLiteral("CODIGO"), QStringLiteral("CODIGOESSENCIA"));
    writesCode(ESSENCIATIPO, QStringLiteral("GRAUIND"), QStringLiteral("CODIGOPRODUTO"));
    savesOnLeaving(VALUNITARIO, [this] {
        writeComputed(dm->TESDISCRIMINACAO, QStringLiteral("VALTOTAL"), VALTOTAL,
                      core::lineValue(QUANTIDADE->value(), VALUNITARIO->value()));
    });
}

void TfrmEntradaSerradaProdutos::FormShow()
{
    auto *lines = dm->TESDISCRIMINACAO;
    if (m_header && lines->isEditing())
        lines->setValue(QStringLiteral("DATALANCAMENTO"), m_header->invoiceFields().dataEmissao);
    reopen(dm->QEssencia, QStringLiteral("Select * from ESSENCIA Order by ESSENCIA"));
    reopen(dm->QSUBPRODUTOS, QStringLiteral("Select * from SUBPRODUTO Order by NOMEGRAU"));
}

void TfrmEntradaSerradaProdutos::fillInvoiceFields()
{
    if (!m_header)
        return;
    const TfrmEntradaSerrada::InvoiceFields f = m_header->invoiceFields();
    auto *lines = dm->TESDISCRIMINACAO;
    lines->setValue(QStringLiteral("DATALANCAMENTO"), f.dataEmissao);
    lines->setValue(QStringLiteral("CODIGOFORNECEDOR"), f.codigoFornecedor);
    lines->setValue(QStringLiteral("NFNUMERO"), f.nfNumero);
    lines->setValue(QStringLiteral("FORNECEDOR"), f.fornecedor);
    lines->setValue(QStringLiteral("CPF"), f.cpf);
    lines->setValue(QStringLiteral("INSCRICAO"), f.inscricao);
}

void TfrmEntradaSerradaProdutos::BitBtn1Click()
{
    // Only a line being typed is saved (the window may have been left open).
    if (!dm->TESDISCRIMINACAO->isEditing())
        return;
    saveLine({chosen(ESSENCIA, QStringLiteral("Essência deve ser informada!")),
              chosen(ESSENCIATIPO, QStringLiteral("Produto deve ser informado!")),
              notZero(QUANTIDADE, QStringLiteral("Quantidade deve ser informada!")),
              notZero(VALUNITARIO, QStringLiteral("Valor Unitário deve ser informado!"))},
             [this] {
                 auto *lines = dm->TESDISCRIMINACAO;
                 lines->setValue(QStringLiteral("SITUACAO"), 0);
                 lines->post();
             },
             QStringLiteral("Insere Outro Produto para esta Nota Fiscal?"), [this] { fillInvoiceFields(); });
}
