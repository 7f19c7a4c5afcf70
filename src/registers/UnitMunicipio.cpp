#include "UnitMunicipio.h"

#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using widgets::CharCase;

TfrmMunicipio::TfrmMunicipio(data::TDM *dm, QWidget *parent) : RegisterWindow(dm, dm->TMunicipio, parent)
{
    setObjectName(QStringLiteral("TfrmMunicipio"));
    setWindowTitle(QStringLiteral("Municípios"));

    PageControl1 = tabbedBody({QStringLiteral("Cadastro"), QStringLiteral("Pesquisa")});
    TabSheet1 = PageControl1->widget(0);
    TabSheet2 = PageControl1->widget(1);

    auto edit = [&](const char *field, int width) {
        auto *e = new widgets::DBEdit(dm->DMunicipio, QLatin1String(field), TabSheet1);
        e->setObjectName(QLatin1String(field));
        e->setCharCase(CharCase::Upper);
        e->setFixedWidth(width);
        return e;
    };
    auto *f = new QFormLayout(TabSheet1);
    COD_MUNIC = edit("COD_MUNIC", 100);
    NOM_MUNIC = edit("NOM_MUNIC", 360);
    COD_UF = edit("COD_UF", 50);
    SIG_UF = edit("SIG_UF", 50);
    f->addRow(buddyLabel(QStringLiteral("Código Município"), COD_MUNIC), COD_MUNIC);
    f->addRow(buddyLabel(QStringLiteral("Município"), NOM_MUNIC), NOM_MUNIC);
    f->addRow(buddyLabel(QStringLiteral("Código da UF"), COD_UF), COD_UF);
    f->addRow(buddyLabel(QStringLiteral("UF"), SIG_UF), SIG_UF);

    const SearchPage search =
        searchPage(TabSheet2, QStringLiteral("Pesquisa (Digite o nome do Cliente que deseja localizar)"),
                   dm->DMunicipio,
                   {{QStringLiteral("COD_MUNIC"), QStringLiteral("Código"), 80},
                    {QStringLiteral("NOM_MUNIC"), QStringLiteral("Município"), 300},
                    {QStringLiteral("SIG_UF"), QStringLiteral("UF"), 40}},
                   QSize(460, 240), QStringLiteral("NOM_MUNIC"));
    GroupBox1 = search.group;
    Edit1 = search.edit;
    DBGrid1 = search.grid;

    setNavigatorHints({QStringLiteral("Primeiro Município"), QStringLiteral("Município Anterior"),
                       QStringLiteral("Proximo Município"), QStringLiteral("Ultimo Município")});
    setupButtons({{Incluir, QStringLiteral("&Incluir"), QStringLiteral("Incluir Município")},
                  {Cancelar, QStringLiteral("&Cancelar"), QStringLiteral("Cancelar Cadastro")},
                  {Gravar, QStringLiteral("&Gravar"), QStringLiteral("Gravar Cadastro")},
                  {Pesquisar, QStringLiteral("&Pesquisar"), QStringLiteral("Ir para Pesquisa")},
                  {Cadastro, QStringLiteral("Ca&dastro"), QStringLiteral("Ir para Cadastro")},
                  {Retornar, QStringLiteral("&Retornar"), QStringLiteral("Retornar ao Menu Principal")}});
    setButtonVisible(Cadastro, false);
    onExit(SIG_UF, [this] {
        if (!focusGoingTo(Gravar))
            button(Gravar)->click();
    });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        index == 0 ? TabSheet1Show() : TabSheet2Show();
    });
}

void TfrmMunicipio::FormShow()
{
    PageControl1->setCurrentWidget(TabSheet1);
    setTitle(QStringLiteral("Cadastro de Municipio"));
    dm()->TMunicipio->close();
    dm()->TMunicipio->open();
    dm()->TMunicipio->setIndexName(QStringLiteral("IND_MUNICIPIO"));
    COD_MUNIC->setFocus();
}

void TfrmMunicipio::TabSheet1Show()
{
    setTitle(QStringLiteral("Cadastro de Municipio"));
    COD_MUNIC->setFocus();
    setButtonVisible(Cadastro, false);
    setButtonVisible(Pesquisar, true);
}

void TfrmMunicipio::TabSheet2Show()
{
    setTitle(QStringLiteral("Pesquisa de Município"));
    setButtonVisible(Pesquisar, false);
    setButtonVisible(Cadastro, true);
    Edit1->setFocus();
}

void TfrmMunicipio::BtnPesquisarClick()
{
    if (dm()->TMunicipio->isEmpty()) {
        widgets::inform(QStringLiteral("Não hà Município cadastrados para pesquisa!"), QStringLiteral("Pesquisa"),
                        this);
        COD_MUNIC->setFocus();
        return;
    }
    setTitle(QStringLiteral("Pesquisa de Município"));
    PageControl1->setCurrentWidget(TabSheet2);
    setButtonVisible(Pesquisar, false);
    setButtonVisible(Cadastro, true);
    Edit1->setFocus();
}

// The title first: showing the tab then writes its own.
void TfrmMunicipio::BtnCadastroClick()
{
    setTitle(QStringLiteral("Cadastro de Município"));
    PageControl1->setCurrentWidget(TabSheet1);
    setButtonVisible(Cadastro, false);
    setButtonVisible(Pesquisar, true);
    COD_MUNIC->setFocus();
}

void TfrmMunicipio::BtnIncluirClick()
{
    setButtonsEnabled({Incluir}, false);
    PageControl1->setCurrentWidget(TabSheet1);
    setButtonsEnabled({Pesquisar, Retornar}, false);
    dm()->TMunicipio->append();
    COD_MUNIC->setFocus();
}

void TfrmMunicipio::BtnGravarClick()
{
    const QString caption = QStringLiteral("Cadastro");
    if (!checkRequired({
            {COD_MUNIC, emptyText(COD_MUNIC), QStringLiteral("Código do Município deve ser informado!"), caption},
            {NOM_MUNIC, emptyText(NOM_MUNIC), QStringLiteral("Município deve ser informado!"), caption},
            {SIG_UF, emptyText(SIG_UF), QStringLiteral("UF deve ser informada!"), caption},
        }))
        return;
    if (!widgets::ask(QStringLiteral("Confirma a Inclusão/Alteração?"), QStringLiteral("Confirmação"), this)) {
        COD_MUNIC->setFocus();
        return;
    }
    saveOr(
        [&] {
            dm()->TMunicipio->post();
            dm()->TMunicipio->refresh();
            if (widgets::ask(QStringLiteral("Continua Cadastramento?"), QStringLiteral("Confirmação"), this))
                dm()->TMunicipio->append();
        },
        QStringLiteral("Município já Cadastrado!"), QStringLiteral("Município"));
    // "&Incluir" and "&Retornar" stay as "&Incluir" left them, until "&Cancelar".
    COD_MUNIC->setFocus();
    setButtonsEnabled({Pesquisar}, true);
}

void TfrmMunicipio::BtnCancelarClick()
{
    dm()->TMunicipio->cancel();
    setButtonsEnabled({Incluir, Pesquisar, Retornar}, true);
    COD_MUNIC->setFocus();
}

void TfrmMunicipio::BtnRetornarClick()
{
    dm()->TMunicipio->close();
    accept();
}
