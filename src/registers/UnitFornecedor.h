#pragma once

#include "PartyRegister.h"

class TCheckIE;

namespace widgets {
class DBComboBox;
class DBEdit;
class DBMemo;
class ZeroPadEdit;
}

// The suppliers register (table FORNECEDOR through TFornecedor).
class TfrmFornecedores : public PartyRegister
{
    Q_OBJECT
public:
    explicit TfrmFornecedores(data::TDM *dm, QWidget *parent = nullptr);

    QWidget *TabSheet1, *TabSheet2, *TabSheet3; // "Dados Básicos", "Inscrição/Contato", "Pesquisa"

    widgets::DBEdit *CODIGOFORNECEDOR, *NOMEFORNECEDOR, *NOMEFANTASIA, *ENDERECO, *BAIRRO, *COMPLEMENTO;
    widgets::DBEdit *CIDADEUF;
    widgets::DBEdit *EMAIL, *WEB;

    widgets::DBComboBox *TIPOCLIENTE;
    widgets::DBEdit *INSCESTADUAL;
    widgets::DBEdit *RG, *CONTATO;
    MaskedField CONTATOFONE, CONTATOFAX;
    widgets::ZeroPadEdit *CONTATORAMAL;
    widgets::DBEdit *CONTATOEMAIL;
    widgets::DBMemo *OBS;

    TCheckIE *CheckIE;

protected:
    void FormShow() override;
    void BtnIncluirClick() override;
    void BtnCancelarClick() override;
    void BtnGravarClick() override;
    void BtnExcluirClick() override;
    void BtnPesquisarClick() override;
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
