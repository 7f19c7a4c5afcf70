#include "UnitConsultaEPatio.h"

#include "core/Amount.h"
#include "data/UnitDM.h"
#include "rules/YardStock.h"
#include "widgets/Prompter.h"

#include <QButtonGroup>

using namespace widgets;

TfrmConsultaEPatio::TfrmConsultaEPatio(data::TDM *dm, QWidget *parent) : QueryWindow(dm, parent)
{
    setupUi(this);
    Essencia->setListSource(dm->TEssencia, QStringLiteral("ESSENCIA"), QStringLiteral("ESSENCIA"));
    m_tipo = new QButtonGroup(this);
    m_tipo->addButton(TipoEssencia, 0);
    m_tipo->addButton(TipoGeral, 1);
    connect(m_tipo, &QButtonGroup::idClicked, this, [this] { guarded(this, [this] { TipoClick(); }); });
    connect(Essencia, QOverload<int>::of(&QComboBox::activated), this,
            [this] { guarded(this, [this] { EssenciaClick(); }); });
    setUpQuery(BitBtn3, [this] { BitBtn3Click(); }, BitBtn1, [this] { BitBtn1Click(); });
}

void TfrmConsultaEPatio::TipoClick()
{
    if (TipoEssencia->isChecked()) {
        openSorted(dm->TEssencia, QStringLiteral("ESSENCIA"));
        Essencia->setEnabled(true);
        Essencia->setFocus();
        if (isVisible())
            Essencia->showPopup();
    } else if (TipoGeral->isChecked()) {
        dm->TEssencia->close();
        Essencia->setEnabled(false);
    }
}

void TfrmConsultaEPatio::EssenciaClick()
{
    Edit1->setText(Essencia->listValue(QStringLiteral("CODIGO")).toString());
}

void TfrmConsultaEPatio::BitBtn3Click()
{
    if (m_tipo->checkedId() < 0) {
        inform(QStringLiteral("Tipo de Consulta deve ser informada!"), QStringLiteral("Consulta"), this);
        return;
    }
    // The database keeps the yard's figures; asking costs the same however
    // many logs there are.
    double total = 0;
    if (TipoEssencia->isChecked()) {
        // No species chosen matches no line: the stock is zero.
        bool ok = false;
        const double code = Edit1->text().toDouble(&ok);
        total = ok ? rules::yardStockOfSpecies(dm->IBDatabase1, code) : 0.0;
    } else {
        total = rules::yardStock(dm->IBDatabase1);
    }
    TENTRADA1->setText(core::formatAmount(total, QStringLiteral("#0.0000")));
}

void TfrmConsultaEPatio::BitBtn1Click()
{
    TENTRADA1->clear();
    dm->QProduto->close();
    dm->QEssencia->close();
    dm->TEssencia->cancel();
    dm->TEssencia->close();
    closeAll({dm->TPRODUCAO, dm->TEntrada_discriminacao});
    uncheckAll(m_tipo);
    Essencia->setEnabled(false);
    Edit1->clear();
    leave();
}
