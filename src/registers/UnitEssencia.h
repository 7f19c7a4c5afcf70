#pragma once

#include "widgets/RegisterWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace widgets {
class DBEdit;
class DBGrid;
}

// The wood species register (table ESSENCIA through TEssencia).
class TfrmEssencia : public widgets::RegisterWindow
{
    Q_OBJECT
public:
    explicit TfrmEssencia(data::TDM *dm, QWidget *parent = nullptr);

    widgets::DBEdit *DBEdit1; // CODIGO, hidden
    widgets::DBEdit *DBEdit2; // ESSENCIA
    widgets::DBEdit *DBEdit3, *DBEdit4, *DBEdit5, *DBEdit6, *DBEdit7; // stock columns, hidden
    QLabel *Label2;
    QLabel *Label3;
    QLineEdit *Edit1;
    QLabel *Label4;
    QComboBox *ComboBox1;
    widgets::DBGrid *DBGrid1;

protected:
    void FormShow() override;
    void BtnIncluirClick() override;
    void BtnCancelarClick() override;
    void BtnGravarClick() override;
    void BtnExcluirClick() override;
    void BtnPesquisarClick() override;
    void BtnCadastroClick() override; // "&Ocultar"
    void BtnRetornarClick() override;

private:
    void appendWithZeros();
    void leaveSearchMode();
};
