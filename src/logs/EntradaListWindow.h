#pragma once

#include "ReportParameterWindow.h"

class QComboBox;

namespace widgets {
class DateEdit;
}

namespace logs {

// The parameter window of the invoice lists (logs and sawn wood): a period
// and an order, then the report in the preview or on the printer. The two
// windows differ only in their class name and the report they produce.
class EntradaListWindow : public ReportParameterWindow
{
    Q_OBJECT
public:
    widgets::DateEdit *DataInicial1; // "Período Inicial"
    widgets::DateEdit *DataFinal1;   // "Período Final"
    QComboBox *ComboBox1;            // "Classificação dos Registros"

    void FormShow() override;

protected:
    EntradaListWindow(data::TDM *dm, const QString &objectName, const QString &report, QWidget *parent);

    void produce(ReportOutput output) override;
    void clearFields() override;

private:
    QString m_report;
};

} // namespace logs
