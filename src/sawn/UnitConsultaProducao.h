#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace data { class TDM; }
namespace widgets {
class DateEdit;
class DBGrid;
class DBLookupComboBox;
}

// The production rows of one day, optionally of one species, with their
// sawn volume summed by the database.
class TfrmConsultaProducao : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmConsultaProducao(data::TDM *dm, QWidget *parent = nullptr);

    widgets::DateEdit *Data;
    QCheckBox *CheckBox1; // "Essência"
    widgets::DBLookupComboBox *Essencia;
    widgets::DBGrid *DBGrid1;
    QLabel *TotalProducao;
    QPushButton *BitBtn3; // "&Cansultar"
    QPushButton *BitBtn1; // "&Retornar"

    void CheckBox1Click();
    void BitBtn3Click();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override; // Esc is "&Retornar"

private:
    data::TDM *dm;
};
