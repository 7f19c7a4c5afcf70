#pragma once

#include "ReportParameterWindow.h"

#include <QVector>

class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace logs {

// The printing of one packing list of a client and number: the client row
// the client picker fills (code, name and, hidden, the address), the
// invoice number and the observation. Each window's form adds what is its
// own.
class PackingListReportWindow : public ReportParameterWindow
{
    Q_OBJECT
public:
    QLineEdit *FORNECEDOR = nullptr; // client name
    QLineEdit *Edit1 = nullptr;      // client code
    QPushButton *BitBtn4 = nullptr;  // "&P"
    QSpinBox *nota = nullptr;        // "Nota Fiscal"
    QPlainTextEdit *Memo1 = nullptr; // "Observação"

    void FormShow() override;

protected:
    PackingListReportWindow(data::TDM *dm, QWidget *parent);

    // Takes the controls of FORM, laid out on the window already; ADDRESS
    // are its seven hidden edits for address, district, city, state, telephone,
    // CNPJ and CPF.
    template <class Form>
    void takeForm(Form &form, const QVector<QLineEdit *> &address)
    {
        Edit1 = form.Edit1;
        BitBtn4 = form.BitBtn4;
        FORNECEDOR = form.FORNECEDOR;
        nota = form.nota;
        Memo1 = form.Memo1;
        m_address = address;
        takePicker(BitBtn4);
        takeButtons(form.BitBtn1, form.BitBtn2, form.BitBtn3);
    }

    // The hidden edits, in the order given to takeForm().
    const QVector<QLineEdit *> &addressEdits() const { return m_address; }

    void picked(const widgets::PickedRow &row) override;
    void clearFields() override;
    // "Cliente deve ser informado!" with the focus on "&P" when no client is
    // chosen; true when one is.
    bool hasClient();
    // The parameters every packing-list report takes.
    QVariantMap clientParams() const;

private:
    QVector<QLineEdit *> m_address;
};

} // namespace logs
