#pragma once

#include "widgets/QueryWindow.h"

#include "ui_UnitConsultaProducao.h"

// The production rows of one day, optionally of one species, with their
// sawn volume summed by the database.
class TfrmConsultaProducao : public widgets::QueryWindow, public Ui::TfrmConsultaProducao
{
    Q_OBJECT
public:
    explicit TfrmConsultaProducao(data::TDM *dm, QWidget *parent = nullptr);

    void FormShow() override;
    void CheckBox1Click(); // "Essência"
    void BitBtn3Click();   // "&Cansultar"
    void BitBtn1Click();   // "&Retornar"
};
