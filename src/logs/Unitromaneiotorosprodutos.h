#pragma once

#include "widgets/MovementWindow.h"

#include <QPointer>

namespace data { class TDM; }
namespace widgets { class DBComboBox; class DBEdit; class DBLookupComboBox; class NumericEdit; class ZeroPadEdit; }

class TfrmRomaneiotoro;

// One log of a packing list, its volume from length, diameter and index.
class TfrmRomaneiotorosprodutos : public widgets::MovementLineWindow
{
    Q_OBJECT
public:
    explicit TfrmRomaneiotorosprodutos(data::TDM *dm, QWidget *parent = nullptr);
    void setHeader(TfrmRomaneiotoro *header) { m_header = header; }

    widgets::ZeroPadEdit *DBEDIT1;
    widgets::DBLookupComboBox *ESSENCIA;
    widgets::DBEdit *DBEdit5;
    widgets::DBComboBox *DBComboBox1;
    widgets::NumericEdit *COMPRIMENTO, *DIAMETRO, *INDICE, *QUANTIDADE, *VALUNITARIO, *VALTOTAL;
    QPushButton *BitBtn1, *BitBtn3;

    void FormShow();
    void ESSENCIAClick();
    void INDICEExit();
    void VALUNITARIOExit();
    void BitBtn1Click(); // "&Gravar"
    void BitBtn3Click(); // "&Retornar"

protected:
    void showEvent(QShowEvent *event) override;
    void FormClose() override;

private:
    void writeRow(const QString &column, double value);

    data::TDM *dm;
    QPointer<TfrmRomaneiotoro> m_header;
};
