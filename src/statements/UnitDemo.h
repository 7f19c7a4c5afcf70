#pragma once

#include "widgets/QueryWindow.h"

#include "ui_UnitDemo.h"

class QButtonGroup;

namespace data { class Table; }

// The purchases/sales statement of a period: the log and sawn-wood lines
// entered in it, in two grids, with sub-totals and totals summed by the
// database (an empty quantity or value counts as 0).
class TfrmDemo : public widgets::QueryWindow, public Ui::TfrmDemo
{
    Q_OBJECT
public:
    explicit TfrmDemo(data::TDM *dm, QWidget *parent = nullptr);

    void FormShow() override;
    void RadioGroup1Click();
    void BitBtn1Click(); // "&Cansultar"
    void BitBtn2Click(); // "&Retornar"

private:
    struct Block
    {
        data::Table *table;
        QString quantity; // column of the cubic metres
        QLabel *q, *v;
    };
    Block logBlock() const;
    Block sawnBlock() const;
    void query(const Block &block);

    QButtonGroup *m_tipo;
};
