#pragma once

#include "widgets/RegisterWindow.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class TCheckCNPJ;
class TCheckCPF;
class TCheckIE;

namespace widgets {
class DBComboBox;
class DBEdit;
class DBGrid;
class DBLookupComboBox;
class DBMemo;
class ZeroPadEdit;
}

// The suppliers register (table FORNECEDOR through TFornecedor).
class TfrmFornecedores : public widgets::RegisterWindow
{
    Q_OBJECT
public:
    explicit TfrmFornecedores(data::TDM *dm, QWidget *parent = nullptr);

    QTabWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2, *TabSheet3; // "Dados Básicos", "Inscrição/Contato", "Pesquisa"

    widgets::DBEdit *CODIGOFORNECEDOR, *NOMEFORNECEDOR, *NOMEFANTASIA, *ENDERECO, *BAIRRO, *COMPLEMENTO;
    widgets::DBLookupComboBox *CIDADE;
    widgets::DBEdit *CIDADEUF;
    MaskedField CEP, FONE, FAX;
    widgets::DBEdit *EMAIL, *WEB;

    widgets::DBComboBox *TIPOCLIENTE;
    MaskedField CNPJ;
    widgets::DBEdit *INSCESTADUAL;
    MaskedField CPF;
    widgets::DBEdit *RG, *CONTATO;
    MaskedField CONTATOFONE, CONTATOFAX;
    widgets::ZeroPadEdit *CONTATORAMAL;
    widgets::DBEdit *CONTATOEMAIL;
    widgets::DBMemo *OBS;

    QGroupBox *GroupBox1;
    QLineEdit *Edit1;
    widgets::DBGrid *DBGrid1;
    QLabel *Panel1; // count panel
    QGroupBox *GroupBox2;
    QComboBox *ComboBox1;

    TCheckCNPJ *CheckCNPJ;
    TCheckCPF *CheckCPF;
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
    bool m_searchSetUp = false;
};
