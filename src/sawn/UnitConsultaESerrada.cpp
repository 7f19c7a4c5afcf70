#include "UnitConsultaESerrada.h"

#include "core/Amount.h"
#include "data/UnitDM.h"
#include "rules/SawnBalance.h"
#include "widgets/Prompter.h"

#include <QButtonGroup>

using namespace widgets;

namespace {

const QString kConsulta = QStringLiteral("Consulta");
const QString kVolume = QStringLiteral("#0.0000");

} // namespace

TfrmConsultaESerrada::TfrmConsultaESerrada(data::TDM *dm, QWidget *parent) : QueryWindow(dm, parent)
{
    setupUi(this);
    setUpList(Produto, dm->TSUBPRODUTOS, QStringLiteral("GRAUIND"), QStringLiteral("NOMEGRAU"));
    setUpList(Essencia, dm->TEssencia, QStringLiteral("CODIGO"), QStringLiteral("ESSENCIA"));
    m_tipo = new QButtonGroup(this);
    m_tipo->addButton(TipoProdutoEssencia, 0);
    m_tipo->addButton(TipoProduto, 1);
    m_tipo->addButton(TipoGeral, 2);
    connect(m_tipo, &QButtonGroup::idClicked, this, [this] { guarded(this, [this] { TipoClick(); }); });
    setUpQuery(BitBtn3, [this] { BitBtn3Click(); }, BitBtn1, [this] { BitBtn1Click(); });
}

void TfrmConsultaESerrada::TipoClick()
{
    if (TipoGeral->isChecked()) {
        Produto->setEnabled(false);
        Essencia->setEnabled(false);
        return;
    }
    // Switching between the two kinds keeps the lists and their choices.
    openSorted(dm->TSUBPRODUTOS, QStringLiteral("NOMEGRAU"), false);
    openSorted(dm->TEssencia, QStringLiteral("ESSENCIA"), false);
    Produto->setEnabled(true);
    Essencia->setEnabled(TipoProdutoEssencia->isChecked());
}

void TfrmConsultaESerrada::BitBtn3Click()
{
    const bool both = TipoProdutoEssencia->isChecked();
    const bool product = both || TipoProduto->isChecked();
    QVector<SaveCheck> checks = {
        {[this] { return m_tipo->checkedId() < 0; }, QStringLiteral("Tipo de Consulta deve ser informada!"), nullptr}};
    if (product)
        checks << chosen(Produto, QStringLiteral("Tipo de Produto deve ser informado!"));
    if (both)
        checks << chosen(Essencia, QStringLiteral("Essência deve ser informada!"));
    if (!passChecks(checks, this, kConsulta))
        return;
    const rules::SawnBalance b = both      ? rules::SawnBalance::of(dm->IBDatabase1, Essencia->keyValue(), Produto->keyValue())
                                 : product ? rules::SawnBalance::ofProduct(dm->IBDatabase1, Produto->keyValue())
                                           : rules::SawnBalance::overall(dm->IBDatabase1);
    TotalEntrada->setText(core::formatAmount(b.intake, kVolume));
    TotalProducao->setText(core::formatAmount(b.production, kVolume));
    TotalSaida->setText(core::formatAmount(b.output, kVolume));
    // The stock is worked out from the totals as shown, so the four lines
    // always add up on the screen.
    const qint64 stock = core::toTenThousandths(b.intake) + core::toTenThousandths(b.production)
        - core::toTenThousandths(b.output);
    Estoque->setText(core::formatAmount(core::fromTenThousandths(stock), kVolume));
}

void TfrmConsultaESerrada::BitBtn1Click()
{
    clearAll({TotalEntrada, TotalProducao, TotalSaida, Estoque});
    Produto->setKeyValue(QVariant());
    Essencia->setKeyValue(QVariant());
    dm->TSUBPRODUTOS->close();
    dm->TEssencia->close();
    uncheckAll(m_tipo);
    Produto->setEnabled(false);
    Essencia->setEnabled(false);
    leave();
}
