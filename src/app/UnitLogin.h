#pragma once

#include "ui_UnitLogin.h"

#include <QDialog>

namespace data { class TDM; }

// The login shown once at start-up; accepted after a good user and
// password, rejected when the user chose to end the program. Its form,
// with the red note `Label3` naming the default user, is UnitLogin.ui.
class TfrmLogin : public QDialog, public Ui::TfrmLogin
{
    Q_OBJECT
public:
    explicit TfrmLogin(data::TDM *dm, QWidget *parent = nullptr);

    void BitBtn2Click();
    void BitBtn3Click();

protected:
    void showEvent(QShowEvent *event) override;
    // Esc that reaches the window (navigation off) is the cancel button.
    void reject() override;

private:
    data::TDM *m_dm;
};
