#pragma once

#include "PartyRegister.h"
#include "ui_UnitCredor.h"

// The clients register (table CREDOR through TCredor).
class TfrmCredor : public PartyRegister, public Ui::TfrmCredor
{
    Q_OBJECT
public:
    explicit TfrmCredor(data::TDM *dm, QWidget *parent = nullptr);

protected:
    void FormShow() override;
    void BtnGravarClick() override;
    void BtnCadastroClick() override;
    void BtnRetornarClick() override;

    void TIPOCLIENTEExit();
    void UFEnter();
    void emptyToZeros(const MaskedField &field, const QString &zeros);
    void TabSheet1Show();
    void TabSheet2Show();

private:
    void pageChanged(int index);
};
