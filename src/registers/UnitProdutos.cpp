#include "UnitProdutos.h"

#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/NumericEdit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

using widgets::CharCase;

TfrmProdutos::TfrmProdutos(data::TDM *dm, QWidget *parent) : RegisterWindow(dm, dm->TProduto, parent)
{
    setObjectName(QStringLiteral("TfrmProdutos"));
    setWindowTitle(QStringLiteral("Produtos"));

    PageControl1 = tabbedBody({QStringLiteral("Cadastro"), QStringLiteral("Pesquisa")});
    TabSheet1 = PageControl1->widget(0);
    TabSheet2 = PageControl1->widget(1);

    auto *form = new QFormLayout(TabSheet1);
    GRAUIND = new widgets::DBEdit(dm->DProduto, QStringLiteral("GRAUIND"), TabSheet1);
    GRAUIND->setObjectName(QStringLiteral("GRAUIND"));
    GRAUIND->setReadOnly(true);
    GRAUIND->setMaximumWidth(100);
    NOMEGRAU = new widgets::DBEdit(dm->DProduto, QStringLiteral("NOMEGRAU"), TabSheet1);
    NOMEGRAU->setObjectName(QStringLiteral("NOMEGRAU"));
    NOMEGRAU->setCharCase(CharCase::Upper);
    NOMEGRAU->setMinimumWidth(380);
    UNIDADE = new widgets::DBEdit(dm->DProduto, QStringLiteral("UNIDADE"), TabSheet1);
    UNIDADE->setObjectName(QStringLiteral("UNIDADE"));
    UNIDADE->setCharCase(CharCase::Upper);
    UNIDADE->setMaximumWidth(80);
    FATOR = new widgets::NumericEdit(TabSheet1, 2);
    FATOR->setObjectName(QStringLiteral("FATOR"));
    FATOR->setDataSource(dm->DProduto);
    FATOR->setDataField(QStringLiteral("FATOR"));
    FATOR->setMaximumWidth(120);
    form->addRow(buddyLabel(QStringLiteral("Código Lançamento"), GRAUIND), GRAUIND);
    form->addRow(buddyLabel(QStringLiteral("Produto Gerado"), NOMEGRAU), NOMEGRAU);
    form->addRow(buddyLabel(QStringLiteral("Unidade"), UNIDADE), UNIDADE);
    form->addRow(buddyLabel(QStringLiteral("Indice (%)"), FATOR), FATOR);

    const SearchPage search =
        searchPage(TabSheet2, QStringLiteral("Pesquisa (Digite o nome do Cliente que deseja localizar)"), dm->DProduto,
                   {{QStringLiteral("GRAUIND"), QStringLiteral("Código"), 60},
                    {QStringLiteral("NOMEGRAU"), QStringLiteral("Produto Gerado"), 300},
                    {QStringLiteral("UNIDADE"), QStringLiteral("Unid."), 50},
                    {QStringLiteral("FATOR"), QStringLiteral("Indice (%)"), 80}},
                   QSize(520, 240), QStringLiteral("NOMEGRAU"));
    GroupBox1 = search.group;
    Edit1 = search.edit;
    DBGrid1 = search.grid;

    setNavigatorHints({QStringLiteral("Primeiro Produto"), QStringLiteral("Produto Anterior"),
                       QStringLiteral("Proximo Produto"), QStringLiteral("Ultimo Produto")});
    setupButtons({{Incluir, QStringLiteral("&Incluir"), QStringLiteral("Incluir Produto")},
                  {Cancelar, QStringLiteral("&Cancelar"), QStringLiteral("Cancelar Cadastro")},
                  {Gravar, QStringLiteral("&Gravar"), QStringLiteral("Gravar Cadastro")},
                  {Excluir, QStringLiteral("E&xcluir"), QStringLiteral("Excluir Fornecedor")},
                  {Pesquisar, QStringLiteral("&Pesquisar"), QStringLiteral("Ir para Pesquisa")},
                  {Cadastro, QStringLiteral("Ca&dastro"), QStringLiteral("Ir para Cadastro")},
                  {Retornar, QStringLiteral("&Retornar"), QStringLiteral("Retornar ao Menu Principal")}});
    setButtonVisible(Cadastro, false);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        index == 0 ? TabSheet1Show() : TabSheet2Show();
    });
}

void TfrmProdutos::FormShow()
{
    PageControl1->setCurrentWidget(TabSheet1);
    setTitle(QStringLiteral("Cadastro de Produto(s)"));
    dm()->TProduto->close();
    dm()->TProduto->open();
    dm()->TProduto->setIndexName(QStringLiteral("PRODUTO"));
    TabSheet1Show();
}

void TfrmProdutos::TabSheet1Show()
{
    setButtonsEnabled({Gravar, Cancelar, Incluir}, true);
    setTitle(QStringLiteral("Cadastro de Produto(s)"));
    setButtonVisible(Cadastro, false);
    setButtonVisible(Pesquisar, true);
    NOMEGRAU->setFocus();
}

void TfrmProdutos::TabSheet2Show()
{
    setButtonsEnabled({Gravar, Cancelar, Incluir}, false);
    setTitle(QStringLiteral("Pesquisa de Produto(s)"));
    setButtonVisible(Pesquisar, false);
    setButtonVisible(Cadastro, true);
    Edit1->setFocus();
}

void TfrmProdutos::BtnPesquisarClick()
{
    if (dm()->TProduto->isEmpty()) {
        widgets::inform(QStringLiteral("Não hà Produto cadastrados para pesquisa!"), QStringLiteral("Pesquisa"), this);
        NOMEGRAU->setFocus();
        return;
    }
    PageControl1->setCurrentWidget(TabSheet2);
    TabSheet2Show();
}

void TfrmProdutos::BtnCadastroClick()
{
    PageControl1->setCurrentWidget(TabSheet1);
    TabSheet1Show();
}

void TfrmProdutos::BtnIncluirClick()
{
    setButtonsEnabled({Incluir}, false);
    PageControl1->setCurrentWidget(TabSheet1);
    setButtonsEnabled({Pesquisar, Retornar, Excluir}, false);
    dm()->TProduto->append();
}

void TfrmProdutos::BtnGravarClick()
{
    if (!checkRequired({{NOMEGRAU, emptyText(NOMEGRAU), QStringLiteral("Produto Gerado deve ser informado!"),
                         QStringLiteral("Cadastro")},
                        {UNIDADE, emptyText(UNIDADE), QStringLiteral("Unidade deve ser informada!"),
                         QStringLiteral("Cadastro")},
                        {FATOR, [this] { return FATOR->isZero(); },
                         QStringLiteral("Indice de transformação deve ser informado!"), QStringLiteral("Cadastro")}})) {
        NOMEGRAU->setFocus();
        return;
    }
    if (widgets::ask(QStringLiteral("Confirma a Inclusão/Alteração?"), QStringLiteral("Confirmação"), this)) {
        // A refusal by the database is not caught here: the standard error box shows it.
        dm()->TProduto->post();
        dm()->TProduto->refresh();
        if (widgets::ask(QStringLiteral("Continua Cadastramento?"), QStringLiteral("Confirmação"), this))
            dm()->TProduto->append();
    }
    setButtonsEnabled({Incluir, Pesquisar, Retornar, Excluir}, true);
}

void TfrmProdutos::BtnCancelarClick()
{
    dm()->TProduto->cancel();
    setButtonsEnabled({Incluir, Pesquisar, Excluir, Retornar}, true);
    NOMEGRAU->setFocus();
}

void TfrmProdutos::BtnExcluirClick()
{
    dm()->TProduto->open();
    if (dm()->TProduto->isEmpty()) {
        dm()->TProduto->close();
        widgets::inform(QStringLiteral("Não hà produto para ser excluído!"), QStringLiteral("Informação"), this);
    }
    dm()->TProduto->open();
    if (!dm()->TProduto->isEmpty()
        && widgets::ask(QStringLiteral("Confirma Exclusão deste produto?"), QStringLiteral("Confirmação"), this)) {
        dm()->TProduto->remove();
        dm()->TProduto->refresh();
    }
}

void TfrmProdutos::BtnRetornarClick()
{
    // Closing the table drops a pending change.
    dm()->TProduto->close();
    accept();
}
