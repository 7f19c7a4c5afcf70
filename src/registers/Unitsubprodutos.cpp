#include "Unitsubprodutos.h"

#include "data/UnitDM.h"
#include "widgets/DBEdit.h"

namespace {

widgets::RegisterDescription subProducts(data::TDM *dm)
{
    widgets::RegisterDescription d;
    d.objectName = QStringLiteral("Tfrmsubprodutos");
    d.caption = QStringLiteral("Sub-Produtos");
    d.table = dm->TSUBPRODUTOS;
    d.source = dm->DSTSUBPRODUTOS;
    d.navigatorHints = d.hintsFor(QStringLiteral("Produto"));
    d.buttons = d.standardButtons(QStringLiteral("Incluir Produto"), QStringLiteral("Excluir Fornecedor"));
    d.entryTitle = QStringLiteral("Cadastro de Sub-Produto(s)");
    d.searchTitle = QStringLiteral("Pesquisa de Sub-Produto(s)");
    d.searchField = QStringLiteral("NOMEGRAU");
    d.searchColumns = {{QStringLiteral("GRAUIND"), QStringLiteral("Código"), 60},
                       {QStringLiteral("NOMEGRAU"), QStringLiteral("Sub-Produtos"), 360}};
    d.gridMinimum = QSize(460, 240);
    d.searchEmptyMessage = QStringLiteral("Não hà Produto cadastrados para pesquisa!");
    d.required = {{QStringLiteral("NOMEGRAU"), QStringLiteral("Sub-Produto deve ser informado!"),
                   QStringLiteral("Cadastro")}};
    d.duplicateMessage = QStringLiteral("Produto já Cadastrado!");
    d.duplicateCaption = QStringLiteral("Sub-Produto");
    d.deleteEmptyMessage = QStringLiteral("Não hà sub-produto para ser excluído!");
    d.deleteQuestion = QStringLiteral("Confirma Exclusão deste sub-produto?");
    return d;
}

} // namespace

Tfrmsubprodutos::Tfrmsubprodutos(data::TDM *dm, QWidget *parent)
    : ProductRegister(dm, subProducts(dm), QStringLiteral("SUBPRODUTO"), parent)
{
    auto *form = new QWidget(this);
    setupUi(form);
    useForm(form);
}

void Tfrmsubprodutos::BtnIncluirClick()
{
    startNew();
    NOMEGRAU->setFocus();
}

void Tfrmsubprodutos::BtnGravarClick()
{
    if (!checkRequired())
        return;
    if (!confirmAndSave(true)) {
        NOMEGRAU->setFocus();
        return;
    }
    NOMEGRAU->setFocus();
    setButtonsEnabled({Incluir, Excluir, Pesquisar, Retornar}, true);
}
