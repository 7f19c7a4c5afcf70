#include "ProductRegister.h"

#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"

#include <QLineEdit>
#include <QTabWidget>

ProductRegister::ProductRegister(data::TDM *dm, const widgets::RegisterDescription &description, QWidget *parent)
    : RegisterWindow(dm, description, parent)
{
}

void ProductRegister::useForm(QWidget *form)
{
    setForm(form);
    GroupBox1 = search().group;
    Edit1 = search().edit;
    DBGrid1 = search().grid;
    m_name = findChild<widgets::DBEdit *>(QStringLiteral("NOMEGRAU"));
    connect(pages(), &QTabWidget::currentChanged, this, [this](int index) {
        index == 0 ? TabSheet1Show() : TabSheet2Show();
    });
}

void ProductRegister::FormShow()
{
    pages()->setCurrentIndex(0);
    setTitle(description().entryTitle);
    table()->close();
    table()->open();
    table()->setIndexName(description().index);
    TabSheet1Show();
}

void ProductRegister::TabSheet1Show()
{
    setButtonsEnabled({Gravar, Cancelar, Incluir}, true);
    setTitle(description().entryTitle);
    showSearchButtons(false);
    m_name->setFocus();
}

void ProductRegister::TabSheet2Show()
{
    setButtonsEnabled({Gravar, Cancelar, Incluir}, false);
    setTitle(description().searchTitle);
    showSearchButtons(true);
    Edit1->setFocus();
}

void ProductRegister::BtnPesquisarClick()
{
    if (!searchable(m_name))
        return;
    pages()->setCurrentIndex(1);
    TabSheet2Show();
}

void ProductRegister::BtnCadastroClick()
{
    pages()->setCurrentIndex(0);
    TabSheet1Show();
}



