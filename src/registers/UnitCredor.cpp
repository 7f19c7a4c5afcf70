#include "UnitCredor.h"

#include "data/UnitDM.h"
#include "taxid/TCheckCNPJ.h"
#include "taxid/TCheckCPF.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/LookupCombo.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using widgets::CharCase;

namespace {
const QString kInfo = QStringLiteral("Informação");
const QString kZeros14 = QStringLiteral("00000000000000");
const QString kZeros11 = QStringLiteral("00000000000");
}

TfrmCredor::TfrmCredor(data::TDM *dm, QWidget *parent) : RegisterWindow(dm, dm->TCredor, parent)
{
    setObjectName(QStringLiteral("TfrmCredor"));
    setWindowTitle(QStringLiteral("Clientes"));
    data::DataSource *src = dm->DCredor;

    PageControl1 = tabbedBody({QStringLiteral("Cadastro"), QStringLiteral("Pesquisa")});
    TabSheet1 = PageControl1->widget(0);
    TabSheet2 = PageControl1->widget(1);

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
    CIDADE = new widgets::DBLookupComboBox(TabSheet1);
    CIDADE->setObjectName(QStringLiteral("CIDADE"));
    CIDADE->setListSource(dm->QMunicipio, QStringLiteral("NOM_MUNIC"), QStringLiteral("NOM_MUNIC"));
    CIDADE->setDataSource(src);
    CIDADE->setDataField(QStringLiteral("CIDADE"));
    CIDADE->setMinimumWidth(280);
    UF = edit("UF", CharCase::Upper, 50);
    CEP = maskedField(TabSheet1, src, QStringLiteral("CEP"), QStringLiteral("99999-999;0;_"), QStringLiteral("MaskCEP"));
    CEP.edit->setFixedWidth(110);
    FONE = maskedField(TabSheet1, src, QStringLiteral("FONE"), QStringLiteral("99-9999-9999;0;_"),
                       QStringLiteral("MaskFONE"));
    FONE.edit->setFixedWidth(130);
    FAX = maskedField(TabSheet1, src, QStringLiteral("FAX"), QStringLiteral("99-9999-9999;0;_"),
                      QStringLiteral("MaskFAX"));
    FAX.edit->setFixedWidth(130);
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

    const SearchPage search =
        searchPage(TabSheet2, QStringLiteral("Pesquisa (Digite o nome do Cliente que deseja localizar)"), src,
                   {{QStringLiteral("NOMECREDOR"), QStringLiteral("Cliente"), 250},
                    {QStringLiteral("CIDADE"), QStringLiteral("CIDADE"), 150},
                    {QStringLiteral("FONE"), QStringLiteral("Telefone"), 100, Qt::AlignCenter},
                    {QStringLiteral("IE"), QStringLiteral("Insc. Estadual"), 120}},
                   QSize(640, 300), QStringLiteral("NOMECREDOR"), true);
    GroupBox1 = search.group;
    Edit1 = search.edit;
    DBGrid1 = search.grid;
    Panel1 = search.count;
    GroupBox2 = search.orderGroup;
    ComboBox1 = search.orders;

    setNavigatorHints({QStringLiteral("Primeiro Cliente"), QStringLiteral("Cliente Anterior"),
                       QStringLiteral("Proximo Cliente"), QStringLiteral("Ultimo Cliente")});
    setupButtons({{Incluir, QStringLiteral("&Incluir"), QStringLiteral("Incluir Cliente")},
                  {Cancelar, QStringLiteral("&Cancelar"), QStringLiteral("Cancelar Cadastro")},
                  {Gravar, QStringLiteral("&Gravar"), QStringLiteral("Gravar Cadastro")},
                  {Excluir, QStringLiteral("E&xcluir"), QStringLiteral("Excluir Cliente")},
                  {Pesquisar, QStringLiteral("&Pesquisar"), QStringLiteral("Ir para Pesquisa")},
                  {Cadastro, QStringLiteral("Ca&dastro"), QStringLiteral("Ir para Cadastro")},
                  {Retornar, QStringLiteral("&Retornar"), QStringLiteral("Retornar ao Menu Principal")}});
    setButtonVisible(Cadastro, false);
    setupOrders(ComboBox1, {{QStringLiteral("CLIENTE"), QStringLiteral("NOMECREDOR")},
                            {QStringLiteral("CIDADE"), QStringLiteral("CIDADE")}},
                QStringLiteral("CLIENTE"));

    CheckCNPJ = new TCheckCNPJ(this);
    CheckCNPJ->setAssociate(CNPJ.edit);
    CheckCNPJ->setOnError([this](QObject *) {
        widgets::inform(QStringLiteral("CNPJ inválido ou digitado incorretamente, Verefique!"), kInfo, this);
    });
    CheckCPF = new TCheckCPF(this);
    CheckCPF->setAssociate(CPF.edit);
    CheckCPF->setOnError([this](QObject *) {
        widgets::inform(QStringLiteral("CPF inválido ou digitado incorretamente, Verefique!"), kInfo, this);
    });

    onExit(TIPOCLIENTE, [this] { TIPOCLIENTEExit(); });
    dropDownOnTyping(TIPOCLIENTE);
    onEnter(CIDADE, [this] { CIDADE->showPopup(); });
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
    dm()->TCredor->open();
    dm()->TCredor->setIndexName(QStringLiteral("IND_CREDOR"));
    ComboBox1->setCurrentText(QStringLiteral("CLIENTE"));
    TIPOCLIENTE->setFocus();
    setButtonVisible(Cadastro, false);
    setButtonVisible(Pesquisar, true);
    dm()->QMunicipio->open();
    dm()->QMunicipio->close();
    dm()->QMunicipio->setSql(QStringLiteral("Select * from Municipio Order by NOM_MUNIC"));
    dm()->QMunicipio->open();
}

void TfrmCredor::pageChanged(int index)
{
    if (m_switching)
        return;
    guarded(this, [&] { index == 0 ? TabSheet1Show() : TabSheet2Show(); });
}

void TfrmCredor::TabSheet1Show()
{
    setTitle(QStringLiteral("Cadastro de Clientes"));
    TIPOCLIENTE->setFocus();
    setButtonVisible(Cadastro, false);
    setButtonVisible(Pesquisar, true);
    selectOrder(ComboBox1, QStringLiteral("CLIENTE"));
}

void TfrmCredor::TabSheet2Show()
{
    data::Table *t = dm()->TCredor;
    selectOrder(ComboBox1, QStringLiteral("CLIENTE"));
    t->last();
    showCount(Panel1, QStringLiteral("Cliente(s) Cadastrado(s).: "));
    t->first();
    Edit1->setFocus();
    setButtonVisible(Cadastro, true);
    setButtonVisible(Pesquisar, false);
    setTitle(QStringLiteral("Pesquisa de Clientes"));
}

void TfrmCredor::TIPOCLIENTEExit()
{
    data::Table *t = dm()->TCredor;
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
        dm()->TCredor->setValue(QStringLiteral("UF"), q->asString(QStringLiteral("SIG_UF")));
}

void TfrmCredor::emptyToZeros(const MaskedField &field, const QString &zeros)
{
    if (field.column->text().isEmpty() && dm()->TCredor->isActive())
        dm()->TCredor->setValue(field.column->link()->dataField(), zeros);
}

void TfrmCredor::BtnIncluirClick()
{
    setButtonsEnabled({Incluir}, false);
    PageControl1->setCurrentWidget(TabSheet1);
    setButtonsEnabled({Excluir, Pesquisar, Retornar}, false);
    TIPOCLIENTE->setFocus();
    dm()->TCredor->append();
}

void TfrmCredor::BtnGravarClick()
{
    const QString caption = QStringLiteral("Cadastro");
    if (checkRequired({
            {TIPOCLIENTE, emptyText(TIPOCLIENTE), QStringLiteral("Tipo de Cliente deve ser informado!"), caption},
            {NOMECREDOR, emptyText(NOMECREDOR), QStringLiteral("Razão Social/Nome deve ser informado!"), caption},
            {ENDERECO, emptyText(ENDERECO), QStringLiteral("Endereço deve ser informado!"), caption},
            {BAIRRO, emptyText(BAIRRO), QStringLiteral("Bairro deve ser informado!"), caption},
            {CIDADE, emptyText(CIDADE), QStringLiteral("Cidade deve ser informada!"), caption},
            {CEP.edit, emptyText(CEP.column), QStringLiteral("CEP deve ser informado!"), caption},
        })) {
        data::Table *t = dm()->TCredor;
        if (CPF.column->text().isEmpty())
            t->setValue(QStringLiteral("CPF"), kZeros11);
        if (IE->text().isEmpty())
            t->setValue(QStringLiteral("IE"), kZeros14);
        if (widgets::ask(QStringLiteral("Confirma a Inclusão/Alteração?"), QStringLiteral("Confirmação"), this)) {
            saveOr(
                [&] {
                    if (CNPJ.column->text().isEmpty())
                        t->setValue(QStringLiteral("CNPJ"), kZeros14);
                    t->post();
                    t->refresh();
                    if (widgets::ask(QStringLiteral("Continua Cadastramento?"), QStringLiteral("Confirmação"), this)) {
                        t->append();
                        TIPOCLIENTE->setFocus();
                        setButtonsEnabled({Incluir, Excluir, Pesquisar, Retornar}, false);
                    } else {
                        setButtonsEnabled({Incluir, Excluir, Pesquisar, Retornar}, true);
                    }
                },
                QStringLiteral("Cliente já Cadastrado, Verifique!"), QStringLiteral("Cliente"));
        }
        TIPOCLIENTE->setFocus();
    }
}

void TfrmCredor::BtnCancelarClick()
{
    dm()->TCredor->cancel();
    setButtonsEnabled({Incluir, Excluir, Pesquisar, Retornar}, true);
    TIPOCLIENTE->setFocus();
}

void TfrmCredor::BtnExcluirClick()
{
    data::Table *t = dm()->TCredor;
    t->open();
    if (t->isEmpty()) {
        t->close();
        widgets::inform(QStringLiteral("Não hà Clientes para serem Excluídos!"), QStringLiteral("Alteração"), this);
    }
    t->open();
    if (!t->isEmpty()
        && widgets::ask(QStringLiteral("Confirma Exclusão deste Cliente?"), QStringLiteral("Confirmação"), this)) {
        t->remove();
        t->refresh();
    }
}

void TfrmCredor::BtnPesquisarClick()
{
    data::Table *t = dm()->TCredor;
    if (t->isEmpty()) {
        widgets::inform(QStringLiteral("Não hà Clientes cadastrados para execução deste menu!"),
                        QStringLiteral("Pesquisa"), this);
        NOMECREDOR->setFocus();
        return;
    }
    m_switching = true;
    PageControl1->setCurrentWidget(TabSheet2);
    m_switching = false;
    TabSheet2Show();
}

void TfrmCredor::BtnCadastroClick()
{
    m_switching = true;
    PageControl1->setCurrentWidget(TabSheet1);
    m_switching = false;
    TabSheet1Show();
}

void TfrmCredor::BtnRetornarClick()
{
    ComboBox1->setCurrentText(QStringLiteral("CLIENTE"));
    // Closing the table drops a pending change.
    dm()->TCredor->close();
    dm()->QMunicipio->close();
    accept();
}
