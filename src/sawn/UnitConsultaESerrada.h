#pragma once

#include "widgets/QueryWindow.h"

#include "ui_UnitConsultaESerrada.h"

class QButtonGroup;

// The sawn-wood stock of a sub-product and species, of a sub-product, or of
// everything: sawn intake plus production minus output, each summed by the
// database (rules::SawnBalance).
class TfrmConsultaESerrada : public widgets::QueryWindow, public Ui::TfrmConsultaESerrada
{
    Q_OBJECT
public:
    explicit TfrmConsultaESerrada(data::TDM *dm, QWidget *parent = nullptr);

    void TipoClick();
    void BitBtn3Click(); // "&Cansultar"
    void BitBtn1Click(); // "&Retornar"

private:
    QButtonGroup *m_tipo;
};
