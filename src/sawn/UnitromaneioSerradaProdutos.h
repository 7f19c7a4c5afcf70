#pragma once

#include "logs/PackingListWindow.h"

#include "ui_UnitromaneioSerradaProdutos.h"

class QLabel;
class SawnLineTotals;

namespace data { class TDM; }

// One line of a sawn-wood packing list: species, sub-product, unit, pieces
// and dimensions give its area or volume and its value.
class TfrmromaneioSerradaProdutos : public logs::PackingListLineWindow, public Ui::TfrmromaneioSerradaProdutos
{
    Q_OBJECT
public:
    explicit TfrmromaneioSerradaProdutos(data::TDM *dm, QWidget *parent = nullptr);

    void BitBtn1Click() override; // "&Gravar"
    void BitBtn3Click() override; // "&Retornar"

private:
    SawnLineTotals *m_totals;
};
