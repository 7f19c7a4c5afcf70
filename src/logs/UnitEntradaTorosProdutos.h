#pragma once

#include "widgets/MovementWindow.h"

#include "ui_UnitEntradaTorosProdutos.h"

#include <QPointer>

class QComboBox;

namespace data { class TDM; }

class TfrmEntradaToros;

// One log per line of a log intake invoice, with its volume from length,
// two diameters and a discount index. Shown by the intake window without
// blocking it; each line is posted on its own with SITUACAO 0 (in the yard).
class TfrmEntradaTorosProdutos : public widgets::MovementLineWindow, public Ui::TfrmEntradaTorosProdutos
{
    Q_OBJECT
public:
    explicit TfrmEntradaTorosProdutos(data::TDM *dm, QWidget *parent = nullptr);

    void setHeader(TfrmEntradaToros *header) { m_header = header; }
    // Copies the header's supplier, number and date into the current line.
    void fillInvoiceFields();

    void FormShow() override;
    void INDICEEnter();
    void INDICEExit();
    void VALUNITARIOEnter();
    void VALUNITARIOExit();
    void BitBtn1Click() override; // "&Gravar"
    void BitBtn3Click() override; // "&Retornar"

private:
    QPointer<TfrmEntradaToros> m_header;
};
