#include "UnitMunicipio.h"

#include "RegisterCatalog.h"

#include "data/UnitDM.h"
#include "widgets/DBGrid.h"

#include <QLineEdit>
#include <QPushButton>

TfrmMunicipio::TfrmMunicipio(data::TDM *dm, QWidget *parent)
    : RegisterWindow(dm, describedRegister(QStringLiteral("TfrmMunicipio"), dm), parent)
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
    dm()->TMunicipio->setIndexName(description().index);
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


