#pragma once

#include "widgets/RegisterWindow.h"

class QGroupBox;
class QLineEdit;

namespace widgets {
class DBEdit;
class DBGrid;
}

// The products and sub-products registers: a code filled by the database
// and a name on the "Cadastro" tab, a "Pesquisa" tab by name, and the same
// steps but for "&Incluir" and "&Gravar", which each window writes itself.
class ProductRegister : public widgets::RegisterWindow
{
    Q_OBJECT
public:
    // The search tab's controls.
    QGroupBox *GroupBox1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    widgets::DBGrid *DBGrid1 = nullptr;

protected:
    ProductRegister(data::TDM *dm, const widgets::RegisterDescription &description, QWidget *parent);

    // The window's form: the tabs `PageControl1` with the name `NOMEGRAU` on the first.
    void useForm(QWidget *form);

    void FormShow() override;
    void TabSheet1Show();
    void TabSheet2Show();
    void BtnPesquisarClick() override;
    void BtnCadastroClick() override;

private:
    widgets::DBEdit *m_name = nullptr;
};
