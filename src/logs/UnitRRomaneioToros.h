#pragma once

#include "ReportParameterWindow.h"

class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

// The log packing list of one client and number, printed (RepRomaneioToros).
// The client picker fills the client's code, name and address here.
class TfrmRRomaneioToros : public logs::ReportParameterWindow
{
    Q_OBJECT
public:
    explicit TfrmRRomaneioToros(data::TDM *dm, QWidget *parent = nullptr);

    QLineEdit *FORNECEDOR; // client name
    QLineEdit *Edit1;      // client code
    QPushButton *BitBtn4;  // "&P"
    QSpinBox *nota;        // "Nota Fiscal"
    QPlainTextEdit *Memo1; // "Observação"
    // Hidden: address, district, city, state, telephone, CNPJ, CPF.
    QLineEdit *edit2, *edit3, *edit5, *edit6, *edit7, *edit9, *edit10;

    void FormShow() override;

protected:
    void picked(const widgets::PickedRow &row) override;
    void produce(logs::ReportOutput output) override;
    void clearFields() override;
};
