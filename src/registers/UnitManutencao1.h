#pragma once

#include "ui_UnitManutencao1.h"
#include "widgets/RegisterWindow.h"

class TCheckCNPJ;
class TCheckCPF;
class TCheckIE;

// The company's own data: the single row of MANUTENCAO through TManutencao.
class TfrmManutencao1 : public widgets::RegisterWindow, public Ui::TfrmManutencao1
{
    Q_OBJECT
public:
    explicit TfrmManutencao1(data::TDM *dm, QWidget *parent = nullptr);

    MaskedField CEP, FONE, FAX, CNPJ, INSCESTADUAL, CNAE, CPFRESPONSAVEL;

    TCheckCNPJ *CheckCNPJ;
    TCheckIE *CheckIE;
    TCheckCPF *CheckCPF;

protected:
    void FormShow() override;
    void BtnGravarClick() override;
    void BtnExcluirClick() override;
    void BtnRetornarClick() override;

    void lengthExit(const MaskedField &field, int digits);
};
