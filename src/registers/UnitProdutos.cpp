#include "UnitProdutos.h"

#include "data/UnitDM.h"
#include "widgets/DBEdit.h"

namespace {

widgets::RegisterDescription products(data::TDM *dm)
{
    widgets::RegisterDescription d;
    d.objectName = QStringLiteral("TfrmProdutos");
    d.caption = QStringLiteral("Produtos");
    d.table = dm->TProduto;
    d.source = dm->DProduto;
    d.navigatorHints = d.hintsFor(QStringLiteral("Produto"));
    d.buttons = d.standardButtons(QStringLiteral("Incluir Produto"), QStringLiteral("Excluir Fornecedor"));
    d.entryTitle = QStringLiteral("Cadastro de Produto(s)");
    d.searchTitle = QStringLiteral("Pesquisa de Produto(s)");
    d.searchField = QStringLiteral("NOMEGRAU");
    d.searchColumns = {{QStringLiteral("GRAUIND"), QStringLiteral("Código"), 60},
                       {QStringLiteral("NOMEGRAU"), QStringLiteral("Produto Gerado"), 300},
                       {QStringLiteral("UNIDADE"), QStringLiteral("Unid."), 50},
                       {QStringLiteral("FATOR"), QStringLiteral("Indice (%)"), 80}};
    d.gridMinimum = QSize(520, 240);
    d.searchEmptyMessage = QStringLiteral("Não hà Produto cadastrados para pesquisa!");
    const QString caption = QStringLiteral("Cadastro");
    d.required = {{QStringLiteral("NOMEGRAU"), QStringLiteral("Produto Gerado deve ser informado!"), caption},
                  {QStringLiteral("UNIDADE"), QStringLiteral("Unidade deve ser informada!"), caption},
                  {QStringLiteral("FATOR"), QStringLiteral("Indice de transformação deve ser informado!"), caption}};
    d.deleteEmptyMessage = QStringLiteral("Não hà produto para ser excluído!");
    d.deleteQuestion = QStringLiteral("Confirma Exclusão deste produto?");
    return d;
}

} // namespace

TfrmProdutos::TfrmProdutos(data::TDM *dm, QWidget *parent)
    : ProductRegister(dm, products(dm), QStringLiteral("PRODUTO"), parent)
{
    auto *form = new QWidget(this);
    setupUi(form);
    useForm(form);
}

void TfrmProdutos::BtnIncluirClick()
{
    startNew();
}

void TfrmProdutos::BtnGravarClick()
{
    if (!checkRequired()) {
        NOMEGRAU->setFocus();
        return;
    }
    if (widgets::ask(QStringLiteral("Confirma a Inclusão/Alteração?"), QStringLiteral("Confirmação"), this)) {
        // A refusal by the database is not caught here: the standard error box shows it.
        table()->post();
        table()->refresh();
        if (widgets::ask(QStringLiteral("Continua Cadastramento?"), QStringLiteral("Confirmação"), this))
            table()->append();
    }
    setButtonsEnabled({Incluir, Pesquisar, Retornar, Excluir}, true);
}
