#include "UnitConsultaProducao.h"

#include "core/Amount.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "widgets/FormBinder.h"
#include "widgets/Prompter.h"

using namespace widgets;

TfrmConsultaProducao::TfrmConsultaProducao(data::TDM *dm, QWidget *parent) : QueryWindow(dm, parent)
{
    setupUi(this);
    FormBinder::bind(this, dm->DPRODUCAO);
    setUpList(Essencia, dm->TEssencia, QStringLiteral("CODIGO"), QStringLiteral("ESSENCIA"));
    onClick(CheckBox1, [this] { CheckBox1Click(); });
    setUpQuery(BitBtn3, [this] { BitBtn3Click(); }, BitBtn1, [this] { BitBtn1Click(); });
}

void TfrmConsultaProducao::FormShow()
{
    Data->clearDate();
    Data->setFocus();
}

void TfrmConsultaProducao::CheckBox1Click()
{
    switchList(CheckBox1->isChecked(), Essencia, dm->TEssencia, QStringLiteral("ESSENCIA"));
}

void TfrmConsultaProducao::BitBtn3Click()
{
    // An impossible date is no date.
    if (!passChecks({{[this] { return !Data->isValidDate(); }, QStringLiteral("Data deve ser informada!"), Data}}, this,
                    QStringLiteral("Consulta")))
        return;
    // The whole day, whatever time a row carries; the date bound as a date.
    QString condition = QStringLiteral("DATA >= :dia and DATA < :seguinte");
    QVariantMap params = {{QStringLiteral("dia"), QDateTime(Data->date(), QTime(0, 0))},
                          {QStringLiteral("seguinte"), QDateTime(Data->date().addDays(1), QTime(0, 0))}};
    if (CheckBox1->isChecked() && Essencia->hasSelection()) {
        condition += QStringLiteral(" and CODIGOESSENCIA = :essencia");
        params.insert(QStringLiteral("essencia"), Essencia->keyValue());
    }
    showWhere(dm->TPRODUCAO, condition, params);
    const QVariantList sum = data::firstRow(
        dm->IBDatabase1, QStringLiteral("select sum(QSERRADA) from PRODUCAO where ") + condition, params);
    TotalProducao->setText(core::formatAmount(sum.value(0).toDouble(), QStringLiteral("#0.0000")));
}

void TfrmConsultaProducao::BitBtn1Click()
{
    closeAll({dm->TPRODUCAO, dm->TEssencia});
    Essencia->setKeyValue(QVariant());
    Essencia->setEnabled(false);
    CheckBox1->setChecked(false);
    TotalProducao->clear();
    leave();
}
