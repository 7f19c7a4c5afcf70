#include "UnitEntradaSerradaProdutos.h"

#include "UnitEntradaSerrada.h"

#include "core/LogVolume.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/FormBinder.h"
#include "widgets/Prompter.h"

#include <QPushButton>

using namespace widgets;

TfrmEntradaSerradaProdutos::TfrmEntradaSerradaProdutos(data::TDM *dm_, QWidget *parent)
    : MovementLineWindow(dm_, parent)
{
    setupUi(this);
    FormBinder::bind(this, dm->DESDISCRIMINACAO);

    setUpLines(dm->TESDISCRIMINACAO, DBEDIT1, BitBtn1, BitBtn3);
    listsSpecies(ESSENCIA, QStringLiteral("CODIGOESSENCIA"));
    listsSubProducts(ESSENCIATIPO, QStringLiteral("CODIGOPRODUTO"), false);
    savesOnLeaving(VALUNITARIO, [this] {
        writeComputed(dm->TESDISCRIMINACAO, QStringLiteral("VALTOTAL"), VALTOTAL,
                      core::lineValue(QUANTIDADE->value(), VALUNITARIO->value()));
    });
}

void TfrmEntradaSerradaProdutos::FormShow()
{
    auto *lines = dm->TESDISCRIMINACAO;
    if (m_header && lines->isEditing())
        lines->setValue(QStringLiteral("DATALANCAMENTO"), m_header->invoiceFields().dataEmissao);
}

void TfrmEntradaSerradaProdutos::fillInvoiceFields()
{
    if (!m_header)
        return;
    const TfrmEntradaSerrada::InvoiceFields f = m_header->invoiceFields();
    auto *lines = dm->TESDISCRIMINACAO;
    lines->setValue(QStringLiteral("DATALANCAMENTO"), f.dataEmissao);
    lines->setValue(QStringLiteral("CODIGOFORNECEDOR"), f.codigoFornecedor);
    lines->setValue(QStringLiteral("NFNUMERO"), f.nfNumero);
    lines->setValue(QStringLiteral("FORNECEDOR"), f.fornecedor);
    lines->setValue(QStringLiteral("CPF"), f.cpf);
    lines->setValue(QStringLiteral("INSCRICAO"), f.inscricao);
}

void TfrmEntradaSerradaProdutos::BitBtn1Click()
{
    // Only a line being typed is saved (the window may have been left open).
    if (!dm->TESDISCRIMINACAO->isEditing())
        return;
    saveIntakeLine({chosen(ESSENCIA, QStringLiteral("Essência deve ser informada!")),
                    chosen(ESSENCIATIPO, QStringLiteral("Produto deve ser informado!")),
                    notZero(QUANTIDADE, QStringLiteral("Quantidade deve ser informada!")),
                    notZero(VALUNITARIO, QStringLiteral("Valor Unitário deve ser informado!"))},
                   [this] { fillInvoiceFields(); });
}
