#pragma once

#include "ReportRun.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace data {
class TDM;
}
namespace widgets {
class DateEdit;
}

namespace logs {

// The parameter window of the invoice lists (logs and sawn wood): a period
// and an order, then the report in the preview or on the printer. The two
// windows differ only in their class name and the report they produce.
class EntradaListWindow : public QDialog
{
    Q_OBJECT
public:
    widgets::DateEdit *DataInicial1; // "Período Inicial"
    widgets::DateEdit *DataFinal1;   // "Período Final"
    QComboBox *ComboBox1;            // "Classificação dos Registros"
    QPushButton *BitBtn1;            // "Im&primir"
    QPushButton *BitBtn2;            // "&Vizualizar"
    QPushButton *BitBtn3;            // "&Retornar"

    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

protected:
    EntradaListWindow(data::TDM *dm, const QString &objectName, const QString &report, QWidget *parent);

    void showEvent(QShowEvent *event) override;
    void reject() override; // Esc is "&Retornar"

private:
    void produce(ReportOutput output);

    data::TDM *dm;
    QString m_report;
};

} // namespace logs
