#include "UnitCoeficiente.h"

#include "data/UnitDM.h"
#include "rules/SawingYield.h"
#include "widgets/FormBinder.h"
#include "widgets/Prompter.h"

using namespace widgets;

TfrmCoeficiente::TfrmCoeficiente(data::TDM *dm, QWidget *parent) : QueryWindow(dm, parent, true)
{
    setupUi(this);
    FormBinder::applyLooks(this);
    onClick(BitBtn1, [this] { BitBtn1Click(); });
    // Nothing to clear: every showing reads the coefficient again.
    setReturn(BitBtn2, [this] { leave(); });
}

void TfrmCoeficiente::FormShow()
{
    guarded(this, [this] { PERCENTUAL->setValue(rules::yieldCoefficient(dm->IBDatabase1)); });
    PERCENTUAL->setFocus();
}

void TfrmCoeficiente::BitBtn1Click()
{
    const double percent = PERCENTUAL->value();
    if (!(percent > 0 && percent < 100)) {
        inform(QStringLiteral("O coeficiente deve estar entre 0 e 100%!"), QStringLiteral("Informação"), this);
        PERCENTUAL->setFocus();
        return;
    }
    if (!ask(QStringLiteral("Confirma Coeficiente?"), QStringLiteral("Confirmação"), this))
        return;
    rules::setYieldCoefficient(dm->IBDatabase1, percent);
    accept();
}
