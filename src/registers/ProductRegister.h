#pragma once

#include "widgets/RegisterWindow.h"

class QFormLayout;
class QGroupBox;
class QLineEdit;
class QTabWidget;

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
    QTabWidget *PageControl1;
    QWidget *TabSheet1; // "Cadastro"
    QWidget *TabSheet2; // "Pesquisa"
    widgets::DBEdit *GRAUIND;
    widgets::DBEdit *NOMEGRAU;
    QGroupBox *GroupBox1;
    QLineEdit *Edit1;
    widgets::DBGrid *DBGrid1;

protected:
    // INDEX orders the table by name; the labels are those of the two fields.
    ProductRegister(data::TDM *dm, const widgets::RegisterDescription &description, const QString &index,
                    const QString &codeLabel, const QString &nameLabel, QWidget *parent);

    // The form of the "Cadastro" tab, for the fields a window adds.
    QFormLayout *form() const { return m_form; }

    void FormShow() override;
    void TabSheet1Show();
    void TabSheet2Show();
    void BtnCancelarClick() override;
    void BtnExcluirClick() override;
    void BtnPesquisarClick() override;
    void BtnCadastroClick() override;
    void BtnRetornarClick() override;

private:
    QString m_index;
    QFormLayout *m_form;
};
