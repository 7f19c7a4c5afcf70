#pragma once

#include "logs/ReportParameterWindow.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

// One sawn-wood packing list of a client, printed with the client's address,
// the observation and the receipt lines (RepRomaneioserrada). The client
// picker fills the client's code, name and address here.
class TfrmRRomaneioSerrada : public logs::ReportParameterWindow
{
    Q_OBJECT
public:
    explicit TfrmRRomaneioSerrada(data::TDM *dm, QWidget *parent = nullptr);

    QLineEdit *FORNECEDOR; // client name
    QLineEdit *Edit1;      // client code
    QPushButton *BitBtn4;  // "&P"
    QSpinBox *nota;        // "Nota Fiscal"
    QPlainTextEdit *Memo1; // "Observação"
    QComboBox *ComboBox1;  // "Classificação dos Registros"
    // Hidden: address, district, city, state, telephone, CNPJ, CPF.
    QLineEdit *Edit2, *Edit3, *Edit5, *Edit6, *Edit7, *Edit9, *Edit10;

    void FormShow() override;

protected:
    void picked(const widgets::PickedRow &row) override;
    void produce(logs::ReportOutput output) override;
    void clearFields() override;
};
