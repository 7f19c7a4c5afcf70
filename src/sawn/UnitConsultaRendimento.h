#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

class QChartView;

namespace data { class TDM; }
namespace widgets { class DateEdit; }

// The sawing yield of a period by species and product against the
// company's coefficient: the figures, each species flagged above or below
// with its difference in m3, and a bar chart of the species beside them.
class TfrmConsultaRendimento : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmConsultaRendimento(data::TDM *dm, QWidget *parent = nullptr);

    widgets::DateEdit *DataInicial1;
    widgets::DateEdit *DataFinal1;
    QLabel *Coeficiente;
    QTableWidget *Grid1;
    QChartView *Chart1;
    QPushButton *BitBtn1; // "&Consultar"
    QPushButton *BitBtn2; // "&Vizualizar"
    QPushButton *BitBtn3; // "&Retornar"

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override; // Esc is "&Retornar"

private:
    bool periodGiven();
    void clearResult();

    data::TDM *dm;
};
