#include "UnitDemo.h"

#include "core/Amount.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "widgets/FormBinder.h"
#include "widgets/Prompter.h"

#include <QButtonGroup>
#include <QLocale>

using namespace widgets;

namespace {

const QString kQty4 = QStringLiteral("#0.0000");
const QString kMoney = QStringLiteral("#0.00");

// The shown text back as a number (decimal comma, no thousands separator).
double shownValue(const QLabel *label)
{
    return QLocale(QLocale::Portuguese, QLocale::Brazil).toDouble(label->text());
}

} // namespace

TfrmDemo::TfrmDemo(data::TDM *dm, QWidget *parent) : QueryWindow(dm, parent)
{
    setupUi(this);
    FormBinder::bind(this, {{QStringLiteral("entradaToros"), dm->DSEntrada_Discriminacao},
                            {QStringLiteral("saidaToros"), dm->DS_SAIDATOROSDISCRIMINACAO},
                            {QStringLiteral("entradaSerrada"), dm->DESDISCRIMINACAO},
                            {QStringLiteral("saidaSerrada"), dm->DSSaida_Discriminacao}});
    m_tipo = new QButtonGroup(this);
    m_tipo->addButton(Compras, 0);
    m_tipo->addButton(Vendas, 1);
    connect(m_tipo, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            guarded(this, [this] { RadioGroup1Click(); });
    });
    setUpQuery(BitBtn1, [this] { BitBtn1Click(); }, BitBtn2, [this] { BitBtn2Click(); });
}

void TfrmDemo::FormShow()
{
    if (Compras->isChecked())
        RadioGroup1Click(); // the same type again still shows its grids
    else
        Compras->setChecked(true);
    DateEdit1->clearDate();
    DateEdit2->clearDate();
    ESTOQUE->clear();
    DateEdit1->setFocus();
}

TfrmDemo::Block TfrmDemo::logBlock() const
{
    return Compras->isChecked() ? Block{dm->TEntrada_discriminacao, QStringLiteral("QUANTIDADE"), QTORO, VTORO}
                                : Block{dm->TSAIDATOROSDISCRIMINACAO, QStringLiteral("QUANTIDADE"), QTORO, VTORO};
}

TfrmDemo::Block TfrmDemo::sawnBlock() const
{
    return Compras->isChecked() ? Block{dm->TESDISCRIMINACAO, QStringLiteral("QUANTIDADE"), QSERRADA, VSERRADA}
                                : Block{dm->TSaida_Discriminacao, QStringLiteral("TOTALM3"), QSERRADA, VSERRADA};
}

void TfrmDemo::RadioGroup1Click()
{
    const bool compras = Compras->isChecked();
    DBGrid1->setVisible(compras);
    DBGrid2->setVisible(compras);
    DBGrid3->setVisible(!compras);
    DBGrid4->setVisible(!compras);
    if (compras)
        closeAll({dm->TEntrada_discriminacao, dm->TESDISCRIMINACAO});
    else
        closeAll({dm->TSaida_Discriminacao, dm->TSAIDATOROSDISCRIMINACAO});
    clearAll({QTORO, VTORO, QSERRADA, VSERRADA, QUANTIDADE, ESTOQUE});
}

void TfrmDemo::query(const Block &block)
{
    const QVariantMap period = periodParams(DateEdit1, DateEdit2);
    const QString condition = periodCondition(QStringLiteral("DATALANCAMENTO"));
    showWhere(block.table, condition, period);
    // SUM leaves out empty values, which is counting them as 0.
    const QVariantList sums = data::firstRow(
        dm->IBDatabase1,
        QStringLiteral("select sum(%1), sum(VALTOTAL) from %2 where %3").arg(block.quantity, block.table->tableName(), condition),
        period);
    block.q->setText(core::formatAmount(sums.value(0).toDouble(), kQty4));
    block.v->setText(core::formatAmount(sums.value(1).toDouble(), kMoney));
}

void TfrmDemo::BitBtn1Click()
{
    if (!periodGiven(DateEdit1, DateEdit2, QStringLiteral("Informação")))
        return;
    query(logBlock());
    query(sawnBlock());
    // The totals add the sub-totals as shown, each already rounded.
    QUANTIDADE->setText(core::formatAmount(shownValue(QTORO) + shownValue(QSERRADA), kQty4));
    ESTOQUE->setText(core::formatAmount(shownValue(VTORO) + shownValue(VSERRADA), kMoney));
}

void TfrmDemo::BitBtn2Click()
{
    closeAll({dm->TEntrada_discriminacao, dm->TESDISCRIMINACAO, dm->TSaida_Discriminacao, dm->TSAIDATOROSDISCRIMINACAO});
    dm->TPRODUCAO->close();
    QSERRADA->clear();
    VTORO->clear();
    QUANTIDADE->clear();
    leave();
}
