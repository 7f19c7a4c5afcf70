#include "PartyRegister.h"

#include "data/UnitDM.h"
#include "taxid/TCheckCNPJ.h"
#include "taxid/TCheckCPF.h"
#include "widgets/LookupCombo.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

PartyRegister::PartyRegister(data::TDM *dm, const widgets::RegisterDescription &description, QWidget *parent)
    : RegisterWindow(dm, description, parent)
{
    PageControl1 = pages();
    GroupBox1 = search().group;
    Edit1 = search().edit;
    DBGrid1 = search().grid;
    Panel1 = search().count;
    GroupBox2 = search().orderGroup;
    ComboBox1 = search().orders;
}

widgets::DBLookupComboBox *PartyRegister::cityList(QWidget *page)
{
    CIDADE = new widgets::DBLookupComboBox(page);
    CIDADE->setObjectName(QStringLiteral("CIDADE"));
    CIDADE->setListSource(dm()->QMunicipio, QStringLiteral("NOM_MUNIC"), QStringLiteral("NOM_MUNIC"));
    CIDADE->setDataSource(description().source);
    CIDADE->setDataField(QStringLiteral("CIDADE"));
    CIDADE->setMinimumWidth(280);
    onEnter(CIDADE, [this] { CIDADE->showPopup(); });
    return CIDADE;
}

void PartyRegister::addressDigits(QWidget *page)
{
    data::DataSource *src = description().source;
    CEP = maskedField(page, src, QStringLiteral("CEP"), QStringLiteral("99999-999;0;_"), QStringLiteral("MaskCEP"));
    CEP.edit->setFixedWidth(110);
    FONE = maskedField(page, src, QStringLiteral("FONE"), QStringLiteral("99-9999-9999;0;_"), QStringLiteral("MaskFONE"));
    FONE.edit->setFixedWidth(130);
    FAX = maskedField(page, src, QStringLiteral("FAX"), QStringLiteral("99-9999-9999;0;_"), QStringLiteral("MaskFAX"));
    FAX.edit->setFixedWidth(130);
}

void PartyRegister::taxChecks()
{
    const QString info = QStringLiteral("Informação");
    CheckCNPJ = new TCheckCNPJ(this);
    CheckCNPJ->setAssociate(CNPJ.edit);
    CheckCNPJ->setOnError([this, info](QObject *) {
        widgets::inform(QStringLiteral("CNPJ inválido ou digitado incorretamente, Verefique!"), info, this);
    });
    CheckCPF = new TCheckCPF(this);
    CheckCPF->setAssociate(CPF.edit);
    CheckCPF->setOnError([this, info](QObject *) {
        widgets::inform(QStringLiteral("CPF inválido ou digitado incorretamente, Verefique!"), info, this);
    });
}

void PartyRegister::openMunicipalities()
{
    data::Query *q = dm()->QMunicipio;
    q->open();
    q->close();
    q->setSql(QStringLiteral("Select * from Municipio Order by NOM_MUNIC"));
    q->open();
}

void PartyRegister::saveThenContinue(const std::function<void()> &focus)
{
    table()->post();
    table()->refresh();
    const bool another = widgets::ask(QStringLiteral("Continua Cadastramento?"), QStringLiteral("Confirmação"), this);
    focus();
    if (another)
        table()->append();
    // A new row pending keeps them off until it is saved or cancelled.
    setButtonsEnabled({Incluir, Excluir, Pesquisar, Retornar}, !another);
}

void PartyRegister::showSearchPage()
{
    selectOrder(ComboBox1, description().initialOrder);
    countRows();
    setTitle(description().searchTitle);
    Edit1->setFocus();
    showSearchButtons(true);
}

void PartyRegister::openSearch(QWidget *focus)
{
    if (!searchable(focus))
        return;
    switchPageQuietly(PageControl1->widget(PageControl1->count() - 1));
    showSearchPage();
}

void PartyRegister::closeRegister()
{
    // Closing the table drops a pending change.
    table()->close();
    dm()->QMunicipio->close();
    accept();
}
