#include "UnitConsultaESerrada.h"

#include "core/Amount.h"
#include "data/UnitDM.h"
#include "rules/SawnBalance.h"
#include "widgets/LookupCombo.h"
#include "widgets/MovementWindow.h"
#include "widgets/Prompter.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace widgets;

namespace {

const QString kConsulta = QStringLiteral("Consulta");
const QString kVolume = QStringLiteral("#0.0000");

QLabel *totalLabel(const QString &name)
{
    auto *l = new QLabel;
    l->setObjectName(name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(150);
    l->setStyleSheet(QStringLiteral("font-family: 'Courier New'; font-weight: bold; color: navy;"));
    return l;
}

QFrame *hRule()
{
    auto *f = new QFrame;
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

} // namespace

TfrmConsultaESerrada::TfrmConsultaESerrada(data::TDM *dm_, QWidget *parent) : QDialog(parent), dm(dm_)
{
    setObjectName(QStringLiteral("TfrmConsultaESerrada"));
    setWindowTitle(QStringLiteral("Consulta Estoque Madeira Serrada"));
    setMovementWindowFlags(this);
    auto *layout = new QVBoxLayout(this);

    Tipo = new QGroupBox(QStringLiteral("Tipo da Consulta"));
    Tipo->setObjectName(QStringLiteral("Tipo"));
    auto *tl = new QHBoxLayout(Tipo);
    TipoProdutoEssencia = new QRadioButton(QStringLiteral("Produto e Essência"));
    TipoProdutoEssencia->setObjectName(QStringLiteral("TipoProdutoEssencia"));
    TipoProduto = new QRadioButton(QStringLiteral("Produto"));
    TipoProduto->setObjectName(QStringLiteral("TipoProduto"));
    TipoGeral = new QRadioButton(QStringLiteral("Geral"));
    TipoGeral->setObjectName(QStringLiteral("TipoGeral"));
    m_tipo = new QButtonGroup(this);
    m_tipo->addButton(TipoProdutoEssencia, 0);
    m_tipo->addButton(TipoProduto, 1);
    m_tipo->addButton(TipoGeral, 2);
    for (QRadioButton *b : {TipoProdutoEssencia, TipoProduto, TipoGeral})
        tl->addWidget(b);
    layout->addWidget(Tipo);

    auto lookupBox = [&](const QString &title, DBLookupComboBox *&combo, const QString &name, data::Table *list,
                         const QString &key, const QString &shown) {
        auto *box = new QGroupBox(title);
        auto *bl = new QVBoxLayout(box);
        combo = new DBLookupComboBox;
        combo->setObjectName(name);
        combo->setListSource(list, key, shown);
        combo->setMaxVisibleItems(8);
        combo->setDropDownOnEnter(true);
        combo->setEnabled(false);
        bl->addWidget(combo);
        layout->addWidget(box);
    };
    lookupBox(QStringLiteral("Selecione o Produto"), Produto, QStringLiteral("Produto"), dm->TSUBPRODUTOS,
              QStringLiteral("GRAUIND"), QStringLiteral("NOMEGRAU"));
    lookupBox(QStringLiteral("Selecione a Essência que deseja consultar"), Essencia, QStringLiteral("Essencia"),
              dm->TEssencia, QStringLiteral("CODIGO"), QStringLiteral("ESSENCIA"));

    auto *totals = new QGridLayout;
    auto row = [&](int r, const QString &caption, QLabel *value) {
        auto *c = new QLabel(caption);
        c->setStyleSheet(QStringLiteral("font-family: 'Courier New'; color: navy;"));
        totals->addWidget(c, r, 0);
        totals->addWidget(value, r, 1);
    };
    TotalEntrada = totalLabel(QStringLiteral("TotalEntrada"));
    TotalProducao = totalLabel(QStringLiteral("TotalProducao"));
    TotalSaida = totalLabel(QStringLiteral("TotalSaida"));
    Estoque = totalLabel(QStringLiteral("Estoque"));
    row(0, QStringLiteral("Entrada Serrada...........:"), TotalEntrada);
    row(1, QStringLiteral("Total Produção............:"), TotalProducao);
    row(2, QStringLiteral("Total da Saída............:"), TotalSaida);
    totals->addWidget(hRule(), 3, 0, 1, 2);
    row(4, QStringLiteral("Estoque Mad. Serrada..:"), Estoque);
    totals->addWidget(hRule(), 5, 0, 1, 2);
    layout->addLayout(totals);

    auto *buttons = new QHBoxLayout;
    BitBtn3 = new QPushButton(QStringLiteral("&Cansultar"));
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn1 = new QPushButton(QStringLiteral("&Retornar"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    for (QPushButton *b : {BitBtn3, BitBtn1}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(m_tipo, &QButtonGroup::idClicked, this, [this] { guarded(this, [this] { TipoClick(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
}

void TfrmConsultaESerrada::TipoClick()
{
    if (TipoGeral->isChecked()) {
        Produto->setEnabled(false);
        Essencia->setEnabled(false);
        return;
    }
    if (!dm->TSUBPRODUTOS->isActive() || dm->TSUBPRODUTOS->indexFieldNames() != QLatin1String("NOMEGRAU")) {
        dm->TSUBPRODUTOS->close();
        dm->TSUBPRODUTOS->setIndexFieldNames(QStringLiteral("NOMEGRAU"));
        dm->TSUBPRODUTOS->open();
    }
    if (!dm->TEssencia->isActive() || dm->TEssencia->indexFieldNames() != QLatin1String("ESSENCIA")) {
        dm->TEssencia->close();
        dm->TEssencia->setIndexFieldNames(QStringLiteral("ESSENCIA"));
        dm->TEssencia->open();
    }
    Produto->setEnabled(true);
    Essencia->setEnabled(TipoProdutoEssencia->isChecked());
}

void TfrmConsultaESerrada::BitBtn3Click()
{
    rules::SawnBalance b;
    switch (m_tipo->checkedId()) {
    case 0:
        if (!Produto->hasSelection()) {
            inform(QStringLiteral("Tipo de Produto deve ser informado!"), kConsulta, this);
            Produto->setFocus();
            return;
        }
        if (!Essencia->hasSelection()) {
            inform(QStringLiteral("Essência deve ser informada!"), kConsulta, this);
            Essencia->setFocus();
            return;
        }
        b = rules::SawnBalance::of(dm->IBDatabase1, Essencia->keyValue(), Produto->keyValue());
        break;
    case 1:
        if (!Produto->hasSelection()) {
            inform(QStringLiteral("Tipo de Produto deve ser informado!"), kConsulta, this);
            Produto->setFocus();
            return;
        }
        b = rules::SawnBalance::ofProduct(dm->IBDatabase1, Produto->keyValue());
        break;
    case 2:
        b = rules::SawnBalance::overall(dm->IBDatabase1);
        break;
    default:
        inform(QStringLiteral("Tipo de Consulta deve ser informada!"), kConsulta, this);
        return;
    }
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
    for (QLabel *l : {TotalEntrada, TotalProducao, TotalSaida, Estoque})
        l->clear();
    Produto->setKeyValue(QVariant());
    Essencia->setKeyValue(QVariant());
    dm->TSUBPRODUTOS->close();
    dm->TEssencia->close();
    m_tipo->setExclusive(false);
    for (QRadioButton *b : {TipoProdutoEssencia, TipoProduto, TipoGeral})
        b->setChecked(false);
    m_tipo->setExclusive(true);
    Produto->setEnabled(false);
    Essencia->setEnabled(false);
    QDialog::reject();
}

void TfrmConsultaESerrada::reject()
{
    guarded(this, [this] { BitBtn1Click(); });
}
