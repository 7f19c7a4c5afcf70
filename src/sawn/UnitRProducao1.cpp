#include "UnitRProducao1.h"

#include "data/UnitDM.h"
#include "widgets/DateEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/Prompter.h"

#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>

TfrmRProducao1::TfrmRProducao1(data::TDM *dm, QWidget *parent)
    : EntradaListWindow(dm,
                        Setup{QStringLiteral("TfrmRProducao1"),
                              QStringLiteral("Relatório - Produção"),
                              QStringLiteral("RepProducao1"),
                              {{QStringLiteral("DATA PRODUÇÃO"), QStringLiteral("DATA")},
                               {QStringLiteral("CODIGO PRODUTO"), QStringLiteral("CODPRODUTO")}},
                              0,
                              true},
                        parent)
{
    auto *box = new QGroupBox(QStringLiteral("Essência"));
    auto *bl = new QVBoxLayout(box);
    Essencia = new widgets::DBLookupComboBox;
    Essencia->setObjectName(QStringLiteral("Essencia"));
    Essencia->setListSource(dm->TEssencia, QStringLiteral("CODIGO"), QStringLiteral("ESSENCIA"));
    Essencia->setMaxVisibleItems(8);
    bl->addWidget(Essencia);
    fieldsLayout()->addWidget(box);
    setTabOrder(DataFinal1, Essencia);
    setTabOrder(Essencia, ComboBox1);
}

void TfrmRProducao1::FormShow()
{
    data::Table *species = dm->TEssencia;
    species->close();
    species->setIndexFieldNames(QStringLiteral("ESSENCIA"));
    species->open();
    EntradaListWindow::FormShow();
}

bool TfrmRProducao1::checkFields()
{
    if (!Essencia->hasSelection()) {
        widgets::inform(QStringLiteral("Essência deve ser informada!"), QStringLiteral("Informação"), this);
        Essencia->setFocus();
        return false;
    }
    return true;
}

void TfrmRProducao1::addParameters(QVariantMap &params)
{
    params.insert(QStringLiteral("essencia"), Essencia->keyValue());
}

void TfrmRProducao1::clearFields()
{
    EntradaListWindow::clearFields();
    Essencia->setKeyValue(QVariant());
    dm->TEssencia->close();
}
