#pragma once

#include "ReportRun.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace data {
class TDM;
}

// The log packing list of one client and number, printed (RepRomaneioToros).
// The client picker fills the client's code, name and address here.
class TfrmRRomaneioToros : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmRRomaneioToros(data::TDM *dm, QWidget *parent = nullptr);

    QLineEdit *FORNECEDOR; // client name
    QLineEdit *Edit1;      // client code
    QPushButton *BitBtn4;  // "&P"
    QSpinBox *nota;        // "Nota Fiscal"
    QPlainTextEdit *Memo1; // "Observação"
    QPushButton *BitBtn1;  // "Imprimir"
    QPushButton *BitBtn2;  // "&Vizualizar"
    QPushButton *BitBtn3;  // "&Retornar"
    // Hidden: address, district, city, state, telephone, CNPJ, CPF.
    QLineEdit *edit2, *edit3, *edit5, *edit6, *edit7, *edit9, *edit10;

    void FormShow();
    void BitBtn4Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    void reject() override; // Esc is "&Retornar"

private:
    // False when nothing was found (the message is shown).
    bool produce(logs::ReportOutput output);

    data::TDM *dm;
};
