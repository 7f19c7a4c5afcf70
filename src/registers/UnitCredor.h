#pragma once

#include "PartyRegister.h"

namespace widgets {
class DBComboBox;
class DBEdit;
}

// The clients register (table CREDOR through TCredor).
class TfrmCredor : public PartyRegister
{
    Q_OBJECT
public:
    explicit TfrmCredor(data::TDM *dm, QWidget *parent = nullptr);

    QWidget *TabSheet1, *TabSheet2; // "Cadastro", "Pesquisa"

    widgets::DBEdit *CODIGOCREDOR;
    widgets::DBComboBox *TIPOCLIENTE;
    widgets::DBEdit *NOMECREDOR, *FANTASIA, *ENDERECO, *BAIRRO;
    widgets::DBEdit *UF;
    widgets::DBEdit *IE;
    widgets::DBEdit *EMAIL, *CONTATO;

protected:
    void FormShow() override;
    void BtnIncluirClick() override;
    void BtnCancelarClick() override;
    void BtnGravarClick() override;
    void BtnExcluirClick() override;
    void BtnPesquisarClick() override;
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
