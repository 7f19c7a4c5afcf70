#include "UnitCredor.h"

#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/LookupCombo.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using widgets::CharCase;

namespace {
const QString kZeros14 = QStringLiteral("00000000000000");
const QString kZeros11 = QStringLiteral("00000000000");

widgets::RegisterDescription clients(data::TDM *dm)
{
    widgets::RegisterDescription d;
    d.objectName = QStringLiteral("TfrmCredor");
    d.caption = QStringLiteral("Clientes");
    d.table = dm->TCredor;
    d.source = dm->DCredor;
    d.navigatorHints = d.hintsFor(QStringLiteral("Cliente"));
    d.buttons = d.standardButtons(QStringLiteral("Incluir Cliente"), QStringLiteral("Excluir Cliente"));
    d.tabs = QStringList{QStringLiteral("Cadastro"), QStringLiteral("Pesquisa")};
    d.entryTitle = QStringLiteral("Cadastro de Clientes");
    d.searchTitle = QStringLiteral("Pesquisa de Clientes");
    d.searchField = QStringLiteral("NOMECREDOR");
    d.searchColumns = {{QStringLiteral("NOMECREDOR"), QStringLiteral("Cliente"), 250},
                       {QStringLiteral("CIDADE"), QStringLiteral("CIDADE"), 150},
                       {QStringLiteral("FONE"), QStringLiteral("Telefone"), 100, Qt::AlignCenter},
                       {QStringLiteral("IE"), QStringLiteral("Insc. Estadual"), 120}};
    d.gridMinimum = QSize(640, 300);
    d.countPrefix = QStringLiteral("Cliente(s) Cadastrado(s).: ");
    d.orders = {{QStringLiteral("CLIENTE"), QStringLiteral("NOMECREDOR")},
                {QStringLiteral("CIDADE"), QStringLiteral("CIDADE")}};
    d.initialOrder = QStringLiteral("CLIENTE");
    d.searchEmptyMessage = QStringLiteral("Não hà Clientes cadastrados para execução deste menu!");
    const QString caption = QStringLiteral("Cadastro");
    d.required = {
        {QStringLiteral("TIPOCLIENTE"), QStringLiteral("Tipo de Cliente deve ser informado!"), caption},
        {QStringLiteral("NOMECREDOR"), QStringLiteral("Razão Social/Nome deve ser informado!"), caption},
        {QStringLiteral("ENDERECO"), QStringLiteral("Endereço deve ser informado!"), caption},
        {QStringLiteral("BAIRRO"), QStringLiteral("Bairro deve ser informado!"), caption},
        {QStringLiteral("CIDADE"), QStringLiteral("Cidade deve ser informada!"), caption},
        {QStringLiteral("MaskCEP"), QStringLiteral("CEP deve ser informado!"), caption},
    };
    d.duplicateMessage = QStringLiteral("Cliente já Cadastrado, Verifique!");
    d.duplicateCaption = QStringLiteral("Cliente");
    d.deleteEmptyMessage = QStringLiteral("Não hà Clientes para serem Excluídos!");
    d.deleteEmptyCaption = QStringLiteral("Alteração");
    d.deleteQuestion = QStringLiteral("Confirma Exclusão deste Cliente?");
    return d;
}
} // namespace

TfrmCredor::TfrmCredor(data::TDM *dm, QWidget *parent) : PartyRegister(dm, clients(dm), parent)
{
    data::DataSource *src = dm->DCredor;
    TabSheet1 = page(0);
    TabSheet2 = page(1);

    auto edit = [&](const char *field, CharCase c, int width = 0) {
        return widgets::makeDBEdit(src, TabSheet1, QLatin1String(field), c, width);
    };
    auto *f = new QFormLayout(TabSheet1);
    CODIGOCREDOR = edit("CODIGOCREDOR", CharCase::Normal, 90);
    CODIGOCREDOR->setEnabled(false);
    TIPOCLIENTE = new widgets::DBComboBox(TabSheet1);
    TIPOCLIENTE->setObjectName(QStringLiteral("TIPOCLIENTE"));
    TIPOCLIENTE->addItems({QStringLiteral("1-PESSOA FÍSICA"), QStringLiteral("2-PESSOA JURÍDICA")});
    TIPOCLIENTE->setCurrentIndex(-1);
    TIPOCLIENTE->setDataSource(src);
    TIPOCLIENTE->setDataField(QStringLiteral("TIPOCLIENTE"));
    TIPOCLIENTE->setFixedWidth(200);
    NOMECREDOR = edit("NOMECREDOR", CharCase::Upper);
    NOMECREDOR->setMinimumWidth(420);
    FANTASIA = edit("FANTASIA", CharCase::Upper);
    ENDERECO = edit("ENDERECO", CharCase::Upper);
    BAIRRO = edit("BAIRRO", CharCase::Upper);
    cityList(TabSheet1);
    UF = edit("UF", CharCase::Upper, 50);
    addressDigits(TabSheet1);
    CNPJ = maskedField(TabSheet1, src, QStringLiteral("CNPJ"), QStringLiteral("00.000.000/0000-00;0;_"),
                       QStringLiteral("MaskCNPJ"));
    CNPJ.edit->setFixedWidth(170);
    IE = edit("IE", CharCase::Upper, 200);
    CPF = maskedField(TabSheet1, src, QStringLiteral("CPF"), QStringLiteral("000.000.000-00;0;_"),
                      QStringLiteral("MaskCPF"));
    CPF.edit->setFixedWidth(140);
    EMAIL = edit("EMAIL", CharCase::Lower);
    CONTATO = edit("CONTATO", CharCase::Upper);

    f->addRow(buddyLabel(QStringLiteral("Código Cliente"), CODIGOCREDOR), CODIGOCREDOR);
    f->addRow(buddyLabel(QStringLiteral("Tipo de Cliente"), TIPOCLIENTE), TIPOCLIENTE);
    f->addRow(buddyLabel(QStringLiteral("Razão Social/Nome"), NOMECREDOR), NOMECREDOR);
    f->addRow(buddyLabel(QStringLiteral("Nome de Fantasia"), FANTASIA), FANTASIA);
    f->addRow(buddyLabel(QStringLiteral("Endereço"), ENDERECO), ENDERECO);
    f->addRow(buddyLabel(QStringLiteral("Bairro/Caixa Postal"), BAIRRO), BAIRRO);
    f->addRow(buddyLabel(QStringLiteral("Cidade"), CIDADE), CIDADE);
    f->addRow(buddyLabel(QStringLiteral("UF"), UF), UF);
    f->addRow(buddyLabel(QStringLiteral("CEP"), CEP.edit), CEP.edit);
    auto *phones = new QHBoxLayout;
    phones->addWidget(FONE.edit);
    phones->addWidget(FAX.edit);
    phones->addStretch(1);
    f->addRow(buddyLabel(QStringLiteral("Fone/Fax"), FONE.edit), phones);
    f->addRow(buddyLabel(QStringLiteral("CNPJ"), CNPJ.edit), CNPJ.edit);
    f->addRow(buddyLabel(QStringLiteral("Insc.Estadual"), IE), IE);
    f->addRow(buddyLabel(QStringLiteral("CPF"), CPF.edit), CPF.edit);
    f->addRow(buddyLabel(QStringLiteral("e-mail"), EMAIL), EMAIL);
    f->addRow(buddyLabel(QStringLiteral("Contato"), CONTATO), CONTATO);
    for (QWidget *w : {static_cast<QWidget *>(CNPJ.edit), static_cast<QWidget *>(IE), static_cast<QWidget *>(CPF.edit)})
        w->setEnabled(false);

    taxChecks();

    onExit(TIPOCLIENTE, [this] { TIPOCLIENTEExit(); });
    dropDownOnTyping(TIPOCLIENTE);
    // Picking a name makes that municipality the current row of the list.
    connect(CIDADE, &widgets::DBLookupComboBox::keyChanged, this, [this](const QVariant &name) {
        if (!name.isNull())
            guarded(this, [&] { this->dm()->QMunicipio->locate(QStringLiteral("NOM_MUNIC"), name, {false, false}); });
    });
    onEnter(UF, [this] { UFEnter(); });
    onExit(CEP.edit, [this] { emptyToZeros(CEP, QStringLiteral("00000000")); });
    onExit(FONE.edit, [this] { emptyToZeros(FONE, QStringLiteral("0000000000")); });
    onExit(FAX.edit, [this] { emptyToZeros(FAX, QStringLiteral("0000000000")); });
    onExit(CONTATO, [this] {
        if (!focusGoingTo(Gravar))
            button(Gravar)->click();
    });
    connect(PageControl1, &QTabWidget::currentChanged, this, &TfrmCredor::pageChanged);
}

void TfrmCredor::FormShow()
{
    PageControl1->setCurrentWidget(TabSheet1);
    setTitle(QStringLiteral("Cadastro de Clientes"));
    table()->open();
    table()->setIndexName(QStringLiteral("IND_CREDOR"));
    ComboBox1->setCurrentText(QStringLiteral("CLIENTE"));
    TIPOCLIENTE->setFocus();
    showSearchButtons(false);
    openMunicipalities();
}

void TfrmCredor::pageChanged(int index)
{
    if (switchingPage())
        return;
    guarded(this, [&] { index == 0 ? TabSheet1Show() : TabSheet2Show(); });
}

void TfrmCredor::TabSheet1Show()
{
    setTitle(QStringLiteral("Cadastro de Clientes"));
    TIPOCLIENTE->setFocus();
    showSearchButtons(false);
    selectOrder(ComboBox1, QStringLiteral("CLIENTE"));
}

void TfrmCredor::TabSheet2Show()
{
    showSearchPage();
}

void TfrmCredor::TIPOCLIENTEExit()
{
    data::Table *t = table();
    const QString kind = TIPOCLIENTE->currentText();
    if (kind == QStringLiteral("2-PESSOA JURÍDICA")) {
        CNPJ.edit->setEnabled(true);
        IE->setEnabled(true);
        CPF.edit->setEnabled(false);
        if (t->isActive())
            t->setValue(QStringLiteral("CPF"), kZeros11);
    } else if (kind == QStringLiteral("1-PESSOA FÍSICA")) {
        CPF.edit->setEnabled(true);
        CNPJ.edit->setEnabled(false);
        IE->setEnabled(false);
        if (t->isActive()) {
            t->setValue(QStringLiteral("IE"), kZeros14);
            t->setValue(QStringLiteral("CNPJ"), kZeros14);
        }
    }
}

void TfrmCredor::UFEnter()
{
    data::Query *q = dm()->QMunicipio;
    if (q->isActive() && q->recNo() >= 0)
        table()->setValue(QStringLiteral("UF"), q->asString(QStringLiteral("SIG_UF")));
}

void TfrmCredor::emptyToZeros(const MaskedField &field, const QString &zeros)
{
    if (field.column->text().isEmpty() && table()->isActive())
        table()->setValue(field.column->link()->dataField(), zeros);
}

void TfrmCredor::BtnIncluirClick()
{
    startNew(TIPOCLIENTE);
}

void TfrmCredor::BtnGravarClick()
{
    if (!checkRequired())
        return;
    data::Table *t = table();
    if (CPF.column->text().isEmpty())
        t->setValue(QStringLiteral("CPF"), kZeros11);
    if (IE->text().isEmpty())
        t->setValue(QStringLiteral("IE"), kZeros14);
    if (widgets::ask(QStringLiteral("Confirma a Inclusão/Alteração?"), QStringLiteral("Confirmação"), this)) {
        saveOr([&] {
            if (CNPJ.column->text().isEmpty())
                t->setValue(QStringLiteral("CNPJ"), kZeros14);
            saveThenContinue([this] { TIPOCLIENTE->setFocus(); });
        });
    }
    TIPOCLIENTE->setFocus();
}

void TfrmCredor::BtnCancelarClick()
{
    cancelPending(TIPOCLIENTE);
}

void TfrmCredor::BtnExcluirClick()
{
    deleteCurrent();
}

void TfrmCredor::BtnPesquisarClick()
{
    openSearch(NOMECREDOR);
}

void TfrmCredor::BtnCadastroClick()
{
    switchPageQuietly(TabSheet1);
    TabSheet1Show();
}

void TfrmCredor::BtnRetornarClick()
{
    ComboBox1->setCurrentText(QStringLiteral("CLIENTE"));
    closeRegister();
}
