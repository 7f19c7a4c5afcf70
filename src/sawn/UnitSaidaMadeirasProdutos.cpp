#include "UnitSaidaMadeirasProdutos.h"

#include "SawnLineTotals.h"

#include "core/SawnMeasure.h"
#include "data/DataError.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace widgets;

namespace {

const QString kTooMuch = QStringLiteral("Total M/3, maior que saldo disponivel, Verifique!");

} // namespace

TfrmSaidaMadeirasProdutos::TfrmSaidaMadeirasProdutos(data::TDM *dm_, QWidget *parent)
    : MovementLineWindow(parent), dm(dm_), m_sale(dm_->IBDatabase1)
{
    setObjectName(QStringLiteral("TfrmSaidaMadeirasProdutos"));
    setWindowTitle(QStringLiteral("Produtos"));
    data::DataSource *lines = dm->DSSaida_Discriminacao;
    auto numeric = [&](const QString &column, int decimals) { return makeNumericEdit(column, lines, column, decimals); };

    CODDISCRIMINACAO = numeric(QStringLiteral("CODDISCRIMINACAO"), 0);
    CODDISCRIMINACAO->setReadOnly(true);
    CODIGOPRODUTO = new ZeroPadEdit(nullptr, 6);
    CODIGOPRODUTO->setObjectName(QStringLiteral("CODIGOPRODUTO"));
    CODIGOPRODUTO->setDataSource(lines);
    CODIGOPRODUTO->setDataField(QStringLiteral("CODIGOPRODUTO"));
    ESSENCIA = new DBLookupComboBox;
    ESSENCIA->setObjectName(QStringLiteral("ESSENCIA"));
    ESSENCIA->setListSource(dm->QEssencia, QStringLiteral("ESSENCIA"), QStringLiteral("ESSENCIA"));
    ESSENCIA->setDataSource(lines);
    ESSENCIA->setDataField(QStringLiteral("ESSENCIA"));
    ESSENCIA->setDropDownOnEnter(true);
    ESSENCIATIPO = new DBLookupComboBox;
    ESSENCIATIPO->setObjectName(QStringLiteral("ESSENCIATIPO"));
    ESSENCIATIPO->setListSource(dm->QSUBPRODUTOS, QStringLiteral("NOMEGRAU"), QStringLiteral("NOMEGRAU"));
    ESSENCIATIPO->setDataSource(lines);
    ESSENCIATIPO->setDataField(QStringLiteral("ESSENCIATIPO"));
    ESSENCIATIPO->setDropDownOnEnter(true);
    SITUACAO_TRIBUTARIA = new DBEdit(lines, QStringLiteral("SITUACAO_TRIBUTARIA"));
    SITUACAO_TRIBUTARIA->setObjectName(QStringLiteral("SITUACAO_TRIBUTARIA"));
    UNIDADE = new DBComboBox;
    UNIDADE->setObjectName(QStringLiteral("UNIDADE"));
    UNIDADE->addItems({QStringLiteral("M/3"), QStringLiteral("KG"), QStringLiteral("M/2"), QStringLiteral("MM"),
                       QStringLiteral("UM"), QStringLiteral("PC")});
    UNIDADE->setCurrentIndex(-1);
    UNIDADE->setDataSource(lines);
    UNIDADE->setDataField(QStringLiteral("UNIDADE"));
    SALDO = new NumericEdit(nullptr, 4);
    SALDO->setObjectName(QStringLiteral("SALDO"));
    SALDO->setThousands(false);
    SALDO->setReadOnly(true);
    QUANTIDADE = numeric(QStringLiteral("QUANTIDADE"), 0);
    // Whole pieces: no decimal separator.
    QUANTIDADE->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), QUANTIDADE));
    COMPRIMENTO = numeric(QStringLiteral("COMPRIMENTO"), 2);
    LARGURA = numeric(QStringLiteral("LARGURA"), 2);
    EXPESSURA = numeric(QStringLiteral("EXPESSURA"), 3);
    TOTALM3 = numeric(QStringLiteral("TOTALM3"), 4);
    TOTALM3->setReadOnly(true);
    VALUNITARIO = numeric(QStringLiteral("VALUNITARIO"), 2);
    ALIQICMS = numeric(QStringLiteral("ALIQICMS"), 2);
    VALTOTAL = numeric(QStringLiteral("VALTOTAL"), 2);
    VALTOTAL->setReadOnly(true);
    for (NumericEdit *e : {TOTALM3, VALTOTAL})
        e->setStyleSheet(QStringLiteral("font-weight: bold; color: blue; background: #FFFFE1;"));
    for (QWidget *w : std::initializer_list<QWidget *>{CODDISCRIMINACAO, SALDO, TOTALM3, VALTOTAL})
        w->setFocusPolicy(Qt::NoFocus);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleBanner(QStringLiteral("Lançamento de Produtos")));
    auto *grid = new QGridLayout;
    int row = 0;
    auto add = [&](QLabel *caption, QWidget *field) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    const QList<QPair<QString, QWidget *>> fields = {
        {QStringLiteral("Código Lançamento"), CODDISCRIMINACAO}, {QStringLiteral("Código do Produto"), CODIGOPRODUTO},
        {QStringLiteral("Essência"), ESSENCIA}, {QStringLiteral("Produto"), ESSENCIATIPO},
        {QStringLiteral("Situação Tributária"), SITUACAO_TRIBUTARIA}, {QStringLiteral("Unidade"), UNIDADE},
        {QStringLiteral("Saldo Disponivel"), SALDO}, {QStringLiteral("Quantidade"), QUANTIDADE},
        {QStringLiteral("Comprimento"), COMPRIMENTO}, {QStringLiteral("Largura"), LARGURA},
        {QStringLiteral("Expessura"), EXPESSURA}, {QStringLiteral("Total"), TOTALM3},
        {QStringLiteral("Valor Unitário"), VALUNITARIO}, {QStringLiteral("Aliquota ICMS"), ALIQICMS},
        {QStringLiteral("Valor Total"), VALTOTAL}};
    QWidgetList tabOrder;
    for (const auto &f : fields) {
        QLabel *caption = captionPanel(f.first, f.second);
        if (f.second == TOTALM3) {
            LabelTotal = caption;
            LabelTotal->setObjectName(QStringLiteral("LabelTotal"));
        }
        add(caption, f.second);
        if (f.second->focusPolicy() != Qt::NoFocus)
            tabOrder << f.second;
    }
    grid->setColumnMinimumWidth(1, 220);
    layout->addLayout(grid);
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    layout->addLayout(saveReturnButtons(BitBtn1, BitBtn3));

    m_totals = new SawnLineTotals(dm->TSaida_Discriminacao, QStringLiteral("VALUNITARIO"), QStringLiteral("VALTOTAL"), this);
    m_totals->showTotalIn(TOTALM3, LabelTotal, SALDO);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
    connect(ESSENCIA, QOverload<int>::of(&QComboBox::activated), this,
            [this] { guarded(this, [this] { ESSENCIAClick(); }); });
    connect(ESSENCIATIPO, QOverload<int>::of(&QComboBox::activated), this,
            [this] { guarded(this, [this] { ESSENCIATIPOClick(); }); });
    onEnter(QUANTIDADE, [this] { QUANTIDADEEnter(); });
    onExit(ALIQICMS, [this] { ALIQICMSExit(); });
}

void TfrmSaidaMadeirasProdutos::showEvent(QShowEvent *event)
{
    MovementLineWindow::showEvent(event);
    if (!event->spontaneous())
        guarded(this, [this] { FormShow(); });
}

void TfrmSaidaMadeirasProdutos::FormShow()
{
    dm->QEssencia->close();
    dm->QEssencia->setSql(QStringLiteral("Select * from ESSENCIA Order by ESSENCIA"));
    dm->QEssencia->open();
    dm->QSUBPRODUTOS->close();
    dm->QSUBPRODUTOS->setSql(QStringLiteral("Select * from SUBPRODUTO Order by NOMEGRAU"));
    dm->QSUBPRODUTOS->open();
    if (dm->TSaida_Discriminacao->isEditing() && m_invoice.emission.isValid())
        dm->TSaida_Discriminacao->setValue(QStringLiteral("DATALANCAMENTO"), m_invoice.emission);
}

void TfrmSaidaMadeirasProdutos::startLine(const SaleLineInvoice &invoice)
{
    m_invoice = invoice;
    auto *lines = dm->TSaida_Discriminacao;
    lines->close();
    lines->setFilter(QStringLiteral("NFNUMERO = :nf and CODIGOFORNECEDOR = :cli"),
                     {{QStringLiteral("nf"), invoice.number},
                      {QStringLiteral("cli"), invoice.client.isNull() ? QVariant(-1) : invoice.client}});
    lines->setFiltered(true);
    lines->open();
    lines->append();
    fillInvoiceFields();
    clearBalance();
}

void TfrmSaidaMadeirasProdutos::fillInvoiceFields()
{
    auto *lines = dm->TSaida_Discriminacao;
    if (m_invoice.emission.isValid())
        lines->setValue(QStringLiteral("DATALANCAMENTO"), m_invoice.emission);
    lines->setValue(QStringLiteral("CODIGOFORNECEDOR"), m_invoice.client);
    lines->setValue(QStringLiteral("NFNUMERO"), m_invoice.number);
    lines->setValue(QStringLiteral("FORNECEDOR"), m_invoice.clientName);
    // The column takes no empty value: a client without a CNPJ the number
    // can hold (none, or one with letters) gives 0.
    const bool none = m_invoice.cpf.isNull() || m_invoice.cpf.toString().isEmpty();
    lines->setValue(QStringLiteral("CPF"), none ? QVariant(0) : m_invoice.cpf);
    lines->setValue(QStringLiteral("INSCRICAO"), m_invoice.inscricao);
}

void TfrmSaidaMadeirasProdutos::clearBalance()
{
    m_balance = {};
    m_balanceKnown = false;
    SALDO->setValue(0);
}

void TfrmSaidaMadeirasProdutos::computeBalance()
{
    // A balance needs both: a species left out would match nothing.
    if (!ESSENCIA->hasSelection() || !ESSENCIATIPO->hasSelection()) {
        clearBalance();
        return;
    }
    m_balance = rules::SawnBalance::of(dm->IBDatabase1, ESSENCIA->listValue(QStringLiteral("CODIGO")),
                                       ESSENCIATIPO->listValue(QStringLiteral("GRAUIND")));
    m_balanceKnown = true;
    SALDO->setValue(m_balance.balance);
}

void TfrmSaidaMadeirasProdutos::ESSENCIAClick()
{
    dm->TSaida_Discriminacao->setValue(QStringLiteral("CODIGOESSENCIA"), ESSENCIA->listValue(QStringLiteral("CODIGO")));
    computeBalance();
}

void TfrmSaidaMadeirasProdutos::ESSENCIATIPOClick()
{
    dm->TSaida_Discriminacao->setValue(QStringLiteral("CODIGOPRODUTO"), ESSENCIATIPO->listValue(QStringLiteral("GRAUIND")));
    computeBalance();
}

void TfrmSaidaMadeirasProdutos::QUANTIDADEEnter()
{
    if (dm->TSaida_Discriminacao->isEditing())
        dm->TSaida_Discriminacao->setValue(QStringLiteral("QUANTIDADE"), 1);
    QUANTIDADE->selectAll();
}

void TfrmSaidaMadeirasProdutos::ALIQICMSExit()
{
    BitBtn1Click();
}

void TfrmSaidaMadeirasProdutos::BitBtn1Click()
{
    auto *lines = dm->TSaida_Discriminacao;
    if (!lines->isEditing())
        return;
    // The volume checked and stored is the one of the figures as they stand.
    m_totals->recompute();
    MovementSave save;
    save.checks = {
        {[this] { return !ESSENCIA->hasSelection(); }, QStringLiteral("Essência deve ser informada!"), ESSENCIA},
        {[this] { return !ESSENCIATIPO->hasSelection(); }, QStringLiteral("Essência Tipo deve ser informada!"),
         ESSENCIATIPO},
        {[this] { return UNIDADE->currentText().trimmed().isEmpty(); }, QStringLiteral("Unidade deve ser informada!"),
         UNIDADE},
        {[this] { return QUANTIDADE->isZero(); }, QStringLiteral("Quantidade deve ser informada!"), QUANTIDADE},
        {[this] { return VALUNITARIO->isZero(); }, QStringLiteral("Valor Unitário deve ser informado!"), VALUNITARIO},
        {[this] {
             computeBalance();
             return core::exceedsBalance(dm->TSaida_Discriminacao->asDouble(QStringLiteral("TOTALM3")),
                                         m_balance.balance);
         },
         kTooMuch, QUANTIDADE},
    };
    save.confirmText = QStringLiteral("Confirma Lançamento?");
    save.post = [this, lines] {
        // Checked again with the post: what others sold meanwhile counts.
        const bool posted = m_sale.postChecked(lines->value(QStringLiteral("CODIGOESSENCIA")),
                                               lines->value(QStringLiteral("CODIGOPRODUTO")),
                                               lines->asDouble(QStringLiteral("TOTALM3")), [lines] { lines->post(); },
                                               &m_balance);
        if (!posted) {
            SALDO->setValue(m_balance.balance);
            throw data::DataError(kTooMuch);
        }
    };
    save.continueText = QStringLiteral("Insere Outro Produto para este Vendedor?");
    save.another = [this, lines] {
        lines->append();
        clearBalance();
        fillInvoiceFields();
        CODIGOPRODUTO->setFocus();
    };
    save.finished = [this] {
        clearBalance();
        close();
    };
    runMovementSave(this, save);
}

void TfrmSaidaMadeirasProdutos::BitBtn3Click()
{
    clearBalance();
    close();
}

void TfrmSaidaMadeirasProdutos::FormClose()
{
    // A line not saved with "&Gravar" goes with the window.
    dm->TSaida_Discriminacao->cancel();
    dm->QSUBPRODUTOS->close();
}
