#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace data { class TDM; }
namespace widgets { class DBLookupComboBox; }

// The yard log stock: the volume of the log lines still in the yard
// (SITUACAO 0), for one species or in general, summed by the database.
class TfrmConsultaEPatio : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmConsultaEPatio(data::TDM *dm, QWidget *parent = nullptr);

    QGroupBox *Tipo;
    QRadioButton *TipoEssencia, *TipoGeral;
    widgets::DBLookupComboBox *Essencia;
    QLabel *TENTRADA1;
    QLineEdit *Edit1;
    QPushButton *BitBtn3, *BitBtn1;

    void TipoClick();
    void EssenciaClick();
    void BitBtn3Click(); // "&Cansultar"
    void BitBtn1Click(); // "&Retornar"

protected:
    void reject() override;

private:
    data::TDM *dm;
    QButtonGroup *m_tipo;
};
