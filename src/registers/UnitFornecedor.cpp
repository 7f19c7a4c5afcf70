#include "UnitFornecedor.h"

#include "RegisterCatalog.h"

#include "data/UnitDM.h"
#include "taxid/TCheckIE.h"
#include "widgets/DBEdit.h"
#include "widgets/LookupCombo.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {
const QString kInfo = QStringLiteral("Informação");
const QString kWrongField = QStringLiteral("Campo preenchido incorretamente, Verefique!");

} // namespace

TfrmFornecedores::TfrmFornecedores(data::TDM *dm, QWidget *parent)
    : PartyRegister(dm, describedRegister(QStringLiteral("TfrmFornecedores"), dm), parent)
{
    auto *form = new QWidget(this);
    setupUi(form);
    useForm(form);
    CONTATOFONE = masked(MaskCONTATOFONE);
    CONTATOFAX = masked(MaskCONTATOFAX);

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
