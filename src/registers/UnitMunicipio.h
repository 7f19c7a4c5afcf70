#pragma once

#include "widgets/RegisterWindow.h"

class QGroupBox;
class QLineEdit;
class QTabWidget;

namespace widgets {
class DBEdit;
class DBGrid;
}

// The municipalities register (table MUNICIPIO through TMunicipio).
class TfrmMunicipio : public widgets::RegisterWindow
{
    Q_OBJECT
public:
    explicit TfrmMunicipio(data::TDM *dm, QWidget *parent = nullptr);

    QTabWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2; // "Cadastro", "Pesquisa"
    widgets::DBEdit *COD_MUNIC, *NOM_MUNIC, *COD_UF, *SIG_UF;
    QGroupBox *GroupBox1;
    QLineEdit *Edit1;
    widgets::DBGrid *DBGrid1;

protected:
    void FormShow() override;
    void TabSheet1Show();
    void TabSheet2Show();
    void BtnIncluirClick() override;
    void BtnCancelarClick() override;
    void BtnGravarClick() override;
    void BtnPesquisarClick() override;
    void BtnCadastroClick() override;
    void BtnRetornarClick() override;
};
