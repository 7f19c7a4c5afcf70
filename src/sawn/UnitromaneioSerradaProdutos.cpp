#include "UnitromaneioSerradaProdutos.h"

#include "SawnLineTotals.h"

#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace widgets;

TfrmromaneioSerradaProdutos::TfrmromaneioSerradaProdutos(data::TDM *dm_, QWidget *parent)
    : PackingListLineWindow(parent), dm(dm_)
{
    setObjectName(QStringLiteral("TfrmromaneioSerradaProdutos"));
    setWindowTitle(QStringLiteral("Produtos"));
    data::DataSource *rows = dm->DS_ROMANEIOSERRADA;
    auto numeric = [&](const QString &column, int decimals) { return makeNumericEdit(column, rows, column, decimals); };

    CODPRODUTO = new ZeroPadEdit(nullptr, 6);
    CODPRODUTO->setObjectName(QStringLiteral("CODPRODUTO"));
    CODPRODUTO->setDataSource(rows);
    CODPRODUTO->setDataField(QStringLiteral("CODPRODUTO"));
    ESSENCIA = new DBLookupComboBox;
    ESSENCIA->setObjectName(QStringLiteral("ESSENCIA"));
    ESSENCIA->setListSource(dm->QEssencia, QStringLiteral("ESSENCIA"), QStringLiteral("ESSENCIA"));
    ESSENCIA->setDataSource(rows);
    ESSENCIA->setDataField(QStringLiteral("ESSENCIA"));
    ESSENCIA->setDropDownOnEnter(true);
    PRODUTO = new DBLookupComboBox;
    PRODUTO->setObjectName(QStringLiteral("PRODUTO"));
    PRODUTO->setListSource(dm->QSUBPRODUTOS, QStringLiteral("NOMEGRAU"), QStringLiteral("NOMEGRAU"));
    PRODUTO->setDataSource(rows);
    PRODUTO->setDataField(QStringLiteral("PRODUTO"));
    PRODUTO->setDropDownOnEnter(true);
    CODESSENCIA = new DBEdit(rows, QStringLiteral("CODESSENCIA"));
    CODESSENCIA->setObjectName(QStringLiteral("CODESSENCIA"));
    CODSUBPRODUTO = new DBEdit(rows, QStringLiteral("CODSUBPRODUTO"));
    CODSUBPRODUTO->setObjectName(QStringLiteral("CODSUBPRODUTO"));
    CODESSENCIA->hide();
    CODSUBPRODUTO->hide();
    UNIDADE = new DBComboBox;
    UNIDADE->setObjectName(QStringLiteral("UNIDADE"));
    UNIDADE->addItems({QStringLiteral("M/3"), QStringLiteral("KG"), QStringLiteral("M/2"), QStringLiteral("MM"),
                       QStringLiteral("UM"), QStringLiteral("PC")});
    UNIDADE->setCurrentIndex(-1);
    UNIDADE->setDataSource(rows);
    UNIDADE->setDataField(QStringLiteral("UNIDADE"));
    QUANTIDADE = numeric(QStringLiteral("QUANTIDADE"), 0);
    QUANTIDADE->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), QUANTIDADE));
    COMPRIMENTO = numeric(QStringLiteral("COMPRIMENTO"), 2);
    LARGURA = numeric(QStringLiteral("LARGURA"), 2);
    EXPESSURA = numeric(QStringLiteral("EXPESSURA"), 3);
    TOTALM3 = numeric(QStringLiteral("TOTALM3"), 4);
    VLUNITARIO = numeric(QStringLiteral("VLUNITARIO"), 2);
    VLTOTAL = numeric(QStringLiteral("VLTOTAL"), 2);
    for (NumericEdit *e : {TOTALM3, VLTOTAL}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setStyleSheet(QStringLiteral("font-weight: bold; color: blue; background: #FFFFE1;"));
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleBanner(QStringLiteral("Lançamento de Produtos")));
    auto *grid = new QGridLayout;
    const QList<QPair<QString, QWidget *>> fields = {
        {QStringLiteral("Código do Produto"), CODPRODUTO}, {QStringLiteral("Essência"), ESSENCIA},
        {QStringLiteral("Sub-Produto"), PRODUTO},          {QStringLiteral("Unidade"), UNIDADE},
        {QStringLiteral("Quantidade"), QUANTIDADE},        {QStringLiteral("Comprimento"), COMPRIMENTO},
        {QStringLiteral("Largura"), LARGURA},              {QStringLiteral("Expessura"), EXPESSURA},
        {QStringLiteral("Total"), TOTALM3},                {QStringLiteral("Valor Unitário"), VLUNITARIO},
        {QStringLiteral("Valor Total"), VLTOTAL}};
    QWidgetList tabOrder;
    int row = 0;
    for (const auto &f : fields) {
        QLabel *label = captionPanel(f.first, f.second);
        if (f.second == TOTALM3) {
            LabelTotal = label;
            LabelTotal->setObjectName(QStringLiteral("LabelTotal"));
        }
        grid->addWidget(label, row, 0);
        grid->addWidget(f.second, row++, 1);
        if (f.second->focusPolicy() != Qt::NoFocus)
            tabOrder << f.second;
    }
    grid->setColumnMinimumWidth(1, 220);
    layout->addLayout(grid);
    auto *hidden = new QHBoxLayout;
    hidden->addWidget(CODESSENCIA);
    hidden->addWidget(CODSUBPRODUTO);
    layout->addLayout(hidden);
    layout->addLayout(saveReturnButtons(BitBtn1, BitBtn3));
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    m_totals = new SawnLineTotals(dm->TROMANEIOSERRADA, QStringLiteral("VLUNITARIO"), QStringLiteral("VLTOTAL"), this);
    m_totals->showTotalIn(TOTALM3, LabelTotal);

    setUpLines(dm->TROMANEIOSERRADA, CODPRODUTO, BitBtn1, BitBtn3);
    writesCode(ESSENCIA, QStringLiteral("CODIGO"), QStringLiteral("CODESSENCIA"));
    writesCode(PRODUTO, QStringLiteral("GRAUIND"), QStringLiteral("CODSUBPRODUTO"));
    countsPieces(QUANTIDADE, QStringLiteral("QUANTIDADE"));
    savesOnLeaving(VLUNITARIO);
}

void TfrmromaneioSerradaProdutos::FormShow()
{
    reopen(dm->QEssencia, QStringLiteral("Select * from ESSENCIA Order by ESSENCIA"));
    reopen(dm->QSUBPRODUTOS, QStringLiteral("Select * from SUBPRODUTO Order by NOMEGRAU"));
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
