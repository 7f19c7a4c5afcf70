#include "UnitProdutos.h"

#include "RegisterCatalog.h"

#include "data/UnitDM.h"
#include "widgets/DBEdit.h"

TfrmProdutos::TfrmProdutos(data::TDM *dm, QWidget *parent)
    : ProductRegister(dm, describedRegister(QStringLiteral("TfrmProdutos"), dm), parent)
{
    auto *form = new QWidget(this);
    setupUi(form);
    useForm(form);
}

// A new row leaves the focus where it was.
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
