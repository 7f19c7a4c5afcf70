#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
namespace data { class TDM; }
namespace widgets { class DBEdit; class DBGrid; }

// Keeps the users who may log in.
class TfrmUsuario : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmUsuario(data::TDM *dm, QWidget *parent = nullptr);

    QLineEdit *Edit1;           // search
    widgets::DBEdit *DBEdit1;   // USUARIO
    widgets::DBEdit *DBEdit2;   // SENHA
    QLineEdit *C;               // password confirmation
    widgets::DBGrid *DBGrid1;
    QPushButton *BitBtn1;       // "&Incluir"
    QPushButton *BitBtn2;       // "&Cancelar"
    QPushButton *BitBtn3;       // "E&xcluir"
    QPushButton *BitBtn4;       // "&Gravar"
    QPushButton *BitBtn5;       // "&Retornar"

    void FormShow();
    void Edit1Change(const QString &text);
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    data::TDM *m_dm;
};
