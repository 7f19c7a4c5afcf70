#pragma once

#include "widgets/MovementWindow.h"

#include "ui_UnitEntradaSerradaProdutos.h"

#include <QPointer>

namespace data { class TDM; }

class TfrmEntradaSerrada;

// One product line of a sawn-wood intake invoice: species, product,
// cubic metres and price. Shown by the intake window without blocking it;
// each line is posted on its own.
class TfrmEntradaSerradaProdutos : public widgets::MovementLineWindow, public Ui::TfrmEntradaSerradaProdutos
{
    Q_OBJECT
public:
    explicit TfrmEntradaSerradaProdutos(data::TDM *dm, QWidget *parent = nullptr);

    void setHeader(TfrmEntradaSerrada *header) { m_header = header; }
    // Copies the header's supplier, number and date into the current line.
    void fillInvoiceFields();

    void FormShow() override;
    void BitBtn1Click() override; // "&Gravar"

private:
    QPointer<TfrmEntradaSerrada> m_header;
};
