#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace data { class TDM; class Table; }
namespace widgets { class DateEdit; class DBGrid; }

// The purchases/sales statement of a period: the log and sawn-wood lines
// entered in it, in two grids, with sub-totals and totals summed by the
// database (an empty quantity or value counts as 0).
class TfrmDemo : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmDemo(data::TDM *dm, QWidget *parent = nullptr);

    QGroupBox *RadioGroup1;
    QRadioButton *Compras, *Vendas;
    widgets::DateEdit *DateEdit1, *DateEdit2;
    // Purchases of logs and sawn wood, sales of logs and sawn wood.
    widgets::DBGrid *DBGrid1, *DBGrid2, *DBGrid3, *DBGrid4;
    QLabel *QTORO, *VTORO, *QSERRADA, *VSERRADA, *QUANTIDADE, *ESTOQUE;
    QPushButton *BitBtn1, *BitBtn2;

    void FormShow();
    void RadioGroup1Click();
    void BitBtn1Click(); // "&Cansultar"
    void BitBtn2Click(); // "&Retornar"

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

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
    void clearLabels();

    data::TDM *dm;
    QButtonGroup *m_tipo;
};
