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

namespace {

const QString kLancamento = QStringLiteral("Lançamento");

// Keeps a button enabled exactly when another one is.
class EnabledWith : public QObject
{
public:
    EnabledWith(QWidget *follower, QWidget *leader) : QObject(follower), m_follower(follower)
    {
        leader->installEventFilter(this);
        follower->setEnabled(leader->isEnabled());
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::EnabledChange)
            m_follower->setEnabled(static_cast<QWidget *>(watched)->isEnabled());
        return false;
    }

private:
    QWidget *m_follower;
};

} // namespace

TfrmEntradaToros::TfrmEntradaToros(data::TDM *dm_, QWidget *parent)
    : InvoiceHeaderWindow(parent), nfeIntake(dm_->IBDatabase1), dm(dm_), m_invoices(dm_->IBDatabase1)
{
    setupUi(this);
    FormBinder::bind(this, {{QString(), dm->DSEntrada},
                            {QStringLiteral("lines"), dm->DSEntrada_Discriminacao},
                            {QStringLiteral("found"), dm->DSEntrada1},
                            {QStringLiteral("foundLines"), dm->DSEntradaDiscriminacao1}});
    fornecedor1->setListSource(dm->QFornecedor, QStringLiteral("NOMEFORNECEDOR"), QStringLiteral("NOMEFORNECEDOR"));
    setMovementWindowFlags(this);
    setLines(dm->TEntrada_discriminacao, QStringLiteral("NFNUMERO"), QStringLiteral("CODIGOFORNECEDOR"));
    setOwnedDataSets({dm->TEntrada, dm->TEntrada_discriminacao, dm->TEntrada1, dm->TEntradaDiscriminacao1,
                      dm->QFornecedor, dm->QEssencia, dm->QMunicipio});
    setReturnButton(BitBtn3);
    setIdleState({{BitBtn4, BitBtn2, BitBtn1, BitBtn5, BitBtn6, BitBtn3},
                  {BitBtn12, BitBtn9, BitBtn10, BitBtn11},
                  {BitBtn13, BitBtn7}});
    setTotalsDisplay(quantidade, QStringLiteral("#0.000"), totalproduto, QStringLiteral("#0.00"));
    setLinesGrids(DBGrid2, DBGrid3);
    setInvoice({dm->TEntrada, dm->QFornecedor, dm->QMunicipio, dm->TEntrada1, dm->TEntradaDiscriminacao1});
    connectHandlers();
}

void TfrmEntradaToros::connectHandlers()
{
    navigate({NavFirst, NavPrior, NavNext, NavLast}, dm->TEntrada1);
    auto click = [this](QPushButton *b, void (TfrmEntradaToros::*handler)()) {
        onClick(b, [this, handler] { (this->*handler)(); });
    };
    click(BitBtn4, &TfrmEntradaToros::BitBtn4Click);
    click(BitBtn1, &TfrmEntradaToros::BitBtn1Click);
    click(BitBtn2, &TfrmEntradaToros::BitBtn2Click);
    click(BitBtn3, &TfrmEntradaToros::BitBtn3Click);
    click(BitBtn5, &TfrmEntradaToros::BitBtn5Click);
    click(BitBtn6, &TfrmEntradaToros::BitBtn6Click);
    click(BitBtn7, &TfrmEntradaToros::BitBtn7Click);
    click(BitBtn8, &TfrmEntradaToros::BitBtn8Click);
    click(BitBtn9, &TfrmEntradaToros::BitBtn9Click);
    click(BitBtn10, &TfrmEntradaToros::BitBtn10Click);
    click(BitBtn11, &TfrmEntradaToros::BitBtn11Click);
    click(BitBtn12, &TfrmEntradaToros::BitBtn12Click);
    click(BitBtn13, &TfrmEntradaToros::BitBtn13Click);
    click(ImportarNFe, &TfrmEntradaToros::ImportarNFeClick);
    click(BitBtnEtiquetas, &TfrmEntradaToros::BitBtnEtiquetasClick);
    // Another way to start an invoice: usable exactly when "&Incluir" is.
    new EnabledWith(ImportarNFe, BitBtn4);

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
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (switchingPage())
            return;
        guarded(this, [&] { index == 1 ? TabPesquisaSelected() : TabLancamentoSelected(); });
    });
}

// Shown -------------------------------------------------------------------

void TfrmEntradaToros::FormShow()
{
    dm->TEntrada->close();
    showPage(0);
    BitBtn7->hide();
    BitBtn6->show();
    NOME_TRANSPORTADOR->setFocus();
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
    if (lineWindowBusy())
        return;
    // Lines need an invoice that is not already recorded for this supplier.
    if (nota->text() == QStringLiteral("000000")) {
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
    restrictLines();
    dm->TEntrada_discriminacao->append();
    auto *w = lineWindow<TfrmEntradaTorosProdutos>(dm);
    w->setHeader(this);
    w->fillInvoiceFields();
    openLineWindow(w, w->DBEDIT1);
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn11})
        b->setEnabled(false);
}

void TfrmEntradaToros::lineWindowClosed()
{
    if (dm->TEntrada->isActive())
        showInvoiceLines();
}

LineTotals TfrmEntradaToros::lineTotals()
{
    const rules::InvoiceTotals totals = m_invoices.totals(linesKey());
    return {totals.volume, totals.value, totals.lines};
}

void TfrmEntradaToros::BitBtn9Click()
{
    deleteLine();
}

void TfrmEntradaToros::linesChanged()
{
    restrictLines();
    recalculateTotals();
}

void TfrmEntradaToros::BitBtn10Click()
{
    stepLines(&data::DataSet::next);
}

void TfrmEntradaToros::BitBtn11Click()
{
    stepLines(&data::DataSet::prior);
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

void TfrmEntradaToros::BitBtn5Click()
{
    dm->QEntrada->open();
    if (dm->QEntrada->isEmpty()) {
        dm->QEntrada->close();
        inform(QStringLiteral("Não há Lançamento(s) para ser(em) Excluido(s)!"), QStringLiteral("Exclusão"), this);
        return;
    }
    dm->QEntrada->close();
    BitBtn6Click();
}

void TfrmEntradaToros::BitBtn6Click()
{
    dm->QEntrada->open();
    if (dm->QEntrada->isEmpty()) {
        dm->QEntrada->close();
        inform(QStringLiteral("Não há Lançamento(s) para ser(em) pesquisado(s)!"), QStringLiteral("Pesquisa"), this);
        return;
    }
    dm->QEntrada->close();
    showPage(1);
    TabPesquisaSelected();
    fornecedor1->setFocus();
}

void TfrmEntradaToros::BitBtn7Click()
{
    showPage(0);
    TabLancamentoSelected();
}

void TfrmEntradaToros::TabPesquisaSelected()
{
    nota1->setValue(0);
    BitBtn6->hide();
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn4, BitBtn5})
        b->setEnabled(false);
    BitBtn7->show();
    dm->QFornecedor->setSql(QStringLiteral("Select * from Fornecedor Order by NOMEFORNECEDOR"));
    dm->QFornecedor->open();
}

void TfrmEntradaToros::TabLancamentoSelected()
{
    BitBtn7->hide();
    BitBtn13->hide();
    BitBtn6->show();
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn4, BitBtn5})
        b->setEnabled(true);
    dm->QFornecedor->close();
    dm->TEntrada1->close();
    dm->TEntradaDiscriminacao1->close();
    NOME_TRANSPORTADOR->setFocus();
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
