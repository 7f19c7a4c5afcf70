#include "UnitEssencia.h"

#include "RegisterCatalog.h"

#include "data/UnitDM.h"
#include "widgets/KeyNavigation.h"

#include <QPushButton>

TfrmEssencia::TfrmEssencia(data::TDM *dm, QWidget *parent)
    : RegisterWindow(dm, describedRegister(QStringLiteral("TfrmEssencia"), dm), parent)
{
    widgets::KeyNavigator::instance().switchOffWhileShown(this);
    auto *form = new QWidget(this);
    setupUi(form);
    setForm(form);
    setupOrders(ComboBox1, description().orders, description().initialOrder);
    locateAsTyped(Edit1, QStringLiteral("ESSENCIA"));
    // Enter in the name edit presses "&Gravar".
    connect(DBEdit2, &QLineEdit::returnPressed, button(Gravar), &QPushButton::click);
    leaveSearchMode();
}

void TfrmEssencia::FormShow()
{
    setTitle(QStringLiteral("Cadastro de Essência"));
    DBEdit2->setFocus();
    dm()->TEssencia->open();
    dm()->TEssencia->refresh();
    dm()->TEssencia->setIndexName(QStringLiteral("INDESSENCIA"));
    ComboBox1->setCurrentText(QStringLiteral("ESSÊNCIA"));
    dm()->TEssencia->first();
    const bool empty = dm()->TEssencia->isEmpty();
    dm()->TEssencia->edit(); // on an empty table this starts a new row
    if (empty) {
        // That first new row gets the stock zeros too, or it could never be saved.
        for (const char *f : {"EINICIAL", "ESERRADA", "ETOROS", "TENTRADA", "TSAIDA"})
            dm()->TEssencia->setValue(QLatin1String(f), 0);
    }
}

void TfrmEssencia::appendWithZeros()
{
    dm()->TEssencia->append();
    setButtonsEnabled({Incluir, Pesquisar, Retornar}, false);
    for (const char *f : {"EINICIAL", "ESERRADA", "ETOROS", "TENTRADA", "TSAIDA"})
        dm()->TEssencia->setValue(QLatin1String(f), 0);
}

void TfrmEssencia::BtnIncluirClick()
{
    DBEdit2->setFocus();
    appendWithZeros();
}

void TfrmEssencia::BtnGravarClick()
{
    if (DBEdit2->text().isEmpty()) {
        widgets::inform(QStringLiteral("Essência deve ser informada!"), QStringLiteral("Inscrições"), this);
        DBEdit2->setFocus();
        return;
    }
    if (!widgets::ask(QStringLiteral("Confirma Inclusão?"), QStringLiteral("Confirmação"), this))
        return;
    const SaveResult result = saveOr(
        [&] {
            postPending();
            dm()->TEssencia->refresh();
            if (widgets::ask(QStringLiteral("Gostaria de incluir outra Essência?"), QStringLiteral("Confirmação"), this))
                appendWithZeros();
            else
                setButtonsEnabled({Incluir, Pesquisar, Retornar}, true);
        },
        QStringLiteral("Essência já Cadastrada!"), QStringLiteral("Essência"));
    // Only a duplicate name is cleared; after any other error what was typed
    // stays for the next try. On a browsed row clearing would start an edit
    // with an empty name.
    if (result == SaveResult::Duplicate && dm()->TEssencia->isEditing()) {
        DBEdit2->clear();
        emit DBEdit2->textEdited(QString());
    }
}

void TfrmEssencia::BtnCancelarClick()
{
    DBEdit2->setFocus();
    dm()->TEssencia->cancel();
    setButtonsEnabled({Incluir, Pesquisar, Retornar}, true);
}

void TfrmEssencia::BtnPesquisarClick()
{
    if (!dm()->TEssencia->isEmpty()) {
        setTitle(QStringLiteral("Pesquisa de Essência"));
        setButtonVisible(Pesquisar, false);
        setButtonVisible(Cadastro, true);
        setButtonVisible(Excluir, true);
        setButtonVisible(Gravar, false);
        Label2->hide();
        DBEdit2->hide();
        Label3->show();
        Edit1->show();
        Edit1->clear();
        Edit1->setFocus();
    } else {
        widgets::warn(QStringLiteral("Não há Essência cadastrada para pesquisa!"), QStringLiteral("Informação"), this);
        DBEdit2->setFocus();
    }
}

void TfrmEssencia::leaveSearchMode()
{
    setButtonVisible(Cadastro, false);
    setButtonVisible(Pesquisar, true);
    setButtonVisible(Excluir, false);
    setButtonVisible(Gravar, true);
    Label3->hide();
    Edit1->clear();
    Edit1->hide();
    Label2->show();
    DBEdit2->show();
}

void TfrmEssencia::BtnCadastroClick()
{
    setTitle(QStringLiteral("Cadastro de Essência"));
    leaveSearchMode();
    DBEdit2->setFocus();
}


void TfrmEssencia::BtnRetornarClick()
{
    setTitle(QStringLiteral("Cadastro de Essência"));
    leaveSearchMode();
    dm()->TEssencia->cancel();
    dm()->TEssencia->close();
    accept();
}
