#pragma once

#include "widgets/RegisterWindow.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class TCheckCNPJ;
class TCheckCPF;

namespace widgets {
class DBComboBox;
class DBEdit;
class DBGrid;
class DBLookupComboBox;
}

// The clients register (table CREDOR through TCredor).
class TfrmCredor : public widgets::RegisterWindow
{
    Q_OBJECT
public:
    explicit TfrmCredor(data::TDM *dm, QWidget *parent = nullptr);

    QTabWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2; // "Cadastro", "Pesquisa"

    widgets::DBEdit *CODIGOCREDOR;
    widgets::DBComboBox *TIPOCLIENTE;
    widgets::DBEdit *NOMECREDOR, *FANTASIA, *ENDERECO, *BAIRRO;
    widgets::DBLookupComboBox *CIDADE;
    widgets::DBEdit *UF;
    MaskedField CEP, FONE, FAX, CNPJ;
    widgets::DBEdit *IE;
    MaskedField CPF;
    widgets::DBEdit *EMAIL, *CONTATO;

    QGroupBox *GroupBox1;
    QLineEdit *Edit1;
    widgets::DBGrid *DBGrid1;
    QLabel *Panel1;
    QGroupBox *GroupBox2;
    QComboBox *ComboBox1;

    TCheckCNPJ *CheckCNPJ;
    TCheckCPF *CheckCPF;

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
    bool m_switching = false;
};
