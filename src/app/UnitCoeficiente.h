#pragma once

#include "widgets/QueryWindow.h"

#include "ui_UnitCoeficiente.h"

// The company's yield coefficient of logs into sawn wood, in percent: the
// legal figure unless the company holds one approved by study.
class TfrmCoeficiente : public widgets::QueryWindow, public Ui::TfrmCoeficiente
{
    Q_OBJECT
public:
    explicit TfrmCoeficiente(data::TDM *dm, QWidget *parent = nullptr);

    void FormShow() override;
    void BitBtn1Click(); // "&Gravar"
};
