#pragma once

#include "ReportParameterWindow.h"

class QLineEdit;
class QSpinBox;

namespace logs {

// The parameter window of the detailed invoice reports (logs and sawn
// wood): a supplier chosen with the supplier picker and an invoice number.
// The windows differ only in their form and report.
class EntradaDetailWindow : public ReportParameterWindow
{
    Q_OBJECT
public:
    QLineEdit *FORNECEDOR = nullptr; // supplier name, filled by the picker
    QLineEdit *Edit1 = nullptr;      // supplier code, filled by the picker
    QPushButton *BitBtn4 = nullptr;  // "&P"
    QSpinBox *nota1 = nullptr;       // "Nota Fiscal"

    void FormShow() override;

protected:
    EntradaDetailWindow(data::TDM *dm, const QString &report, QWidget *parent);

    // Takes the controls of FORM (the supplier row, nota1 and the buttons),
    // laid out on the window already.
    template <class Form>
    void takeForm(Form &form)
    {
        Edit1 = form.Edit1;
        BitBtn4 = form.BitBtn4;
        FORNECEDOR = form.FORNECEDOR;
        nota1 = form.nota1;
        takePicker(BitBtn4);
        takeButtons(form.BitBtn1, form.BitBtn2, form.BitBtn3);
    }

    void picked(const widgets::PickedRow &row) override;
    void produce(ReportOutput output) override;
    void clearFields() override;

private:
    QString m_report;
};

} // namespace logs
