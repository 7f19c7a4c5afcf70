#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QTableWidget;

namespace data { class TDM; }
namespace widgets {
class DateEdit;
class DBLookupComboBox;
}

// The volume the suppliers declared on their imported NF-e against the
// volume measured in the yard, per invoice, per supplier and in total.
class TfrmConsultaDeclarado : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmConsultaDeclarado(data::TDM *dm, QWidget *parent = nullptr);

    widgets::DateEdit *DataInicial1;
    widgets::DateEdit *DataFinal1;
    QCheckBox *CheckBox1; // "&Fornecedor"
    widgets::DBLookupComboBox *Fornecedor;
    QTableWidget *Grid1;
    QPushButton *BitBtn1; // "&Consultar"
    QPushButton *BitBtn2; // "&Vizualizar"
    QPushButton *BitBtn3; // "&Retornar"

    void CheckBox1Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override; // Esc is "&Retornar"

private:
    bool periodGiven();
    QVariantMap parameters() const;

    data::TDM *dm;
};
