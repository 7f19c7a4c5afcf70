#include "Unitconsultaproduto.h"

#include "core/Amount.h"
#include "data/UnitDM.h"
#include "widgets/DBGrid.h"
#include "widgets/LookupCombo.h"
#include "widgets/MovementWindow.h"
#include "widgets/Prompter.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace widgets;

namespace {

const QString kInformacao = QStringLiteral("Informação");

} // namespace

TfrmConsultaProduto::TfrmConsultaProduto(data::TDM *dm_, QWidget *parent)
    : QDialog(parent), dm(dm_), m_sale(dm_->IBDatabase1)
{
    setObjectName(QStringLiteral("TfrmConsultaProduto"));
    setWindowTitle(QStringLiteral("Consulta Lançamento"));
    setMovementWindowFlags(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleBanner(QStringLiteral("Consulta Lançamento")));

    auto *client = new QGroupBox(QStringLiteral("Cliente (Pressione a tecla \"ALT + P\" para pesquisar Fornecedor)"));
    auto *cl = new QHBoxLayout(client);
    Edit2 = new QLineEdit;
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setEnabled(false);
    Edit2->setMaximumWidth(80);
    SpeedButton1 = new QPushButton(QStringLiteral("&P"));
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setToolTip(QStringLiteral("Pesquisa Cliente"));
    SpeedButton1->setAutoDefault(false);
    SpeedButton1->setFixedWidth(32);
    FORNECEDOR = new QLineEdit;
    FORNECEDOR->setObjectName(QStringLiteral("FORNECEDOR"));
    FORNECEDOR->setEnabled(false);
    cl->addWidget(Edit2);
    cl->addWidget(SpeedButton1);
    cl->addWidget(FORNECEDOR, 1);
    layout->addWidget(client);

    auto *row = new QHBoxLayout;
    auto *invoice = new QGroupBox(QStringLiteral("Nota Fiscal"));
    nota = new QSpinBox;
    nota->setObjectName(QStringLiteral("nota"));
    nota->setRange(0, 999999);
    (new QHBoxLayout(invoice))->addWidget(nota);
    auto *species = new QGroupBox(QStringLiteral("Essência"));
    DBLookupComboBox1 = new DBLookupComboBox;
    DBLookupComboBox1->setObjectName(QStringLiteral("DBLookupComboBox1"));
    DBLookupComboBox1->setListSource(dm->TEssencia, QStringLiteral("CODIGO"), QStringLiteral("ESSENCIA"));
    DBLookupComboBox1->setDropDownOnEnter(true);
    DBLookupComboBox1->setMinimumWidth(200);
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->hide();
    auto *sl = new QHBoxLayout(species);
    sl->addWidget(DBLookupComboBox1);
    sl->addWidget(Edit1);
    row->addWidget(invoice);
    row->addWidget(species, 1);
    layout->addLayout(row);

    DBGrid1 = new DBGrid;
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setDataSource(dm->DSSaida_Discriminacao);
    DBGrid1->setColumns({{QStringLiteral("ESSENCIATIPO"), QStringLiteral("Produto"), 200},
                         {QStringLiteral("TOTALM3"), QStringLiteral("Qtde (M/3)"), 100},
                         {QStringLiteral("VALTOTAL"), QStringLiteral("Valor"), 100}});
    DBGrid1->setMinimumHeight(160);
    DBGrid1->setFocusPolicy(Qt::ClickFocus);
    layout->addWidget(DBGrid1);

    auto *results = new QGridLayout;
    auto result = [&](int r, const QString &caption, const QString &name) {
        auto *value = new QLabel;
        value->setObjectName(name);
        value->setStyleSheet(QStringLiteral("font-weight: bold; color: navy;"));
        results->addWidget(new QLabel(caption), r, 0);
        results->addWidget(value, r, 1);
        return value;
    };
    lancamentos = result(0, QStringLiteral("Total de lançamentos.:"), QStringLiteral("lancamentos"));
    m3 = result(1, QStringLiteral("Total de M3..........:"), QStringLiteral("m3"));
    valor = result(2, QStringLiteral("Valor Total..........:"), QStringLiteral("valor"));
    layout->addLayout(results);
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->hide();
    layout->addWidget(ProgressBar1);

    auto *bar = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("&Cansultar"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(QStringLiteral("&Retornar"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    bar->addStretch();
    for (QPushButton *b : {BitBtn1, BitBtn2}) {
        b->setAutoDefault(false);
        bar->addWidget(b);
    }
    layout->addLayout(bar);
    setTabOrder(SpeedButton1, nota);
    setTabOrder(nota, DBLookupComboBox1);
    setTabOrder(DBLookupComboBox1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);

    connect(SpeedButton1, &QPushButton::clicked, this, [this] { guarded(this, [this] { SpeedButton1Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn2Click(); }); });
    connect(DBLookupComboBox1, QOverload<int>::of(&QComboBox::activated), this,
            [this] { guarded(this, [this] { DBLookupComboBox1Click(); }); });
}

void TfrmConsultaProduto::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded(this, [this] { FormShow(); });
}


void TfrmConsultaProduto::FormShow()
{
    dm->TEssencia->close();
    dm->TEssencia->setIndexFieldNames(QStringLiteral("ESSENCIA"));
    dm->TEssencia->open();
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
    if (Edit2->text().trimmed().isEmpty()) {
        inform(QStringLiteral("Cliente deve ser informado!"), kInformacao, this);
        SpeedButton1->setFocus();
        return;
    }
    if (nota->value() == 0) {
        inform(QStringLiteral("Nota Fiscal deve ser informada!"), kInformacao, this);
        nota->setFocus();
        return;
    }
    if (!DBLookupComboBox1->hasSelection()) {
        inform(QStringLiteral("Essência deve ser informada!"), kInformacao, this);
        DBLookupComboBox1->setFocus();
        return;
    }
    const rules::InvoiceKey key{nota->value(), Edit2->text().trimmed().toDouble()};
    const QVariant species = DBLookupComboBox1->keyValue();
    auto *lines = dm->TSaida_Discriminacao;
    lines->close();
    lines->setFilter(QStringLiteral("CODIGOFORNECEDOR = :cli and NFNUMERO = :nf and CODIGOESSENCIA = :esp"),
                     {{QStringLiteral("cli"), key.supplier}, {QStringLiteral("nf"), key.number},
                      {QStringLiteral("esp"), species}});
    lines->setFiltered(true);
    lines->open();
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
    auto *lines = dm->TSaida_Discriminacao;
    lines->close();
    lines->setFiltered(false);
    dm->TEssencia->close();
    dm->TEssencia->setIndexFieldNames(QString());
    Edit2->clear();
    FORNECEDOR->clear();
    nota->setValue(0);
    DBLookupComboBox1->setKeyValue(QVariant());
    Edit1->clear();
    for (QLabel *l : {lancamentos, m3, valor})
        l->clear();
    QDialog::reject();
}

void TfrmConsultaProduto::reject()
{
    guarded(this, [this] { BitBtn2Click(); });
}
