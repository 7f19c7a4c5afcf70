#include "UnitConsultaEPatio.h"

#include "core/Amount.h"
#include "data/UnitDM.h"
#include "rules/YardStock.h"
#include "widgets/LookupCombo.h"
#include "widgets/MovementWindow.h"
#include "widgets/Prompter.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace widgets;

TfrmConsultaEPatio::TfrmConsultaEPatio(data::TDM *dm_, QWidget *parent) : QDialog(parent), dm(dm_)
{
    setObjectName(QStringLiteral("TfrmConsultaEPatio"));
    setWindowTitle(QStringLiteral("Consulta Estoque do Pátio"));
    setMovementWindowFlags(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleBanner(QStringLiteral("Estoque do Pátio")));

    Tipo = new QGroupBox(QStringLiteral("Tipo da Consulta"));
    Tipo->setObjectName(QStringLiteral("Tipo"));
    auto *tl = new QHBoxLayout(Tipo);
    TipoEssencia = new QRadioButton(QStringLiteral("Pôr Essência"));
    TipoEssencia->setObjectName(QStringLiteral("TipoEssencia"));
    TipoGeral = new QRadioButton(QStringLiteral("Geral"));
    TipoGeral->setObjectName(QStringLiteral("TipoGeral"));
    m_tipo = new QButtonGroup(this);
    m_tipo->addButton(TipoEssencia, 0);
    m_tipo->addButton(TipoGeral, 1);
    tl->addWidget(TipoEssencia);
    tl->addWidget(TipoGeral);
    layout->addWidget(Tipo);

    auto *box = new QGroupBox(QStringLiteral("Selecione a Essência que deseja consultar"));
    auto *bl = new QVBoxLayout(box);
    Essencia = new DBLookupComboBox;
    Essencia->setObjectName(QStringLiteral("Essencia"));
    Essencia->setListSource(dm->TEssencia, QStringLiteral("ESSENCIA"), QStringLiteral("ESSENCIA"));
    Essencia->setMaxVisibleItems(8);
    Essencia->setEnabled(false);
    bl->addWidget(Essencia);
    layout->addWidget(box);

    auto *result = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("Estoque do Pátio......:"));
    TENTRADA1 = new QLabel;
    TENTRADA1->setObjectName(QStringLiteral("TENTRADA1"));
    TENTRADA1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TENTRADA1->setMinimumWidth(140);
    TENTRADA1->setStyleSheet(QStringLiteral("font-weight: bold; color: blue;"));
    result->addWidget(caption);
    result->addWidget(TENTRADA1, 1);
    layout->addLayout(result);
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->hide();
    layout->addWidget(Edit1);

    auto *buttons = new QHBoxLayout;
    BitBtn3 = new QPushButton(QStringLiteral("&Cansultar"));
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn1 = new QPushButton(QStringLiteral("&Retornar"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn1);
    layout->addLayout(buttons);

    connect(m_tipo, &QButtonGroup::idClicked, this, [this] { guarded(this, [this] { TipoClick(); }); });
    connect(Essencia, QOverload<int>::of(&QComboBox::activated), this,
            [this] { guarded(this, [this] { EssenciaClick(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
}

void TfrmConsultaEPatio::TipoClick()
{
    if (TipoEssencia->isChecked()) {
        dm->TEssencia->close();
        dm->TEssencia->setIndexFieldNames(QStringLiteral("ESSENCIA"));
        dm->TEssencia->open();
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
    dm->TEntrada_discriminacao->setFiltered(false);
    dm->TPRODUCAO->setFiltered(false);
    TENTRADA1->clear();
    dm->QProduto->close();
    dm->QEssencia->close();
    dm->TEssencia->cancel();
    dm->TEssencia->close();
    dm->TPRODUCAO->close();
    dm->TEntrada_discriminacao->close();
    m_tipo->setExclusive(false);
    TipoEssencia->setChecked(false);
    TipoGeral->setChecked(false);
    m_tipo->setExclusive(true);
    Essencia->setEnabled(false);
    Edit1->clear();
    QDialog::reject();
}

void TfrmConsultaEPatio::reject()
{
    guarded(this, [this] { BitBtn1Click(); });
}
