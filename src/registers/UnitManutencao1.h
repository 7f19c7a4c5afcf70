#pragma once

#include "widgets/RegisterWindow.h"

class QTabWidget;
class TCheckCNPJ;
class TCheckCPF;
class TCheckIE;

namespace widgets {
class DBComboBox;
class DBEdit;
class DateEdit;
class NumericEdit;
}

// The company's own data: the single row of MANUTENCAO through TManutencao.
class TfrmManutencao1 : public widgets::RegisterWindow
{
    Q_OBJECT
public:
    explicit TfrmManutencao1(data::TDM *dm, QWidget *parent = nullptr);

    QTabWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2, *TabSheet3; // "&Dados Basicos", "&Inscrições", "Res&ponsaveis"

    widgets::DBEdit *NOMEEMPRESA, *NOMEFANTASIA;
    widgets::DBComboBox *LOGRADOURO;
    widgets::DBEdit *ENDERECO;
    widgets::NumericEdit *NUMERO;
    widgets::DBEdit *COMPLEMENTO, *BAIRRO;
    MaskedField CEP;
    widgets::NumericEdit *CX;
    widgets::DBEdit *CIDADE;
    widgets::DBComboBox *CIDADEUF;
    MaskedField FONE, FAX;
    widgets::DBEdit *EMAIL, *WEB;

    MaskedField CNPJ, INSCESTADUAL;
    widgets::DBEdit *REGIBAMA, *INSCMUNICIPAL, *INSCJUNTA;
    widgets::DateEdit *DATAREGJUNTA, *INIATIVIDADE;
    widgets::NumericEdit *CAPITALSOCIAL;
    MaskedField CNAE;
    widgets::DBEdit *CNAEDESCRICAO;
    widgets::DBComboBox *NATESTABELECIMENTO;

    widgets::DBEdit *RESPONSAVELEMPRESA;
    MaskedField CPFRESPONSAVEL;

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
