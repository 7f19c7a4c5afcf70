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
}

void PartyRegister::useForm(QWidget *form)
{
    setForm(form);
    GroupBox1 = search().group;
    Edit1 = search().edit;
    DBGrid1 = search().grid;
    Panel1 = search().count;
    GroupBox2 = search().orderGroup;
    ComboBox1 = search().orders;

    auto *city = findChild<widgets::DBLookupComboBox *>(QStringLiteral("CIDADE"));
    city->setListSource(dm()->QMunicipio, QStringLiteral("NOM_MUNIC"), QStringLiteral("NOM_MUNIC"));
    onEnter(city, [city] { city->showPopup(); });

    auto pair = [this](const char *name) { return masked(findChild<QLineEdit *>(QLatin1String(name))); };
    CEP = pair("MaskCEP");
    FONE = pair("MaskFONE");
    FAX = pair("MaskFAX");
    CNPJ = pair("MaskCNPJ");
    CPF = pair("MaskCPF");

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

void PartyRegister::BtnPesquisarClick()
{
    if (!searchable(control(description().nameField)))
        return;
    switchPageQuietly(pages()->widget(pages()->count() - 1));
    showSearchPage();
}

void PartyRegister::closeRegister()
{
    // Closing the table drops a pending change.
    table()->close();
    dm()->QMunicipio->close();
    accept();
}
