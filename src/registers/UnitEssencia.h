#pragma once

#include "ui_UnitEssencia.h"
#include "widgets/RegisterWindow.h"

// The wood species register (table ESSENCIA through TEssencia). Its form,
// with the bound and hidden stock columns, is UnitEssencia.ui.
class TfrmEssencia : public widgets::RegisterWindow, public Ui::TfrmEssencia
{
    Q_OBJECT
public:
    explicit TfrmEssencia(data::TDM *dm, QWidget *parent = nullptr);

protected:
    void FormShow() override;
    void BtnIncluirClick() override;
    void BtnCancelarClick() override;
    void BtnGravarClick() override;
    void BtnPesquisarClick() override;
    void BtnCadastroClick() override; // "&Ocultar"
    void BtnRetornarClick() override;

private:
    void appendWithZeros();
    void leaveSearchMode();
};
