#pragma once

#include "widgets/QueryWindow.h"

#include "ui_UnitConsultaEPatio.h"

class QButtonGroup;

// The yard log stock: the volume of the log lines still in the yard
// (SITUACAO 0), for one species or in general, summed by the database.
class TfrmConsultaEPatio : public widgets::QueryWindow, public Ui::TfrmConsultaEPatio
{
    Q_OBJECT
public:
    explicit TfrmConsultaEPatio(data::TDM *dm, QWidget *parent = nullptr);

    // Edit1 (hidden): the chosen species' code.
    void TipoClick();
    void EssenciaClick();
    void BitBtn3Click(); // "&Cansultar"
    void BitBtn1Click(); // "&Retornar"

private:
    QButtonGroup *m_tipo;
};
