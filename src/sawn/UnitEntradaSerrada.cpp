#include "UnitEntradaSerrada.h"

#include "UnitEntradaSerradaProdutos.h"

#include "core/TaxIdText.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/FormBinder.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"

#include <QRegularExpression>

using namespace widgets;

namespace {

const QString kLancamento = QStringLiteral("Lançamento");
const QString kConfirmacao = QStringLiteral("Confirmação");

} // namespace

TfrmEntradaSerrada::TfrmEntradaSerrada(data::TDM *dm_, QWidget *parent)
    : MovementHeaderWindow(parent), dm(dm_), m_invoices(dm_->IBDatabase1, rules::sawnIntakeTables())
{
    setupUi(this);
    FormBinder::bind(this, {{QString(), dm->DESERRADA}, {QStringLiteral("lines"), dm->DESDISCRIMINACAO}});
    setMovementWindowFlags(this);
    navigate({NavFirst, NavPrior, NavNext, NavLast}, dm->TESDISCRIMINACAO);

    setButtons({
        {BitBtn4, ShownEnabled, [this] { BitBtn4Click(); }},
        {BitBtn1, ShownEnabled, [this] { BitBtn1Click(); }},
        {BitBtn2, ShownEnabled, [this] { BitBtn2Click(); }},
        {BitBtn3, ShownEnabled | Returns, [this] { BitBtn3Click(); }},
        {BitBtn5, ShownEnabled, [this] { BitBtn5Click(); }},
        {BitBtn12, ShownEnabled, [this] { BitBtn12Click(); }},
        {BitBtn7, ShownDisabled | LineSteps, [this] { BitBtn7Click(); }},
        {BitBtn10, ShownDisabled | LineSteps, [this] { stepLines(&data::DataSet::next); }},
        {BitBtn11, ShownDisabled | LineSteps, [this] { stepLines(&data::DataSet::prior); }},
    });
    onEnter(data, [this] { dataEnter(); });
    onExit(nota, [this] { notaExit(); });

    setLines(dm->TESDISCRIMINACAO, QStringLiteral("NFNUMERO"), QStringLiteral("CODIGOFORNECEDOR"));
    setOwnedDataSets({dm->TESERRADA, dm->TESDISCRIMINACAO, dm->QFornecedor, dm->QEssencia, dm->QSUBPRODUTOS,
                      dm->QProduto, dm->QMunicipio});
    setTotalsDisplay(m3, QStringLiteral("#0.000"), valtotal, QStringLiteral("#0.00"));
    setCountedGroup(g, QStringLiteral("Produtos > "));
    setLinesGrids(DBGrid2, DBGrid3);
}

void TfrmEntradaSerrada::FormShow()
{
    dm->TESERRADA->close();
    BitBtn4->setFocus();
}

rules::InvoiceKey TfrmEntradaSerrada::key() const
{
    rules::InvoiceKey k;
    k.number = nota->value();
    if (dm->TESERRADA->isActive())
        k.supplier = dm->TESERRADA->value(QStringLiteral("CODIGOFORNECEDOR"));
    return k;
}

TfrmEntradaSerrada::InvoiceFields TfrmEntradaSerrada::invoiceFields() const
{
    InvoiceFields f;
    f.nfNumero = nota->value();
    f.dataEmissao = data->date();
    if (dm->TESERRADA->isActive()) {
        f.codigoFornecedor = dm->TESERRADA->value(QStringLiteral("CODIGOFORNECEDOR"));
        f.fornecedor = dm->TESERRADA->asString(QStringLiteral("RAZAO_SOCIAL"));
        f.cpf = dm->TESERRADA->value(QStringLiteral("CGC"));
        // A supplier registered by CPF has no CNPJ; its lines, which must
        // hold a tax number, keep its CPF instead.
        if (f.cpf.isNull() || f.cpf.toString().isEmpty())
            f.cpf = m_supplierCpf;
        f.inscricao = dm->TESERRADA->asString(QStringLiteral("INSC_ESTADUAL"));
    }
    return f;
}

void TfrmEntradaSerrada::restrictLines()
{
    const rules::InvoiceKey k = key();
    filterLines(k.number, k.supplier);
}

widgets::LineTotals TfrmEntradaSerrada::lineTotals()
{
    const rules::InvoiceTotals totals = m_invoices.totals(key());
    return {totals.volume, totals.value, totals.lines};
}

void TfrmEntradaSerrada::BitBtn4Click()
{
    if (!partiesExist(dm->QFornecedor, QStringLiteral("Não há Fornecedor(es) Cadastrado(s), Verifíque!"),
                      QStringLiteral("Entrada")))
        return;
    BitBtn4->setEnabled(false);
    BitBtn12->setEnabled(true);
    dm->TESERRADA->open();
    dm->TESERRADA->append();
    dm->QMunicipio->open();
    chooseSupplier();
}

// The supplier's CNPJ goes into the invoice's CGC. Closed without a choice,
// the number box goes back to 0.
void TfrmEntradaSerrada::chooseSupplier()
{
    const std::optional<PickedRow> row = m_supplierPicker.choose();
    if (!row) {
        nota->setValue(0);
        return;
    }
    if (!row->isEmpty()) {
        const QString cpf = row->text(QStringLiteral("CPF")).remove(QRegularExpression(QStringLiteral("[^0-9]")));
        m_supplierCpf = cpf.isEmpty() ? QVariant() : QVariant(cpf.toDouble());
        writeInto(RAZAO_SOCIAL, row->value(QStringLiteral("NOMEFORNECEDOR")));
        writeInto(CGC, core::taxIdNumber(row->value(QStringLiteral("CNPJ"))));
        writeInto(INSC_ESTADUAL, row->value(QStringLiteral("INSCESTADUAL")));
        writeInto(DBEDIT6, row->value(QStringLiteral("CODIGOFORNECEDOR")));
    }
    nota->setFocus();
}

void TfrmEntradaSerrada::dataEnter()
{
    data->setDate(QDate::currentDate());
}

void TfrmEntradaSerrada::notaExit()
{
    if (lineWindowBusy())
        return;
    if (DBEDIT6->text().isEmpty()) {
        // No supplier yet: start the invoice, or choose its supplier again.
        if (!dm->TESERRADA->isEditing())
            BitBtn4Click();
        else
            chooseSupplier();
    }
    restrictLines();
    // A header with its supplier takes lines.
    BitBtn12->setEnabled(!DBEDIT6->text().isEmpty());
    if (!dm->TESDISCRIMINACAO->isEmpty()) {
        showLinesGrid(true);
        enableGroup(LineSteps, true);
        showTotals();
        if (ask(QStringLiteral("Já possui lançamento para o numero de Nota Fiscal informado, do Fornecedor "
                               "selecionado, Deseja Continuar?"),
                kConfirmacao, this))
            return;
        nota->setFocus();
    }
    g->setTitle(QStringLiteral("Produtos > 0"));
    enableGroup(LineSteps, false);
}

void TfrmEntradaSerrada::BitBtn12Click()
{
    if (lineWindowBusy())
        return;
    if (RAZAO_SOCIAL->text().isEmpty()) {
        inform(QStringLiteral("Fornecedor deve ser informado!"), kLancamento, this);
        if (!dm->TESERRADA->isEditing())
            BitBtn4Click();
        else
            chooseSupplier();
        return;
    }
    if (nota->value() == 0) {
        inform(QStringLiteral("Numero da Nota Fiscal deve ser informada!"), kLancamento, this);
        nota->setFocus();
        return;
    }
    dm->QProduto->open();
    restrictLines();
    typeNewLine<TfrmEntradaSerradaProdutos>(dm, this);
}

void TfrmEntradaSerrada::BitBtn7Click()
{
    if (lineWindowBusy() || !dm->TESDISCRIMINACAO->isActive() || dm->TESDISCRIMINACAO->isEmpty())
        return;
    dm->TESDISCRIMINACAO->edit();
    auto *w = lineWindow<TfrmEntradaSerradaProdutos>(dm);
    w->setHeader(this);
    openLineWindow(w, w->DBEDIT1);
}

void TfrmEntradaSerrada::lineWindowClosed()
{
    restrictLines();
    if (dm->TESDISCRIMINACAO->isEmpty())
        return;
    showLinesGrid(true);
    enableGroup(LineSteps, true);
    showTotals();
}

void TfrmEntradaSerrada::BitBtn5Click()
{
    // Nothing listed, nothing to delete.
    if (!dm->TESDISCRIMINACAO->isActive() || dm->TESDISCRIMINACAO->isEmpty())
        return;
    deleteLine();
}

void TfrmEntradaSerrada::linesChanged()
{
    restrictLines();
    showTotals();
}

void TfrmEntradaSerrada::BitBtn1Click()
{
    // Not while a line is being typed: it belongs to the line window's save.
    if (lineWindowBusy())
        return;
    MovementSave save;
    save.checks = {
        {[this] { return RAZAO_SOCIAL->text().isEmpty(); }, QStringLiteral("Fornecedor deve ser informado!"),
         RAZAO_SOCIAL},
        {[this] { return nota->value() == 0; }, QStringLiteral("Numero da Nota Fiscal deve ser informado!"), nota},
        {[this] { return !data->isValidDate(); }, QStringLiteral("Data de Emissão deve ser informada!"), data},
    };
    save.confirmText = QStringLiteral("Confirma a Inclusão?");
    save.declined = [this] { nota->setFocus(); };
    save.post = [this] {
        // The header keeps the number it was entered under, so that the
        // invoice lists and reports can print it.
        dm->TESERRADA->setValue(QStringLiteral("NF_NUMERO"), nota->value());
        dm->TESERRADA->post();
    };
    save.continueText = QStringLiteral("Continua Lançamento?");
    save.another = [this] {
        enableGroup(LineSteps, false);
        BitBtn12->setEnabled(false);
        dm->TESERRADA->append();
        showLinesGrid(false);
        dm->TESDISCRIMINACAO->close();
        chooseSupplier();
        nota->setFocus();
    };
    save.finished = [this] {
        closeOwnedDataSets();
        BitBtn4->setEnabled(true);
        closeWindow(QDialog::Accepted);
    };
    runMovementSave(this, save);
}

void TfrmEntradaSerrada::clearHeader()
{
    resetCountedGroup();
    BitBtn4->setEnabled(true);
    BitBtn12->setEnabled(false);
    enableGroup(LineSteps, false);
    showLinesGrid(false);
    nota->setValue(0);
    m3->clear();
    valtotal->clear();
}

void TfrmEntradaSerrada::BitBtn2Click()
{
    if (lineWindowBusy())
        return;
    // Lines already saved stay stored.
    dm->TESERRADA->cancel();
    dm->TESERRADA->close();
    dm->TESDISCRIMINACAO->cancel();
    dm->TESDISCRIMINACAO->close();
    dm->QFornecedor->close();
    dm->QMunicipio->close();
    data->clearDate();
    clearHeader();
}

void TfrmEntradaSerrada::BitBtn3Click()
{
    // An unsaved header is dropped.
    dm->TESERRADA->cancel();
    dm->TESDISCRIMINACAO->cancel();
    dm->TESDISCRIMINACAO->setFiltered(false);
    closeOwnedDataSets();
    clearHeader();
    closeWindow(QDialog::Rejected);
}
