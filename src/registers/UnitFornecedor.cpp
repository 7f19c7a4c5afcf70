#include "UnitFornecedor.h"

#include "data/UnitDM.h"
#include "taxid/TCheckIE.h"
#include "widgets/DBEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using widgets::CharCase;

namespace {
const QString kInfo = QStringLiteral("Informação");
const QString kWrongField = QStringLiteral("Campo preenchido incorretamente, Verefique!");

widgets::RegisterDescription suppliers(data::TDM *dm)
{
    widgets::RegisterDescription d;
    d.objectName = QStringLiteral("TfrmFornecedores");
    d.caption = QStringLiteral("Fornecedores");
    d.table = dm->TFornecedor;
    d.source = dm->DFornecedor;
    d.navigatorHints = d.hintsFor(QStringLiteral("Fornecedor"));
    d.buttons = d.standardButtons(QStringLiteral("Incluir Fornecedor"), QStringLiteral("Excluir Fornecedor"));
    d.buttons[widgets::RegisterWindow::Cadastro] = {QStringLiteral("Dad/Basicos"), QStringLiteral("Ir para Dados Básicos")};
    d.tabs = QStringList{QStringLiteral("Dados Básicos"), QStringLiteral("Inscrição/Contato"), QStringLiteral("Pesquisa")};
    d.entryTitle = QStringLiteral("Cadastro de Fornecedores");
    d.searchTitle = QStringLiteral("Pesquisa de Fornecedores");
    d.searchField = QStringLiteral("NOMEFORNECEDOR");
    d.searchColumns = {{QStringLiteral("CODIGOFORNECEDOR"), QStringLiteral("Código"), 60},
                       {QStringLiteral("NOMEFORNECEDOR"), QStringLiteral("Fornecedor"), 250},
                       {QStringLiteral("NOMEFANTASIA"), QStringLiteral("Nome de Fantansia"), 170},
                       {QStringLiteral("INSCESTADUAL"), QStringLiteral("Insc.Estadual"), 110}};
    d.gridMinimum = QSize(620, 260);
    d.countPrefix = QStringLiteral("Fornecedor(es) Cadastrado(s).: ");
    d.orders = {{QStringLiteral("CÓDIGO"), QStringLiteral("CODIGOFORNECEDOR")},
                {QStringLiteral("FORNECEDOR"), QStringLiteral("NOMEFORNECEDOR")},
                {QStringLiteral("NOME FANTASIA"), QStringLiteral("NOMEFANTASIA")},
                {QStringLiteral("INSCRIÇÃO"), QStringLiteral("INSCESTADUAL")}};
    d.initialOrder = QStringLiteral("FORNECEDOR");
    d.searchEmptyMessage = QStringLiteral("Não hà Fornecedores cadastrados para execução deste menu!");
    const QString caption = QStringLiteral("Dados Basicos");
    d.required = {
        {QStringLiteral("NOMEFORNECEDOR"), QStringLiteral("Razão Social/Nome deve ser informado!"), caption, 0},
        {QStringLiteral("ENDERECO"), QStringLiteral("Endereço deve ser informado!"), caption, 0},
        {QStringLiteral("BAIRRO"), QStringLiteral("Bairro deve ser informado!"), caption, 0},
        {QStringLiteral("CIDADE"), QStringLiteral("Cidade deve ser informada!"), caption, 0},
        {QStringLiteral("CIDADEUF"), QStringLiteral("UF deve ser informada!"), caption, 0},
        {QStringLiteral("MaskCEP"), QStringLiteral("CEP deve ser informado!"), caption, 0},
        {QStringLiteral("TIPOCLIENTE"), QStringLiteral("Tipo de Fornecedor deve ser informado!"), caption, 1},
        {QStringLiteral("INSCESTADUAL"), QStringLiteral("Inscrição Estadual deve ser informada!"), caption, 1},
    };
    d.duplicateMessage = QStringLiteral("Inscrição Estadual já cadastrada, Verifique!");
    d.duplicateCaption = QStringLiteral("Fornecedor");
    d.deleteEmptyMessage = QStringLiteral("Não hà fornecedores para serem Excluídos!");
    d.deleteEmptyCaption = QStringLiteral("Alteração");
    d.deleteQuestion = QStringLiteral("Confirma Exclusão deste Fornecedor?");
    return d;
}
} // namespace

TfrmFornecedores::TfrmFornecedores(data::TDM *dm, QWidget *parent) : PartyRegister(dm, suppliers(dm), parent)
{
    data::DataSource *src = dm->DFornecedor;
    TabSheet1 = page(0);
    TabSheet2 = page(1);
    TabSheet3 = page(2);

    auto edit = [&](QWidget *page, const char *field, CharCase c, int width = 0) {
        return widgets::makeDBEdit(src, page, QLatin1String(field), c, width);
    };

    // "Dados Básicos"
    auto *f1 = new QFormLayout(TabSheet1);
    CODIGOFORNECEDOR = edit(TabSheet1, "CODIGOFORNECEDOR", CharCase::Normal, 90);
    CODIGOFORNECEDOR->setEnabled(false);
    NOMEFORNECEDOR = edit(TabSheet1, "NOMEFORNECEDOR", CharCase::Upper);
    NOMEFORNECEDOR->setMinimumWidth(420);
    NOMEFANTASIA = edit(TabSheet1, "NOMEFANTASIA", CharCase::Upper);
    ENDERECO = edit(TabSheet1, "ENDERECO", CharCase::Upper);
    BAIRRO = edit(TabSheet1, "BAIRRO", CharCase::Upper);
    COMPLEMENTO = edit(TabSheet1, "COMPLEMENTO", CharCase::Upper);
    cityList(TabSheet1);
    CIDADEUF = edit(TabSheet1, "CIDADEUF", CharCase::Upper, 50);
    addressDigits(TabSheet1);
    EMAIL = edit(TabSheet1, "EMAIL", CharCase::Upper);
    WEB = edit(TabSheet1, "WEB", CharCase::Upper);
    f1->addRow(buddyLabel(QStringLiteral("Código Cliente"), CODIGOFORNECEDOR), CODIGOFORNECEDOR);
    f1->addRow(buddyLabel(QStringLiteral("Razão Social/Nome"), NOMEFORNECEDOR), NOMEFORNECEDOR);
    f1->addRow(buddyLabel(QStringLiteral("Nome Fantasia"), NOMEFANTASIA), NOMEFANTASIA);
    f1->addRow(buddyLabel(QStringLiteral("Endereço"), ENDERECO), ENDERECO);
    f1->addRow(buddyLabel(QStringLiteral("Bairro"), BAIRRO), BAIRRO);
    f1->addRow(buddyLabel(QStringLiteral("Complemento"), COMPLEMENTO), COMPLEMENTO);
    f1->addRow(buddyLabel(QStringLiteral("Cidade"), CIDADE), CIDADE);
    f1->addRow(buddyLabel(QStringLiteral("UF"), CIDADEUF), CIDADEUF);
    f1->addRow(buddyLabel(QStringLiteral("CEP"), CEP.edit), CEP.edit);
    f1->addRow(buddyLabel(QStringLiteral("Telefone"), FONE.edit), FONE.edit);
    f1->addRow(buddyLabel(QStringLiteral("Fax"), FAX.edit), FAX.edit);
    f1->addRow(buddyLabel(QStringLiteral("e-mail"), EMAIL), EMAIL);
    f1->addRow(buddyLabel(QStringLiteral("web"), WEB), WEB);

    // "Inscrição/Contato"
    auto *f2 = new QFormLayout(TabSheet2);
    TIPOCLIENTE = new widgets::DBComboBox(TabSheet2);
    TIPOCLIENTE->setObjectName(QStringLiteral("TIPOCLIENTE"));
    TIPOCLIENTE->addItems({QStringLiteral("PESSOA FÍSICA"), QStringLiteral("PESSOA JURÍDICA")});
    TIPOCLIENTE->setCurrentIndex(-1);
    TIPOCLIENTE->setDataSource(src);
    TIPOCLIENTE->setDataField(QStringLiteral("TIPOCLIENTE"));
    TIPOCLIENTE->setFixedWidth(200);
    CNPJ = maskedField(TabSheet2, src, QStringLiteral("CNPJ"), QStringLiteral("99.999.999/9999-99;0;_"),
                       QStringLiteral("MaskCNPJ"));
    CNPJ.edit->setFixedWidth(170);
    INSCESTADUAL = edit(TabSheet2, "INSCESTADUAL", CharCase::Upper, 200);
    CPF = maskedField(TabSheet2, src, QStringLiteral("CPF"), QStringLiteral("000.000.000-00;0;_"),
                      QStringLiteral("MaskCPF"));
    CPF.edit->setFixedWidth(140);
    RG = edit(TabSheet2, "RG", CharCase::Normal, 260);
    CONTATO = edit(TabSheet2, "CONTATO", CharCase::Upper);
    CONTATO->setMinimumWidth(420);
    CONTATOFONE = maskedField(TabSheet2, src, QStringLiteral("CONTATOFONE"), QStringLiteral("99-9999-9999;0;_"),
                              QStringLiteral("MaskCONTATOFONE"));
    CONTATOFONE.edit->setFixedWidth(130);
    CONTATOFAX = maskedField(TabSheet2, src, QStringLiteral("CONTATOFAX"), QStringLiteral("99-9999-9999;0;_"),
                             QStringLiteral("MaskCONTATOFAX"));
    CONTATOFAX.edit->setFixedWidth(130);
    CONTATORAMAL = new widgets::ZeroPadEdit(TabSheet2, 4);
    CONTATORAMAL->setObjectName(QStringLiteral("CONTATORAMAL"));
    CONTATORAMAL->setMaxLength(4);
    CONTATORAMAL->setDataSource(src);
    CONTATORAMAL->setDataField(QStringLiteral("CONTATORAMAL"));
    CONTATORAMAL->setFixedWidth(60);
    CONTATOEMAIL = edit(TabSheet2, "CONTATOEMAIL", CharCase::Lower);
    OBS = new widgets::DBMemo(TabSheet2);
    OBS->setObjectName(QStringLiteral("OBS"));
    OBS->setDataSource(src);
    OBS->setDataField(QStringLiteral("OBS"));
    OBS->setFixedHeight(60);
    OBS->setTabChangesFocus(true);
    f2->addRow(buddyLabel(QStringLiteral("Tipo de Fornecedor"), TIPOCLIENTE), TIPOCLIENTE);
    f2->addRow(buddyLabel(QStringLiteral("CNPJ"), CNPJ.edit), CNPJ.edit);
    f2->addRow(buddyLabel(QStringLiteral("Inscrição Estadual"), INSCESTADUAL), INSCESTADUAL);
    f2->addRow(buddyLabel(QStringLiteral("CPF"), CPF.edit), CPF.edit);
    f2->addRow(buddyLabel(QStringLiteral("RG/Órgão Emissor/UF"), RG), RG);
    f2->addRow(new QLabel(QString(70, QLatin1Char('*')), TabSheet2));
    f2->addRow(buddyLabel(QStringLiteral("Nome Contado"), CONTATO), CONTATO);
    f2->addRow(buddyLabel(QStringLiteral("Telefone"), CONTATOFONE.edit), CONTATOFONE.edit);
    f2->addRow(buddyLabel(QStringLiteral("Fax"), CONTATOFAX.edit), CONTATOFAX.edit);
    f2->addRow(buddyLabel(QStringLiteral("Ramal"), CONTATORAMAL), CONTATORAMAL);
    f2->addRow(buddyLabel(QStringLiteral("e-mail"), CONTATOEMAIL), CONTATOEMAIL);
    f2->addRow(buddyLabel(QStringLiteral("Observação"), OBS), OBS);
    // Only leaving "Tipo de Fornecedor" enables these.
    for (QWidget *w : {static_cast<QWidget *>(CNPJ.edit), static_cast<QWidget *>(INSCESTADUAL),
                       static_cast<QWidget *>(CPF.edit), static_cast<QWidget *>(RG)})
        w->setEnabled(false);

    // Tax identifiers are checked when their fields are left.
    taxChecks();
    // Kept ready but attached to no field: the state registration is not validated here.
    CheckIE = new TCheckIE(this);
    CheckIE->setUF(QStringLiteral("MT"));
    CheckIE->setOnError([this](QObject *) {
        widgets::inform(QStringLiteral("Inscrição Estadual inválida ou digitada incorretamente, Verefique!"), kInfo,
                        this);
    });

    onExit(WEB, [this] {
        PageControl1->setCurrentWidget(TabSheet2);
        TIPOCLIENTE->setFocus();
    });
    onExit(TIPOCLIENTE, [this] { TIPOCLIENTEExit(); });
    onExit(CEP.edit, [this] { CEPExit(); });
    onExit(FONE.edit, [this] { phoneExit(FONE, true); });
    onExit(FAX.edit, [this] { phoneExit(FAX, true); });
    onExit(CONTATOFONE.edit, [this] { phoneExit(CONTATOFONE, false); });
    onExit(CONTATOFAX.edit, [this] { phoneExit(CONTATOFAX, false); });
    onExit(OBS, [this] {
        if (!focusGoingTo(Gravar))
            button(Gravar)->click();
    });
    connect(PageControl1, &QTabWidget::currentChanged, this, &TfrmFornecedores::pageChanged);
}

void TfrmFornecedores::FormShow()
{
    PageControl1->setCurrentWidget(TabSheet1);
    setTitle(QStringLiteral("Cadastro de Fornecedores"));
    NOMEFORNECEDOR->setFocus();
    table()->open();
    table()->setIndexFieldNames(QStringLiteral("NOMEFORNECEDOR"));
    ComboBox1->setCurrentText(QStringLiteral("FORNECEDOR"));
    openMunicipalities();
}

void TfrmFornecedores::pageChanged(int index)
{
    if (index == 0) {
        setTitle(QStringLiteral("Cadastro de Fornecedor"));
    } else if (index == 1) {
        setTitle(QStringLiteral("Inscrição/Contato"));
    } else if (!switchingPage()) {
        // The user picked the tab himself.
        guarded(this, [this] {
            TabSheet3Show();
            TabSheet3Enter();
        });
    }
}

void TfrmFornecedores::TIPOCLIENTEExit()
{
    data::Table *t = table();
    if (TIPOCLIENTE->currentText() == QStringLiteral("PESSOA JURÍDICA")) {
        CNPJ.edit->setEnabled(true);
        CNPJ.edit->setFocus();
        INSCESTADUAL->setEnabled(true);
        if (t->isActive()) {
            t->setValue(QStringLiteral("CPF"), QVariant());
            t->setValue(QStringLiteral("RG"), QVariant());
        }
        CPF.edit->setEnabled(false);
        RG->setEnabled(false);
    } else {
        if (t->isActive()) {
            t->setValue(QStringLiteral("CNPJ"), QVariant());
            t->setValue(QStringLiteral("INSCESTADUAL"), QVariant());
        }
        CNPJ.edit->setEnabled(false);
        INSCESTADUAL->setEnabled(true);
        INSCESTADUAL->setFocus();
        CPF.edit->setEnabled(true);
        RG->setEnabled(true);
    }
}

void TfrmFornecedores::CEPExit()
{
    const QString digits = CEP.column->text();
    if (digits.isEmpty()) {
        table()->setValue(QStringLiteral("CEP"), QStringLiteral("00000000"));
    } else if (digits.size() < 8) {
        widgets::inform(kWrongField, kInfo, this);
        CEP.edit->setFocus();
    }
}

void TfrmFornecedores::phoneExit(const MaskedField &phone, bool fillZeros)
{
    const QString digits = phone.column->text();
    if (digits.isEmpty()) {
        if (fillZeros)
            table()->setValue(phone.column->link()->dataField(), QStringLiteral("0000000000"));
    } else if (digits.size() < 9) {
        widgets::inform(kWrongField, kInfo, this);
        phone.edit->setFocus();
    }
}

void TfrmFornecedores::BtnIncluirClick()
{
    startNew(NOMEFORNECEDOR);
}

void TfrmFornecedores::BtnGravarClick()
{
    if (!checkRequired())
        return;
    data::Table *t = table();
    if (t->asString(QStringLiteral("CNPJ")).isEmpty())
        t->setValue(QStringLiteral("CNPJ"), QStringLiteral("00000000000000"));
    if (t->asString(QStringLiteral("CPF")).isEmpty())
        t->setValue(QStringLiteral("CPF"), QStringLiteral("00000000000"));
    if (!widgets::ask(QStringLiteral("Confirma Inclusão/Alteração?"), QStringLiteral("Confirmação"), this))
        return;
    saveOr([&] {
        saveThenContinue([this] {
            PageControl1->setCurrentWidget(TabSheet1);
            NOMEFORNECEDOR->setFocus();
        });
    });
}

void TfrmFornecedores::BtnCancelarClick()
{
    cancelPending();
}

void TfrmFornecedores::BtnExcluirClick()
{
    deleteCurrent();
}

void TfrmFornecedores::BtnPesquisarClick()
{
    openSearch(NOMEFORNECEDOR);
}

void TfrmFornecedores::TabSheet3Show()
{
    countRows();
}

void TfrmFornecedores::TabSheet3Enter()
{
    if (!table()->isEmpty()) {
        ComboBox1->setCurrentText(QStringLiteral("FORNECEDOR"));
        setTitle(QStringLiteral("Pesquisa de Fornecedores"));
        showSearchButtons(true);
        Edit1->setFocus();
    } else {
        widgets::inform(description().searchEmptyMessage, QStringLiteral("Pesquisa"), this);
        PageControl1->setCurrentWidget(TabSheet1);
        NOMEFORNECEDOR->setFocus();
    }
}

void TfrmFornecedores::BtnCadastroClick()
{
    PageControl1->setCurrentWidget(TabSheet1);
    setTitle(QStringLiteral("Cadastro de Fornecedores"));
    showSearchButtons(false);
    NOMEFORNECEDOR->setFocus();
}

void TfrmFornecedores::BtnRetornarClick()
{
    table()->cancel();
    closeRegister();
}
