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

namespace {

const QString kLancamento = QStringLiteral("Lançamento");
const QString kInformacao = QStringLiteral("Informação");
const QString kNoNumber = QStringLiteral("000000");

} // namespace

TfrmSaidaMadeiras::TfrmSaidaMadeiras(data::TDM *dm_, QWidget *parent)
    : InvoiceHeaderWindow(parent), dm(dm_), m_sale(dm_->IBDatabase1)
{
    setupUi(this);
    FormBinder::bind(this, {{QString(), dm->DSSaida},
                            {QStringLiteral("lines"), dm->DSSaida_Discriminacao},
                            {QStringLiteral("found"), dm->DSaida1},
                            {QStringLiteral("foundLines"), dm->DSaidaDiscriminacao1}});
    fornecedor1->setListSource(dm->QCredor, QStringLiteral("NOMECREDOR"), QStringLiteral("NOMECREDOR"));
    setMovementWindowFlags(this);
    setLines(dm->TSaida_Discriminacao, QStringLiteral("NFNUMERO"), QStringLiteral("CODIGOFORNECEDOR"));
    setOwnedDataSets({dm->TSaida, dm->TSaida_Discriminacao, dm->TSaida1, dm->TSaida_Discriminacao1, dm->QCredor,
                      dm->QEssencia, dm->QMunicipio});
    setReturnButton(BitBtn3);
    setIdleState({{BitBtn4, BitBtn2, BitBtn1, BitBtn5, BitBtn6, BitBtn3},
                  {BitBtn12, BitBtn9, BitBtn10, BitBtn11},
                  {BitBtn13, BitBtn7}});
    setTotalsDisplay(quantidade, QStringLiteral("#0.000"), totalproduto, QStringLiteral("#0.00"));
    setLinesGrids(DBGrid2, DBGrid3);
    setInvoice({dm->TSaida, dm->QCredor, dm->QMunicipio, dm->TSaida1, dm->TSaida_Discriminacao1});
    connectHandlers();
}

void TfrmSaidaMadeiras::connectHandlers()
{
    navigate({NavFirst, NavPrior, NavNext, NavLast}, dm->TSaida1);
    onClick(BitBtn4, [this] { BitBtn4Click(); });
    onClick(BitBtn1, [this] { BitBtn1Click(); });
    onClick(BitBtn2, [this] { BitBtn2Click(); });
    onClick(BitBtn3, [this] { BitBtn3Click(); });
    onClick(BitBtn5, [this] { BitBtn5Click(); });
    onClick(BitBtn6, [this] { BitBtn6Click(); });
    onClick(BitBtn7, [this] { BitBtn7Click(); });
    onClick(BitBtn8, [this] { BitBtn8Click(); });
    onClick(BitBtn12, [this] { BitBtn12Click(); });
    onClick(BitBtn13, [this] { BitBtn13Click(); });
    onClick(BitBtn9, [this] { deleteLine(); });
    onClick(BitBtn10, [this] { stepLines(&data::DataSet::next); });
    onClick(BitBtn11, [this] { stepLines(&data::DataSet::prior); });

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
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (!switchingPage())
            guarded(this, [&] { index == 1 ? TabPesquisaSelected() : TabLancamentoSelected(); });
    });
}

// Shown and the header -------------------------------------------------------

void TfrmSaidaMadeiras::FormShow()
{
    dm->TSaida->close();
    m_linesKey = {};
    showPage(0);
    BitBtn7->hide();
    BitBtn6->show();
    NOME_TRANSPORTADOR->setFocus();
}

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
    if (lineWindowBusy() || !dm->TSaida->isEditing())
        return;
    // Lines need an invoice whose number is free for this client.
    if (nota->text() == kNoNumber) {
        inform(QStringLiteral("Numero da Nota Fiscal deve ser informada!"), kLancamento, this);
        nota->setFocus();
        return;
    }
    if (const QString refusal = numberRefusal(); !refusal.isEmpty()) {
        inform(refusal, kLancamento, this);
        nota->setFocus();
        return;
    }
    if (!m_linesKey.isValid())
        m_linesKey = headerKey();
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

LineTotals TfrmSaidaMadeiras::lineTotals()
{
    const rules::InvoiceTotals totals = m_sale.totals(linesKey());
    return {totals.volume, totals.value, totals.lines};
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

void TfrmSaidaMadeiras::BitBtn5Click()
{
    dm->QSaida->open();
    const bool none = dm->QSaida->isEmpty();
    dm->QSaida->close();
    if (none) {
        inform(QStringLiteral("Não há Lançamento(s) para ser(em) Excluido(s)!"), QStringLiteral("Exclusão"), this);
        return;
    }
    showPage(1);
    TabPesquisaSelected();
    fornecedor1->setFocus();
}

void TfrmSaidaMadeiras::BitBtn6Click()
{
    dm->QSaida->open();
    const bool none = dm->QSaida->isEmpty();
    dm->QSaida->close();
    if (none) {
        inform(QStringLiteral("Não há Lançamento(s) para ser(em) pesquisado(s)!"), QStringLiteral("Pesquisa"), this);
        return;
    }
    showPage(1);
    TabPesquisaSelected();
    fornecedor1->setFocus();
}

void TfrmSaidaMadeiras::BitBtn7Click()
{
    showPage(0);
    TabLancamentoSelected();
}

void TfrmSaidaMadeiras::TabPesquisaSelected()
{
    nota1->setValue(0);
    BitBtn6->hide();
    BitBtn7->show();
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn4, BitBtn5})
        b->setEnabled(false);
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
    BitBtn7->hide();
    BitBtn13->hide();
    BitBtn6->show();
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn4, BitBtn5})
        b->setEnabled(true);
    dm->TSaida1->close();
    dm->TSaida_Discriminacao1->close();
    dm->TSaida_Discriminacao1->setMasterSource(nullptr, {});
    NOME_TRANSPORTADOR->setFocus();
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
