#include "Unitsubprodutos.h"

#include "RegisterCatalog.h"

#include "data/UnitDM.h"
#include "widgets/DBEdit.h"

Tfrmsubprodutos::Tfrmsubprodutos(data::TDM *dm, QWidget *parent)
    : ProductRegister(dm, describedRegister(QStringLiteral("Tfrmsubprodutos"), dm), parent)
{
    auto *form = new QWidget(this);
    setupUi(form);
    useForm(form);
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
