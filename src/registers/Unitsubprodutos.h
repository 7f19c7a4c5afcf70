#pragma once

#include "ProductRegister.h"
#include "ui_Unitsubprodutos.h"

// The sub-products register (table SUBPRODUTO through TSUBPRODUTOS).
class Tfrmsubprodutos : public ProductRegister, public Ui::Tfrmsubprodutos
{
    Q_OBJECT
public:
    explicit Tfrmsubprodutos(data::TDM *dm, QWidget *parent = nullptr);

protected:
    void BtnGravarClick() override;
};
