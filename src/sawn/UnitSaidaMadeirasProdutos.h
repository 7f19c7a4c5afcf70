#pragma once

#include "rules/SawnBalance.h"
#include "rules/SawnSale.h"
#include "widgets/MovementWindow.h"

#include "ui_UnitSaidaMadeirasProdutos.h"

#include <QDate>
#include <QVariant>

class QLabel;
class SawnLineTotals;

namespace data { class TDM; }

// What every line of a sale invoice copies from its header.
struct SaleLineInvoice
{
    QVariant client;    // CODIGOFORNECEDOR
    QVariant number;    // NFNUMERO
    QString clientName; // FORNECEDOR
    QVariant cpf;       // CPF (the client's CGC)
    QString inscricao;  // INSCRICAO
    QDate emission;     // DATALANCAMENTO
};

// One line of a sawn-wood sale invoice at a time: species, product, unit,
// pieces and dimensions give the area or volume (TOTALM3) and the value; a
// line whose TOTALM3 is more than the balance of its species and product is
// refused. Shown by the invoice window without blocking it.
class TfrmSaidaMadeirasProdutos : public widgets::MovementLineWindow, public Ui::TfrmSaidaMadeirasProdutos
{
    Q_OBJECT
public:
    explicit TfrmSaidaMadeirasProdutos(data::TDM *dm, QWidget *parent = nullptr);

    // Opens the invoice's lines (its number and client) and appends a new
    // line carrying the invoice's fields.
    void startLine(const SaleLineInvoice &invoice);
    // The balance shown, and whether one was computed (species and product
    // both chosen).
    const rules::SawnBalance &balance() const { return m_balance; }
    bool balanceKnown() const { return m_balanceKnown; }

    void FormShow() override;
    void BitBtn1Click() override; // "&Gravar"
    void BitBtn3Click() override; // "&Retornar"

protected:
    void FormClose() override;

private:
    void fillInvoiceFields();
    void computeBalance();
    void clearBalance();

    rules::SawnSale m_sale;
    SawnLineTotals *m_totals;
    SaleLineInvoice m_invoice;
    rules::SawnBalance m_balance;
    bool m_balanceKnown = false;
};
