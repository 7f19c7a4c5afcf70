#include "Unitsubprodutos.h"

#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

using widgets::CharCase;

Tfrmsubprodutos::Tfrmsubprodutos(data::TDM *dm, QWidget *parent) : RegisterWindow(dm, dm->TSUBPRODUTOS, parent)
{
    setObjectName(QStringLiteral("Tfrmsubprodutos"));
    setWindowTitle(QStringLiteral("Sub-Produtos"));

    PageControl1 = tabbedBody({QStringLiteral("Cadastro"), QStringLiteral("Pesquisa")});
    TabSheet1 = PageControl1->widget(0);
    TabSheet2 = PageControl1->widget(1);

    auto *form = new QFormLayout(TabSheet1);
    GRAUIND = new widgets::DBEdit(dm->DSTSUBPRODUTOS, QStringLiteral("GRAUIND"), TabSheet1);
    GRAUIND->setObjectName(QStringLiteral("GRAUIND"));
    GRAUIND->setReadOnly(true);
    GRAUIND->setMaximumWidth(100);
    NOMEGRAU = new widgets::DBEdit(dm->DSTSUBPRODUTOS, QStringLiteral("NOMEGRAU"), TabSheet1);
    NOMEGRAU->setObjectName(QStringLiteral("NOMEGRAU"));
    NOMEGRAU->setCharCase(CharCase::Upper);
    NOMEGRAU->setMinimumWidth(380);
    form->addRow(buddyLabel(QStringLiteral("Código Produto"), GRAUIND), GRAUIND);
    form->addRow(buddyLabel(QStringLiteral("Produto"), NOMEGRAU), NOMEGRAU);

    const SearchPage search =
        searchPage(TabSheet2, QStringLiteral("Pesquisa (Digite o nome do Cliente que deseja localizar)"),
                   dm->DSTSUBPRODUTOS,
                   {{QStringLiteral("GRAUIND"), QStringLiteral("Código"), 60},
                    {QStringLiteral("NOMEGRAU"), QStringLiteral("Sub-Produtos"), 360}},
                   QSize(460, 240), QStringLiteral("NOMEGRAU"));
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

void Tfrmsubprodutos::FormShow()
{
    PageControl1->setCurrentWidget(TabSheet1);
    setTitle(QStringLiteral("Cadastro de Produto(s)"));
    dm()->TSUBPRODUTOS->close();
    dm()->TSUBPRODUTOS->open();
    dm()->TSUBPRODUTOS->setIndexName(QStringLiteral("SUBPRODUTO"));
    TabSheet1Show();
}

void Tfrmsubprodutos::TabSheet1Show()
{
    setButtonsEnabled({Gravar, Cancelar, Incluir}, true);
    setTitle(QStringLiteral("Cadastro de Sub-Produto(s)"));
    setButtonVisible(Cadastro, false);
    setButtonVisible(Pesquisar, true);
    NOMEGRAU->setFocus();
}

void Tfrmsubprodutos::TabSheet2Show()
{
    setButtonsEnabled({Gravar, Cancelar, Incluir}, false);
    setTitle(QStringLiteral("Pesquisa de Sub-Produto(s)"));
    setButtonVisible(Pesquisar, false);
    setButtonVisible(Cadastro, true);
    Edit1->setFocus();
}

void Tfrmsubprodutos::BtnPesquisarClick()
{
    if (dm()->TSUBPRODUTOS->isEmpty()) {
        widgets::inform(QStringLiteral("Não hà Produto cadastrados para pesquisa!"), QStringLiteral("Pesquisa"), this);
        NOMEGRAU->setFocus();
        return;
    }
    PageControl1->setCurrentWidget(TabSheet2);
    TabSheet2Show();
}

void Tfrmsubprodutos::BtnCadastroClick()
{
    PageControl1->setCurrentWidget(TabSheet1);
    TabSheet1Show();
}

void Tfrmsubprodutos::BtnIncluirClick()
{
    setButtonsEnabled({Incluir, Excluir}, false);
    PageControl1->setCurrentWidget(TabSheet1);
    setButtonsEnabled({Pesquisar, Retornar}, false);
    dm()->TSUBPRODUTOS->append();
    NOMEGRAU->setFocus();
}

void Tfrmsubprodutos::BtnGravarClick()
{
    if (!checkRequired({{NOMEGRAU, emptyText(NOMEGRAU), QStringLiteral("Sub-Produto deve ser informado!"),
                         QStringLiteral("Cadastro")}}))
        return;
    if (!widgets::ask(QStringLiteral("Confirma a Inclusão/Alteração?"), QStringLiteral("Confirmação"), this)) {
        NOMEGRAU->setFocus();
        return;
    }
    saveOr(
        [&] {
            postPending();
            dm()->TSUBPRODUTOS->refresh();
            if (widgets::ask(QStringLiteral("Continua Cadastramento?"), QStringLiteral("Confirmação"), this))
                dm()->TSUBPRODUTOS->append();
        },
        QStringLiteral("Produto já Cadastrado!"), QStringLiteral("Sub-Produto"));
    NOMEGRAU->setFocus();
    setButtonsEnabled({Incluir, Excluir, Pesquisar, Retornar}, true);
}

void Tfrmsubprodutos::BtnCancelarClick()
{
    dm()->TSUBPRODUTOS->cancel();
    setButtonsEnabled({Incluir, Pesquisar, Excluir, Retornar}, true);
    NOMEGRAU->setFocus();
}

void Tfrmsubprodutos::BtnExcluirClick()
{
    dm()->TSUBPRODUTOS->open();
    if (dm()->TSUBPRODUTOS->isEmpty()) {
        dm()->TSUBPRODUTOS->close();
        widgets::inform(QStringLiteral("Não hà sub-produto para ser excluído!"), QStringLiteral("Informação"), this);
    }
    dm()->TSUBPRODUTOS->open();
    if (!dm()->TSUBPRODUTOS->isEmpty()
        && widgets::ask(QStringLiteral("Confirma Exclusão deste sub-produto?"), QStringLiteral("Confirmação"), this)) {
        dm()->TSUBPRODUTOS->remove();
        dm()->TSUBPRODUTOS->refresh();
    }
}

void Tfrmsubprodutos::BtnRetornarClick()
{
    dm()->TSUBPRODUTOS->close();
    accept();
}
