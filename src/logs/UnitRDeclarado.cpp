#include "UnitRDeclarado.h"
#include "ui_UnitRDeclarado.h"

#include "data/UnitDM.h"
#include "widgets/LookupCombo.h"
#include "widgets/Prompter.h"

#include <QCheckBox>

using namespace widgets;

TfrmRDeclarado::TfrmRDeclarado(data::TDM *dm_, QWidget *parent)
    : EntradaListWindow(dm_, {QStringLiteral("RepDeclarado"), {QStringLiteral("RAZAO_SOCIAL")}}, parent)
{
    Ui::TfrmRDeclarado ui;
    ui.setupUi(this);
    takeForm(ui);
    CheckBox1 = ui.CheckBox1;
    Fornecedor = ui.Fornecedor;
    Fornecedor->setListSource(dm->TFornecedor, QStringLiteral("CODIGOFORNECEDOR"), QStringLiteral("NOMEFORNECEDOR"));
    Fornecedor->setDropDownOnEnter(true);
    connect(CheckBox1, &QCheckBox::clicked, this, [this] {
        guarded(this, [this] {
            dm->TFornecedor->close();
            if (CheckBox1->isChecked()) {
                dm->TFornecedor->setIndexFieldNames(QStringLiteral("NOMEFORNECEDOR"));
                dm->TFornecedor->open();
            } else {
                Fornecedor->setKeyValue(QVariant());
            }
            Fornecedor->setEnabled(CheckBox1->isChecked());
        });
    });
}

bool TfrmRDeclarado::checkFields()
{
    if (CheckBox1->isChecked() && !Fornecedor->hasSelection()) {
        inform(QStringLiteral("Fornecedor deve ser informado!"), QStringLiteral("Informação"), this);
        Fornecedor->setFocus();
        return false;
    }
    return true;
}

void TfrmRDeclarado::addParameters(QVariantMap &params)
{
    if (CheckBox1->isChecked())
        params.insert(QStringLiteral("fornecedor"), Fornecedor->keyValue().toLongLong());
}

void TfrmRDeclarado::clearFields()
{
    EntradaListWindow::clearFields();
    CheckBox1->setChecked(false);
    Fornecedor->setKeyValue(QVariant());
    Fornecedor->setEnabled(false);
    dm->TFornecedor->close();
}
