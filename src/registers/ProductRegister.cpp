#include "ProductRegister.h"

#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QTabWidget>

ProductRegister::ProductRegister(data::TDM *dm, const widgets::RegisterDescription &description,
                                 const QString &index, const QString &codeLabel, const QString &nameLabel,
                                 QWidget *parent)
    : RegisterWindow(dm, description, parent), m_index(index)
{
    PageControl1 = pages();
    TabSheet1 = page(0);
    TabSheet2 = page(1);
    GroupBox1 = search().group;
    Edit1 = search().edit;
    DBGrid1 = search().grid;

    m_form = new QFormLayout(TabSheet1);
    GRAUIND = new widgets::DBEdit(description.source, QStringLiteral("GRAUIND"), TabSheet1);
    GRAUIND->setObjectName(QStringLiteral("GRAUIND"));
    GRAUIND->setReadOnly(true);
    GRAUIND->setMaximumWidth(100);
    NOMEGRAU = new widgets::DBEdit(description.source, QStringLiteral("NOMEGRAU"), TabSheet1);
    NOMEGRAU->setObjectName(QStringLiteral("NOMEGRAU"));
    NOMEGRAU->setCharCase(widgets::CharCase::Upper);
    NOMEGRAU->setMinimumWidth(380);
    m_form->addRow(buddyLabel(codeLabel, GRAUIND), GRAUIND);
    m_form->addRow(buddyLabel(nameLabel, NOMEGRAU), NOMEGRAU);

    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        index == 0 ? TabSheet1Show() : TabSheet2Show();
    });
}

void ProductRegister::FormShow()
{
    PageControl1->setCurrentWidget(TabSheet1);
    setTitle(description().entryTitle);
    table()->close();
    table()->open();
    table()->setIndexName(m_index);
    TabSheet1Show();
}

void ProductRegister::TabSheet1Show()
{
    setButtonsEnabled({Gravar, Cancelar, Incluir}, true);
    setTitle(description().entryTitle);
    showSearchButtons(false);
    NOMEGRAU->setFocus();
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
    if (!searchable(NOMEGRAU))
        return;
    PageControl1->setCurrentWidget(TabSheet2);
    TabSheet2Show();
}

void ProductRegister::BtnCadastroClick()
{
    PageControl1->setCurrentWidget(TabSheet1);
    TabSheet1Show();
}

void ProductRegister::BtnCancelarClick()
{
    cancelPending(NOMEGRAU);
}

void ProductRegister::BtnExcluirClick()
{
    deleteCurrent();
}

void ProductRegister::BtnRetornarClick()
{
    // Closing the table drops a pending change.
    table()->close();
    accept();
}
