#include "UnitfrmFunrural.h"

#include "core/Amount.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "widgets/FormBinder.h"
#include "widgets/Prompter.h"

using namespace widgets;

TfrmFunRural::TfrmFunRural(data::TDM *dm, QWidget *parent) : QueryWindow(dm, parent)
{
    setupUi(this);
    FormBinder::bind(this, dm->DSEntrada);
    onClick(CheckBox1, [this] { CheckBox1Click(); });
    onClick(SpeedButton1, [this] { SpeedButton1Click(); });
    setUpQuery(BitBtn1, [this] { BitBtn1Click(); }, BitBtn2, [this] { BitBtn2Click(); });
}

void TfrmFunRural::FormShow()
{
    DateEdit1->clearDate();
    DateEdit2->clearDate();
    essencia->clear();
    FORNECEDOR->clear();
    DateEdit1->setFocus();
}


void TfrmFunRural::CheckBox1Click()
{
    if (CheckBox1->isChecked()) {
        SpeedButton1->setEnabled(true);
    } else {
        essencia->setEnabled(false);
        SpeedButton1->setEnabled(false);
        FORNECEDOR->setEnabled(false);
        essencia->clear();
        FORNECEDOR->clear();
    }
}

void TfrmFunRural::SpeedButton1Click()
{
    if (const std::optional<PickedRow> row = m_suppliers.choose()) {
        essencia->setText(row->text(QStringLiteral("CODIGOFORNECEDOR")));
        FORNECEDOR->setText(row->text(QStringLiteral("NOMEFORNECEDOR")));
        BitBtn1->setFocus();
    }
}

void TfrmFunRural::BitBtn1Click()
{
    if (!periodGiven(DateEdit1, DateEdit2, QStringLiteral("Consulta")))
        return;
    QVariantMap params = periodParams(DateEdit1, DateEdit2);
    QString condition = periodCondition(QStringLiteral("DATA_EMISSAO"));
    // Only a code in the edit narrows to one supplier, whatever the box says.
    const QString code = essencia->text().trimmed();
    if (!code.isEmpty()) {
        condition += QStringLiteral(" and CODIGOFORNECEDOR = :fornecedor");
        params.insert(QStringLiteral("fornecedor"), code.toDouble());
    }
    showWhere(dm->TEntrada, condition, params);
    const QVariantList sum = data::firstRow(
        dm->IBDatabase1, QStringLiteral("select sum(VALOR_FUNRURAL) from ENTRADA_TOROS where ") + condition, params);
    ESTOQUE->setText(core::formatAmount(sum.value(0).toDouble(), QStringLiteral("#0.00")));
}

void TfrmFunRural::BitBtn2Click()
{
    closeAll({dm->TEntrada});
    ESTOQUE->clear();
    essencia->clear();
    FORNECEDOR->clear();
    leave();
}
