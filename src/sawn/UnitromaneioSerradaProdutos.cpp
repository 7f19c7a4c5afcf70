#include "UnitromaneioSerradaProdutos.h"

#include "SawnLineTotals.h"

#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/FormBinder.h"
#include "widgets/Prompter.h"

#include <QPushButton>
#include <QRegularExpressionValidator>

using namespace widgets;

TfrmromaneioSerradaProdutos::TfrmromaneioSerradaProdutos(data::TDM *dm_, QWidget *parent)
    : PackingListLineWindow(dm_, parent)
{
    setupUi(this);
    FormBinder::bind(this, dm->DS_ROMANEIOSERRADA);
    QUANTIDADE->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), QUANTIDADE));

    m_totals = new SawnLineTotals(dm->TROMANEIOSERRADA, QStringLiteral("VLUNITARIO"), QStringLiteral("VLTOTAL"), this);
    m_totals->showTotalIn(TOTALM3, LabelTotal);

    setUpLines(dm->TROMANEIOSERRADA, CODPRODUTO, BitBtn1, BitBtn3);
    listsSpecies(ESSENCIA, QStringLiteral("CODESSENCIA"));
    listsSubProducts(PRODUTO, QStringLiteral("CODSUBPRODUTO"), true);
    countsPieces(QUANTIDADE, QStringLiteral("QUANTIDADE"));
    savesOnLeaving(VLUNITARIO);
}

void TfrmromaneioSerradaProdutos::BitBtn1Click()
{
    auto *t = dm->TROMANEIOSERRADA;
    if (!t->isEditing())
        return;
    m_totals->recompute();
    saveLine({chosen(ESSENCIA, QStringLiteral("Essência deve ser informada!")),
              chosen(PRODUTO, QStringLiteral("Essência Tipo deve ser informada!")),
              unitChosen(UNIDADE),
              notZero(QUANTIDADE, QStringLiteral("Quantidade deve ser informada!")),
              notZero(VLUNITARIO, QStringLiteral("Valor Unitário deve ser informado!"))},
             [this, t] { postToList(t); }, QStringLiteral("Insere Outro Produto para este Cliente?"), {},
             [this, t] {
                 t->setFiltered(false);
                 t->close();
                 close();
             });
}

void TfrmromaneioSerradaProdutos::BitBtn3Click()
{
    dm->QSUBPRODUTOS->close();
    close();
}
