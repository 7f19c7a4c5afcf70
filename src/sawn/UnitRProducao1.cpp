#include "UnitRProducao1.h"
#include "ui_UnitRProducao1.h"

#include "data/UnitDM.h"
#include "widgets/DateEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/Prompter.h"


TfrmRProducao1::TfrmRProducao1(data::TDM *dm, QWidget *parent)
    : EntradaListWindow(
          dm, {QStringLiteral("RepProducao1"), {QStringLiteral("DATA"), QStringLiteral("CODPRODUTO")}, true}, parent)
{
    Ui::TfrmRProducao1 ui;
    ui.setupUi(this);
    takeForm(ui);
    Essencia = ui.Essencia;
    Essencia->setListSource(dm->TEssencia, QStringLiteral("CODIGO"), QStringLiteral("ESSENCIA"));
}

void TfrmRProducao1::FormShow()
{
    data::Table *species = dm->TEssencia;
    species->close();
    species->setIndexFieldNames(QStringLiteral("ESSENCIA"));
    species->open();
    EntradaListWindow::FormShow();
}

bool TfrmRProducao1::checkFields()
{
    if (!Essencia->hasSelection()) {
        widgets::inform(QStringLiteral("Essência deve ser informada!"), QStringLiteral("Informação"), this);
        Essencia->setFocus();
        return false;
    }
    return true;
}

void TfrmRProducao1::addParameters(QVariantMap &params)
{
    params.insert(QStringLiteral("essencia"), Essencia->keyValue());
}

void TfrmRProducao1::clearFields()
{
    EntradaListWindow::clearFields();
    Essencia->setKeyValue(QVariant());
    dm->TEssencia->close();
}
