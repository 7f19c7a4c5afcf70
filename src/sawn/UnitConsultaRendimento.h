#pragma once

#include "widgets/QueryWindow.h"

#include "ui_UnitConsultaRendimento.h"

// The sawing yield of a period by species and product against the
// company's coefficient: the figures, each species flagged above or below
// with its difference in m3, and a bar chart of the species beside them.
class TfrmConsultaRendimento : public widgets::QueryWindow, public Ui::TfrmConsultaRendimento
{
    Q_OBJECT
public:
    explicit TfrmConsultaRendimento(data::TDM *dm, QWidget *parent = nullptr);

    void FormShow() override;
    void BitBtn1Click(); // "&Consultar"
    void BitBtn2Click(); // "&Vizualizar"
    void BitBtn3Click(); // "&Retornar"

private:
    void showCoefficient(double percent);
    void clearResult();
};
