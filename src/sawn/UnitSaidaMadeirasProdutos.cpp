#include "UnitSaidaMadeirasProdutos.h"

#include "SawnLineTotals.h"

#include "core/SawnMeasure.h"
#include "data/DataError.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/FormBinder.h"
#include "widgets/Prompter.h"

#include <QPushButton>
#include <QRegularExpressionValidator>

using namespace widgets;

namespace {

const QString kTooMuch = QStringLiteral("Total M/3, maior que saldo disponivel, Verifique!");

} // namespace

TfrmSaidaMadeirasProdutos::TfrmSaidaMadeirasProdutos(data::TDM *dm_, QWidget *parent)
    : MovementLineWindow(dm_, parent), m_sale(dm_->IBDatabase1)
{
    setupUi(this);
    FormBinder::bind(this, dm->DSSaida_Discriminacao);
    SALDO->setThousands(false);
    // Whole pieces: no decimal separator.
    QUANTIDADE->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), QUANTIDADE));

    m_totals = new SawnLineTotals(dm->TSaida_Discriminacao, QStringLiteral("VALUNITARIO"), QStringLiteral("VALTOTAL"), this);
    m_totals->showTotalIn(TOTALM3, LabelTotal, SALDO);

    setUpLines(dm->TSaida_Discriminacao, CODIGOPRODUTO, BitBtn1, BitBtn3);
    listsSpecies(ESSENCIA, QStringLiteral("CODIGOESSENCIA"), [this] { computeBalance(); });
    listsSubProducts(ESSENCIATIPO, QStringLiteral("CODIGOPRODUTO"), true, [this] { computeBalance(); });
    countsPieces(QUANTIDADE, QStringLiteral("QUANTIDADE"));
    savesOnLeaving(ALIQICMS);
}

void TfrmSaidaMadeirasProdutos::FormShow()
{
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

void TfrmSaidaMadeirasProdutos::BitBtn1Click()
{
    auto *lines = dm->TSaida_Discriminacao;
    if (!lines->isEditing())
        return;
    // The volume checked and stored is the one of the figures as they stand.
    m_totals->recompute();
    saveLine({chosen(ESSENCIA, QStringLiteral("Essência deve ser informada!")),
              chosen(ESSENCIATIPO, QStringLiteral("Essência Tipo deve ser informada!")),
              unitChosen(UNIDADE),
              notZero(QUANTIDADE, QStringLiteral("Quantidade deve ser informada!")),
              notZero(VALUNITARIO, QStringLiteral("Valor Unitário deve ser informado!")),
              {[this] {
                   computeBalance();
                   return core::exceedsBalance(dm->TSaida_Discriminacao->asDouble(QStringLiteral("TOTALM3")),
                                               m_balance.balance);
               },
               kTooMuch, QUANTIDADE}},
             [this, lines] {
                 // Checked again with the post: what others sold meanwhile counts.
                 const bool posted = m_sale.postChecked(lines->value(QStringLiteral("CODIGOESSENCIA")),
                                                        lines->value(QStringLiteral("CODIGOPRODUTO")),
                                                        lines->asDouble(QStringLiteral("TOTALM3")),
                                                        [lines] { lines->post(); }, &m_balance);
                 if (!posted) {
                     SALDO->setValue(m_balance.balance);
                     throw data::DataError(kTooMuch);
                 }
             },
             QStringLiteral("Insere Outro Produto para este Vendedor?"),
             [this] {
                 clearBalance();
                 fillInvoiceFields();
             },
             [this] {
                 clearBalance();
                 close();
             });
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
