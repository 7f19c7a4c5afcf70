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
    : MovementLineWindow(parent), dm(dm_)
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

    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
    connect(ESSENCIA, QOverload<int>::of(&QComboBox::activated), this,
            [this] { guarded(this, [this] { ESSENCIAClick(); }); });
    connect(PRODUTO, QOverload<int>::of(&QComboBox::activated), this,
            [this] { guarded(this, [this] { PRODUTOClick(); }); });
    onEnter(QUANTIDADE, [this] { QUANTIDADEEnter(); });
    onExit(VLUNITARIO, [this] { VLUNITARIOExit(); });
}

void TfrmromaneioSerradaProdutos::setHeader(std::function<Target()> target, std::function<void()> posted)
{
    m_target = std::move(target);
    m_posted = std::move(posted);
}

void TfrmromaneioSerradaProdutos::showEvent(QShowEvent *event)
{
    MovementLineWindow::showEvent(event);
    if (!event->spontaneous())
        guarded(this, [this] { FormShow(); });
}

void TfrmromaneioSerradaProdutos::FormShow()
{
    dm->QEssencia->close();
    dm->QEssencia->setSql(QStringLiteral("Select * from ESSENCIA Order by ESSENCIA"));
    dm->QEssencia->open();
    dm->QSUBPRODUTOS->close();
    dm->QSUBPRODUTOS->setSql(QStringLiteral("Select * from SUBPRODUTO Order by NOMEGRAU"));
    dm->QSUBPRODUTOS->open();
}

void TfrmromaneioSerradaProdutos::ESSENCIAClick()
{
    dm->TROMANEIOSERRADA->setValue(QStringLiteral("CODESSENCIA"), ESSENCIA->listValue(QStringLiteral("CODIGO")));
}

void TfrmromaneioSerradaProdutos::PRODUTOClick()
{
    dm->TROMANEIOSERRADA->setValue(QStringLiteral("CODSUBPRODUTO"), PRODUTO->listValue(QStringLiteral("GRAUIND")));
}

void TfrmromaneioSerradaProdutos::QUANTIDADEEnter()
{
    if (dm->TROMANEIOSERRADA->isEditing())
        dm->TROMANEIOSERRADA->setValue(QStringLiteral("QUANTIDADE"), 1);
    QUANTIDADE->selectAll();
}

void TfrmromaneioSerradaProdutos::VLUNITARIOExit()
{
    BitBtn1Click();
}

void TfrmromaneioSerradaProdutos::BitBtn1Click()
{
    auto *t = dm->TROMANEIOSERRADA;
    if (!t->isEditing())
        return;
    m_totals->recompute();
    MovementSave save;
    save.checks = {
        {[this] { return !ESSENCIA->hasSelection(); }, QStringLiteral("Essência deve ser informada!"), ESSENCIA},
        {[this] { return !PRODUTO->hasSelection(); }, QStringLiteral("Essência Tipo deve ser informada!"), PRODUTO},
        {[this] { return UNIDADE->currentText().trimmed().isEmpty(); }, QStringLiteral("Unidade deve ser informada!"),
         UNIDADE},
        {[this] { return QUANTIDADE->isZero(); }, QStringLiteral("Quantidade deve ser informada!"), QUANTIDADE},
        {[this] { return VLUNITARIO->isZero(); }, QStringLiteral("Valor Unitário deve ser informado!"), VLUNITARIO},
    };
    save.confirmText = QStringLiteral("Confirma Lançamento?");
    save.post = [this, t] {
        if (m_target) {
            const Target target = m_target();
            t->setValue(QStringLiteral("NF"), target.list.number);
            t->setValue(QStringLiteral("DATA"), target.date.isValid() ? QVariant(target.date) : QVariant());
            t->setValue(QStringLiteral("CODEMPRESA"), target.list.client);
        }
        t->post();
        if (m_posted)
            m_posted();
    };
    save.continueText = QStringLiteral("Insere Outro Produto para este Cliente?");
    save.another = [this, t] {
        t->append();
        CODPRODUTO->setFocus();
    };
    save.finished = [this, t] {
        t->setFiltered(false);
        t->close();
        close();
    };
    runMovementSave(this, save);
}

void TfrmromaneioSerradaProdutos::BitBtn3Click()
{
    dm->QSUBPRODUTOS->close();
    close();
}

void TfrmromaneioSerradaProdutos::FormClose()
{
    // A row not saved goes with the window.
    dm->TROMANEIOSERRADA->cancel();
}
