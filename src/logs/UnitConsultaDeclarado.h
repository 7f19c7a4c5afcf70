#pragma once

#include "widgets/QueryWindow.h"

#include "ui_UnitConsultaDeclarado.h"

// The volume the suppliers declared on their imported NF-e against the
// volume measured in the yard, per invoice, per supplier and in total.
class TfrmConsultaDeclarado : public widgets::QueryWindow, public Ui::TfrmConsultaDeclarado
{
    Q_OBJECT
public:
    explicit TfrmConsultaDeclarado(data::TDM *dm, QWidget *parent = nullptr);

    void FormShow() override;
    void CheckBox1Click(); // "&Fornecedor"
    void BitBtn1Click();   // "&Consultar"
    void BitBtn2Click();   // "&Vizualizar"
    void BitBtn3Click();   // "&Retornar"

private:
    bool asked();
    QVariantMap parameters() const;
};
