#include "UnitSaidaMadeiras.h"

#include "UnitSaidaMadeirasProdutos.h"

#include "data/Transaction.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/FormBinder.h"
#include "widgets/InvoiceTaxCarrier.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"

using namespace widgets;

TfrmSaidaMadeiras::TfrmSaidaMadeiras(data::TDM *dm_, QWidget *parent)
    : InvoiceHeaderWindow(parent), dm(dm_), m_sale(dm_->IBDatabase1)
{
    setupUi(this);
    FormBinder::bind(this, {{QString(), dm->DSSaida},
                            {QStringLiteral("lines"), dm->DSSaida_Discriminacao},
                            {QStringLiteral("found"), dm->DSaida1},
                            {QStringLiteral("foundLines"), dm->DSaidaDiscriminacao1}});
    fornecedor1->setListSource(dm->QCredor, QStringLiteral("NOMECREDOR"), QStringLiteral("NOMECREDOR"));
    InvoiceSets sets{dm->TSaida, dm->TSaida_Discriminacao, dm->QCredor, dm->QMunicipio,
                     dm->TSaida1, dm->TSaida_Discriminacao1, dm->QSaida, {dm->QEssencia}};
    sets.totals = [this](const rules::InvoiceKey &key) { return m_sale.totals(key); };
    takeForm(this, sets);

    onExit(nota, [this] { notaExit(); });
    InvoiceTaxCarrier::Hooks hooks;
    hooks.header = dm->TSaida;
    hooks.municipalities = dm->QMunicipio;
    hooks.addLine = [this] { BitBtn12Click(); };
    hooks.hasLines = [this] {
        restrictLines();
        return !lines()->isEmpty();
    };
    hooks.save = [this] { BitBtn1Click(); };
    new InvoiceTaxCarrier(this, std::move(hooks));
    onExit(DBGrid1, [this] { fornecedor1->setFocus(); });
}

// Shown and the header -------------------------------------------------------

SaleLineInvoice TfrmSaidaMadeiras::lineInvoice() const
{
    SaleLineInvoice f;
    const rules::InvoiceKey key = linesKey();
    f.number = key.number;
    f.client = key.supplier;
    if (dm->TSaida->isActive()) {
        f.clientName = dm->TSaida->asString(QStringLiteral("RAZAO_SOCIAL"));
        f.cpf = dm->TSaida->value(QStringLiteral("CGC"));
        f.inscricao = dm->TSaida->asString(QStringLiteral("INSC_ESTADUAL"));
    }
    f.emission = data->date();
    return f;
}

QString TfrmSaidaMadeiras::numberRefusal() const
{
    const rules::InvoiceKey key = headerKey();
    if (m_sale.numberTaken(key, m_linesKey))
        return QStringLiteral("Nota Fiscal %1 já lançada para este Cliente, Verifíque!").arg(nota->text());
    // The header table keeps each number once, whoever the client.
    if (m_sale.numberHeldByOtherClient(key))
        return QStringLiteral("Nota Fiscal %1 já lançada para outro Cliente, Verifíque!").arg(nota->text());
    return {};
}

void TfrmSaidaMadeiras::BitBtn4Click()
{
    if (startInvoice(QStringLiteral("Não há Cliente(s) Cadastrado(s), Verifíque!"), QStringLiteral("Saída")))
        chooseClient();
}

// Closed without a choice the client stays as it was (empty on a new
// invoice, which the save then refuses).
void TfrmSaidaMadeiras::chooseClient()
{
    const std::optional<PickedRow> row = m_clientPicker.choose();
    if (!row)
        return;
    if (!row->isEmpty())
        writeParty(*row, QStringLiteral("NOMECREDOR"), QStringLiteral("CNPJ"), QStringLiteral("IE"), QStringLiteral("CODIGOCREDOR"));
    activateWindow();
    nota->setFocus();
}

void TfrmSaidaMadeiras::notaExit()
{
    if (dm->TSaida->isEditing() && !lineWindowBusy())
        showInvoiceLines();
}

// Lines ------------------------------------------------------------------------

void TfrmSaidaMadeiras::BitBtn12Click()
{
    // Lines need an invoice whose number is free for this client.
    if (lineWindowBusy() || !dm->TSaida->isEditing() || !numberReadyForLines())
        return;
    dm->QProduto->open();
    auto *w = lineWindow<TfrmSaidaMadeirasProdutos>(dm);
    w->startLine(lineInvoice());
    openLineWindow(w, w->CODIGOPRODUTO);
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn11})
        b->setEnabled(false);
}

void TfrmSaidaMadeiras::lineWindowClosed()
{
    if (!dm->TSaida->isActive() || !showInvoiceLines())
        return;
    activateWindow();
    totalnota->setFocus();
}

void TfrmSaidaMadeiras::linesChanged()
{
    restrictLines();
    const bool any = !lines()->isEmpty();
    showLinesGrid(any);
    if (!any)
        setLineButtons(BitBtn12->isEnabled(), false);
    recalculateTotals();
}

// Save, cancel, return -----------------------------------------------------------

void TfrmSaidaMadeiras::BitBtn1Click()
{
    // Not while one of its lines is still being typed.
    if (lineWindowBusy() || !dm->TSaida->isEditing())
        return;
    MovementSave save;
    save.checks = headerChecks();
    // Without a client the picker is shown again.
    if (fornecedor->text().isEmpty()) {
        passChecks({save.checks.first()}, this);
        chooseClient();
        return;
    }
    save.confirmText = QStringLiteral("Confirma a Inclusão?");
    save.declined = [this] { nota->setFocus(); };
    save.post = [this] {
        // Lines saved before the number or client changed go with the
        // header: both or neither.
        data::Transaction work(dm->IBDatabase1);
        if (m_linesKey.isValid()) {
            const SaleLineInvoice f = lineInvoice();
            m_sale.moveLines(m_linesKey, headerKey(), {headerKey().supplier, f.clientName, f.cpf, f.inscricao});
        }
        dm->TSaida->post();
        work.commit();
        m_linesKey = {};
    };
    save.continueText = QStringLiteral("Continua Lançamento?");
    save.another = [this] {
        setLineButtons(false, false);
        dm->TSaida->append();
        showLinesGrid(false);
        lines()->close();
        chooseClient();
    };
    save.finished = [this] { finishInvoices(); };
    runMovementSave(this, save);
}

void TfrmSaidaMadeiras::BitBtn2Click()
{
    cancelInvoice();
}

void TfrmSaidaMadeiras::BitBtn3Click()
{
    dm->TSaida_Discriminacao1->setMasterSource(nullptr, {});
    returnToMenu();
}

// Search and delete ---------------------------------------------------------------

void TfrmSaidaMadeiras::TabPesquisaSelected()
{
    InvoiceHeaderWindow::TabPesquisaSelected();
    dm->QCredor->close();
    dm->QCredor->setSql(QStringLiteral("Select * from Credor Order by NOMECREDOR"));
    dm->QCredor->open();
    // The lines shown follow the invoice under the cursor: its number and client.
    dm->TSaida_Discriminacao1->setMasterSource(dm->TSaida1,
                                               {{QStringLiteral("NFNUMERO"), QStringLiteral("NF_NUMERO")},
                                                {QStringLiteral("CODIGOFORNECEDOR"), QStringLiteral("CODIGOFORNECEDOR")}});
}

void TfrmSaidaMadeiras::TabLancamentoSelected()
{
    InvoiceHeaderWindow::TabLancamentoSelected();
    dm->TSaida_Discriminacao1->setMasterSource(nullptr, {});
}

void TfrmSaidaMadeiras::BitBtn13Click()
{
    auto *invoices = dm->TSaida1;
    if (!invoices->isActive() || invoices->isEmpty()) {
        error(QStringLiteral("Não há Lançamento(s) para ser(em) excluído(s)!"), QStringLiteral("Pesquisa"), this);
        BitBtn3->setFocus();
        return;
    }
    if (!ask(QStringLiteral("Confirma Exclusão?"), QStringLiteral("Confirmação"), this))
        return;
    // The invoice and its lines (its number and client) go together.
    m_sale.remove(invoices->value(QStringLiteral("CODIGOSAIDA")));
    invoices->refresh();
    dm->TSaida_Discriminacao1->refresh();
    DBGrid1->setFocus();
}
