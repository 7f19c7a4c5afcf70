#include "UnitCoeficiente.h"

#include "data/UnitDM.h"
#include "rules/SawingYield.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace widgets;

TfrmCoeficiente::TfrmCoeficiente(data::TDM *dm_, QWidget *parent) : QDialog(parent), dm(dm_)
{
    setObjectName(QStringLiteral("TfrmCoeficiente"));
    setWindowTitle(QStringLiteral("Coeficiente de Rendimento"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Rendimento volumétrico de toras em madeira serrada aprovado\n"
                                                "para a empresa (o legal é 35%).")));
    auto *row = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("&Coeficiente (%)"));
    PERCENTUAL = new NumericEdit(nullptr, 2);
    PERCENTUAL->setObjectName(QStringLiteral("PERCENTUAL"));
    caption->setBuddy(PERCENTUAL);
    row->addWidget(caption);
    row->addWidget(PERCENTUAL);
    layout->addLayout(row);
    auto *buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("&Gravar"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(QStringLiteral("&Retornar"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton *b : {BitBtn1, BitBtn2}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmCoeficiente::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        guarded(this, [this] { PERCENTUAL->setValue(rules::yieldCoefficient(dm->IBDatabase1)); });
        PERCENTUAL->setFocus();
    }
}

void TfrmCoeficiente::BitBtn1Click()
{
    const double percent = PERCENTUAL->value();
    if (!(percent > 0 && percent < 100)) {
        inform(QStringLiteral("O coeficiente deve estar entre 0 e 100%!"), QStringLiteral("Informação"), this);
        PERCENTUAL->setFocus();
        return;
    }
    if (!ask(QStringLiteral("Confirma Coeficiente?"), QStringLiteral("Confirmação"), this))
        return;
    rules::setYieldCoefficient(dm->IBDatabase1, percent);
    accept();
}
