#pragma once

#include "ReportParameterWindow.h"

class QLineEdit;
class QSpinBox;

namespace logs {

// The parameter window of the detailed invoice reports (logs and sawn
// wood): a supplier chosen with the supplier picker and an invoice number.
// The two windows differ only in their class name and report.
class EntradaDetailWindow : public ReportParameterWindow
{
    Q_OBJECT
public:
    QLineEdit *FORNECEDOR; // supplier name, filled by the picker
    QLineEdit *Edit1;      // supplier code, filled by the picker
    QPushButton *BitBtn4;  // "&P"
    QSpinBox *nota1;       // "Nota Fiscal"

    void FormShow() override;

protected:
    EntradaDetailWindow(data::TDM *dm, const QString &objectName, const QString &report, QWidget *parent);

    void picked(const widgets::PickedRow &row) override;
    void produce(ReportOutput output) override;
    void clearFields() override;

private:
    QString m_report;
};

} // namespace logs
