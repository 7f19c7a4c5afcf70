#pragma once

#include "widgets/MovementWindow.h"

#include <QPointer>

class QComboBox;

namespace data { class TDM; }
namespace widgets {
class DBComboBox;
class DBEdit;
class DBLookupComboBox;
class NumericEdit;
class ZeroPadEdit;
}

class TfrmEntradaToros;

// One log per line of a log intake invoice, with its volume from length,
// two diameters and a discount index. Shown by the intake window without
// blocking it; each line is posted on its own with SITUACAO 0 (in the yard).
class TfrmEntradaTorosProdutos : public widgets::MovementLineWindow
{
    Q_OBJECT
public:
    explicit TfrmEntradaTorosProdutos(data::TDM *dm, QWidget *parent = nullptr);

    void setHeader(TfrmEntradaToros *header) { m_header = header; }
    // Copies the header's supplier, number and date into the current line.
    void fillInvoiceFields();

    widgets::ZeroPadEdit *DBEDIT1;
    widgets::DBLookupComboBox *ESSENCIA;
    widgets::DBEdit *DBEdit2;
    widgets::DBComboBox *DBComboBox1;
    widgets::NumericEdit *COMPRIMENTO, *DIAMETRO, *DIAMETRO1;
    widgets::NumericEdit *INDICE;
    widgets::NumericEdit *DIAMETROMEDIA;
    widgets::NumericEdit *QUANTIDADE, *VALUNITARIO, *ALIQICMS, *VALTOTAL;
    widgets::DBEdit *DBEdit3, *DBEdit4, *DBEdit5, *SITUACAO, *EDITDATA, *DBEdit6, *DBEdit7, *DBEdit8;
    // Gross volume and discount: four-decimal amounts that live only here.
    widgets::NumericEdit *m3, *desconto;
    QPushButton *BitBtn1, *BitBtn3;

    void FormShow() override;
    void INDICEEnter();
    void INDICEExit();
    void VALUNITARIOEnter();
    void VALUNITARIOExit();
    void BitBtn1Click() override; // "&Gravar"
    void BitBtn3Click() override; // "&Retornar"

private:
    data::TDM *dm;
    QPointer<TfrmEntradaToros> m_header;
};
