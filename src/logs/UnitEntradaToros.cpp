#include "UnitEntradaToros.h"

#include "UnitEntradaTorosProdutos.h"
#include "UnitEtiquetas.h"

#include "data/Transaction.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/FormBinder.h"
#include "widgets/InvoiceTaxCarrier.h"
#include "widgets/LookupCombo.h"
#include "widgets/MovementWindow.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"
#include "widgets/WindowRegistry.h"

using namespace widgets;

TfrmEntradaToros::TfrmEntradaToros(data::TDM *dm_, QWidget *parent)
    : InvoiceHeaderWindow(parent), nfeIntake(dm_->IBDatabase1), dm(dm_), m_invoices(dm_->IBDatabase1)
{
    setupUi(this);
    FormBinder::bind(this, {{QString(), dm->DSEntrada},
                            {QStringLiteral("lines"), dm->DSEntrada_Discriminacao},
                            {QStringLiteral("found"), dm->DSEntrada1},
                            {QStringLiteral("foundLines"), dm->DSEntradaDiscriminacao1}});
    fornecedor1->setListSource(dm->QFornecedor, QStringLiteral("NOMEFORNECEDOR"), QStringLiteral("NOMEFORNECEDOR"));
    InvoiceSets sets{dm->TEntrada, dm->TEntrada_discriminacao, dm->QFornecedor, dm->QMunicipio,
                     dm->TEntrada1, dm->TEntradaDiscriminacao1, dm->QEntrada, {dm->QEssencia}};
    sets.totals = [this](const rules::InvoiceKey &key) { return m_invoices.totals(key); };
    // "Importar NF-e" is another way to start an invoice: usable exactly when "&Incluir" is.
    takeForm(this, sets,
             {{ImportarNFe, ShownEnabled | OffWhileTyping | OffOnSearchPage, [this] { ImportarNFeClick(); }},
              {BitBtnEtiquetas, 0, [this] { BitBtnEtiquetasClick(); }}});

    InvoiceTaxCarrier::Hooks hooks;
    hooks.header = dm->TEntrada;
    hooks.municipalities = dm->QMunicipio;
    hooks.takeProductsTotal << QStringLiteral("bcfunrural");
    hooks.addLine = [this] { BitBtn12Click(); };
    hooks.hasLines = [this] {
        restrictLines();
        return !dm->TEntrada_discriminacao->isEmpty();
    };
    hooks.save = [this] { BitBtn1Click(); };
    m_taxCarrier = new InvoiceTaxCarrier(this, std::move(hooks));
}

// Header -------------------------------------------------------------------

TfrmEntradaToros::InvoiceFields TfrmEntradaToros::invoiceFields() const
{
    InvoiceFields f;
    if (dm->TEntrada->isActive()) {
        f.codigoFornecedor = dm->TEntrada->value(QStringLiteral("CODIGOFORNECEDOR"));
        f.fornecedor = dm->TEntrada->asString(QStringLiteral("RAZAO_SOCIAL"));
        f.cpf = dm->TEntrada->value(QStringLiteral("CGC"));
        f.inscricao = dm->TEntrada->asString(QStringLiteral("INSC_ESTADUAL"));
    }
    f.nota = nota->text();
    f.nfNumero = nota->value();
    f.dataEmissao = data->text();
    // New lines join the ones already saved for this header.
    if (m_linesKey.isValid()) {
        f.nfNumero = m_linesKey.number;
        f.codigoFornecedor = m_linesKey.supplier;
    }
    return f;
}

QString TfrmEntradaToros::data_text() const
{
    return data->text();
}

void TfrmEntradaToros::BitBtn4Click()
{
    if (startInvoice(QStringLiteral("Não há Fornecedor(es) Cadastrado(s), Verifíque!"), QStringLiteral("Entrada")))
        chooseSupplier();
}

// A new invoice filled from the supplier's NF-e instead of the picker.
void TfrmEntradaToros::ImportarNFeClick()
{
    if (nfeIntake.start(dm->TEntrada, [this] { beginInvoice(); }, this))
        nota->setFocus();
}

// The supplier's CPF goes into the invoice's CGC; closed without a choice,
// the header stays as it was.
void TfrmEntradaToros::chooseSupplier()
{
    const std::optional<PickedRow> row = m_supplierPicker.choose();
    if (!row)
        return;
    if (!row->isEmpty())
        writeParty(*row, QStringLiteral("NOMEFORNECEDOR"), QStringLiteral("CPF"), QStringLiteral("INSCESTADUAL"), QStringLiteral("CODIGOFORNECEDOR"));
    nota->setFocus();
}

// Lines --------------------------------------------------------------------

QString TfrmEntradaToros::numberRefusal() const
{
    // Lines left without a header hold their number too; only this header's
    // own lines do not count against it.
    if (m_invoices.numberTaken(headerKey(), m_linesKey))
        return QStringLiteral("Nota Fiscal %1 já lançada para este Fornecedor, Verifíque!").arg(nota->text());
    return {};
}

void TfrmEntradaToros::BitBtn12Click()
{
    // Lines need an invoice that is not already recorded for this supplier.
    if (lineWindowBusy() || !numberReadyForLines())
        return;
    dm->QProduto->open();
    restrictLines();
    typeNewLine<TfrmEntradaTorosProdutos>(dm, this);
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn11})
        b->setEnabled(false);
}

void TfrmEntradaToros::lineWindowClosed()
{
    if (dm->TEntrada->isActive())
        showInvoiceLines();
}

// Save, cancel, return -------------------------------------------------------

void TfrmEntradaToros::BitBtn1Click()
{
    // Not while one of its lines is still being typed: that line would be
    // saved after the header, under what the header said before.
    if (lineWindowBusy())
        return;
    MovementSave save;
    save.checks = headerChecks();
    save.confirmText = QStringLiteral("Confirma a Inclusão?");
    save.declined = [this] { nota->setFocus(); };
    save.post = [this] {
        // Lines saved before the number (or supplier) changed go with the
        // header: both or neither.
        data::Transaction work(dm->IBDatabase1);
        if (m_linesKey.isValid()) {
            const InvoiceFields f = invoiceFields();
            m_invoices.moveLines(m_linesKey, headerKey(),
                                 {headerKey().supplier, f.fornecedor, f.cpf, f.inscricao});
        }
        dm->TEntrada->post();
        nfeIntake.headerPosted(headerKey());
        work.commit();
        nfeIntake.clear();
        m_linesKey = {};
    };
    save.continueText = QStringLiteral("Continua Lançamento?");
    save.another = [this] {
        setLineButtons(false, false);
        dm->TEntrada->append();
        showLinesGrid(false);
        dm->TEntrada_discriminacao->close();
        chooseSupplier();
        nota->setFocus();
    };
    save.finished = [this] { finishInvoices(); };
    runMovementSave(this, save);
}

void TfrmEntradaToros::BitBtn2Click()
{
    cancelInvoice();
    // Refused while lines remain; the imported invoice then stays pending.
    if (!dm->TEntrada->isActive())
        nfeIntake.clear();
}

void TfrmEntradaToros::BitBtn3Click()
{
    nfeIntake.clear();
    returnToMenu();
}

// Search and delete ----------------------------------------------------------

void TfrmEntradaToros::TabPesquisaSelected()
{
    InvoiceHeaderWindow::TabPesquisaSelected();
    dm->QFornecedor->setSql(QStringLiteral("Select * from Fornecedor Order by NOMEFORNECEDOR"));
    dm->QFornecedor->open();
}

void TfrmEntradaToros::TabLancamentoSelected()
{
    InvoiceHeaderWindow::TabLancamentoSelected();
    dm->QFornecedor->close();
}

void TfrmEntradaToros::BitBtn13Click()
{
    auto *invoices = dm->TEntrada1;
    auto *lines = dm->TEntradaDiscriminacao1;
    if (!invoices->isActive() || invoices->isEmpty()) {
        error(QStringLiteral("Não há Lançamento(s) para ser(em) excluído(s)!"), QStringLiteral("Pesquisa"), this);
        BitBtn3->setFocus();
        return;
    }
    // A sawn log has a production row that points at it: keep the invoice.
    const rules::InvoiceKey key{invoices->value(QStringLiteral("NF_NUMERO")),
                                invoices->value(QStringLiteral("CODIGOFORNECEDOR"))};
    auto refuseSawn = [&](int sawn) {
        error(QStringLiteral("A Nota Fiscal %1 possui %2 toro(s) já serrado(s) na Produção e não pode ser "
                             "excluída, Verifíque!").arg(invoices->displayText(QStringLiteral("NF_NUMERO"))).arg(sawn),
              QStringLiteral("Exclusão"), this);
        DBGrid1->setFocus();
    };
    if (const int sawn = m_invoices.sawnLogs(key); sawn > 0) {
        refuseSawn(sawn);
        return;
    }
    if (!ask(QStringLiteral("Confirma Exclusão?"), QStringLiteral("Confirmação"), this))
        return;
    // Lines and header go together or not at all.
    if (!m_invoices.remove(invoices->value(QStringLiteral("CODIGOENTRADA")))) {
        refuseSawn(m_invoices.sawnLogs(key));
        return;
    }
    invoices->refresh();
    lines->refresh();
    if (invoices->isEmpty() || lines->isEmpty())
        DBGrid1->setFocus();
}

void TfrmEntradaToros::BitBtnEtiquetasClick()
{
    if (!m_labels)
        m_labels = new TfrmEtiquetas(dm, this);
    m_labels->showFor(dm->TEntrada1);
}
