#pragma once

#include "rules/SawnSale.h"
#include "widgets/PickerWindow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace data { class TDM; }
namespace widgets { class DBGrid; class DBLookupComboBox; }

// "Consulta Lançamento": the sale lines of one client, invoice and species,
// with their count, volume and value.
class TfrmConsultaProduto : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmConsultaProduto(data::TDM *dm, QWidget *parent = nullptr);

    void setClientPicker(widgets::Picker picker) { m_clientPicker = std::move(picker); }

    QLineEdit *Edit2;       // client code, written by the client picker
    QLineEdit *FORNECEDOR;  // client name, written by the client picker
    QPushButton *SpeedButton1; // "&P"
    QSpinBox *nota;
    widgets::DBLookupComboBox *DBLookupComboBox1; // species
    QLineEdit *Edit1;       // the chosen species' code (hidden)
    widgets::DBGrid *DBGrid1;
    QLabel *lancamentos, *m3, *valor;
    QProgressBar *ProgressBar1;
    QPushButton *BitBtn1, *BitBtn2; // "&Cansultar", "&Retornar"

    void FormShow();
    void SpeedButton1Click();
    void DBLookupComboBox1Click();
    void BitBtn1Click();
    void BitBtn2Click();

    void reject() override; // Esc is "&Retornar"

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showTotals(const rules::InvoiceTotals &totals);

    data::TDM *dm;
    rules::SawnSale m_sale;
    widgets::Picker m_clientPicker;
};
