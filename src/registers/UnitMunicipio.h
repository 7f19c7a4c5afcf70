#pragma once

#include "ui_UnitMunicipio.h"
#include "widgets/RegisterWindow.h"

class QGroupBox;
class QLineEdit;

namespace widgets {
class DBGrid;
}

// The municipalities register (table MUNICIPIO through TMunicipio).
class TfrmMunicipio : public widgets::RegisterWindow, public Ui::TfrmMunicipio
{
    Q_OBJECT
public:
    explicit TfrmMunicipio(data::TDM *dm, QWidget *parent = nullptr);

    QGroupBox *GroupBox1;
    QLineEdit *Edit1;
    widgets::DBGrid *DBGrid1;

protected:
    void FormShow() override;
    void TabSheet1Show();
    void TabSheet2Show();
    void BtnGravarClick() override;
    void BtnPesquisarClick() override;
    void BtnCadastroClick() override;
};
