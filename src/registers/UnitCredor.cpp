#include "UnitCredor.h"

#include "RegisterCatalog.h"

#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/LookupCombo.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {
const QString kZeros14 = QStringLiteral("00000000000000");
const QString kZeros11 = QStringLiteral("00000000000");
} // namespace

TfrmCredor::TfrmCredor(data::TDM *dm, QWidget *parent)
    : PartyRegister(dm, describedRegister(QStringLiteral("TfrmCredor"), dm), parent)
{
    auto *form = new QWidget(this);
    setupUi(form);
    useForm(form);

    onExit(TIPOCLIENTE, [this] { TIPOCLIENTEExit(); });
    dropDownOnTyping(TIPOCLIENTE);
    // Picking a name makes that municipality the current row of the list.
    connect(CIDADE, &widgets::DBLookupComboBox::keyChanged, this, [this](const QVariant &name) {
        if (!name.isNull())
            guarded(this, [&] { this->dm()->QMunicipio->locate(QStringLiteral("NOM_MUNIC"), name, {false, false}); });
    });
    onEnter(UF, [this] { UFEnter(); });
    onExit(CEP.edit, [this] { emptyToZeros(CEP, QStringLiteral("00000000")); });
    onExit(FONE.edit, [this] { emptyToZeros(FONE, QStringLiteral("0000000000")); });
    onExit(FAX.edit, [this] { emptyToZeros(FAX, QStringLiteral("0000000000")); });
    onExit(CONTATO, [this] {
        if (!focusGoingTo(Gravar))
            button(Gravar)->click();
    });
    connect(PageControl1, &QTabWidget::currentChanged, this, &TfrmCredor::pageChanged);
}

void TfrmCredor::FormShow()
{
    PageControl1->setCurrentWidget(TabSheet1);
    setTitle(QStringLiteral("Cadastro de Clientes"));
    table()->open();
    table()->setIndexName(QStringLiteral("IND_CREDOR"));
    ComboBox1->setCurrentText(QStringLiteral("CLIENTE"));
    TIPOCLIENTE->setFocus();
    showSearchButtons(false);
    openMunicipalities();
}

void TfrmCredor::pageChanged(int index)
{
    if (switchingPage())
        return;
    guarded(this, [&] { index == 0 ? TabSheet1Show() : TabSheet2Show(); });
}

void TfrmCredor::TabSheet1Show()
{
    setTitle(QStringLiteral("Cadastro de Clientes"));
    TIPOCLIENTE->setFocus();
    showSearchButtons(false);
    selectOrder(ComboBox1, QStringLiteral("CLIENTE"));
}

void TfrmCredor::TabSheet2Show()
{
    showSearchPage();
}

void TfrmCredor::TIPOCLIENTEExit()
{
    data::Table *t = table();
    const QString kind = TIPOCLIENTE->currentText();
    if (kind == QStringLiteral("2-PESSOA JURÍDICA")) {
        CNPJ.edit->setEnabled(true);
        IE->setEnabled(true);
        CPF.edit->setEnabled(false);
        if (t->isActive())
            t->setValue(QStringLiteral("CPF"), kZeros11);
    } else if (kind == QStringLiteral("1-PESSOA FÍSICA")) {
        CPF.edit->setEnabled(true);
        CNPJ.edit->setEnabled(false);
        IE->setEnabled(false);
        if (t->isActive()) {
            t->setValue(QStringLiteral("IE"), kZeros14);
            t->setValue(QStringLiteral("CNPJ"), kZeros14);
        }
    }
}

void TfrmCredor::UFEnter()
{
    data::Query *q = dm()->QMunicipio;
    if (q->isActive() && q->recNo() >= 0)
        table()->setValue(QStringLiteral("UF"), q->asString(QStringLiteral("SIG_UF")));
}

void TfrmCredor::emptyToZeros(const MaskedField &field, const QString &zeros)
{
    if (field.column->text().isEmpty() && table()->isActive())
        table()->setValue(field.column->link()->dataField(), zeros);
}


void TfrmCredor::BtnGravarClick()
{
    if (!checkRequired())
        return;
    data::Table *t = table();
    if (CPF.column->text().isEmpty())
        t->setValue(QStringLiteral("CPF"), kZeros11);
    if (IE->text().isEmpty())
        t->setValue(QStringLiteral("IE"), kZeros14);
    if (widgets::ask(QStringLiteral("Confirma a Inclusão/Alteração?"), QStringLiteral("Confirmação"), this)) {
        saveOr([&] {
            if (CNPJ.column->text().isEmpty())
                t->setValue(QStringLiteral("CNPJ"), kZeros14);
            saveThenContinue([this] { TIPOCLIENTE->setFocus(); });
        });
    }
    TIPOCLIENTE->setFocus();
}




void TfrmCredor::BtnCadastroClick()
{
    switchPageQuietly(TabSheet1);
    TabSheet1Show();
}

void TfrmCredor::BtnRetornarClick()
{
    ComboBox1->setCurrentText(QStringLiteral("CLIENTE"));
    closeRegister();
}
