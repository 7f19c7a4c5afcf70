#pragma once

#include "widgets/RegisterWindow.h"

class QGroupBox;
class QLineEdit;
class QTabWidget;

namespace widgets {
class DBEdit;
class DBGrid;
}

// The sub-products register (table SUBPRODUTO through TSUBPRODUTOS).
class Tfrmsubprodutos : public widgets::RegisterWindow
{
    Q_OBJECT
public:
    explicit Tfrmsubprodutos(data::TDM *dm, QWidget *parent = nullptr);

    QTabWidget *PageControl1;
    QWidget *TabSheet1; // "Cadastro"
    QWidget *TabSheet2; // "Pesquisa"
    widgets::DBEdit *GRAUIND;
    widgets::DBEdit *NOMEGRAU; // "Produto"
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
    void BtnExcluirClick() override;
    void BtnPesquisarClick() override;
    void BtnCadastroClick() override;
    void BtnRetornarClick() override;
};
