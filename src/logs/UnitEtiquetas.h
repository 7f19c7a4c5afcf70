#pragma once

#include "ReportParameterWindow.h"

#include "rules/LogInvoice.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace data { class DataSet; }

// The plate labels of a saved log invoice (RepEtiquetas): the sheet layout
// or the thermal label, and on a sheet the first free label, then the
// preview (which also prints and saves the PDF) or straight to the printer.
class TfrmEtiquetas : public logs::ReportParameterWindow
{
    Q_OBJECT
public:
    explicit TfrmEtiquetas(data::TDM *dm, QWidget *parent = nullptr);

    // Opens for the invoice under the cursor of `invoices` (a list of
    // ENTRADA_TOROS rows); tells the user when there is none or it has no
    // logs. Modal.
    void showFor(data::DataSet *invoices);

    rules::InvoiceKey invoice() const { return m_invoice; }

    QLabel *Label1 = nullptr;          // the invoice
    QComboBox *ComboModelo = nullptr;  // "&Modelo"
    QSpinBox *SpinInicio = nullptr;    // "&Começar na etiqueta"
    QLineEdit *EditPlaqueta = nullptr; // "&Só a plaqueta": empty for every log

    void FormShow() override;
    void ComboModeloChange(int index);

protected:
    void produce(logs::ReportOutput output) override;
    void clearFields() override {}

private:
    rules::InvoiceKey m_invoice;
};
