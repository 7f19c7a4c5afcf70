#pragma once

#include "ProductRegister.h"

namespace widgets {
class NumericEdit;
}

// The products register (table PRODUTO through TProduto).
class TfrmProdutos : public ProductRegister
{
    Q_OBJECT
public:
    explicit TfrmProdutos(data::TDM *dm, QWidget *parent = nullptr);

    widgets::DBEdit *UNIDADE;
    widgets::NumericEdit *FATOR;

protected:
    void BtnIncluirClick() override;
    void BtnGravarClick() override;
};
