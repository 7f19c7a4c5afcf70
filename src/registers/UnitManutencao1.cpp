#include "UnitManutencao1.h"

#include "data/UnitDM.h"
#include "taxid/TCheckCNPJ.h"
#include "taxid/TCheckCPF.h"
#include "taxid/TCheckIE.h"
#include "widgets/DBNavigator.h"


namespace {
const QString kInfo = QStringLiteral("Informação");

widgets::RegisterDescription companyData(data::TDM *dm)
{
    using W = widgets::RegisterWindow;
    widgets::RegisterDescription d;
    d.objectName = QStringLiteral("TfrmManutencao1");
    d.caption = QStringLiteral("Manutenção");
    d.table = dm->TManutencao;
    d.source = dm->DManutencao;
    d.buttons.resize(W::ButtonCount);
    d.buttons[W::Gravar] = {QStringLiteral("&Gravar"), QStringLiteral("Gravar Cadastro")};
    d.buttons[W::Excluir] = {QStringLiteral("E&xcluir"), QStringLiteral("Limpar Parametros")};
    d.buttons[W::Retornar] = {QStringLiteral("&Retornar"), QStringLiteral("Retornar ao Menu Principal")};
    d.entryTitle = QStringLiteral("Parametros da Empresa");
    const QString basic = QStringLiteral("Dados Basicos");
    const QString regs = QStringLiteral("Inscrições");
    d.required = {
        {QStringLiteral("NOMEEMPRESA"), QStringLiteral("Nome da Empresa deve ser informado!"), basic, 0},
        {QStringLiteral("NOMEFANTASIA"), QStringLiteral("Nome de fantasia deve ser informado!"), basic, 0},
        {QStringLiteral("LOGRADOURO"), QStringLiteral("Logradouro deve ser informado!"), basic, 0},
        {QStringLiteral("ENDERECO"), QStringLiteral("Endereço deve ser informado!"), basic, 0},
        {QStringLiteral("NUMERO"), QStringLiteral("Numero deve ser informado!"), basic, 0},
        {QStringLiteral("BAIRRO"), QStringLiteral("Bairro deve ser informado!"), basic, 0},
        {QStringLiteral("MaskCEP"), QStringLiteral("CEP deve ser informado!"), basic, 0},
        {QStringLiteral("CIDADE"), QStringLiteral("Cidade deve ser informado!"), basic, 0},
        {QStringLiteral("CIDADEUF"), QStringLiteral("UF deve ser informado!"), basic, 0},
        {QStringLiteral("MaskCNPJ"), QStringLiteral("CNPJ deve ser informado!"), regs, 1},
        {QStringLiteral("MaskINSCESTADUAL"), QStringLiteral("Inscrição Estadual deve ser informada!"), regs, 1},
    };
    return d;
}
} // namespace

TfrmManutencao1::TfrmManutencao1(data::TDM *dm, QWidget *parent) : RegisterWindow(dm, companyData(dm), parent)
{
    setTitle(description().entryTitle);
    navigator()->hide();
    auto *form = new QWidget(this);
    setupUi(form);
    setForm(form);
    CEP = masked(MaskCEP);
    FONE = masked(MaskFONE);
    FAX = masked(MaskFAX);
    CNPJ = masked(MaskCNPJ);
    INSCESTADUAL = masked(MaskINSCESTADUAL);
    CNAE = masked(MaskCNAE);
    CPFRESPONSAVEL = masked(MaskCPFRESPONSAVEL);

    // The window carries the three checks, ready, but attaches none: nothing is validated here.
    CheckCNPJ = new TCheckCNPJ(this);
    CheckCNPJ->setOnError([this](QObject *) {
        widgets::inform(QStringLiteral("CNPJ inválido ou digitado incorretamente, Verefique!"), kInfo, this);
    });
    CheckIE = new TCheckIE(this);
    CheckIE->setUF(QStringLiteral("MT"));
    CheckIE->setOnError([this](QObject *) {
        widgets::inform(QStringLiteral("Inscrição Estadual inválida ou digitada incorretamente, Verefique!"), kInfo,
                        this);
    });
    CheckCPF = new TCheckCPF(this);
    CheckCPF->setOnError([this](QObject *) {
        widgets::inform(QStringLiteral("CPF inválido ou digitado incorretamente, Verefique!"), kInfo, this);
    });

    onExit(WEB, [this] {
        PageControl1->setCurrentWidget(TabSheet2);
        CNPJ.edit->setFocus();
    });
    onExit(NATESTABELECIMENTO, [this] {
        PageControl1->setCurrentWidget(TabSheet3);
        RESPONSAVELEMPRESA->setFocus();
    });
    onExit(CEP.edit, [this] { lengthExit(CEP, 8); });
    onExit(FONE.edit, [this] { lengthExit(FONE, 9); });
    onExit(FAX.edit, [this] { lengthExit(FAX, 9); });
    onExit(CNAE.edit, [this] { lengthExit(CNAE, 7); });
}

void TfrmManutencao1::FormShow()
{
    dm()->TManutencao->open();
    dm()->TManutencao->edit(); // with no row yet this starts one
    PageControl1->setCurrentWidget(TabSheet1);
    NOMEEMPRESA->setFocus();
}

void TfrmManutencao1::lengthExit(const MaskedField &field, int digits)
{
    const QString text = field.column->text();
    if (!text.isEmpty() && text.size() < digits) {
        widgets::inform(QStringLiteral("Campo preenchido incorretamente, Verefique!"), kInfo, this);
        field.edit->setFocus();
    }
}

void TfrmManutencao1::BtnGravarClick()
{
    if (!checkRequired())
        return;
    if (widgets::ask(QStringLiteral("Confirma a Inclusão?"), QStringLiteral("Confirmação"), this)) {
        // A refusal by the database is not caught here: the standard error box shows it.
        dm()->TManutencao->post();
        accept();
    } else {
        PageControl1->setCurrentWidget(TabSheet1);
        NOMEEMPRESA->setFocus();
    }
}

void TfrmManutencao1::BtnExcluirClick()
{
    data::Table *t = dm()->TManutencao;
    t->open();
    if (t->isEmpty()) {
        widgets::warn(QStringLiteral("Não há dados para exclusão!"), kInfo, this);
    } else if (widgets::ask(QStringLiteral("Confirma Exclusão?"), QStringLiteral("Confirmação"), this)) {
        t->remove();
        t->refresh();
    }
    PageControl1->setCurrentWidget(TabSheet1);
    NOMEEMPRESA->setFocus();
}

void TfrmManutencao1::BtnRetornarClick()
{
    // Nothing saved, nothing dropped: a pending change is there the next time.
    accept();
}
