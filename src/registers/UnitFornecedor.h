#pragma once

#include "PartyRegister.h"
#include "ui_UnitFornecedor.h"

class TCheckIE;

// The suppliers register (table FORNECEDOR through TFornecedor).
class TfrmFornecedores : public PartyRegister, public Ui::TfrmFornecedores
{
    Q_OBJECT
public:
    explicit TfrmFornecedores(data::TDM *dm, QWidget *parent = nullptr);

    MaskedField CONTATOFONE, CONTATOFAX;
    TCheckIE *CheckIE;

protected:
    void FormShow() override;
    void BtnCancelarClick() override;
    void BtnGravarClick() override;
    void BtnCadastroClick() override; // "Dad/Basicos"
    void BtnRetornarClick() override;

    void TIPOCLIENTEExit();
    void CEPExit();
    void phoneExit(const MaskedField &phone, bool fillZeros);
    void TabSheet3Show();
    void TabSheet3Enter();

private:
    void pageChanged(int index);
};
