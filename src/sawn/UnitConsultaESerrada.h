#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace data { class TDM; }
namespace widgets { class DBLookupComboBox; }

// The sawn-wood stock of a sub-product and species, of a sub-product, or of
// everything: sawn intake plus production minus output, each summed by the
// database (rules::SawnBalance).
class TfrmConsultaESerrada : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmConsultaESerrada(data::TDM *dm, QWidget *parent = nullptr);

    QGroupBox *Tipo; // "Tipo da Consulta"
    QRadioButton *TipoProdutoEssencia, *TipoProduto, *TipoGeral;
    widgets::DBLookupComboBox *Produto;  // SUBPRODUTO.NOMEGRAU
    widgets::DBLookupComboBox *Essencia; // ESSENCIA.ESSENCIA
    QLabel *TotalEntrada, *TotalProducao, *TotalSaida, *Estoque;
    QPushButton *BitBtn3; // "&Cansultar"
    QPushButton *BitBtn1; // "&Retornar"

    void TipoClick();
    void BitBtn3Click();
    void BitBtn1Click();

protected:
    void reject() override; // Esc is "&Retornar"

private:
    data::TDM *dm;
    QButtonGroup *m_tipo;
};
