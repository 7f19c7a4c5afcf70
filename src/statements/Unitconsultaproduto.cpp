#include "Unitconsultaproduto.h"

#include "core/Amount.h"
#include "data/UnitDM.h"
#include "widgets/FormBinder.h"
#include "widgets/Prompter.h"

#include <QCoreApplication>

using namespace widgets;

namespace {

const QString kInformacao = QStringLiteral("Informação");

} // namespace

TfrmConsultaProduto::TfrmConsultaProduto(data::TDM *dm, QWidget *parent)
    : QueryWindow(dm, parent), m_sale(dm->IBDatabase1)
{
    setupUi(this);
    FormBinder::bind(this, dm->DSSaida_Discriminacao);
    setUpList(DBLookupComboBox1, dm->TEssencia, QStringLiteral("CODIGO"), QStringLiteral("ESSENCIA"));

    onClick(SpeedButton1, [this] { SpeedButton1Click(); });
    setUpQuery(BitBtn1, [this] { BitBtn1Click(); }, BitBtn2, [this] { BitBtn2Click(); });
    connect(DBLookupComboBox1, QOverload<int>::of(&QComboBox::activated), this,
            [this] { guarded(this, [this] { DBLookupComboBox1Click(); }); });
}

void TfrmConsultaProduto::FormShow()
{
    openSorted(dm->TEssencia, QStringLiteral("ESSENCIA"));
    SpeedButton1->setFocus();
}

// Closed without a choice the client stays as it was.
void TfrmConsultaProduto::SpeedButton1Click()
{
    const std::optional<PickedRow> row = m_clientPicker.choose();
    if (!row)
        return;
    Edit2->setText(row->text(QStringLiteral("CODIGOCREDOR")));
    FORNECEDOR->setText(row->text(QStringLiteral("NOMECREDOR")));
    activateWindow();
    nota->setFocus();
}

void TfrmConsultaProduto::DBLookupComboBox1Click()
{
    Edit1->setText(DBLookupComboBox1->keyValue().toString());
}

void TfrmConsultaProduto::BitBtn1Click()
{
    if (!passChecks({{[this] { return Edit2->text().trimmed().isEmpty(); }, QStringLiteral("Cliente deve ser informado!"),
                      SpeedButton1},
                     {[this] { return nota->value() == 0; }, QStringLiteral("Nota Fiscal deve ser informada!"), nota},
                     chosen(DBLookupComboBox1, QStringLiteral("Essência deve ser informada!"))},
                    this, kInformacao))
        return;
    const rules::InvoiceKey key{nota->value(), Edit2->text().trimmed().toDouble()};
    const QVariant species = DBLookupComboBox1->keyValue();
    showWhere(dm->TSaida_Discriminacao,
              QStringLiteral("CODIGOFORNECEDOR = :cli and NFNUMERO = :nf and CODIGOESSENCIA = :esp"),
              {{QStringLiteral("cli"), key.supplier}, {QStringLiteral("nf"), key.number}, {QStringLiteral("esp"), species}});
    // The sums are the database's; the bar shows the lines counted.
    const rules::InvoiceTotals totals = m_sale.totals(key, species);
    ProgressBar1->setRange(0, qMax(totals.lines, 1));
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    ProgressBar1->setValue(ProgressBar1->maximum());
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    showTotals(totals);
    ProgressBar1->hide();
}

void TfrmConsultaProduto::showTotals(const rules::InvoiceTotals &totals)
{
    lancamentos->setText(QString::number(totals.lines));
    m3->setText(core::formatAmount(totals.volume, QStringLiteral("#0.0000")));
    valor->setText(core::formatAmount(totals.value, QStringLiteral("#0.00")));
}

void TfrmConsultaProduto::BitBtn2Click()
{
    closeAll({dm->TSaida_Discriminacao});
    dm->TEssencia->close();
    dm->TEssencia->setIndexFieldNames(QString());
    Edit2->clear();
    FORNECEDOR->clear();
    nota->setValue(0);
    DBLookupComboBox1->setKeyValue(QVariant());
    Edit1->clear();
    clearAll({lancamentos, m3, valor});
    leave();
}
