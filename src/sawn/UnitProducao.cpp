#include "UnitProducao.h"

#include "core/Amount.h"
#include "core/Formats.h"
#include "data/DataError.h"
#include "data/Table.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBNavigator.h"
#include "widgets/DateEdit.h"
#include "widgets/KeyNavigation.h"
#include "widgets/MovementWindow.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"
#include "widgets/UpperCaseValidator.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace widgets;

namespace {

const QString kEntryTitle = QStringLiteral("Lançamento da Produção");
const QString kLancamento = QStringLiteral("Lançamento");
const QString kConfirmacao = QStringLiteral("Confirmação");
enum Page { Cadastro = 0, Pesquisa = 1 };

QPushButton *button(const QString &text, const QString &name, const QString &hint = {})
{
    auto *b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setToolTip(hint);
    return b;
}

template <typename E>
E *bound(data::DataSource *source, const QString &field, const QString &name)
{
    auto *e = new E;
    e->setObjectName(name);
    e->setDataSource(source);
    e->setDataField(field);
    return e;
}

// A field the user reads but never types into; Tab passes it by, a check
// may still point at it.
template <typename E>
E *shown(E *e)
{
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::ClickFocus);
    return e;
}

} // namespace

TfrmProducao::TfrmProducao(data::TDM *dm_, QWidget *parent)
    : QDialog(parent), dm(dm_), m_production(dm_->IBDatabase1)
{
    setObjectName(QStringLiteral("TfrmProducao"));
    setWindowTitle(QStringLiteral("Produção"));
    setMovementWindowFlags(this);
    buildUi();
}

void TfrmProducao::buildUi()
{
    auto *layout = new QVBoxLayout(this);
    Label1 = new QLabel(kEntryTitle);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("QLabel { background: #1f3b5a; color: yellow; font-weight: bold; "
                                         "font-size: 14pt; padding: 10px; }"));
    layout->addWidget(Label1);

    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);
    layout->addWidget(PageControl1, 1);

    data::DataSource *src = dm->DPRODUCAO;
    auto *entry = new QWidget;
    auto *form = new QFormLayout(entry);
    CODLANCAMENTO = shown(bound<ZeroPadEdit>(src, QStringLiteral("CODLANCAMENTO"), QStringLiteral("CODLANCAMENTO")));
    CODLANCAMENTO->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    DATA = bound<DateEdit>(src, QStringLiteral("DATA"), QStringLiteral("DATA"));
    PRODUTO = bound<DBEdit>(src, QStringLiteral("PRODUTO"), QStringLiteral("PRODUTO"));
    PRODUTO->setReadOnly(true);
    CODPRODUTO = shown(bound<DBEdit>(src, QStringLiteral("CODPRODUTO"), QStringLiteral("CODPRODUTO")));
    ESSENCIA = shown(bound<DBEdit>(src, QStringLiteral("ESSENCIA"), QStringLiteral("ESSENCIA")));
    DBEdit5 = bound<DBEdit>(src, QStringLiteral("CODIGOESSENCIA"), QStringLiteral("DBEdit5"));
    DBEdit2 = bound<DBEdit>(src, QStringLiteral("VALTORA"), QStringLiteral("DBEdit2"));
    DBEdit1 = bound<DBEdit>(src, QStringLiteral("CODPRODUTO"), QStringLiteral("DBEdit1"));
    QTORA = shown(bound<NumericEdit>(src, QStringLiteral("QTORA"), QStringLiteral("QTORA")));
    QTORA->setDecimals(4);
    QSERRADA = shown(bound<NumericEdit>(src, QStringLiteral("QSERRADA"), QStringLiteral("QSERRADA")));
    QSERRADA->setDecimals(4);
    IND = shown(new QLineEdit);
    IND->setObjectName(QStringLiteral("IND"));
    IND->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
    form->addRow(QStringLiteral("Código Lançamento"), CODLANCAMENTO);
    form->addRow(QStringLiteral("Data da Serragem"), DATA);
    form->addRow(QStringLiteral("Produto"), PRODUTO);
    form->addRow(QStringLiteral("Código Produto/Toro"), CODPRODUTO);
    form->addRow(QStringLiteral("Essência"), ESSENCIA);
    form->addRow(QStringLiteral("Quant Toro (M/3)"), QTORA);
    form->addRow(QStringLiteral("Indice de Transformação"), IND);
    form->addRow(QStringLiteral("Quant Serrada Transf (M/3)"), QSERRADA);
    for (QWidget *hidden : std::initializer_list<QWidget *>{DBEdit5, DBEdit2, DBEdit1}) {
        hidden->setParent(entry);
        hidden->hide();
    }
    PageControl1->addTab(entry, QStringLiteral("Cadastro"));

    auto *search = new QWidget;
    auto *sl = new QVBoxLayout(search);
    GroupBox1 = new QGroupBox(QStringLiteral("Pesquisa (Digite o código do Produto/Toro que deseja localizar)"));
    auto *gl = new QVBoxLayout(GroupBox1);
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    gl->addWidget(Edit1);
    sl->addWidget(GroupBox1);
    DBGrid1 = new DBGrid;
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setDataSource(src);
    DBGrid1->setColumns({{QStringLiteral("CODPRODUTO"), QStringLiteral("Toro"), 55, {}, true, Qt::red},
                         {QStringLiteral("DATA"), QStringLiteral("Data"), 73, Qt::AlignCenter},
                         {QStringLiteral("ESSENCIA"), QStringLiteral("Essência"), 114},
                         {QStringLiteral("PRODUTO"), QStringLiteral("Produto"), 162},
                         {QStringLiteral("QTORA"), QStringLiteral("Tora (M/3)"), 71},
                         {QStringLiteral("VALTORA"), QStringLiteral("Val.Toro"), 71},
                         {QStringLiteral("QSERRADA"), QStringLiteral("Serrada (M/3)"), 72}});
    DBGrid1->setMinimumWidth(660);
    sl->addWidget(DBGrid1, 1);
    PageControl1->addTab(search, QStringLiteral("Pesquisa"));

    auto *bar = new QHBoxLayout;
    DBNavigator1 = new DBNavigator;
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setDataSource(src);
    DBNavigator1->setVisibleButtons(
        {DBNavigator::nbFirst, DBNavigator::nbPrior, DBNavigator::nbNext, DBNavigator::nbLast});
    DBNavigator1->setHints({QStringLiteral("Primeiro Registro"), QStringLiteral("Registro Anterior"),
                            QStringLiteral("Próximo Registro"), QStringLiteral("Último Registro")});
    DBNavigator1->setConfirmCancel(true);
    DBNavigator1->setConfirmDelete(true);
    DBNavigator1->setAutoRefresh(true);
    DBNavigator1->setAutoStates(true);
    DBNavigator1->setFixedSize(136, 30);
    bar->addWidget(DBNavigator1);
    BitBtn1 = button(QStringLiteral("&Incluir"), QStringLiteral("BitBtn1"), QStringLiteral("Incluir Produto"));
    BitBtn2 = button(QStringLiteral("&Cancelar"), QStringLiteral("BitBtn2"), QStringLiteral("Cancelar Cadastro"));
    BitBtn3 = button(QStringLiteral("&Excluir"), QStringLiteral("BitBtn3"));
    BitBtn4 = button(QStringLiteral("&Gravar"), QStringLiteral("BitBtn4"), QStringLiteral("Gravar Cadastro"));
    BitBtn5 = button(QStringLiteral("&Pesquisar"), QStringLiteral("BitBtn5"), QStringLiteral("Ir para Pesquisa"));
    BitBtn6 = button(QStringLiteral("Ca&dastro"), QStringLiteral("BitBtn6"), QStringLiteral("Ir para Cadastro"));
    BitBtn7 = button(QStringLiteral("&Retornar"), QStringLiteral("BitBtn7"),
                     QStringLiteral("Retornar ao Menu Principal"));
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn6, BitBtn7})
        bar->addWidget(b);
    layout->addLayout(bar);
    setTabOrder(DATA, PRODUTO);

    auto on = [this](QPushButton *b, void (TfrmProducao::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] { guarded(this, [&] { (this->*handler)(); }); });
    };
    on(BitBtn1, &TfrmProducao::BitBtn1Click);
    on(BitBtn2, &TfrmProducao::BitBtn2Click);
    on(BitBtn3, &TfrmProducao::BitBtn3Click);
    on(BitBtn4, &TfrmProducao::BitBtn4Click);
    on(BitBtn5, &TfrmProducao::BitBtn5Click);
    on(BitBtn6, &TfrmProducao::BitBtn6Click);
    on(BitBtn7, &TfrmProducao::BitBtn7Click);
    onEnter(PRODUTO, [this] { guarded(this, [this] { PRODUTOEnter(); }); });
    PRODUTO->installEventFilter(this);
    KeyNavigator::leaveEnterTo(PRODUTO);
    UpperCaseValidator::install(Edit1);
    connect(Edit1, &QLineEdit::textEdited, this,
            [this](const QString &t) { guarded(this, [this, t] { Edit1Change(t); }); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int page) {
        if (m_switchingTab)
            return;
        guarded(this, [&] { page == Cadastro ? TabCadastroSelected() : TabPesquisaSelected(); });
    });
}

// Shown and closed --------------------------------------------------------

void TfrmProducao::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded(this, [this] { FormShow(); });
}

void TfrmProducao::FormShow()
{
    IdleState{{BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn7}, {}, {BitBtn6}}.apply();
    setIndex(0);
    showPage(Cadastro);
    Label1->setText(kEntryTitle);
    DATA->setFocus();
}

void TfrmProducao::done(int result)
{
    // Esc is "&Retornar", and does nothing while a row is being entered.
    if (result == QDialog::Rejected && !m_closing) {
        if (BitBtn7->isEnabled())
            guarded(this, [this] { BitBtn7Click(); });
        return;
    }
    QDialog::done(result);
}

bool TfrmProducao::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the product field saves.
    if (watched == PRODUTO && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            BitBtn4->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Helpers -------------------------------------------------------------------

void TfrmProducao::setIndex(qint64 tenThousandths)
{
    m_index = tenThousandths;
    IND->setText(core::formatFloat(QStringLiteral("#0.00"), core::fromTenThousandths(m_index)));
}

void TfrmProducao::showPage(int page)
{
    m_switchingTab = true;
    PageControl1->setCurrentIndex(page);
    m_switchingTab = false;
}

// Off while a row is being entered.
void TfrmProducao::setEntryButtons(bool enabled)
{
    for (QPushButton *b : {BitBtn7, BitBtn1, BitBtn3, BitBtn5})
        b->setEnabled(enabled);
}

void TfrmProducao::newRow()
{
    dm->TPRODUCAO->append();
    setIndex(0);
    DATA->setFocus();
    DATA->setDate(QDate::currentDate());
}

// Handlers ------------------------------------------------------------------

void TfrmProducao::BitBtn1Click()
{
    dm->TPRODUCAO->open();
    showPage(Cadastro);
    setEntryButtons(false);
    newRow();
}

void TfrmProducao::PRODUTOEnter()
{
    if (!DATA->isValidDate() || !dm->TPRODUCAO->isEditing())
        return;
    const std::optional<PickedRow> product = m_products.choose();
    if (!product)
        return;
    writeInto(PRODUTO, product->text(QStringLiteral("NOMEGRAU")));
    setIndex(core::toTenThousandths(product->value(QStringLiteral("FATOR")).toDouble()));
    const std::optional<PickedRow> log = m_logs.choose();
    if (!log || log->isEmpty())
        return;
    writeInto(CODPRODUTO, log->value(QStringLiteral("CODIGOPRODUTO")));
    writeInto(DBEdit5, log->value(QStringLiteral("CODIGOESSENCIA")));
    writeInto(ESSENCIA, log->value(QStringLiteral("ESSENCIA")));
    writeInto(QTORA, log->value(QStringLiteral("QUANTIDADE")));
    writeInto(DBEdit2, log->value(QStringLiteral("VALTOTAL")));
}

void TfrmProducao::BitBtn4Click()
{
    data::Table *t = dm->TPRODUCAO;
    const bool entering = t->isEditing();
    const QVector<SaveCheck> checks = {
        {[this] { return !DATA->isValidDate(); }, QStringLiteral("Data da Serragem deve ser informada!"), DATA},
        {[&] { return !entering || t->isNull(QStringLiteral("CODPRODUTO")); },
         QStringLiteral("Código do Produto/Toro deve ser informado!"), CODPRODUTO},
        {[this] { return m_index == 0; },
         QStringLiteral("Indice de transformação não informado para o produto selecionado, verífique no cadastro "
                        "de produto!"),
         DATA},
        {[this] { return m_index < 0; },
         QStringLiteral("Indice de transformação inválido para o produto selecionado, verífique no cadastro de "
                        "produto!!"),
         DATA},
    };
    if (!passChecks(checks, this))
        return;
    if (!ask(QStringLiteral("Confirma a Inclusão/Alteração?"), kConfirmacao, this))
        return;
    const double sawn = rules::Production::sawnVolume(t->asDouble(QStringLiteral("QTORA")), m_index);
    writeInto(QSERRADA, sawn);

    rules::ProductionRow row;
    row.date = DATA->date();
    row.product = t->asString(QStringLiteral("PRODUTO"));
    row.log = t->value(QStringLiteral("CODPRODUTO"));
    row.species = t->asString(QStringLiteral("ESSENCIA"));
    row.speciesCode = t->value(QStringLiteral("CODIGOESSENCIA"));
    row.logVolume = t->asDouble(QStringLiteral("QTORA"));
    row.logValue = t->asDouble(QStringLiteral("VALTORA"));
    row.sawnVolume = sawn;
    rules::Production::Refusal refusal = rules::Production::Refusal::None;
    if (!guarded(this, [&] { refusal = m_production.save(row); }))
        return;
    if (refusal != rules::Production::Refusal::None) {
        const QString code = CODPRODUTO->text();
        warn(refusal == rules::Production::Refusal::LogMissing
                 ? QStringLiteral("Toro %1 não encontrado nas Entradas, Verífique!").arg(code)
                 : QStringLiteral("Toro %1 já foi serrado em outro lançamento, escolha outro Toro!").arg(code),
             kLancamento, this);
        PRODUTO->setFocus();
        return;
    }
    // Stored by the rule; the window's own row was only the form.
    t->cancel();
    t->refresh();
    if (ask(QStringLiteral("Continua Lançamento?"), kConfirmacao, this)) {
        newRow();
        return;
    }
    setEntryButtons(true);
    t->close();
    m_closing = true;
    accept();
    m_closing = false;
}

void TfrmProducao::BitBtn2Click()
{
    dm->TPRODUCAO->close();
    setEntryButtons(true);
    DATA->clearDate();
    DATA->setFocus();
    setIndex(0);
}

void TfrmProducao::BitBtn3Click()
{
    data::Table *t = dm->TPRODUCAO;
    if (!t->isActive() || t->isEmpty()) {
        warn(QStringLiteral("Não há registros para exclusão!"), QStringLiteral("Informação"), this);
        showPage(Cadastro);
        DATA->setFocus();
        for (QPushButton *b : {BitBtn1, BitBtn3, BitBtn5})
            b->setEnabled(true);
        return;
    }
    if (!ask(QStringLiteral("Confirma Exclusão?"), kConfirmacao, this)) {
        Edit1->setFocus();
        return;
    }
    const QVariant id = t->value(QStringLiteral("CODLANCAMENTO"));
    Edit1->setFocus();
    m_production.remove(id);
    t->refresh();
}

void TfrmProducao::BitBtn5Click()
{
    data::Table *t = dm->TPRODUCAO;
    t->open();
    if (t->isEmpty()) {
        t->close();
        inform(QStringLiteral("Não hà Lançamentos para pesquisa!"), QStringLiteral("Pesquisa"), this);
        DATA->setFocus();
        return;
    }
    t->setIndexFieldNames(QStringLiteral("CODPRODUTO"));
    Label1->setText(QStringLiteral("Pesquisa de Lançamento da Prdução"));
    showPage(Pesquisa);
    for (QPushButton *b : {BitBtn1, BitBtn4, BitBtn2})
        b->setEnabled(false);
    BitBtn5->hide();
    BitBtn6->show();
    Edit1->setFocus();
}

void TfrmProducao::BitBtn6Click()
{
    dm->TPRODUCAO->close();
    Label1->setText(kEntryTitle);
    showPage(Cadastro);
    for (QPushButton *b : {BitBtn1, BitBtn4, BitBtn2})
        b->setEnabled(true);
    BitBtn6->hide();
    BitBtn5->show();
    DATA->setFocus();
}

void TfrmProducao::BitBtn7Click()
{
    dm->TPRODUCAO->close();
    m_closing = true;
    QDialog::done(QDialog::Rejected);
    m_closing = false;
}

void TfrmProducao::Edit1Change(const QString &text)
{
    data::Table *t = dm->TPRODUCAO;
    if (text.isEmpty() || !t->isActive())
        return;
    t->locate(QStringLiteral("CODPRODUTO"), core::editValue(text), {false, false});
}

void TfrmProducao::TabCadastroSelected()
{
    dm->TPRODUCAO->close();
    Label1->setText(kEntryTitle);
    DATA->setFocus();
    BitBtn6->hide();
    BitBtn5->show();
}

void TfrmProducao::TabPesquisaSelected()
{
    dm->TPRODUCAO->open();
    Label1->setText(QStringLiteral("Pesquisa de Lançamento da Produção"));
    BitBtn5->hide();
    BitBtn6->show();
    Edit1->setFocus();
}
