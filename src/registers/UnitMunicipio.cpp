#include "UnitMunicipio.h"

#include "data/UnitDM.h"
#include "widgets/DBGrid.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

widgets::RegisterDescription municipalities(data::TDM *dm)
{
    widgets::RegisterDescription d;
    d.objectName = QStringLiteral("TfrmMunicipio");
    d.caption = QStringLiteral("Municípios");
    d.table = dm->TMunicipio;
    d.source = dm->DMunicipio;
    d.navigatorHints = d.hintsFor(QStringLiteral("Município"));
    d.buttons = d.standardButtons(QStringLiteral("Incluir Município"), QString());
    d.buttons[widgets::RegisterWindow::Excluir] = {}; // no deleting here
    d.entryTitle = QStringLiteral("Cadastro de Municipio");
    d.searchTitle = QStringLiteral("Pesquisa de Município");
    d.searchField = QStringLiteral("NOM_MUNIC");
    d.searchColumns = {{QStringLiteral("COD_MUNIC"), QStringLiteral("Código"), 80},
                       {QStringLiteral("NOM_MUNIC"), QStringLiteral("Município"), 300},
                       {QStringLiteral("SIG_UF"), QStringLiteral("UF"), 40}};
    d.gridMinimum = QSize(460, 240);
    d.searchEmptyMessage = QStringLiteral("Não hà Município cadastrados para pesquisa!");
    const QString caption = QStringLiteral("Cadastro");
    d.required = {{QStringLiteral("COD_MUNIC"), QStringLiteral("Código do Município deve ser informado!"), caption},
                  {QStringLiteral("NOM_MUNIC"), QStringLiteral("Município deve ser informado!"), caption},
                  {QStringLiteral("SIG_UF"), QStringLiteral("UF deve ser informada!"), caption}};
    d.duplicateMessage = QStringLiteral("Município já Cadastrado!");
    d.duplicateCaption = QStringLiteral("Município");
    return d;
}

} // namespace

TfrmMunicipio::TfrmMunicipio(data::TDM *dm, QWidget *parent) : RegisterWindow(dm, municipalities(dm), parent)
{
    auto *form = new QWidget(this);
    setupUi(form);
    setForm(form);
    GroupBox1 = search().group;
    Edit1 = search().edit;
    DBGrid1 = search().grid;

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
    if (!searchable(COD_MUNIC))
        return;
    setTitle(description().searchTitle);
    PageControl1->setCurrentWidget(TabSheet2);
    showSearchButtons(true);
    Edit1->setFocus();
}

// The title first: showing the tab then writes its own.
void TfrmMunicipio::BtnCadastroClick()
{
    setTitle(QStringLiteral("Cadastro de Município"));
    PageControl1->setCurrentWidget(TabSheet1);
    showSearchButtons(false);
    COD_MUNIC->setFocus();
}

void TfrmMunicipio::BtnIncluirClick()
{
    startNew();
    COD_MUNIC->setFocus();
}

void TfrmMunicipio::BtnGravarClick()
{
    if (!checkRequired())
        return;
    if (!confirmAndSave(false)) {
        COD_MUNIC->setFocus();
        return;
    }
    // "&Incluir" and "&Retornar" stay as "&Incluir" left them, until "&Cancelar".
    COD_MUNIC->setFocus();
    setButtonsEnabled({Pesquisar}, true);
}

void TfrmMunicipio::BtnCancelarClick()
{
    cancelPending(COD_MUNIC);
}

void TfrmMunicipio::BtnRetornarClick()
{
    table()->close();
    accept();
}
