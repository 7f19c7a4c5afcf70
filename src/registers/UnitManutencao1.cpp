#include "UnitManutencao1.h"

#include "data/UnitDM.h"
#include "taxid/TCheckCNPJ.h"
#include "taxid/TCheckCPF.h"
#include "taxid/TCheckIE.h"
#include "widgets/DBEdit.h"
#include "widgets/DBNavigator.h"
#include "widgets/DateEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using widgets::CharCase;

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
    d.tabs = QStringList{QStringLiteral("&Dados Basicos"), QStringLiteral("&Inscrições"), QStringLiteral("Res&ponsaveis")};
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
    data::DataSource *src = dm->DManutencao;

    PageControl1 = pages();
    TabSheet1 = page(0);
    TabSheet2 = page(1);
    TabSheet3 = page(2);

    auto edit = [&](QWidget *page, const char *field, CharCase c, int width = 0) {
        return widgets::makeDBEdit(src, page, QLatin1String(field), c, width);
    };
    auto zeroPad = [&](QWidget *page, const char *field) {
        auto *e = new widgets::ZeroPadEdit(page, 6);
        e->setObjectName(QLatin1String(field));
        e->setDataSource(src);
        e->setDataField(QLatin1String(field));
        e->setFixedWidth(90);
        return e;
    };
    auto list = [&](QWidget *page, const char *field, const QStringList &items, bool typing, int width) {
        auto *c = new widgets::DBComboBox(page);
        c->setObjectName(QLatin1String(field));
        c->setEditable(typing);
        c->addItems(items);
        c->setCurrentIndex(-1);
        c->setDataSource(src);
        c->setDataField(QLatin1String(field));
        c->setFixedWidth(width);
        if (typing) {
            QLineEdit *line = c->lineEdit();
            connect(line, &QLineEdit::textEdited, line, [line](const QString &t) {
                if (t != t.toUpper()) {
                    const int pos = line->cursorPosition();
                    line->setText(t.toUpper());
                    line->setCursorPosition(pos);
                }
            });
        }
        return c;
    };
    auto masked = [&](QWidget *page, const char *field, const char *mask, int width) {
        MaskedField m = maskedField(page, src, QLatin1String(field), QLatin1String(mask),
                                    QStringLiteral("Mask") + QLatin1String(field));
        m.edit->setFixedWidth(width);
        return m;
    };

    auto *f1 = new QFormLayout(TabSheet1);
    NOMEEMPRESA = edit(TabSheet1, "NOMEEMPRESA", CharCase::Upper);
    NOMEEMPRESA->setMinimumWidth(420);
    NOMEFANTASIA = edit(TabSheet1, "NOMEFANTASIA", CharCase::Upper);
    LOGRADOURO = list(TabSheet1, "LOGRADOURO",
                      {QStringLiteral("ACAMPAMENTO"), QStringLiteral("ALAMEDA"), QStringLiteral("ASSENTAMENTO"),
                       QStringLiteral("AVENIDA"), QStringLiteral("BECO"), QStringLiteral("CAMPO"),
                       QStringLiteral("CHACARA"), QStringLiteral("COMUNIDADE"), QStringLiteral("CORREGO"),
                       QStringLiteral("ESTRADA"), QStringLiteral("FAVELA"), QStringLiteral("FAZENDA"),
                       QStringLiteral("GALERIA"), QStringLiteral("GLEBA"), QStringLiteral("JARDIM"),
                       QStringLiteral("LADEIRA"), QStringLiteral("LARGO"), QStringLiteral("LINHA"),
                       QStringLiteral("LOTE"), QStringLiteral("LOTEAMENTO"), QStringLiteral("MORRO"),
                       QStringLiteral("PARQUE"), QStringLiteral("PASSAGEM"), QStringLiteral("PRAÇA"),
                       QStringLiteral("RODOVIA"), QStringLiteral("RUA"), QStringLiteral("SERRA"),
                       QStringLiteral("SITIO"), QStringLiteral("TRAVESSA"), QStringLiteral("VIA"),
                       QStringLiteral("VIADUTO"), QStringLiteral("VILA")},
                      true, 200);
    ENDERECO = edit(TabSheet1, "ENDERECO", CharCase::Upper);
    NUMERO = zeroPad(TabSheet1, "NUMERO");
    COMPLEMENTO = edit(TabSheet1, "COMPLEMENTO", CharCase::Upper);
    BAIRRO = edit(TabSheet1, "BAIRRO", CharCase::Upper);
    CEP = masked(TabSheet1, "CEP", "99999-999;0;_", 110);
    CX = zeroPad(TabSheet1, "CX");
    CIDADE = edit(TabSheet1, "CIDADE", CharCase::Upper);
    CIDADEUF = list(TabSheet1, "CIDADEUF",
                    {QStringLiteral("AC"), QStringLiteral("AL"), QStringLiteral("AM"), QStringLiteral("AP"),
                     QStringLiteral("BA"), QStringLiteral("CE"), QStringLiteral("DF"), QStringLiteral("ES"),
                     QStringLiteral("GO"), QStringLiteral("MA"), QStringLiteral("MG"), QStringLiteral("MS"),
                     QStringLiteral("MT"), QStringLiteral("PA"), QStringLiteral("PB"), QStringLiteral("PE"),
                     QStringLiteral("PI"), QStringLiteral("PR"), QStringLiteral("RJ"), QStringLiteral("RN"),
                     QStringLiteral("RO"), QStringLiteral("RR"), QStringLiteral("RS"), QStringLiteral("SC"),
                     QStringLiteral("SE"), QStringLiteral("SP"), QStringLiteral("TO")},
                    false, 70);
    FONE = masked(TabSheet1, "FONE", "99-9999-9999;0;_", 130);
    FAX = masked(TabSheet1, "FAX", "99-9999-9999;0;_", 130);
    EMAIL = edit(TabSheet1, "EMAIL", CharCase::Lower);
    WEB = edit(TabSheet1, "WEB", CharCase::Lower);
    f1->addRow(buddyLabel(QStringLiteral("Empresa"), NOMEEMPRESA), NOMEEMPRESA);
    f1->addRow(buddyLabel(QStringLiteral("Nome de Fantasia"), NOMEFANTASIA), NOMEFANTASIA);
    f1->addRow(buddyLabel(QStringLiteral("Logradouro"), LOGRADOURO), LOGRADOURO);
    f1->addRow(buddyLabel(QStringLiteral("Endereço"), ENDERECO), ENDERECO);
    f1->addRow(buddyLabel(QStringLiteral("Numero"), NUMERO), NUMERO);
    f1->addRow(buddyLabel(QStringLiteral("Complemento"), COMPLEMENTO), COMPLEMENTO);
    f1->addRow(buddyLabel(QStringLiteral("Bairro"), BAIRRO), BAIRRO);
    f1->addRow(buddyLabel(QStringLiteral("Cep"), CEP.edit), CEP.edit);
    f1->addRow(buddyLabel(QStringLiteral("Caixa Postal"), CX), CX);
    f1->addRow(buddyLabel(QStringLiteral("Cidade"), CIDADE), CIDADE);
    f1->addRow(buddyLabel(QStringLiteral("UF"), CIDADEUF), CIDADEUF);
    f1->addRow(buddyLabel(QStringLiteral("Fone"), FONE.edit), FONE.edit);
    f1->addRow(buddyLabel(QStringLiteral("Fax"), FAX.edit), FAX.edit);
    f1->addRow(buddyLabel(QStringLiteral("e-mail"), EMAIL), EMAIL);
    f1->addRow(buddyLabel(QStringLiteral("Web"), WEB), WEB);

    auto *f2 = new QFormLayout(TabSheet2);
    CNPJ = masked(TabSheet2, "CNPJ", "99.999.999/9999-99;0;_", 170);
    INSCESTADUAL = masked(TabSheet2, "INSCESTADUAL", "99.999.999-9;0;_", 130);
    REGIBAMA = edit(TabSheet2, "REGIBAMA", CharCase::Upper, 200);
    INSCMUNICIPAL = edit(TabSheet2, "INSCMUNICIPAL", CharCase::Upper, 200);
    INSCJUNTA = edit(TabSheet2, "INSCJUNTA", CharCase::Upper, 200);
    DATAREGJUNTA = new widgets::DateEdit(TabSheet2);
    DATAREGJUNTA->setObjectName(QStringLiteral("DATAREGJUNTA"));
    DATAREGJUNTA->setDataSource(src);
    DATAREGJUNTA->setDataField(QStringLiteral("DATAREGJUNTA"));
    DATAREGJUNTA->setFixedWidth(130);
    INIATIVIDADE = new widgets::DateEdit(TabSheet2);
    INIATIVIDADE->setObjectName(QStringLiteral("INIATIVIDADE"));
    INIATIVIDADE->setDataSource(src);
    INIATIVIDADE->setDataField(QStringLiteral("INIATIVIDADE"));
    INIATIVIDADE->setFixedWidth(130);
    CAPITALSOCIAL = new widgets::NumericEdit(TabSheet2, 2);
    CAPITALSOCIAL->setObjectName(QStringLiteral("CAPITALSOCIAL"));
    CAPITALSOCIAL->setDataSource(src);
    CAPITALSOCIAL->setDataField(QStringLiteral("CAPITALSOCIAL"));
    CAPITALSOCIAL->setFixedWidth(150);
    CNAE = masked(TabSheet2, "CNAE", "9999-9/99;0;_", 100);
    CNAEDESCRICAO = edit(TabSheet2, "CNAEDESCRICAO", CharCase::Upper);
    CNAEDESCRICAO->setMinimumWidth(420);
    NATESTABELECIMENTO = list(TabSheet2, "NATESTABELECIMENTO",
                              {QStringLiteral("206-2 SOCIEDADE EMPRESÁRIA LTDA"),
                               QStringLiteral("213-5 EMPRESÁRIO [INDIVIDUAL]")},
                              true, 320);
    f2->addRow(buddyLabel(QStringLiteral("CNPJ"), CNPJ.edit), CNPJ.edit);
    f2->addRow(buddyLabel(QStringLiteral("Inscrição Estadual"), INSCESTADUAL.edit), INSCESTADUAL.edit);
    f2->addRow(buddyLabel(QStringLiteral("Registro no IBAMA"), REGIBAMA), REGIBAMA);
    f2->addRow(buddyLabel(QStringLiteral("Inscrição Municipal"), INSCMUNICIPAL), INSCMUNICIPAL);
    f2->addRow(buddyLabel(QStringLiteral("Inscrição na Junta"), INSCJUNTA), INSCJUNTA);
    f2->addRow(buddyLabel(QStringLiteral("Data Registro na Junta"), DATAREGJUNTA), DATAREGJUNTA);
    f2->addRow(buddyLabel(QStringLiteral("Inicio das Atividade"), INIATIVIDADE), INIATIVIDADE);
    f2->addRow(buddyLabel(QStringLiteral("Capital Social"), CAPITALSOCIAL), CAPITALSOCIAL);
    f2->addRow(buddyLabel(QStringLiteral("CNAE"), CNAE.edit), CNAE.edit);
    f2->addRow(buddyLabel(QStringLiteral("Descrição"), CNAEDESCRICAO), CNAEDESCRICAO);
    f2->addRow(buddyLabel(QStringLiteral("Natureza do Estabelecimento"), NATESTABELECIMENTO), NATESTABELECIMENTO);

    auto *f3 = new QFormLayout(TabSheet3);
    RESPONSAVELEMPRESA = edit(TabSheet3, "RESPONSAVELEMPRESA", CharCase::Upper);
    RESPONSAVELEMPRESA->setMinimumWidth(420);
    CPFRESPONSAVEL = masked(TabSheet3, "CPFRESPONSAVEL", "999.999.999-99;0;_", 140);
    f3->addRow(buddyLabel(QStringLiteral("Responsável pela Empresa"), RESPONSAVELEMPRESA), RESPONSAVELEMPRESA);
    f3->addRow(buddyLabel(QStringLiteral("CPF Responsavel"), CPFRESPONSAVEL.edit), CPFRESPONSAVEL.edit);

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
