#pragma once

#include "ProductRegister.h"
#include "ui_UnitProdutos.h"

// The products register (table PRODUTO through TProduto).
class TfrmProdutos : public ProductRegister, public Ui::TfrmProdutos
{
    Q_OBJECT
public:
    explicit TfrmProdutos(data::TDM *dm, QWidget *parent = nullptr);

protected:
    void BtnIncluirClick() override;
    void BtnGravarClick() override;
};
