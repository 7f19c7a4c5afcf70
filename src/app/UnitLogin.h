#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
namespace data { class TDM; }

// The login shown once at start-up; accepted after a good user and
// password, rejected when the user chose to end the program.
class TfrmLogin : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmLogin(data::TDM *dm, QWidget *parent = nullptr);

    QLabel *Label3; // the red note naming the default user
    QLineEdit *edusuario;
    QLineEdit *edsenha;
    QPushButton *BitBtn2; // "Logar"
    QPushButton *BitBtn3; // "&Cancelar"

    void BitBtn2Click();
    void BitBtn3Click();

protected:
    void showEvent(QShowEvent *event) override;
    // Esc that reaches the window (navigation off) is the cancel button.
    void reject() override;

private:
    data::TDM *m_dm;
};
